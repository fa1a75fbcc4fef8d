#include "FormatOptionsPane.h"

#include "Mp3OptionsDialog.h"
#include "OggVorbisOptionsDialog.h"
#include "WavOptionsDialog.h"
#include "core/components/ComponentSet.h"
#include "core/formats/FormatStrings.h"
#include "core/formats/OggVorbisChoice.h"
#include "core/formats/PcmWavChoice.h"
#include "gui/common/ErrorReport.h"
#include "ui_FormatOptionsPane.h"

#include <QButtonGroup>

namespace {

constexpr int kStartupMp3Kbps = 128;

// Makes a button group of the radio buttons named prefix_0, prefix_1, ..., with the index as id.
QButtonGroup* radioGroup(QWidget& owner, const QString& prefix, int count) {
    auto* group = new QButtonGroup(&owner);
    for (int item = 0; item < count; ++item) {
        auto* button = owner.findChild<QRadioButton*>(prefix + QLatin1Char('_') + QString::number(item));
        button->setAccessibleName(button->text());
        group->addButton(button, item);
    }
    return group;
}

} // namespace

FormatOptionsPane::FormatOptionsPane(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormatOptionsPane>()), components_(components), prompts_(prompts) {
    ui->setupUi(this);
    frequencies_ = radioGroup(*this, QStringLiteral("rgFrequency"), static_cast<int>(kSampleRates.size()));
    channels_ = radioGroup(*this, QStringLiteral("rgChannels"), 2);
    ui->cmbG723Bits->addItems(g723BitsItems());
    ui->cmbG726Bits->addItems(g726BitsItems());
    ui->cmbG723Bits->setCurrentIndex(g723ItemOf(values_.g723Bits));
    ui->cmbG726Bits->setCurrentIndex(g726ItemOf(values_.g726Bits));
    nameControls();
    connectControls();
}

FormatOptionsPane::~FormatOptionsPane() = default;

void FormatOptionsPane::nameControls() {
    const std::pair<QWidget*, QLabel*> labelled[] = {
        {ui->txtWAVFormatString, ui->lblPCM},     {ui->txtMP3FormatString, ui->lblMP3},
        {ui->txtOGGFormatString, ui->lblOGG},     {ui->cmbWMAProfile, ui->lblWMA},
        {ui->txtADPCMFormatString, ui->lblADPCM}, {ui->txtGSMFormatString, ui->lblGSM},
        {ui->txtDSPFormatString, ui->lblDSP},     {ui->txtVOXFormatString, ui->lblVOX},
        {ui->txtULAWFormatString, ui->lblULAW},   {ui->txtMP2FormatString, ui->lblMP2},
        {ui->txtG723FormatString, ui->lblG723},   {ui->txtG726FormatString, ui->lblG726},
    };
    for (const auto& [control, label] : labelled) {
        label->setBuddy(control);
        control->setAccessibleName(label->text().trimmed());
    }
    ui->cmbG723Bits->setAccessibleName(QStringLiteral("G.723 bits"));
    ui->cmbG726Bits->setAccessibleName(QStringLiteral("G.726 bits"));
    for (const auto& [button, format] :
         {std::pair{ui->Button3, "PCM"}, std::pair{ui->cmdMP3, "MP3"}, std::pair{ui->cmdOGG, "OGG"}}) {
        button->setAccessibleName(button->text());
        button->setAccessibleDescription(QStringLiteral("Set the %1 format").arg(QLatin1String(format)));
    }
    ui->Radio_nochange->setAccessibleName(ui->Radio_nochange->text());
    ui->Radio_change->setAccessibleName(ui->Radio_change->text());
    ui->spin_volume->setAccessibleName(QStringLiteral("Change As %"));
}

void FormatOptionsPane::connectControls() {
    connectGuarded(prompts_, frequencies_, &QButtonGroup::idToggled, this, [this](int item, bool checked) {
        if (checked)
            rgFrequencyClick(item);
    });
    connectGuarded(prompts_, channels_, &QButtonGroup::idToggled, this, [this](int item, bool checked) {
        if (checked)
            rgChannelsClick(item);
    });
    connectGuarded(prompts_, ui->cmbG723Bits, &QComboBox::activated, this, [this](int) { cmbG723BitsClick(); });
    connectGuarded(prompts_, ui->cmbG726Bits, &QComboBox::currentIndexChanged, this,
                   [this](int) { cmbG726BitsChange(); });
    connectGuarded(prompts_, ui->cmbWMAProfile, &QComboBox::activated, this, [this](int) { cmbWMAProfileClick(); });
    connectGuarded(prompts_, ui->Button3, &QPushButton::clicked, this, [this](bool) { Button3Click(); });
    connectGuarded(prompts_, ui->cmdMP3, &QPushButton::clicked, this, [this](bool) { cmdMP3Click(); });
    connectGuarded(prompts_, ui->cmdOGG, &QPushButton::clicked, this, [this](bool) { cmdOGGClick(); });
    connectGuarded(prompts_, ui->Radio_nochange, &QRadioButton::toggled, this, [this](bool) { Radio_nochangeClick(); });
    connectGuarded(prompts_, ui->Radio_change, &QRadioButton::toggled, this, [this](bool) { Radio_changeClick(); });
}

