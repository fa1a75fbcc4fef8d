#include "BatchEngine.h"

#include "BatchProgress.h"
#include "ConversionObserver.h"
#include "LoudnessNormalization.h"
#include "OutputReadBack.h"
#include "OutputReasons.h"
#include "PendingOutput.h"
#include "ReplayGain.h"
#include "SourceFactsReader.h"
#include "core/components/ComponentError.h"
#include "core/components/information/TagAccess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <map>
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

OutputReport failed(const QString& destination, const QString& reason) {
    OutputReport report;
    report.status = OutputStatus::Failed;
    report.destination = destination;
    report.reason = reason;
    return report;
}

qint64 sizeOnDisk(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.isFile() ? info.size() : 0;
}

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

OutputReport missingSource(const BatchOutput& output) {
    OutputReport report = failed(output.destinationName, outputReasons::sourceMissing(output.sourceName));
    report.sourceMissing = true;
    return report;
}

template <typename Wrapper> void closeQuietly(Wrapper& component) {
    try {
        component->close();
    } catch (const std::exception&) {
    }
}

// After an error the conversion did not expect, a component may still hold the output or the source open; closing
// them lets the next output start clean.
void closeAllQuietly(ComponentSet& components) {
    closeQuietly(components.reader);
    closeQuietly(components.writer);
    closeQuietly(components.video);
}

} // namespace

// One run of the engine: the plan, the shared queue of events, and what the calling thread keeps.
class BatchEngine::Run {
public:
    Run(const std::vector<BatchOutput>& plan, const BatchSettings& settings, EngineObserver& observer,
        const std::atomic<bool>& cancelled)
        : plan_(plan), settings_(settings), observer_(observer), cancelled_(cancelled), outputChannels_(plan.size(), 0),
          progress_(weightsOf(plan)), reports_(plan.size()) {
        for (std::size_t index = 0; index < plan.size(); ++index)
            reports_[index].destination = plan[index].destinationName;
        if (settings.replayGain)
            albums_.emplace(albumKeysOf(plan));
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
    class WorkerObserver : public ConversionObserver {
    public:
        WorkerObserver(Run& run, std::size_t output) : run_(run), output_(output) {}

        [[nodiscard]] const QString& userMessage() const { return userMessage_; }

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
            userMessage_ = message;
            run_.post({BatchEvent::Kind::Rejected, output_, 0, message, caption, {}});
        }
        void conversionCancelled() override {}

    private:
        Run& run_;
        std::size_t output_;
        QString userMessage_;
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
        while (!stopping()) {
            const std::size_t index = next_++;
            if (index >= plan_.size())
                break;
            OutputReport report;
            try {
                report = makeOutput(kit, preparation, index);
            } catch (const std::exception& error) {
                closeAllQuietly(kit.components());
                report = failed(
                    plan_[index].destinationName,
                    outputReasons::unexpectedError(plan_[index].sourceName, QString::fromLocal8Bit(error.what())));
            }
            if (albums_)
                finishAlbum(index, report);
            post({BatchEvent::Kind::Finished, index, 100, {}, {}, std::move(report)});
        }
    }

    static std::vector<QString> albumKeysOf(const std::vector<BatchOutput>& plan) {
        std::map<QString, QString> keyOfSource; // a source going to several formats is read once
        std::vector<QString> keys;
        keys.reserve(plan.size());
        for (const BatchOutput& output : plan) {
            auto [known, isNew] = keyOfSource.try_emplace(output.sourceName);
            if (isNew && output.kind == SourceKind::Audio)
                known->second = albumKeyOf(output.sourceName);
            keys.push_back(known->second);
        }
        return keys;
    }

    // Once the last output of an album is over, its made outputs get the album values, rewritten in place.
    void finishAlbum(std::size_t index, OutputReport& report) {
        const BatchOutput& output = plan_[index];
        const QString made = report.status == OutputStatus::Made ? report.destination : QString();
        for (const AlbumRewrite& rewrite : albums_->outputDone(index, output.sourceName, made, knownLoudness(index))) {
            try {
                tagaccess::replaceLoudness(rewrite.fileName, rewrite.loudness);
            } catch (const ComponentError& error) {
                report = failed(report.destination,
                                outputReasons::unexpectedError(output.sourceName,
                                                               QStringLiteral("the album gain cannot be written to "
                                                                              "\"%1\" (%2)")
                                                                   .arg(rewrite.fileName, error.message())));
            }
        }
    }

