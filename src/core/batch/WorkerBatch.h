#pragma once

#include "BatchEngine.h"
#include "BatchRun.h"

#include <QStringList>
#include <optional>
#include <vector>

// The window's batch when it does more than the plain run: the engine plans it, its workers make the outputs side
// by side, and the window shows what they report.

// The plan of a window batch: the checked rows in list order, the chosen formats, the output folder and what to do
// with an existing output; every name claimed. The list knows each source's kind from probing it, while the plan
// would only guess it from the name, so the probe and the outputs get the list's kind.
[[nodiscard]] std::vector<BatchOutput> planWindowBatch(const BatchRequest& request, const SourceProbe& probe);
// How each output is made: the panel values, the volume change, tag copying and, when asked, the loudness evened
// out to the default target.
[[nodiscard]] BatchSettings engineSettingsOf(const BatchRequest& request);
// The sources that did not exist when the batch was planned, each once, in list order.
[[nodiscard]] QStringList missingSourcesOf(const std::vector<BatchOutput>& plan);

// What the window reports at the end, from the engine's reports (one per planned output): every output not made
// is listed with its reason, an output the policy skipped as well. A cancelled batch that left outputs unstarted
// ended early, so the output folder stays shut.
[[nodiscard]] BatchOutcome outcomeOfReports(const BatchRequest& request, const std::vector<BatchOutput>& plan,
                                            const std::vector<OutputReport>& reports, bool cancelled);

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
    void outputFinished(std::size_t output);
    void totalProgress(int percent, std::optional<qint64> secondsLeft);

    // "song.mp3  42%"
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
    };

    std::vector<Running> running_;
    int total_ = 0;
    std::optional<qint64> secondsLeft_;
};
