#pragma once

#include "BatchPreferences.h"
#include "ConversionObserver.h"
#include "OutputPlan.h"

#include <QString>
#include <optional>
#include <set>
#include <vector>

struct ComponentSet;

// One checked row of the conversion list.
struct BatchSource {
    QString fullName;
    SourceKind kind = SourceKind::Audio;
};

// Everything a batch takes from the main window when it starts.
struct BatchRequest {
    std::vector<BatchSource> sources; // the checked rows, in list order
    std::set<OutputFormat> formats;
    PanelValues panel;
    std::optional<int> volumePercent; // "Change As"; nothing for "No Change"
    QString folderText;               // the output folder; empty puts outputs beside their sources
    bool copyTags = true;
    bool openFolder = false;
    // How many outputs at once, evening out loudness, existing outputs; the defaults give the plain run.
    BatchPreferences preferences;
    // The option dialogs' choices as they stood when the batch started, for component sets other than the main
    // one; nothing stands for the formats the dialogs show at start-up.
    FormatDialogsMaker workerDialogs;

    // Sources × formats.
    [[nodiscard]] int plannedOutputCount() const;
};

// Why a batch cannot start, as the text of the user's box; nothing when it can. Makes the output folder, with any
// missing parents, when a folder text is given.
[[nodiscard]] std::optional<QString> refusalToStart(const BatchRequest& request);

// The batch's share done after `percent` of the `started`-th of `planned` outputs, 0..100. Formed as
// (P + 100 (k − 1)) div N so that it moves even with more than 100 outputs planned.
[[nodiscard]] int totalPercent(int percent, int started, int planned);

// The reason listed for each output of a list entry whose file does not exist.
inline const QString kMissingSourceReason = QStringLiteral("The source file does not exist.");

// An output the batch did not make, and why.
struct UnmadeOutput {
    QString destination;
    QString reason;
};

struct BatchOutcome {
    bool cancelled = false;  // Cancel was pressed: no completion message
    bool endedEarly = false; // the run stopped before a conversion it would have started: the folder stays shut
    int made = 0;
    std::vector<UnmadeOutput> unmade;
    // The folder of the last entry whose file existed; empty when there was none.
    QString lastOutputFolder;
};

// What a batch reports while it runs. The progress window displays it; every call comes on the caller's thread.
class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    // The entry's file does not exist; it is skipped.
    virtual void sourceMissing(const QString& sourceName) = 0;
    // The output file exists now.
    virtual void outputStarted(const QString& sourceName, const QString& destinationName) = 0;
    // After every block: the current output's percentage and the batch's. The place to process pending events.
    virtual void progressChanged(int outputPercent, int totalPercent) = 0;
    // The current output stopped before its first block: its progress goes back to 0.
    virtual void outputProgressReset() = 0;
    // A component rejected a source: the text and caption of the user's error box.
    virtual void conversionFailed(const QString& message, const QString& caption) = 0;
    // All outputs of one entry are done.
    virtual void sourceDone() = 0;
};

// Converts every source of a request into every chosen format: sources in list order, formats in the fixed order.
// A failed output never ends the batch; cancel() ends it after the block in progress.
class BatchRun : private ConversionObserver {
public:
    BatchRun(ComponentSet& components, FormatDialogs& dialogs, BatchObserver& observer);

    BatchOutcome run(const BatchRequest& request);
    void cancel() { running_ = false; }
    [[nodiscard]] bool isRunning() const { return running_; }
    [[nodiscard]] int startedOutputs() const { return started_; }

private:
    // False when the run ends at once because it was cancelled.
    bool runSource(const BatchRequest& request, const BatchSource& source, BatchOutcome& outcome);
    [[nodiscard]] ConversionResult convertOne(const PlannedOutput& output, const BatchRequest& request,
                                              const ConversionSettings& settings);
    void closeAllQuietly();

    void conversionStarted(const QString& sourceName, const QString& destinationName) override;
    void progressChanged(int percent) override;
    void progressReset() override;
    bool mayContinue() override { return running_; }
    void conversionFailed(const QString& message, const QString& caption) override;
    void conversionCancelled() override {}

    ComponentSet& components_;
    FormatDialogs& dialogs_;
    BatchObserver& observer_;
    bool running_ = false;
    int planned_ = 0;
    int started_ = 0;
    QString lastFailure_;
};

// The completion message: "Conversion is finished!", and when outputs were not made, how many were and which were
// not, with the reason.
[[nodiscard]] QString completionMessage(const BatchOutcome& outcome);
