#pragma once

#include "core/components/SampleBlock.h"

#include <QString>
#include <memory>

class IAudioFile2LameEnc;

// Writes the current output format: each set* call replaces it; create/write/close make one file.
//
// Every format operation moves a value the codec cannot take (sample rate, bit rate, code size, channel count)
// to the nearest one it can, so formatString() always states what create() will really write. Blocks may arrive
// at another rate or channel count (describeInput); they are converted with libswresample.
//
// setDescriptionDetail: -1 (or any value but 0) makes formatString() the full line — codec, bit rate or mode,
// sample rate, channels, e.g. "MPEG-1 Layer III, 128 kbit/s CBR, 44100 Hz, Joint Stereo"; 0 gives only the
// codec name ("MPEG-1 Layer III").
class AudioWriter {
public:
    AudioWriter();
    ~AudioWriter();
    AudioWriter(const AudioWriter&) = delete;
    AudioWriter& operator=(const AudioWriter&) = delete;

    // Creates the file (replacing one of that name). Raises ComponentError whose code() is a LastError value;
    // nothing is left behind on failure unless the file existed before.
    void create(const QString& fileName);
    // Converts the block to the output format and encodes it; an empty block writes nothing. A failure (a full
    // disk, say) raises ComponentError and releases the output unfinished: it is no longer open.
    void write(const SampleBlock& block);
    // Finishes the open output (flushes encoders, writes trailers and final sizes); nothing when none is open.
    void close();
    [[nodiscard]] bool isOpen() const;
    // The rate and channel count of the blocks that follow, before or after create(); kept until changed.
    // Until the first description the blocks are taken to be in the output format.
    void describeInput(int sampleRate, int channels);
    // The source's stored sample size and length (0 = unknown), kept by lossless outputs; forgotten when the
    // output format changes.
    void describeSource(int bits, qint64 frames);
    // The layout of the described input's channels as a channel mask (see ChannelLayouts.h); 0, and each new
    // describeInput, stand for the usual layout of the count.
    void describeInputLayout(quint64 mask);
    // A channel choice for the current format, when it can carry surround sound (PCM WAV, FLAC, ALAC, AAC, Opus,
    // Ogg Vorbis): 0 keeps the input's channels (up to eight, in the format's own order and layout), 1 and 2 make
    // mono and stereo, mixing more channels with the ITU coefficients. Other formats are left as they are.
    void setOutputChannels(int channels);
    // Whether the current format wants every channel of its input rather than a stereo mix of them.
    [[nodiscard]] bool takesEveryInputChannel() const;

    [[nodiscard]] QString formatString() const;
    // The channels of the file the current format writes from blocks of inputChannels channels.
    [[nodiscard]] int outputChannelCount(int inputChannels) const;

    // Takes PCM WAV with the rate, channels and sample size of a PCM WAV file; raises ComponentError for a file
    // that is not PCM WAV or cannot be read.
    void setFormatFromSampleWav(const QString& fileName);
    void setPcmWav(int sampleRate, int channels, int bits);
    // sampleType 3 with 16 bits: signed 16-bit little-endian samples, the only headerless type written.
    void setRaw(int sampleType, int sampleRate, int channels, int bits);
    void setAdpcmWav(int sampleRate, int channels);
    void setGsmWav(int sampleRate);
    void setVox(int sampleRate);
    void setDspWav();
    void setMp2(int sampleRate, int kbps, int channels);
    void setMp3(int sampleRate, int kbps, int channels);
    // MP3 with a snapshot of the settings object's values.
    void useMp3EncoderSettings(const IAudioFile2LameEnc& settings);
    void setOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum, int quality);
    void setWmaProfile(int profile);
    void setG721(int sampleRate);
    void setG723(int sampleRate, int bits);
    void setG726(int sampleRate, int bits);
    // Lossless formats take the shape of their input: the encoder starts with the first block (or at close), from
    // the latest describeInput and describeSource.
    void setFlac(int level);
    void setAlac();
    void setAac(int sampleRate, int channels, int kbps);
    void setOpus(int channels, int kbps, bool speech);

    [[nodiscard]] int testOggSetting(int sampleRate, int channels, int nominal, int minimum, int maximum) const;
    [[nodiscard]] int wmaProfileCount() const;
    void setDescriptionDetail(int value);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
