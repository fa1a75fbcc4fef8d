#include "StoredChecksums.h"

#include "ContainerSniffer.h"
#include "core/components/common/FlacHandles.h"

#include <QFile>
#include <QtEndian>
#include <ogg/ogg.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>

namespace {

enum class ChecksumKind { None, Flac, Ogg, LameMp3 };

// CRC-16 with the polynomial 0x8005, bits reflected, starting from 0: the one LAME keeps of an MP3's frames.
constexpr std::array<quint16, 256> kCrc16Table = [] {
    std::array<quint16, 256> table{};
    for (unsigned value = 0; value < table.size(); ++value) {
        unsigned crc = value;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) != 0 ? (crc >> 1) ^ 0xA001 : crc >> 1;
        table[value] = static_cast<quint16>(crc);
    }
    return table;
}();

quint16 crc16(const char* data, qint64 size, quint16 crc) {
    for (qint64 index = 0; index < size; ++index)
        crc = static_cast<quint16>((crc >> 8) ^ kCrc16Table[(crc ^ static_cast<quint8>(data[index])) & 0xFF]);
    return crc;
}

// What the LAME header in the first frame of an MP3 stream records of the frames after it.
struct LameRecord {
    qint64 musicStart = 0; // the frame after the header's own
    qint64 musicEnd = 0;   // where LAME's last frame ended
    quint16 musicCrc = 0;
    bool headerDamaged = false; // its own CRC fails: nothing it records can be trusted
};

