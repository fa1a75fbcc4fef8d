#pragma once

#include "PlayQueue.h"
#include "PlaybackOutput.h"
#include "core/components/IAudioPlayer2.h"

#include <QElapsedTimer>
#include <QTimer>
#include <memory>

// Plays queued blocks through the default audio device (QAudioSink), or against a silent real-time clock when there
// is no device, the device fails, or TONALITH_AUDIO=silent is set. Everything, the events included, happens on the
// thread that owns the player (the UI thread): a 20 ms timer feeds the device and reports progress.
//
// Starting is two steps: openOutput() prepares a fresh run for the current format, play() sets the clock going.
// Blocks are then queued; an empty block marks the end. Events:
// - onEndArrayPlay once for every queued block when its last frame has been heard;
// - onRequestOnLoadArray when fewer than two blocks are waiting and no end is marked, once until a block arrives;
// - onTimer about every 50 ms with the frames heard since openOutput() and the peak levels of that stretch;
// - onEndPlay once, when everything queued before the end mark has been heard (after a last onTimer).
// stop() ends a run silently, dropping whatever is queued.
class AudioPlayerComponent : public IAudioPlayer2 {
public:
    AudioPlayerComponent();
    ~AudioPlayerComponent() override;

    void setEvents(AudioPlayerEvents events) override;
    void setFormat(int sampleRate, int channels) override;
    // `requested` counts frames (samples per channel): 4000 frames of stereo sound are 8000 values.
    int blockLength(int requested) override;
    void openOutput() override;
    int play() override; // 1 when playing through a device, 0 when against the silent clock
    void stop() override;
    void queueBlock(SampleBlock&& block) override;
    int volume() override;
    void setVolume(int volume) override;

    // The silent clock runs `factor` times real time (tests); TONALITH_AUDIO_SPEED sets the same from outside.
    void setClockSpeed(double factor);
    // Never try the audio device (what TONALITH_AUDIO=silent does).
    void setSilentOnly(bool silentOnly) { silentOnly_ = silentOnly; }
    [[nodiscard]] bool playsThroughDevice() const;

private:
    void tick();
    void useSilentClock(const QString& reason);
    [[nodiscard]] float gain() const { return static_cast<float>(volume_) / 65535.0f; }

    AudioPlayerEvents events_;
    int sampleRate_ = 44100;
    int channels_ = 2;
    int volume_ = 65535;
    double clockSpeed_ = 1.0;
    bool silentOnly_ = false;
    bool reportedFallback_ = false;
    bool requestPending_ = false;
    // Changes whenever a run is started or stopped, so a tick notices that an event handler did either.
    quint64 run_ = 0;
    PlayQueue queue_;
    std::unique_ptr<PlaybackOutput> output_;
    QTimer ticker_;
    QElapsedTimer sinceTimerEvent_;
};
