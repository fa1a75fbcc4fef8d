#include "ChannelLayouts.h"
#include "FormatRules.h"
#include "WriterFormat.h"
#include "core/components/common/ChannelText.h"

#include <QStringList>

#include <lame.h>

namespace {

QString mpegVersion(int sampleRate) {
    if (sampleRate >= 32000)
        return QStringLiteral("MPEG-1");
    return sampleRate >= 16000 ? QStringLiteral("MPEG-2") : QStringLiteral("MPEG-2.5");
}

QString mp3ChannelName(const WriterFormat& format) {
    switch (format.mp3.lameMode) {
    case JOINT_STEREO:
        return QStringLiteral("Joint Stereo");
    case DUAL_CHANNEL:
        return QStringLiteral("Dual Channel");
    case MONO:
        return channelCountText(1);
    default:
        return channelCountText(format.channels);
    }
}

QString mp3Mode(const Mp3Plan& plan) {
    switch (plan.vbrMode) {
    case vbr_off:
        return QStringLiteral("%1 kbit/s CBR").arg(plan.kbps);
    case vbr_abr:
        return QStringLiteral("%1 kbit/s ABR").arg(plan.kbps);
    default:
        return QStringLiteral("VBR quality %1").arg(plan.vbrQuality);
    }
}

QString vorbisMode(const VorbisSizing& sizing) {
    if (!sizing.managed())
        return QStringLiteral("quality %1 (VBR)").arg(sizing.quality / 1000.0, 0, 'f', 2);
    const bool hasMin = sizing.minimumKbps > 0;
    const bool hasMax = sizing.maximumKbps > 0;
    if (hasMin && hasMax && sizing.minimumKbps == sizing.nominalKbps && sizing.maximumKbps == sizing.nominalKbps)
        return QStringLiteral("%1 kbit/s CBR").arg(sizing.nominalKbps);
    QString text = QStringLiteral("%1 kbit/s nominal").arg(sizing.nominalKbps);
    if (!hasMin && !hasMax)
        return text + QStringLiteral(" (VBR)");
    if (hasMin)
        text += QStringLiteral(", min %1").arg(sizing.minimumKbps);
    if (hasMax)
        text += QStringLiteral(", max %1").arg(sizing.maximumKbps);
    return text + QStringLiteral(" kbit/s (managed VBR)");
}

QString codecName(const WriterFormat& format) {
    switch (format.codec) {
    case OutputCodec::PcmWav:
        return QStringLiteral("PCM %1-bit").arg(format.bits);
    case OutputCodec::Raw:
        return QStringLiteral("RAW PCM 16-bit signed little-endian (no header)");
    case OutputCodec::AdpcmWav:
        return QStringLiteral("Microsoft ADPCM 4-bit");
    case OutputCodec::GsmWav:
        return QStringLiteral("GSM 6.10");
    case OutputCodec::Vox:
        return QStringLiteral("Dialogic VOX ADPCM 4-bit (no header)");
    case OutputCodec::DspWav:
        return QStringLiteral("DSP Group TrueSpeech");
    case OutputCodec::Mp2:
        return mpegVersion(format.sampleRate) + QStringLiteral(" Layer II");
    case OutputCodec::Mp3:
        return mpegVersion(format.sampleRate) + QStringLiteral(" Layer III");
    case OutputCodec::OggVorbis:
        return QStringLiteral("Ogg Vorbis");
    case OutputCodec::Wma:
        return QStringLiteral("WMA");
    case OutputCodec::G72xAu:
        if (format.g72xStandard == 721)
            return QStringLiteral("G.721 (32 kbit/s) in Sun AU");
        return QStringLiteral("G.%1 %2-bit (%3 kbit/s) in Sun AU")
            .arg(format.g72xStandard)
            .arg(format.bits)
            .arg(format.bits * 8);
    case OutputCodec::G726Wav:
        return QStringLiteral("G.726 2-bit (16 kbit/s) in WAV");
    case OutputCodec::Flac:
        return QStringLiteral("FLAC level %1").arg(format.flacLevel);
    case OutputCodec::Alac:
        return QStringLiteral("Apple Lossless (ALAC)");
    case OutputCodec::Aac:
        return QStringLiteral("AAC LC in MP4");
    case OutputCodec::Opus:
        return QStringLiteral("Opus");
    }
    return {};
}

// The part between the codec name and the sample rate, where a codec has a bit rate or mode to state.
QString sizing(const WriterFormat& format) {
    switch (format.codec) {
    case OutputCodec::Mp2:
        return QStringLiteral("%1 kbit/s CBR").arg(format.kbps);
    case OutputCodec::Mp3:
        return mp3Mode(format.mp3);
    case OutputCodec::OggVorbis:
        return vorbisMode(format.vorbis);
    case OutputCodec::DspWav:
        return QStringLiteral("8.5 kbit/s");
    case OutputCodec::GsmWav:
        return QStringLiteral("%1 kbit/s").arg(format.sampleRate * 13 / 8000.0, 0, 'f', 1);
    case OutputCodec::Aac:
        return QStringLiteral("%1 kbit/s").arg(format.kbps);
    case OutputCodec::Opus:
        return QStringLiteral("%1 kbit/s VBR (%2)")
            .arg(format.kbps)
            .arg(format.speech ? QStringLiteral("speech") : QStringLiteral("music"));
    default:
        return {};
    }
}

// The channels of a format with a channel choice, and what becomes of the input's.
QString chosenChannelsText(const WriterFormat& format, DescribedInput input) {
    if (format.keepsChannels) {
        if (input.channels <= 0)
            return QStringLiteral("channels kept (up to 7.1)");
        const WriterFormat kept = formatrules::withKeptChannels(format, input.channels, input.mask);
        if (!kept.keepsChannels)
            return QStringLiteral("%1 mixed to stereo").arg(channellayout::layoutName(input.channels, input.mask));
        if (kept.channels == 1)
            return QStringLiteral("1 channel kept (mono)");
        return QStringLiteral("%1 channels kept (%2)")
            .arg(kept.channels)
            .arg(channellayout::layoutName(kept.channels, kept.channelMask));
    }
    if (input.channels > 2)
        return QStringLiteral("%1 mixed to %2")
            .arg(channellayout::layoutName(input.channels, input.mask),
                 format.channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo"));
    return channelCountText(format.channels);
}

// A kept layout's bit rate, which counts per stereo pair.
QString perPairSizing(const WriterFormat& format, DescribedInput input) {
    if (format.codec == OutputCodec::OggVorbis && !format.vorbis.managed())
        return sizing(format);
    if (input.channels <= 0)
        return sizing(format) + QStringLiteral(" per channel pair");
    const WriterFormat kept = formatrules::withKeptChannels(format, input.channels, input.mask);
    return sizing(kept);
}

} // namespace

QString describeFormat(const WriterFormat& format, bool codecOnly, DescribedInput input) {
    const QString codec = codecName(format);
    if (codecOnly)
        return codec;
    // WMA is described as its profile, in the wording of the profile list.
    if (format.codec == OutputCodec::Wma)
        return codec + QLatin1Char(' ') +
               formatrules::wmaProfileDescription({format.kbps, format.sampleRate, format.channels});
    // A lossless output is whatever its source is, up to two channels; the panel's rate and channels do not apply.
    if (format.followsSource && !format.channelsChosen)
        return codec + QStringLiteral(", source rate, channels and bits (more than two channels mixed to stereo)");
    if (format.followsSource)
        return codec + QStringLiteral(", source rate and bits, ") + chosenChannelsText(format, input);
    QStringList parts{codec};
    const QString size =
        format.keepsChannels && !sizing(format).isEmpty() ? perPairSizing(format, input) : sizing(format);
    if (!size.isEmpty())
        parts << size;
    parts << QStringLiteral("%1 Hz").arg(format.sampleRate);
    if (format.channelsChosen)
        parts << chosenChannelsText(format, input);
    else
        parts << (format.codec == OutputCodec::Mp3 ? mp3ChannelName(format) : channelCountText(format.channels));
    return parts.join(QStringLiteral(", "));
}
