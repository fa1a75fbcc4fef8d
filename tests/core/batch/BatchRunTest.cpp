#include "core/batch/BatchRun.h"
#include "fakes/FakeComponentSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// An output is written under a hidden name beside its destination and renamed into place when it is finished.
QString pendingName(const QString& destination) {
    const QFileInfo info(destination);
    return info.dir().filePath(QLatin1Char('.') + info.completeBaseName() + QStringLiteral(".part.") + info.suffix());
}

// Records what a batch reports, in the log the fakes share; can cancel the batch at a chosen progress report.
class RecordingBatchObserver : public BatchObserver {
public:
    explicit RecordingBatchObserver(std::shared_ptr<QStringList> log) : log_(std::move(log)) {}

    BatchRun* batch = nullptr;
    int cancelAtProgress = -1; // the n-th progress report (from 1) presses Cancel
    std::vector<int> totals;

    void sourceMissing(const QString& name) override { log_->append("Batch.missing(" + name + ")"); }
    void outputStarted(const QString&, const QString& destination) override {
        log_->append("Batch.started(" + destination + ")");
    }
    void progressChanged(int output, int total) override {
        totals.push_back(total);
        log_->append(QStringLiteral("Batch.progress(%1,%2)").arg(output).arg(total));
        if (static_cast<int>(totals.size()) == cancelAtProgress)
            batch->cancel();
    }
    void outputProgressReset() override { log_->append("Batch.reset()"); }
    void conversionFailed(const QString& message, const QString& caption) override {
        log_->append("Batch.failed(" + caption + "," + message + ")");
    }
    void sourceDone() override { log_->append("Batch.sourceDone()"); }

private:
    std::shared_ptr<QStringList> log_;
};

class RecordingDialogs : public FormatDialogs {
public:
    explicit RecordingDialogs(std::shared_ptr<QStringList> log) : log_(std::move(log)) {}
    bool throwOnMp3 = false;

    void applyPcmWav() override { log_->append("Dialogs.applyPcmWav()"); }
    void applyMp3() override {
        if (throwOnMp3)
            throw std::runtime_error("the encoder settings are broken");
        log_->append("Dialogs.applyMp3()");
    }
    void applyOggVorbis() override { log_->append("Dialogs.applyOggVorbis()"); }

private:
    std::shared_ptr<QStringList> log_;
};

class BatchRunTest : public ::testing::Test {
protected:
    BatchRunTest() {
        reader().setResult(QStringLiteral("sampleRate"), 4);
        reader().setResult(QStringLiteral("channelCount"), 2);
        reader().setResult(QStringLiteral("lengthInSamples"), 8);
        observer.batch = &batch;
        factory.log->clear();
    }

    FakeAudioFile2& reader() { return *factory.audioFile1; }
    FakeAudioFile2& writer() { return *factory.audioFile2; }

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
    [[nodiscard]] QStringList callsNamed(const QString& prefix) const {
        QStringList calls;
        for (const QString& call : *factory.log) {
            if (call.startsWith(prefix))
                calls.append(call);
        }
        return calls;
    }

    QTemporaryDir dir;
    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    RecordingDialogs dialogs{factory.log};
    RecordingBatchObserver observer{factory.log};
    BatchRun batch{*components, dialogs, observer};
    BatchRequest request;
};

TEST_F(BatchRunTest, SourcesOutsideFormatsInsideInTheFixedOrder) {
    const QString first = source(QStringLiteral("a/song.mp3"));
    const QString second = source(QStringLiteral("b/tune.wav"));
    request.sources = {{first}, {second}};
    request.formats = {OutputFormat::G726, OutputFormat::Mp3, OutputFormat::Adpcm};
    queueBlocksFor(6);

    // Without an output folder every output lands beside its own source.
    const BatchOutcome beside = batch.run(request);
    EXPECT_EQ(callsNamed("writer.createOutput"),
              (QStringList{"writer.createOutput(" + pendingName(dir.filePath("a/song_ADPCM.wav")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("a/song_NEW.mp3")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("a/song.g726")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("b/tune_ADPCM.wav")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("b/tune.mp3")) + ",0)",
                           "writer.createOutput(" + pendingName(dir.filePath("b/tune.g726")) + ",0)"}));
    EXPECT_EQ(beside.made, 6);
    EXPECT_TRUE(beside.unmade.empty());
    EXPECT_FALSE(beside.cancelled);
    EXPECT_EQ(beside.lastOutputFolder, dir.filePath("b") + "/");
    EXPECT_EQ(callsNamed("Batch.sourceDone").size(), 2);
    EXPECT_EQ(completionMessage(beside), "Conversion is finished!");

    // A folder text without its separator gets one before the base name.
    factory.log->clear();
    queueBlocksFor(6);
    request.folderText = dir.filePath("out");
    ASSERT_TRUE(QDir().mkpath(request.folderText)); // the start handler makes it before a run
    const BatchOutcome inFolder = batch.run(request);
    EXPECT_EQ(callsNamed("writer.createOutput").first(),
              "writer.createOutput(" + pendingName(dir.filePath("out/song_ADPCM.wav")) + ",0)");
    EXPECT_EQ(inFolder.lastOutputFolder, dir.filePath("out") + "/");
}

