#include "TrueSpeechSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace truespeech {
namespace {

constexpr int N = kSubframeSamples;
constexpr double kTapScale = 1.0 / 16384.0;
constexpr std::size_t kRefinedGains = 1;

// One period of the past excitation seen from lag `lag`: the samples a lag back, up to the lag or the subframe's
// end, whichever comes first.
Signal lagPeriod(const Synthesizer& synth, int lag) {
    Signal period{};
    for (int i = 0; i < std::min(lag, N); ++i) {
        period[static_cast<std::size_t>(i)] = synth.pastExcitation(kHistory + i - lag);
    }
    return period;
}

double dot(const Signal& a, const Signal& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += static_cast<double>(a[i]) * b[i];
    }
    return sum;
}

} // namespace

Signal impulseResponse(const Predictor& predictor, int tilt) {
    std::array<double, kOrder> a{};
    std::array<double, kOrder> zeros{};
    std::array<double, kOrder> poles{};
    for (std::size_t k = 0; k < kOrder; ++k) {
        a[k] = predictor[k] / 4096.0;
        zeros[k] = ((kPostZeroWeights[k] * predictor[k]) >> 15) / 4096.0;
        poles[k] = ((kPostPoleWeights[k] * predictor[k]) >> 15) / 4096.0;
    }
    const double tiltGain = ((tilt - (tilt >> 2)) / 16.0) / 4096.0;

    std::array<double, kOrder + 1> synthesis{}; // newest first, [0] is the current sample
    std::array<double, kOrder + 1> poleOut{};
    Signal h{};
    for (int n = 0; n < N; ++n) {
        std::copy_backward(synthesis.begin(), synthesis.end() - 1, synthesis.end());
        std::copy_backward(poleOut.begin(), poleOut.end() - 1, poleOut.end());
        double y = n == 0 ? 1.0 : 0.0;
        for (std::size_t k = 0; k < kOrder; ++k) {
            y += a[k] * synthesis[k + 1];
        }
        synthesis[0] = y;
        double x = y;
        for (std::size_t k = 0; k < kOrder; ++k) {
            x -= zeros[k] * synthesis[k + 1];
        }
        for (std::size_t k = 0; k < kOrder; ++k) {
            x += poles[k] * poleOut[k + 1];
        }
        poleOut[0] = x;
        h[static_cast<std::size_t>(n)] = static_cast<float>(0.875 * (x + tiltGain * poleOut[1]));
    }
    return h;
}

Signal filtered(const Signal& h, const Signal& excitation) {
    Signal out{};
    for (int i = 0; i < N; ++i) {
        const float e = excitation[static_cast<std::size_t>(i)];
        if (e == 0.0F) {
            continue;
        }
        for (int n = i; n < N; ++n) {
            out[static_cast<std::size_t>(n)] += e * h[static_cast<std::size_t>(n - i)];
        }
    }
    return out;
}

LagBank::LagBank(const Synthesizer& synth, const Signal& h, const Signal& target, int first, int last) : first_(first) {
    const int count = last - first + 2;
    targetCorrelation_.resize(static_cast<std::size_t>(count));
    energy_.resize(static_cast<std::size_t>(count));
    crossEnergy_.resize(static_cast<std::size_t>(count));

    // `single` is the response to one period of the segment (the lag's samples, or the whole subframe); one lag
    // further back shifts that period by a sample and brings one older sample in front.
    Signal single = filtered(h, lagPeriod(synth, first));
    Signal previous{};
    for (int lag = first; lag <= last + 1; ++lag) {
        if (lag > first) {
            const float oldest = synth.pastExcitation(kHistory - lag);
            for (int n = N - 1; n > 0; --n) {
                single[static_cast<std::size_t>(n)] =
                    single[static_cast<std::size_t>(n - 1)] + oldest * h[static_cast<std::size_t>(n)];
            }
            single[0] = oldest * h[0];
        }
        // Shorter lags repeat their period through the subframe.
        Signal y = single;
        for (int start = lag; start < N; start += lag) {
            for (int n = start; n < N; ++n) {
                y[static_cast<std::size_t>(n)] += single[static_cast<std::size_t>(n - start)];
            }
        }
        const auto index = static_cast<std::size_t>(lag - first);
        targetCorrelation_[index] = dot(target, y);
        energy_[index] = dot(y, y);
        if (lag > first) {
            crossEnergy_[index - 1] = dot(y, previous);
        }
        previous = y;
    }
}

