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
    ui->udHFiltF->setAccessibleName(ui->chHFilt->text());
    ui->udLFiltF->setAccessibleName(ui->chLFilt->text());
    frameOptionsDialog(*this, kClientSize);
    FormCreate();

    connect(ui->Slider3, &QSlider::valueChanged, this, &Mp3OptionsDialog::Slider3Change);
    connect(ui->chHFilt, &QCheckBox::clicked, this, &Mp3OptionsDialog::chHFiltClick);
    connect(ui->chLFilt, &QCheckBox::clicked, this, &Mp3OptionsDialog::chLFiltClick);
    connect(ui->Combo1, &QComboBox::activated, this, &Mp3OptionsDialog::Combo1Click);
    connect(ui->CheckBox1, &QCheckBox::clicked, this, &Mp3OptionsDialog::CheckBox1Click);
    connect(ui->CheckBox2, &QCheckBox::clicked, this, &Mp3OptionsDialog::CheckBox2Click);
    connectDialogAction(prompts_, ui->Button1, &QPushButton::clicked, this, &Mp3OptionsDialog::Button1Click);
    connectDialogAction(prompts_, ui->Button3, &QPushButton::clicked, this, &Mp3OptionsDialog::Button3Click);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

Mp3OptionsDialog::~Mp3OptionsDialog() = default;

void Mp3OptionsDialog::fillLists() {
    ui->Combo3->addItems(mp3ChannelItems());
    ui->ComboBox1->addItems(sampleRateItems());
    ui->Combo1->addItems(mp3VbrModeItems());
    ui->Combo2->addItems(mp3AthItems());
    ui->Combo4->addItems(mp3DeEmphasisItems());
    presets_ = makeRadioGroup(*ui->RadioGroup1, *ui->presetGrid, mp3PresetItems(), kPresetColumns);
    altPresets_ = makeRadioGroup(*ui->RadioGroup2, *ui->altPresetGrid, mp3AltPresetItems(), kAltPresetColumns);
}

// The form's starting values, then whatever the encoder holds.
void Mp3OptionsDialog::FormCreate() {
    showControls(Mp3Controls{});
    LoadSettings();
}

Mp3Controls Mp3OptionsDialog::controls() const {
    Mp3Controls controls;
    controls.page = static_cast<Mp3Page>(ui->PageControl1->currentIndex());
    controls.channelItem = ui->Combo3->currentIndex();
    controls.quality = ui->Slider2->value();
    controls.sampleRateIndex = sampleRateIndexOf(ui->ComboBox1->currentText().toInt());
    controls.bitratePosition = ui->Slider1->value();
    controls.highpassOn = ui->chHFilt->isChecked();
    controls.highpassFrequency = ui->udHFiltF->value();
    controls.highpassWidth = ui->udHFiltW->value();
    controls.lowpassOn = ui->chLFilt->isChecked();
    controls.lowpassFrequency = ui->udLFiltF->value();
    controls.lowpassWidth = ui->udLFiltW->value();
    controls.vbrModeItem = ui->Combo1->currentIndex();
    controls.maxVbrPosition = ui->Slider3->value();
    controls.vbrHeader = ui->Check1->isChecked();
    controls.enforceMinBitrate = ui->Check2->isChecked();
    controls.vbrQuality = ui->udVbrQ->value();
    controls.abrBitrate = ui->udABR->value();
    controls.crc = ui->Check3->isChecked();
    controls.strictIso = ui->Check7->isChecked();
    controls.differentBlockTypes = ui->Check4->isChecked();
    controls.shortBlocks = ui->Check6->isChecked();
    controls.bitReservoir = ui->Check5->isChecked();
    controls.athItem = ui->Combo2->currentIndex();
    controls.deEmphasisItem = ui->Combo4->currentIndex();
    controls.presetOn = ui->CheckBox1->isChecked();
    controls.presetItem = presets_->checkedId();
    controls.altPresetOn = ui->CheckBox2->isChecked();
    controls.altPresetItem = altPresets_->checkedId();
    controls.commandLine = ui->txtCommLine->toPlainText();
    return controls;
}

