#include "ContainerSniffer.h"

#include <algorithm>
#include <array>
#include <string_view>

extern "C" {
#include <libavformat/avformat.h>
}

namespace containersniffer {
namespace {

struct Magic {
    int offset;
    std::string_view bytes;
};

// A container known by up to two magic byte strings at fixed places.
struct ContainerMagic {
    Magic first;
    Magic second;
    const char* demuxer;
};

constexpr std::string_view kAsfGuid{"\x30\x26\xB2\x75\x8E\x66\xCF\x11", 8};
constexpr std::string_view kWave64Guid{"\x2E\x91\xCF\x11\xA5\xD6\x28\xDB", 8};
constexpr std::string_view kEbml{"\x1A\x45\xDF\xA3", 4};
constexpr std::string_view kMpegPack{"\x00\x00\x01\xBA", 4};
constexpr std::string_view kMpegVideoSequence{"\x00\x00\x01\xB3", 4};
constexpr std::string_view kFlv{"FLV\x01", 4};

constexpr std::array kContainers{
    ContainerMagic{{0, "RIFF"}, {8, "WAVE"}, "wav"},
    ContainerMagic{{0, "RF64"}, {8, "WAVE"}, "wav"},
    ContainerMagic{{0, "RIFF"}, {8, "AVI "}, "avi"},
    ContainerMagic{{0, "FORM"}, {8, "AIFF"}, "aiff"},
    ContainerMagic{{0, "FORM"}, {8, "AIFC"}, "aiff"},
    ContainerMagic{{0, ".snd"}, {}, "au"},
    ContainerMagic{{0, "OggS"}, {}, "ogg"},
    ContainerMagic{{0, "MPCK"}, {}, "mpc8"},
    ContainerMagic{{0, "MP+"}, {}, "mpc"},
    ContainerMagic{{0, "fLaC"}, {}, "flac"},
    ContainerMagic{{0, kAsfGuid}, {}, "asf"},
    ContainerMagic{{0, kMpegPack}, {}, "mpeg"},
    ContainerMagic{{0, kMpegVideoSequence}, {}, "mpegvideo"},
    ContainerMagic{{4, "ftyp"}, {}, "mov"},
    ContainerMagic{{4, "moov"}, {}, "mov"},
    ContainerMagic{{4, "mdat"}, {}, "mov"},
    ContainerMagic{{4, "free"}, {}, "mov"},
    ContainerMagic{{4, "wide"}, {}, "mov"},
    ContainerMagic{{0, kEbml}, {}, "matroska"},
    ContainerMagic{{0, kFlv}, {}, "flv"},
    ContainerMagic{{0, "caff"}, {}, "caf"},
    ContainerMagic{{0, "TTA1"}, {}, "tta"},
    ContainerMagic{{0, "wvpk"}, {}, "wv"},
    ContainerMagic{{0, "MAC "}, {}, "ape"},
    ContainerMagic{{0, "#!AMR"}, {}, "amr"},
    ContainerMagic{{0, "DTSHDHDR"}, {}, "dtshd"},
    ContainerMagic{{0, "DSD "}, {}, "dsf"},
    ContainerMagic{{0, "FRM8"}, {12, "DSD "}, "iff"},
};

bool has(const QByteArray& head, const Magic& magic) {
    if (magic.bytes.empty())
        return true;
    const auto size = static_cast<qsizetype>(magic.bytes.size());
    return head.size() >= magic.offset + size &&
           std::string_view(head.constData() + magic.offset, magic.bytes.size()) == magic.bytes;
}

// Frame streams FFmpeg may recognise; anything else its probes name is not taken.
bool isFrameStream(std::string_view demuxer) {
    constexpr std::array<std::string_view, 8> kFrameStreams{"aac", "ac3",    "eac3",   "dts",
                                                            "mp3", "mpegts", "truehd", "mlp"};
    return std::find(kFrameStreams.begin(), kFrameStreams.end(), demuxer) != kFrameStreams.end();
}

qint64 syncSafe(const QByteArray& bytes, qint64 offset) {
    qint64 value = 0;
    for (qint64 index = 0; index < 4; ++index)
        value = (value << 7) | (static_cast<quint8>(bytes[offset + index]) & 0x7F);
    return value;
}

} // namespace

std::optional<QByteArray> containerDemuxer(const QByteArray& head) {
    // Wave64 starts with a GUID whose first bytes spell "riff".
    if (has(head, {0, "riff"}) && has(head, {4, kWave64Guid}))
        return QByteArray("w64");
    for (const ContainerMagic& container : kContainers) {
        if (has(head, container.first) && has(head, container.second))
            return QByteArray(container.demuxer);
    }
    return std::nullopt;
}

qint64 contentStart(const QByteArray& head) {
    constexpr qint64 kHeaderSize = 10;
    constexpr char kFooterFlag = 0x10;
    qint64 offset = 0;
    // Several tags may follow each other; each states its own size.
    while (offset + kHeaderSize <= head.size() && head.mid(offset, 3) == "ID3") {
        const qint64 size = syncSafe(head, offset + 6);
        const bool footer = (head[offset + 5] & kFooterFlag) != 0;
        offset += kHeaderSize + size + (footer ? kHeaderSize : 0);
    }
    return offset;
}

std::optional<QByteArray> frameStreamDemuxer(const QByteArray& bytes, bool wholeFile) {
    if (bytes.isEmpty())
        return std::nullopt;
    QByteArray padded = bytes;
    padded.append(QByteArray(AVPROBE_PADDING_SIZE, '\0'));
    AVProbeData probe{};
    probe.filename = ""; // the content alone decides, never the name
    probe.buf = reinterpret_cast<unsigned char*>(padded.data());
    probe.buf_size = static_cast<int>(bytes.size());
    int score = 0;
    const AVInputFormat* format = av_probe_input_format3(&probe, 1, &score);
    // With more of the file still unread, FFmpeg itself asks for a clear score before it trusts a probe.
    const int needed = wholeFile ? 0 : AVPROBE_SCORE_RETRY;
    if (!format || score <= needed || !isFrameStream(format->name))
        return std::nullopt;
    return QByteArray(format->name);
}

} // namespace containersniffer
