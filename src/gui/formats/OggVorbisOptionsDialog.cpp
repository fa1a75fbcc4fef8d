#include "OggVorbisOptionsDialog.h"

#include "DialogFrame.h"
#include "core/components/ComponentSet.h"
#include "ui_OggVorbisOptionsDialog.h"

namespace {

const QSize kClientSize(375, 243);

} // namespace

OggVorbisOptionsDialog::OggVorbisOptionsDialog(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::OggVorbisOptionsDialog>()), components_(components), prompts_(prompts) {
    ui->setupUi(this);
    nameControlsAfterTheirLabels(*this);
    frameOptionsDialog(*this, kClientSize);
    FormCreate();
    for (QSlider* slider : {ui->sldrBitrate, ui->sldrMinBitrate, ui->sldrMaxBitrate})
        connect(slider, &QSlider::valueChanged, this, [this, slider] { sldrBitrateChange(slider); });
    connectDialogAction(prompts_, ui->VbrEnabled, &QCheckBox::clicked, this, &OggVorbisOptionsDialog::VbrEnabledClick);
    connectDialogAction(prompts_, ui->QualityEnabled, &QCheckBox::clicked, this,
                        &OggVorbisOptionsDialog::QualityEnabledClick);
    connectDialogAction(prompts_, ui->Button1, &QPushButton::clicked, this, &OggVorbisOptionsDialog::Button1Click);
    connectDialogAction(prompts_, ui->Button3, &QPushButton::clicked, this, &OggVorbisOptionsDialog::Button3Click);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

OggVorbisOptionsDialog::~OggVorbisOptionsDialog() = default;

void OggVorbisOptionsDialog::FormCreate() {
    ui->cmbFrequency->addItems(sampleRateItems());
    ui->cmbChMode->addItems({QStringLiteral("Mono"), QStringLiteral("Stereo")});
    const OggVorbisControls start;
    ui->cmbFrequency->setCurrentIndex(start.sampleRateIndex);
    ui->cmbChMode->setCurrentIndex(start.channelIndex);
    sldrBitrateChange(ui->sldrBitrate);
    sldrBitrateChange(ui->sldrMinBitrate);
    sldrBitrateChange(ui->sldrMaxBitrate);
    showEnabling();
}

int OggVorbisOptionsDialog::BitrateOfSlider(const QSlider& slider) {
    return oggBitrateAt(slider.value());
}

void OggVorbisOptionsDialog::sldrBitrateChange(QSlider* slider) {
    const int kbps = BitrateOfSlider(*slider);
    if (slider == ui->sldrBitrate)
        ui->lblBitrate->setText(oggNominalLabel(kbps));
    else if (slider == ui->sldrMinBitrate)
        ui->lblMinBitrate->setText(oggMinimumLabel(kbps));
    else if (slider == ui->sldrMaxBitrate)
        ui->lblMaxBitrate->setText(oggMaximumLabel(kbps));
}

OggVorbisControls OggVorbisOptionsDialog::controls() const {
    OggVorbisControls controls;
    controls.sampleRateIndex = sampleRateIndexOf(ui->cmbFrequency->currentText().toInt());
    controls.channelIndex = ui->cmbChMode->currentIndex();
    controls.nominalPosition = ui->sldrBitrate->value();
    controls.minimumPosition = ui->sldrMinBitrate->value();
    controls.maximumPosition = ui->sldrMaxBitrate->value();
    controls.vbrEnabled = ui->VbrEnabled->isChecked();
    controls.qualityEnabled = ui->QualityEnabled->isChecked();
    controls.quality = ui->tbQuality->value();
    return controls;
}

void OggVorbisOptionsDialog::ApplySettings() {
    applyOggVorbisSetting(*components_.writer, oggVorbisSettingOf(controls()));
}

// A refused setting is told in a plain box; the string of the options pane then keeps the format it showed, since
// the writer's format did not change to an Ogg Vorbis one.
void OggVorbisOptionsDialog::applyFromButton() {
    try {
        ApplySettings();
    } catch (const ComponentError& error) {
        if (error.message() != kIncorrectOggFormat)
            throw;
        prompts_.message(QString(), kIncorrectOggFormat, Prompts::Icon::None);
        return;
    }
    emit formatStringChanged(components_.writer->formatString());
}

void OggVorbisOptionsDialog::Button1Click() {
    applyFromButton();
}

void OggVorbisOptionsDialog::Button3Click() {
    applyFromButton();
    accept();
}

void OggVorbisOptionsDialog::VbrEnabledClick() {
    enabling_ = afterVbrClick(enabling_, ui->VbrEnabled->isChecked(), ui->QualityEnabled->isChecked());
    showEnabling();
}

void OggVorbisOptionsDialog::QualityEnabledClick() {
    enabling_ = afterQualityClick(enabling_, ui->VbrEnabled->isChecked(), ui->QualityEnabled->isChecked());
    showEnabling();
}

void OggVorbisOptionsDialog::showEnabling() {
    ui->gbVbr->setEnabled(enabling_.vbrGroup);
    ui->gbQuality->setEnabled(enabling_.qualityGroup);
    ui->Label1->setEnabled(enabling_.qualityEndLabels);
    ui->Label2->setEnabled(enabling_.qualityEndLabels);
    ui->QualityEnabled->setEnabled(enabling_.qualityBox);
    ui->VbrEnabled->setEnabled(enabling_.vbrBox);
    for (QWidget* control : {static_cast<QWidget*>(ui->sldrMinBitrate), static_cast<QWidget*>(ui->sldrMaxBitrate),
                             static_cast<QWidget*>(ui->lblMinBitrate), static_cast<QWidget*>(ui->lblMaxBitrate)})
        control->setEnabled(enabling_.minMaxBitrates);
    ui->sldrBitrate->setEnabled(enabling_.nominalBitrate);
    ui->lblBitrate->setEnabled(enabling_.nominalBitrate);
}
