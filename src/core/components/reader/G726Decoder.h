#pragma once

#include "SourceDecoder.h"
#include "core/components/common/G726Handles.h"

#include <QFile>
#include <memory>
#include <vector>

// Where G.721/G.723/G.726 codes lie in a file and how they are packed (always LSB-first, the packing of Sun's
// AU files and of the telephony tools).
struct G726Layout {
    qint64 dataOffset = 0;
    qint64 dataBytes = 0;
    int bitsPerCode = 4; // 2..5
    int sampleRate = 8000;
    QString codecName;
};

// G.72x ADPCM through spandsp, which decodes the standard bit-exactly (FFmpeg's decoder is not interoperable at
// 5 bits per code).
class G726Decoder : public SourceDecoder {
public:
    G726Decoder(const QString& fileName, G726Layout layout);
    ~G726Decoder() override;
    G726Decoder(const G726Decoder&) = delete;
    G726Decoder& operator=(const G726Decoder&) = delete;

    [[nodiscard]] int sampleRate() const override { return layout_.sampleRate; }
    [[nodiscard]] int channelCount() const override { return 1; }
    [[nodiscard]] qint64 lengthInFrames() const override;
    [[nodiscard]] QString description() const override;
    qint64 readFrames(float* out, qint64 maxFrames) override;
    qint64 seekFrame(qint64 frame) override;

private:
    void rewind();
    bool decodeMore();

    QFile file_;
    G726Layout layout_;
    G726StatePtr state_;
    qint64 bytesRead_ = 0;
    std::vector<int16_t> pending_;
    std::size_t pendingOffset_ = 0;
    qint64 position_ = 0;
};
