#include "AudioWriter.h"

#include "components/ComponentError.h"

struct AudioWriter::Impl {};

AudioWriter::AudioWriter() = default;
AudioWriter::~AudioWriter() = default;

void AudioWriter::create(const QString&) {
    throwNotImplemented("AudioWriter::create");
}
void AudioWriter::write(const SampleBlock&) {
    throwNotImplemented("AudioWriter::write");
}
void AudioWriter::close() {}
bool AudioWriter::isOpen() const {
    return false;
}
void AudioWriter::describeInput(int, int) {
    throwNotImplemented("AudioWriter::describeInput");
}
QString AudioWriter::formatString() const {
    throwNotImplemented("AudioWriter::formatString");
}
void AudioWriter::setFormatFromSampleWav(const QString&) {
    throwNotImplemented("AudioWriter::setFormatFromSampleWav");
}
void AudioWriter::setPcmWav(int, int, int) {
    throwNotImplemented("AudioWriter::setPcmWav");
}
void AudioWriter::setRaw(int, int, int, int) {
    throwNotImplemented("AudioWriter::setRaw");
}
void AudioWriter::setAdpcmWav(int, int) {
    throwNotImplemented("AudioWriter::setAdpcmWav");
}
void AudioWriter::setGsmWav(int) {
    throwNotImplemented("AudioWriter::setGsmWav");
}
void AudioWriter::setVox(int) {
    throwNotImplemented("AudioWriter::setVox");
}
void AudioWriter::setDspWav() {
    throwNotImplemented("AudioWriter::setDspWav");
}
void AudioWriter::setMp2(int, int, int) {
    throwNotImplemented("AudioWriter::setMp2");
}
void AudioWriter::setMp3(int, int, int) {
    throwNotImplemented("AudioWriter::setMp3");
}
void AudioWriter::useMp3EncoderSettings(const IAudioFile2LameEnc&) {
    throwNotImplemented("AudioWriter::useMp3EncoderSettings");
}
void AudioWriter::setOggVorbis(int, int, int, int, int, int) {
    throwNotImplemented("AudioWriter::setOggVorbis");
}
void AudioWriter::setWmaProfile(int) {
    throwNotImplemented("AudioWriter::setWmaProfile");
}
void AudioWriter::setG721(int) {
    throwNotImplemented("AudioWriter::setG721");
}
void AudioWriter::setG723(int, int) {
    throwNotImplemented("AudioWriter::setG723");
}
void AudioWriter::setG726(int, int) {
    throwNotImplemented("AudioWriter::setG726");
}
int AudioWriter::testOggSetting(int, int, int, int, int) const {
    throwNotImplemented("AudioWriter::testOggSetting");
}
int AudioWriter::wmaProfileCount() const {
    throwNotImplemented("AudioWriter::wmaProfileCount");
}
void AudioWriter::setDescriptionDetail(int) {
    throwNotImplemented("AudioWriter::setDescriptionDetail");
}
