#include "SourceOpener.h"

#include "ContainerSniffer.h"
#include "DspAdpcmDecoder.h"
#include "FfmpegDecoder.h"
#include "G726Decoder.h"
#include "SndfileDecoder.h"
#include "VorbisfileDecoder.h"
#include "core/components/ComponentError.h"
#include "core/components/ProbedSource.h"
#include "core/components/common/HeaderlessInfo.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <map>
#include <sndfile.h>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace {

constexpr qint64 kSniffBytes = 64 * 1024;
constexpr quint16 kWaveG721Tag = 0x0040;
constexpr quint32 kAuUnknownSize = 0xFFFFFFFF;

QString shortName(const QString& fileName) {
    return QFileInfo(fileName).fileName();
}

// The format tag of a RIFF/WAVE file's fmt chunk, when it lies within the sniffed bytes.
std::optional<quint16> waveFormatTag(const QByteArray& bytes) {
    qint64 offset = 12;
    while (offset + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(static_cast<int>(offset), 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + offset + 4);
        if (id == "fmt " && offset + 10 <= bytes.size())
            return qFromLittleEndian<quint16>(bytes.constData() + offset + 8);
        offset += 8 + static_cast<qint64>(size) + (size & 1);
    }
    return std::nullopt;
}

// Where a RIFF/WAVE file's fmt chunk starts and the size it claims, when its header lies within the sniffed bytes.
struct WaveFormatChunk {
    qint64 offset = 0;
    quint32 size = 0;
};
std::optional<WaveFormatChunk> waveFormatChunk(const QByteArray& bytes) {
    qint64 offset = 12;
    while (offset + 8 <= bytes.size()) {
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + offset + 4);
        if (bytes.mid(static_cast<int>(offset), 4) == "fmt ")
            return WaveFormatChunk{offset, size};
        offset += 8 + static_cast<qint64>(size) + (size & 1);
    }
    return std::nullopt;
}

bool isMpegAudioSync(const QByteArray& bytes) {
    if (bytes.size() < 4)
        return false;
    const auto first = static_cast<quint8>(bytes[0]);
    const auto second = static_cast<quint8>(bytes[1]);
    const auto third = static_cast<quint8>(bytes[2]);
    const bool layerValid = (second & 0x06) != 0;
    const bool versionValid = (second & 0x18) != 0x08;
    const bool bitrateValid = (third & 0xF0) != 0xF0;
    const bool rateValid = (third & 0x0C) != 0x0C;
    return first == 0xFF && (second & 0xE0) == 0xE0 && layerValid && versionValid && bitrateValid && rateValid;
}

std::unique_ptr<SourceDecoder> openFfmpeg(const QString& fileName, const QByteArray& demuxer, int threads,
                                          std::optional<int> soundTrack = std::nullopt) {
    FfmpegInput input{fileName, demuxer, {}, threads};
    input.soundTrack = soundTrack;
    return std::make_unique<FfmpegDecoder>(std::move(input));
}

// What the identification header of an Ogg Vorbis stream states, when the file's first page holds one.
struct VorbisIdentification {
    int channels = 0;
    qint64 nominalBitsPerSecond = 0;
};

std::optional<VorbisIdentification> vorbisIdentification(const QByteArray& bytes) {
    constexpr int kPageHeader = 27;
    if (bytes.size() < kPageHeader || !bytes.startsWith("OggS"))
        return std::nullopt;
    const int packet = kPageHeader + static_cast<quint8>(bytes[26]);
    constexpr int kIdentificationSize = 30;
    if (bytes.size() < packet + kIdentificationSize || bytes.mid(packet, 7) != QByteArray("\x01vorbis", 7))
        return std::nullopt;
    VorbisIdentification identification;
    identification.channels = static_cast<quint8>(bytes[packet + 11]);
    // A nominal rate of zero or below states nothing; one beyond what Vorbis can make is damage.
    constexpr qint32 kHighestNominal = 2'000'000;
    const auto nominal = qFromLittleEndian<qint32>(bytes.constData() + packet + 20);
    identification.nominalBitsPerSecond = nominal > 0 && nominal <= kHighestNominal ? nominal : 0;
    return identification;
}

