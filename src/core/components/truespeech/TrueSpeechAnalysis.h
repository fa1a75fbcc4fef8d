#pragma once

#include "TrueSpeechTables.h"

#include <array>
#include <span>

namespace truespeech {

using Autocorrelation = std::array<double, kOrder + 1>;

// Short-term spectral analysis of one frame: an asymmetric window that leans on the frame's end (the new
// predictor rules the last two subframes fully and the next frame's first two in part), autocorrelation, a lag
// window and the Levinson-Durbin recursion.
class SpectralAnalysis {
public:
    // Samples of the previous frames the window reaches back into.
    static constexpr int kLookBack = 120;
    static constexpr int kWindowLength = kLookBack + kFrameSamples;

    SpectralAnalysis();

    // Autocorrelation, lag-windowed, of the kWindowLength samples ending with the current frame.
    [[nodiscard]] Autocorrelation autocorrelation(std::span<const float, kWindowLength> samples) const;

private:
    std::array<float, kWindowLength> window_{};
    std::array<double, kOrder + 1> lagWindow_{};
};

// Codebook indices for the frame's predictor, order by order: each order's coefficient is the one that best
// predicts with the lower orders as already quantised (not as the unquantised recursion would have them), so later
// orders make up for the rounding of earlier ones. Drawn towards zero where the codec's 16-bit predictor would
// otherwise overflow (very peaky spectra, e.g. a full-scale pure tone).
std::array<int, kOrder> quantizeReflections(const Autocorrelation& r);

} // namespace truespeech
