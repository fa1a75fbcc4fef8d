#include "AudioFile2Component.h"

#include "ComponentError.h"

template <typename Step> void AudioFile2Component::tracked(Step&& step) {
    try {
        step();
        lastError_ = LastError::Success;
    } catch (const ComponentError& error) {
        lastError_ = error.code() != 0 ? error.code() : LastError::UnknownFormat;
        throw;
    }
}

void AudioFile2Component::openForReading(const QString& fileName, int, int) {
    close();
    tracked([&] { reader_.open(fileName); });
}

void AudioFile2Component::openProbedForReading(const ProbedSource& probed) {
    close();
    tracked([&] { reader_.open(probed); });
}

void AudioFile2Component::openSoundTrackForReading(const QString& fileName, int soundTrack,
                                                   const ProbedSource* probed) {
    close();
    tracked([&] { reader_.openSoundTrack(fileName, soundTrack, probed); });
}

SoundTracks AudioFile2Component::soundTracks() {
    return reader_.soundTracks();
}

ProbedSource AudioFile2Component::probedSource() {
    return reader_.probedSource();
}

void AudioFile2Component::close() {
    reader_.close();
    writer_.close();
}

int AudioFile2Component::damagedStretches() {
    return reader_.damagedStretches();
}

void AudioFile2Component::setChannelLimit(int most) {
    reader_.setChannelLimit(most);
}

quint64 AudioFile2Component::channelMask() {
    return reader_.channelMask();
}

void AudioFile2Component::describeInputLayout(quint64 mask) {
    writer_.describeInputLayout(mask);
}

void AudioFile2Component::setOutputChannels(int channels) {
    writer_.setOutputChannels(channels);
}

bool AudioFile2Component::takesEveryInputChannel() {
    return writer_.takesEveryInputChannel();
}

SampleBlock AudioFile2Component::readBlock(int valueCount) {
    return reader_.read(valueCount);
}
qint64 AudioFile2Component::seek(qint64 samplePosition, int) {
    return reader_.seek(samplePosition);
}
qint64 AudioFile2Component::lengthInSamples() {
    return reader_.lengthInSamples();
}
int AudioFile2Component::sampleRate() {
    return reader_.sampleRate();
}
int AudioFile2Component::channelCount() {
    return reader_.channelCount();
}
qint64 AudioFile2Component::durationMs() {
    return reader_.durationMs();
}

QString AudioFile2Component::formatString() {
    return reader_.isOpen() ? reader_.description() : writer_.formatString();
}

int AudioFile2Component::bitsPerSample() {
    return reader_.bitsPerSample();
}

int AudioFile2Component::lastError() {
    return lastError_;
}

void AudioFile2Component::createOutput(const QString& fileName, int) {
    close();
    tracked([&] { writer_.create(fileName); });
}

void AudioFile2Component::writeBlock(const SampleBlock& block) {
    writer_.write(block);
}
void AudioFile2Component::describeInput(int sampleRate, int channels) {
    writer_.describeInput(sampleRate, channels);
}

int AudioFile2Component::outputChannelCount(int inputChannels) {
    return writer_.outputChannelCount(inputChannels);
}
void AudioFile2Component::describeSource(int bits, qint64 frames) {
    writer_.describeSource(bits, frames);
}
void AudioFile2Component::setFlac(int level) {
    writer_.setFlac(level);
}
void AudioFile2Component::setAlac() {
    writer_.setAlac();
}
void AudioFile2Component::setAac(int sampleRate, int channels, int kbps) {
    writer_.setAac(sampleRate, channels, kbps);
}
void AudioFile2Component::setOpus(int channels, int kbps, bool speech) {
    writer_.setOpus(channels, kbps, speech);
}
void AudioFile2Component::setFormatFromSampleWav(const QString& fileName) {
    writer_.setFormatFromSampleWav(fileName);
}
void AudioFile2Component::setPcmWav(int sampleRate, int channels, int bits) {
    writer_.setPcmWav(sampleRate, channels, bits);
}
void AudioFile2Component::setRaw(int sampleType, int sampleRate, int channels, int bits) {
    writer_.setRaw(sampleType, sampleRate, channels, bits);
}
void AudioFile2Component::setAdpcmWav(int sampleRate, int channels) {
    writer_.setAdpcmWav(sampleRate, channels);
}
void AudioFile2Component::setGsmWav(int sampleRate) {
    writer_.setGsmWav(sampleRate);
}
void AudioFile2Component::setVox(int sampleRate) {
    writer_.setVox(sampleRate);
}
void AudioFile2Component::setDspWav() {
    writer_.setDspWav();
}
void AudioFile2Component::setMp2(int sampleRate, int kbps, int channels) {
    writer_.setMp2(sampleRate, kbps, channels);
}
void AudioFile2Component::setMp3(int sampleRate, int kbps, int channels) {
    writer_.setMp3(sampleRate, kbps, channels);
}
void AudioFile2Component::useMp3EncoderSettings(const IAudioFile2LameEnc& settings) {
    writer_.useMp3EncoderSettings(settings);
}
void AudioFile2Component::setOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum,
                                       int quality) {
    writer_.setOggVorbis(sampleRate, channels, nominal, minimum, maximum, quality);
}
void AudioFile2Component::setWmaProfile(int profile) {
    writer_.setWmaProfile(profile);
}
void AudioFile2Component::setG721(int sampleRate) {
    writer_.setG721(sampleRate);
}
void AudioFile2Component::setG723(int sampleRate, int bits) {
    writer_.setG723(sampleRate, bits);
}
void AudioFile2Component::setG726(int sampleRate, int bits) {
    writer_.setG726(sampleRate, bits);
}
int AudioFile2Component::testOggSetting(int sampleRate, int channels, int nominal, int minimum, int maximum) {
    return writer_.testOggSetting(sampleRate, channels, nominal, minimum, maximum);
}
int AudioFile2Component::wmaProfileCount() {
    return writer_.wmaProfileCount();
}
void AudioFile2Component::setDescriptionDetail(int value) {
    writer_.setDescriptionDetail(value);
}
void AudioFile2Component::setDecoderThreads(int value) {
    reader_.setDecoderThreads(value);
}