// The size in bytes of an MPEG-1/2/2.5 layer III frame with this header; 0 for any other header.
qint64 layer3FrameSize(const QByteArray& frame) {
    static constexpr std::array<int, 16> kMpeg1Kbps{0,   32,  40,  48,  56,  64,  80,  96,
                                                    112, 128, 160, 192, 224, 256, 320, 0};
    static constexpr std::array<int, 16> kMpeg2Kbps{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
    static constexpr std::array<int, 3> kMpeg1Rates{44100, 48000, 32000};
    const auto byte = [&frame](int index) { return static_cast<quint8>(frame[index]); };
    if (frame.size() < 4 || byte(0) != 0xFF || (byte(1) & 0xE0) != 0xE0 || ((byte(1) >> 1) & 3) != 1)
        return 0;
    const int version = (byte(1) >> 3) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const int rateIndex = (byte(2) >> 2) & 3;
    const int kbps = (version == 3 ? kMpeg1Kbps : kMpeg2Kbps)[(byte(2) >> 4) & 15];
    if (version == 1 || rateIndex == 3 || kbps == 0)
        return 0;
    const int rate = kMpeg1Rates[rateIndex] / (version == 3 ? 1 : version == 2 ? 2 : 4);
    const int padding = (byte(2) >> 1) & 1;
    return (version == 3 ? 144 : 72) * kbps * 1000 / rate + padding;
}

// The LAME header of a file whose sound starts with an MPEG layer III frame holding one; nothing otherwise.
std::optional<LameRecord> lameRecordOf(QFile& file) {
    // An MP3 output's tags come before its first frame; the header's fields all lie in its first 200 bytes.
    constexpr qint64 kHeaderBytes = 200;
    qint64 start = 0;
    for (QByteArray head = file.read(10); head.startsWith("ID3"); head = file.read(10)) {
        start += containersniffer::contentStart(head);
        if (!file.seek(start))
            return std::nullopt;
    }
    if (!file.seek(start))
        return std::nullopt;
    const QByteArray frame = file.read(kHeaderBytes);
    const qint64 frameSize = layer3FrameSize(frame);
    if (frameSize == 0 || frame.size() < kHeaderBytes)
        return std::nullopt;
    const auto byte = [&frame](int index) { return static_cast<quint8>(frame[index]); };
    const bool mpeg1 = ((byte(1) >> 3) & 3) == 3;
    const bool mono = ((byte(3) >> 6) & 3) == 3;
    const bool frameCrc = (byte(1) & 1) == 0;
    const int sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    int position = 4 + (frameCrc ? 2 : 0) + sideInfo;
    const QByteArray id = frame.mid(position, 4);
    if (id != "Xing" && id != "Info")
        return std::nullopt;
    const quint32 flags = qFromBigEndian<quint32>(frame.constData() + position + 4);
    position += 8 + ((flags & 1) != 0 ? 4 : 0) + ((flags & 2) != 0 ? 4 : 0) + ((flags & 4) != 0 ? 100 : 0) +
                ((flags & 8) != 0 ? 4 : 0);
    constexpr int kLameFields = 36; // up to and with the header's own CRC
    if (position + kLameFields > frame.size())
        return std::nullopt;
    // LAME and FFmpeg write the same header after their own name. LAME's CRC of the header covers every byte before
    // it; FFmpeg's matches that only in MPEG-1 stereo frames, so its music CRC alone is compared. Other encoders'
    // Xing headers lack these fields, and the bytes there fail the header's CRC.
    LameRecord record;
    const quint16 headerCrc = qFromBigEndian<quint16>(frame.constData() + position + 34);
    const bool headerCrcMatches = crc16(frame.constData(), position + 34, 0) == headerCrc;
    const QByteArray encoder = frame.mid(position, 4);
    const bool ffmpeg = encoder == "Lavc" || encoder == "Lavf";
    if (!headerCrcMatches && !ffmpeg && encoder != "LAME")
        return std::nullopt;
    record.headerDamaged = !headerCrcMatches && !ffmpeg;
    record.musicStart = start + frameSize;
    record.musicEnd = start + qFromBigEndian<quint32>(frame.constData() + position + 28);
    record.musicCrc = qFromBigEndian<quint16>(frame.constData() + position + 32);
    return record;
}

ChecksumKind checksumKindOf(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return ChecksumKind::None;
    const QByteArray head = file.read(4);
    if (head == "fLaC")
        return ChecksumKind::Flac;
    if (head == "OggS")
        return ChecksumKind::Ogg;
    if (file.seek(0) && lameRecordOf(file))
        return ChecksumKind::LameMp3;
    return ChecksumKind::None;
}

int percentOf(qint64 done, qint64 total) {
    return total > 0 ? static_cast<int>(std::clamp<qint64>(done * 100 / total, 0, 100)) : 0;
}

// LAME records the CRC of every byte of the frames after its header and where the last one ends; tags after that
// end (ID3v1, APE) are not covered.
ChecksumFinding checkLameFrames(const QString& fileName, const ChecksumWatch& watch) {
    constexpr qint64 kChunkBytes = 256 * 1024;
    ChecksumFinding finding;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return finding;
    const std::optional<LameRecord> record = lameRecordOf(file);
    if (!record)
        return finding;
    finding.checked = true;
    if (record->headerDamaged) {
        finding.damage = QStringLiteral("its LAME header fails its checksum");
        return finding;
    }
    if (record->musicEnd < record->musicStart) {
        finding.damage = QStringLiteral("its LAME header states an impossible length");
        return finding;
    }
    if (record->musicEnd > file.size()) {
        finding.damage = QStringLiteral("it is cut short: its LAME header counts %1 bytes of frames, it holds %2")
                             .arg(record->musicEnd)
                             .arg(file.size());
        return finding;
    }
    if (!file.seek(record->musicStart))
        return finding;
    quint16 crc = 0;
    QByteArray chunk;
    for (qint64 left = record->musicEnd - record->musicStart; left > 0;) {
        chunk = file.read(std::min(left, kChunkBytes));
        if (chunk.isEmpty()) {
            finding.damage = QStringLiteral("it cannot be read to its end (%1)").arg(file.errorString());
            return finding;
        }
        crc = crc16(chunk.constData(), chunk.size(), crc);
        left -= chunk.size();
        if (watch && !watch(percentOf(file.pos() - record->musicStart, record->musicEnd - record->musicStart))) {
            finding.stopped = true;
            return finding;
        }
    }
    if (crc != record->musicCrc)
        finding.damage = QStringLiteral("its frames do not match the checksum its LAME header records");
    return finding;
}

// libFLAC decodes every frame, compares each frame's CRC as it goes and, at the end, the MD5 of all samples with
// the one STREAMINFO records. The samples themselves are not kept.
class FlacChecksums {
public:
    explicit FlacChecksums(const ChecksumWatch& watch) : watch_(watch) {}

    ChecksumFinding check(const QString& fileName) {
        ChecksumFinding finding;
        FlacDecoderPtr decoder(FLAC__stream_decoder_new());
        if (!decoder)
            return finding;
        FLAC__stream_decoder_set_md5_checking(decoder.get(), true);
        if (FLAC__stream_decoder_init_file(decoder.get(), QFile::encodeName(fileName).constData(),
                                           &FlacChecksums::write, &FlacChecksums::metadata, &FlacChecksums::error,
                                           this) != FLAC__STREAM_DECODER_INIT_STATUS_OK) {
            finding.checked = true;
            finding.damage = QStringLiteral("its FLAC stream cannot be opened");
            return finding;
        }
        finding.checked = true;
        while (!stopped_) {
            if (!FLAC__stream_decoder_process_single(decoder.get()))
                break;
            const FLAC__StreamDecoderState state = FLAC__stream_decoder_get_state(decoder.get());
            if (state == FLAC__STREAM_DECODER_END_OF_STREAM || state == FLAC__STREAM_DECODER_ABORTED)
                break;
        }
        const FLAC__StreamDecoderState state = FLAC__stream_decoder_get_state(decoder.get());
        // finish() also compares the MD5; it must run even when the end was not reached, to free the decoder's file.
        const bool md5Matches = FLAC__stream_decoder_finish(decoder.get()) != 0;
        if (stopped_) {
            finding.stopped = true;
            return finding;
        }
        if (errors_ > 0)
            finding.damage =
                QStringLiteral("its FLAC frames are damaged (%1, %2 times)").arg(errorText(firstError_)).arg(errors_);
        else if (state != FLAC__STREAM_DECODER_END_OF_STREAM)
            finding.damage = QStringLiteral("its FLAC stream breaks off (%1)")
                                 .arg(QString::fromLatin1(FLAC__StreamDecoderStateString[state]));
        else if (totalSamples_ > 0 && decodedSamples_ != totalSamples_)
            finding.damage = QStringLiteral("it holds %1 of the %2 samples its FLAC header states")
                                 .arg(decodedSamples_)
                                 .arg(totalSamples_);
        else if (!md5Matches)
            finding.damage = QStringLiteral("its samples do not match the MD5 sum its FLAC header records");
        return finding;
    }

private:
    static QString errorText(FLAC__StreamDecoderErrorStatus status) {
        switch (status) {
        case FLAC__STREAM_DECODER_ERROR_STATUS_FRAME_CRC_MISMATCH:
            return QStringLiteral("a frame fails its CRC");
        case FLAC__STREAM_DECODER_ERROR_STATUS_BAD_HEADER:
            return QStringLiteral("a frame header is damaged");
        case FLAC__STREAM_DECODER_ERROR_STATUS_LOST_SYNC:
            return QStringLiteral("bytes between frames");
        default:
            return QStringLiteral("the stream cannot be parsed");
        }
    }

    static FLAC__StreamDecoderWriteStatus write(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                                const FLAC__int32* const[], void* self) {
        auto& checksums = *static_cast<FlacChecksums*>(self);
        checksums.decodedSamples_ += frame->header.blocksize;
        if (checksums.decodedSamples_ >= checksums.nextReport_) {
            checksums.nextReport_ = checksums.decodedSamples_ + checksums.reportEvery_;
            if (checksums.watch_ && !checksums.watch_(percentOf(checksums.decodedSamples_, checksums.totalSamples_))) {
                checksums.stopped_ = true;
                return FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
            }
        }
        return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    }

    static void metadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* block, void* self) {
        auto& checksums = *static_cast<FlacChecksums*>(self);
        if (block->type != FLAC__METADATA_TYPE_STREAMINFO)
            return;
        checksums.totalSamples_ = static_cast<qint64>(block->data.stream_info.total_samples);
        checksums.reportEvery_ = std::max<qint64>(block->data.stream_info.sample_rate, 1);
    }

    static void error(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus status, void* self) {
        auto& checksums = *static_cast<FlacChecksums*>(self);
        if (checksums.errors_++ == 0)
            checksums.firstError_ = status;
    }

    const ChecksumWatch& watch_;
    qint64 totalSamples_ = 0;
    qint64 decodedSamples_ = 0;
    qint64 reportEvery_ = 44100; // about a second of sound between two reports
    qint64 nextReport_ = 0;
    int errors_ = 0;
    FLAC__StreamDecoderErrorStatus firstError_ = FLAC__STREAM_DECODER_ERROR_STATUS_LOST_SYNC;
    bool stopped_ = false;
};