TEST_F(BatchRunTest, OnlyRawIsAFormatLikeAnyOther) {
    request.sources = {{source(QStringLiteral("song.wav"))}};
    request.formats = {OutputFormat::Raw};
    request.panel.sampleRate = 8000;
    request.panel.channels = 1;
    queueBlocksFor(1);
    const BatchOutcome outcome = batch.run(request);
    EXPECT_EQ(outcome.made, 1);
    EXPECT_EQ(callsNamed("writer.setRaw"), QStringList{"writer.setRaw(3,8000,1,16)"});
    EXPECT_EQ(callsNamed("writer.createOutput"),
              QStringList{"writer.createOutput(" + pendingName(dir.filePath("song.raw")) + ",0)"});
}

TEST_F(BatchRunTest, MissingSourcesAreReportedSkippedAndListed) {
    const QString kept = source(QStringLiteral("kept.wav"));
    const QString gone = dir.filePath(QStringLiteral("gone.wav"));
    request.sources = {{gone}, {kept}};
    request.formats = {OutputFormat::Pcm};
    queueBlocksFor(1);
    const BatchOutcome some = batch.run(request);
    EXPECT_EQ(callsNamed("Batch.missing"), QStringList{"Batch.missing(" + gone + ")"});
    EXPECT_EQ(some.made, 1);
    EXPECT_EQ(some.lastOutputFolder, dir.path() + "/");

    factory.log->clear();
    request.sources = {{gone}, {dir.filePath(QStringLiteral("also gone.mp3"))}};
    request.formats = {OutputFormat::Pcm, OutputFormat::Ogg};
    const BatchOutcome none = batch.run(request);
    EXPECT_EQ(callsNamed("Batch.missing").size(), 2);
    EXPECT_TRUE(callsNamed("writer.createOutput").isEmpty());
    EXPECT_FALSE(none.cancelled);
    EXPECT_TRUE(none.lastOutputFolder.isEmpty()) << "no folder to open when no source existed";
    const QString message = completionMessage(none);
    EXPECT_TRUE(message.startsWith("Conversion is finished!\n\n0 of 4 outputs were made. Not made:\n"));
    EXPECT_TRUE(message.contains(dir.filePath("also gone.ogg") + ": The source file does not exist."));
}

TEST_F(BatchRunTest, FailedOutputsAreCountedAndListedAndTheBatchGoesOn) {
    request.sources = {{source(QStringLiteral("song.wav"))}};
    request.formats = {OutputFormat::Pcm, OutputFormat::Mp3, OutputFormat::Mp2, OutputFormat::Gsm, OutputFormat::Vox};
    queueBlocksFor(3);
    // The MP3 dialog raises something unexpected; the MP2 format is refused by the writer.
    dialogs.throwOnMp3 = true;
    writer().setFailure(QStringLiteral("setMp2"), QStringLiteral("MP2 refuses this rate"));
    BatchOutcome result = batch.run(request);
    EXPECT_EQ(result.made, 3);
    ASSERT_EQ(result.unmade.size(), 2U);
    EXPECT_EQ(result.unmade[0].destination, dir.filePath("song.mp3"));
    EXPECT_EQ(result.unmade[0].reason, "the encoder settings are broken");
    EXPECT_EQ(result.unmade[1].destination, dir.filePath("song.mp2"));
    EXPECT_EQ(result.unmade[1].reason, "MP2 refuses this rate");
    EXPECT_GE(callsNamed("writer.close").size(), 1) << "the writer is closed after an unexpected error";
    const QString message = completionMessage(result);
    EXPECT_TRUE(message.contains("3 of 5 outputs were made."));

    // An output that cannot be created, and a source that cannot be opened, are listed with their reason.
    factory.log->clear();
    writer().setFailure(QStringLiteral("setMp2"), QString());
    dialogs.throwOnMp3 = false;
    request.formats = {OutputFormat::Pcm, OutputFormat::Gsm};
    writer().setFailure(QStringLiteral("createOutput"), QStringLiteral("Permission denied"));
    result = batch.run(request);
    EXPECT_EQ(result.made, 0);
    ASSERT_EQ(result.unmade.size(), 2U);
    EXPECT_EQ(result.unmade[1].reason, "Permission denied");
    EXPECT_EQ(callsNamed("Batch.reset").size(), 2);
    EXPECT_EQ(batch.startedOutputs(), 0);

    writer().setFailure(QStringLiteral("createOutput"), QString());
    reader().setResult(QStringLiteral("lastError"), LastError::CorruptData);
    result = batch.run(request);
    ASSERT_EQ(result.unmade.size(), 2U);
    EXPECT_TRUE(result.unmade[0].reason.contains("cannot be opened"));
    EXPECT_EQ(batch.startedOutputs(), 2);
}