double LagBank::score(int lag, int filter) const {
    const auto i = static_cast<std::size_t>(lag - first_);
    const auto& taps = kPitchTaps[static_cast<std::size_t>(filter)];
    const double further = taps[0] * kTapScale;
    const double at = taps[1] * kTapScale;
    return -2 * (further * targetCorrelation_[i + 1] + at * targetCorrelation_[i]) +
           further * further * energy_[i + 1] + 2 * further * at * crossEnergy_[i] + at * at * energy_[i];
}

double LagBank::bestScore(int lag) const {
    double best = std::numeric_limits<double>::max();
    for (int f = 0; f < kPitchFilters; ++f) {
        best = std::min(best, score(lag, f));
    }
    return best;
}

namespace {

using Matrix = std::array<std::array<double, N>, N>;
using SmallMatrix = std::array<std::array<double, kPulses>, kPulses>;

struct QuantizedPulses {
    int gainIndex = 0;
    std::array<int, kPulses> codes{};
    double error = std::numeric_limits<double>::max();
};

// Error (up to a constant) of quantised amplitudes q, -2 q.d + q' Phi q, kept up to date as single pulses change.
class QuantizedError {
public:
    QuantizedError(const std::array<int, kPulses>& codes, int gainIndex, const std::array<double, kPulses>& d,
                   const SmallMatrix& phi)
        : codes_(codes), gainIndex_(gainIndex), d_(d), phi_(phi) {
        for (std::size_t m = 0; m < kPulses; ++m) {
            q_[m] = pulseAmplitude(gainIndex, codes[m]);
        }
        for (std::size_t m = 0; m < kPulses; ++m) {
            for (std::size_t n = 0; n < kPulses; ++n) {
                phiQ_[m] += phi[m][n] * q_[n];
            }
            error_ += q_[m] * (phiQ_[m] - 2 * d[m]);
        }
    }

    [[nodiscard]] double error() const { return error_; }
    [[nodiscard]] const std::array<int, kPulses>& codes() const { return codes_; }

    [[nodiscard]] double changeIfSet(std::size_t m, int code) const {
        const double step = pulseAmplitude(gainIndex_, code) - q_[m];
        return step * (2 * (phiQ_[m] - d_[m]) + step * phi_[m][m]);
    }

    void set(std::size_t m, int code) {
        const double step = pulseAmplitude(gainIndex_, code) - q_[m];
        error_ += changeIfSet(m, code);
        for (std::size_t n = 0; n < kPulses; ++n) {
            phiQ_[n] += phi_[n][m] * step;
        }
        q_[m] += step;
        codes_[m] = code;
    }

private:
    std::array<int, kPulses> codes_;
    int gainIndex_;
    const std::array<double, kPulses>& d_;
    const SmallMatrix& phi_;
    std::array<double, kPulses> q_{};
    std::array<double, kPulses> phiQ_{};
    double error_ = 0;
};

int nearestCode(int gainIndex, double amplitude) {
    int best = 0;
    for (int code = 1; code < 4; ++code) {
        if (std::abs(pulseAmplitude(gainIndex, code) - amplitude) <
            std::abs(pulseAmplitude(gainIndex, best) - amplitude)) {
            best = code;
        }
    }
    return best;
}

// The quantised amplitudes at the gains nearest the best one, each with its error.
std::vector<QuantizedPulses> quantize(const std::array<double, kPulses>& amplitudes,
                                      const std::array<double, kPulses>& d, const SmallMatrix& phi) {
    std::array<std::array<int, kPulses>, kPulseGains> rounded{};
    std::array<double, kPulseGains> errors{};
    int bestGain = 0;
    for (int g = 0; g < kPulseGains; ++g) {
        auto& codes = rounded[static_cast<std::size_t>(g)];
        for (std::size_t m = 0; m < kPulses; ++m) {
            codes[m] = nearestCode(g, amplitudes[m]);
        }
        errors[static_cast<std::size_t>(g)] = QuantizedError(codes, g, d, phi).error();
        if (errors[static_cast<std::size_t>(g)] < errors[static_cast<std::size_t>(bestGain)]) {
            bestGain = g;
        }
    }
    // The rounded amplitudes ignore how the pulses' responses overlap; a few passes of per-pulse refinement
    // around the best gains recover most of that.
    std::vector<QuantizedPulses> candidates;
    for (int g = std::max(0, bestGain - 1); g <= std::min(kPulseGains - 1, bestGain + 1); ++g) {
        QuantizedError candidate(rounded[static_cast<std::size_t>(g)], g, d, phi);
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t m = 0; m < kPulses; ++m) {
                int bestCode = candidate.codes()[m];
                double bestChange = 0;
                for (int code = 0; code < 4; ++code) {
                    const double change = candidate.changeIfSet(m, code);
                    if (change < bestChange) {
                        bestChange = change;
                        bestCode = code;
                    }
                }
                candidate.set(m, bestCode);
            }
        }
        candidates.push_back({g, candidate.codes(), candidate.error()});
    }
    return candidates;
}

