#include "BatchEngine.h"

#include "AlbumGainRewriter.h"
#include "BatchProgress.h"
#include "ConversionObserver.h"
#include "ImageCursor.h"
#include "PendingOutput.h"
#include "SharedLoudnessMeasurements.h"

#include <QFileInfo>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <iterator>
#include <mutex>
#include <set>
#include <thread>

namespace {

// How often the calling thread hands the workers' news to the observer and lets it process window events.
constexpr std::chrono::milliseconds kIdleInterval{20};
// How long the only worker on the calling thread sleeps between two looks at the window while the batch is paused.
constexpr std::chrono::milliseconds kPausedIdleInterval{10};

struct BatchEvent {
    enum class Kind { Started, Progress, Checking, Rejected, Finished };
    Kind kind;
    std::size_t output = 0;
    int percent = 0;
    QString first;  // source, or the error box's message
    QString second; // destination, or the error box's caption
    OutputReport report;
};

// The files a killed run left half-written are removed by the next run that writes into their folder; files a
// live run is writing stay, and so does every source of this batch, even one that a killed run left (a user may
// convert what it holds).
void removeAbandonedPendingFilesOf(const std::vector<BatchOutput>& plan) {
    std::set<QString> folders;
    QStringList sources;
    for (const BatchOutput& output : plan) {
        sources.append(output.sourceName);
        if (output.action == PlannedAction::Convert || output.action == PlannedAction::SkipExisting)
            folders.insert(QFileInfo(output.destinationName).absolutePath());
    }
    sources.removeDuplicates(); // a source going to several formats is looked at once
    const std::set<FileIdentity> spared = identitiesOf(sources);
    for (const QString& folder : folders)
        removeAbandonedPendingFiles(folder, spared);
}

} // namespace

// The total of the whole batch, as outputs join and leave it, and the time it has been working. The engine's
// calling thread reports it; join, skip and pause may come from anywhere.
class BatchTotals {
public:
    explicit BatchTotals(const std::vector<BatchOutput>& plan) : progress_(weightsOf(plan)) { clock_.start(); }

    static std::vector<qint64> weightsOf(const std::vector<BatchOutput>& plan) {
        std::vector<qint64> weights;
        weights.reserve(plan.size());
        for (const BatchOutput& output : plan)
            weights.push_back(output.weight);
        return weights;
    }

    void add(const std::vector<BatchOutput>& outputs) {
        const std::lock_guard lock(mutex_);
        progress_.addOutputs(weightsOf(outputs));
    }
    void withdraw(std::size_t output) {
        const std::lock_guard lock(mutex_);
        progress_.withdraw(output);
    }
    void setOutputPercent(std::size_t output, int percent) {
        const std::lock_guard lock(mutex_);
        progress_.setOutputPercent(output, percent);
    }
    void finishOutput(std::size_t output) {
        const std::lock_guard lock(mutex_);
        progress_.finishOutput(output);
    }
    void pause(bool paused) {
        const std::lock_guard lock(mutex_);
        if (paused)
            clock_.pause();
        else
            clock_.resume();
    }
    [[nodiscard]] std::pair<int, std::optional<qint64>> now() const {
        const std::lock_guard lock(mutex_);
        return {progress_.totalPercent(), progress_.secondsLeft(clock_.elapsedMs())};
    }

private:
    mutable std::mutex mutex_;
    BatchProgress progress_;
    WorkingClock clock_;
};

// One run of the engine: the plan, the shared queue of events, and what the calling thread keeps.
class BatchEngine::Run {
public:
    // One part of a batch: its first plan, or the outputs that joined it, numbered from `first` on.
    Run(BatchEngine& engine, const std::vector<BatchOutput>& plan, std::size_t first, const BatchOrder& order,
        BatchTotals& totals, int& lastTotal)
        : engine_(engine), plan_(plan), first_(first), observer_(engine.observer_), cancelled_(engine.cancelled_),
          maker_(plan, order, loudness_), totals_(totals), lastTotal_(lastTotal), reports_(plan.size()) {
        for (std::size_t index = 0; index < plan.size(); ++index)
            reports_[index].destination = plan[index].destinationName;
        if (order.replayGain)
            albums_.emplace(plan);
    }

    void runHere(ConversionKit& kit) { work(kit); }

