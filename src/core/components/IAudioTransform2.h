#pragma once

#include "SampleBlock.h"

// Channel arithmetic and volume change on sample blocks.
class IAudioTransform2 {
public:
    virtual ~IAudioTransform2() = default;

    [[nodiscard]] virtual SampleBlock leftChannel(const SampleBlock& stereo) = 0;
    [[nodiscard]] virtual SampleBlock rightChannel(const SampleBlock& stereo) = 0;
    [[nodiscard]] virtual SampleBlock joinChannels(const SampleBlock& left, const SampleBlock& right) = 0;
    [[nodiscard]] virtual SampleBlock monoToStereo(const SampleBlock& mono) = 0;
    // Scales every value of a block in place; 100 leaves it unchanged. Results are clipped to [-1, 1].
    virtual void changeVolume(SampleBlock& block, float percent) = 0;
    virtual void setSampleRate(int sampleRate) = 0;
    // Set to -1 before and 0 after the channel operations of each block.
    virtual void setChannelSwitch(int value) = 0;
    [[nodiscard]] virtual int channelSwitch() const = 0;
};
