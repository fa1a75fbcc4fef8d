#pragma once

#include "core/components/common/FfmpegHandles.h"

#include <cstdint>
#include <span>
#include <vector>

// Brings float samples to the grid of a 16-bit or 8-bit integer output with libswresample's triangular high-pass
// dither, so that quiet passages and fades keep their detail as noise instead of turning into distortion. The result
// stays float, each value an exact step of the grid, so the writer's backend rounds it without changing it.
// As long as every sample already lies on the grid (a 16-bit source going to 16 bits with nothing changed) the samples
// pass untouched, bit for bit; once one does not, dither is applied from then on.
class SampleDither {
public:
    // bits: 16 or 8. Raises ComponentError when libswresample refuses.
    SampleDither(int sampleRate, int channels, int bits);
    ~SampleDither();
    SampleDither(const SampleDither&) = delete;
    SampleDither& operator=(const SampleDither&) = delete;

    // Samples clipped to [-1, 1], whole frames; the result is valid until the next call.
    [[nodiscard]] std::span<const float> apply(std::span<const float> samples);
    [[nodiscard]] bool dithering() const { return engaged_; }

private:
    [[nodiscard]] bool onGrid(std::span<const float> samples) const;

    ResamplerPtr context_;
    int channels_;
    int bits_;
    bool engaged_ = false;
    std::vector<std::uint8_t> integers_;
    std::vector<float> output_;
};
