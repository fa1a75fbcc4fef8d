#pragma once

#include "BatchOrder.h"
#include "BatchPlan.h"
#include "ConversionKit.h"
#include "OutputMaker.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

class BatchTotals;

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
//
// While it runs (typically from the observer's idle()), outputs can join its end, pending outputs can be withdrawn,
// a single output can be stopped, and the whole batch paused and resumed. Outputs are numbered across the batch:
// the first joined output follows the last one the batch had.
class BatchEngine {
public:
    BatchEngine(ConversionKitMaker makeKit, EngineObserver& observer);
    ~BatchEngine();
    BatchEngine(const BatchEngine&) = delete;
    BatchEngine& operator=(const BatchEngine&) = delete;

    // Every output of the plan made as the order says, on up to order.jobs workers, then the outputs that joined
    // meanwhile, in the order they joined. Returns once every worker has stopped, with one report per output, joined
    // ones included. Raises ComponentError when a kit cannot be made; no output of that part has been started then.
    std::vector<OutputReport> run(const std::vector<BatchOutput>& plan, const BatchOrder& order);

    // How many workers run() uses: no more than asked, nor than outputs to convert; at least one.
    [[nodiscard]] static int workersFor(const std::vector<BatchOutput>& plan, int jobs);

    // Thread-safe: the running outputs stop after their current block, and no further output starts.
    void cancel();
    [[nodiscard]] bool cancelled() const;

    // Thread-safe: outputs planned for this batch (their names claimed against it) are made after the ones it has,
    // with the same order. Returns the number of the first; nothing when no batch accepts work any more (none runs,
    // it was cancelled, or it is past its last output).
    std::optional<std::size_t> join(std::vector<BatchOutput> outputs);
    // Thread-safe: an output that has not started is not made; it is reported NotStarted and leaves the total.
    // False when it has started or ended already.
    bool skip(std::size_t output);
    // Thread-safe: a running output stops after its current block and is reported Cancelled; a pending one is
    // skipped. The other outputs go on.
    void cancelOutput(std::size_t output);
    // Thread-safe: every running output holds after its current block and none starts until resume(); the time
    // paused does not count towards the time left.
    void pause();
    void resume();
    [[nodiscard]] bool paused() const;
    // Whether the output has started, running or ended.
    [[nodiscard]] bool outputStarted(std::size_t output) const;

private:
    class Run;
    enum class OutputState { Pending, Running, Ended, Withdrawn };

    // Called by the workers.
    bool startOutput(std::size_t output);
    void endOutput(std::size_t output);
    [[nodiscard]] bool stopRequested(std::size_t output) const;
    [[nodiscard]] std::vector<BatchOutput> takeJoinedOrClose();

    ConversionKitMaker makeKit_;
    EngineObserver& observer_;
    std::atomic<bool> cancelled_{false};

    mutable std::mutex mutex_;
    std::condition_variable resumed_;
    bool accepting_ = false;
    bool paused_ = false;
    std::vector<OutputState> states_;
    std::set<std::size_t> stopRequests_;
    std::vector<BatchOutput> joined_;
    std::unique_ptr<BatchTotals> totals_;
};

// The number of workers to use when the user does not say: one per processor core.
[[nodiscard]] int defaultBatchJobs();
