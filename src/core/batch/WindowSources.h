#pragma once

#include "BatchOrder.h"
#include "BatchPlan.h"
#include "core/list/ConversionList.h"

#include <QStringList>
#include <vector>

// A checked row as its batch takes it: the kind the list probed it as, which wins over a guess from the name, and
// what probing it found out, for the plan to reuse while the file is unchanged.
[[nodiscard]] BatchSource batchSourceOfRow(const ConversionRow& row);
// The batch sources of a checked row: the row's own, preceded on an image's first track by the sound before that
// track, which the plan converts only when the order asks for it.
[[nodiscard]] std::vector<BatchSource> batchSourcesOfRow(const ConversionRow& row);
// The sources that did not exist when the batch was planned, each once, in list order.
[[nodiscard]] QStringList missingSourcesOf(const std::vector<BatchOutput>& plan);

// What tells a source of a window batch apart from the others: its file and, for a track of an image, the track's
// number. A row of the list, the batch sources made of it, and their outputs share it.
[[nodiscard]] QString batchSourceKey(const BatchSource& source);
[[nodiscard]] QString batchSourceKey(const BatchOutput& output);
