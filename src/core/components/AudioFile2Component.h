#pragma once

#include "IAudioFile2.h"
#include "core/components/reader/AudioReader.h"
#include "core/components/writer/AudioWriter.h"

// The audio-file component: a reader and a writer behind one interface, as the program uses them.
// Meaning of the two start-up settings:
// - setDescriptionDetail: -1 makes format strings name everything the writer will really produce
//   (codec, bit rate or mode, rate, channels); 0 gives the codec name alone.
// - setDecoderThreads: the number of threads FFmpeg may use to decode a source (0 = FFmpeg's choice).
class AudioFile2Component : public IAudioFile2 {
public:
    void openForReading(const QString& fileName, int mode, int flags) override;
    void openProbedForReading(const ProbedSource& probed) override;
    ProbedSource probedSource() override;
    void openSoundTrackForReading(const QString& fileName, int soundTrack, const ProbedSource* probed) override;
    SoundTracks soundTracks() override;
    void close() override;
    SampleBlock readBlock(int valueCount) override;
    qint64 seek(qint64 samplePosition, int mode) override;
    qint64 lengthInSamples() override;
    int sampleRate() override;
    int channelCount() override;
    qint64 durationMs() override;
    QString formatString() override;
    int bitsPerSample() override;
    int lastError() override;
    int damagedStretches() override;
    void setChannelLimit(int most) override;
    [[nodiscard]] quint64 channelMask() override;

    void createOutput(const QString& fileName, int mode) override;
    void writeBlock(const SampleBlock& block) override;
    void describeInput(int sampleRate, int channels) override;
    [[nodiscard]] int outputChannelCount(int inputChannels) override;
    void describeSource(int bits, qint64 frames) override;
    void describeInputLayout(quint64 mask) override;
    void setOutputChannels(int channels) override;
    [[nodiscard]] bool takesEveryInputChannel() override;
    void setFormatFromSampleWav(const QString& fileName) override;
    void setPcmWav(int sampleRate, int channels, int bits) override;
    void setRaw(int sampleType, int sampleRate, int channels, int bits) override;
    void setAdpcmWav(int sampleRate, int channels) override;
    void setGsmWav(int sampleRate) override;
    void setVox(int sampleRate) override;
    void setDspWav() override;
    void setMp2(int sampleRate, int kbps, int channels) override;
    void setMp3(int sampleRate, int kbps, int channels) override;
    void useMp3EncoderSettings(const IAudioFile2LameEnc& settings) override;
    void setOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum, int quality) override;
    void setWmaProfile(int profile) override;
    void setG721(int sampleRate) override;
    void setG723(int sampleRate, int bits) override;
    void setG726(int sampleRate, int bits) override;
    void setFlac(int level) override;
    void setAlac() override;
    void setAac(int sampleRate, int channels, int kbps) override;
    void setOpus(int channels, int kbps, bool speech) override;
    int testOggSetting(int sampleRate, int channels, int nominal, int minimum, int maximum) override;
    int wmaProfileCount() override;
    void setDescriptionDetail(int value) override;
    void setDecoderThreads(int value) override;

private:
    // Runs an open or create step, recording its outcome as the last error before passing any failure on.
    template <typename Step> void tracked(Step&& step);

    AudioReader reader_;
    AudioWriter writer_;
    int lastError_ = 0;
};
