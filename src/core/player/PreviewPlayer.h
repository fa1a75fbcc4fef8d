#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

struct ComponentSet;
class Prompts;

// What the player needs of the conversion list: the rows, which one is selected, and each row's file and kind.
class PreviewRows {
public:
    virtual ~PreviewRows() = default;
    [[nodiscard]] virtual int rowCount() const = 0;
    [[nodiscard]] virtual int selectedRow() const = 0; // -1: none
    virtual void selectRow(int row) = 0;
    [[nodiscard]] virtual QString fullName(int row) const = 0;
    [[nodiscard]] virtual bool isAudio(int row) const = 0;
};

// The position slider, 0..100.
class PreviewPosition {
public:
    virtual ~PreviewPosition() = default;
    [[nodiscard]] virtual int position() const = 0;
    virtual void setPosition(int percent) = 0;
};

// Plays the selected list row for preview. The file is read block by block through the writer instance writer
// and queued on player, which keeps about two blocks waiting and reports its progress through events.
// A component error in any operation leaves the player stopped (player halted, file closed) and is raised on, so
// the caller's error report shows it.
class PreviewPlayer {
public:
    PreviewPlayer(ComponentSet& components, PreviewRows& rows, PreviewPosition& slider, Prompts& prompts);

    // Binds the four player events to onBlockPlayed, onMoreDataWanted, onPlayEnded and onTimer through `dispatch`,
    // which runs each handler (the place for the application's error report).
    void bindEvents(const std::function<void(const std::function<void()>&)>& dispatch);

    // Commands of the player group and the list.
    void play();
    // The Stop button: with no row selected it does nothing.
    void stop();
    // Stops whatever plays, whatever the selection. A batch and the format options need the writer instance the
    // preview reads through, so they call this.
    void stopPreview();
    void previous();
    void next();
    void sliderPressed();
    void sliderReleased();
    [[nodiscard]] int volume();
    void setVolume(int volume);

    // Events of the player component.
    void onBlockPlayed();
    void onMoreDataWanted();
    void onPlayEnded();
    void onTimer(qint64 samplesPlayed);

    [[nodiscard]] bool isPlaying() const { return playing_; }
    [[nodiscard]] bool isDragging() const { return dragging_; }
    [[nodiscard]] qint64 seekOffset() const { return seekOffset_; }
    [[nodiscard]] int blockLength() const { return blockLength_; }

private:
    void startRun();
    void loadPlayBuffer();
    void playSelected();
    template <typename Step> void stoppingOnError(Step&& step);
    void forceStopped();

    ComponentSet& components_;
    PreviewRows& rows_;
    PreviewPosition& slider_;
    Prompts& prompts_;
    bool playing_ = false;
    bool dragging_ = false;
    qint64 seekOffset_ = 0;
    int blockLength_ = 0;
};

// The sample at `percent` of `length`, without overflow for any length.
[[nodiscard]] qint64 sampleAtPercent(qint64 length, int percent);
