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
#include <QSignalBlocker>
#include <algorithm>
#include <array>

namespace {

constexpr int kStartupMp3Kbps = 128;

// The items of the Channels lists, in their order.
constexpr std::array kChannelChoices{ChannelChoice::Keep, ChannelChoice::Stereo, ChannelChoice::Mono};

int channelItemOf(ChannelChoice choice) {
    return static_cast<int>(std::find(kChannelChoices.begin(), kChannelChoices.end(), choice) -
                            kChannelChoices.begin());
}

ChannelChoice channelChoiceAt(const QComboBox& list) {
    return kChannelChoices[static_cast<std::size_t>(std::clamp(list.currentIndex(), 0, 2))];
}

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
    frequencies_ = radioGroup(*this, QStringLiteral("frequencyGroup"), static_cast<int>(kSampleRates.size()));
    channels_ = radioGroup(*this, QStringLiteral("channelsGroup"), 2);
    ui->cmbG723Bits->addItems(g723BitsItems());
    ui->cmbG726Bits->addItems(g726BitsItems());
    ui->cmbG723Bits->setCurrentIndex(g723ItemOf(values_.g723Bits));
    ui->cmbG726Bits->setCurrentIndex(g726ItemOf(values_.g726Bits));
    ui->cmbAACBitrate->addItems(kbpsItems(aacKbpsChoices()));
    ui->cmbOpusBitrate->addItems(kbpsItems(opusKbpsChoices()));
    ui->cmbOpusContent->addItems(opusContentItems());
    for (QComboBox* channels : channelChoiceLists())
        for (const ChannelChoice choice : kChannelChoices)
            channels->addItem(channelChoiceCaption(choice));
    showModernFormatValues();
    nameControls();
    connectControls();
    keepToolTipsWithFormatStrings();
}

// A format string starts with the codec's name, which is what tells the formats apart: a string the program puts
// into a field is shown from its start rather than its end. What the user types stays where the cursor is.
void FormatOptionsPane::showFormatString(QLineEdit& edit, const QString& text) {
    edit.setText(text);
    edit.setCursorPosition(0);
}

// The whole string, typed or set, is the field's tool tip.
void FormatOptionsPane::keepToolTipsWithFormatStrings() {
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (!edit->objectName().endsWith(QLatin1String("FormatString")))
            continue;
        connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) { edit->setToolTip(text); });
    }
}

FormatOptionsPane::~FormatOptionsPane() = default;

void FormatOptionsPane::nameControls() {
    const std::pair<QWidget*, QLabel*> labelled[] = {
        {ui->txtWAVFormatString, ui->lblPCM},     {ui->txtMP3FormatString, ui->lblMP3},
        {ui->txtOGGFormatString, ui->lblOGG},     {ui->cmbWMAProfile, ui->lblWMA},
        {ui->txtADPCMFormatString, ui->lblADPCM}, {ui->txtGSMFormatString, ui->lblGSM},
        {ui->txtDSPFormatString, ui->lblDSP},     {ui->txtVOXFormatString, ui->lblVOX},
        {ui->txtRAWFormatString, ui->lblRAW},     {ui->txtMP2FormatString, ui->lblMP2},
        {ui->txtG723FormatString, ui->lblG723},   {ui->txtG726FormatString, ui->lblG726},
        {ui->txtFLACFormatString, ui->lblFLAC},   {ui->txtALACFormatString, ui->lblALAC},
        {ui->txtAACFormatString, ui->lblAAC},     {ui->txtOpusFormatString, ui->lblOpus},
    };
    for (const auto& [control, label] : labelled) {
        label->setBuddy(control);
        control->setAccessibleName(label->text().trimmed());
    }
    ui->cmbG723Bits->setAccessibleName(tr("G.723 bits"));
    ui->cmbG726Bits->setAccessibleName(tr("G.726 bits"));
    ui->flacLevelSpin->setAccessibleName(tr("FLAC level"));
    ui->cmbAACBitrate->setAccessibleName(tr("AAC bit rate"));
    ui->cmbOpusBitrate->setAccessibleName(tr("Opus bit rate"));
    ui->cmbOpusContent->setAccessibleName(tr("Opus content"));
    ui->cmbFLACChannels->setAccessibleName(tr("FLAC channels"));
    ui->cmbALACChannels->setAccessibleName(tr("ALAC channels"));
    ui->cmbAACChannels->setAccessibleName(tr("AAC channels"));
    ui->cmbOpusChannels->setAccessibleName(tr("Opus channels"));
    for (const auto& [button, format] :
         {std::pair{ui->pcmSetButton, "PCM"}, std::pair{ui->mp3SetButton, "MP3"}, std::pair{ui->oggSetButton, "OGG"}}) {
        button->setAccessibleName(button->text());
        button->setAccessibleDescription(tr("Set the %1 format").arg(QLatin1String(format)));
    }
    ui->noVolumeChangeRadio->setAccessibleName(ui->noVolumeChangeRadio->text());
    ui->volumeChangeRadio->setAccessibleName(ui->volumeChangeRadio->text());
    ui->volumePercentSpin->setAccessibleName(tr("Change As %"));
}

