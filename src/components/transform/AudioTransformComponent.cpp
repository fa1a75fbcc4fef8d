#include "AudioTransformComponent.h"

#include "components/ComponentError.h"

SampleBlock AudioTransformComponent::leftChannel(const SampleBlock&) {
    throwNotImplemented("AudioTransformComponent::leftChannel");
}

SampleBlock AudioTransformComponent::rightChannel(const SampleBlock&) {
    throwNotImplemented("AudioTransformComponent::rightChannel");
}

SampleBlock AudioTransformComponent::joinChannels(const SampleBlock&, const SampleBlock&) {
    throwNotImplemented("AudioTransformComponent::joinChannels");
}

SampleBlock AudioTransformComponent::monoToStereo(const SampleBlock&) {
    throwNotImplemented("AudioTransformComponent::monoToStereo");
}

void AudioTransformComponent::changeVolume(SampleBlock&, float) {
    throwNotImplemented("AudioTransformComponent::changeVolume");
}

void AudioTransformComponent::setSampleRate(int) {
    throwNotImplemented("AudioTransformComponent::setSampleRate");
}

void AudioTransformComponent::setChannelSwitch(int) {
    throwNotImplemented("AudioTransformComponent::setChannelSwitch");
}

int AudioTransformComponent::channelSwitch() const {
    throwNotImplemented("AudioTransformComponent::channelSwitch");
}
