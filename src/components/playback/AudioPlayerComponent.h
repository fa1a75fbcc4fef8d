#pragma once

#include "components/IAudioPlayer2.h"

// Plays queued blocks through QAudioSink, or against a silent real-time clock when no device exists.
class AudioPlayerComponent : public IAudioPlayer2 {
public:
    void setEvents(AudioPlayerEvents events) override;
    void setFormat(int sampleRate, int channels) override;
    int blockLength(int requested) override;
    void openOutput() override;
    int play() override;
    void stop() override;
    void queueBlock(SampleBlock&& block) override;
    int volume() override;
    void setVolume(int volume) override;
};
