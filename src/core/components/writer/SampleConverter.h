#pragma once

#include "core/components/common/FfmpegHandles.h"

#include <QtGlobal>
#include <memory>
#include <span>
#include <vector>

// Brings interleaved float samples from the rate and channel count the writer receives to those of the output
// format, with libswresample. Mono becomes stereo by copying and stereo becomes mono by averaging, so neither
// changes the level; other layouts use libswresample's own mix, normalised so it cannot overflow.
class SampleConverter {
public:
    SampleConverter(int inputRate, int inputChannels, int outputRate, int outputChannels);
    ~SampleConverter();
    SampleConverter(const SampleConverter&) = delete;
    SampleConverter& operator=(const SampleConverter&) = delete;

    [[nodiscard]] bool passesThrough() const { return !context_; }
    // The converted samples, valid until the next call. Raises ComponentError on a partial frame.
    [[nodiscard]] std::span<const float> convert(std::span<const float> input);
    // What the resampler still holds at the end of the data, so that the whole output has the length of the whole
    // input at the new rate (rounded to the nearest frame, or one frame more).
    [[nodiscard]] std::span<const float> drain();

private:
    std::span<const float> run(const float* input, int frames);
    std::span<const float> append(std::span<const float> produced, std::size_t maxValues);

    ResamplerPtr context_;
    int inputRate_;
    int inputChannels_;
    int outputRate_;
    int outputChannels_;
    qint64 inputFrames_ = 0;
    qint64 outputFrames_ = 0;
    std::vector<float> output_;
    std::vector<float> drained_;
};
