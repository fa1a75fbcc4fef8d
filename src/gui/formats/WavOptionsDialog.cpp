#include "WavOptionsDialog.h"

#include "DialogFrame.h"
#include "core/components/ComponentSet.h"
#include "core/formats/PanelValues.h"
#include "core/ports/Messages.h"
#include "ui_WavOptionsDialog.h"

namespace {

const QSize kClientSize(391, 135);
constexpr int kKeepItem = 2; // after "Mono" and "Stereo"

} // namespace

WavOptionsDialog::WavOptionsDialog(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::WavOptionsDialog>()), components_(components), prompts_(prompts) {
    ui->setupUi(this);
    showStartingValues();
    // Sized once the starting texts are in.
    frameOptionsDialog(*this, kClientSize);
    connectDialogAction(prompts_, ui->applyButton, &QPushButton::clicked, this, &WavOptionsDialog::applyClicked);
    connectDialogAction(prompts_, ui->okButton, &QPushButton::clicked, this, &WavOptionsDialog::okClicked);
    connectDialogAction(prompts_, ui->cancelButton, &QPushButton::clicked, this, &WavOptionsDialog::cancelClicked);
    connectDialogAction(prompts_, ui->sampleFileButton, &QPushButton::clicked, this,
                        &WavOptionsDialog::chooseSampleFile);
}

WavOptionsDialog::~WavOptionsDialog() = default;

void WavOptionsDialog::showStartingValues() {
    ui->frequencyCombo->addItems(sampleRateItems());
    // "Keep" writes the source's own channels, up to 7.1 as WAVE_FORMAT_EXTENSIBLE with its speaker mask.
    ui->channelsCombo->addItems({Messages::Mono(), Messages::Stereo(), channelChoiceCaption(ChannelChoice::Keep)});
    for (const int bits : kPcmBitsChoices)
        ui->bitsCombo->addItem(QString::number(bits));
    const PcmWavChoice start;
    ui->frequencyCombo->setCurrentIndex(sampleRateIndexOf(start.sampleRate));
    ui->channelsCombo->setCurrentIndex(start.channels - 1);
    ui->bitsCombo->setCurrentText(QString::number(start.bits));
}

PcmWavChoice WavOptionsDialog::choice() const {
    const bool keep = ui->channelsCombo->currentIndex() == kKeepItem;
    return {ui->frequencyCombo->currentText().toInt(), keep ? 2 : ui->channelsCombo->currentIndex() + 1,
            ui->bitsCombo->currentText().toInt(), keep};
}

void WavOptionsDialog::setChoice(const PcmWavChoice& choice) {
    const int rate = ui->frequencyCombo->findText(QString::number(choice.sampleRate));
    if (rate >= 0)
        ui->frequencyCombo->setCurrentIndex(rate);
    if (choice.keepChannels)
        ui->channelsCombo->setCurrentIndex(kKeepItem);
    else if (choice.channels == 1 || choice.channels == 2)
        ui->channelsCombo->setCurrentIndex(choice.channels - 1);
    const int bits = ui->bitsCombo->findText(QString::number(choice.bits));
    if (bits >= 0)
        ui->bitsCombo->setCurrentIndex(bits);
}

void WavOptionsDialog::applyFormat() {
    applyPcmWavChoice(*components_.writer, choice());
}

void WavOptionsDialog::applyAndDescribe() {
    applyFormat();
    emit formatStringChanged(components_.writer->formatString());
}

void WavOptionsDialog::applyClicked() {
    applyAndDescribe();
}

void WavOptionsDialog::okClicked() {
    applyAndDescribe();
    accept();
}

void WavOptionsDialog::cancelClicked() {
    reject();
}

// The sample's format goes to the writer and shows as the PCM string, but the lists stay as they are: every PCM
// output is made with the lists' format.
void WavOptionsDialog::chooseSampleFile() {
    const QStringList chosen =
        prompts_.pickFilesToOpen(tr("Set Format Like Sample"), {QStringLiteral("*.wav;*.wave (*.wav *.wave)")});
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return;
    auto& writer = components_.writer;
    writer->setFormatFromSampleWav(chosen.first());
    emit formatStringChanged(writer->formatString());
    reject();
}
