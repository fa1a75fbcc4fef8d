#include "WavOptionsDialog.h"

#include "DialogFrame.h"
#include "core/components/ComponentSet.h"
#include "ui_WavOptionsDialog.h"

namespace {

const QSize kClientSize(391, 135);

} // namespace

WavOptionsDialog::WavOptionsDialog(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::WavOptionsDialog>()), components_(components), prompts_(prompts) {
    ui->setupUi(this);
    frameOptionsDialog(*this, kClientSize);
    FormCreate();
    connectDialogAction(prompts_, ui->Button1, &QPushButton::clicked, this, &WavOptionsDialog::Button1Click);
    connectDialogAction(prompts_, ui->Button3, &QPushButton::clicked, this, &WavOptionsDialog::Button3Click);
    connectDialogAction(prompts_, ui->Button2, &QPushButton::clicked, this, &WavOptionsDialog::Button2Click);
    connectDialogAction(prompts_, ui->Button4, &QPushButton::clicked, this, &WavOptionsDialog::Button4Click);
}

WavOptionsDialog::~WavOptionsDialog() = default;

void WavOptionsDialog::FormCreate() {
    ui->cmbFrequency->addItems(sampleRateItems());
    ui->cmbChMode->addItems({QStringLiteral("Mono"), QStringLiteral("Stereo")});
    for (const int bits : kPcmBitsChoices)
        ui->cmb_bitrate->addItem(QString::number(bits));
    const PcmWavChoice start;
    ui->cmbFrequency->setCurrentIndex(sampleRateIndexOf(start.sampleRate));
    ui->cmbChMode->setCurrentIndex(start.channels - 1);
    ui->cmb_bitrate->setCurrentText(QString::number(start.bits));
}

PcmWavChoice WavOptionsDialog::choice() const {
    return {ui->cmbFrequency->currentText().toInt(), ui->cmbChMode->currentIndex() + 1,
            ui->cmb_bitrate->currentText().toInt()};
}

void WavOptionsDialog::ApplyFormat() {
    applyPcmWavChoice(*components_.writer, choice());
}

void WavOptionsDialog::applyAndDescribe() {
    ApplyFormat();
    emit formatStringChanged(components_.writer->formatString());
}

void WavOptionsDialog::Button1Click() {
    applyAndDescribe();
}

void WavOptionsDialog::Button3Click() {
    applyAndDescribe();
    accept();
}

void WavOptionsDialog::Button2Click() {
    reject();
}

// The sample's format goes to the writer and shows as the PCM string, but the lists stay as they are: every PCM
// output is made with the lists' format.
void WavOptionsDialog::Button4Click() {
    const QStringList chosen = prompts_.pickFilesToOpen(QStringLiteral("Set Format Like Sample"),
                                                        {QStringLiteral("*.wav;*.wave (*.wav *.wave)")});
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return;
    auto& writer = components_.writer;
    writer->setFormatFromSampleWav(chosen.first());
    emit formatStringChanged(writer->formatString());
    reject();
}
