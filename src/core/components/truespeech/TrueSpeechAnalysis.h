#pragma once

#include "TrueSpeechTables.h"

#include <array>
#include <span>

namespace truespeech {

// Short-term spectral analysis of one frame: an asymmetric window that leans on the frame's end (the new
// predictor rules the last two subframes fully and the next frame's first two in part), autocorrelation, a lag
// window and the Levinson-Durbin recursion.
class SpectralAnalysis {
public:
    // Samples of the previous frames the window reaches back into.
    static constexpr int kLookBack = 120;
    static constexpr int kWindowLength = kLookBack + kFrameSamples;

    SpectralAnalysis();

    // Reflection coefficients (predictor sign: the last one of each order is that order's top coefficient) of the
    // kWindowLength samples ending with the current frame.
    [[nodiscard]] std::array<double, kOrder> reflections(std::span<const float, kWindowLength> samples) const;

private:
    std::array<float, kWindowLength> window_{};
    std::array<double, kOrder + 1> lagWindow_{};
};

// The codebook indices nearest to the reflection coefficients, drawn towards zero where the codec's 16-bit
// predictor would otherwise overflow (very peaky spectra, e.g. a full-scale pure tone).
std::array<int, kOrder> quantizeReflections(const std::array<double, kOrder>& reflections);

} // namespace truespeech
