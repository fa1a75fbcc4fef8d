#include "TrueSpeechEncoder.h"

#include "TrueSpeechAnalysis.h"
#include "TrueSpeechSearch.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

using namespace truespeech;

namespace {

// Lag candidates (per pair of subframes) tried in full, and pitch predictors per subframe carried through the
// pulse search. A third pitch finalist buys about 0.1 dB of segmental SNR for a quarter more time; further
// candidates of either kind buy less for more.
constexpr int kLagCandidates = 2;
constexpr int kPitchCandidates = 3;
constexpr int kPitchFinalists = 3;
// The base lag leaves the first subframe of a pair two steps of room below and the second three above.
constexpr int kLagHeadroom = 2;
constexpr int kMaxBaseLag = kMaxLag - kMinLag;
constexpr int kLagSteps = 6;
// The pitch contribution plus the largest pulse must stay within 16 bits, or the decoder's sum would wrap.
constexpr int kPitchLimit = 32767 - 3 * kPulseSteps.back() - 512;

Signal toSignal(const Subframe& samples) {
    Signal out{};
    std::copy(samples.begin(), samples.end(), out.begin());
    return out;
}

Signal minus(const Signal& a, const Signal& b) {
    Signal out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = a[i] - b[i];
    }
    return out;
}

double energy(const Signal& s) {
    double sum = 0;
    for (const float v : s) {
        sum += static_cast<double>(v) * v;
    }
    return sum;
}

// What the decoder plays for a subframe when no excitation is added: the ringing of its filters.
Signal ringing(const Synthesizer& synth, int subframe) {
    Synthesizer copy = synth;
    Subframe out{};
    copy.runSubframe(subframe, Subframe{}, Subframe{}, out);
    return toSignal(out);
}

struct PitchCandidate {
    int index = kNoPitch;
    double score = 0;
};

} // namespace

struct TrueSpeechEncoder::Impl {
    SpectralAnalysis analysis;
    std::array<float, SpectralAnalysis::kWindowLength> input{};
    Synthesizer synth;
    std::array<std::int16_t, kFrameSamples> decoded{};
    // Per subframe of the current frame: the filters' impulse response and the pulse search prepared for it.
    std::array<Signal, kSubframes> responses{};
    std::array<PulseSearch, kSubframes> pulseSearches{};

    // Encodes one subframe on `decoder` (which it advances); returns the squared error of the decoded samples.
    double encodeSubframe(Synthesizer& decoder, int subframe, int baseLag, const Signal& speech,
                          SubframeParameters& params, Subframe& out) const {
        const Signal target = minus(speech, ringing(decoder, subframe));
        const Signal& h = responses[static_cast<std::size_t>(subframe)];

        // Rank the predictors the lag window allows by the filtered-segment estimate, then check the best few
        // exactly, with the decoder's own prediction.
        const int firstLag = std::min(baseLag + kMinLag, kMaxLag);
        const int lastLag = std::min(baseLag + kMinLag + kLagSteps - 1, kMaxLag);
        const LagBank bank(decoder, h, target, firstLag, lastLag);
        std::vector<PitchCandidate> ranked;
        for (int index = 0; index < kNoPitch; ++index) {
            const int lag = std::min(baseLag + kMinLag + index / kPitchFilters, kMaxLag);
            ranked.push_back({index, bank.score(lag, index % kPitchFilters)});
        }
        std::partial_sort(ranked.begin(), ranked.begin() + kPitchCandidates, ranked.end(),
                          [](const auto& a, const auto& b) { return a.score < b.score; });
        ranked.resize(kPitchCandidates);

        struct Exact {
            int index;
            Subframe pitch;
            Signal response;
            double error;
        };
        std::vector<Exact> exact{{kNoPitch, Subframe{}, Signal{}, energy(target)}};
        for (const auto& candidate : ranked) {
            const Subframe pitch = decoder.pitchContribution(baseLag, candidate.index);
            const bool tooLoud = std::any_of(
                pitch.begin(), pitch.end(), [](std::int16_t v) { return std::abs(static_cast<int>(v)) > kPitchLimit; });
            if (tooLoud) {
                continue;
            }
            const Signal response = filtered(h, toSignal(pitch));
            exact.push_back({candidate.index, pitch, response, energy(minus(target, response))});
        }
        std::sort(exact.begin(), exact.end(), [](const auto& a, const auto& b) { return a.error < b.error; });
        exact.resize(std::min<std::size_t>(exact.size(), kPitchFinalists));

        double bestError = std::numeric_limits<double>::max();
        Synthesizer best = decoder;
        for (const auto& candidate : exact) {
            const PulseChoice pulses =
                pulseSearches[static_cast<std::size_t>(subframe)].search(minus(target, candidate.response));
            SubframeParameters trial;
            trial.pitchIndex = candidate.index;
            trial.gainIndex = pulses.gainIndex;
            trial.pulseCodes = pulses.codes;
            trial.firstHalfPositions = pulses.firstHalfRank;
            trial.secondHalfPositions = pulses.secondHalfRank;

            Synthesizer advanced = decoder;
            Subframe decodedSamples{};
            advanced.runSubframe(subframe, placePulses(trial), candidate.pitch, decodedSamples);
            const double error = energy(minus(speech, toSignal(decodedSamples)));
            if (error < bestError) {
                bestError = error;
                best = advanced;
                params = trial;
                out = decodedSamples;
            }
        }
        decoder = best;
        return bestError;
    }

