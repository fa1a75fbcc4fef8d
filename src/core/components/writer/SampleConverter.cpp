#include "SampleConverter.h"

#include "core/components/ComponentError.h"
#include "core/components/common/ResamplerQuality.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/mathematics.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

// Silence fed behind a very short input, in rounds, until its resampled frames have come out.
constexpr int kSilenceFrames = 256;
constexpr int kSilenceRounds = 16;

[[noreturn]] void conversionFailure(int code) {
    throw ComponentError(
        QCoreApplication::translate("Components", "Sample conversion failed: %1").arg(ffmpegErrorText(code)),
        LastError::EncoderFailure);
}

} // namespace

SampleConverter::SampleConverter(int inputRate, int inputChannels, int outputRate, int outputChannels)
    : inputRate_(inputRate), inputChannels_(inputChannels), outputRate_(outputRate), outputChannels_(outputChannels) {
    if (inputRate <= 0 || inputChannels <= 0)
        throw ComponentError(QCoreApplication::translate("Components", "Invalid input description: %1 Hz, %2 channels")
                                 .arg(inputRate)
                                 .arg(inputChannels));
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
    if (result >= 0 && inputRate != outputRate)
        result = chooseHighQualityResampler(raw);
    if (result >= 0)
        result = swr_init(raw);
    if (result < 0)
        conversionFailure(result);
}

SampleConverter::~SampleConverter() = default;

std::span<const float> SampleConverter::convert(std::span<const float> input) {
    if (input.size() % static_cast<std::size_t>(inputChannels_) != 0)
        throw ComponentError(
            QCoreApplication::translate("Components", "A block of %1 values does not hold whole frames of %2 channels")
                .arg(input.size())
                .arg(inputChannels_));
    if (!context_)
        return input;
    return run(input.data(), static_cast<int>(input.size() / static_cast<std::size_t>(inputChannels_)));
}

std::span<const float> SampleConverter::drain() {
    if (!context_)
        return {};
    drained_.clear();
    const qint64 expected = av_rescale_rnd(inputFrames_, outputRate_, inputRate_, AV_ROUND_NEAR_INF);
    const auto missingValues = [&] {
        return static_cast<std::size_t>(std::max<qint64>(expected - outputFrames_, 0)) *
               static_cast<std::size_t>(outputChannels_);
    };
    for (std::span<const float> flushed = run(nullptr, 0); !flushed.empty(); flushed = run(nullptr, 0))
        append(flushed, flushed.size());
    // libswresample keeps input shorter than its filter to itself even when flushed; silence behind it pushes it
    // out, and only what belongs to the input is kept.
    const std::vector<float> silence(
        static_cast<std::size_t>(kSilenceFrames) * static_cast<std::size_t>(inputChannels_), 0.0f);
    for (int round = 0; round < kSilenceRounds && missingValues() > 0; ++round)
        append(run(silence.data(), kSilenceFrames), missingValues());
    return drained_;
}

std::span<const float> SampleConverter::append(std::span<const float> produced, std::size_t maxValues) {
    const std::span<const float> kept = produced.first(std::min(produced.size(), maxValues));
    drained_.insert(drained_.end(), kept.begin(), kept.end());
    outputFrames_ -= static_cast<qint64>((produced.size() - kept.size()) / static_cast<std::size_t>(outputChannels_));
    return kept;
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
    inputFrames_ += frames;
    outputFrames_ += produced;
    return {output_.data(), static_cast<std::size_t>(produced) * static_cast<std::size_t>(outputChannels_)};
}
