#include "FfmpegNames.h"

#include <map>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace ffmpegnames {
namespace {

QString mpegAudioName(const AVCodecParameters& parameters) {
    const char* layer = parameters.codec_id == AV_CODEC_ID_MP1   ? "I"
                        : parameters.codec_id == AV_CODEC_ID_MP2 ? "II"
                                                                 : "III";
    const int rate = parameters.sample_rate;
    const char* version = rate >= 32000 ? "1" : rate >= 16000 ? "2" : "2.5";
    return QStringLiteral("MPEG-%1 Layer %2").arg(QLatin1String(version), QLatin1String(layer));
}

const std::map<AVCodecID, const char*>& fixedNames() {
    static const std::map<AVCodecID, const char*> names{
        {AV_CODEC_ID_PCM_ALAW, "A-law"},
        {AV_CODEC_ID_PCM_MULAW, "\xC2\xB5-law"},
        {AV_CODEC_ID_VORBIS, "Ogg Vorbis"},
        {AV_CODEC_ID_FLAC, "FLAC"},
        {AV_CODEC_ID_OPUS, "Opus"},
        {AV_CODEC_ID_AAC, "AAC"},
        {AV_CODEC_ID_AC3, "Dolby Digital (AC-3)"},
        {AV_CODEC_ID_WMAV1, "Windows Media Audio 1"},
        {AV_CODEC_ID_WMAV2, "Windows Media Audio 2"},
        {AV_CODEC_ID_WMAPRO, "Windows Media Audio Professional"},
        {AV_CODEC_ID_WMALOSSLESS, "Windows Media Audio Lossless"},
        {AV_CODEC_ID_WMAVOICE, "Windows Media Audio Voice"},
        {AV_CODEC_ID_MUSEPACK7, "Musepack SV7"},
        {AV_CODEC_ID_MUSEPACK8, "Musepack SV8"},
        {AV_CODEC_ID_ADPCM_MS, "Microsoft ADPCM"},
        {AV_CODEC_ID_ADPCM_IMA_WAV, "IMA ADPCM"},
        {AV_CODEC_ID_ADPCM_IMA_QT, "IMA ADPCM"},
        {AV_CODEC_ID_GSM_MS, "GSM 6.10"},
        {AV_CODEC_ID_GSM, "GSM 6.10"},
        {AV_CODEC_ID_TRUESPEECH, "DSP Group TrueSpeech"},
        {AV_CODEC_ID_G723_1, "G.723.1"},
    };
    return names;
}

} // namespace

QString codecName(const AVCodecParameters& parameters) {
    const AVCodecID id = parameters.codec_id;
    if (id == AV_CODEC_ID_MP1 || id == AV_CODEC_ID_MP2 || id == AV_CODEC_ID_MP3)
        return mpegAudioName(parameters);
    if (id == AV_CODEC_ID_ADPCM_G726 || id == AV_CODEC_ID_ADPCM_G726LE)
        return QStringLiteral("G.726 ADPCM %1-bit").arg(parameters.bits_per_coded_sample);
    const auto fixed = fixedNames().find(id);
    if (fixed != fixedNames().end())
        return QString::fromUtf8(fixed->second);
    const int bits = av_get_exact_bits_per_sample(id);
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(id);
    if (bits > 0 && descriptor && QByteArray(descriptor->name).startsWith("pcm_")) {
        const bool isFloat = id == AV_CODEC_ID_PCM_F32LE || id == AV_CODEC_ID_PCM_F32BE ||
                             id == AV_CODEC_ID_PCM_F64LE || id == AV_CODEC_ID_PCM_F64BE;
        return sounddescription::pcmName(bits, isFloat);
    }
    if (descriptor && descriptor->long_name)
        return QString::fromUtf8(descriptor->long_name);
    return QString::fromLatin1(avcodec_get_name(id));
}

bool hasUsefulBitRate(AVCodecID id) {
    return av_get_exact_bits_per_sample(id) <= 0 && id != AV_CODEC_ID_FLAC && id != AV_CODEC_ID_WMALOSSLESS;
}

} // namespace ffmpegnames
