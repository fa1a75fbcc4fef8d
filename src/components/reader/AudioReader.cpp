#include "AudioReader.h"

#include "components/ComponentError.h"

struct AudioReader::Impl {};

AudioReader::AudioReader() = default;
AudioReader::~AudioReader() = default;

void AudioReader::open(const QString&) {
    throwNotImplemented("AudioReader::open");
}
void AudioReader::close() {}
bool AudioReader::isOpen() const {
    return false;
}
SampleBlock AudioReader::read(int) {
    return {};
}
qint64 AudioReader::seek(qint64) {
    return 0;
}
qint64 AudioReader::lengthInSamples() const {
    return 0;
}
int AudioReader::sampleRate() const {
    return 0;
}
int AudioReader::channelCount() const {
    return 0;
}
qint64 AudioReader::durationMs() const {
    return 0;
}
QString AudioReader::description() const {
    return {};
}
void AudioReader::setDecoderThreads(int) {}
