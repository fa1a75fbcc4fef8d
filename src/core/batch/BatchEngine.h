#pragma once

#include "BatchOrder.h"
#include "BatchPlan.h"
#include "ConversionKit.h"
#include "OutputMaker.h"

#include <QString>
#include <atomic>
#include <cstddef>
#include <optional>
#include <vector>

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

// Runs a planned batch with up to N workers and tells the observer what they do. Each worker has its own kit
// (component set and dialogs), takes the next output in plan order, and has it made (OutputMaker) exactly as a
// single conversion does; with one worker the batch runs on the calling thread, one output after the other in plan
// order, and each report reaches the observer as it is made, followed by idle().
class BatchEngine {
public:
    BatchEngine(ConversionKitMaker makeKit, EngineObserver& observer);

    // Every output of the plan made as the order says, on up to order.jobs workers. Returns once every worker has
    // stopped, with one report per planned output. Raises ComponentError when a kit cannot be made; no output has
    // been started then.
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
