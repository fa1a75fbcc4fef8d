#include "FormatOptionsPane.h"

#include "components/ComponentSet.h"
#include "ui/ErrorReport.h"
#include "ui_FormatOptionsPane.h"

FormatOptionsPane::FormatOptionsPane(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormatOptionsPane>()), components_(components), prompts_(prompts) {
    ui->setupUi(this);
}

FormatOptionsPane::~FormatOptionsPane() = default;

void FormatOptionsPane::fillFromWriter() {
    TAudioFile2& writer = components_.AudioFile2;
    guarded(prompts_, [&] {
        writer->setDescriptionDetail(-1);
        const int profiles = writer->wmaProfileCount();
        for (int profile = 1; profile <= profiles; ++profile) {
            writer->setDescriptionDetail(-1);
            writer->setWmaProfile(profile);
            ui->cmbWMAProfile->addItem(writer->formatString());
        }
        ui->cmbWMAProfile->setCurrentIndex(ui->cmbWMAProfile->count() - 1);
    });
    ui->cmbG723Bits->addItems({QStringLiteral("3 bit"), QStringLiteral("5 bit")});
    ui->cmbG726Bits->addItems(
        {QStringLiteral("2 bit"), QStringLiteral("3 bit"), QStringLiteral("4 bit"), QStringLiteral("5 bit")});
    ui->cmbG723Bits->setCurrentIndex(1);
    ui->cmbG726Bits->setCurrentIndex(2);
    values_ = PanelValues{};
    guarded(prompts_, [&] { components_.AudioFile1->setDescriptionDetail(-1); });
    guarded(prompts_, [&] {
        writer->setPcmWav(44100, 2, 16);
        ui->txtWAVFormatString->setText(writer->formatString());
    });
    guarded(prompts_, [&] {
        writer->setOggVorbis(44100, 2, 128, 0, 0, -1);
        ui->txtOGGFormatString->setText(writer->formatString());
    });
    guarded(prompts_, [&] {
        writer->setMp3(44100, 128, 2);
        ui->txtMP3FormatString->setText(writer->formatString());
    });
    guarded(prompts_, [&] { writer->setWmaProfile(28); });
    guarded(prompts_, [&] { SetOthersFormats(); });
}

PanelValues FormatOptionsPane::panelValues() const {
    return values_;
}

std::optional<int> FormatOptionsPane::volumeChange() const {
    if (!ui->Radio_change->isChecked())
        return std::nullopt;
    return ui->spin_volume->value();
}

void FormatOptionsPane::SetOthersFormats() {
    TAudioFile2& writer = components_.AudioFile2;
    const int rate = values_.sampleRate;
    const int channels = values_.channels;
    writer->setAdpcmWav(rate, channels);
    ui->txtADPCMFormatString->setText(writer->formatString());
    writer->setGsmWav(rate);
    ui->txtGSMFormatString->setText(writer->formatString());
    writer->setDspWav();
    ui->txtDSPFormatString->setText(writer->formatString());
    writer->setVox(rate);
    ui->txtVOXFormatString->setText(writer->formatString());
    writer->setRaw(3, rate, channels, 16);
    ui->txtULAWFormatString->setText(writer->formatString());
    writer->setMp2(rate, 192, channels);
    ui->txtMP2FormatString->setText(writer->formatString());
    writer->setG723(rate, values_.g723Bits);
    ui->txtG723FormatString->setText(writer->formatString());
    writer->setG726(rate, values_.g726Bits);
    ui->txtG726FormatString->setText(writer->formatString());
}
