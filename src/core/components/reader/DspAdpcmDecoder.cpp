#include "DspAdpcmDecoder.h"

#include "SoundDescription.h"
#include "core/components/ComponentError.h"
#include "core/ports/Messages.h"

#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr int kFrameBytes = 8;
constexpr int kSamplesPerFrame = 14;

quint32 be32(const QByteArray& bytes, int offset) {
    return qFromBigEndian<quint32>(bytes.constData() + offset);
}
quint16 be16(const QByteArray& bytes, int offset) {
    return qFromBigEndian<quint16>(bytes.constData() + offset);
}

// Samples that a nibble count covers: every 16 nibbles are one header byte and 14 codes.
qint64 samplesInNibbles(qint64 nibbles) {
    const qint64 rest = nibbles % 16;
    return nibbles / 16 * kSamplesPerFrame + std::max<qint64>(0, rest - 2);
}

} // namespace

std::optional<DspHeader> DspHeader::parse(const QByteArray& bytes) {
    if (bytes.size() <= kSize)
        return std::nullopt;
    DspHeader header;
    header.sampleCount = be32(bytes, 0x00);
    header.nibbleCount = be32(bytes, 0x04);
    header.sampleRate = static_cast<int>(be32(bytes, 0x08));
    const quint16 format = be16(bytes, 0x0E);
    for (int i = 0; i < 16; ++i)
        header.coefficients[static_cast<std::size_t>(i)] = static_cast<qint16>(be16(bytes, 0x1C + 2 * i));
    header.predictorScale = be16(bytes, 0x3E);
    header.history1 = static_cast<qint16>(be16(bytes, 0x40));
    header.history2 = static_cast<qint16>(be16(bytes, 0x42));
    const qint64 covered = samplesInNibbles(header.nibbleCount);
    const bool consistent =
        format == 0 && header.sampleRate >= 1000 && header.sampleRate <= 96000 && header.sampleCount > 0 &&
        covered >= header.sampleCount && covered < static_cast<qint64>(header.sampleCount) + kSamplesPerFrame &&
        header.predictorScale <= 0xFF && static_cast<quint8>(bytes.at(kSize)) == header.predictorScale;
    if (!consistent)
        return std::nullopt;
    return header;
}

DspAdpcmDecoder::DspAdpcmDecoder(const QString& fileName, const DspHeader& header) : file_(fileName), header_(header) {
    if (!file_.open(QIODevice::ReadOnly))
        throw ComponentError(Messages::FileCannotBeRead().arg(QFileInfo(fileName).fileName()), LastError::AccessDenied);
    rewind();
}

QString DspAdpcmDecoder::description() const {
    return sounddescription::describe(QStringLiteral("Nintendo DSP ADPCM"), 0, header_.sampleRate, 1);
}

void DspAdpcmDecoder::rewind() {
    file_.seek(DspHeader::kSize);
    history1_ = header_.history1;
    history2_ = header_.history2;
    frameSamples_ = 0;
    frameOffset_ = 0;
    position_ = 0;
    decoded_ = 0;
}

bool DspAdpcmDecoder::decodeFrame() {
    std::array<quint8, kFrameBytes> bytes{};
    if (file_.read(reinterpret_cast<char*>(bytes.data()), kFrameBytes) != kFrameBytes)
        return false; // a cut file ends early
    const int scale = 1 << (bytes[0] & 0x0F);
    const auto pair = static_cast<std::size_t>((bytes[0] >> 4) & 0x07) * 2;
    const int coefficient1 = header_.coefficients[pair];
    const int coefficient2 = header_.coefficients[pair + 1];
    const auto count = static_cast<int>(std::min<qint64>(kSamplesPerFrame, header_.sampleCount - decoded_));
    for (int i = 0; i < count; ++i) {
        const quint8 byte = bytes[static_cast<std::size_t>(1 + i / 2)];
        int code = (i % 2 == 0) ? (byte >> 4) : (byte & 0x0F);
        if (code >= 8)
            code -= 16;
        const int predicted = ((code * scale) << 11) + 1024 + coefficient1 * history1_ + coefficient2 * history2_;
        const int sample = std::clamp(predicted >> 11, -32768, 32767);
        history2_ = history1_;
        history1_ = sample;
        frame_[static_cast<std::size_t>(i)] = static_cast<qint16>(sample);
    }
    frameSamples_ = count;
    frameOffset_ = 0;
    decoded_ += count;
    return count > 0;
}

qint64 DspAdpcmDecoder::readFrames(float* out, qint64 maxFrames) {
    qint64 written = 0;
    while (written < maxFrames) {
        if (frameOffset_ == frameSamples_ && !decodeFrame())
            break;
        const auto count = std::min<qint64>(maxFrames - written, frameSamples_ - frameOffset_);
        if (out) {
            for (qint64 i = 0; i < count; ++i)
                out[written + i] = static_cast<float>(frame_[static_cast<std::size_t>(frameOffset_ + i)]) / 32768.0f;
        }
        frameOffset_ += static_cast<int>(count);
        written += count;
    }
    position_ += written;
    return written;
}

qint64 DspAdpcmDecoder::seekFrame(qint64 frame) {
    const qint64 target = std::clamp<qint64>(frame, 0, header_.sampleCount);
    if (target < position_)
        rewind();
    readFrames(nullptr, target - position_);
    return position_;
}
