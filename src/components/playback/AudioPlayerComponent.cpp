#include "AudioPlayerComponent.h"

#include "components/ComponentError.h"

void AudioPlayerComponent::setEvents(AudioPlayerEvents) {
    throwNotImplemented("AudioPlayerComponent::setEvents");
}

void AudioPlayerComponent::setFormat(int, int) {
    throwNotImplemented("AudioPlayerComponent::setFormat");
}

int AudioPlayerComponent::blockLength(int) {
    throwNotImplemented("AudioPlayerComponent::blockLength");
}

void AudioPlayerComponent::openOutput() {
    throwNotImplemented("AudioPlayerComponent::openOutput");
}

int AudioPlayerComponent::play() {
    throwNotImplemented("AudioPlayerComponent::play");
}

void AudioPlayerComponent::stop() {
    throwNotImplemented("AudioPlayerComponent::stop");
}

void AudioPlayerComponent::queueBlock(SampleBlock&&) {
    throwNotImplemented("AudioPlayerComponent::queueBlock");
}

int AudioPlayerComponent::volume() {
    throwNotImplemented("AudioPlayerComponent::volume");
}

void AudioPlayerComponent::setVolume(int) {
    throwNotImplemented("AudioPlayerComponent::setVolume");
}
