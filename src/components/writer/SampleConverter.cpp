#include "SampleConverter.h"

#include "components/ComponentError.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <array>

namespace {

[[noreturn]] void conversionFailure(int code) {
    throw ComponentError(QStringLiteral("Sample conversion failed: %1").arg(ffmpegErrorText(code)),
                         LastError::EncoderFailure);
}

} // namespace

SampleConverter::SampleConverter(int inputRate, int inputChannels, int outputRate, int outputChannels)
    : inputChannels_(inputChannels), outputChannels_(outputChannels) {
    if (inputRate <= 0 || inputChannels <= 0)
        throw ComponentError(
            QStringLiteral("Invalid input description: %1 Hz, %2 channels").arg(inputRate).arg(inputChannels));
    if (inputRate == outputRate && inputChannels == outputChannels)
        return;

    AVChannelLayout inLayout{};
    AVChannelLayout outLayout{};
    av_channel_layout_default(&inLayout, inputChannels);
    av_channel_layout_default(&outLayout, outputChannels);
    SwrContext* raw = nullptr;
    int result = swr_alloc_set_opts2(&raw, &outLayout, AV_SAMPLE_FMT_FLT, outputRate, &inLayout, AV_SAMPLE_FMT_FLT,
                                     inputRate, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    context_.reset(raw);
    if (result < 0)
        conversionFailure(result);

    if (inputChannels == 1 && outputChannels == 2) {
        const std::array<double, 2> duplicate{1.0, 1.0};
        result = swr_set_matrix(raw, duplicate.data(), 1);
    } else if (inputChannels == 2 && outputChannels == 1) {
        const std::array<double, 2> average{0.5, 0.5};
        result = swr_set_matrix(raw, average.data(), 2);
    } else {
        result = av_opt_set_double(raw, "rematrix_maxval", 1.0, 0);
    }
    if (result >= 0)
        result = swr_init(raw);
    if (result < 0)
        conversionFailure(result);
}

SampleConverter::~SampleConverter() = default;

std::span<const float> SampleConverter::convert(std::span<const float> input) {
    if (input.size() % static_cast<std::size_t>(inputChannels_) != 0)
        throw ComponentError(QStringLiteral("A block of %1 values does not hold whole frames of %2 channels")
                                 .arg(input.size())
                                 .arg(inputChannels_));
    if (!context_)
        return input;
    return run(input.data(), static_cast<int>(input.size() / static_cast<std::size_t>(inputChannels_)));
}

std::span<const float> SampleConverter::drain() {
    if (!context_)
        return {};
    return run(nullptr, 0);
}

std::span<const float> SampleConverter::run(const float* input, int frames) {
    const int capacity = swr_get_out_samples(context_.get(), frames);
    if (capacity < 0)
        conversionFailure(capacity);
    output_.resize(static_cast<std::size_t>(capacity) * static_cast<std::size_t>(outputChannels_));
    auto* out = reinterpret_cast<uint8_t*>(output_.data());
    const auto* in = reinterpret_cast<const uint8_t*>(input);
    const int produced = swr_convert(context_.get(), &out, capacity, input ? &in : nullptr, frames);
    if (produced < 0)
        conversionFailure(produced);
    return {output_.data(), static_cast<std::size_t>(produced) * static_cast<std::size_t>(outputChannels_)};
}
