#include "EncoderAvailability.h"

#include "core/components/common/LameHandles.h"

#include <lame.h>
#include <memory>
#include <sndfile.h>
#include <vorbis/vorbisenc.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

bool hasEncoder(const char* name) {
    return avcodec_find_encoder_by_name(name) != nullptr;
}

bool hasMuxer(const char* name) {
    return av_guess_format(name, nullptr, nullptr) != nullptr;
}

bool sndfileWrites(int format, int channels) {
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = channels;
    info.format = format;
    return sf_format_check(&info) != 0;
}

bool lameWorks() {
    const LameEncoderHandle encoder(lame_init());
    return encoder && lame_init_params(encoder.get()) >= 0;
}

bool vorbisWorks() {
    vorbis_info info;
    vorbis_info_init(&info);
    const bool works = vorbis_encode_init_vbr(&info, 2, 44100, 0.4f) == 0;
    vorbis_info_clear(&info);
    return works;
}

} // namespace

QStringList missingEncoders() {
    QStringList missing;
    const auto require = [&missing](bool present, const char* what) {
        if (!present)
            missing << QString::fromLatin1(what);
    };
    require(hasEncoder("wmav2"), "WMA encoder (FFmpeg wmav2)");
    require(hasMuxer("asf"), "ASF container (FFmpeg asf muxer)");
    require(hasEncoder("libtwolame") || hasEncoder("mp2"), "MP2 encoder (FFmpeg libtwolame or mp2)");
    require(hasMuxer("mp2"), "MP2 container (FFmpeg mp2 muxer)");
    require(hasEncoder("g726") && hasMuxer("wav"), "G.726 encoder in WAV (FFmpeg g726, wav muxer)");
    require(hasEncoder("alac") && hasEncoder("aac") && hasMuxer("ipod"),
            "ALAC and AAC encoders in MP4 (FFmpeg alac, aac, ipod muxer)");
    require(lameWorks(), "MP3 encoder (LAME)");
    require(vorbisWorks(), "Ogg Vorbis encoder (libvorbisenc)");
    require(sndfileWrites(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2), "PCM WAV writer (libsndfile)");
    require(sndfileWrites(SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 2), "Microsoft ADPCM WAV (libsndfile)");
    require(sndfileWrites(SF_FORMAT_WAV | SF_FORMAT_GSM610, 1), "GSM 6.10 WAV (libsndfile)");
    require(sndfileWrites(SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM, 1), "Dialogic VOX ADPCM (libsndfile)");
    return missing;
}
