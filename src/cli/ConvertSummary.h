#pragma once

#include "core/batch/BatchEngine.h"

#include <QTextStream>
#include <vector>

enum class SummaryKind { Text, Json };

// The result of every planned output at the end of a batch, in plan order: what was made, skipped or failed and
// why, with each output's size and length.
void printSummary(QTextStream& out, SummaryKind kind, const std::vector<BatchOutput>& plan,
                  const std::vector<OutputReport>& reports);
