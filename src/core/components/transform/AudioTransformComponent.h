#pragma once

#include "core/components/IAudioTransform2.h"

// Channel arithmetic and volume change on float sample blocks.
class AudioTransformComponent : public IAudioTransform2 {
public:
    SampleBlock leftChannel(const SampleBlock& stereo) override;
    SampleBlock rightChannel(const SampleBlock& stereo) override;
    // A shorter side is padded with silence, so no sample of the longer one is lost.
    SampleBlock joinChannels(const SampleBlock& left, const SampleBlock& right) override;
    SampleBlock monoToStereo(const SampleBlock& mono) override;
    void changeVolume(SampleBlock& block, float percent) override;
    void setSampleRate(int sampleRate) override;
    void setChannelSwitch(int value) override;
    int channelSwitch() const override;

    [[nodiscard]] int sampleRate() const { return sampleRate_; }

private:
    int sampleRate_ = 44100;
    int channelSwitch_ = 0;
};
