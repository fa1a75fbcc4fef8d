#pragma once

#include "ConvertSummary.h"
#include "core/batch/LibrarySync.h"

#include <QJsonObject>
#include <QTextStream>

// The summary of a sync: its counts, then the files it made, removed or failed on (text: one line each; json: one
// object).
void printSyncSummary(QTextStream& out, SummaryKind kind, const SyncResult& result);

// JSON summaries of several processes (convert's or sync's) joined into one: counts added up, lists of outputs
// put one after the other. Raises nothing; `whyNot` says which input is not a summary.
[[nodiscard]] std::optional<QJsonObject> mergedSummaries(const std::vector<QJsonObject>& summaries, QString& whyNot);
