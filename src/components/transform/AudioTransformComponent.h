#pragma once

#include "components/IAudioTransform2.h"

// Channel arithmetic and volume change on float sample blocks.
class AudioTransformComponent : public IAudioTransform2 {
public:
    SampleBlock leftChannel(const SampleBlock& stereo) override;
    SampleBlock rightChannel(const SampleBlock& stereo) override;
    SampleBlock joinChannels(const SampleBlock& left, const SampleBlock& right) override;
    SampleBlock monoToStereo(const SampleBlock& mono) override;
    void changeVolume(SampleBlock& block, float percent) override;
    void setSampleRate(int sampleRate) override;
    void setChannelSwitch(int value) override;
    int channelSwitch() const override;
};