// Ogg Vorbis goes to libvorbisfile, which cuts the sound where the stream says it ends. Streams of more than two
// channels go to FFmpeg, which mixes them down, and so do chained streams and others libvorbisfile refuses.
std::unique_ptr<SourceDecoder> openOggVorbis(const QString& fileName, const VorbisIdentification& identification) {
    if (identification.channels < 1 || identification.channels > 2)
        return nullptr;
    try {
        return std::make_unique<VorbisfileDecoder>(fileName, identification.nominalBitsPerSecond);
    } catch (const ComponentError&) {
        return nullptr;
    }
}

// Sun AU: G.72x encodings go to spandsp, everything else to FFmpeg.
std::unique_ptr<SourceDecoder> openAu(const QString& fileName, const QByteArray& bytes, qint64 fileSize, int threads) {
    static const std::map<quint32, int> g72xBits{{23, 4}, {25, 3}, {26, 5}};
    if (bytes.size() < 24)
        throw ComponentError(
            QCoreApplication::translate("Components", "The file \"%1\" is cut short.").arg(shortName(fileName)),
            LastError::CorruptData);
    const auto field = [&](int offset) { return qFromBigEndian<quint32>(bytes.constData() + offset); };
    const auto g72x = g72xBits.find(field(12));
    if (g72x == g72xBits.end())
        return openFfmpeg(fileName, "au", threads);
    const qint64 offset = field(4);
    const quint32 statedSize = field(8);
    const auto rate = static_cast<qint64>(field(16));
    const quint32 channels = field(20);
    if (offset < 24 || offset > fileSize || rate < 1000 || rate > 384000)
        throw ComponentError(
            QCoreApplication::translate("Components", "The file \"%1\" has a damaged header.").arg(shortName(fileName)),
            LastError::CorruptData);
    if (channels != 1)
        throw ComponentError(QCoreApplication::translate(
                                 "Components", "The file \"%1\" holds G.72x sound in %2 channels; only mono is read.")
                                 .arg(shortName(fileName))
                                 .arg(channels),
                             LastError::UnsupportedFormat);
    const qint64 available = fileSize - offset;
    const qint64 size = statedSize == kAuUnknownSize ? available : std::min<qint64>(statedSize, available);
    const int bits = g72x->second;
    const QString name = bits == 4 ? QStringLiteral("G.721 ADPCM") : QStringLiteral("G.723 ADPCM %1-bit").arg(bits);
    return std::make_unique<G726Decoder>(fileName, G726Layout{offset, size, bits, static_cast<int>(rate), name});
}

std::unique_ptr<SourceDecoder> openWave(const QString& fileName, const QByteArray& bytes, qint64 fileSize,
                                        int threads) {
    // FFmpeg would try to hold a format chunk of any claimed size in memory and report only that it could not.
    if (const auto format = waveFormatChunk(bytes); format && format->offset + 8 + format->size > fileSize)
        throw ComponentError(QCoreApplication::translate(
                                 "Components", "The file \"%1\" is damaged: its format chunk (\"fmt \") claims %2 "
                                               "bytes, more than the file holds (%3 bytes).")
                                 .arg(shortName(fileName))
                                 .arg(format->size)
                                 .arg(fileSize),
                             LastError::CorruptData);
    if (waveFormatTag(bytes) == kWaveG721Tag)
        return std::make_unique<SndfileDecoder>(fileName, std::nullopt, QStringLiteral("G.721 ADPCM"), 4);
    return openFfmpeg(fileName, "wav", threads);
}

