#include "Mp3OptionsDialog.h"

#include "DialogFrame.h"
#include "core/components/ComponentSet.h"
#include "ui_Mp3OptionsDialog.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

const QSize kClientSize(369, 249);
constexpr int kPresetColumns = 4;
constexpr int kAltPresetColumns = 3;

// Fills a radio group with one button per item, id = item index, in rows of the given number of columns.
QButtonGroup* makeRadioGroup(QGroupBox& box, QGridLayout& grid, const QStringList& items, int columns) {
    auto* buttons = new QButtonGroup(&box);
    for (int item = 0; item < items.size(); ++item) {
        auto* radio = new QRadioButton(items[item], &box);
        radio->setObjectName(box.objectName() + QString::number(item));
        radio->setAccessibleName(items[item]);
        grid.addWidget(radio, item / columns, item % columns);
        buttons->addButton(radio, item);
    }
    buttons->button(0)->setChecked(true);
    return buttons;
}

} // namespace

Mp3OptionsDialog::Mp3OptionsDialog(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Mp3OptionsDialog>()), components_(components), prompts_(prompts) {
    ui->setupUi(this);
    fillLists();
    nameControlsAfterTheirLabels(*this);
    ui->highpassFrequencySpin->setAccessibleName(ui->highpassBox->text());
    ui->lowpassFrequencySpin->setAccessibleName(ui->lowpassBox->text());
    showStartingValues();
    // Sized once the starting texts are in.
    frameOptionsDialog(*this, kClientSize);

    connect(ui->maxVbrSlider, &QSlider::valueChanged, this, &Mp3OptionsDialog::showMaxVbrBitrate);
    connect(ui->highpassBox, &QCheckBox::clicked, this, &Mp3OptionsDialog::highpassClicked);
    connect(ui->lowpassBox, &QCheckBox::clicked, this, &Mp3OptionsDialog::lowpassClicked);
    connect(ui->vbrModeCombo, &QComboBox::activated, this, &Mp3OptionsDialog::vbrModeChosen);
    connect(ui->presetBox, &QCheckBox::clicked, this, &Mp3OptionsDialog::presetClicked);
    connect(ui->altPresetBox, &QCheckBox::clicked, this, &Mp3OptionsDialog::altPresetClicked);
    connectDialogAction(prompts_, ui->applyButton, &QPushButton::clicked, this, &Mp3OptionsDialog::applyClicked);
    connectDialogAction(prompts_, ui->okButton, &QPushButton::clicked, this, &Mp3OptionsDialog::okClicked);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

Mp3OptionsDialog::~Mp3OptionsDialog() = default;

void Mp3OptionsDialog::fillLists() {
    ui->channelModeCombo->addItems(mp3ChannelItems());
    ui->sampleRateCombo->addItems(sampleRateItems());
    ui->vbrModeCombo->addItems(mp3VbrModeItems());
    ui->athModeCombo->addItems(mp3AthItems());
    ui->deEmphasisCombo->addItems(mp3DeEmphasisItems());
    presets_ = makeRadioGroup(*ui->presetGroup, *ui->presetGrid, mp3PresetItems(), kPresetColumns);
    altPresets_ = makeRadioGroup(*ui->altPresetGroup, *ui->altPresetGrid, mp3AltPresetItems(), kAltPresetColumns);
}

// The form's starting values, then whatever the encoder holds.
void Mp3OptionsDialog::showStartingValues() {
    showControls(Mp3Controls{});
    loadSettings();
}

Mp3Controls Mp3OptionsDialog::controls() const {
    Mp3Controls controls;
    controls.page = static_cast<Mp3Page>(ui->pages->currentIndex());
    controls.channelItem = ui->channelModeCombo->currentIndex();
    controls.quality = ui->qualitySlider->value();
    controls.sampleRateIndex = sampleRateIndexOf(ui->sampleRateCombo->currentText().toInt());
    controls.bitratePosition = ui->bitrateSlider->value();
    controls.highpassOn = ui->highpassBox->isChecked();
    controls.highpassFrequency = ui->highpassFrequencySpin->value();
    controls.highpassWidth = ui->highpassWidthSpin->value();
    controls.lowpassOn = ui->lowpassBox->isChecked();
    controls.lowpassFrequency = ui->lowpassFrequencySpin->value();
    controls.lowpassWidth = ui->lowpassWidthSpin->value();
    controls.vbrModeItem = ui->vbrModeCombo->currentIndex();
    controls.maxVbrPosition = ui->maxVbrSlider->value();
    controls.vbrHeader = ui->vbrHeaderBox->isChecked();
    controls.enforceMinBitrate = ui->enforceMinBitrateBox->isChecked();
    controls.vbrQuality = ui->vbrQualitySpin->value();
    controls.abrBitrate = ui->abrBitrateSpin->value();
    controls.crc = ui->crcBox->isChecked();
    controls.strictIso = ui->strictIsoBox->isChecked();
    controls.differentBlockTypes = ui->differentBlockTypesBox->isChecked();
    controls.shortBlocks = ui->shortBlocksBox->isChecked();
    controls.bitReservoir = ui->bitReservoirBox->isChecked();
    controls.athItem = ui->athModeCombo->currentIndex();
    controls.deEmphasisItem = ui->deEmphasisCombo->currentIndex();
    controls.presetOn = ui->presetBox->isChecked();
    controls.presetItem = presets_->checkedId();
    controls.altPresetOn = ui->altPresetBox->isChecked();
    controls.altPresetItem = altPresets_->checkedId();
    controls.commandLine = ui->commandLineEdit->toPlainText();
    return controls;
}

void Mp3OptionsDialog::setControls(const Mp3Controls& controls) {
    ui->pages->setCurrentIndex(static_cast<int>(controls.page));
    showControls(controls);
}

void Mp3OptionsDialog::showControls(const Mp3Controls& controls) {
    ui->channelModeCombo->setCurrentIndex(controls.channelItem);
    ui->qualitySlider->setValue(controls.quality);
    ui->sampleRateCombo->setCurrentIndex(controls.sampleRateIndex);
    ui->bitrateSlider->setValue(controls.bitratePosition);
    ui->highpassBox->setChecked(controls.highpassOn);
    ui->highpassFrequencySpin->setValue(controls.highpassFrequency);
    ui->highpassWidthSpin->setValue(controls.highpassWidth);
    ui->lowpassBox->setChecked(controls.lowpassOn);
    ui->lowpassFrequencySpin->setValue(controls.lowpassFrequency);
    ui->lowpassWidthSpin->setValue(controls.lowpassWidth);
    ui->vbrModeCombo->setCurrentIndex(controls.vbrModeItem);
    ui->maxVbrSlider->setValue(controls.maxVbrPosition);
    ui->vbrHeaderBox->setChecked(controls.vbrHeader);
    ui->enforceMinBitrateBox->setChecked(controls.enforceMinBitrate);
    ui->vbrQualitySpin->setValue(controls.vbrQuality);
    ui->abrBitrateSpin->setValue(controls.abrBitrate);
    ui->crcBox->setChecked(controls.crc);
    ui->strictIsoBox->setChecked(controls.strictIso);
    ui->differentBlockTypesBox->setChecked(controls.differentBlockTypes);
    ui->shortBlocksBox->setChecked(controls.shortBlocks);
    ui->bitReservoirBox->setChecked(controls.bitReservoir);
    ui->athModeCombo->setCurrentIndex(controls.athItem);
    ui->deEmphasisCombo->setCurrentIndex(controls.deEmphasisItem);
    ui->presetBox->setChecked(controls.presetOn);
    presets_->button(controls.presetItem)->setChecked(true);
    ui->altPresetBox->setChecked(controls.altPresetOn);
    altPresets_->button(controls.altPresetItem)->setChecked(true);
    ui->commandLineEdit->setPlainText(controls.commandLine);
    // The label follows the encoder's own maximum, which may lie between two track bar positions.
    showMaxVbrBitrate();
    showEnabling();
}

void Mp3OptionsDialog::loadSettings() {
    Mp3Controls controls = this->controls();
    loadMp3Controls(*components_.mp3Encoder, controls);
    showControls(controls);
    ui->maxVbrBitrateLabel->setText(mp3MaxBitrateLabel(components_.mp3Encoder->setting(Mp3Setting::MaxVbrBitrate)));
}

void Mp3OptionsDialog::applySettings() {
    Mp3Controls controls = this->controls();
    if (writeMp3Controls(*components_.mp3Encoder, controls))
        loadSettings();
    handMp3SettingsToWriter(*components_.mp3Encoder, *components_.writer);
}

void Mp3OptionsDialog::applyClicked() {
    applySettings();
    emit formatStringChanged(components_.writer->formatString());
}

void Mp3OptionsDialog::okClicked() {
    applyClicked();
    accept();
}

void Mp3OptionsDialog::showMaxVbrBitrate() {
    ui->maxVbrBitrateLabel->setText(mp3MaxBitrateLabel(mp3BitrateAt(ui->maxVbrSlider->value())));
}

void Mp3OptionsDialog::highpassClicked() {
    showEnabling();
}

void Mp3OptionsDialog::lowpassClicked() {
    showEnabling();
}

void Mp3OptionsDialog::vbrModeChosen() {
    showEnabling();
}

void Mp3OptionsDialog::presetClicked() {
    showEnabling();
}

void Mp3OptionsDialog::altPresetClicked() {
    showEnabling();
}

void Mp3OptionsDialog::showEnabling() {
    const Mp3Enabling enabling = mp3EnablingOf(controls());
    for (QWidget* control :
         {static_cast<QWidget*>(ui->highpassFrequencySpin), static_cast<QWidget*>(ui->highpassWidthSpin),
          static_cast<QWidget*>(ui->highpassWidthLabel)})
        control->setEnabled(enabling.highpass);
    for (QWidget* control : {static_cast<QWidget*>(ui->lowpassFrequencySpin),
                             static_cast<QWidget*>(ui->lowpassWidthSpin), static_cast<QWidget*>(ui->lowpassWidthLabel)})
        control->setEnabled(enabling.lowpass);
    ui->vbrQualitySpin->setEnabled(enabling.vbrQuality);
    ui->vbrQualityLabel->setEnabled(enabling.vbrQuality);
    ui->abrBitrateSpin->setEnabled(enabling.abrBitrate);
    ui->abrBitrateLabel->setEnabled(enabling.abrBitrate);
    for (QWidget* control : {static_cast<QWidget*>(ui->maxVbrGroup), static_cast<QWidget*>(ui->advancedVbrGroup),
                             static_cast<QWidget*>(ui->maxVbrBitrateLabel), static_cast<QWidget*>(ui->maxVbrSlider),
                             static_cast<QWidget*>(ui->vbrHeaderBox), static_cast<QWidget*>(ui->enforceMinBitrateBox)})
        control->setEnabled(enabling.vbrGroups);
    ui->presetBox->setEnabled(enabling.presetBox);
    ui->presetGroup->setEnabled(enabling.presetList);
    ui->altPresetBox->setEnabled(enabling.altPresetBox);
    ui->altPresetGroup->setEnabled(enabling.altPresetList);
}
