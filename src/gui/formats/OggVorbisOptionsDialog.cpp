#include "OggVorbisOptionsDialog.h"

#include "DialogFrame.h"
#include "core/components/ComponentSet.h"
#include "core/formats/PanelValues.h"
#include "core/ports/Messages.h"
#include "ui_OggVorbisOptionsDialog.h"

#include <algorithm>
#include <tuple>

namespace {

const QSize kClientSize(375, 243);

} // namespace

OggVorbisOptionsDialog::OggVorbisOptionsDialog(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::OggVorbisOptionsDialog>()), components_(components), prompts_(prompts) {
    ui->setupUi(this);
    nameControlsAfterTheirLabels(*this);
    reserveRoomForBitrateTexts();
    // Sized before the starting values: the bit-rate labels keep room for every text they can show.
    frameOptionsDialog(*this, kClientSize);
    showStartingValues();
    for (QSlider* slider : {ui->nominalBitrateSlider, ui->minBitrateSlider, ui->maxBitrateSlider})
        connect(slider, &QSlider::valueChanged, this, [this, slider] { showBitrateOf(slider); });
    connectDialogAction(prompts_, ui->vbrBox, &QCheckBox::clicked, this, &OggVorbisOptionsDialog::vbrClicked);
    connectDialogAction(prompts_, ui->qualityBox, &QCheckBox::clicked, this, &OggVorbisOptionsDialog::qualityClicked);
    connectDialogAction(prompts_, ui->applyButton, &QPushButton::clicked, this, &OggVorbisOptionsDialog::applyClicked);
    connectDialogAction(prompts_, ui->okButton, &QPushButton::clicked, this, &OggVorbisOptionsDialog::okClicked);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

OggVorbisOptionsDialog::~OggVorbisOptionsDialog() = default;

// A bit-rate label's text follows its slider and the dialog does not resize: each label keeps room for the longest
// text its slider can give it.
void OggVorbisOptionsDialog::reserveRoomForBitrateTexts() {
    const std::tuple<QSlider*, QLabel*, QString (*)(int)> labels[] = {
        {ui->nominalBitrateSlider, ui->nominalBitrateLabel, oggNominalLabel},
        {ui->minBitrateSlider, ui->minBitrateLabel, oggMinimumLabel},
        {ui->maxBitrateSlider, ui->maxBitrateLabel, oggMaximumLabel}};
    for (const auto& [slider, label, text] : labels) {
        int widest = 0;
        for (int position = slider->minimum(); position <= slider->maximum(); ++position)
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(text(oggBitrateAt(position))));
        label->setMinimumWidth(widest);
    }
}

void OggVorbisOptionsDialog::showStartingValues() {
    ui->frequencyCombo->addItems(sampleRateItems());
    // "Keep" writes the source's own channels, up to 7.1, with the bit rates per stereo pair.
    ui->channelsCombo->addItems({Messages::Mono(), Messages::Stereo(), channelChoiceCaption(ChannelChoice::Keep)});
    const OggVorbisControls start;
    ui->frequencyCombo->setCurrentIndex(start.sampleRateIndex);
    ui->channelsCombo->setCurrentIndex(start.channelIndex);
    showBitrateOf(ui->nominalBitrateSlider);
    showBitrateOf(ui->minBitrateSlider);
    showBitrateOf(ui->maxBitrateSlider);
    showEnabling();
}

int OggVorbisOptionsDialog::bitrateOfSlider(const QSlider& slider) {
    return oggBitrateAt(slider.value());
}

void OggVorbisOptionsDialog::showBitrateOf(QSlider* slider) {
    const int kbps = bitrateOfSlider(*slider);
    if (slider == ui->nominalBitrateSlider)
        ui->nominalBitrateLabel->setText(oggNominalLabel(kbps));
    else if (slider == ui->minBitrateSlider)
        ui->minBitrateLabel->setText(oggMinimumLabel(kbps));
    else if (slider == ui->maxBitrateSlider)
        ui->maxBitrateLabel->setText(oggMaximumLabel(kbps));
}

