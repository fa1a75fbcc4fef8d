#include "SourceOpener.h"

#include "DspAdpcmDecoder.h"
#include "FfmpegDecoder.h"
#include "G726Decoder.h"
#include "SndfileDecoder.h"
#include "components/ComponentError.h"
#include "components/common/HeaderlessInfo.h"

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

bool startsWith(const QByteArray& bytes, int offset, const char* text) {
    return bytes.mid(offset, static_cast<int>(qstrlen(text))) == text;
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

// A container FFmpeg reads, recognised by its magic; the string is the demuxer, empty for FFmpeg to tell apart
// what one magic may start (an ID3 tag before MPEG audio or Musepack).
std::optional<QByteArray> containerByMagic(const QByteArray& bytes) {
    static const QByteArray asfGuid = QByteArray::fromHex("3026B2758E66CF11");
    if ((startsWith(bytes, 0, "RIFF") || startsWith(bytes, 0, "RF64")) && startsWith(bytes, 8, "WAVE"))
        return QByteArray("wav");
    if (startsWith(bytes, 0, "RIFF") && startsWith(bytes, 8, "AVI "))
        return QByteArray("avi");
    if (startsWith(bytes, 0, "FORM") && (startsWith(bytes, 8, "AIFF") || startsWith(bytes, 8, "AIFC")))
        return QByteArray("aiff");
    if (startsWith(bytes, 0, ".snd"))
        return QByteArray("au");
    if (startsWith(bytes, 0, "OggS"))
        return QByteArray("ogg");
    if (startsWith(bytes, 0, "MPCK"))
        return QByteArray("mpc8");
    if (startsWith(bytes, 0, "MP+"))
        return QByteArray("mpc");
    if (startsWith(bytes, 0, "fLaC"))
        return QByteArray("flac");
    if (bytes.startsWith(asfGuid))
        return QByteArray("asf");
    if (bytes.startsWith(QByteArray::fromHex("000001BA")))
        return QByteArray("mpeg");
    for (const char* atom : {"ftyp", "moov", "mdat"}) {
        if (startsWith(bytes, 4, atom))
            return QByteArray("mov");
    }
    if (startsWith(bytes, 0, "ID3") || bytes.startsWith(QByteArray::fromHex("000001B3")))
        return QByteArray();
    return std::nullopt;
}

std::unique_ptr<SourceDecoder> openFfmpeg(const QString& fileName, const QByteArray& demuxer, int threads) {
    return std::make_unique<FfmpegDecoder>(FfmpegInput{fileName, demuxer, {}, threads});
}

// Sun AU: G.72x encodings go to spandsp, everything else to FFmpeg.
std::unique_ptr<SourceDecoder> openAu(const QString& fileName, const QByteArray& bytes, qint64 fileSize, int threads) {
    static const std::map<quint32, int> g72xBits{{23, 4}, {25, 3}, {26, 5}};
    if (bytes.size() < 24)
        throw ComponentError(QStringLiteral("The file \"%1\" is cut short.").arg(shortName(fileName)),
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
        throw ComponentError(QStringLiteral("The file \"%1\" has a damaged header.").arg(shortName(fileName)),
                             LastError::CorruptData);
    if (channels != 1)
        throw ComponentError(QStringLiteral("The file \"%1\" holds G.72x sound in %2 channels; only mono is read.")
                                 .arg(shortName(fileName))
                                 .arg(channels),
                             LastError::UnsupportedFormat);
    const qint64 available = fileSize - offset;
    const qint64 size = statedSize == kAuUnknownSize ? available : std::min<qint64>(statedSize, available);
    const int bits = g72x->second;
    const QString name = bits == 4 ? QStringLiteral("G.721 ADPCM") : QStringLiteral("G.723 ADPCM %1-bit").arg(bits);
    return std::make_unique<G726Decoder>(fileName, G726Layout{offset, size, bits, static_cast<int>(rate), name});
}

std::unique_ptr<SourceDecoder> openWave(const QString& fileName, const QByteArray& bytes, int threads) {
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
        throw ComponentError(QStringLiteral("The file \"%1\" does not exist.").arg(fileName), LastError::FileNotFound);
    if (info.isDir())
        throw ComponentError(QStringLiteral("\"%1\" is a folder, not a sound file.").arg(info.fileName()),
                             LastError::UnknownFormat);
    if (!info.isReadable())
        throw ComponentError(QStringLiteral("The file \"%1\" cannot be read: access denied.").arg(info.fileName()),
                             LastError::AccessDenied);
}

std::unique_ptr<SourceDecoder> openSourceDecoder(const QString& fileName, int decoderThreads) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ComponentError(
            QStringLiteral("The file \"%1\" cannot be read: %2.").arg(shortName(fileName), file.errorString()),
            LastError::AccessDenied);
    const qint64 fileSize = file.size();
    const QByteArray bytes = file.read(kSniffBytes);
    file.close();
    if (bytes.isEmpty())
        throw ComponentError(QStringLiteral("The file \"%1\" is empty.").arg(shortName(fileName)),
                             LastError::CorruptData);

    if (const std::optional<QByteArray> demuxer = containerByMagic(bytes)) {
        if (*demuxer == "wav")
            return openWave(fileName, bytes, decoderThreads);
        if (*demuxer == "au")
            return openAu(fileName, bytes, fileSize, decoderThreads);
        return openFfmpeg(fileName, *demuxer, decoderThreads);
    }
    if (const std::optional<DspHeader> dsp = DspHeader::parse(bytes))
        return std::make_unique<DspAdpcmDecoder>(fileName, *dsp);

    // Headerless sound may start with bytes that look like an MPEG frame header, so that weak sign counts only
    // for files that are not known to be headerless.
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (auto headerless = openHeaderless(fileName, extension, fileSize, decoderThreads))
        return headerless;
    // MPEG audio may begin with junk before its first frame; FFmpeg's MPEG audio reader finds the frames.
    if (isMpegAudioSync(bytes) || isMpegAudioExtension(extension))
        return openFfmpeg(fileName, "mp3", decoderThreads);
    throw ComponentError(QStringLiteral("The file \"%1\" is not in a known sound format.").arg(shortName(fileName)),
                         LastError::UnknownFormat);
}
