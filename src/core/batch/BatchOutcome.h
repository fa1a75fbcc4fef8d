#pragma once

#include "BatchEngine.h"

#include <QStringList>
#include <optional>
#include <vector>

// What a window batch did: one report per planned output, and whether Cancel ended it.
struct FinishedBatch {
    std::vector<BatchOutput> plan;
    std::vector<OutputReport> reports;
    QString folderText; // the order's output folder
    bool cancelled = false;
    // After Cancel: an entry whose file exists was still ahead. It would have started a conversion, so the run ended
    // there at once: no completion message and no folder opened. False when nothing was left to start and the run
    // ran out as at a normal end (Cancel during the last output, or only missing files after it).
    bool endedAtCancel = false;

    [[nodiscard]] int made() const;
    // Skipped or failed; an output a cancel stopped or left unstarted is neither.
    [[nodiscard]] int unmade() const;
    // The folder of the last checked entry whose file existed; empty when there was none.
    [[nodiscard]] QString lastOutputFolder() const;
};

// After Cancel the run still visits, in list order, the entries it had not reached and tests that each one's file
// exists: an output whose file is missing is reported as missing, as at its turn, and the first output whose file
// exists ends the run (endedAtCancel). Returns the missing sources to tell the user, in order: each once per entry,
// none that the batch had reported missing already.
[[nodiscard]] QStringList visitAfterCancel(FinishedBatch& batch);

// The completion message: "Conversion is finished!", and when outputs were not made, how many were and which were
// not, each with the reason tonalith-cli gives for it.
[[nodiscard]] QString completionMessage(const FinishedBatch& batch);
// After Cancel the window says nothing, unless the cancel stopped outputs whose name an earlier file had: the user
// learns that those files were kept as they were and the partial outputs dropped.
[[nodiscard]] std::optional<QString> cancelMessage(const FinishedBatch& batch);

// The box a finished output calls for, if any: an Ogg Vorbis setting the component refused is told for each output
// it costs, as in the plain run.
[[nodiscard]] std::optional<QString> refusalToTell(const BatchOutput& output, const OutputReport& report);
