#include "AudioTransformComponent.h"

#include <algorithm>

namespace {

// One channel of an interleaved stereo block; a trailing odd value (half a frame) belongs to the left channel.
SampleBlock channelOf(const SampleBlock& stereo, std::size_t channel) {
    std::vector<float> values;
    values.reserve(stereo.size() / 2 + 1);
    for (std::size_t i = channel; i < stereo.size(); i += 2)
        values.push_back(stereo[i]);
    return SampleBlock(std::move(values));
}

} // namespace

SampleBlock AudioTransformComponent::leftChannel(const SampleBlock& stereo) {
    return channelOf(stereo, 0);
}

SampleBlock AudioTransformComponent::rightChannel(const SampleBlock& stereo) {
    return channelOf(stereo, 1);
}

SampleBlock AudioTransformComponent::joinChannels(const SampleBlock& left, const SampleBlock& right) {
    const std::size_t frames = std::max(left.size(), right.size());
    std::vector<float> values(frames * 2, 0.0f);
    for (std::size_t i = 0; i < left.size(); ++i)
        values[2 * i] = left[i];
    for (std::size_t i = 0; i < right.size(); ++i)
        values[2 * i + 1] = right[i];
    return SampleBlock(std::move(values));
}

SampleBlock AudioTransformComponent::monoToStereo(const SampleBlock& mono) {
    return joinChannels(mono, mono);
}

void AudioTransformComponent::changeVolume(SampleBlock& block, float percent) {
    if (percent == 100.0f)
        return;
    const float factor = percent / 100.0f;
    for (float& value : block.values())
        value = std::clamp(value * factor, -1.0f, 1.0f);
}

void AudioTransformComponent::setSampleRate(int sampleRate) {
    sampleRate_ = sampleRate;
}

void AudioTransformComponent::setChannelSwitch(int value) {
    channelSwitch_ = value;
}

int AudioTransformComponent::channelSwitch() const {
    return channelSwitch_;
}
