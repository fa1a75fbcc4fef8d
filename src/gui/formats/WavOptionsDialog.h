#pragma once

#include "core/formats/PcmWavChoice.h"

#include <QDialog>
#include <memory>

struct ComponentSet;
class Prompts;

namespace Ui {
class WavOptionsDialog;
}

// "Set WAV Format": the rate, channels and sample size of the PCM WAV output, or the format of a sample file.
class WavOptionsDialog : public QDialog {
    Q_OBJECT
public:
    WavOptionsDialog(ComponentSet& components, Prompts& prompts, QWidget* parent = nullptr);
    ~WavOptionsDialog() override;

    [[nodiscard]] Ui::WavOptionsDialog& form() { return *ui; }
    [[nodiscard]] PcmWavChoice choice() const;
    // Shows the choice in the three lists; a value a list does not offer leaves that list as it is.
    void setChoice(const PcmWavChoice& choice);

    // Sets PCM WAV output on the writer from the three lists; called before every PCM output.
    void applyFormat();

signals:
    // The writer's description of the format just set, for the PCM string of the options pane.
    void formatStringChanged(const QString& text);

public slots:
    void applyClicked();     // "Apply"
    void okClicked();        // "Ok"
    void cancelClicked();    // "Cancel"
    void chooseSampleFile(); // "Set Format As Sample File"

private:
    void showStartingValues();
    void applyAndDescribe();

    std::unique_ptr<Ui::WavOptionsDialog> ui;
    ComponentSet& components_;
    Prompts& prompts_;
};
