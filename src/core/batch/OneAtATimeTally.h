#pragma once

#include "BatchEngine.h"

#include <cstddef>
#include <optional>

// The batch's share done after `percent` of the `started`-th of `planned` outputs, 0..100. Formed as
// (P + 100 (k − 1)) div N so that it moves even with more than 100 outputs planned.
[[nodiscard]] int totalPercent(int percent, int started, int planned);

// What the plain run counts while its one worker makes the outputs in plan order: the outputs started, for the
// total (P + 100 (k − 1)) div N over the planned outputs; the entries whose file was missing, told once each at
// their turn; and where an entry's outputs end.
class OneAtATimeTally {
public:
    OneAtATimeTally(std::size_t formatCount, int planned);

    void outputStarted() { ++started_; }
    // Outputs that joined the batch, and outputs withdrawn before they started: the total counts over what is
    // planned now.
    void addPlanned(int outputs) { planned_ += outputs; }
    void withdraw() { planned_ = planned_ > started_ ? planned_ - 1 : planned_; }
    [[nodiscard]] int started() const { return started_; }
    [[nodiscard]] int totalPercent(int outputPercent) const;
    // True for the first report of an entry whose file was missing; false for the entry's other formats.
    [[nodiscard]] bool tellsMissingSource(std::size_t output, const OutputReport& report);
    // True when the output is the last of its entry.
    [[nodiscard]] bool endsEntry(std::size_t output) const;

private:
    std::size_t formatCount_;
    int planned_;
    int started_ = 0;
    std::optional<std::size_t> toldEntry_;
};
