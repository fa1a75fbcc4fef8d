#pragma once

#include "ProbedSource.h"
#include "SampleBlock.h"
#include "SoundTrack.h"

#include <QString>
#include <QtGlobal>

class IAudioFile2LameEnc;

// The audio-file component: reads any supported source and writes any of the output formats.
// One instance either reads or writes at a time. Opening and creating also set lastError() (0 = success).
class IAudioFile2 {
public:
    virtual ~IAudioFile2() = default;

    // --- reading ---------------------------------------------------------------------------------------------
    // The program passes mode 0 and flags 1; other values are reserved. Raises ComponentError on failure.
    virtual void openForReading(const QString& fileName, int mode, int flags) = 0;
    // Opens a source with what an earlier probe of it found (see probedSource()), so that an unchanged file is
    // not probed again. Components that keep no such facts open it as openForReading does.
    virtual void openProbedForReading(const ProbedSource& probed) { openForReading(probed.fileName, 0, 1); }
    // Opens one sound track (counted from 0) of a source that holds several, with what an earlier probe found when
    // there is one. Raises ComponentError when the source has no such track. Components of sources with one sound
    // track open it as openForReading does.
    virtual void openSoundTrackForReading(const QString& fileName, int /*soundTrack*/, const ProbedSource* probed) {
        if (probed && probed->fileName == fileName)
            openProbedForReading(*probed);
        else
            openForReading(fileName, 0, 1);
    }
    // Every sound track of the open source, the one read marked; empty for a source of one sound track.
    [[nodiscard]] virtual SoundTracks soundTracks() { return {}; }
    // What opening the open source found out; nothing (an empty file name) from components that keep no such facts.
    [[nodiscard]] virtual ProbedSource probedSource() { return {}; }
    // Closes whatever is open, reading or writing; always allowed, also with nothing open.
    virtual void close() = 0;
    // Up to valueCount interleaved values; an empty block at the end of the data.
    [[nodiscard]] virtual SampleBlock readBlock(int valueCount) = 0;
    // Moves the read position to a sample (per channel) and returns the position reached. The program passes mode 3.
    virtual qint64 seek(qint64 samplePosition, int mode) = 0;

    // Facts of the open file.
    [[nodiscard]] virtual qint64 lengthInSamples() = 0; // per channel
    [[nodiscard]] virtual int sampleRate() = 0;
    [[nodiscard]] virtual int channelCount() = 0;
    [[nodiscard]] virtual qint64 durationMs() = 0; // > 0 when the file is usable
    // The description of the open file, or when none is open, of the current output format.
    [[nodiscard]] virtual QString formatString() = 0;
    // The stored sample size of the open source: 8, 16, 24, 32 (also floating point); 0 for lossy codecs.
    [[nodiscard]] virtual int bitsPerSample() = 0;
    [[nodiscard]] virtual int lastError() = 0;
    // How many damaged stretches of the open file the decoder skipped so far (it goes on after them with the
    // next packet); 0 from components that cannot tell.
    [[nodiscard]] virtual int damagedStretches() { return 0; }
    // How many channels the next source opened may deliver: sources with more arrive mixed to stereo (the default,
    // 2, which every format and the volume change take). Applies to the next open only.
    virtual void setChannelLimit(int /*most*/) {}
    // The layout of the open source's channels as a WAVE_FORMAT_EXTENSIBLE channel mask; 0 when unknown or from
    // components that cannot tell.
    [[nodiscard]] virtual quint64 channelMask() { return 0; }

    // --- writing ---------------------------------------------------------------------------------------------
    // Creates the output file in the current output format. The program passes mode 0.
    virtual void createOutput(const QString& fileName, int mode) = 0;
    virtual void writeBlock(const SampleBlock& block) = 0;
    // The rate and channel count of the blocks the writer will receive next.
    virtual void describeInput(int sampleRate, int channels) = 0;
    // What lossless outputs keep of the source besides its rate and channels: its stored sample size (as
    // bitsPerSample reports it) and its length in frames (0 when unknown). Set after the output format.
    virtual void describeSource(int bits, qint64 frames) = 0;
    // How many channels the current output format writes when its blocks come with inputChannels channels: a
    // format of fixed channels mixes to them, a lossless one keeps the input's (at most two). Components that
    // convert no channels answer inputChannels.
    [[nodiscard]] virtual int outputChannelCount(int inputChannels) { return inputChannels; }
    // The layout of the described input's channels (a channel mask as channelMask() gives it); each describeInput
    // forgets it.
    virtual void describeInputLayout(quint64 /*mask*/) {}
    // A channel choice for the current output format, for those that can carry surround sound (PCM WAV, FLAC, ALAC,
    // AAC, Opus, Ogg Vorbis): 0 keeps the input's channels up to 7.1, 1 and 2 make mono and stereo. Others ignore it.
    virtual void setOutputChannels(int /*channels*/) {}
    // Whether the current output format wants every channel of its input rather than a stereo mix of them.
    [[nodiscard]] virtual bool takesEveryInputChannel() { return false; }

    // Output formats; each replaces the current output format.
    virtual void setFormatFromSampleWav(const QString& fileName) = 0;
    virtual void setPcmWav(int sampleRate, int channels, int bits) = 0;
    virtual void setRaw(int sampleType, int sampleRate, int channels, int bits) = 0;
    virtual void setAdpcmWav(int sampleRate, int channels) = 0;
    virtual void setGsmWav(int sampleRate) = 0;
    virtual void setVox(int sampleRate) = 0;
    virtual void setDspWav() = 0;
    virtual void setMp2(int sampleRate, int kbps, int channels) = 0;
    virtual void setMp3(int sampleRate, int kbps, int channels) = 0;
    virtual void useMp3EncoderSettings(const IAudioFile2LameEnc& settings) = 0;
    // Bit rates in kbit/s, 0 when a quality is given; quality 0..1000, -1 when the bit rates rule.
    virtual void setOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum, int quality) = 0;
    virtual void setWmaProfile(int profile) = 0; // counted from 1
    virtual void setG721(int sampleRate) = 0;
    virtual void setG723(int sampleRate, int bits) = 0;
    virtual void setG726(int sampleRate, int bits) = 0;
    // Lossless outputs at the source's rate, channels (at most two) and sample size (16 or 24); level 0..8.
    virtual void setFlac(int level) = 0;
    virtual void setAlac() = 0;
    // AAC in MP4 (.m4a), 96..320 kbit/s; Opus at 48 kHz, VBR 32..256 kbit/s, tuned for speech or music.
    virtual void setAac(int sampleRate, int channels, int kbps) = 0;
    virtual void setOpus(int channels, int kbps, bool speech) = 0;

    // Non-zero when libvorbis accepts this managed bit-rate setting and minimum <= nominal <= maximum.
    [[nodiscard]] virtual int testOggSetting(int sampleRate, int channels, int nominal, int minimum, int maximum) = 0;
    [[nodiscard]] virtual int wmaProfileCount() = 0;

    // The two integer settings the program writes at start-up; see the implementation for their meaning.
    virtual void setDescriptionDetail(int value) = 0; // start-up writes -1
    virtual void setDecoderThreads(int value) = 0;    // start-up writes 2 on the reader
};