void FormatOptionsPane::fillFromWriter() {
    TAudioFile2& writer = components_.writer;
    guarded(prompts_, [&] {
        ui->cmbWMAProfile->clear();
        ui->cmbWMAProfile->addItems(describeWmaProfiles(*writer));
        ui->cmbWMAProfile->setCurrentIndex(ui->cmbWMAProfile->count() - 1);
    });
    ui->cmbG723Bits->setCurrentIndex(g723ItemOf(PanelValues{}.g723Bits));
    ui->cmbG726Bits->setCurrentIndex(g726ItemOf(PanelValues{}.g726Bits));
    values_ = PanelValues{};
    guarded(prompts_, [&] { components_.reader->setDescriptionDetail(-1); });
    // The dialogs start with the same formats; nothing of theirs is applied before "Apply", "Ok" or a conversion.
    guarded(prompts_, [&] {
        applyPcmWavChoice(*writer, PcmWavChoice{});
        ui->txtWAVFormatString->setText(writer->formatString());
    });
    guarded(prompts_, [&] {
        const OggVorbisSetting ogg;
        writer->setOggVorbis(ogg.sampleRate, ogg.channels, ogg.nominal, ogg.minimum, ogg.maximum, ogg.quality);
        ui->txtOGGFormatString->setText(writer->formatString());
    });
    // The plain MP3 operation; the encoder-based description replaces it the first time the MP3 dialog is applied.
    guarded(prompts_, [&] {
        writer->setMp3(kDefaultSampleRate, kStartupMp3Kbps, 2);
        ui->txtMP3FormatString->setText(writer->formatString());
    });
    guarded(prompts_, [&] { writer->setWmaProfile(PanelValues{}.wmaProfile); });
    guarded(prompts_, [&] { SetOthersFormats(); });
}

void FormatOptionsPane::attachDialogs(WavOptionsDialog& wav, Mp3OptionsDialog& mp3, OggVorbisOptionsDialog& ogg) {
    wav_ = &wav;
    mp3_ = &mp3;
    ogg_ = &ogg;
    dialogs_ = std::make_unique<OptionDialogs>(components_, wav, mp3, ogg);
    connect(&wav, &WavOptionsDialog::formatStringChanged, ui->txtWAVFormatString, &QLineEdit::setText);
    connect(&mp3, &Mp3OptionsDialog::formatStringChanged, ui->txtMP3FormatString, &QLineEdit::setText);
    connect(&ogg, &OggVorbisOptionsDialog::formatStringChanged, ui->txtOGGFormatString, &QLineEdit::setText);
}

OptionDialogs& FormatOptionsPane::formatDialogs() {
    if (!dialogs_)
        throw ComponentError(QStringLiteral("The format dialogs are not there yet."));
    return *dialogs_;
}

PanelValues FormatOptionsPane::panelValues() const {
    PanelValues values = values_;
    values.wmaProfile = ui->cmbWMAProfile->currentIndex() + 1;
    return values;
}

std::optional<int> FormatOptionsPane::volumeChange() const {
    if (!ui->Radio_change->isChecked())
        return std::nullopt;
    return ui->spin_volume->value();
}

QLineEdit& FormatOptionsPane::otherFormatEdit(OutputFormat format) const {
    const std::pair<OutputFormat, QLineEdit*> edits[] = {
        {OutputFormat::Adpcm, ui->txtADPCMFormatString}, {OutputFormat::Gsm, ui->txtGSMFormatString},
        {OutputFormat::Dsp, ui->txtDSPFormatString},     {OutputFormat::Vox, ui->txtVOXFormatString},
        {OutputFormat::Raw, ui->txtULAWFormatString},    {OutputFormat::Mp2, ui->txtMP2FormatString},
        {OutputFormat::G723, ui->txtG723FormatString},   {OutputFormat::G726, ui->txtG726FormatString}};
    for (const auto& [shown, edit] : edits) {
        if (shown == format)
            return *edit;
    }
    throw ComponentError(QStringLiteral("The pane shows no string of the format %1.").arg(outputFormatName(format)));
}

void FormatOptionsPane::SetOthersFormats() {
    describeOtherFormats(*components_.writer, values_,
                         [this](OutputFormat format, const QString& text) { otherFormatEdit(format).setText(text); });
}

void FormatOptionsPane::rgFrequencyClick(int item) {
    values_.sampleRate = sampleRateAt(item);
    SetOthersFormats();
}

void FormatOptionsPane::rgChannelsClick(int item) {
    values_.channels = item + 1;
    SetOthersFormats();
}

void FormatOptionsPane::cmbG723BitsClick() {
    values_.g723Bits = g723BitsAt(ui->cmbG723Bits->currentIndex(), values_.g723Bits);
    SetOthersFormats();
}

void FormatOptionsPane::cmbG726BitsChange() {
    values_.g726Bits = g726BitsAt(ui->cmbG726Bits->currentIndex());
    SetOthersFormats();
}

void FormatOptionsPane::cmbWMAProfileClick() {
    components_.writer->setWmaProfile(ui->cmbWMAProfile->currentIndex() + 1);
}

void FormatOptionsPane::Button3Click() {
    if (wav_)
        wav_->exec();
}

void FormatOptionsPane::cmdMP3Click() {
    if (mp3_)
        mp3_->exec();
}

void FormatOptionsPane::cmdOGGClick() {
    if (ogg_)
        ogg_->exec();
}

void FormatOptionsPane::Radio_nochangeClick() {
    if (ui->Radio_nochange->isChecked())
        ui->spin_volume->setEnabled(false);
}

void FormatOptionsPane::Radio_changeClick() {
    if (ui->Radio_change->isChecked())
        ui->spin_volume->setEnabled(true);
}