// The greedy search places the pulses for unquantised amplitudes, but every pulse must then take one of four
// levels (one or three gain steps, either sign), so a pulse the least-squares fit gave a small amplitude costs
// more than it earns where it stands. Moving each pulse, with any of the four levels, to the free position of its
// half that lowers the quantised error most recovers much of that. `positions` stay within their halves.
// Returns the change of the error.
double refinePositions(std::array<int, kPulses>& positions, std::array<int, kPulses>& codes, int gainIndex,
                       const std::array<double, N>& d, const Matrix& phi) {
    double total = 0;
    std::array<double, kPulses> amplitude{};
    for (std::size_t m = 0; m < kPulses; ++m) {
        amplitude[m] = pulseAmplitude(gainIndex, codes[m]);
    }
    // correlation[i] = sum over pulses of amplitude * phi(i, position).
    std::array<double, N> correlation{};
    for (std::size_t m = 0; m < kPulses; ++m) {
        const auto& row = phi[static_cast<std::size_t>(positions[m])];
        for (std::size_t i = 0; i < N; ++i) {
            correlation[i] += amplitude[m] * row[i];
        }
    }
    const double step = kPulseSteps[static_cast<std::size_t>(gainIndex)];
    std::array<bool, N> occupied{};
    for (const int position : positions) {
        occupied[static_cast<std::size_t>(position)] = true;
    }
    for (int pass = 0; pass < 2; ++pass) {
        bool moved = false;
        for (std::size_t m = 0; m < kPulses; ++m) {
            const auto from = static_cast<std::size_t>(positions[m]);
            const auto& fromRow = phi[from];
            // The error change of taking this pulse out, and the correlations without it.
            std::array<double, N> others{};
            for (std::size_t i = 0; i < N; ++i) {
                others[i] = correlation[i] - amplitude[m] * fromRow[i];
            }
            const auto added = [&](std::size_t at, double a) {
                return a * (2 * (others[at] - d[at]) + a * phi[at][at]);
            };
            const double current = added(from, amplitude[m]);
            const int begin = m < kFirstHalfPulses ? 0 : kHalfSamples;
            std::size_t bestAt = from;
            int bestCode = codes[m];
            double bestChange = 0;
            for (int at = begin; at < begin + kHalfSamples; ++at) {
                const auto uat = static_cast<std::size_t>(at);
                if (occupied[uat] && uat != from) {
                    continue;
                }
                // The error is a parabola in the amplitude, so the best of the four levels is the one nearest
                // its vertex: the sign of the vertex, and three steps where the vertex lies beyond two.
                const double vertex = (d[uat] - others[uat]) / phi[uat][uat];
                const int code = (vertex < 0 ? 2 : 0) | (std::abs(vertex) > 2.0 * step ? 1 : 0);
                const double change = added(uat, pulseAmplitude(gainIndex, code)) - current;
                if (change < bestChange - 1e-9 * std::abs(current)) {
                    bestChange = change;
                    bestAt = uat;
                    bestCode = code;
                }
            }
            if (bestAt == from && bestCode == codes[m]) {
                continue;
            }
            moved = true;
            total += bestChange;
            occupied[from] = false;
            occupied[bestAt] = true;
            positions[m] = static_cast<int>(bestAt);
            codes[m] = bestCode;
            amplitude[m] = pulseAmplitude(gainIndex, bestCode);
            const auto& toRow = phi[bestAt];
            for (std::size_t i = 0; i < N; ++i) {
                correlation[i] = others[i] + amplitude[m] * toRow[i];
            }
        }
        if (!moved) {
            break;
        }
    }
    // The bitstream lists each half's pulses in position order.
    const auto sortHalf = [&](std::size_t first, std::size_t count) {
        std::array<std::pair<int, int>, kPulses> pairs{};
        for (std::size_t m = 0; m < count; ++m) {
            pairs[m] = {positions[first + m], codes[first + m]};
        }
        std::sort(pairs.begin(), pairs.begin() + static_cast<std::ptrdiff_t>(count));
        for (std::size_t m = 0; m < count; ++m) {
            positions[first + m] = pairs[m].first;
            codes[first + m] = pairs[m].second;
        }
    };
    sortHalf(0, kFirstHalfPulses);
    sortHalf(kFirstHalfPulses, kSecondHalfPulses);
    return total;
}

} // namespace