TEST_F(BatchRunTest, ARejectedSourceShowsItsBoxOncePerFormat) {
    request.sources = {{source(QStringLiteral("clip.avi")), SourceKind::Video}};
    request.formats = {OutputFormat::Pcm, OutputFormat::Ogg};
    factory.videoFile1->setFailure(QStringLiteral("open"), QStringLiteral("no sound track"));
    const BatchOutcome outcome = batch.run(request);
    EXPECT_EQ(callsNamed("Batch.failed").size(), 2);
    EXPECT_EQ(callsNamed("Batch.failed").first(),
              "Batch.failed(Extract Error,The video file is invalid or the format is not supported!!)");
    EXPECT_EQ(outcome.unmade.size(), 2U);
    EXPECT_EQ(outcome.unmade[0].reason, "no sound track");
}

TEST_F(BatchRunTest, CancelEndsTheRunAfterTheBlockInProgress) {
    request.sources = {{source(QStringLiteral("one.wav"))}, {source(QStringLiteral("two.wav"))}};
    request.formats = {OutputFormat::Pcm, OutputFormat::Mp3};
    queueBlocksFor(4);
    observer.cancelAtProgress = 1;
    const BatchOutcome early = batch.run(request);
    EXPECT_TRUE(early.cancelled);
    EXPECT_TRUE(early.endedEarly);
    EXPECT_EQ(callsNamed("writer.createOutput").size(), 1);
    EXPECT_EQ(callsNamed("writer.writeBlock").size(), 1);
    EXPECT_EQ(early.made, 0);
    EXPECT_TRUE(early.unmade.empty());

    // Cancelled during the last conversion the loop runs out: no completion, but not ended early either.
    factory.log->clear();
    observer.totals.clear();
    observer.cancelAtProgress = 7;
    const BatchOutcome late = batch.run(request);
    EXPECT_TRUE(late.cancelled);
    EXPECT_FALSE(late.endedEarly);
    EXPECT_EQ(late.made, 3);
    EXPECT_EQ(batch.startedOutputs(), 4);
}

TEST_F(BatchRunTest, TotalProgressMovesWithManyOutputsAndEachRunStartsAtZero) {
    // 15 sources × 10 formats = 150 outputs.
    for (int index = 0; index < 15; ++index)
        request.sources.push_back({source(QStringLiteral("s%1.wav").arg(index))});
    request.formats = {OutputFormat::Pcm, OutputFormat::Adpcm, OutputFormat::Mp3, OutputFormat::Mp2,
                       OutputFormat::Ogg, OutputFormat::Dsp,   OutputFormat::Gsm, OutputFormat::Vox,
                       OutputFormat::Raw, OutputFormat::G721};
    ASSERT_EQ(request.plannedOutputCount(), 150);
    queueBlocksFor(150);
    const BatchOutcome outcome = batch.run(request);
    EXPECT_EQ(outcome.made, 150);
    ASSERT_EQ(observer.totals.size(), 300U);
    EXPECT_TRUE(std::is_sorted(observer.totals.begin(), observer.totals.end()));
    EXPECT_EQ(observer.totals[3], 1) << "the second output's end";
    EXPECT_EQ(observer.totals[149], 50);
    EXPECT_EQ(observer.totals.back(), 100);

    observer.totals.clear();
    request.sources.resize(1);
    request.formats = {OutputFormat::Pcm, OutputFormat::Mp3, OutputFormat::Ogg};
    queueBlocksFor(3);
    static_cast<void>(batch.run(request));
    EXPECT_EQ(observer.totals, (std::vector<int>{16, 33, 50, 66, 83, 100}));
    EXPECT_EQ(batch.startedOutputs(), 3);
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
    BatchRequest request;
    request.formats = {OutputFormat::Mp3};
    EXPECT_EQ(refusalToStart(request), "Please add audio files and check them!");
    request.sources = {{dir.filePath("song.wav")}};
    request.formats.clear();
    EXPECT_EQ(refusalToStart(request), "Please choose the output format!");
    request.formats = {OutputFormat::Raw};
    EXPECT_EQ(refusalToStart(request), std::nullopt);
    request.volumePercent = 150;
    request.preferences.evenLoudness = true;
    request.folderText = dir.filePath("not made");
    EXPECT_TRUE(refusalToStart(request).value_or(QString()).contains("cannot be used together"));
    EXPECT_FALSE(QFileInfo::exists(request.folderText)) << "a refused batch makes no folder";
    request.volumePercent.reset();
    EXPECT_EQ(refusalToStart(request), std::nullopt);
    request.preferences.evenLoudness = false;

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
    BatchOutcome outcome;
    outcome.made = 1;
    for (int index = 0; index < 25; ++index)
        outcome.unmade.push_back({QStringLiteral("/out/%1.mp3").arg(index), QStringLiteral("why")});
    const QString message = completionMessage(outcome);
    EXPECT_TRUE(message.contains("1 of 26 outputs were made."));
    EXPECT_TRUE(message.contains("/out/19.mp3: why"));
    EXPECT_FALSE(message.contains("/out/20.mp3"));
    EXPECT_TRUE(message.endsWith("... and 5 more."));
}

} // namespace
