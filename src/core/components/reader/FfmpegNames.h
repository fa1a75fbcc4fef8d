#pragma once

#include "SoundDescription.h"

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavcodec/codec_par.h>
}

// Readable names of FFmpeg's codecs for the one-line source descriptions.
namespace ffmpegnames {

QString codecName(const AVCodecParameters& parameters);
// False for codecs whose bit rate follows from the format alone (PCM and the like), which the text leaves out.
bool hasUsefulBitRate(AVCodecID id);

} // namespace ffmpegnames