    void runOnWorkers(std::vector<std::unique_ptr<ConversionKit>>& kits) {
        threaded_ = true;
        workersRunning_ = static_cast<int>(kits.size());
        // Declared before the try block, so that a failure stops the workers before their threads are joined.
        std::vector<std::jthread> workers;
        workers.reserve(kits.size());
        try {
            for (auto& kit : kits)
                workers.emplace_back([this, &kit] { workAndSignOff(*kit); });
            deliverUntilWorkersStop();
        } catch (...) {
            // The observer failed: the workers stop after their current block, and are joined before leaving.
            {
                const std::lock_guard lock(engine_.mutex_);
                stopRequested_ = true;
            }
            engine_.resumed_.notify_all();
            throw;
        }
        workers.clear();
        // A failure no report can carry ends the batch on the calling thread, as it would with one worker there.
        if (workerFailure_)
            std::rethrow_exception(workerFailure_);
    }

    std::vector<OutputReport> takeReports() { return std::move(reports_); }

private:
    // Turns what a worker's conversion reports into events for the calling thread.
    class WorkerObserver : public ConversionObserver {
    public:
        WorkerObserver(Run& run, std::size_t output) : run_(run), output_(output) {}

        void conversionStarted(const QString& source, const QString& destination) override {
            run_.post({BatchEvent::Kind::Started, output_, 0, source, destination, {}});
        }
        void progressChanged(int percent) override {
            run_.post({BatchEvent::Kind::Progress, output_, percent, {}, {}, {}});
        }
        void checkProgressChanged(int percent) override {
            run_.post({BatchEvent::Kind::Checking, output_, percent, {}, {}, {}});
        }
        void progressReset() override {}
        bool mayContinue() override { return run_.mayContinue(output_); }
        void conversionFailed(const QString& message, const QString& caption) override {
            run_.post({BatchEvent::Kind::Rejected, output_, 0, message, caption, {}});
        }
        void conversionCancelled() override {}

    private:
        Run& run_;
        std::size_t output_;
    };

    [[nodiscard]] bool stopping() const { return cancelled_.load() || stopRequested_.load(); }

    // Between two blocks of an output: holds while the batch is paused, then says whether the output goes on.
    [[nodiscard]] bool mayContinue(std::size_t index) {
        holdWhilePaused(index);
        return !stopping() && !engine_.stopRequested(first_ + index);
    }

    // A worker thread sleeps until resumed; the only worker on the calling thread keeps the window's events going.
    void holdWhilePaused(std::optional<std::size_t> index) {
        const auto released = [this, index] { return stopping() || (index && engine_.stopRequested(first_ + *index)); };
        if (threaded_) {
            std::unique_lock lock(engine_.mutex_);
            engine_.resumed_.wait(lock, [&] {
                return !engine_.paused_ || cancelled_.load() || stopRequested_.load() ||
                       (index && engine_.stopRequests_.count(first_ + *index) != 0);
            });
            return;
        }
        while (engine_.paused() && !released()) {
            reportTotal();
            observer_.idle();
            std::this_thread::sleep_for(kPausedIdleInterval);
        }
    }

    // A worker that fails stops the others after their current block; its failure is raised again by runOnWorkers.
    void workAndSignOff(ConversionKit& kit) {
        std::exception_ptr failure;
        try {
            work(kit);
        } catch (...) {
            failure = std::current_exception();
            {
                const std::lock_guard lock(engine_.mutex_);
                stopRequested_ = true;
            }
            engine_.resumed_.notify_all();
        }
        const std::lock_guard lock(mutex_);
        if (failure && !workerFailure_)
            workerFailure_ = failure;
        --workersRunning_;
        wake_.notify_one();
    }

    void work(ConversionKit& kit) {
        WriterPreparation preparation(kit.components(), kit.dialogs());
        ImageCursor images(kit.components().reader);
        std::size_t current = 0;
        const auto measuringMayContinue = [this, &current] {
            idleWhenHere();
            return mayContinue(current);
        };
        while (!stopping()) {
            holdWhilePaused(std::nullopt);
            if (stopping())
                break;
            const auto [first, end] = takeNextRun();
            if (first >= plan_.size())
                break;
            for (std::size_t index = first; index < end && !stopping(); ++index) {
                holdWhilePaused(std::nullopt);
                if (stopping())
                    break;
                // A withdrawn output is passed over: nothing is made, nothing is left on disk.
                if (!engine_.startOutput(first_ + index)) {
                    post({BatchEvent::Kind::Finished, index, 100, {}, {}, reportOf(index)});
                    continue;
                }
                current = index;
                WorkerObserver events(*this, index);
                OutputReport report = maker_.make(index, kit, preparation, images, events, measuringMayContinue);
                if (albums_)
                    albums_->outputDone(index, report, maker_.loudnessAsMade(index));
                engine_.endOutput(first_ + index);
                post({BatchEvent::Kind::Finished, index, 100, {}, {}, std::move(report)});
            }
        }
    }

