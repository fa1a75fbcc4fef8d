#include "OrderOf.h"
#include "core/batch/BatchEngine.h"
#include "core/batch/BatchProgress.h"
#include "core/batch/OneAtATimeTally.h"
#include "core/batch/RunningOutputsDisplay.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// Outputs joining and leaving move the total the way a user reads it: what is left to do, over what is planned now.
TEST(ChangingBatchTotals, JoinedAndWithdrawnOutputsKeepTheTotalRight) {
    BatchProgress progress({1000, 1000});
    progress.finishOutput(0);
    EXPECT_EQ(progress.totalPercent(), 50);
    progress.addOutputs({2000});
    EXPECT_EQ(progress.outputCount(), 3u);
    EXPECT_EQ(progress.totalPercent(), 25);
    progress.setOutputPercent(1, 50);
    progress.withdraw(2); // before it started: its weight leaves
    EXPECT_EQ(progress.totalPercent(), 75);
    progress.withdraw(2); // twice is once
    EXPECT_EQ(progress.totalPercent(), 75);
    progress.withdraw(0); // finished already: stays counted
    EXPECT_EQ(progress.totalPercent(), 75);
    progress.finishOutput(1);
    EXPECT_EQ(progress.totalPercent(), 100);

    // Everything withdrawn: the batch is done, not stuck below 100 or dividing by nothing.
    BatchProgress empty({500});
    empty.withdraw(0);
    EXPECT_EQ(empty.totalPercent(), 100);
    EXPECT_EQ(empty.secondsLeft(5000), std::optional<qint64>(0));

    // The plain run's count: joined outputs raise N, a withdrawn one lowers it, never below those started.
    OneAtATimeTally tally(1, 2);
    tally.outputStarted();
    EXPECT_EQ(tally.totalPercent(100), 50);
    tally.addPlanned(2);
    EXPECT_EQ(tally.totalPercent(100), 25);
    tally.withdraw();
    tally.withdraw();
    tally.withdraw();
    EXPECT_EQ(tally.totalPercent(100), 100);
}

TEST(ChangingBatchTotals, TheWorkingClockStandsStillWhilePaused) {
    WorkingClock clock;
    clock.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    clock.pause();
    const qint64 atPause = clock.elapsedMs();
    EXPECT_GE(atPause, 25);
    EXPECT_TRUE(clock.paused());
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(clock.elapsedMs(), atPause);
    clock.pause(); // a second pause does not restart the pause
    clock.resume();
    clock.resume();
    EXPECT_LT(clock.elapsedMs(), atPause + 40);
}

TEST(ChangingBatchTotals, EachRunningLineNamesItsOutput) {
    RunningOutputsDisplay display;
    display.outputStarted(4, QStringLiteral("/out/a.mp3"));
    display.outputStarted(9, QStringLiteral("/out/b.mp3"));
    EXPECT_EQ(display.outputAt(0), std::optional<std::size_t>(4));
    EXPECT_EQ(display.outputAt(1), std::optional<std::size_t>(9));
    display.outputFinished(4);
    EXPECT_EQ(display.outputAt(0), std::optional<std::size_t>(9));
    EXPECT_FALSE(display.outputAt(1));
    EXPECT_FALSE(display.outputAt(-1));
}

// Names claimed as outputs join: never one an earlier output of the batch has, nor one of its sources.
TEST(ChangingBatchPlan, JoinedOutputsClaimNamesAgainstTheRunningBatch) {
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("a/song.wav"));
    const QString second = folder.filePath(QStringLiteral("b/song.wav"));
    const QString third = folder.filePath(QStringLiteral("c/song.wav"));
    for (const QString& name : {first, second, third}) {
        QDir().mkpath(QFileInfo(name).path());
        testsupport::touch(name);
    }
    const QString out = folder.filePath(QStringLiteral("out"));
    const auto noProbe = [](const QString&, SourceKind, bool) { return SourceFacts{}; };
    const std::vector<BatchOutput> earlier = orderOf({first}, {OutputFormat::Pcm}, out).plan(noProbe);
    ASSERT_EQ(earlier.size(), 1u);
    EXPECT_EQ(earlier[0].destinationName, out + QStringLiteral("/song.wav"));

    const std::vector<BatchOutput> joined =
        orderOf({second, third}, {OutputFormat::Pcm}, out).planJoining(noProbe, earlier);
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(joined[0].destinationName, out + QStringLiteral("/song_NEW.wav"));
    EXPECT_EQ(joined[1].destinationName, out + QStringLiteral("/song_NEW2.wav"));

    // Beside their sources: a joined output never replaces a source the batch reads.
    const std::vector<BatchOutput> besides = orderOf({first}, {OutputFormat::Pcm}, {}).plan(noProbe);
    const BatchOrder wavOfWav = orderOf({first}, {OutputFormat::Pcm}, {});
    EXPECT_EQ(wavOfWav.planJoining(noProbe, besides)[0].destinationName,
              folder.filePath(QStringLiteral("a/song_NEW2.wav")));
}