void FormatOptionsPane::connectControls() {
    connectGuarded(prompts_, frequencies_, &QButtonGroup::idToggled, this, [this](int item, bool checked) {
        if (checked)
            sampleRateChosen(item);
    });
    connectGuarded(prompts_, channels_, &QButtonGroup::idToggled, this, [this](int item, bool checked) {
        if (checked)
            channelsChosen(item);
    });
    connectGuarded(prompts_, ui->cmbG723Bits, &QComboBox::activated, this, [this](int) { g723BitsChosen(); });
    connectGuarded(prompts_, ui->cmbG726Bits, &QComboBox::currentIndexChanged, this, [this](int) { g726BitsChosen(); });
    connectGuarded(prompts_, ui->cmbWMAProfile, &QComboBox::activated, this, [this](int) { wmaProfileChosen(); });
    connectGuarded(prompts_, ui->flacLevelSpin, &QSpinBox::valueChanged, this, [this](int) { modernFormatChosen(); });
    for (QComboBox* choice : {ui->cmbAACBitrate, ui->cmbOpusBitrate, ui->cmbOpusContent})
        connectGuarded(prompts_, choice, &QComboBox::activated, this, [this](int) { modernFormatChosen(); });
    for (QComboBox* channels : channelChoiceLists())
        connectGuarded(prompts_, channels, &QComboBox::activated, this,
                       [this, channels](int) { channelChoiceChosen(*channels); });
    connectGuarded(prompts_, ui->pcmSetButton, &QPushButton::clicked, this, [this](bool) { openWavDialog(); });
    connectGuarded(prompts_, ui->mp3SetButton, &QPushButton::clicked, this, [this](bool) { openMp3Dialog(); });
    connectGuarded(prompts_, ui->oggSetButton, &QPushButton::clicked, this, [this](bool) { openOggDialog(); });
    connectGuarded(prompts_, ui->noVolumeChangeRadio, &QRadioButton::toggled, this,
                   [this](bool) { noVolumeChangeToggled(); });
    connectGuarded(prompts_, ui->volumeChangeRadio, &QRadioButton::toggled, this,
                   [this](bool) { volumeChangeToggled(); });
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
    showModernFormatValues();
    guarded(prompts_, [&] { components_.reader->setDescriptionDetail(-1); });
    // The dialogs start with the same formats; nothing of theirs is applied before "Apply", "Ok" or a conversion.
    guarded(prompts_, [&] {
        applyPcmWavChoice(*writer, PcmWavChoice{});
        showFormatString(*ui->txtWAVFormatString, writer->formatString());
    });
    guarded(prompts_, [&] {
        const OggVorbisSetting ogg;
        writer->setOggVorbis(ogg.sampleRate, ogg.channels, ogg.nominal, ogg.minimum, ogg.maximum, ogg.quality);
        showFormatString(*ui->txtOGGFormatString, writer->formatString());
    });
    // The plain MP3 operation; the encoder-based description replaces it the first time the MP3 dialog is applied.
    guarded(prompts_, [&] {
        writer->setMp3(kDefaultSampleRate, kStartupMp3Kbps, 2);
        showFormatString(*ui->txtMP3FormatString, writer->formatString());
    });
    guarded(prompts_, [&] { writer->setWmaProfile(PanelValues{}.wmaProfile); });
    guarded(prompts_, [&] { showOtherFormatStrings(); });
}

