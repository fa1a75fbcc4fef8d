#pragma once

#include "components/common/FfmpegHandles.h"

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
    // What the resampler still holds at the end of the data.
    [[nodiscard]] std::span<const float> drain();

private:
    std::span<const float> run(const float* input, int frames);

    ResamplerPtr context_;
    int inputChannels_;
    int outputChannels_;
    std::vector<float> output_;
};