OggVorbisControls OggVorbisOptionsDialog::controls() const {
    OggVorbisControls controls;
    controls.sampleRateIndex = sampleRateIndexOf(ui->frequencyCombo->currentText().toInt());
    controls.channelIndex = ui->channelsCombo->currentIndex();
    controls.nominalPosition = ui->nominalBitrateSlider->value();
    controls.minimumPosition = ui->minBitrateSlider->value();
    controls.maximumPosition = ui->maxBitrateSlider->value();
    controls.vbrEnabled = ui->vbrBox->isChecked();
    controls.qualityEnabled = ui->qualityBox->isChecked();
    controls.quality = ui->qualitySlider->value();
    return controls;
}

void OggVorbisOptionsDialog::setControls(const OggVorbisControls& controls) {
    ui->frequencyCombo->setCurrentIndex(controls.sampleRateIndex);
    ui->channelsCombo->setCurrentIndex(controls.channelIndex);
    ui->nominalBitrateSlider->setValue(controls.nominalPosition);
    ui->minBitrateSlider->setValue(controls.minimumPosition);
    ui->maxBitrateSlider->setValue(controls.maximumPosition);
    ui->vbrBox->setChecked(controls.vbrEnabled);
    ui->qualityBox->setChecked(controls.qualityEnabled);
    ui->qualitySlider->setValue(controls.quality);
    // Neither box on is the starting state; one box on is what clicking it from there gives.
    enabling_ = OggVorbisEnabling{};
    if (controls.vbrEnabled || controls.qualityEnabled) {
        enabling_ = enablingAfterVbrToggled(enabling_, controls.vbrEnabled, controls.qualityEnabled);
        enabling_ = enablingAfterQualityToggled(enabling_, controls.vbrEnabled, controls.qualityEnabled);
    }
    showEnabling();
}

void OggVorbisOptionsDialog::applySettings() {
    applyOggVorbisSetting(*components_.writer, oggVorbisSettingOf(controls()));
}

// A refused setting is told in a plain box; the string of the options pane then keeps the format it showed, since
// the writer's format did not change to an Ogg Vorbis one.
void OggVorbisOptionsDialog::applyFromButton() {
    try {
        applySettings();
    } catch (const ComponentError& error) {
        if (error.message() != incorrectOggFormatText())
            throw;
        prompts_.message(QString(), incorrectOggFormatText(), Prompts::Icon::None);
        return;
    }
    emit formatStringChanged(components_.writer->formatString());
}

void OggVorbisOptionsDialog::applyClicked() {
    applyFromButton();
}

void OggVorbisOptionsDialog::okClicked() {
    applyFromButton();
    accept();
}

void OggVorbisOptionsDialog::vbrClicked() {
    enabling_ = enablingAfterVbrToggled(enabling_, ui->vbrBox->isChecked(), ui->qualityBox->isChecked());
    showEnabling();
}

void OggVorbisOptionsDialog::qualityClicked() {
    enabling_ = enablingAfterQualityToggled(enabling_, ui->vbrBox->isChecked(), ui->qualityBox->isChecked());
    showEnabling();
}

void OggVorbisOptionsDialog::showEnabling() {
    ui->vbrGroup->setEnabled(enabling_.vbrGroup);
    ui->qualityGroup->setEnabled(enabling_.qualityGroup);
    ui->qualityBetterLabel->setEnabled(enabling_.qualityEndLabels);
    ui->qualityFasterLabel->setEnabled(enabling_.qualityEndLabels);
    ui->qualityBox->setEnabled(enabling_.qualityBox);
    ui->vbrBox->setEnabled(enabling_.vbrBox);
    for (QWidget* control : {static_cast<QWidget*>(ui->minBitrateSlider), static_cast<QWidget*>(ui->maxBitrateSlider),
                             static_cast<QWidget*>(ui->minBitrateLabel), static_cast<QWidget*>(ui->maxBitrateLabel)})
        control->setEnabled(enabling_.minMaxBitrates);
    ui->nominalBitrateSlider->setEnabled(enabling_.nominalBitrate);
    ui->nominalBitrateLabel->setEnabled(enabling_.nominalBitrate);
}