    // Lags worth a full trial for a pair of subframes, from the first subframe's estimate over every lag.
    [[nodiscard]] std::vector<int> candidateBaseLags(int subframe, const Signal& speech) const {
        const Signal target = minus(speech, ringing(synth, subframe));
        const LagBank bank(synth, responses[static_cast<std::size_t>(subframe)], target, kMinLag, kMaxLag);
        std::vector<std::pair<double, int>> lags;
        for (int lag = kMinLag; lag <= kMaxLag; ++lag) {
            lags.emplace_back(bank.bestScore(lag), lag);
        }
        std::sort(lags.begin(), lags.end());
        std::vector<int> picked;
        for (const auto& [score, lag] : lags) {
            const bool near = std::any_of(picked.begin(), picked.end(),
                                          [lag = lag](int p) { return std::abs(p - lag) <= kLagHeadroom; });
            if (!near) {
                picked.push_back(lag);
            }
            if (static_cast<int>(picked.size()) == kLagCandidates) {
                break;
            }
        }
        std::vector<int> bases;
        for (const int lag : picked) {
            const int base = std::clamp(lag - kMinLag - kLagHeadroom, 0, kMaxBaseLag);
            if (std::find(bases.begin(), bases.end(), base) == bases.end()) {
                bases.push_back(base);
            }
        }
        return bases;
    }

    double encodePair(int pair, FrameParameters& frame) {
        const int first = 2 * pair;
        std::array<Signal, 2> speech{};
        for (std::size_t s = 0; s < 2; ++s) {
            const auto begin =
                input.begin() + SpectralAnalysis::kLookBack + (first + static_cast<int>(s)) * kSubframeSamples;
            std::copy(begin, begin + kSubframeSamples, speech[s].begin());
        }

        double bestError = std::numeric_limits<double>::max();
        Synthesizer chosen = synth;
        for (const int base : candidateBaseLags(first, speech[0])) {
            Synthesizer trial = synth;
            std::array<SubframeParameters, 2> params{};
            std::array<Subframe, 2> out{};
            double error = 0;
            for (std::size_t s = 0; s < 2; ++s) {
                error += encodeSubframe(trial, first + static_cast<int>(s), base, speech[s], params[s], out[s]);
            }
            if (error < bestError) {
                bestError = error;
                chosen = trial;
                frame.baseLag[static_cast<std::size_t>(pair)] = base;
                for (std::size_t s = 0; s < 2; ++s) {
                    frame.subframes[static_cast<std::size_t>(first) + s] = params[s];
                    std::copy(out[s].begin(), out[s].end(),
                              decoded.begin() + (first + static_cast<int>(s)) * kSubframeSamples);
                }
            }
        }
        synth = chosen;
        return bestError;
    }

    void prepareSubframes(int first, int last) {
        for (int sub = first; sub <= last; ++sub) {
            const auto s = static_cast<std::size_t>(sub);
            responses[s] = impulseResponse(synth.predictor(sub), synth.tilt());
            pulseSearches[s].prepare(responses[s]);
        }
    }

    std::array<std::uint8_t, kFrameBytes> encode(std::span<const std::int16_t, kFrameSamples> samples) {
        std::copy(input.begin() + kFrameSamples, input.end(), input.begin());
        std::copy(samples.begin(), samples.end(), input.end() - kFrameSamples);

        FrameParameters frame;
        frame.reflectionIndices = quantizeReflections(analysis.autocorrelation(input));

        // Whether the first two subframes glide from the previous predictor or keep it is settled by trying both;
        // the last two use the new predictor either way.
        const Synthesizer start = synth;
        FrameParameters best;
        Synthesizer bestSynth;
        auto bestDecoded = decoded;
        double bestError = std::numeric_limits<double>::max();
        for (const bool interpolate : {true, false}) {
            FrameParameters trial = frame;
            trial.interpolate = interpolate;
            synth = start;
            synth.beginFrame(trial);
            prepareSubframes(0, 1);
            const double error = encodePair(0, trial);
            if (error < bestError) {
                bestError = error;
                best = trial;
                bestSynth = synth;
                bestDecoded = decoded;
            }
        }
        synth = bestSynth;
        decoded = bestDecoded;
        prepareSubframes(2, 3);
        encodePair(1, best);
        return packFrame(best);
    }
};

TrueSpeechEncoder::TrueSpeechEncoder() : impl_(std::make_unique<Impl>()) {}
TrueSpeechEncoder::~TrueSpeechEncoder() = default;
TrueSpeechEncoder::TrueSpeechEncoder(TrueSpeechEncoder&&) noexcept = default;
TrueSpeechEncoder& TrueSpeechEncoder::operator=(TrueSpeechEncoder&&) noexcept = default;

std::array<std::uint8_t, TrueSpeechEncoder::kFrameBytes>
TrueSpeechEncoder::encode(std::span<const std::int16_t, kFrameSamples> samples) {
    return impl_->encode(samples);
}

std::span<const std::int16_t, TrueSpeechEncoder::kFrameSamples> TrueSpeechEncoder::decoded() const {
    return impl_->decoded;
}