struct OggSyncCleaner {
    void operator()(ogg_sync_state* sync) const {
        ogg_sync_clear(sync);
        delete sync;
    }
};

// libogg refuses a page whose CRC does not match and skips to the next one it can trust; every skip, every page
// missing from a stream's count and a last page that never ends its stream is damage.
ChecksumFinding checkOggPages(const QString& fileName, const ChecksumWatch& watch) {
    constexpr qint64 kChunkBytes = 256 * 1024;
    ChecksumFinding finding;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return finding;
    finding.checked = true;
    std::unique_ptr<ogg_sync_state, OggSyncCleaner> sync(new ogg_sync_state{});
    ogg_sync_init(sync.get());
    std::map<long, long> nextPageOf; // by stream serial number
    std::map<long, bool> endedStreams;
    int skips = 0;
    int missingPages = 0;
    const qint64 size = file.size();
    for (;;) {
        char* buffer = ogg_sync_buffer(sync.get(), kChunkBytes);
        const qint64 got = file.read(buffer, kChunkBytes);
        if (got < 0) {
            finding.damage = QStringLiteral("it cannot be read to its end (%1)").arg(file.errorString());
            return finding;
        }
        ogg_sync_wrote(sync.get(), static_cast<long>(got));
        ogg_page page;
        for (int result = ogg_sync_pageout(sync.get(), &page); result != 0;
             result = ogg_sync_pageout(sync.get(), &page)) {
            if (result < 0) {
                ++skips;
                continue;
            }
            const long serial = ogg_page_serialno(&page);
            const long number = ogg_page_pageno(&page);
            if (const auto expected = nextPageOf.find(serial);
                expected != nextPageOf.end() && number != expected->second)
                ++missingPages;
            nextPageOf[serial] = number + 1;
            endedStreams[serial] = ogg_page_eos(&page) != 0;
        }
        if (got == 0)
            break;
        if (watch && !watch(percentOf(file.pos(), size))) {
            finding.stopped = true;
            return finding;
        }
    }
    const bool cutShort = sync->fill > sync->returned;
    const bool unended =
        std::any_of(endedStreams.begin(), endedStreams.end(), [](const auto& stream) { return !stream.second; });
    if (skips > 0)
        finding.damage = QStringLiteral("its Ogg pages fail their checksum (%1 times)").arg(skips);
    else if (missingPages > 0)
        finding.damage = QStringLiteral("its Ogg pages are not all there (%1 gaps)").arg(missingPages);
    else if (cutShort || unended || endedStreams.empty())
        finding.damage = QStringLiteral("its Ogg stream breaks off before its last page");
    return finding;
}

} // namespace

bool carriesStoredChecksums(const QString& fileName) {
    return checksumKindOf(fileName) != ChecksumKind::None;
}

ChecksumFinding checkStoredChecksums(const QString& fileName, const ChecksumWatch& watch) {
    switch (checksumKindOf(fileName)) {
    case ChecksumKind::Flac:
        return FlacChecksums(watch).check(fileName);
    case ChecksumKind::Ogg:
        return checkOggPages(fileName, watch);
    case ChecksumKind::LameMp3:
        return checkLameFrames(fileName, watch);
    case ChecksumKind::None:
        break;
    }
    return {};
}
