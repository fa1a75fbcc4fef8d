#include "BatchProgress.h"

#include <QDeadlineTimer>

#include <utility>

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
        weight = counted(weight);
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

void BatchProgress::addOutputs(const std::vector<qint64>& weights) {
    for (const qint64 weight : weights) {
        weights_.push_back(counted(weight));
        percents_.push_back(0);
        finished_.push_back(false);
        totalWeight_ += weights_.back();
    }
}

void BatchProgress::withdraw(std::size_t output) {
    if (finished_.at(output))
        return;
    donePercentWeight_ -= weights_[output] * percents_[output];
    totalWeight_ -= weights_[output];
    weights_[output] = 0;
    percents_[output] = 0;
    finished_[output] = true;
    ++finishedCount_;
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

qint64 WorkingClock::nowMs() {
    return QDeadlineTimer::current().deadline();
}

void WorkingClock::start() {
    startedAt_ = nowMs();
    pausedFor_ = 0;
    pausedAt_.reset();
}

void WorkingClock::pause() {
    if (!pausedAt_)
        pausedAt_ = nowMs();
}

void WorkingClock::resume() {
    if (pausedAt_)
        pausedFor_ += nowMs() - *std::exchange(pausedAt_, std::nullopt);
}

qint64 WorkingClock::elapsedMs() const {
    const qint64 until = pausedAt_.value_or(nowMs());
    return std::max<qint64>(until - startedAt_ - pausedFor_, 0);
}
