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

std::array<double, kOrder> SpectralAnalysis::reflections(std::span<const float, kWindowLength> samples) const {
    std::array<float, kWindowLength> windowed{};
    for (std::size_t i = 0; i < windowed.size(); ++i) {
        windowed[i] = samples[i] * window_[i];
    }
    std::array<double, kOrder + 1> r{};
    for (std::size_t k = 0; k <= kOrder; ++k) {
        double sum = 0;
        for (std::size_t i = k; i < windowed.size(); ++i) {
            sum += static_cast<double>(windowed[i]) * windowed[i - k];
        }
        r[k] = sum * lagWindow_[k];
    }
    r[0] = r[0] * kNoiseFloor + 1e-3;

    std::array<double, kOrder> k{};
    std::array<double, kOrder + 1> a{};
    double error = r[0];
    for (std::size_t i = 1; i <= kOrder; ++i) {
        double acc = r[i];
        for (std::size_t j = 1; j < i; ++j) {
            acc -= a[j] * r[i - j];
        }
        const double ki = std::clamp(acc / error, -0.9999, 0.9999);
        const auto previous = a;
        a[i] = ki;
        for (std::size_t j = 1; j < i; ++j) {
            a[j] = previous[j] - ki * previous[i - j];
        }
        error *= 1 - ki * ki;
        k[i - 1] = ki;
    }
    return k;
}

std::array<int, kOrder> quantizeReflections(const std::array<double, kOrder>& reflections) {
    std::array<int, kOrder> indices{};
    double shrink = 1.0;
    for (int attempt = 0; attempt < 40; ++attempt, shrink *= 0.9) {
        std::array<std::int16_t, kOrder> values{};
        for (int order = 0; order < kOrder; ++order) {
            const auto o = static_cast<std::size_t>(order);
            indices[o] = nearestIndex(order, -reflections[o] * shrink * 32768.0);
            values[o] = reflectionValue(order, indices[o]);
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
