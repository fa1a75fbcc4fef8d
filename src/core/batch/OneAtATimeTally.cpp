#include "OneAtATimeTally.h"

#include <algorithm>

int totalPercent(int percent, int started, int planned) {
    if (planned <= 0)
        return 0;
    const qint64 before = 100LL * std::max(started - 1, 0);
    const qint64 total = (std::clamp(percent, 0, 100) + before) / planned;
    return static_cast<int>(std::clamp<qint64>(total, 0, 100));
}

OneAtATimeTally::OneAtATimeTally(std::size_t formatCount, int planned)
    : formatCount_(std::max<std::size_t>(formatCount, 1)), planned_(planned) {}

int OneAtATimeTally::totalPercent(int outputPercent) const {
    return ::totalPercent(outputPercent, started_, planned_);
}

bool OneAtATimeTally::tellsMissingSource(std::size_t output, const OutputReport& report) {
    const std::size_t entry = output / formatCount_;
    if (!report.sourceMissing || toldEntry_ == entry)
        return false;
    toldEntry_ = entry;
    return true;
}

bool OneAtATimeTally::endsEntry(std::size_t output) const {
    return (output + 1) % formatCount_ == 0;
}
