#include "VideoFileComponent.h"

#include "components/ComponentError.h"

void VideoFileComponent::open(const QString&) {
    throwNotImplemented("VideoFileComponent::open");
}

void VideoFileComponent::close() {
    throwNotImplemented("VideoFileComponent::close");
}

SampleBlock VideoFileComponent::readBlock(int) {
    throwNotImplemented("VideoFileComponent::readBlock");
}

int VideoFileComponent::channelCount() {
    throwNotImplemented("VideoFileComponent::channelCount");
}

int VideoFileComponent::sampleRate() {
    throwNotImplemented("VideoFileComponent::sampleRate");
}

qint64 VideoFileComponent::readPosition() {
    throwNotImplemented("VideoFileComponent::readPosition");
}

qint64 VideoFileComponent::totalLength() {
    throwNotImplemented("VideoFileComponent::totalLength");
}

qint64 VideoFileComponent::durationMs() {
    throwNotImplemented("VideoFileComponent::durationMs");
}

QString VideoFileComponent::formatDescription() {
    throwNotImplemented("VideoFileComponent::formatDescription");
}
