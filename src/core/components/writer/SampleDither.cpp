#include "SampleDither.h"

#include "core/components/ComponentError.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <QCoreApplication>

#include <cmath>

namespace {

[[noreturn]] void ditherFailure(int code) {
    throw ComponentError(QCoreApplication::translate("Components", "Dither failed: %1").arg(ffmpegErrorText(code)),
                         LastError::EncoderFailure);
}

} // namespace

SampleDither::SampleDither(int sampleRate, int channels, int bits) : channels_(channels), bits_(bits == 8 ? 8 : 16) {
    AVChannelLayout layout{};
    av_channel_layout_default(&layout, channels);
    SwrContext* raw = nullptr;
    int result = swr_alloc_set_opts2(&raw, &layout, bits_ == 8 ? AV_SAMPLE_FMT_U8 : AV_SAMPLE_FMT_S16, sampleRate,
                                     &layout, AV_SAMPLE_FMT_FLT, sampleRate, 0, nullptr);
    av_channel_layout_uninit(&layout);
    context_.reset(raw);
    if (result >= 0)
        result = av_opt_set(raw, "dither_method", "triangular_hp", 0);
    if (result >= 0)
        result = swr_init(raw);
    if (result < 0)
        ditherFailure(result);
}

SampleDither::~SampleDither() = default;

bool SampleDither::onGrid(std::span<const float> samples) const {
    // Scaling by a power of two is exact, so a sample on the grid scales to a whole number.
    const float scale = static_cast<float>(1 << (bits_ - 1));
    for (const float sample : samples) {
        const float scaled = sample * scale;
        if (scaled != std::nearbyint(scaled) || scaled >= scale)
            return false;
    }
    return true;
}

std::span<const float> SampleDither::apply(std::span<const float> samples) {
    if (!engaged_ && onGrid(samples))
        return samples;
    engaged_ = true;
    const int frames = static_cast<int>(samples.size() / static_cast<std::size_t>(channels_));
    const std::size_t bytesPerSample = bits_ == 8 ? 1 : 2;
    integers_.resize(samples.size() * bytesPerSample);
    auto* out = integers_.data();
    const auto* in = reinterpret_cast<const uint8_t*>(samples.data());
    const int produced = swr_convert(context_.get(), &out, frames, &in, frames);
    if (produced < 0)
        ditherFailure(produced);
    const std::size_t values = static_cast<std::size_t>(produced) * static_cast<std::size_t>(channels_);
    output_.resize(values);
    if (bits_ == 8) {
        for (std::size_t index = 0; index < values; ++index)
            output_[index] = static_cast<float>(static_cast<int>(integers_[index]) - 128) / 128.0f;
    } else {
        const auto* words = reinterpret_cast<const std::int16_t*>(integers_.data());
        for (std::size_t index = 0; index < values; ++index)
            output_[index] = static_cast<float>(words[index]) / 32768.0f;
    }
    return output_;
}
