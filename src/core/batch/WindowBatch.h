#pragma once

#include "BatchEngine.h"
#include "BatchRequest.h"
#include "core/list/ConversionList.h"

#include <QStringList>
#include <optional>
#include <vector>

// The window's batch: the engine plans it and makes the outputs, one after the other on the UI thread or on workers
// side by side, and the window shows what it reports.

// A checked row as its batch takes it, with what probing it for the list found out.
[[nodiscard]] BatchSource batchSourceOf(const ConversionRow& row);
// The plan of a window batch: the checked rows in list order, the chosen formats, the output folder and what to do
// with an existing output; every name claimed. The list knows each source's kind from probing it, while the plan
// would only guess it from the name, so the probe and the outputs get the list's kind. A source the list probed
// and that has not changed since is not probed again unless its tags are needed.
[[nodiscard]] std::vector<BatchOutput> planWindowBatch(const BatchRequest& request, const SourceProbe& probe);
// How each output is made: the panel values, the volume change, tag copying and, when asked, the loudness evened
// out to the default target.
[[nodiscard]] BatchSettings engineSettingsOf(const BatchRequest& request);
// The sources that did not exist when the batch was planned, each once, in list order.
[[nodiscard]] QStringList missingSourcesOf(const std::vector<BatchOutput>& plan);

// What a window batch did: one report per planned output, and whether Cancel ended it.
struct FinishedBatch {
    std::vector<BatchOutput> plan;
    std::vector<OutputReport> reports;
    QString folderText; // the request's output folder
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

// What the plain run counts while its one worker makes the outputs in plan order: the outputs started, for the
// total (P + 100 (k − 1)) div N over the planned outputs; the entries whose file was missing, told once each at
// their turn; and where an entry's outputs end.
class OneAtATimeTally {
public:
    OneAtATimeTally(std::size_t formatCount, int planned);

    void outputStarted() { ++started_; }
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

// The box a finished output calls for, if any: an Ogg Vorbis setting the component refused is told for each output
// it costs, as in the plain run.
[[nodiscard]] std::optional<QString> refusalToTell(const BatchOutput& output, const OutputReport& report);

// The time left as the total label shows it: "0:07", "12:40", "1:02:03".
[[nodiscard]] QString timeLeftText(qint64 seconds);

// What the progress window shows while outputs run side by side: one line per running output (its file name and
// percentage) in the order they started, and the total with the time left once the engine can estimate it.
class RunningOutputsDisplay {
public:
    void clear();
    void outputStarted(std::size_t output, const QString& destination);
    void outputProgress(std::size_t output, int percent);
    // The output is read back to check it; an existing file the policy would keep gets its line here.
    void outputChecking(std::size_t output, const QString& destination, int percent);
    void outputFinished(std::size_t output);
    void totalProgress(int percent, std::optional<qint64> secondsLeft);

    // "song.mp3  42%", and "song.mp3  Checking 42%" while it is read back
    [[nodiscard]] QStringList lines() const;
    [[nodiscard]] QStringList destinations() const;
    [[nodiscard]] int totalPercent() const { return total_; }
    // "Total 42%", then "Total 42%, 1:05 left"
    [[nodiscard]] QString totalText() const;

private:
    struct Running {
        std::size_t output;
        QString destination;
        int percent;
        bool checking = false;
    };

    std::vector<Running> running_;
    int total_ = 0;
    std::optional<qint64> secondsLeft_;
};
