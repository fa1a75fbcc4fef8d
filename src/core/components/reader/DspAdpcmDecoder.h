#pragma once

#include "SourceDecoder.h"

#include <QByteArray>
#include <QFile>
#include <array>
#include <optional>

// The 0x60-byte big-endian header of a Nintendo DSP ADPCM file (mono; stereo comes as two files).
struct DspHeader {
    static constexpr qint64 kSize = 0x60;
    quint32 sampleCount = 0;
    quint32 nibbleCount = 0;
    int sampleRate = 0;
    std::array<qint16, 16> coefficients{};
    quint16 predictorScale = 0;
    qint16 history1 = 0;
    qint16 history2 = 0;

    // The header at the start of bytes, when it is one: format 0, a sane rate, a nibble count that matches the
    // sample count, and a first frame that starts with the stated predictor/scale byte. The format has no magic,
    // so all of these must hold.
    static std::optional<DspHeader> parse(const QByteArray& bytes);
};

// Decodes a Nintendo DSP ADPCM file: frames of 8 bytes, one predictor/scale byte and 14 four-bit codes.
class DspAdpcmDecoder : public SourceDecoder {
public:
    DspAdpcmDecoder(const QString& fileName, const DspHeader& header);

    [[nodiscard]] int sampleRate() const override { return header_.sampleRate; }
    [[nodiscard]] int channelCount() const override { return 1; }
    [[nodiscard]] qint64 lengthInFrames() const override { return header_.sampleCount; }
    [[nodiscard]] QString description() const override;
    qint64 readFrames(float* out, qint64 maxFrames) override;
    qint64 seekFrame(qint64 frame) override;

private:
    void rewind();
    bool decodeFrame();

    QFile file_;
    DspHeader header_;
    std::array<qint16, 14> frame_{};
    int frameSamples_ = 0;
    int frameOffset_ = 0;
    int history1_ = 0;
    int history2_ = 0;
    qint64 position_ = 0;
    qint64 decoded_ = 0;
};
