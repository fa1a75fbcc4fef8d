#pragma once

#include "core/formats/OggVorbisChoice.h"

#include <QDialog>
#include <memory>

struct ComponentSet;
class Prompts;
class QSlider;

namespace Ui {
class OggVorbisOptionsDialog;
}

// "Set OGG Format": rate, channels and one of three ways of sizing the Ogg Vorbis output (nominal bit rate,
// variable bit rate with minimum and maximum, or a quality value).
class OggVorbisOptionsDialog : public QDialog {
    Q_OBJECT
public:
    OggVorbisOptionsDialog(ComponentSet& components, Prompts& prompts, QWidget* parent = nullptr);
    ~OggVorbisOptionsDialog() override;

    [[nodiscard]] Ui::OggVorbisOptionsDialog& form() { return *ui; }
    [[nodiscard]] OggVorbisControls controls() const;
    // Shows the controls, enabled as after the user's clicks that lead to them.
    void setControls(const OggVorbisControls& controls);

    // Sets Ogg Vorbis output on the writer; called before every Ogg Vorbis output. A setting the component refuses
    // raises ComponentError("Incorrect format") and leaves the writer as it was.
    void applySettings();
    // The bit rate a track bar stands for.
    [[nodiscard]] static int bitrateOfSlider(const QSlider& slider);

signals:
    // The writer's description of the format just set, for the Ogg Vorbis string of the options pane.
    void formatStringChanged(const QString& text);

public slots:
    void showBitrateOf(QSlider* slider);
    void vbrClicked();
    void qualityClicked();
    void applyClicked(); // "Apply"
    void okClicked();    // "Ok"

private:
    void showStartingValues();
    void reserveRoomForBitrateTexts();
    void applyFromButton();
    void showEnabling();

    std::unique_ptr<Ui::OggVorbisOptionsDialog> ui;
    ComponentSet& components_;
    Prompts& prompts_;
    OggVorbisEnabling enabling_;
};
