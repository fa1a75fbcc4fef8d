#include "core/batch/BatchOutcome.h"
#include "core/batch/LoudnessNormalization.h"
#include "core/batch/OneAtATimeTally.h"
#include "core/batch/StartRefusal.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/RecordingDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

// The window's plain run: the engine's one worker on the calling thread, with the main components and dialogs.
namespace {

// An output is written under a hidden name beside its destination and renamed into place when it is finished; this
// is that name without its random mark.
QString pendingName(const QString& destination) {
    const QFileInfo info(destination);
    return info.dir().filePath(QLatin1Char('.') + info.completeBaseName() + QStringLiteral(".part.") + info.suffix());
}

// Records what the plain run shows, in the log the fakes share; can cancel the batch at a chosen progress report.
class RecordingPlainRun : public EngineObserver {
public:
    RecordingPlainRun(std::shared_ptr<QStringList> log, const std::vector<BatchOutput>& plan, const BatchOrder& order)
        : log_(std::move(log)), plan_(plan), tally_(order.formats.size(), order.plannedOutputCount()) {}

    BatchEngine* engine = nullptr;
    int cancelAtProgress = -1; // the n-th progress report (from 1) presses Cancel
    std::vector<int> totals;
    [[nodiscard]] int started() const { return tally_.started(); }

    void outputStarted(std::size_t, const QString&, const QString& destination) override {
        tally_.outputStarted();
        log_->append("Batch.started(" + destination + ")");
    }
    void outputProgress(std::size_t, int percent) override {
        totals.push_back(tally_.totalPercent(percent));
        log_->append(QStringLiteral("Batch.progress(%1,%2)").arg(percent).arg(totals.back()));
        if (static_cast<int>(totals.size()) == cancelAtProgress)
            engine->cancel();
    }
    void outputFinished(std::size_t output, const OutputReport& report) override {
        if (tally_.tellsMissingSource(output, report))
            log_->append("Batch.missing(" + plan_.at(output).sourceName + ")");
        if (tally_.endsEntry(output))
            log_->append("Batch.sourceDone()");
    }
    void sourceRejected(const QString& message, const QString& caption) override {
        log_->append("Batch.failed(" + caption + "," + message + ")");
    }

private:
    std::shared_ptr<QStringList> log_;
    const std::vector<BatchOutput>& plan_;
    OneAtATimeTally tally_;
};

class OneWorkerBatchTest : public ::testing::Test {
protected:
    OneWorkerBatchTest() {
        reader().setResult(QStringLiteral("sampleRate"), 4);
        reader().setResult(QStringLiteral("channelCount"), 2);
        reader().setResult(QStringLiteral("lengthInSamples"), 8);
        factory.log->clear();
    }

    FakeAudioFile2& reader() { return *factory.reader; }
    FakeAudioFile2& writer() { return *factory.writer; }

    // A source file that exists, in a folder of the temporary directory.
    QString source(const QString& relativeName) {
        const QString name = dir.filePath(relativeName);
        QDir().mkpath(QFileInfo(name).path());
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return name;
    }
    // Each conversion reads two one-second blocks, then the end.
    void queueBlocksFor(int conversions) {
        for (int index = 0; index < conversions; ++index) {
            reader().queueReadBlock(SampleBlock(std::size_t{8}));
            reader().queueReadBlock(SampleBlock(std::size_t{8}));
            reader().queueReadBlock(SampleBlock());
        }
    }
    // Temporary names appear without their random mark, as pendingName() gives them.
    [[nodiscard]] QStringList callsNamed(const QString& prefix) const {
        static const QRegularExpression mark(QStringLiteral("\\.[0-9a-f]{24}(?=\\.part)"));
        QStringList calls;
        for (const QString& call : *factory.log) {
            if (call.startsWith(prefix))
                calls.append(QString(call).remove(mark));
        }
        return calls;
    }
    // Runs the order as the window's plain run does; the observer of the last run stays for the checks.
    FinishedBatch run(int cancelAtProgress = -1) {
        FinishedBatch batch;
        batch.plan = order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
        batch.folderText = order.folderText;
        observer = std::make_unique<RecordingPlainRun>(factory.log, batch.plan, order);
        observer->cancelAtProgress = cancelAtProgress;
        BatchEngine engine([this] { return std::make_unique<BorrowedConversionKit>(*components, dialogs); }, *observer);
        observer->engine = &engine;
        batch.reports = engine.run(batch.plan, order);
        batch.cancelled = engine.cancelled();
        return batch;
    }

