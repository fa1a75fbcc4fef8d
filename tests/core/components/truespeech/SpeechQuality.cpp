#include "SpeechQuality.h"

#include "core/components/common/SndfileHandles.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace speechquality {
namespace {

constexpr int kFrame = 160;

int bestLag(const std::vector<std::int16_t>& reference, const std::vector<std::int16_t>& decoded, int maxLag) {
    int best = 0;
    double bestCorrelation = -1e300;
    for (int lag = -maxLag; lag <= maxLag; ++lag) {
        double sum = 0;
        for (std::size_t i = 0; i < reference.size(); ++i) {
            const auto j = static_cast<std::ptrdiff_t>(i) + lag;
            if (j >= 0 && j < static_cast<std::ptrdiff_t>(decoded.size())) {
                sum += static_cast<double>(reference[i]) * decoded[static_cast<std::size_t>(j)];
            }
        }
        if (sum > bestCorrelation) {
            bestCorrelation = sum;
            best = lag;
        }
    }
    return best;
}

} // namespace

double segmentalSnr(const std::vector<std::int16_t>& reference, const std::vector<std::int16_t>& decoded, int maxLag) {
    const int lag = bestLag(reference, decoded, maxLag);
    double total = 0;
    int frames = 0;
    for (std::size_t start = 0; start + kFrame <= reference.size(); start += kFrame) {
        double signal = 0;
        double noise = 0;
        for (std::size_t i = start; i < start + kFrame; ++i) {
            const auto j = static_cast<std::ptrdiff_t>(i) + lag;
            const double out =
                j >= 0 && j < static_cast<std::ptrdiff_t>(decoded.size()) ? decoded[static_cast<std::size_t>(j)] : 0.0;
            signal += static_cast<double>(reference[i]) * reference[i];
            noise += (reference[i] - out) * (reference[i] - out);
        }
        if (signal == 0) {
            continue;
        }
        const double snr = noise == 0 ? 35.0 : 10 * std::log10(signal / noise);
        total += std::clamp(snr, -10.0, 35.0);
        ++frames;
    }
    return frames == 0 ? 0.0 : total / frames;
}

std::vector<std::int16_t> gsmRoundTrip(const std::vector<std::int16_t>& samples, const QString& scratchFile) {
    const QByteArray path = scratchFile.toLocal8Bit();
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_GSM610;
    {
        const SndfilePtr out(sf_open(path.constData(), SFM_WRITE, &info));
        if (!out || sf_write_short(out.get(), samples.data(), static_cast<sf_count_t>(samples.size())) !=
                        static_cast<sf_count_t>(samples.size())) {
            return {};
        }
    }
    SF_INFO readInfo{};
    const SndfilePtr in(sf_open(path.constData(), SFM_READ, &readInfo));
    if (!in) {
        return {};
    }
    std::vector<std::int16_t> decoded(static_cast<std::size_t>(readInfo.frames));
    decoded.resize(static_cast<std::size_t>(sf_read_short(in.get(), decoded.data(), readInfo.frames)));
    return decoded;
}

} // namespace speechquality
