#include "core/batch/BatchEngine.h"
#include "OrderOf.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/RecordingDialogs.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>

namespace {

using testsupport::touch;

// The same script for every component set: `conversions` reads of a two-second source, and a writer that refuses
// ADPCM.
void script(FakeComponentSetFactory& factory, int conversions) {
    factory.reader->setResult(QStringLiteral("sampleRate"), 4);
    factory.reader->setResult(QStringLiteral("channelCount"), 2);
    factory.reader->setResult(QStringLiteral("lengthInSamples"), 8);
    factory.reader->setResult(QStringLiteral("durationMs"), 2000);
    for (int conversion = 0; conversion < conversions; ++conversion) {
        factory.reader->queueReadBlock(SampleBlock(std::vector<float>(8, 0.5f)));
        factory.reader->queueReadBlock(SampleBlock(std::vector<float>(8, 0.5f)));
        factory.reader->queueReadBlock(SampleBlock());
    }
    factory.writer->setFailure(QStringLiteral("setAdpcmWav"), QStringLiteral("no ADPCM today"));
}

// Logs what the engine tells its observer, and on which thread.
class RecordingEngineObserver : public EngineObserver {
public:
    QStringList events;
    std::set<std::thread::id> threads;

    void outputStarted(std::size_t output, const QString&, const QString&) override {
        record(QStringLiteral("started(%1)").arg(output));
    }
    void outputFinished(std::size_t output, const OutputReport&) override {
        record(QStringLiteral("finished(%1)").arg(output));
    }
    void idle() override { record(QStringLiteral("idle")); }

private:
    void record(const QString& event) {
        threads.insert(std::this_thread::get_id());
        events.append(event);
    }
};

// The writer's outputs, temporary names without their random mark, as they were created.
QStringList createdOutputs(const QStringList& log) {
    static const QRegularExpression mark(QStringLiteral("\\.[0-9a-f]{24}(?=\\.part)"));
    QStringList created;
    for (const QString& line : log) {
        if (line.startsWith(QLatin1String("writer.createOutput(")))
            created.append(QString(line).remove(mark));
    }
    return created;
}

QString pendingName(const QString& destination) {
    const QFileInfo info(destination);
    return info.dir().filePath(QLatin1Char('.') + info.completeBaseName() + QStringLiteral(".part.") + info.suffix());
}

// One worker: one kit, on the calling thread; sources outside and formats inside in their fixed order, each output
// over (made, refused or missing) before the next starts, and every report followed by idle(). A refused format and
// a missing source do not stop the batch.
TEST(BatchEngine, OneWorkerMakesEachOutputInPlanOrderBeforeTheNext) {
    QTemporaryDir folder;
    const QStringList sources{folder.filePath("one.wav"), folder.filePath("gone.wav"), folder.filePath("two.wav")};
    touch(sources[0]);
    touch(sources[2]);
    const BatchOrder order =
        orderOf(sources, {OutputFormat::Pcm, OutputFormat::Adpcm, OutputFormat::Mp3, OutputFormat::Wma},
                folder.filePath("out"));

    FakeComponentSetFactory factory;
    const ConversionKitMaker makeKit = [&factory] {
        auto set = factory.create();
        script(factory, 6);
        return std::make_unique<OwnedConversionKit>(
            std::move(set), [&factory](ComponentSet&) { return std::make_unique<RecordingDialogs>(factory.log); });
    };
    RecordingEngineObserver observer;
    BatchEngine engine(makeKit, observer);
    const auto plan = order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
    const auto reports = engine.run(plan, order);

    EXPECT_EQ(factory.creations, 1);
    EXPECT_EQ(observer.threads, std::set<std::thread::id>{std::this_thread::get_id()});
    const QString out = folder.filePath("out/");
    QStringList expectedOutputs;
    for (const char* name : {"one.wav", "one.mp3", "one.wma", "two.wav", "two.mp3", "two.wma"})
        expectedOutputs.append("writer.createOutput(" + pendingName(out + name) + ",0)");
    EXPECT_EQ(createdOutputs(*factory.log), expectedOutputs);

    // Each output's events lie between the previous output's report and its own, and each report is followed by
    // idle().
    QStringList reported;
    for (const QString& event : observer.events) {
        if (event != QLatin1String("idle"))
            reported.append(event);
    }
    const std::set<std::size_t> made{0, 2, 3, 8, 10, 11}; // the others are ADPCM or the missing source's
    QStringList expectedEvents;
    for (std::size_t output = 0; output < 12; ++output) {
        if (made.count(output) != 0)
            expectedEvents.append(QStringLiteral("started(%1)").arg(output));
        expectedEvents.append(QStringLiteral("finished(%1)").arg(output));
    }
    EXPECT_EQ(reported, expectedEvents);
    for (qsizetype index = 0; index < observer.events.size(); ++index) {
        if (observer.events[index].startsWith(QLatin1String("finished("))) {
            EXPECT_EQ(observer.events.value(index + 1), QStringLiteral("idle")) << index;
        }
    }

    ASSERT_EQ(reports.size(), 12u);
    EXPECT_EQ(reports[1].status, OutputStatus::Failed); // ADPCM refused
    EXPECT_EQ(reports[1].reason, sources[0] + ": the writer cannot be prepared for adpcm (no ADPCM today)");
    for (std::size_t index = 4; index < 8; ++index) {
        EXPECT_EQ(reports[index].status, OutputStatus::Failed);
        EXPECT_TRUE(reports[index].sourceMissing);
        EXPECT_EQ(reports[index].reason, "Can not find out the source file:" + sources[1]);
    }
    for (const std::size_t index : made)
        EXPECT_EQ(reports[index].status, OutputStatus::Made) << index;
}

// Something thrown that is not an error an output's report can carry (an output's own errors become its reason).
struct Unforeseen {};

class BrokenDialogs : public FormatDialogs {
public:
    void applyPcmWav() override { throw Unforeseen{}; }
    void applyMp3() override {}
    void applyOggVorbis() override {}
};

// A worker's failure that is not an output's own reaches the caller of run(), with one worker or two, instead of
// ending the batch as if its outputs had simply not been made; every thread is joined first.
TEST(BatchEngine, AFailureOnAWorkerReachesTheCaller) {
    QTemporaryDir folder;
    const QStringList sources{folder.filePath("one.wav"), folder.filePath("two.wav"), folder.filePath("three.wav")};
    for (const QString& source : sources)
        touch(source);
    for (const int jobs : {1, 2}) {
        BatchOrder order = orderOf(sources, {OutputFormat::Pcm}, folder.filePath("out"));
        order.jobs = jobs;
        FakeComponentSetFactory factory;
        const ConversionKitMaker makeKit = [&factory] {
            auto set = factory.create();
            script(factory, 3);
            return std::make_unique<OwnedConversionKit>(
                std::move(set), [](ComponentSet&) { return std::make_unique<BrokenDialogs>(); });
        };
        RecordingEngineObserver observer;
        BatchEngine engine(makeKit, observer);
        const auto plan = order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
        EXPECT_THROW((void)engine.run(plan, order), Unforeseen) << jobs;
        EXPECT_FALSE(engine.join({}).has_value()) << jobs;
    }
}

// Real components, so that two workers really run side by side.
class BatchEngineOnDisk : public ::testing::Test {
protected:
    QString makeTone(const QString& name, int seconds) {
        const QString path = folder.filePath(name);
        const auto made = testsupport::runTool("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", path, "synth",
                                                       QString::number(seconds), "sine", "440"});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    }

