#pragma once

#include "core/components/ProbedSource.h"
#include "core/components/SampleBlock.h"
#include "core/components/SoundTrack.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

// Reads any supported source file as interleaved float blocks.
class AudioReader {
public:
    AudioReader();
    ~AudioReader();
    AudioReader(const AudioReader&) = delete;
    AudioReader& operator=(const AudioReader&) = delete;

    // Raises ComponentError whose code() is a LastError value.
    void open(const QString& fileName);
    // Opens a source with what an earlier probe of it found, when the file is unchanged since; else as open().
    void open(const ProbedSource& probed);
    // Opens one sound track (counted from 0) of a source that holds several, with what an earlier probe of the
    // file found when there is one; raises ComponentError when the file has no such track.
    void openSoundTrack(const QString& fileName, int soundTrack, const ProbedSource* probed);
    void close();
    [[nodiscard]] bool isOpen() const;

    [[nodiscard]] SampleBlock read(int valueCount);
    qint64 seek(qint64 samplePosition);

    [[nodiscard]] qint64 lengthInSamples() const;
    [[nodiscard]] int sampleRate() const;
    [[nodiscard]] int channelCount() const;
    [[nodiscard]] qint64 durationMs() const;
    [[nodiscard]] QString description() const;
    // See SourceDecoder::bitsPerSample; 0 with nothing open.
    [[nodiscard]] int bitsPerSample() const;
    // What opening the open source found out (an empty file name when none is open).
    [[nodiscard]] const ProbedSource& probedSource() const;

    // See SourceDecoder::soundTracks; empty with nothing open.
    [[nodiscard]] SoundTracks soundTracks() const;
    // See SourceDecoder::damagedStretches; 0 with nothing open.
    [[nodiscard]] int damagedStretches() const;

    void setDecoderThreads(int threads);
    // How many channels the next source opened may deliver; more arrive mixed to stereo. Back to 2 after it opens.
    void setChannelLimit(int most);
    // See SourceDecoder::channelMask; 0 with nothing open.
    [[nodiscard]] quint64 channelMask() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
