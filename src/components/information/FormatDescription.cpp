#include "FormatDescription.h"

// TagLib's property headers rely on tfile.h having been included first.
#include <taglib/tfile.h>

#include <taglib/aiffproperties.h>
#include <taglib/asfproperties.h>
#include <taglib/flacproperties.h>
#include <taglib/mp4properties.h>
#include <taglib/mpcproperties.h>
#include <taglib/mpegproperties.h>
#include <taglib/opusproperties.h>
#include <taglib/vorbisproperties.h>
#include <taglib/wavproperties.h>

#include <QStringList>

namespace {

QString mpegName(const TagLib::MPEG::Properties& properties) {
    static const char* const versions[] = {"MPEG-1", "MPEG-2", "MPEG-2.5"};
    static const char* const layers[] = {"", "I", "II", "III"};
    const int layer = properties.layer();
    return QStringLiteral("%1 Layer %2")
        .arg(QLatin1String(versions[static_cast<int>(properties.version())]),
             QLatin1String(layer >= 1 && layer <= 3 ? layers[layer] : "?"));
}

QString wavName(const TagLib::RIFF::WAV::Properties& properties) {
    QString codec;
    switch (properties.format()) {
    case 0x0001:
        codec = QStringLiteral("PCM %1 bit").arg(properties.bitsPerSample());
        break;
    case 0x0002:
        codec = QStringLiteral("Microsoft ADPCM");
        break;
    case 0x0003:
        codec = QStringLiteral("IEEE float %1 bit").arg(properties.bitsPerSample());
        break;
    case 0x0006:
        codec = QStringLiteral("A-law");
        break;
    case 0x0007:
        codec = QStringLiteral("mu-law");
        break;
    case 0x0011:
        codec = QStringLiteral("IMA ADPCM");
        break;
    case 0x0022:
        codec = QStringLiteral("DSP Group TrueSpeech");
        break;
    case 0x0031:
        codec = QStringLiteral("GSM 6.10");
        break;
    case 0x0040:
        codec = QStringLiteral("G.721 ADPCM");
        break;
    case 0x0055:
        codec = QStringLiteral("MPEG Layer III");
        break;
    case 0xFFFE:
        codec = QStringLiteral("extensible %1 bit").arg(properties.bitsPerSample());
        break;
    default:
        codec = QStringLiteral("format 0x%1").arg(properties.format(), 4, 16, QLatin1Char('0'));
        break;
    }
    return QStringLiteral("WAV %1").arg(codec);
}

QString codecName(const TagLib::AudioProperties& properties) {
    if (const auto* mpeg = dynamic_cast<const TagLib::MPEG::Properties*>(&properties)) {
        return mpegName(*mpeg);
    }
    if (const auto* wav = dynamic_cast<const TagLib::RIFF::WAV::Properties*>(&properties)) {
        return wavName(*wav);
    }
    if (const auto* asf = dynamic_cast<const TagLib::ASF::Properties*>(&properties)) {
        const QString name = QString::fromStdWString(asf->codecName().toWString()).trimmed();
        return name.isEmpty() ? QStringLiteral("Windows Media Audio") : name;
    }
    if (dynamic_cast<const TagLib::Vorbis::Properties*>(&properties) != nullptr) {
        return QStringLiteral("Ogg Vorbis");
    }
    if (dynamic_cast<const TagLib::Ogg::Opus::Properties*>(&properties) != nullptr) {
        return QStringLiteral("Ogg Opus");
    }
    if (dynamic_cast<const TagLib::FLAC::Properties*>(&properties) != nullptr) {
        return QStringLiteral("FLAC");
    }
    if (dynamic_cast<const TagLib::RIFF::AIFF::Properties*>(&properties) != nullptr) {
        return QStringLiteral("AIFF");
    }
    if (dynamic_cast<const TagLib::MPC::Properties*>(&properties) != nullptr) {
        return QStringLiteral("Musepack");
    }
    if (dynamic_cast<const TagLib::MP4::Properties*>(&properties) != nullptr) {
        return QStringLiteral("MPEG-4 Audio");
    }
    return QStringLiteral("Audio");
}

QString channelText(int channels) {
    switch (channels) {
    case 1:
        return QStringLiteral("Mono");
    case 2:
        return QStringLiteral("Stereo");
    default:
        return QStringLiteral("%1 channels").arg(channels);
    }
}

} // namespace

QString formatDescription(const TagLib::File& file) {
    const TagLib::AudioProperties* properties = file.audioProperties();
    if (properties == nullptr) {
        return {};
    }
    QStringList parts{codecName(*properties)};
    if (properties->bitrate() > 0) {
        parts << QStringLiteral("%1 kbit/s").arg(properties->bitrate());
    }
    if (properties->sampleRate() > 0) {
        parts << QStringLiteral("%1 Hz").arg(properties->sampleRate());
    }
    if (properties->channels() > 0) {
        parts << channelText(properties->channels());
    }
    return parts.join(QStringLiteral(", "));
}
