#pragma once

#include "RecordingFake.h"
#include "core/components/IAudioPlayer2.h"

// A recording fake of IAudioPlayer2; see RecordingFake.
class FakeAudioPlayer2 : public IAudioPlayer2, public RecordingFake {
public:
    using RecordingFake::RecordingFake;

    void setEvents(AudioPlayerEvents events) override {
        record(QStringLiteral("setEvents"), {});
        events_ = std::move(events);
    }
    void setFormat(int sampleRate, int channels) override {
        record(QStringLiteral("setFormat"), {QString::number(sampleRate), QString::number(channels)});
    }
    int blockLength(int requested) override {
        record(QStringLiteral("blockLength"), {QString::number(requested)});
        return static_cast<int>(resultNumber(QStringLiteral("blockLength")));
    }
    void openOutput() override { record(QStringLiteral("openOutput"), {}); }
    int play() override {
        record(QStringLiteral("play"), {});
        return static_cast<int>(resultNumber(QStringLiteral("play")));
    }
    void stop() override { record(QStringLiteral("stop"), {}); }
    void queueBlock(SampleBlock&& block) override {
        record(QStringLiteral("queueBlock"), {QStringLiteral("block[%1]").arg(block.size())});
        queued_.push_back(std::move(block));
    }
    int volume() override {
        record(QStringLiteral("volume"), {});
        return static_cast<int>(resultNumber(QStringLiteral("volume")));
    }
    void setVolume(int volume) override { record(QStringLiteral("setVolume"), {QString::number(volume)}); }

    // The bound handlers, so a test can raise the player's events.
    [[nodiscard]] const AudioPlayerEvents& events() const { return events_; }
    [[nodiscard]] std::deque<SampleBlock>& queuedBlocks() { return queued_; }

private:
    AudioPlayerEvents events_;
    std::deque<SampleBlock> queued_;
};
