#pragma once

#include "components/SampleBlock.h"

#include <QString>
#include <memory>

class IAudioFile2LameEnc;

// Writes the current output format: each set* call replaces it; create/write/close make one file.
class AudioWriter {
public:
    AudioWriter();
    ~AudioWriter();
    AudioWriter(const AudioWriter&) = delete;
    AudioWriter& operator=(const AudioWriter&) = delete;

    // Raises ComponentError whose code() is a LastError value.
    void create(const QString& fileName);
    void write(const SampleBlock& block);
    // Finishes the open output (flushes encoders, writes trailers and final sizes); nothing when none is open.
    void close();
    [[nodiscard]] bool isOpen() const;
    void describeInput(int sampleRate, int channels);

    [[nodiscard]] QString formatString() const;

    void setFormatFromSampleWav(const QString& fileName);
    void setPcmWav(int sampleRate, int channels, int bits);
    void setRaw(int sampleType, int sampleRate, int channels, int bits);
    void setAdpcmWav(int sampleRate, int channels);
    void setGsmWav(int sampleRate);
    void setVox(int sampleRate);
    void setDspWav();
    void setMp2(int sampleRate, int kbps, int channels);
    void setMp3(int sampleRate, int kbps, int channels);
    void useMp3EncoderSettings(const IAudioFile2LameEnc& settings);
    void setOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum, int quality);
    void setWmaProfile(int profile);
    void setG721(int sampleRate);
    void setG723(int sampleRate, int bits);
    void setG726(int sampleRate, int bits);

    [[nodiscard]] int testOggSetting(int sampleRate, int channels, int nominal, int minimum, int maximum) const;
    [[nodiscard]] int wmaProfileCount() const;
    void setDescriptionDetail(int value);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
