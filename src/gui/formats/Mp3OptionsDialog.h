#pragma once

#include "core/formats/Mp3Controls.h"

#include <QDialog>
#include <memory>

struct ComponentSet;
class Prompts;
class QButtonGroup;

namespace Ui {
class Mp3OptionsDialog;
}

// "Set MP3 Format": the settings of the MP3 encoder settings object on six pages. The controls are the authority:
// every MP3 output starts by applying them.
class Mp3OptionsDialog : public QDialog {
    Q_OBJECT
public:
    Mp3OptionsDialog(ComponentSet& components, Prompts& prompts, QWidget* parent = nullptr);
    ~Mp3OptionsDialog() override;

    [[nodiscard]] Ui::Mp3OptionsDialog& form() { return *ui; }
    [[nodiscard]] Mp3Controls controls() const;
    // Shows the controls as they were taken from the dialog; the encoder gets them at the next apply.
    void setControls(const Mp3Controls& controls);
    [[nodiscard]] QButtonGroup& presetButtons() { return *presets_; }
    [[nodiscard]] QButtonGroup& altPresetButtons() { return *altPresets_; }

    // Writes the controls into the encoder settings and hands them to the writer; called before every MP3 output.
    void applySettings();
    // Reads the encoder settings into the controls.
    void loadSettings();

signals:
    // The writer's description of the format just set, for the MP3 string of the options pane.
    void formatStringChanged(const QString& text);

public slots:
    void showMaxVbrBitrate();
    void highpassClicked();
    void lowpassClicked();
    void vbrModeChosen();
    void presetClicked();
    void altPresetClicked();
    void applyClicked(); // "Apply"
    void okClicked();    // "Ok"

private:
    void showStartingValues();
    void fillLists();
    void showControls(const Mp3Controls& controls);
    void showEnabling();

    std::unique_ptr<Ui::Mp3OptionsDialog> ui;
    ComponentSet& components_;
    Prompts& prompts_;
    QButtonGroup* presets_ = nullptr;
    QButtonGroup* altPresets_ = nullptr;
};
