#pragma once

#include <QtGlobal>
#include <optional>
#include <vector>

// The progress of a whole batch with outputs running side by side: each output counts with its weight (the length
// of its source), so a ten-minute source moves the total ten times as far as a one-minute source. Each change costs
// the same however many outputs the batch has: the sums are kept as they change.
class BatchProgress {
public:
    explicit BatchProgress(std::vector<qint64> weights);

    void setOutputPercent(std::size_t output, int percent);
    // Done, made or not: the output's whole weight counts.
    void finishOutput(std::size_t output);
    // Outputs that joined the batch: numbered after those it has, none of their work done yet.
    void addOutputs(const std::vector<qint64>& weights);
    // An output that will not be made after all: its weight leaves the total, and it counts as finished.
    void withdraw(std::size_t output);
    [[nodiscard]] std::size_t outputCount() const { return weights_.size(); }

    // 0..100; 100 only once every output is finished.
    [[nodiscard]] int totalPercent() const;
    // The seconds still to go at the pace so far; nothing until a second has passed and some work is done.
    [[nodiscard]] std::optional<qint64> secondsLeft(qint64 elapsedMs) const;

private:
    [[nodiscard]] double doneFraction() const;
    [[nodiscard]] static qint64 counted(qint64 weight) { return weight < 1 ? 1 : weight; }

    std::vector<qint64> weights_;
    std::vector<int> percents_;
    std::vector<bool> finished_;
    qint64 totalWeight_ = 0;
    qint64 donePercentWeight_ = 0; // the sum of weight × percent over every output
    std::size_t finishedCount_ = 0;
};

// The time a batch has been working: a stopwatch that does not run while the batch is paused, so that the time left
// is estimated from the pace of the work alone.
class WorkingClock {
public:
    // Starts running now.
    void start();
    void pause();
    void resume();
    [[nodiscard]] qint64 elapsedMs() const;
    [[nodiscard]] bool paused() const { return pausedAt_.has_value(); }

private:
    [[nodiscard]] static qint64 nowMs();

    qint64 startedAt_ = 0;
    qint64 pausedFor_ = 0;
    std::optional<qint64> pausedAt_;
};