    [[nodiscard]] OutputReport reportOf(std::size_t index) const {
        OutputReport report;
        report.status = OutputStatus::NotStarted;
        report.destination = plan_[index].destinationName;
        return report;
    }

    // The next output, or with the tracks of an image the whole run of them that follows: one worker makes them in
    // turn and decodes the image once.
    std::pair<std::size_t, std::size_t> takeNextRun() {
        std::size_t first = next_.load();
        std::size_t end = 0;
        do {
            if (first >= plan_.size())
                return {first, first};
            end = runEnd(first);
        } while (!next_.compare_exchange_weak(first, end));
        return {first, end};
    }

    [[nodiscard]] std::size_t runEnd(std::size_t first) const {
        std::size_t end = first + 1;
        if (!plan_[first].track)
            return end;
        while (end < plan_.size() && plan_[end].track && plan_[end].sourceName == plan_[first].sourceName)
            ++end;
        return end;
    }

    void post(BatchEvent event) {
        if (!threaded_) {
            deliver(event);
            idleWhenHere();
            return;
        }
        // The calling thread collects the news at its own pace; waking it for every block would cost the workers
        // the time it spends processing window events.
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(event));
    }

    // A single worker runs on the calling thread, which has no other chance to let the observer process events.
    void idleWhenHere() {
        if (threaded_)
            return;
        reportTotal();
        observer_.idle();
    }

    void deliverUntilWorkersStop() {
        for (;;) {
            std::deque<BatchEvent> events;
            bool workersDone = false;
            {
                std::unique_lock lock(mutex_);
                wake_.wait_for(lock, kIdleInterval, [this] { return workersRunning_ == 0; });
                events.swap(queue_);
                workersDone = workersRunning_ == 0;
            }
            for (BatchEvent& event : events)
                deliver(event);
            if (workersDone)
                return;
            reportTotal();
            observer_.idle();
        }
    }

    void deliver(BatchEvent& event) {
        const std::size_t output = first_ + event.output;
        switch (event.kind) {
        case BatchEvent::Kind::Started:
            observer_.outputStarted(output, event.first, event.second);
            break;
        case BatchEvent::Kind::Progress:
            totals_.setOutputPercent(output, event.percent);
            observer_.outputProgress(output, event.percent);
            reportTotal();
            break;
        case BatchEvent::Kind::Checking:
            observer_.outputChecking(output, event.percent);
            break;
        case BatchEvent::Kind::Rejected:
            observer_.sourceRejected(event.first, event.second);
            break;
        case BatchEvent::Kind::Finished:
            reports_[event.output] = std::move(event.report);
            totals_.finishOutput(output);
            observer_.outputFinished(output, reports_[event.output]);
            reportTotal();
            break;
        }
    }

    // Also called between deliveries: outputs that joined or left change the total without an event of their own.
    void reportTotal() {
        const auto [total, secondsLeft] = totals_.now();
        if (total == lastTotal_)
            return;
        lastTotal_ = total;
        observer_.totalProgress(total, secondsLeft);
    }

    BatchEngine& engine_;
    const std::vector<BatchOutput>& plan_;
    std::size_t first_; // the batch's number of the plan's first output
    EngineObserver& observer_;
    const std::atomic<bool>& cancelled_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<std::size_t> next_{0};
    bool threaded_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<BatchEvent> queue_;
    int workersRunning_ = 0;
    std::exception_ptr workerFailure_; // the first

    // Shared by the workers.
    SharedLoudnessMeasurements loudness_;
    OutputMaker maker_;
    std::optional<AlbumGainRewriter> albums_; // with ReplayGain only

    // Touched by the calling thread only.
    BatchTotals& totals_;
    int& lastTotal_;
    std::vector<OutputReport> reports_;
};

BatchEngine::BatchEngine(ConversionKitMaker makeKit, EngineObserver& observer)
    : makeKit_(std::move(makeKit)), observer_(observer) {}

BatchEngine::~BatchEngine() = default;