    OutputReport makeOutput(ConversionKit& kit, WriterPreparation& preparation, std::size_t index) {
        const BatchOutput& output = plan_[index];
        switch (output.action) {
        case PlannedAction::SkipExisting: {
            const OutputCheck existing = checkExisting(kit, index);
            if (existing.verdict == OutputCheck::Verdict::Stopped)
                return OutputReport{OutputStatus::NotStarted, {}, output.destinationName, {}, 0, 0};
            if (existing.verdict == OutputCheck::Verdict::Whole) {
                OutputReport report;
                report.status = OutputStatus::Skipped;
                report.destination = output.destinationName;
                report.reason = outputReasons::keptExisting(output.destinationName);
                report.sizeBytes = sizeOnDisk(output.destinationName);
                return report;
            }
            OutputReport remade = convertOutput(kit, preparation, index);
            if (remade.status == OutputStatus::Made)
                remade.reason =
                    outputReasons::remadeIncomplete(output.sourceName, output.destinationName, existing.problem);
            return remade;
        }
        case PlannedAction::SourceMissing:
            return missingSource(output);
        case PlannedAction::OutsideTree:
            return failed(output.destinationName, outputReasons::outsideTree(output.sourceName));
        case PlannedAction::NoFreeName:
            return failed(output.destinationName, outputReasons::noFreeName(output.sourceName, output.destinationName));
        case PlannedAction::Convert:
            break;
        }
        return convertOutput(kit, preparation, index);
    }

    // Whether the file the policy would keep is a whole output of the source: it must decode to its end without a
    // damaged stretch or checksum, and its length match the source's within the codec's frame. What is no plain
    // file (a folder, a pipe, a device) is never read, and kept as the policy says. The check shows its progress
    // and stops within a block when the batch is cancelled.
    OutputCheck checkExisting(ConversionKit& kit, std::size_t index) {
        const BatchOutput& output = plan_[index];
        if (!QFileInfo(output.destinationName).isFile())
            return {};
        const qint64 sourceMs = readSourceFacts(kit.components(), output.sourceName, output.kind, false).durationMs;
        WorkerObserver observer(*this, index);
        return checkOutput(*kit.components().reader, output.destinationName, output.format, sourceMs,
                           [&observer](int percent) {
                               observer.checkProgressChanged(percent);
                               return observer.mayContinue();
                           });
    }

    OutputReport convertOutput(ConversionKit& kit, WriterPreparation& preparation, std::size_t index) {
        const BatchOutput& output = plan_[index];
        if (!QFileInfo::exists(output.sourceName))
            return missingSource(output);
        const QString folder = QFileInfo(output.destinationName).path();
        if (!QDir().mkpath(folder))
            return failed(output.destinationName, outputReasons::folderNotMade(output.sourceName, folder));

        ConversionSettings conversionSettings{output.kind,  settings_.volumePercent, settings_.copyTags, {}, {}, {},
                                              output.probed};
        if (settings_.verifyOutputs)
            conversionSettings.verifiedAs = output.format;
        std::optional<LoudnessMeasurement> measured;
        if (settings_.loudnessTarget || settings_.replayGain) {
            try {
                measured = loudnessOf(kit, output);
                if (!measured)
                    return OutputReport{OutputStatus::NotStarted, {}, output.destinationName, {}, 0, 0};
            } catch (const ComponentError& error) {
                return failed(output.destinationName,
                              outputReasons::loudnessNotMeasured(output.sourceName, error.message()));
            }
        }

        WorkerObserver observer(*this, index);
        SingleConversion conversion(kit.components(), observer);
        ConversionResult result{ConversionOutcome::NotPrepared, output.destinationName, {}};
        bool prepared = false;
        try {
            preparation.prepare(output.format, settings_.panel, output.kind, output.sourceName);
            prepared = true;
        } catch (const ComponentError& error) {
            result.detail = error.message();
        }
        if (prepared) {
            if (measured)
                settleLoudness(kit, index, *measured, conversionSettings);
            result = conversion.convert(output.sourceName, output.destinationName, conversionSettings);
        }
        OutputReport report;
        report.conversion = result;
        report.destination = result.destination;
        report.durationMs = result.durationMs;
        report.sizeBytes = sizeOnDisk(result.destination);
        if (result.outcome == ConversionOutcome::Completed) {
            report.status = OutputStatus::Made;
            report.reason = result.detail; // what a kept output lacks, such as its tags
        } else if (result.outcome == ConversionOutcome::Cancelled) {
            report.status = OutputStatus::Cancelled;
            report.reason = result.detail;
            if (result.keptEarlier) {
                report.durationMs = 0;
                report.reason = outputReasons::cancelledKeptEarlier(output.sourceName, result.destination);
            }
        } else {
            report.status = OutputStatus::Failed;
            report.reason =
                outputReasons::conversionFailed(output.sourceName, output.format, result, observer.userMessage());
        }
        return report;
    }