void FormatOptionsPane::attachDialogs(WavOptionsDialog& wav, Mp3OptionsDialog& mp3, OggVorbisOptionsDialog& ogg) {
    wav_ = &wav;
    mp3_ = &mp3;
    ogg_ = &ogg;
    dialogs_ = std::make_unique<OptionDialogs>(wav, mp3, ogg);
    connect(&wav, &WavOptionsDialog::formatStringChanged, this,
            [this](const QString& text) { showFormatString(*ui->txtWAVFormatString, text); });
    connect(&mp3, &Mp3OptionsDialog::formatStringChanged, this,
            [this](const QString& text) { showFormatString(*ui->txtMP3FormatString, text); });
    connect(&ogg, &OggVorbisOptionsDialog::formatStringChanged, this,
            [this](const QString& text) { showFormatString(*ui->txtOGGFormatString, text); });
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
    if (!ui->volumeChangeRadio->isChecked())
        return std::nullopt;
    return ui->volumePercentSpin->value();
}

void FormatOptionsPane::setPanelValues(const PanelValues& values) {
    values_ = values;
    values_.sampleRate = sampleRateAt(sampleRateIndexOf(values.sampleRate));
    values_.channels = std::clamp(values.channels, 1, 2);
    {
        // The groups' own handlers would show the strings once per control; they are shown once below.
        const QSignalBlocker rates(frequencies_);
        const QSignalBlocker channels(channels_);
        frequencies_->button(sampleRateIndexOf(values_.sampleRate))->setChecked(true);
        channels_->button(values_.channels - 1)->setChecked(true);
    }
    {
        const QSignalBlocker g723(ui->cmbG723Bits);
        const QSignalBlocker g726(ui->cmbG726Bits);
        ui->cmbG723Bits->setCurrentIndex(g723ItemOf(values_.g723Bits));
        ui->cmbG726Bits->setCurrentIndex(g726ItemOf(values_.g726Bits));
        const QSignalBlocker flac(ui->flacLevelSpin);
        showModernFormatValues();
    }
    if (values.wmaProfile >= 1 && values.wmaProfile <= ui->cmbWMAProfile->count()) {
        ui->cmbWMAProfile->setCurrentIndex(values.wmaProfile - 1);
        wmaProfileChosen();
    }
    showOtherFormatStrings();
}

void FormatOptionsPane::setVolumeChange(std::optional<int> percent) {
    if (percent)
        ui->volumePercentSpin->setValue(*percent);
    (percent ? ui->volumeChangeRadio : ui->noVolumeChangeRadio)->setChecked(true);
}

int FormatOptionsPane::wmaProfileCount() const {
    return ui->cmbWMAProfile->count();
}

QLineEdit& FormatOptionsPane::otherFormatEdit(OutputFormat format) const {
    const std::pair<OutputFormat, QLineEdit*> edits[] = {
        {OutputFormat::Adpcm, ui->txtADPCMFormatString}, {OutputFormat::Gsm, ui->txtGSMFormatString},
        {OutputFormat::Dsp, ui->txtDSPFormatString},     {OutputFormat::Vox, ui->txtVOXFormatString},
        {OutputFormat::Raw, ui->txtRAWFormatString},     {OutputFormat::Mp2, ui->txtMP2FormatString},
        {OutputFormat::G723, ui->txtG723FormatString},   {OutputFormat::G726, ui->txtG726FormatString},
        {OutputFormat::Flac, ui->txtFLACFormatString},   {OutputFormat::Alac, ui->txtALACFormatString},
        {OutputFormat::Aac, ui->txtAACFormatString},     {OutputFormat::Opus, ui->txtOpusFormatString}};
    for (const auto& [shown, edit] : edits) {
        if (shown == format)
            return *edit;
    }
    throw ComponentError(QStringLiteral("The pane shows no string of the format %1.").arg(outputFormatName(format)));
}

