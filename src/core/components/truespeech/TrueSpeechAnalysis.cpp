#include "TrueSpeechAnalysis.h"

#include "TrueSpeechSynthesizer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace truespeech {
namespace {

constexpr int kFallLength = 10;
// A 60 Hz Gaussian lag window widens sharp formants and pitch harmonics a little, which keeps the quantised
// filter well-behaved; the noise floor keeps the recursion stable on digital silence and pure tones.
constexpr double kLagWindowHz = 60.0;
constexpr double kNoiseFloor = 1.0001;
constexpr double kSampleRate = 8000.0;

int nearestIndex(int order, double target) {
    const int size = 1 << kReflectionBits[static_cast<std::size_t>(order)];
    int best = 0;
    double bestDistance = std::abs(reflectionValue(order, 0) - target);
    for (int i = 1; i < size; ++i) {
        const double distance = std::abs(reflectionValue(order, i) - target);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

SpectralAnalysis::SpectralAnalysis() {
    const int rise = kWindowLength - kFallLength;
    for (int i = 0; i < rise; ++i) {
        window_[static_cast<std::size_t>(i)] =
            static_cast<float>(0.54 - 0.46 * std::cos(std::numbers::pi * i / (rise - 1)));
    }
    for (int i = 0; i < kFallLength; ++i) {
        window_[static_cast<std::size_t>(rise + i)] =
            static_cast<float>(std::cos(std::numbers::pi / 2 * (i + 1) / (kFallLength + 1)));
    }
    for (int k = 0; k <= kOrder; ++k) {
        const double x = 2 * std::numbers::pi * kLagWindowHz * k / kSampleRate;
        lagWindow_[static_cast<std::size_t>(k)] = std::exp(-0.5 * x * x);
    }
}

Autocorrelation SpectralAnalysis::autocorrelation(std::span<const float, kWindowLength> samples) const {
    std::array<float, kWindowLength> windowed{};
    for (std::size_t i = 0; i < windowed.size(); ++i) {
        windowed[i] = samples[i] * window_[i];
    }
    Autocorrelation r{};
    for (std::size_t k = 0; k <= kOrder; ++k) {
        double sum = 0;
        for (std::size_t i = k; i < windowed.size(); ++i) {
            sum += static_cast<double>(windowed[i]) * windowed[i - k];
        }
        r[k] = sum * lagWindow_[k];
    }
    r[0] = r[0] * kNoiseFloor + 1e-3;
    return r;
}

std::array<int, kOrder> quantizeReflections(const Autocorrelation& r) {
    std::array<int, kOrder> indices{};
    double shrink = 1.0;
    for (int attempt = 0; attempt < 40; ++attempt, shrink *= 0.9) {
        // The prediction-error filter so far, 1 - sum a_j z^-j, with the quantised coefficients.
        std::array<double, kOrder + 1> filter{1.0};
        std::array<std::int16_t, kOrder> values{};
        for (std::size_t order = 0; order < kOrder; ++order) {
            // Adding order i turns the error e into e(n) - k b(n - 1), b being the backward error of the same
            // filter; its energy is E - 2 k C + k^2 E, least at k = C / E, and among codebook values the nearest
            // to that is the best.
            const std::size_t i = order + 1;
            double forward = 0;
            double cross = 0;
            for (std::size_t p = 0; p < i; ++p) {
                for (std::size_t q = 0; q < i; ++q) {
                    forward += filter[p] * filter[q] * r[p > q ? p - q : q - p];
                }
                for (std::size_t m = 1; m <= i; ++m) {
                    cross += filter[p] * filter[i - m] * r[m > p ? m - p : p - m];
                }
            }
            const double k = std::clamp(cross / forward, -0.9999, 0.9999) * shrink;
            indices[order] = nearestIndex(static_cast<int>(order), -k * 32768.0);
            values[order] = reflectionValue(static_cast<int>(order), indices[order]);
            const double quantized = -values[order] / 32768.0;
            const auto lower = filter;
            for (std::size_t j = 1; j < i; ++j) {
                filter[j] = lower[j] - quantized * lower[i - j];
            }
            filter[i] = -quantized;
        }
        bool overflowed = false;
        predictorFromReflections(values, &overflowed);
        if (!overflowed) {
            break;
        }
    }
    return indices;
}

} // namespace truespeech