QByteArray channelLayoutName(int channels) {
    AVChannelLayout layout{};
    av_channel_layout_default(&layout, channels);
    char name[64] = {};
    av_channel_layout_describe(&layout, name, sizeof name);
    av_channel_layout_uninit(&layout);
    return QByteArray(name);
}

std::unique_ptr<SourceDecoder> openRawPcm(const QString& fileName, int rate, int channels, int threads) {
    FfmpegInput input{fileName, "s16le", {}, threads};
    input.options = {{"sample_rate", QByteArray::number(rate)}, {"ch_layout", channelLayoutName(channels)}};
    return std::make_unique<FfmpegDecoder>(std::move(input));
}

std::unique_ptr<SourceDecoder> openVox(const QString& fileName, int rate) {
    return std::make_unique<SndfileDecoder>(fileName, SndfileRawFormat{SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM, rate, 1},
                                            QStringLiteral("Dialogic VOX ADPCM"), 4);
}

// Files without any header, known by their extension alone.
std::unique_ptr<SourceDecoder> openHeaderless(const QString& fileName, const QString& extension, qint64 fileSize,
                                              int threads) {
    const std::optional<HeaderlessInfo> recorded = readHeaderlessInfo(fileName);
    if (recorded && recorded->sampleType == QLatin1String("s16le"))
        return openRawPcm(fileName, recorded->sampleRate, recorded->channels, threads);
    if (recorded && recorded->sampleType == QLatin1String("vox") && recorded->channels == 1)
        return openVox(fileName, recorded->sampleRate);
    if (extension == QLatin1String("raw"))
        return openRawPcm(fileName, 44100, 2, threads);
    if (extension == QLatin1String("vox"))
        return openVox(fileName, 8000);
    static const std::map<QString, std::pair<int, const char*>> g72x{
        {QStringLiteral("g721"), {4, "G.721 ADPCM"}},
        {QStringLiteral("g723"), {3, "G.723 ADPCM 3-bit"}},
        {QStringLiteral("g726"), {4, "G.726 ADPCM 4-bit"}},
    };
    const auto kind = g72x.find(extension);
    if (kind == g72x.end())
        return nullptr;
    return std::make_unique<G726Decoder>(
        fileName, G726Layout{0, fileSize, kind->second.first, 8000, QString::fromLatin1(kind->second.second)});
}

bool isMpegAudioExtension(const QString& extension) {
    static const QStringList extensions{QStringLiteral("mp1"), QStringLiteral("mp2"),  QStringLiteral("mp3"),
                                        QStringLiteral("mpa"), QStringLiteral("mpga"), QStringLiteral("mpeg"),
                                        QStringLiteral("mpg")};
    return extensions.contains(extension);
}

} // namespace

void checkReadableFile(const QString& fileName) {
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists())
        throw ComponentError(Messages::FileDoesNotExist().arg(fileName), LastError::FileNotFound);
    if (info.isDir())
        throw ComponentError(
            QCoreApplication::translate("Components", "\"%1\" is a folder, not a sound file.").arg(info.fileName()),
            LastError::UnknownFormat);
    // A pipe would block the open until someone writes into it, and a device may never end.
    if (!info.isFile())
        throw ComponentError(
            QCoreApplication::translate("Components", "\"%1\" is not a regular file (a pipe, socket or device).")
                .arg(info.fileName()),
            LastError::UnknownFormat);
    if (!info.isReadable())
        throw ComponentError(Messages::FileAccessDenied().arg(info.fileName()), LastError::AccessDenied);
}

