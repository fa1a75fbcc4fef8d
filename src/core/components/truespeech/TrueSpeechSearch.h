#pragma once

#include "TrueSpeechSynthesizer.h"

#include <array>
#include <vector>

namespace truespeech {

using Signal = std::array<float, kSubframeSamples>;

// Impulse response, over one subframe, of everything the decoder puts after the excitation: the synthesis
// filter and the postfilter. Searching through it makes the encoder match what the listener actually hears.
Signal impulseResponse(const Predictor& predictor, int tilt);

// The response of `h` to `excitation` within the subframe.
Signal filtered(const Signal& h, const Signal& excitation);

// Filtered past-excitation segments for a range of lags, with the correlations the two-tap pitch search needs.
// Lags shorter than a subframe repeat their segment, which approximates the decoder's own recursion well enough
// to rank candidates; the chosen ones are then checked exactly.
class LagBank {
public:
    // Covers the lags first..last; the two-tap predictor also reads last + 1.
    LagBank(const Synthesizer& synth, const Signal& h, const Signal& target, int first, int last);

    // Squared-error change (relative to predicting nothing) of a predictor at a lag; lower is better.
    [[nodiscard]] double score(int lag, int filter) const;
    // The best score over all predictors at a lag.
    [[nodiscard]] double bestScore(int lag) const;

private:
    int first_;
    std::vector<double> targetCorrelation_; // <target, Y[lag]>
    std::vector<double> energy_;            // <Y[lag], Y[lag]>
    std::vector<double> crossEnergy_;       // <Y[lag + 1], Y[lag]>
};

// The pulses of a subframe: 3 in the first half and 4 in the second, picked one by one, each time refitting all
// amplitudes by least squares, then quantised to one gain step and per-pulse codes.
struct PulseChoice {
    int gainIndex = 0;
    std::array<int, kPulses> codes{};
    int firstHalfRank = 0;
    int secondHalfRank = 0;
};

class PulseSearch {
public:
    // Prepares the search for a subframe's filter (its impulse response), shared by every trial of that subframe.
    void prepare(const Signal& h);
    [[nodiscard]] PulseChoice search(const Signal& target) const;

private:
    Signal h_{};
    // phi_[i][j] = <h shifted to i, h shifted to j> within the subframe.
    std::array<std::array<double, kSubframeSamples>, kSubframeSamples> phi_{};
};

} // namespace truespeech
