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

    // 0..100; 100 only once every output is finished.
    [[nodiscard]] int totalPercent() const;
    // The seconds still to go at the pace so far; nothing until a second has passed and some work is done.
    [[nodiscard]] std::optional<qint64> secondsLeft(qint64 elapsedMs) const;

private:
    [[nodiscard]] double doneFraction() const;

    std::vector<qint64> weights_;
    std::vector<int> percents_;
    std::vector<bool> finished_;
    qint64 totalWeight_ = 0;
    qint64 donePercentWeight_ = 0; // the sum of weight × percent over every output
    std::size_t finishedCount_ = 0;
};