    QTemporaryDir folder;
};

class PcmDialogs : public FormatDialogs {
public:
    explicit PcmDialogs(ComponentSet& components) : components_(components) {}
    void applyPcmWav() override { components_.writer->setPcmWav(44100, 2, 16); }
    void applyMp3() override {}
    void applyOggVorbis() override {}

private:
    ComponentSet& components_;
};

int threadCount() {
    return static_cast<int>(
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// Cancels once both workers are inside an output; records on which thread every report arrived.
class CancellingObserver : public EngineObserver {
public:
    BatchEngine* engine = nullptr;
    std::set<std::size_t> running;
    std::set<std::thread::id> threads;

    void outputProgress(std::size_t output, int) override {
        threads.insert(std::this_thread::get_id());
        running.insert(output);
        if (running.size() == 2)
            engine->cancel();
    }
    void outputFinished(std::size_t, const OutputReport&) override { threads.insert(std::this_thread::get_id()); }
};

TEST_F(BatchEngineOnDisk, CancelWithTwoWorkersStopsBothAndStartsNothingMore) {
    const QStringList sources{makeTone("a.wav", 60), makeTone("b.wav", 60), makeTone("c.wav", 1), makeTone("d.wav", 1)};
    BatchOrder order = orderOf(sources, {OutputFormat::Pcm}, folder.filePath("out"));
    order.jobs = 2;
    const auto plan = order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
    ComponentSetFactory factory;
    CancellingObserver observer;
    BatchEngine engine(kitsFrom(factory, [](ComponentSet& set) { return std::make_unique<PcmDialogs>(set); }),
                       observer);
    observer.engine = &engine;
    const int threadsBefore = threadCount();
    const auto reports = engine.run(plan, order);

    EXPECT_EQ(threadCount(), threadsBefore);
    EXPECT_EQ(observer.threads, std::set<std::thread::id>{std::this_thread::get_id()});
    ASSERT_EQ(reports.size(), 4u);
    for (std::size_t index : {0u, 1u}) {
        EXPECT_EQ(reports[index].status, OutputStatus::Cancelled);
        // The partial output stays, closed: a readable file shorter than its source.
        const auto probe = testsupport::runTool("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of",
                                                            "csv=p=0", reports[index].destination});
        EXPECT_EQ(probe.exitCode, 0) << probe.err.toStdString();
        EXPECT_GT(probe.out.trimmed().toDouble(), 0.0);
        EXPECT_LT(probe.out.trimmed().toDouble(), 60.0);
        EXPECT_EQ(reports[index].sizeBytes, QFileInfo(reports[index].destination).size());
    }
    for (std::size_t index : {2u, 3u}) {
        EXPECT_EQ(reports[index].status, OutputStatus::NotStarted);
        EXPECT_FALSE(QFileInfo::exists(reports[index].destination));
    }
    EXPECT_EQ(QDir(folder.filePath("out")).entryList(QDir::Files).size(), 2);
}

} // namespace
