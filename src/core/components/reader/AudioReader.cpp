#include "AudioReader.h"

#include "BlockAssembler.h"
#include "SourceDecoder.h"
#include "SourceOpener.h"
#include "core/components/ComponentError.h"
#include "core/ports/Messages.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>

struct AudioReader::Impl {
    std::unique_ptr<SourceDecoder> decoder;
    BlockAssembler blocks;
    int decoderThreads = 0;
    int channelLimit = 2;
    ProbedSource probed;

    void open(const QString& fileName, const ProbedSource* earlier, std::optional<int> soundTrack = std::nullopt);
};

AudioReader::AudioReader() : impl_(std::make_unique<Impl>()) {}
AudioReader::~AudioReader() = default;

void AudioReader::Impl::open(const QString& fileName, const ProbedSource* earlier, std::optional<int> soundTrack) {
    // The limit is a wish for this source alone: whoever opens the next one states their own.
    const int allowed = std::exchange(channelLimit, 2);
    checkReadableFile(fileName);
    ProbedSource found = ProbedSource::stampOf(fileName);
    std::unique_ptr<SourceDecoder> opened = openSourceDecoder(fileName, decoderThreads, earlier, soundTrack);
    if (allowed != 2)
        opened->allowChannels(allowed);
    // Converting a file without a single sample would make an output that holds nothing any reader accepts.
    if (opened->lengthInFrames() == 0)
        throw ComponentError(Messages::FileHoldsNoSound().arg(QFileInfo(fileName).fileName()), LastError::CorruptData);
    found.lengthFrames = opened->lengthInFrames();
    opened->recordProbe(found);
    decoder = std::move(opened);
    probed = std::move(found);
}

void AudioReader::open(const QString& fileName) {
    close();
    impl_->open(fileName, nullptr);
}

void AudioReader::open(const ProbedSource& probed) {
    close();
    impl_->open(probed.fileName, &probed);
}

void AudioReader::openSoundTrack(const QString& fileName, int soundTrack, const ProbedSource* probed) {
    close();
    impl_->open(fileName, probed && probed->fileName == fileName ? probed : nullptr, soundTrack);
}

SoundTracks AudioReader::soundTracks() const {
    return impl_->decoder ? impl_->decoder->soundTracks() : SoundTracks();
}

void AudioReader::close() {
    impl_->decoder.reset();
    impl_->blocks.reset();
    impl_->probed = ProbedSource();
}

const ProbedSource& AudioReader::probedSource() const {
    return impl_->probed;
}

bool AudioReader::isOpen() const {
    return impl_->decoder != nullptr;
}

SampleBlock AudioReader::read(int valueCount) {
    if (!impl_->decoder)
        return {};
    return impl_->blocks.read(*impl_->decoder, valueCount);
}

qint64 AudioReader::seek(qint64 samplePosition) {
    if (!impl_->decoder)
        return 0;
    impl_->blocks.reset();
    return impl_->decoder->seekFrame(samplePosition);
}

qint64 AudioReader::lengthInSamples() const {
    return impl_->decoder ? impl_->decoder->lengthInFrames() : 0;
}
int AudioReader::sampleRate() const {
    return impl_->decoder ? impl_->decoder->sampleRate() : 0;
}
void AudioReader::setChannelLimit(int most) {
    impl_->channelLimit = std::max(most, 2);
}

quint64 AudioReader::channelMask() const {
    return impl_->decoder ? impl_->decoder->channelMask() : 0;
}

int AudioReader::channelCount() const {
    return impl_->decoder ? impl_->decoder->channelCount() : 0;
}
qint64 AudioReader::durationMs() const {
    // Rounded up, so that a file holding any sound at all never reports 0 ms.
    const int rate = sampleRate();
    return rate > 0 ? (lengthInSamples() * 1000 + rate - 1) / rate : 0;
}
QString AudioReader::description() const {
    return impl_->decoder ? impl_->decoder->description() : QString();
}
int AudioReader::bitsPerSample() const {
    return impl_->decoder ? impl_->decoder->bitsPerSample() : 0;
}
int AudioReader::damagedStretches() const {
    return impl_->decoder ? impl_->decoder->damagedStretches() : 0;
}
void AudioReader::setDecoderThreads(int threads) {
    impl_->decoderThreads = std::max(0, threads);
}
