#pragma once

#include "core/batch/BatchEngine.h"

#include <QTextStream>
#include <vector>

enum class SummaryKind { Text, Json };

// The result of every planned output at the end of a batch, in plan order: what was made, skipped or failed and
// why, with each output's size and length. An output a stop ended early counts as cancelled; one the batch never
// began (it stopped first) counts apart, as not started.
void printSummary(QTextStream& out, SummaryKind kind, const std::vector<BatchOutput>& plan,
                  const std::vector<OutputReport>& reports);
