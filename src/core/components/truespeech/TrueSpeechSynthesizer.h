#pragma once

#include "TrueSpeechFrame.h"

#include <array>
#include <cstdint>
#include <span>

namespace truespeech {

using Subframe = std::array<std::int16_t, kSubframeSamples>;
using Predictor = std::array<std::int16_t, kOrder>;

// Direct-form predictor (Q12) from the codebook values of a frame, bandwidth-expanded, with integer arithmetic that
// every decoder shares. `overflowed` tells whether an intermediate coefficient left the 16-bit range, which a
// decoder wraps around and an encoder must therefore avoid.
Predictor predictorFromReflections(const std::array<std::int16_t, kOrder>& reflections, bool* overflowed = nullptr);

// The codec's decoder, bit for bit. The encoder runs one in lock-step with the decoder at the far end, so that
// every search starts from the very state the listener's decoder will have.
class Synthesizer {
public:
    // Sets up the predictors of the frame's four subframes.
    void beginFrame(const FrameParameters& frame);

    // The pitch predictor's contribution to a subframe's excitation.
    [[nodiscard]] Subframe pitchContribution(int baseLag, int pitchIndex) const;

    // Feeds a subframe's excitation (pulses plus pitch contribution) into the history and the synthesis and
    // postfilters; writes the decoded samples.
    void runSubframe(int subframe, const Subframe& pulses, const Subframe& pitch, std::span<std::int16_t> out);

    // Decodes a whole frame (240 samples).
    void decodeFrame(const FrameParameters& frame, std::span<std::int16_t> out);

    [[nodiscard]] const Predictor& predictor(int subframe) const {
        return filters_[static_cast<std::size_t>(subframe)];
    }
    // The first codebook value, which steers the postfilter's spectral tilt.
    [[nodiscard]] int tilt() const { return tilt_; }
    // The past excitation the pitch predictor reads, oldest first, as the predictor sees it (16 bits).
    [[nodiscard]] std::int16_t pastExcitation(int index) const {
        return static_cast<std::int16_t>(history_[static_cast<std::size_t>(index)]);
    }

private:
    std::array<std::int32_t, kHistory> history_{};
    Predictor previous_{};
    std::array<Predictor, kSubframes> filters_{};
    int tilt_ = 0;
    std::array<std::int16_t, kOrder> synthesisState_{};
    std::array<std::int16_t, kOrder> zeroState_{};
    std::array<std::int16_t, kOrder> poleState_{};
};

// The pulses of a subframe placed at their positions.
Subframe placePulses(const SubframeParameters& params);

} // namespace truespeech
