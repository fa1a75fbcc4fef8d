#pragma once

#include "RecordingFake.h"
#include "core/components/IAudioFile2.h"
#include "core/components/IAudioFile2LameEnc.h"

// A recording fake of IAudioFile2; see RecordingFake.
class FakeAudioFile2 : public IAudioFile2, public RecordingFake {
public:
    using RecordingFake::RecordingFake;

    void openForReading(const QString& fileName, int mode, int flags) override {
        record(QStringLiteral("openForReading"), {fileName, QString::number(mode), QString::number(flags)});
    }
    void close() override { record(QStringLiteral("close"), {}); }
    SampleBlock readBlock(int valueCount) override {
        record(QStringLiteral("readBlock"), {QString::number(valueCount)});
        return nextBlock();
    }
    qint64 seek(qint64 samplePosition, int mode) override {
        record(QStringLiteral("seek"), {QString::number(samplePosition), QString::number(mode)});
        return static_cast<qint64>(resultNumber(QStringLiteral("seek")));
    }
    qint64 lengthInSamples() override {
        record(QStringLiteral("lengthInSamples"), {});
        return static_cast<qint64>(resultNumber(QStringLiteral("lengthInSamples")));
    }
    int sampleRate() override {
        record(QStringLiteral("sampleRate"), {});
        return static_cast<int>(resultNumber(QStringLiteral("sampleRate")));
    }
    int channelCount() override {
        record(QStringLiteral("channelCount"), {});
        return static_cast<int>(resultNumber(QStringLiteral("channelCount")));
    }
    qint64 durationMs() override {
        record(QStringLiteral("durationMs"), {});
        return static_cast<qint64>(resultNumber(QStringLiteral("durationMs")));
    }
    QString formatString() override {
        record(QStringLiteral("formatString"), {});
        return resultText(QStringLiteral("formatString"));
    }
    int bitsPerSample() override {
        record(QStringLiteral("bitsPerSample"), {});
        return static_cast<int>(resultNumber(QStringLiteral("bitsPerSample")));
    }
    int lastError() override {
        record(QStringLiteral("lastError"), {});
        return static_cast<int>(resultNumber(QStringLiteral("lastError")));
    }
    void createOutput(const QString& fileName, int mode) override {
        record(QStringLiteral("createOutput"), {fileName, QString::number(mode)});
    }
    void writeBlock(const SampleBlock& block) override {
        record(QStringLiteral("writeBlock"), {QStringLiteral("block[%1]").arg(block.size())});
    }
    void describeInput(int sampleRate, int channels) override {
        record(QStringLiteral("describeInput"), {QString::number(sampleRate), QString::number(channels)});
    }
    void describeSource(int bits, qint64 frames) override {
        record(QStringLiteral("describeSource"), {QString::number(bits), QString::number(frames)});
    }
    void setFormatFromSampleWav(const QString& fileName) override {
        record(QStringLiteral("setFormatFromSampleWav"), {fileName});
    }
    void setPcmWav(int sampleRate, int channels, int bits) override {
        record(QStringLiteral("setPcmWav"),
               {QString::number(sampleRate), QString::number(channels), QString::number(bits)});
    }
    void setRaw(int sampleType, int sampleRate, int channels, int bits) override {
        record(QStringLiteral("setRaw"), {QString::number(sampleType), QString::number(sampleRate),
                                          QString::number(channels), QString::number(bits)});
    }
    void setAdpcmWav(int sampleRate, int channels) override {
        record(QStringLiteral("setAdpcmWav"), {QString::number(sampleRate), QString::number(channels)});
    }
    void setGsmWav(int sampleRate) override { record(QStringLiteral("setGsmWav"), {QString::number(sampleRate)}); }
    void setVox(int sampleRate) override { record(QStringLiteral("setVox"), {QString::number(sampleRate)}); }
    void setDspWav() override { record(QStringLiteral("setDspWav"), {}); }
    void setMp2(int sampleRate, int kbps, int channels) override {
        record(QStringLiteral("setMp2"),
               {QString::number(sampleRate), QString::number(kbps), QString::number(channels)});
    }
    void setMp3(int sampleRate, int kbps, int channels) override {
        record(QStringLiteral("setMp3"),
               {QString::number(sampleRate), QString::number(kbps), QString::number(channels)});
    }
    void useMp3EncoderSettings(const IAudioFile2LameEnc&) override {
        record(QStringLiteral("useMp3EncoderSettings"), {QStringLiteral("LameEnc")});
    }
    void setOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum, int quality) override {
        record(QStringLiteral("setOggVorbis"),
               {QString::number(sampleRate), QString::number(channels), QString::number(nominal),
                QString::number(minimum), QString::number(maximum), QString::number(quality)});
    }
    void setWmaProfile(int profile) override { record(QStringLiteral("setWmaProfile"), {QString::number(profile)}); }
    void setG721(int sampleRate) override { record(QStringLiteral("setG721"), {QString::number(sampleRate)}); }
    void setG723(int sampleRate, int bits) override {
        record(QStringLiteral("setG723"), {QString::number(sampleRate), QString::number(bits)});
    }
    void setG726(int sampleRate, int bits) override {
        record(QStringLiteral("setG726"), {QString::number(sampleRate), QString::number(bits)});
    }
    void setFlac(int level) override { record(QStringLiteral("setFlac"), {QString::number(level)}); }
    void setAlac() override { record(QStringLiteral("setAlac"), {}); }
    void setAac(int sampleRate, int channels, int kbps) override {
        record(QStringLiteral("setAac"),
               {QString::number(sampleRate), QString::number(channels), QString::number(kbps)});
    }
    void setOpus(int channels, int kbps, bool speech) override {
        record(QStringLiteral("setOpus"), {QString::number(channels), QString::number(kbps),
                                           speech ? QStringLiteral("speech") : QStringLiteral("music")});
    }
    int testOggSetting(int sampleRate, int channels, int nominal, int minimum, int maximum) override {
        record(QStringLiteral("testOggSetting"),
               {QString::number(sampleRate), QString::number(channels), QString::number(nominal),
                QString::number(minimum), QString::number(maximum)});
        return static_cast<int>(resultNumber(QStringLiteral("testOggSetting")));
    }
    int wmaProfileCount() override {
        record(QStringLiteral("wmaProfileCount"), {});
        return static_cast<int>(resultNumber(QStringLiteral("wmaProfileCount")));
    }
    void setDescriptionDetail(int value) override {
        record(QStringLiteral("setDescriptionDetail"), {QString::number(value)});
    }
    void setDecoderThreads(int value) override {
        record(QStringLiteral("setDecoderThreads"), {QString::number(value)});
    }
};