    // The gain and the loudness tags of one output, from its source's measurement as the prepared format's channels
    // will play it: a mono source copied onto two channels sounds 3 dB louder than measured alone.
    void settleLoudness(ConversionKit& kit, std::size_t index, const LoudnessMeasurement& source,
                        ConversionSettings& conversionSettings) {
        const int writerInput = settings_.volumePercent ? 2 : source.channels; // a volume change makes stereo
        const int channels = kit.components().writer->outputChannelCount(writerInput);
        outputChannels_[index] = channels;
        const LoudnessMeasurement measured = asOutputWith(source, channels);
        if (settings_.loudnessTarget)
            conversionSettings.gainPercent = normalizingPercent(measured, *settings_.loudnessTarget);
        if (settings_.replayGain)
            conversionSettings.loudnessTags = trackLoudnessTags(measured);
    }

    // Each source is measured once, however many formats it goes to: a worker that needs a source another worker is
    // measuring waits for that measurement instead of decoding the source again. Nothing when the batch stopped
    // meanwhile.
    std::optional<LoudnessMeasurement> loudnessOf(ConversionKit& kit, const BatchOutput& output) {
        std::promise<std::optional<LoudnessMeasurement>> measuring;
        SharedLoudness known;
        {
            const std::lock_guard lock(loudnessMutex_);
            const auto [entry, isNew] = loudness_.try_emplace(output.sourceName);
            if (isNew)
                entry->second = measuring.get_future().share();
            else
                known = entry->second;
        }
        if (known.valid())
            return known.get();
        try {
            const auto measured = measureLoudness(kit.components(), output.sourceName, output.kind, [this] {
                idleWhenHere();
                return !stopping();
            });
            measuring.set_value(measured);
            return measured;
        } catch (...) {
            measuring.set_exception(std::current_exception());
            throw;
        }
    }

    // The measurement of the output's source as its channels play it; none when it was not made, or failed.
    std::optional<LoudnessMeasurement> knownLoudness(std::size_t index) {
        const BatchOutput& output = plan_[index];
        SharedLoudness known;
        {
            const std::lock_guard lock(loudnessMutex_);
            if (const auto entry = loudness_.find(output.sourceName); entry != loudness_.end())
                known = entry->second;
        }
        if (!known.valid() || known.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return std::nullopt;
        try {
            const std::optional<LoudnessMeasurement> measured = known.get();
            const int channels = outputChannels_[index];
            if (!measured || channels == 0)
                return measured;
            return asOutputWith(*measured, channels);
        } catch (const ComponentError&) {
            return std::nullopt; // the output that asked for it has reported the failure already
        }
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
    const BatchSettings& settings_;
    EngineObserver& observer_;
    const std::atomic<bool>& cancelled_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<std::size_t> next_{0};
    bool threaded_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<BatchEvent> queue_;
    int workersRunning_ = 0;

    std::mutex loudnessMutex_;
    using SharedLoudness = std::shared_future<std::optional<LoudnessMeasurement>>;
    std::map<QString, SharedLoudness> loudness_;
    std::optional<AlbumGainBook> albums_; // with ReplayGain only
    // The channels each output was prepared with (0 until then); each entry is written and read by the worker that
    // makes that output.
    std::vector<int> outputChannels_;

    // Touched by the calling thread only.
    BatchProgress progress_;
    std::vector<OutputReport> reports_;
    QElapsedTimer clock_;
    int lastTotal_ = -1;
};

ConversionResult prepareAndConvert(WriterPreparation& preparation, SingleConversion& conversion,
                                   const QString& sourceName, OutputFormat format, const QString& destinationName,
                                   const PanelValues& panel, const ConversionSettings& settings) {
    try {
        preparation.prepare(format, panel, settings.kind, sourceName);
    } catch (const ComponentError& error) {
        return ConversionResult{ConversionOutcome::NotPrepared, destinationName, error.message()};
    }
    return conversion.convert(sourceName, destinationName, settings);
}

BatchEngine::BatchEngine(ConversionKitMaker makeKit, EngineObserver& observer)
    : makeKit_(std::move(makeKit)), observer_(observer) {}

std::vector<OutputReport> BatchEngine::run(const std::vector<BatchOutput>& plan, const BatchSettings& settings,
                                           int jobs) {
    cancelled_ = false;
    removeAbandonedPendingFilesOf(plan);
    const int workers = workersFor(plan, jobs);
    std::vector<std::unique_ptr<ConversionKit>> kits;
    for (int worker = 0; worker < workers; ++worker)
        kits.push_back(makeKit_());

    Run run(plan, settings, observer_, cancelled_);
    if (workers == 1)
        run.runHere(*kits.front());
    else
        run.runOnWorkers(kits);
    return run.takeReports();
}

std::vector<OutputReport> BatchEngine::run(const std::vector<BatchOutput>& plan, const BatchOrder& order) {
    BatchSettings settings;
    settings.panel = order.formatSettings.panel;
    settings.volumePercent = order.volumePercent;
    settings.copyTags = order.copyTags;
    settings.loudnessTarget = order.loudnessTarget;
    settings.verifyOutputs = order.verifyOutputs;
    settings.replayGain = order.replayGain;
    return run(plan, settings, order.jobs);
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
