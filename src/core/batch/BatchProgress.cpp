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
    totalWeight_ = std::accumulate(weights_.begin(), weights_.end(), qint64{0});
}

void BatchProgress::setOutputPercent(std::size_t output, int percent) {
    int& current = percents_.at(output);
    const int clamped = std::clamp(percent, 0, 100);
    donePercentWeight_ += weights_[output] * (clamped - current);
    current = clamped;
}

void BatchProgress::finishOutput(std::size_t output) {
    setOutputPercent(output, 100);
    if (!finished_.at(output)) {
        finished_[output] = true;
        ++finishedCount_;
    }
}

double BatchProgress::doneFraction() const {
    if (totalWeight_ <= 0)
        return 1.0;
    return std::clamp(static_cast<double>(donePercentWeight_) / (100.0 * static_cast<double>(totalWeight_)), 0.0, 1.0);
}

int BatchProgress::totalPercent() const {
    if (finishedCount_ == finished_.size())
        return 100;
    return std::min(static_cast<int>(std::floor(doneFraction() * 100.0)), 99);
}

std::optional<qint64> BatchProgress::secondsLeft(qint64 elapsedMs) const {
    const double done = doneFraction();
    if (elapsedMs < kMinimumElapsedMs || done < kMinimumDoneFraction)
        return std::nullopt;
    return static_cast<qint64>(std::llround(static_cast<double>(elapsedMs) * (1.0 - done) / done / 1000.0));
}