void PulseSearch::prepare(const Signal& h) {
    h_ = h;
    for (int delta = 0; delta < N; ++delta) {
        // Running sum over the tail; pulses nearer the end see less of the response.
        double sum = 0;
        std::array<double, N> partial{};
        for (int m = 0; m + delta < N; ++m) {
            sum += static_cast<double>(h[static_cast<std::size_t>(m + delta)]) * h[static_cast<std::size_t>(m)];
            partial[static_cast<std::size_t>(m)] = sum;
        }
        for (int j = delta; j < N; ++j) {
            const double value = partial[static_cast<std::size_t>(N - 1 - j)];
            phi_[static_cast<std::size_t>(j - delta)][static_cast<std::size_t>(j)] = value;
            phi_[static_cast<std::size_t>(j)][static_cast<std::size_t>(j - delta)] = value;
        }
    }
}

PulseChoice PulseSearch::search(const Signal& target) const {
    std::array<double, N> d{};
    for (int i = 0; i < N; ++i) {
        double sum = 0;
        for (int n = i; n < N; ++n) {
            sum += static_cast<double>(target[static_cast<std::size_t>(n)]) * h_[static_cast<std::size_t>(n - i)];
        }
        d[static_cast<std::size_t>(i)] = sum;
    }
    const Matrix& phi = phi_;

    // Greedy selection with a growing Cholesky factor of the chosen pulses' correlation matrix: a candidate's
    // worth is the energy it adds once the pulses already chosen are refitted. Every candidate keeps its row of
    // the factor (its correlation with the chosen pulses, orthogonalised), extended by one entry per step.
    std::array<int, kPulses> chosen{};
    std::array<std::array<double, kPulses>, kPulses> lower{};
    std::array<double, kPulses> projected{};
    std::array<std::array<double, kPulses>, N> rows{};
    std::array<double, N> rowEnergy{};
    std::array<double, N> explained{};
    std::array<bool, N> taken{};
    int firstHalf = 0;
    for (std::size_t step = 0; step < kPulses; ++step) {
        const auto allowed = [&](int i) {
            const bool inFirst = i < kHalfSamples;
            const int secondHalf = static_cast<int>(step) - firstHalf;
            return !taken[static_cast<std::size_t>(i)] && !(inFirst && firstHalf == kFirstHalfPulses) &&
                   !(!inFirst && secondHalf == kSecondHalfPulses);
        };
        int best = -1;
        double bestGain = -1;
        for (int i = 0; i < N; ++i) {
            const auto ui = static_cast<std::size_t>(i);
            const double diagonal = phi[ui][ui] - rowEnergy[ui];
            if (!allowed(i) || diagonal <= 1e-9 * phi[ui][ui]) {
                continue;
            }
            const double residual = d[ui] - explained[ui];
            const double gain = residual * residual / diagonal;
            if (gain > bestGain) {
                best = i;
                bestGain = gain;
            }
        }
        if (best < 0) {
            // Only when rounding has made every remaining pulse look dependent on the chosen ones; any free
            // position then does, with a zero amplitude.
            best = 0;
            while (!allowed(best)) {
                ++best;
            }
        }
        const auto ub = static_cast<std::size_t>(best);
        chosen[step] = best;
        taken[ub] = true;
        firstHalf += best < kHalfSamples ? 1 : 0;
        for (std::size_t n = 0; n < step; ++n) {
            lower[step][n] = rows[ub][n];
        }
        lower[step][step] = std::sqrt(std::max(phi[ub][ub] - rowEnergy[ub], 1e-9 * phi[ub][ub]));
        projected[step] = (d[ub] - explained[ub]) / lower[step][step];

        const double inverse = 1.0 / lower[step][step];
        for (std::size_t i = 0; i < N; ++i) {
            double value = phi[ub][i];
            for (std::size_t n = 0; n < step; ++n) {
                value -= lower[step][n] * rows[i][n];
            }
            rows[i][step] = value * inverse;
            rowEnergy[i] += rows[i][step] * rows[i][step];
            explained[i] += rows[i][step] * projected[step];
        }
    }

    // Least-squares amplitudes: solve L' a = projected.
    std::array<double, kPulses> amplitudes{};
    for (int m = kPulses - 1; m >= 0; --m) {
        const auto um = static_cast<std::size_t>(m);
        double value = projected[um];
        for (std::size_t n = um + 1; n < kPulses; ++n) {
            value -= lower[n][um] * amplitudes[n];
        }
        amplitudes[um] = value / lower[um][um];
    }

    // The bitstream lists the pulses in position order.
    std::array<std::size_t, kPulses> order{};
    for (std::size_t m = 0; m < kPulses; ++m) {
        order[m] = m;
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return chosen[a] < chosen[b]; });
    std::array<int, kPulses> positions{};
    std::array<double, kPulses> sortedAmplitudes{};
    std::array<double, kPulses> sortedD{};
    SmallMatrix sortedPhi{};
    for (std::size_t m = 0; m < kPulses; ++m) {
        positions[m] = chosen[order[m]];
        sortedAmplitudes[m] = amplitudes[order[m]];
        sortedD[m] = d[static_cast<std::size_t>(positions[m])];
    }
    for (std::size_t m = 0; m < kPulses; ++m) {
        for (std::size_t n = 0; n < kPulses; ++n) {
            sortedPhi[m][n] = phi[static_cast<std::size_t>(positions[m])][static_cast<std::size_t>(positions[n])];
        }
    }

    // Which gain serves best is only known once the pulses have moved to suit it.
    PulseChoice choice;
    double bestError = std::numeric_limits<double>::max();
    std::array<int, kPulses> bestPositions{};
    auto candidates = quantize(sortedAmplitudes, sortedD, sortedPhi);
    std::sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) { return a.error < b.error; });
    candidates.resize(std::min(candidates.size(), kRefinedGains));
    for (QuantizedPulses candidate : candidates) {
        std::array<int, kPulses> moved = positions;
        const double error = candidate.error + refinePositions(moved, candidate.codes, candidate.gainIndex, d, phi);
        if (error < bestError) {
            bestError = error;
            bestPositions = moved;
            choice.gainIndex = candidate.gainIndex;
            choice.codes = candidate.codes;
        }
    }
    positions = bestPositions;
    choice.firstHalfRank = rankPositions(positions.data(), kFirstHalfPulses);
    std::array<int, kSecondHalfPulses> second{};
    for (std::size_t m = 0; m < kSecondHalfPulses; ++m) {
        second[m] = positions[kFirstHalfPulses + m] - kHalfSamples;
    }
    choice.secondHalfRank = rankPositions(second.data(), kSecondHalfPulses);
    return choice;
}

} // namespace truespeech
