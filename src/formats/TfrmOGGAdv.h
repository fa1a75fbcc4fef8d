#pragma once

#include "OggVorbisChoice.h"

#include <QDialog>
#include <memory>

struct ComponentSet;
class Prompts;
class QSlider;

namespace Ui {
class TfrmOGGAdv;
}

// "Set OGG Format": rate, channels and one of three ways of sizing the Ogg Vorbis output (nominal bit rate,
// variable bit rate with minimum and maximum, or a quality value).
class TfrmOGGAdv : public QDialog {
    Q_OBJECT
public:
    TfrmOGGAdv(ComponentSet& components, Prompts& prompts, QWidget* parent = nullptr);
    ~TfrmOGGAdv() override;

    [[nodiscard]] Ui::TfrmOGGAdv& form() { return *ui; }
    [[nodiscard]] OggVorbisControls controls() const;

    // Sets Ogg Vorbis output on the writer; called before every Ogg Vorbis output. A setting the component refuses
    // raises ComponentError("Incorrect format") and leaves the writer as it was.
    void ApplySettings();
    // The bit rate a track bar stands for.
    [[nodiscard]] static int BitrateOfSlider(const QSlider& slider);

signals:
    // The writer's description of the format just set, for the Ogg Vorbis string of the options pane.
    void formatStringChanged(const QString& text);

public slots:
    void sldrBitrateChange(QSlider* slider);
    void VbrEnabledClick();
    void QualityEnabledClick();
    void Button1Click(); // "Apply"
    void Button3Click(); // "Ok"

private:
    void FormCreate();
    void applyFromButton();
    void showEnabling();

    std::unique_ptr<Ui::TfrmOGGAdv> ui;
    ComponentSet& components_;
    Prompts& prompts_;
    OggVorbisEnabling enabling_;
};
