#include "BatchProgress.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr qint64 kMinimumElapsedMs = 1000;
constexpr double kMinimumDoneFraction = 0.005;

} // namespace

BatchProgress::BatchProgress(std::vector<qint64> weights)
    : weights_(std::move(weights)), percents_(weights_.size(), 0), finished_(weights_.size(), false) {
    for (qint64& weight : weights_)
        weight = std::max<qint64>(weight, 1);
    totalWeight_ = std::accumulate(weights_.begin(), weights_.end(), 0.0);
}

void BatchProgress::setOutputPercent(std::size_t output, int percent) {
    percents_.at(output) = std::clamp(percent, 0, 100);
}

void BatchProgress::finishOutput(std::size_t output) {
    percents_.at(output) = 100;
    finished_.at(output) = true;
}

double BatchProgress::doneFraction() const {
    if (totalWeight_ <= 0)
        return 1.0;
    double done = 0;
    for (std::size_t output = 0; output < weights_.size(); ++output)
        done += static_cast<double>(weights_[output]) * percents_[output] / 100.0;
    return std::clamp(done / totalWeight_, 0.0, 1.0);
}

int BatchProgress::totalPercent() const {
    if (std::all_of(finished_.begin(), finished_.end(), [](bool finished) { return finished; }))
        return 100;
    return std::min(static_cast<int>(std::floor(doneFraction() * 100.0)), 99);
}

std::optional<qint64> BatchProgress::secondsLeft(qint64 elapsedMs) const {
    const double done = doneFraction();
    if (elapsedMs < kMinimumElapsedMs || done < kMinimumDoneFraction)
        return std::nullopt;
    return static_cast<qint64>(std::llround(static_cast<double>(elapsedMs) * (1.0 - done) / done / 1000.0));
}