// Real components, so that workers really run while outputs join, leave, stop and pause.
class ChangingBatchOnDisk : public ::testing::Test {
protected:
    QString makeTone(const QString& name, int seconds) {
        const QString path = folder.filePath(name);
        const auto made = testsupport::runTool("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", path, "synth",
                                                       QString::number(seconds), "sine", "440"});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    }
    std::vector<BatchOutput> planOf(const QStringList& sources, const std::vector<BatchOutput>& earlier = {}) {
        return orderOf(sources, {OutputFormat::Pcm}, folder.filePath("out"))
            .planJoining([](const QString&, SourceKind, bool) { return SourceFacts{}; }, earlier);
    }
    static QByteArray md5Of(const QString& file) { return testsupport::md5Of(file); }

    QTemporaryDir folder;
};

class PcmOnly : public FormatDialogs {
public:
    explicit PcmOnly(ComponentSet& components) : components_(components) {}
    void applyPcmWav() override { components_.writer->setPcmWav(44100, 2, 16); }
    void applyMp3() override {}
    void applyOggVorbis() override {}

private:
    ComponentSet& components_;
};

ConversionKitMaker pcmKits(ComponentSetFactory& factory) {
    return kitsFrom(factory, [](ComponentSet& set) { return std::make_unique<PcmOnly>(set); });
}

// Acts on the engine from its observer, as the window does between blocks.
class ActingObserver : public EngineObserver {
public:
    BatchEngine* engine = nullptr;
    std::function<void(std::size_t)> onStarted;
    std::function<void()> onIdle;
    std::vector<int> totals;

    void outputStarted(std::size_t output, const QString&, const QString&) override {
        if (onStarted)
            onStarted(output);
    }
    void totalProgress(int percent, std::optional<qint64>) override { totals.push_back(percent); }
    void idle() override {
        if (onIdle)
            onIdle();
    }
};

TEST_F(ChangingBatchOnDisk, JoinedOutputsAreMadeAndWithdrawnOnesLeaveNoFile) {
    for (const int jobs : {1, 2}) {
        SCOPED_TRACE(jobs);
        QDir(folder.filePath("out")).removeRecursively();
        const QStringList first{makeTone("a.wav", 2), makeTone("b.wav", 2)};
        const QStringList later{makeTone("c.wav", 1), makeTone("d.wav", 1)};
        BatchOrder order = orderOf(first, {OutputFormat::Pcm}, folder.filePath("out"));
        order.jobs = jobs;
        const std::vector<BatchOutput> plan = planOf(first);
        ComponentSetFactory factory;
        ActingObserver observer;
        BatchEngine engine(pcmKits(factory), observer);
        std::optional<std::size_t> joinedAt;
        observer.onStarted = [&](std::size_t output) {
            if (output != 0 || joinedAt)
                return;
            joinedAt = engine.join(planOf(later, plan));
            ASSERT_TRUE(joinedAt);
            EXPECT_TRUE(engine.skip(*joinedAt + 1));
            EXPECT_FALSE(engine.skip(0)); // running already
        };
        const auto reports = engine.run(plan, order);

        ASSERT_EQ(reports.size(), 4u);
        EXPECT_EQ(joinedAt, std::optional<std::size_t>(2));
        for (const std::size_t made : {0u, 1u, 2u})
            EXPECT_EQ(reports[made].status, OutputStatus::Made) << made;
        EXPECT_EQ(reports[3].status, OutputStatus::NotStarted);
        EXPECT_EQ(QDir(folder.filePath("out")).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"a.wav", "b.wav", "c.wav"}));
        EXPECT_EQ(observer.totals.back(), 100);
        // Once over, the batch takes no more work.
        EXPECT_FALSE(engine.join(planOf(later)));
    }
}