void FormatOptionsPane::showOtherFormatStrings() {
    describeOtherFormats(*components_.writer, values_, [this](OutputFormat format, const QString& text) {
        showFormatString(otherFormatEdit(format), text);
    });
}

void FormatOptionsPane::sampleRateChosen(int item) {
    values_.sampleRate = sampleRateAt(item);
    showOtherFormatStrings();
}

// The panel's channels still set AAC and Opus, as they always did: their own lists follow again.
void FormatOptionsPane::channelsChosen(int item) {
    values_.channels = item + 1;
    values_.aacChannels.reset();
    values_.opusChannels.reset();
    showModernFormatValues();
    showOtherFormatStrings();
}

std::array<QComboBox*, 4> FormatOptionsPane::channelChoiceLists() const {
    return {ui->cmbFLACChannels, ui->cmbALACChannels, ui->cmbAACChannels, ui->cmbOpusChannels};
}

void FormatOptionsPane::channelChoiceChosen(const QComboBox& list) {
    const ChannelChoice choice = channelChoiceAt(list);
    if (&list == ui->cmbFLACChannels)
        values_.flacChannels = choice;
    else if (&list == ui->cmbALACChannels)
        values_.alacChannels = choice;
    else if (&list == ui->cmbAACChannels)
        values_.aacChannels = choice;
    else if (&list == ui->cmbOpusChannels)
        values_.opusChannels = choice;
    showOtherFormatStrings();
}

void FormatOptionsPane::g723BitsChosen() {
    values_.g723Bits = g723BitsAt(ui->cmbG723Bits->currentIndex(), values_.g723Bits);
    showOtherFormatStrings();
}

void FormatOptionsPane::g726BitsChosen() {
    values_.g726Bits = g726BitsAt(ui->cmbG726Bits->currentIndex());
    showOtherFormatStrings();
}

// The controls of FLAC, AAC and Opus show the values the conversion will use.
void FormatOptionsPane::showModernFormatValues() {
    ui->flacLevelSpin->setValue(values_.flacLevel);
    ui->cmbAACBitrate->setCurrentIndex(kbpsItemOf(aacKbpsChoices(), values_.aacKbps));
    ui->cmbOpusBitrate->setCurrentIndex(kbpsItemOf(opusKbpsChoices(), values_.opusKbps));
    ui->cmbOpusContent->setCurrentIndex(values_.opusSpeech ? 1 : 0);
    ui->cmbFLACChannels->setCurrentIndex(channelItemOf(values_.flacChannels));
    ui->cmbALACChannels->setCurrentIndex(channelItemOf(values_.alacChannels));
    ui->cmbAACChannels->setCurrentIndex(channelItemOf(values_.aacChannelChoice()));
    ui->cmbOpusChannels->setCurrentIndex(channelItemOf(values_.opusChannelChoice()));
}

void FormatOptionsPane::modernFormatChosen() {
    values_.flacLevel = ui->flacLevelSpin->value();
    values_.aacKbps = aacKbpsChoices()[static_cast<std::size_t>(std::max(0, ui->cmbAACBitrate->currentIndex()))];
    values_.opusKbps = opusKbpsChoices()[static_cast<std::size_t>(std::max(0, ui->cmbOpusBitrate->currentIndex()))];
    values_.opusSpeech = ui->cmbOpusContent->currentIndex() == 1;
    showOtherFormatStrings();
}

void FormatOptionsPane::wmaProfileChosen() {
    components_.writer->setWmaProfile(ui->cmbWMAProfile->currentIndex() + 1);
}

void FormatOptionsPane::openWavDialog() {
    if (wav_)
        wav_->exec();
}

void FormatOptionsPane::openMp3Dialog() {
    if (mp3_)
        mp3_->exec();
}

void FormatOptionsPane::openOggDialog() {
    if (ogg_)
        ogg_->exec();
}

void FormatOptionsPane::noVolumeChangeToggled() {
    if (ui->noVolumeChangeRadio->isChecked())
        ui->volumePercentSpin->setEnabled(false);
}

void FormatOptionsPane::volumeChangeToggled() {
    if (ui->volumeChangeRadio->isChecked())
        ui->volumePercentSpin->setEnabled(true);
}
