#pragma once

#include "BatchOrder.h"
#include "BatchPlan.h"
#include "ConversionKit.h"
#include "SingleConversion.h"
#include "core/formats/WriterPreparation.h"

#include <QString>
#include <atomic>
#include <cstddef>
#include <optional>
#include <vector>

// How every output of a batch is made.
struct BatchSettings {
    PanelValues panel;
    std::optional<int> volumePercent;
    bool copyTags = true;
    std::optional<double> loudnessTarget; // LUFS: measure each source, then scale it to this loudness
    bool verifyOutputs = false;           // read every output back in full before it takes its name
    bool replayGain = false;              // measure each source and tag its outputs with track and album gains
};

enum class OutputStatus {
    Made,
    Skipped,    // the policy kept an existing file
    Failed,     // see the reason
    Cancelled,  // stopped after a block; the partial output stays on disk unless a complete file had its name
    NotStarted, // the batch was cancelled before this output's turn
};

// What became of one planned output.
struct OutputReport {
    OutputStatus status = OutputStatus::NotStarted;
    ConversionResult conversion; // what the single conversion said, when it ran
    QString destination;         // the name written, or that would have been written
    QString reason;              // for a failure: one line that starts with the source's name
    qint64 sizeBytes = 0;        // of the file on disk after the output's turn
    qint64 durationMs = 0;       // of the sound written
    bool sourceMissing = false;  // no file of the source's name existed when the batch was planned or at its turn
};

// Prepares the writer for one output and converts it. A preparation the components refuse skips the output
// (NotPrepared) without creating anything.
[[nodiscard]] ConversionResult prepareAndConvert(WriterPreparation& preparation, SingleConversion& conversion,
                                                 const QString& sourceName, OutputFormat format,
                                                 const QString& destinationName, const PanelValues& panel,
                                                 const ConversionSettings& settings);

// What a batch reports. Every call arrives on the thread that called BatchEngine::run, never on a worker.
class EngineObserver {
public:
    virtual ~EngineObserver() = default;
    // The output file exists now.
    virtual void outputStarted(std::size_t /*output*/, const QString& /*source*/, const QString& /*destination*/) {}
    virtual void outputProgress(std::size_t /*output*/, int /*percent*/) {}
    // The output is read back to check it (a made output with verification, or an existing file the policy would
    // keep), with the check's percentage; it may come before outputStarted, or without it for a kept file.
    virtual void outputChecking(std::size_t /*output*/, int /*percent*/) {}
    virtual void outputFinished(std::size_t /*output*/, const OutputReport& /*report*/) {}
    // A component rejected a source: the text and caption of the user's error box.
    virtual void sourceRejected(const QString& /*message*/, const QString& /*caption*/) {}
    virtual void totalProgress(int /*percent*/, std::optional<qint64> /*secondsLeft*/) {}
    // Called every few milliseconds while workers run, and after every report when the only worker runs on the
    // calling thread; the place to process pending window events.
    virtual void idle() {}
};

// Runs a planned batch with up to N workers. Each worker has its own kit (component set and dialogs), takes the
// next output in plan order, and makes it exactly as a single conversion does; with one worker the batch runs on
// the calling thread, one output after the other in plan order, and each report reaches the observer as it is
// made, followed by idle().
class BatchEngine {
public:
    BatchEngine(ConversionKitMaker makeKit, EngineObserver& observer);

    // Returns once every worker has stopped, with one report per planned output. Raises ComponentError when a kit
    // cannot be made; no output has been started then.
    std::vector<OutputReport> run(const std::vector<BatchOutput>& plan, const BatchSettings& settings, int jobs);
    // Every output made as the order says, on up to order.jobs workers.
    std::vector<OutputReport> run(const std::vector<BatchOutput>& plan, const BatchOrder& order);

    // How many workers run() uses: no more than asked, nor than outputs to convert; at least one.
    [[nodiscard]] static int workersFor(const std::vector<BatchOutput>& plan, int jobs);

    // Thread-safe: the running outputs stop after their current block, and no further output starts.
    void cancel();
    [[nodiscard]] bool cancelled() const;

private:
    class Run;

    ConversionKitMaker makeKit_;
    EngineObserver& observer_;
    std::atomic<bool> cancelled_{false};
};

// The number of workers to use when the user does not say: one per processor core.
[[nodiscard]] int defaultBatchJobs();
