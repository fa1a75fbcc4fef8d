// Scores a decoded speech signal against its source: both headerless 8000 Hz mono s16le files. The decoded signal is
// first shifted by the delay that correlates best with the source (codecs delay their output), then compared in 20 ms
// frames. Only frames with speech count: a frame more than 40 dB below the loudest frame of the source is left out,
// since a ratio over near-silence measures the noise floor, not the codec.
//
// Prints one line: "lag L frames N segsnr S lsd D" — the delay in samples, the number of speech frames, the mean
// per-frame SNR (each clamped to [-10, 35] dB) and the mean log-spectral distance in dB.
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr std::size_t kFrame = 160;
constexpr std::size_t kFftSize = 256;
constexpr int kMaxLag = 800;
constexpr double kSpeechRangeDb = 40.0;
constexpr double kMinSnr = -10.0;
constexpr double kMaxSnr = 35.0;
// Spectra are floored this far below the frame's peak bin, so that a bin the codec leaves empty counts as a large
// but finite distance rather than an infinite one.
constexpr double kSpectrumFloorDb = 60.0;

std::vector<double> readSamples(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {};
    }
    std::vector<double> samples;
    std::int16_t value = 0;
    while (file.read(reinterpret_cast<char*>(&value), sizeof value)) {
        samples.push_back(value);
    }
    return samples;
}

// The shift of `decoded` against `reference` (decoded[i + lag] pairs with reference[i]) with the largest correlation.
int bestLag(const std::vector<double>& reference, const std::vector<double>& decoded) {
    int best = 0;
    double bestCorrelation = -1e300;
    for (int lag = -kMaxLag; lag <= kMaxLag; ++lag) {
        const std::ptrdiff_t begin = std::max<std::ptrdiff_t>(0, -lag);
        const std::ptrdiff_t end = std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(reference.size()),
                                                            static_cast<std::ptrdiff_t>(decoded.size()) - lag);
        double sum = 0;
        for (std::ptrdiff_t i = begin; i < end; ++i) {
            sum += reference[static_cast<std::size_t>(i)] * decoded[static_cast<std::size_t>(i + lag)];
        }
        if (sum > bestCorrelation) {
            bestCorrelation = sum;
            best = lag;
        }
    }
    return best;
}

void fft(std::vector<std::complex<double>>& data) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; (j & bit) != 0; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(data[i], data[j]);
        }
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const std::complex<double> step = std::polar(1.0, -2 * std::numbers::pi / static_cast<double>(length));
        for (std::size_t start = 0; start < n; start += length) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < length / 2; ++k) {
                const auto even = data[start + k];
                const auto odd = data[start + k + length / 2] * w;
                data[start + k] = even + odd;
                data[start + k + length / 2] = even - odd;
                w *= step;
            }
        }
    }
}

// Power spectrum in dB of one Hann-windowed frame, floored relative to its peak.
std::vector<double> spectrumDb(const std::vector<double>& frame) {
    std::vector<std::complex<double>> data(kFftSize);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        const double hann =
            0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(frame.size() - 1));
        data[i] = frame[i] * hann;
    }
    fft(data);
    std::vector<double> db(kFftSize / 2 + 1);
    for (std::size_t k = 0; k < db.size(); ++k) {
        db[k] = 10 * std::log10(std::norm(data[k]) + 1e-3);
    }
    const double floor = *std::max_element(db.begin(), db.end()) - kSpectrumFloorDb;
    for (double& value : db) {
        value = std::max(value, floor);
    }
    return db;
}

double logSpectralDistance(const std::vector<double>& reference, const std::vector<double>& decoded) {
    const auto a = spectrumDb(reference);
    const auto b = spectrumDb(decoded);
    double sum = 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        sum += (a[k] - b[k]) * (a[k] - b[k]);
    }
    return std::sqrt(sum / static_cast<double>(a.size()));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.s16le DECODED.s16le   (both 8000 Hz mono)\n", argv[0]);
        return 2;
    }
    const auto reference = readSamples(argv[1]);
    const auto decoded = readSamples(argv[2]);
    if (reference.size() < kFrame || decoded.size() < kFrame) {
        std::fprintf(stderr, "too few samples to score (source %zu, decoded %zu)\n", reference.size(), decoded.size());
        return 1;
    }
    const int lag = bestLag(reference, decoded);
    std::vector<double> aligned(reference.size());
    for (std::size_t i = 0; i < aligned.size(); ++i) {
        const auto j = static_cast<std::ptrdiff_t>(i) + lag;
        aligned[i] =
            j >= 0 && j < static_cast<std::ptrdiff_t>(decoded.size()) ? decoded[static_cast<std::size_t>(j)] : 0.0;
    }

    const std::size_t frameCount = reference.size() / kFrame;
    std::vector<double> frameEnergy(frameCount);
    for (std::size_t f = 0; f < frameCount; ++f) {
        for (std::size_t i = f * kFrame; i < (f + 1) * kFrame; ++i) {
            frameEnergy[f] += reference[i] * reference[i];
        }
    }
    const double loudest = *std::max_element(frameEnergy.begin(), frameEnergy.end());
    const double threshold = loudest * std::pow(10.0, -kSpeechRangeDb / 10);

    double snrSum = 0;
    double lsdSum = 0;
    int speechFrames = 0;
    for (std::size_t f = 0; f < frameCount; ++f) {
        if (frameEnergy[f] <= threshold || frameEnergy[f] == 0) {
            continue;
        }
        double noise = 0;
        const auto begin = static_cast<std::ptrdiff_t>(f * kFrame);
        for (std::size_t i = f * kFrame; i < (f + 1) * kFrame; ++i) {
            noise += (reference[i] - aligned[i]) * (reference[i] - aligned[i]);
        }
        const double snr = noise == 0 ? kMaxSnr : 10 * std::log10(frameEnergy[f] / noise);
        snrSum += std::clamp(snr, kMinSnr, kMaxSnr);
        lsdSum +=
            logSpectralDistance(std::vector<double>(reference.begin() + begin, reference.begin() + begin + kFrame),
                                std::vector<double>(aligned.begin() + begin, aligned.begin() + begin + kFrame));
        ++speechFrames;
    }
    std::printf("lag %d frames %d segsnr %.2f lsd %.2f\n", lag, speechFrames, snrSum / speechFrames,
                lsdSum / speechFrames);
    return 0;
}
