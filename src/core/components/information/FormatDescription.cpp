#include "FormatDescription.h"

#include "core/components/common/ChannelText.h"

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

#include <QMap>
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
    // Codec names by WAVE format tag; "%1" takes the bits per sample where they say something.
    static const QMap<int, const char*> names{
        {0x0001, "PCM %1 bit"},  {0x0002, "Microsoft ADPCM"}, {0x0003, "IEEE float %1 bit"},    {0x0006, "A-law"},
        {0x0007, "mu-law"},      {0x0011, "IMA ADPCM"},       {0x0022, "DSP Group TrueSpeech"}, {0x0031, "GSM 6.10"},
        {0x0040, "G.721 ADPCM"}, {0x0055, "MPEG Layer III"},  {0xFFFE, "extensible %1 bit"}};
    const int format = properties.format();
    const auto name = names.constFind(format);
    if (name == names.constEnd()) {
        return QStringLiteral("WAV format 0x%1").arg(format, 4, 16, QLatin1Char('0'));
    }
    QString codec = QString::fromUtf8(*name);
    if (codec.contains(QLatin1String("%1"))) {
        codec = codec.arg(properties.bitsPerSample());
    }
    return QStringLiteral("WAV ") + codec;
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
        parts << channelCountText(properties->channels());
    }
    return parts.join(QStringLiteral(", "));
}