namespace {

// The first bytes of a file, and those where its content starts behind any ID3v2 tags.
struct SourceHead {
    QByteArray start;
    QByteArray content;
    qint64 contentOffset = 0;
    qint64 fileSize = 0;
    bool wholeContent = false; // content holds everything to the end of the file
};

SourceHead readHead(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ComponentError(Messages::FileCannotBeReadBecause().arg(shortName(fileName), file.errorString()),
                             LastError::AccessDenied);
    SourceHead head;
    head.fileSize = file.size();
    head.start = file.read(kSniffBytes);
    if (head.start.isEmpty())
        throw ComponentError(Messages::FileIsEmpty().arg(shortName(fileName)), LastError::CorruptData);
    head.contentOffset = containersniffer::contentStart(head.start);
    if (head.contentOffset == 0)
        head.content = head.start;
    else if (head.contentOffset < head.fileSize && file.seek(head.contentOffset))
        head.content = file.read(kSniffBytes);
    head.wholeContent = head.contentOffset + head.content.size() >= head.fileSize;
    return head;
}

// The FFmpeg demuxer the content names, for audio and video files alike.
std::optional<QByteArray> ffmpegDemuxerByContent(const SourceHead& head) {
    if (auto container = containersniffer::containerDemuxer(head.content))
        return container;
    if (isMpegAudioSync(head.content))
        return QByteArray("mp3");
    return containersniffer::frameStreamDemuxer(head.content, head.wholeContent);
}

} // namespace

QByteArray demuxerByContent(const QString& fileName) {
    const SourceHead head = readHead(fileName);
    if (auto demuxer = ffmpegDemuxerByContent(head))
        return *demuxer;
    throw ComponentError(
        QCoreApplication::translate("Components", "The file \"%1\" is not in a known sound or video format.")
            .arg(shortName(fileName)),
        LastError::UnknownFormat);
}

std::unique_ptr<SourceDecoder> openSourceDecoder(const QString& fileName, int decoderThreads,
                                                 const ProbedSource* probed, std::optional<int> soundTrack) {
    if (probed && !probed->ffmpegDemuxer.isEmpty() && probed->stillDescribes(fileName))
        return std::make_unique<FfmpegDecoder>(
            FfmpegInput{fileName,
                        probed->ffmpegDemuxer,
                        {},
                        decoderThreads,
                        FfmpegProbe{probed->plainSamples, probed->lengthFrames, probed->lengthExact},
                        soundTrack});
    const SourceHead head = readHead(fileName);
    if (const std::optional<QByteArray> demuxer = containersniffer::containerDemuxer(head.content)) {
        // Our own readers of WAV and AU take the header at the start of the file; FFmpeg skips a tag before it.
        if (*demuxer == "wav" && head.contentOffset == 0)
            return openWave(fileName, head.content, head.fileSize, decoderThreads);
        if (*demuxer == "au" && head.contentOffset == 0)
            return openAu(fileName, head.content, head.fileSize, decoderThreads);
        if (const auto vorbis = vorbisIdentification(head.content); vorbis && head.contentOffset == 0)
            if (auto decoder = openOggVorbis(fileName, *vorbis))
                return decoder;
        return openFfmpeg(fileName, *demuxer, decoderThreads, soundTrack);
    }
    if (const std::optional<DspHeader> dsp = DspHeader::parse(head.start))
        return std::make_unique<DspAdpcmDecoder>(fileName, *dsp);

    // Headerless sound may start with bytes that look like a frame's sync word, so that weak sign counts only for
    // files that are not known to be headerless.
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (auto headerless = openHeaderless(fileName, extension, head.fileSize, decoderThreads))
        return headerless;
    // MPEG audio may begin with junk before its first frame; FFmpeg's MPEG audio reader finds the frames.
    if (isMpegAudioSync(head.content))
        return openFfmpeg(fileName, "mp3", decoderThreads);
    if (const std::optional<QByteArray> stream = containersniffer::frameStreamDemuxer(head.content, head.wholeContent))
        return openFfmpeg(fileName, *stream, decoderThreads);
    if (isMpegAudioExtension(extension))
        return openFfmpeg(fileName, "mp3", decoderThreads);
    throw ComponentError(QCoreApplication::translate("Components", "The file \"%1\" is not in a known sound format.")
                             .arg(shortName(fileName)),
                         LastError::UnknownFormat);
}
