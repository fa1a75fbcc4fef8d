#pragma once

#include "SourceDecoder.h"
#include "core/components/common/SndfileHandles.h"

#include <memory>
#include <optional>

struct SF_INFO;

// What libsndfile needs to read headerless data, which it cannot recognise by itself.
struct SndfileRawFormat {
    int format = 0; // SF_FORMAT_RAW | subtype
    int sampleRate = 0;
    int channels = 0;
};

// Sources that libsndfile decodes for us: G.721 in WAV (FFmpeg reads those bits in the wrong order) and
// headerless Dialogic VOX (FFmpeg has no reader for it).
class SndfileDecoder : public SourceDecoder {
public:
    // codecName and bitsPerValue feed the description; bitsPerValue 0 leaves the bit rate out.
    SndfileDecoder(const QString& fileName, std::optional<SndfileRawFormat> rawFormat, QString codecName,
                   int bitsPerValue);
    ~SndfileDecoder() override;
    SndfileDecoder(const SndfileDecoder&) = delete;
    SndfileDecoder& operator=(const SndfileDecoder&) = delete;

    [[nodiscard]] int sampleRate() const override { return rate_; }
    [[nodiscard]] int channelCount() const override { return channels_; }
    [[nodiscard]] qint64 lengthInFrames() const override { return frames_; }
    [[nodiscard]] QString description() const override;
    qint64 readFrames(float* out, qint64 maxFrames) override;
    qint64 seekFrame(qint64 frame) override;

private:
    SndfilePtr file_;
    QString codecName_;
    int bitsPerValue_ = 0;
    int rate_ = 0;
    int channels_ = 0;
    qint64 frames_ = 0;
    qint64 position_ = 0;
};