    QTemporaryDir dir;
    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    RecordingDialogs dialogs{factory.log};
    std::unique_ptr<RecordingPlainRun> observer;
    BatchOrder order;
};

TEST_F(OneWorkerBatchTest, SourcesOutsideFormatsInsideInTheFixedOrder) {
    const QString first = source(QStringLiteral("a/song.mp3"));
    const QString second = source(QStringLiteral("b/tune.wav"));
    order.sources = {{first}, {second}};
    order.formats = {OutputFormat::G726, OutputFormat::Mp3, OutputFormat::Adpcm};
    queueBlocksFor(6);

    // Without an output folder every output lands beside its own source; none replaces its source.
    const FinishedBatch beside = run();
    EXPECT_EQ(callsNamed("writer.createOutput"),
              (QStringList{"writer.createOutput(" + pendingName(dir.filePath("a/song_ADPCM.wav")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("a/song_NEW.mp3")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("a/song.g726")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("b/tune_ADPCM.wav")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("b/tune.mp3")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("b/tune.g726")) + ",0)"}));
    EXPECT_EQ(beside.made(), 6);
    EXPECT_EQ(beside.unmade(), 0);
    EXPECT_FALSE(beside.cancelled);
    EXPECT_EQ(beside.lastOutputFolder(), dir.filePath("b") + "/");
    EXPECT_EQ(callsNamed("Batch.sourceDone").size(), 2);
    EXPECT_EQ(completionMessage(beside), "Conversion is finished!");

    // A folder text without its separator gets one before the base name.
    factory.log->clear();
    queueBlocksFor(6);
    order.folderText = dir.filePath("out");
    ASSERT_TRUE(order.makeFolder()); // the start handler makes it before a run
    const FinishedBatch inFolder = run();
    EXPECT_EQ(callsNamed("writer.createOutput").first(),
              "writer.createOutput(" + pendingName(dir.filePath("out/song_ADPCM.wav")) + ",0)");
    EXPECT_EQ(inFolder.lastOutputFolder(), dir.filePath("out") + "/");
}

// Two entries with one base name into one folder, and an entry that is itself an output of another: every output
// gets a name of its own, and no source is replaced.
TEST_F(OneWorkerBatchTest, NoOutputReplacesASourceOrAnotherOutput) {
    const QString first = source(QStringLiteral("a/song.mp3"));
    const QString second = source(QStringLiteral("b/song.mp3"));
    const QString inOut = source(QStringLiteral("out/song.wav"));
    order.sources = {{first}, {second}, {inOut}};
    order.formats = {OutputFormat::Pcm};
    order.folderText = dir.filePath("out");
    queueBlocksFor(3);
    const FinishedBatch batch = run();
    EXPECT_EQ(batch.made(), 3);
    EXPECT_EQ(callsNamed("writer.createOutput"),
              (QStringList{"writer.createOutput(" + pendingName(dir.filePath("out/song_NEW.wav")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("out/song_NEW2.wav")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("out/song_NEW3.wav")) + ",0)"}));
}

TEST_F(OneWorkerBatchTest, OnlyRawIsAFormatLikeAnyOther) {
    order.sources = {{source(QStringLiteral("song.wav"))}};
    order.formats = {OutputFormat::Raw};
    order.formatSettings.panel.sampleRate = 8000;
    order.formatSettings.panel.channels = 1;
    queueBlocksFor(1);
    const FinishedBatch batch = run();
    EXPECT_EQ(batch.made(), 1);
    EXPECT_EQ(callsNamed("writer.setRaw"), QStringList{"writer.setRaw(3,8000,1,16)"});
    EXPECT_EQ(callsNamed("writer.createOutput"),
              QStringList{"writer.createOutput(" + pendingName(dir.filePath("song.raw")) + ",0)"});
}

TEST_F(OneWorkerBatchTest, MissingSourcesAreReportedSkippedAndListed) {
    const QString kept = source(QStringLiteral("kept.wav"));
    const QString gone = dir.filePath(QStringLiteral("gone.wav"));
    order.sources = {{gone}, {kept}};
    order.formats = {OutputFormat::Pcm};
    queueBlocksFor(1);
    const FinishedBatch some = run();
    EXPECT_EQ(callsNamed("Batch."),
              (QStringList{"Batch.missing(" + gone + ")", "Batch.sourceDone()",
                           "Batch.started(" + dir.filePath("kept_NEW.wav") + ")", "Batch.progress(50,25)",
                           "Batch.progress(100,50)", "Batch.sourceDone()"}))
        << "the missing entry is told at its turn, before the next one starts";
    EXPECT_EQ(some.made(), 1);
    EXPECT_EQ(some.lastOutputFolder(), dir.path() + "/");

    factory.log->clear();
    order.sources = {{gone}, {dir.filePath(QStringLiteral("also gone.mp3"))}};
    order.formats = {OutputFormat::Pcm, OutputFormat::Ogg};
    const FinishedBatch none = run();
    EXPECT_EQ(callsNamed("Batch.missing").size(), 2) << "once per entry, not once per format";
    EXPECT_TRUE(callsNamed("writer.createOutput").isEmpty());
    EXPECT_FALSE(none.cancelled);
    EXPECT_TRUE(none.lastOutputFolder().isEmpty()) << "no folder to open when no source existed";
    const QString message = completionMessage(none);
    EXPECT_TRUE(message.startsWith("Conversion is finished!\n\n0 of 4 outputs were made. Not made:\n"));
    EXPECT_TRUE(message.contains(dir.filePath("also gone.ogg") +
                                 ": Can not find out the source file:" + dir.filePath("also gone.mp3")))
        << message.toStdString();
}

TEST_F(OneWorkerBatchTest, FailedOutputsAreCountedAndListedAndTheBatchGoesOn) {
    const QString song = source(QStringLiteral("song.wav"));
    order.sources = {{song}};
    order.formats = {OutputFormat::Pcm, OutputFormat::Mp3, OutputFormat::Mp2, OutputFormat::Gsm, OutputFormat::Vox};
    queueBlocksFor(3);
    // The MP3 dialog raises something unexpected; the MP2 format is refused by the writer.
    dialogs.throwOnMp3 = true;
    writer().setFailure(QStringLiteral("setMp2"), QStringLiteral("MP2 refuses this rate"));
    FinishedBatch result = run();
    EXPECT_EQ(result.made(), 3);
    ASSERT_EQ(result.unmade(), 2);
    EXPECT_EQ(result.reports[1].destination, dir.filePath("song.mp3"));
    EXPECT_EQ(result.reports[1].reason, song + ": the encoder settings are broken");
    EXPECT_EQ(result.reports[2].destination, dir.filePath("song.mp2"));
    EXPECT_EQ(result.reports[2].reason, song + ": the writer cannot be prepared for mp2 (MP2 refuses this rate)");
    EXPECT_GE(callsNamed("writer.close").size(), 1) << "the writer is closed after an unexpected error";
    const QString message = completionMessage(result);
    EXPECT_TRUE(message.contains("3 of 5 outputs were made."));
    EXPECT_TRUE(message.contains(dir.filePath("song.mp2") + ": " + song + ": the writer cannot be prepared for mp2"));

    // An output that cannot be created, and a source that cannot be opened, are listed with their reason.
    factory.log->clear();
    writer().setFailure(QStringLiteral("setMp2"), QString());
    dialogs.throwOnMp3 = false;
    order.formats = {OutputFormat::Pcm, OutputFormat::Gsm};
    writer().setFailure(QStringLiteral("createOutput"), QStringLiteral("Permission denied"));
    result = run();
    EXPECT_EQ(result.made(), 0);
    ASSERT_EQ(result.unmade(), 2);
    EXPECT_TRUE(result.reports[1].reason.endsWith("(Permission denied)")) << result.reports[1].reason.toStdString();
    EXPECT_EQ(observer->started(), 0);

    writer().setFailure(QStringLiteral("createOutput"), QString());
    reader().setResult(QStringLiteral("lastError"), LastError::CorruptData);
    result = run();
    ASSERT_EQ(result.unmade(), 2);
    EXPECT_TRUE(result.reports[0].reason.contains("cannot open the source")) << result.reports[0].reason.toStdString();
    EXPECT_EQ(observer->started(), 2);
}

TEST_F(OneWorkerBatchTest, ARejectedSourceShowsItsBoxOncePerFormat) {
    order.sources = {{source(QStringLiteral("clip.avi")), SourceKind::Video}};
    order.formats = {OutputFormat::Pcm, OutputFormat::Ogg};
    factory.video->setFailure(QStringLiteral("open"), QStringLiteral("no sound track"));
    const FinishedBatch batch = run();
    EXPECT_EQ(callsNamed("Batch.failed").size(), 2);
    EXPECT_EQ(callsNamed("Batch.failed").first(),
              "Batch.failed(Extract Error,The video file is invalid or the format is not supported!!)");
    EXPECT_EQ(batch.unmade(), 2);
    EXPECT_TRUE(batch.reports[0].reason.contains("no sound track")) << batch.reports[0].reason.toStdString();
}

TEST_F(OneWorkerBatchTest, CancelEndsTheRunAfterTheBlockInProgress) {
    order.sources = {{source(QStringLiteral("one.wav"))}, {source(QStringLiteral("two.wav"))}};
    order.formats = {OutputFormat::Pcm, OutputFormat::Mp3};
    queueBlocksFor(4);
    const FinishedBatch early = run(1);
    EXPECT_TRUE(early.cancelled);
    EXPECT_EQ(callsNamed("writer.createOutput").size(), 1);
    EXPECT_EQ(callsNamed("writer.writeBlock").size(), 1);
    EXPECT_EQ(early.made(), 0);
    EXPECT_EQ(early.unmade(), 0);
    EXPECT_EQ(completionMessage(early), "Conversion is finished!") << "what was cancelled is not listed";

    // Cancelled during the last conversion: the earlier outputs are made, the batch still counts as cancelled.
    factory.log->clear();
    const FinishedBatch late = run(7);
    EXPECT_TRUE(late.cancelled);
    EXPECT_EQ(late.made(), 3);
    EXPECT_EQ(observer->started(), 4);
}

TEST_F(OneWorkerBatchTest, TotalProgressMovesWithManyOutputsAndEachRunStartsAtZero) {
    // 15 sources × 10 formats = 150 outputs.
    for (int index = 0; index < 15; ++index)
        order.sources.push_back({source(QStringLiteral("s%1.wav").arg(index))});
    order.formats = {OutputFormat::Pcm, OutputFormat::Adpcm, OutputFormat::Mp3, OutputFormat::Mp2, OutputFormat::Ogg,
                     OutputFormat::Dsp, OutputFormat::Gsm,   OutputFormat::Vox, OutputFormat::Raw, OutputFormat::G721};
    ASSERT_EQ(order.plannedOutputCount(), 150);
    queueBlocksFor(150);
    const FinishedBatch batch = run();
    EXPECT_EQ(batch.made(), 150);
    const std::vector<int> totals = observer->totals;
    ASSERT_EQ(totals.size(), 300U);
    EXPECT_TRUE(std::is_sorted(totals.begin(), totals.end()));
    EXPECT_EQ(totals[3], 1) << "the second output's end";
    EXPECT_EQ(totals[149], 50);
    EXPECT_EQ(totals.back(), 100);

    order.sources.resize(1);
    order.formats = {OutputFormat::Pcm, OutputFormat::Mp3, OutputFormat::Ogg};
    queueBlocksFor(3);
    static_cast<void>(run());
    EXPECT_EQ(observer->totals, (std::vector<int>{16, 33, 50, 66, 83, 100}));
    EXPECT_EQ(observer->started(), 3);
}

TEST(BatchProgressTest, TotalPercentIsSafeAtEveryEdge) {
    struct Case {
        int percent, started, planned, expected;
    };
    const Case cases[] = {
        {100, 1, 3, 33},  {50, 2, 3, 50},     {99, 3, 3, 99},   {100, 3, 3, 100}, {0, 1, 150, 0},
        {100, 2, 150, 1}, {37, 150, 150, 99}, {100, 1, 1, 100}, {250, 1, 1, 100}, {-5, 1, 2, 0},
        {50, 0, 2, 25},   {50, 1, 0, 0},      {50, 7, 3, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(totalPercent(c.percent, c.started, c.planned), c.expected)
            << c.percent << " of output " << c.started << " of " << c.planned;
}

TEST(BatchStartTest, RefusalsInTheirOrderAndTheOutputFolder) {
    QTemporaryDir dir;
    BatchOrder request;
    request.formats = {OutputFormat::Mp3};
    EXPECT_EQ(refusalToStart(request), "Please add audio files and check them!");
    request.sources = {{dir.filePath("song.wav")}};
    request.formats.clear();
    EXPECT_EQ(refusalToStart(request), "Please choose the output format!");
    request.formats = {OutputFormat::Raw};
    EXPECT_EQ(refusalToStart(request), std::nullopt);
    request.volumePercent = 150;
    request.loudnessTarget = kDefaultLoudnessTarget;
    request.folderText = dir.filePath("not made");
    EXPECT_TRUE(refusalToStart(request).value_or(QString()).contains("cannot be used together"));
    EXPECT_FALSE(QFileInfo::exists(request.folderText)) << "a refused batch makes no folder";
    request.volumePercent.reset();
    EXPECT_EQ(refusalToStart(request), std::nullopt);
    request.replayGain = true;
    EXPECT_TRUE(refusalToStart(request).value_or(QString()).contains("cannot be used together"))
        << "gains measured on the source would not fit evened-out samples";
    request.loudnessTarget.reset();
    request.volumePercent = 150;
    EXPECT_TRUE(refusalToStart(request).value_or(QString()).contains("Write ReplayGain tags"));
    request.volumePercent.reset();
    EXPECT_EQ(refusalToStart(request), std::nullopt);
    request.replayGain = false;

    request.folderText = dir.filePath("new/nested folder");
    EXPECT_EQ(refusalToStart(request), std::nullopt);
    EXPECT_TRUE(QFileInfo(request.folderText).isDir());
    EXPECT_EQ(refusalToStart(request), std::nullopt) << "an existing folder passes";

    QFile blocker(dir.filePath("a file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    request.folderText = dir.filePath("a file");
    EXPECT_EQ(refusalToStart(request), "Invalid Output Folder Name!");
    request.folderText = dir.filePath("a file/below");
    EXPECT_EQ(refusalToStart(request), "Invalid Output Folder Name!");
}

TEST(BatchCompletionTest, LongFailureListsAreCut) {
    FinishedBatch batch;
    batch.reports.resize(26);
    batch.reports[0].status = OutputStatus::Made;
    for (int index = 1; index < 26; ++index) {
        batch.reports[index].status = OutputStatus::Failed;
        batch.reports[index].destination = QStringLiteral("/out/%1.mp3").arg(index - 1);
        batch.reports[index].reason = QStringLiteral("why");
    }
    const QString message = completionMessage(batch);
    EXPECT_TRUE(message.contains("1 of 26 outputs were made."));
    EXPECT_TRUE(message.contains("/out/19.mp3: why"));
    EXPECT_FALSE(message.contains("/out/20.mp3"));
    EXPECT_TRUE(message.endsWith("... and 5 more."));
}

} // namespace
