#include "BatchEngine.h"

#include "AlbumGainRewriter.h"
#include "BatchProgress.h"
#include "ConversionObserver.h"
#include "ImageCursor.h"
#include "PendingOutput.h"
#include "SharedLoudnessMeasurements.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

namespace {

// How often the calling thread hands the workers' news to the observer and lets it process window events.
constexpr std::chrono::milliseconds kIdleInterval{20};

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

// One run of the engine: the plan, the shared queue of events, and what the calling thread keeps.
class BatchEngine::Run {
public:
    Run(const std::vector<BatchOutput>& plan, const BatchOrder& order, EngineObserver& observer,
        const std::atomic<bool>& cancelled)
        : plan_(plan), observer_(observer), cancelled_(cancelled), maker_(plan, order, loudness_),
          progress_(weightsOf(plan)), reports_(plan.size()) {
        for (std::size_t index = 0; index < plan.size(); ++index)
            reports_[index].destination = plan[index].destinationName;
        if (order.replayGain)
            albums_.emplace(plan);
        clock_.start();
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
            stopRequested_ = true;
            throw;
        }
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
        bool mayContinue() override { return !run_.stopping(); }
        void conversionFailed(const QString& message, const QString& caption) override {
            run_.post({BatchEvent::Kind::Rejected, output_, 0, message, caption, {}});
        }
        void conversionCancelled() override {}

    private:
        Run& run_;
        std::size_t output_;
    };

    static std::vector<qint64> weightsOf(const std::vector<BatchOutput>& plan) {
        std::vector<qint64> weights;
        weights.reserve(plan.size());
        for (const BatchOutput& output : plan)
            weights.push_back(output.weight);
        return weights;
    }

    [[nodiscard]] bool stopping() const { return cancelled_.load() || stopRequested_.load(); }

    void workAndSignOff(ConversionKit& kit) {
        try {
            work(kit);
        } catch (...) {
            stopRequested_ = true;
        }
        const std::lock_guard lock(mutex_);
        --workersRunning_;
        wake_.notify_one();
    }

    void work(ConversionKit& kit) {
        WriterPreparation preparation(kit.components(), kit.dialogs());
        ImageCursor images(kit.components().reader);
        const auto measuringMayContinue = [this] {
            idleWhenHere();
            return !stopping();
        };
        while (!stopping()) {
            const auto [first, end] = takeNextRun();
            if (first >= plan_.size())
                break;
            for (std::size_t index = first; index < end && !stopping(); ++index) {
                WorkerObserver events(*this, index);
                OutputReport report = maker_.make(index, kit, preparation, images, events, measuringMayContinue);
                if (albums_)
                    albums_->outputDone(index, report, maker_.loudnessAsMade(index));
                post({BatchEvent::Kind::Finished, index, 100, {}, {}, std::move(report)});
            }
        }
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
        if (!threaded_)
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
            observer_.idle();
        }
    }

    void deliver(BatchEvent& event) {
        switch (event.kind) {
        case BatchEvent::Kind::Started:
            observer_.outputStarted(event.output, event.first, event.second);
            break;
        case BatchEvent::Kind::Progress:
            progress_.setOutputPercent(event.output, event.percent);
            observer_.outputProgress(event.output, event.percent);
            reportTotal();
            break;
        case BatchEvent::Kind::Checking:
            observer_.outputChecking(event.output, event.percent);
            break;
        case BatchEvent::Kind::Rejected:
            observer_.sourceRejected(event.first, event.second);
            break;
        case BatchEvent::Kind::Finished:
            reports_[event.output] = std::move(event.report);
            progress_.finishOutput(event.output);
            observer_.outputFinished(event.output, reports_[event.output]);
            reportTotal();
            break;
        }
    }

    void reportTotal() {
        const int total = progress_.totalPercent();
        if (total == lastTotal_)
            return;
        lastTotal_ = total;
        observer_.totalProgress(total, progress_.secondsLeft(clock_.elapsed()));
    }

    const std::vector<BatchOutput>& plan_;
    EngineObserver& observer_;
    const std::atomic<bool>& cancelled_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<std::size_t> next_{0};
    bool threaded_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<BatchEvent> queue_;
    int workersRunning_ = 0;

    // Shared by the workers.
    SharedLoudnessMeasurements loudness_;
    OutputMaker maker_;
    std::optional<AlbumGainRewriter> albums_; // with ReplayGain only

    // Touched by the calling thread only.
    BatchProgress progress_;
    std::vector<OutputReport> reports_;
    QElapsedTimer clock_;
    int lastTotal_ = -1;
};

BatchEngine::BatchEngine(ConversionKitMaker makeKit, EngineObserver& observer)
    : makeKit_(std::move(makeKit)), observer_(observer) {}

std::vector<OutputReport> BatchEngine::run(const std::vector<BatchOutput>& plan, const BatchOrder& order) {
    cancelled_ = false;
    removeAbandonedPendingFilesOf(plan);
    const int workers = workersFor(plan, order.jobs);
    std::vector<std::unique_ptr<ConversionKit>> kits;
    for (int worker = 0; worker < workers; ++worker)
        kits.push_back(makeKit_());

    Run run(plan, order, observer_, cancelled_);
    if (workers == 1)
        run.runHere(*kits.front());
    else
        run.runOnWorkers(kits);
    return run.takeReports();
}

int BatchEngine::workersFor(const std::vector<BatchOutput>& plan, int jobs) {
    const auto convertible = static_cast<int>(std::count_if(plan.begin(), plan.end(), [](const BatchOutput& output) {
        // An existing file the policy would keep is read back in full, and made again when incomplete.
        return output.action == PlannedAction::Convert || output.action == PlannedAction::SkipExisting;
    }));
    return std::max(1, std::min(jobs, convertible));
}

void BatchEngine::cancel() {
    cancelled_ = true;
}

bool BatchEngine::cancelled() const {
    return cancelled_.load();
}

int defaultBatchJobs() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}
