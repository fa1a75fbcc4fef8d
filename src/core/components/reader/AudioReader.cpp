#include "AudioReader.h"

#include "BlockAssembler.h"
#include "SourceDecoder.h"
#include "SourceOpener.h"
#include "core/components/ComponentError.h"

#include <QFileInfo>
#include <algorithm>

struct AudioReader::Impl {
    std::unique_ptr<SourceDecoder> decoder;
    BlockAssembler blocks;
    int decoderThreads = 0;
};

AudioReader::AudioReader() : impl_(std::make_unique<Impl>()) {}
AudioReader::~AudioReader() = default;

void AudioReader::open(const QString& fileName) {
    close();
    checkReadableFile(fileName);
    std::unique_ptr<SourceDecoder> decoder = openSourceDecoder(fileName, impl_->decoderThreads);
    // Converting a file without a single sample would make an output that holds nothing any reader accepts.
    if (decoder->lengthInFrames() == 0)
        throw ComponentError(QStringLiteral("The file \"%1\" holds no sound.").arg(QFileInfo(fileName).fileName()),
                             LastError::CorruptData);
    impl_->decoder = std::move(decoder);
}

void AudioReader::close() {
    impl_->decoder.reset();
    impl_->blocks.reset();
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
void AudioReader::setDecoderThreads(int threads) {
    impl_->decoderThreads = std::max(0, threads);
}