void Mp3OptionsDialog::showControls(const Mp3Controls& controls) {
    ui->Combo3->setCurrentIndex(controls.channelItem);
    ui->Slider2->setValue(controls.quality);
    ui->ComboBox1->setCurrentIndex(controls.sampleRateIndex);
    ui->Slider1->setValue(controls.bitratePosition);
    ui->chHFilt->setChecked(controls.highpassOn);
    ui->udHFiltF->setValue(controls.highpassFrequency);
    ui->udHFiltW->setValue(controls.highpassWidth);
    ui->chLFilt->setChecked(controls.lowpassOn);
    ui->udLFiltF->setValue(controls.lowpassFrequency);
    ui->udLFiltW->setValue(controls.lowpassWidth);
    ui->Combo1->setCurrentIndex(controls.vbrModeItem);
    ui->Slider3->setValue(controls.maxVbrPosition);
    ui->Check1->setChecked(controls.vbrHeader);
    ui->Check2->setChecked(controls.enforceMinBitrate);
    ui->udVbrQ->setValue(controls.vbrQuality);
    ui->udABR->setValue(controls.abrBitrate);
    ui->Check3->setChecked(controls.crc);
    ui->Check7->setChecked(controls.strictIso);
    ui->Check4->setChecked(controls.differentBlockTypes);
    ui->Check6->setChecked(controls.shortBlocks);
    ui->Check5->setChecked(controls.bitReservoir);
    ui->Combo2->setCurrentIndex(controls.athItem);
    ui->Combo4->setCurrentIndex(controls.deEmphasisItem);
    ui->CheckBox1->setChecked(controls.presetOn);
    presets_->button(controls.presetItem)->setChecked(true);
    ui->CheckBox2->setChecked(controls.altPresetOn);
    altPresets_->button(controls.altPresetItem)->setChecked(true);
    ui->txtCommLine->setPlainText(controls.commandLine);
    // The label follows the encoder's own maximum, which may lie between two track bar positions.
    Slider3Change();
    showEnabling();
}

void Mp3OptionsDialog::LoadSettings() {
    Mp3Controls controls = this->controls();
    loadMp3Controls(*components_.mp3Encoder, controls);
    showControls(controls);
    ui->Label8->setText(mp3MaxBitrateLabel(components_.mp3Encoder->setting(Mp3Setting::MaxVbrBitrate)));
}

void Mp3OptionsDialog::ApplySettings() {
    Mp3Controls controls = this->controls();
    if (writeMp3Controls(*components_.mp3Encoder, controls))
        LoadSettings();
    handMp3SettingsToWriter(*components_.mp3Encoder, *components_.writer);
}

void Mp3OptionsDialog::Button1Click() {
    ApplySettings();
    emit formatStringChanged(components_.writer->formatString());
}

void Mp3OptionsDialog::Button3Click() {
    Button1Click();
    accept();
}

void Mp3OptionsDialog::Slider3Change() {
    ui->Label8->setText(mp3MaxBitrateLabel(mp3BitrateAt(ui->Slider3->value())));
}

void Mp3OptionsDialog::chHFiltClick() {
    showEnabling();
}

void Mp3OptionsDialog::chLFiltClick() {
    showEnabling();
}

void Mp3OptionsDialog::Combo1Click() {
    showEnabling();
}

void Mp3OptionsDialog::CheckBox1Click() {
    showEnabling();
}

void Mp3OptionsDialog::CheckBox2Click() {
    showEnabling();
}

void Mp3OptionsDialog::showEnabling() {
    const Mp3Enabling enabling = mp3EnablingOf(controls());
    for (QWidget* control :
         {static_cast<QWidget*>(ui->udHFiltF), static_cast<QWidget*>(ui->udHFiltW), static_cast<QWidget*>(ui->Label5)})
        control->setEnabled(enabling.highpass);
    for (QWidget* control :
         {static_cast<QWidget*>(ui->udLFiltF), static_cast<QWidget*>(ui->udLFiltW), static_cast<QWidget*>(ui->Label6)})
        control->setEnabled(enabling.lowpass);
    ui->udVbrQ->setEnabled(enabling.vbrQuality);
    ui->Label9->setEnabled(enabling.vbrQuality);
    ui->udABR->setEnabled(enabling.abrBitrate);
    ui->Label10->setEnabled(enabling.abrBitrate);
    for (QWidget* control :
         {static_cast<QWidget*>(ui->Frame6), static_cast<QWidget*>(ui->Frame3), static_cast<QWidget*>(ui->Label8),
          static_cast<QWidget*>(ui->Slider3), static_cast<QWidget*>(ui->Check1), static_cast<QWidget*>(ui->Check2)})
        control->setEnabled(enabling.vbrGroups);
    ui->CheckBox1->setEnabled(enabling.presetBox);
    ui->RadioGroup1->setEnabled(enabling.presetList);
    ui->CheckBox2->setEnabled(enabling.altPresetBox);
    ui->RadioGroup2->setEnabled(enabling.altPresetList);
}
