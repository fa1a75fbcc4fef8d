#pragma once

extern "C" {
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

// Every change of sample rate goes through the SoX resampler at very high quality: 28 bits of precision (about
// 170 dB of stop-band rejection) and a pass band flat to 95 % of the lower Nyquist frequency, as `sox rate -v`.
// libswresample's own filter lets aliases through at -90 dB and rolls off early. Set on an allocated context before
// swr_init; returns the first negative libav error code, or 0.
inline int chooseHighQualityResampler(SwrContext* context) {
    int result = av_opt_set(context, "resampler", "soxr", 0);
    if (result >= 0)
        result = av_opt_set_double(context, "precision", 28.0, 0);
    if (result >= 0)
        result = av_opt_set_double(context, "cutoff", 0.95, 0);
    return result < 0 ? result : 0;
}
