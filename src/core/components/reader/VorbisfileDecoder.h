#pragma once

#include "SourceDecoder.h"

#include <memory>

struct OggVorbis_File;

// Ogg Vorbis through libvorbisfile, which ends the sound exactly where the stream's last granule position says and
// seeks to the sample. FFmpeg pads a short stream to a whole block and loses up to a block of others.
class VorbisfileDecoder : public SourceDecoder {
public:
    // Throws ComponentError when libvorbisfile cannot open the file as one Vorbis stream of known length; the caller
    // can then read it another way. nominalBitsPerSecond feeds the description (0 leaves the bit rate out).
    VorbisfileDecoder(const QString& fileName, qint64 nominalBitsPerSecond);
    ~VorbisfileDecoder() override;
    VorbisfileDecoder(const VorbisfileDecoder&) = delete;
    VorbisfileDecoder& operator=(const VorbisfileDecoder&) = delete;

    [[nodiscard]] int sampleRate() const override { return rate_; }
    [[nodiscard]] int channelCount() const override { return channels_; }
    [[nodiscard]] qint64 lengthInFrames() const override { return frames_; }
    [[nodiscard]] QString description() const override;
    qint64 readFrames(float* out, qint64 maxFrames) override;
    qint64 seekFrame(qint64 frame) override;

private:
    struct Closer {
        void operator()(OggVorbis_File* file) const;
    };
    using VorbisHandle = std::unique_ptr<OggVorbis_File, Closer>;

    qint64 readFrom(OggVorbis_File& file, float* out, qint64 maxFrames);
    void readOnAsStream();

    QString fileName_;
    VorbisHandle file_;
    // The same file read as a stream from its start, once the seekable reading stopped short of the stated length.
    VorbisHandle stream_;
    bool streamTried_ = false;
    qint64 position_ = 0; // frames handed out since the start or the last seek
    qint64 nominalBitsPerSecond_ = 0;
    int rate_ = 0;
    int channels_ = 0;
    qint64 frames_ = 0;
};
