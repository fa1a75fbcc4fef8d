#include "TrueSpeechSynthesizer.h"

#include <algorithm>

namespace truespeech {
namespace {

constexpr int kSampleLimit = 0x7FFE;

// Sums wrap around at 32 bits in the decoders this one must match, so they are kept in unsigned arithmetic,
// where wrapping is defined.
std::int32_t wrap32(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

std::uint32_t u32(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

std::int16_t clipSample(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp(value, -kSampleLimit, kSampleLimit));
}

void pushFront(std::array<std::int16_t, kOrder>& state, std::int16_t value) {
    std::copy_backward(state.begin(), state.end() - 1, state.end());
    state[0] = value;
}

} // namespace

// The step-up recursion from reflection coefficients (Q15) to a direct-form predictor (Q12).
Predictor predictorFromReflections(const std::array<std::int16_t, kOrder>& reflections, bool* overflowed) {
    Predictor a{};
    bool wrapped = false;
    for (std::size_t i = 0; i < kOrder; ++i) {
        const Predictor lower = a;
        for (std::size_t j = 0; j < i; ++j) {
            const std::int32_t exact = a[j] + ((lower[i - j - 1] * reflections[i] + 0x4000) >> 15);
            a[j] = static_cast<std::int16_t>(exact);
            wrapped = wrapped || exact != a[j];
        }
        a[i] = static_cast<std::int16_t>((8 - reflections[i]) >> 3);
    }
    for (std::size_t i = 0; i < kOrder; ++i) {
        a[i] = static_cast<std::int16_t>((a[i] * kBandwidthExpansion[i]) >> 15);
    }
    if (overflowed) {
        *overflowed = wrapped;
    }
    return a;
}

Subframe placePulses(const SubframeParameters& params) {
    Subframe pulses{};
    std::array<int, kPulses> positions{};
    unrankPositions(params.firstHalfPositions, kFirstHalfPulses, positions.data());
    unrankPositions(params.secondHalfPositions, kSecondHalfPulses, positions.data() + kFirstHalfPulses);
    for (std::size_t p = 0; p < kPulses; ++p) {
        if (positions[p] < 0) {
            continue;
        }
        const int at = positions[p] + (p < kFirstHalfPulses ? 0 : kHalfSamples);
        pulses[static_cast<std::size_t>(at)] =
            static_cast<std::int16_t>(pulseAmplitude(params.gainIndex, params.pulseCodes[p]));
    }
    return pulses;
}

void Synthesizer::beginFrame(const FrameParameters& frame) {
    std::array<std::int16_t, kOrder> reflections{};
    for (int order = 0; order < kOrder; ++order) {
        reflections[static_cast<std::size_t>(order)] =
            reflectionValue(order, frame.reflectionIndices[static_cast<std::size_t>(order)]);
    }
    const Predictor current = predictorFromReflections(reflections);
    tilt_ = reflections[0];

    // The first two subframes move from the previous predictor to the new one (or keep the previous one).
    for (std::size_t k = 0; k < kOrder; ++k) {
        if (frame.interpolate) {
            filters_[0][k] = static_cast<std::int16_t>((current[k] * 21846 + previous_[k] * 10923 + 16384) >> 15);
            filters_[1][k] = static_cast<std::int16_t>((current[k] * 10923 + previous_[k] * 21846 + 16384) >> 15);
        } else {
            filters_[0][k] = previous_[k];
            filters_[1][k] = previous_[k];
        }
    }
    filters_[2] = current;
    filters_[3] = current;
    previous_ = current;
}

// Two taps on the past excitation around the lag. Lags shorter than the subframe reach into the prediction just
// made, so the subframe is produced sample by sample.
Subframe Synthesizer::pitchContribution(int baseLag, int pitchIndex) const {
    Subframe out{};
    if (pitchIndex == kNoPitch) {
        return out;
    }
    std::array<std::int16_t, kHistory + kSubframeSamples> past{};
    for (std::size_t i = 0; i < kHistory; ++i) {
        past[i] = static_cast<std::int16_t>(history_[i]);
    }
    const int lag = std::clamp(pitchIndex / kPitchFilters + baseLag + kMinLag, 0, kHistory - 1);
    const auto& taps = kPitchTaps[static_cast<std::size_t>(pitchIndex % kPitchFilters)];
    std::size_t from = static_cast<std::size_t>(kHistory - 1 - lag);
    for (std::size_t i = 0; i < kSubframeSamples; ++i, ++from) {
        const auto value = static_cast<std::int16_t>((past[from] * taps[0] + past[from + 1] * taps[1] + 0x2000) >> 14);
        out[i] = value;
        past[kHistory + i] = value;
    }
    return out;
}

void Synthesizer::runSubframe(int subframe, const Subframe& pulses, const Subframe& pitch,
                              std::span<std::int16_t> out) {
    // The history keeps the pulses and seven eighths of the pitch contribution; the synthesis gets all of it.
    std::copy(history_.begin() + kSubframeSamples, history_.end(), history_.begin());
    for (std::size_t i = 0; i < kSubframeSamples; ++i) {
        history_[kHistory - kSubframeSamples + i] = pulses[i] + pitch[i] - (pitch[i] >> 3);
        out[i] = static_cast<std::int16_t>(pulses[i] + pitch[i]);
    }

    const Predictor& a = filters_[static_cast<std::size_t>(subframe)];
    for (std::size_t i = 0; i < kSubframeSamples; ++i) {
        std::uint32_t sum = 0;
        for (std::size_t k = 0; k < kOrder; ++k) {
            sum += u32(synthesisState_[k] * a[k]);
        }
        out[i] = clipSample(out[i] + (wrap32(sum + 0x800U) >> 12));
        pushFront(synthesisState_, out[i]);
    }

    // Postfilter: zeros and poles on the bandwidth-expanded predictor, then a tilt correction and a 7/8 gain.
    std::array<std::int32_t, kOrder> zeros{};
    std::array<std::int32_t, kOrder> poles{};
    for (std::size_t k = 0; k < kOrder; ++k) {
        zeros[k] = (kPostZeroWeights[k] * a[k]) >> 15;
        poles[k] = (kPostPoleWeights[k] * a[k]) >> 15;
    }
    for (std::size_t i = 0; i < kSubframeSamples; ++i) {
        std::uint32_t sum = 0;
        for (std::size_t k = 0; k < kOrder; ++k) {
            sum += u32(zeroState_[k] * zeros[k]);
        }
        pushFront(zeroState_, out[i]);
        out[i] = static_cast<std::int16_t>(out[i] + (wrap32(0U - sum) >> 12));
    }
    const std::int32_t tiltWeight = tilt_ - (tilt_ >> 2);
    for (std::size_t i = 0; i < kSubframeSamples; ++i) {
        std::uint32_t sum = u32(out[i] * 4096);
        for (std::size_t k = 0; k < kOrder; ++k) {
            sum += u32(poleState_[k] * poles[k]);
        }
        pushFront(poleState_, clipSample(wrap32(sum + 0x800U) >> 12));
        sum += u32((poleState_[1] * tiltWeight) >> 4);
        sum -= u32(wrap32(sum) >> 3);
        out[i] = clipSample(wrap32(sum + 0x800U) >> 12);
    }
}

void Synthesizer::decodeFrame(const FrameParameters& frame, std::span<std::int16_t> out) {
    beginFrame(frame);
    for (int sub = 0; sub < kSubframes; ++sub) {
        const auto& params = frame.subframes[static_cast<std::size_t>(sub)];
        const Subframe pitch = pitchContribution(frame.baseLag[static_cast<std::size_t>(sub / 2)], params.pitchIndex);
        runSubframe(sub, placePulses(params), pitch,
                    out.subspan(static_cast<std::size_t>(sub * kSubframeSamples), kSubframeSamples));
    }
}

} // namespace truespeech
