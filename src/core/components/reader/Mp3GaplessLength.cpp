#include "Mp3GaplessLength.h"

#include <QByteArray>
#include <QFile>
#include <array>

namespace {

// An ID3v2 tag may precede the first frame; a picture can make it large, so it is skipped by its stated size.
constexpr qint64 kId3HeaderSize = 10;
// How far past the tag the first frame is looked for.
constexpr qint64 kSyncSearchWindow = 64 * 1024;
// The Xing/Info record with its optional fields and LAME's extension fits in this many bytes after the frame header.
constexpr qint64 kInfoFrameBytes = 4 + 36 + 120 + 36;

quint32 bigEndian32(const QByteArray& bytes, qint64 at) {
    return (quint32(quint8(bytes[at])) << 24) | (quint32(quint8(bytes[at + 1])) << 16) |
           (quint32(quint8(bytes[at + 2])) << 8) | quint32(quint8(bytes[at + 3]));
}

qint64 firstFrameSearchStart(QFile& file) {
    const QByteArray header = file.read(kId3HeaderSize);
    if (header.size() < kId3HeaderSize || !header.startsWith("ID3"))
        return 0;
    qint64 size = 0;
    for (int i = 6; i < 10; ++i)
        size = (size << 7) | (quint8(header[i]) & 0x7F);
    const bool hasFooter = (quint8(header[5]) & 0x10) != 0;
    return kId3HeaderSize + size + (hasFooter ? 10 : 0);
}

struct FrameLayout {
    bool mpeg1 = false;
    bool mono = false;
};

// A Layer III frame header: sync, a defined version, layer III, a valid bit-rate index and sample-rate index.
std::optional<FrameLayout> layerThreeHeader(const QByteArray& bytes, qint64 at) {
    const auto b1 = quint8(bytes[at + 1]);
    const auto b2 = quint8(bytes[at + 2]);
    const auto b3 = quint8(bytes[at + 3]);
    if (quint8(bytes[at]) != 0xFF || (b1 & 0xE0) != 0xE0)
        return std::nullopt;
    const int version = (b1 >> 3) & 0x3; // 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5
    const int layer = (b1 >> 1) & 0x3;   // 1 = layer III
    const int bitRateIndex = b2 >> 4;
    const int rateIndex = (b2 >> 2) & 0x3;
    if (version == 1 || layer != 1 || bitRateIndex == 0xF || rateIndex == 3)
        return std::nullopt;
    return FrameLayout{version == 3, (b3 >> 6) == 3};
}

} // namespace

std::optional<qint64> mp3GaplessLength(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 searchStart = firstFrameSearchStart(file);
    if (searchStart >= file.size() || !file.seek(searchStart))
        return std::nullopt;
    const QByteArray bytes = file.read(kSyncSearchWindow + kInfoFrameBytes);

    for (qint64 at = 0; at + kInfoFrameBytes <= bytes.size() && at <= kSyncSearchWindow; ++at) {
        const auto layout = layerThreeHeader(bytes, at);
        if (!layout)
            continue;
        // The record sits after the side information, whose size depends on the version and channel mode.
        const qint64 sideInfo = layout->mpeg1 ? (layout->mono ? 17 : 32) : (layout->mono ? 9 : 17);
        qint64 cursor = at + 4 + sideInfo;
        const QByteArray tag = bytes.mid(cursor, 4);
        if (tag != "Xing" && tag != "Info")
            return std::nullopt; // the first frame carries no record
        const quint32 flags = bigEndian32(bytes, cursor + 4);
        cursor += 8;
        if ((flags & 0x1) == 0)
            return std::nullopt;
        const qint64 frames = bigEndian32(bytes, cursor);
        cursor += 4;
        if (flags & 0x2)
            cursor += 4; // byte count
        if (flags & 0x4)
            cursor += 100; // seek table
        if (flags & 0x8)
            cursor += 4; // quality
        const QByteArray encoder = bytes.mid(cursor, 4);
        if (encoder != "LAME" && encoder != "Lavf" && encoder != "Lavc")
            return std::nullopt;
        // Encoder string (9), revision/method, low-pass, replay gain (8), flags, bit rate, then 12 + 12 bits.
        const qint64 delayAt = cursor + 21;
        const auto d0 = quint8(bytes[delayAt]);
        const auto d1 = quint8(bytes[delayAt + 1]);
        const auto d2 = quint8(bytes[delayAt + 2]);
        const qint64 delay = (qint64(d0) << 4) | (d1 >> 4);
        const qint64 padding = (qint64(d1 & 0x0F) << 8) | d2;
        const qint64 samplesPerFrame = layout->mpeg1 ? 1152 : 576;
        const qint64 length = frames * samplesPerFrame - delay - padding;
        if (frames == 0 || length <= 0)
            return std::nullopt;
        return length;
    }
    return std::nullopt;
}
