#pragma once

#include "core/player/PreviewPlayer.h"

#include <QGroupBox>
#include <memory>

struct ComponentSet;
class Prompts;

namespace Ui {
class PlayerBar;
}

// The "Play" group: play, stop, back, forward, the position and the volume of the preview player. The group's
// widgets only forward to the preview player, which needs the list's rows before it can act (attachRows).
class PlayerBar : public QGroupBox, private PreviewPosition {
    Q_OBJECT
public:
    PlayerBar(ComponentSet& components, Prompts& prompts, QWidget* parent = nullptr);
    ~PlayerBar() override;

    // The rows the player plays from: the conversion list.
    void attachRows(PreviewRows& rows);
    // Routes the player's events to this group's handlers.
    void bindPlayerEvents();
    // Takes the player's volume and sets the reader's decoding up; a step refused is reported, the others go on.
    void setUpPlayer();
    // Stops the preview whatever the list's selection: for a batch and for the format options, which need the
    // writer instance the preview reads through.
    void stopPreview();

    [[nodiscard]] const PreviewPlayer& player() const { return *player_; }

public slots:
    void play();
    void stop();
    // Plays the row before or after the selected one, wrapping around at the ends.
    void playPrevious();
    void playNext();
    // A drag of the position slider: the position stops following the sound until it ends in a seek.
    void beginSeek();
    void endSeek();
    void applyVolume();
    // The player's clock: the samples played so far move the position slider.
    void showPlayedSamples(qint64 currentSamples);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    [[nodiscard]] int position() const override;
    void setPosition(int percent) override;

    std::unique_ptr<Ui::PlayerBar> ui;
    ComponentSet& components_;
    Prompts& prompts_;
    // The list's rows once attached; an empty list before.
    class AttachedRows : public PreviewRows {
    public:
        PreviewRows* target = nullptr;
        [[nodiscard]] int rowCount() const override { return target ? target->rowCount() : 0; }
        [[nodiscard]] int selectedRow() const override { return target ? target->selectedRow() : -1; }
        void selectRow(int row) override {
            if (target)
                target->selectRow(row);
        }
        [[nodiscard]] QString fullName(int row) const override { return target->fullName(row); }
        [[nodiscard]] bool isAudio(int row) const override { return target->isAudio(row); }
    };

    AttachedRows rows_;
    std::unique_ptr<PreviewPlayer> player_;
};
