#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

class PlayQueue;
class QAudioSink;
class QIODevice;

// Where queued sound goes. Polled from the player's timer on the UI thread: each call feeds what the output can take
// and says up to which frame the sound has been heard.
class PlaybackOutput {
public:
    virtual ~PlaybackOutput() = default;
    [[nodiscard]] virtual qint64 advance(PlayQueue& queue) = 0;
    // Linear gain applied to what is heard, 0..1.
    virtual void setGain(float gain) = 0;
    // Non-empty when the output has broken down and playing must go on without it.
    [[nodiscard]] virtual QString failure() const = 0;
};

// Plays to nowhere at real-time pace (times a speed factor), so that the whole event sequence of playing happens
// without a sound device. Time spent waiting for data is not made up later.
class SilentClock : public PlaybackOutput {
public:
    SilentClock(int sampleRate, double speed);
    qint64 advance(PlayQueue& queue) override;
    void setGain(float) override {}
    [[nodiscard]] QString failure() const override { return {}; }

private:
    double framesPerMs_;
    double carry_ = 0.0;
    QElapsedTimer clock_;
};

// Plays through the default audio device with QAudioSink in push mode.
class AudioDeviceOutput : public PlaybackOutput {
public:
    // Null with a reason in `whyNot` when there is no device, the format is refused or the device does not start.
    static std::unique_ptr<AudioDeviceOutput> open(int sampleRate, int channels, QString& whyNot);
    ~AudioDeviceOutput() override;

    qint64 advance(PlayQueue& queue) override;
    void setGain(float gain) override { gain_ = gain; }
    [[nodiscard]] QString failure() const override { return failure_; }

private:
    AudioDeviceOutput(std::unique_ptr<QAudioSink> sink, QIODevice* device, int channels, bool floatSamples);
    void feed(PlayQueue& queue);
    [[nodiscard]] qint64 heardFrames(const PlayQueue& queue) const;

    std::unique_ptr<QAudioSink> sink_;
    QIODevice* device_;
    int channels_;
    bool floatSamples_;
    int bytesPerFrame_;
    float gain_ = 1.0f;
    QByteArray unsent_;
    std::vector<float> scratch_;
    qint64 lastHeard_ = 0;
    QElapsedTimer sinceProgress_;
    QString failure_;
};
