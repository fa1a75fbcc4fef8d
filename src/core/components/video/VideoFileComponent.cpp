#include "VideoFileComponent.h"

#include "core/components/ComponentError.h"
#include "core/components/reader/FfmpegDecoder.h"
#include "core/components/reader/SourceOpener.h"
#include "core/ports/Messages.h"

#include <QFileInfo>
#include <algorithm>

VideoFileComponent::VideoFileComponent() = default;
VideoFileComponent::~VideoFileComponent() = default;

void VideoFileComponent::open(const QString& fileName) {
    openTrack(fileName, std::nullopt);
}

void VideoFileComponent::openSoundTrack(const QString& fileName, int soundTrack) {
    openTrack(fileName, soundTrack);
}

void VideoFileComponent::openTrack(const QString& fileName, std::optional<int> soundTrack) {
    close();
    checkReadableFile(fileName);
    if (QFileInfo(fileName).size() == 0)
        throw ComponentError(Messages::FileIsEmpty().arg(QFileInfo(fileName).fileName()), LastError::CorruptData);
    FfmpegInput input{fileName, demuxerByContent(fileName), {}, 0};
    input.soundTrack = soundTrack;
    decoder_ = std::make_unique<FfmpegDecoder>(std::move(input));
}

SoundTracks VideoFileComponent::soundTracks() {
    return decoder_ ? decoder_->soundTracks() : SoundTracks();
}

void VideoFileComponent::close() {
    decoder_.reset();
    blocks_.reset();
}

SampleBlock VideoFileComponent::readBlock(int valueCount) {
    if (!decoder_)
        return {};
    return blocks_.read(*decoder_, valueCount);
}

int VideoFileComponent::channelCount() {
    return decoder_ ? decoder_->channelCount() : 0;
}

int VideoFileComponent::sampleRate() {
    return decoder_ ? decoder_->sampleRate() : 0;
}

qint64 VideoFileComponent::readPosition() {
    return decoder_ ? decoder_->position() : 0;
}

// The container's length may be an estimate; it never falls below what has been read.
qint64 VideoFileComponent::totalLength() {
    return decoder_ ? std::max(decoder_->lengthInFrames(), decoder_->position()) : 0;
}

qint64 VideoFileComponent::durationMs() {
    const int rate = sampleRate();
    return rate > 0 ? (totalLength() * 1000 + rate - 1) / rate : 0;
}

QString VideoFileComponent::formatDescription() {
    return decoder_ ? decoder_->description() : QString();
}