std::vector<OutputReport> BatchEngine::run(const std::vector<BatchOutput>& plan, const BatchOrder& order) {
    cancelled_ = false;
    {
        const std::lock_guard lock(mutex_);
        states_.assign(plan.size(), OutputState::Pending);
        stopRequests_.clear();
        joined_.clear();
        paused_ = false;
        totals_ = std::make_unique<BatchTotals>(plan);
        accepting_ = true;
    }
    // Whatever way the run ends, nothing joins a batch that is over.
    struct Closing {
        BatchEngine& engine;
        ~Closing() {
            const std::lock_guard lock(engine.mutex_);
            engine.accepting_ = false;
            engine.paused_ = false;
            engine.joined_.clear();
        }
    } closing{*this};

    std::vector<OutputReport> reports;
    std::vector<std::unique_ptr<ConversionKit>> kits;
    int lastTotal = -1;
    std::vector<BatchOutput> part = plan;
    while (!part.empty()) {
        removeAbandonedPendingFilesOf(part);
        const auto workers = static_cast<std::size_t>(workersFor(part, order.jobs));
        // Kits are made as the parts need them; a part after the first may ask for more workers than it had.
        while (kits.size() < workers)
            kits.push_back(makeKit_());
        Run run(*this, part, reports.size(), order, *totals_, lastTotal);
        if (workers == 1) {
            run.runHere(*kits.front());
        } else {
            std::vector<std::unique_ptr<ConversionKit>> used(std::make_move_iterator(kits.begin()),
                                                             std::make_move_iterator(kits.begin() + workers));
            struct GiveBack {
                std::vector<std::unique_ptr<ConversionKit>>& used;
                std::vector<std::unique_ptr<ConversionKit>>& kits;
                ~GiveBack() { std::move(used.begin(), used.end(), kits.begin()); }
            } giveBack{used, kits};
            run.runOnWorkers(used);
        }
        std::vector<OutputReport> made = run.takeReports();
        std::move(made.begin(), made.end(), std::back_inserter(reports));
        part = takeJoinedOrClose();
    }
    return reports;
}

std::vector<BatchOutput> BatchEngine::takeJoinedOrClose() {
    const std::lock_guard lock(mutex_);
    if (cancelled_.load() || joined_.empty()) {
        accepting_ = false;
        return {};
    }
    return std::exchange(joined_, {});
}

std::optional<std::size_t> BatchEngine::join(std::vector<BatchOutput> outputs) {
    const std::lock_guard lock(mutex_);
    if (!accepting_ || cancelled_.load())
        return std::nullopt;
    const std::size_t first = states_.size();
    if (outputs.empty())
        return first;
    states_.insert(states_.end(), outputs.size(), OutputState::Pending);
    totals_->add(outputs);
    std::move(outputs.begin(), outputs.end(), std::back_inserter(joined_));
    return first;
}

bool BatchEngine::skip(std::size_t output) {
    {
        const std::lock_guard lock(mutex_);
        if (output >= states_.size() || states_[output] != OutputState::Pending)
            return false;
        states_[output] = OutputState::Withdrawn;
        totals_->withdraw(output);
    }
    return true;
}

void BatchEngine::cancelOutput(std::size_t output) {
    if (skip(output))
        return;
    {
        const std::lock_guard lock(mutex_);
        if (output >= states_.size() || states_[output] != OutputState::Running)
            return;
        stopRequests_.insert(output);
    }
    resumed_.notify_all();
}

void BatchEngine::pause() {
    const std::lock_guard lock(mutex_);
    if (!accepting_ || paused_)
        return;
    paused_ = true;
    totals_->pause(true);
}

void BatchEngine::resume() {
    {
        const std::lock_guard lock(mutex_);
        if (!paused_)
            return;
        paused_ = false;
        totals_->pause(false);
    }
    resumed_.notify_all();
}

bool BatchEngine::paused() const {
    const std::lock_guard lock(mutex_);
    return paused_;
}

bool BatchEngine::outputStarted(std::size_t output) const {
    const std::lock_guard lock(mutex_);
    return output < states_.size() &&
           (states_[output] == OutputState::Running || states_[output] == OutputState::Ended);
}

bool BatchEngine::startOutput(std::size_t output) {
    const std::lock_guard lock(mutex_);
    if (states_.at(output) != OutputState::Pending)
        return false;
    states_[output] = OutputState::Running;
    return true;
}

void BatchEngine::endOutput(std::size_t output) {
    const std::lock_guard lock(mutex_);
    states_.at(output) = OutputState::Ended;
    stopRequests_.erase(output);
}

bool BatchEngine::stopRequested(std::size_t output) const {
    const std::lock_guard lock(mutex_);
    return stopRequests_.count(output) != 0;
}

int BatchEngine::workersFor(const std::vector<BatchOutput>& plan, int jobs) {
    const auto convertible = static_cast<int>(std::count_if(plan.begin(), plan.end(), [](const BatchOutput& output) {
        // An existing file the policy would keep is read back in full, and made again when incomplete.
        return output.action == PlannedAction::Convert || output.action == PlannedAction::SkipExisting;
    }));
    return std::max(1, std::min(jobs, convertible));
}

void BatchEngine::cancel() {
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    resumed_.notify_all();
}

bool BatchEngine::cancelled() const {
    return cancelled_.load();
}

int defaultBatchJobs() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}