TEST_F(ChangingBatchOnDisk, OneCancelledOutputLeavesTheOthersWhole) {
    const QStringList sources{makeTone("long.wav", 60), makeTone("b.wav", 2), makeTone("c.wav", 2)};
    BatchOrder order = orderOf(sources, {OutputFormat::Pcm}, folder.filePath("out"));
    order.jobs = 2;
    ComponentSetFactory factory;
    ActingObserver observer;
    BatchEngine engine(pcmKits(factory), observer);
    observer.onStarted = [&](std::size_t output) {
        if (output == 0)
            engine.cancelOutput(0);
    };
    const auto reports = engine.run(planOf(sources), order);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].status, OutputStatus::Cancelled);
    EXPECT_EQ(reports[1].status, OutputStatus::Made);
    EXPECT_EQ(reports[2].status, OutputStatus::Made);
    EXPECT_FALSE(engine.cancelled());
}

// Paused, no output grows; resumed, the outputs are the bytes an uninterrupted batch makes.
TEST_F(ChangingBatchOnDisk, PauseHoldsEveryOutputAndResumeFinishesThemAlike) {
    for (const int jobs : {1, 2}) {
        SCOPED_TRACE(jobs);
        const QStringList sources{makeTone("p.wav", 20), makeTone("q.wav", 20)};
        BatchOrder order = orderOf(sources, {OutputFormat::Pcm}, folder.filePath("plain"));
        order.jobs = jobs;
        ComponentSetFactory factory;
        {
            EngineObserver quiet;
            BatchEngine engine(pcmKits(factory), quiet);
            (void)engine.run(order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; }), order);
        }
        order.folderText = folder.filePath("paused");
        ActingObserver observer;
        BatchEngine engine(pcmKits(factory), observer);
        bool paused = false;
        observer.onStarted = [&](std::size_t) {
            if (!std::exchange(paused, true))
                engine.pause();
        };
        std::optional<qint64> sizeAtPause;
        QElapsedTimer since;
        observer.onIdle = [&] {
            if (!engine.paused())
                return;
            qint64 size = 0;
            for (const QFileInfo& file : QDir(folder.filePath("paused")).entryInfoList(QDir::Files | QDir::Hidden))
                size += file.size();
            if (!sizeAtPause) {
                // The first look may come before a worker has written its current block.
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                sizeAtPause = -1;
                return;
            }
            if (*sizeAtPause < 0) {
                sizeAtPause = size;
                since.start();
                return;
            }
            EXPECT_EQ(size, *sizeAtPause);
            if (since.elapsed() > 500)
                engine.resume();
        };
        const auto reports =
            engine.run(order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; }), order);
        EXPECT_TRUE(sizeAtPause.has_value());
        for (const OutputReport& report : reports)
            EXPECT_EQ(report.status, OutputStatus::Made);
        for (const QString& name : {QStringLiteral("p.wav"), QStringLiteral("q.wav")})
            EXPECT_EQ(md5Of(folder.filePath("paused/" + name)), md5Of(folder.filePath("plain/" + name)))
                << name.toStdString();
        QDir(folder.filePath("plain")).removeRecursively();
        QDir(folder.filePath("paused")).removeRecursively();
    }
}

// Cancel while paused ends the batch at once: paused workers do not hold it up.
TEST_F(ChangingBatchOnDisk, CancelWhilePausedEndsTheBatch) {
    const QStringList sources{makeTone("x.wav", 30), makeTone("y.wav", 30)};
    BatchOrder order = orderOf(sources, {OutputFormat::Pcm}, folder.filePath("out"));
    order.jobs = 2;
    ComponentSetFactory factory;
    ActingObserver observer;
    BatchEngine engine(pcmKits(factory), observer);
    int idles = 0;
    observer.onStarted = [&](std::size_t) { engine.pause(); };
    observer.onIdle = [&] {
        if (engine.paused() && ++idles == 5)
            engine.cancel();
    };
    const auto reports = engine.run(planOf(sources), order);
    EXPECT_TRUE(engine.cancelled());
    EXPECT_FALSE(engine.paused());
    for (const OutputReport& report : reports)
        EXPECT_NE(report.status, OutputStatus::Made);
}

} // namespace
