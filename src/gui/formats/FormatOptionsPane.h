#pragma once

#include "OptionDialogs.h"
#include "core/formats/WriterPreparation.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

struct ComponentSet;
class Prompts;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class Mp3OptionsDialog;
class OggVorbisOptionsDialog;
class WavOptionsDialog;

namespace Ui {
class FormatOptionsPane;
}

// The options pane beside the list: the common formats' strings and dialogs, the other formats' rate, channels and
// code sizes with their strings, the WMA profile, the FLAC level, AAC and Opus bit rates and Opus's tuning, the
// Channels lists of FLAC, ALAC, AAC and Opus, and the volume change. Every string is the writer's own
// description of a format; nothing here reads what an edit holds.
class FormatOptionsPane : public QWidget {
    Q_OBJECT
public:
    FormatOptionsPane(ComponentSet& components, Prompts& prompts, QWidget* parent = nullptr);
    ~FormatOptionsPane() override;

    [[nodiscard]] Ui::FormatOptionsPane& form() { return *ui; }

    // Fills the profile list and the format strings from the writer; a step the writer refuses is reported and the
    // others go on.
    void fillFromWriter();
    // The three option dialogs: the "Set" buttons open them, their strings show here, and the conversion applies
    // them through formatDialogs().
    void attachDialogs(WavOptionsDialog& wav, Mp3OptionsDialog& mp3, OggVorbisOptionsDialog& ogg);
    // The apply operations of the attached dialogs; raises ComponentError before attachDialogs().
    [[nodiscard]] OptionDialogs& formatDialogs();

    [[nodiscard]] PanelValues panelValues() const;
    // The volume change in percent; nothing for "No Change".
    [[nodiscard]] std::optional<int> volumeChange() const;
    // Shows the values as if the user had chosen them, the format strings and the writer's WMA profile with them.
    // A rate or channel count the panel does not offer shows as 44100 Hz or stereo, a WMA profile past the list
    // leaves the list as it is.
    void setPanelValues(const PanelValues& values);
    void setVolumeChange(std::optional<int> percent);
    [[nodiscard]] int wmaProfileCount() const;

public slots:
    void showOtherFormatStrings();
    void sampleRateChosen(int item);
    void channelsChosen(int item);
    void g723BitsChosen();
    void g726BitsChosen();
    void wmaProfileChosen();
    void modernFormatChosen();
    void channelChoiceChosen(const QComboBox& list);
    void openWavDialog();
    void openMp3Dialog();
    void openOggDialog();
    void noVolumeChangeToggled();
    void volumeChangeToggled();

private:
    void connectControls();
    void keepToolTipsWithFormatStrings();
    static void showFormatString(QLineEdit& edit, const QString& text);
    void nameControls();
    void showModernFormatValues();
    [[nodiscard]] QLineEdit& otherFormatEdit(OutputFormat format) const;
    // FLAC's, ALAC's, AAC's and Opus's Channels lists.
    [[nodiscard]] std::array<QComboBox*, 4> channelChoiceLists() const;

    std::unique_ptr<Ui::FormatOptionsPane> ui;
    ComponentSet& components_;
    Prompts& prompts_;
    PanelValues values_;
    QButtonGroup* frequencies_ = nullptr;
    QButtonGroup* channels_ = nullptr;
    WavOptionsDialog* wav_ = nullptr;
    Mp3OptionsDialog* mp3_ = nullptr;
    OggVorbisOptionsDialog* ogg_ = nullptr;
    std::unique_ptr<OptionDialogs> dialogs_;
};
