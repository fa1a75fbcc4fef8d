#include "core/batch/BatchEngine.h"
#include "RecordingObserver.h"
#include "core/batch/OutputNaming.h"
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

void touch(const QString& name) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// The same script for every component set: a two-second source, and a writer that refuses ADPCM.
void script(FakeComponentSetFactory& factory) {
    factory.reader->setResult(QStringLiteral("sampleRate"), 4);
    factory.reader->setResult(QStringLiteral("channelCount"), 2);
    factory.reader->setResult(QStringLiteral("lengthInSamples"), 8);
    factory.reader->setResult(QStringLiteral("durationMs"), 2000);
    factory.reader->queueReadBlock(SampleBlock(std::vector<float>(8, 0.5f)));
    factory.reader->queueReadBlock(SampleBlock(std::vector<float>(8, 0.5f)));
    factory.writer->setFailure(QStringLiteral("setAdpcmWav"), QStringLiteral("no ADPCM today"));
}

// The calls to the components, temporary names without their random mark.
QStringList componentCalls(const QStringList& log) {
    static const QRegularExpression mark(QStringLiteral("\\.[0-9a-f]{24}(?=\\.part)"));
    QStringList calls;
    for (const QString& line : log) {
        if (!line.startsWith(QLatin1String("Observer.")) && line != QLatin1String("factory.create()"))
            calls.append(QString(line).remove(mark));
    }
    return calls;
}

TEST(BatchEngine, OneWorkerMakesTheCallsOfTheSequentialBatch) {
    QTemporaryDir folder;
    const QStringList sources{folder.filePath("one.wav"), folder.filePath("gone.wav"), folder.filePath("two.wav")};
    touch(sources[0]);
    touch(sources[2]);
    const std::set<OutputFormat> formats{OutputFormat::Pcm, OutputFormat::Adpcm, OutputFormat::Mp3, OutputFormat::Wma};
    const BatchSettings settings{PanelValues{}, 80, true, {}};

    // The loop a sequential batch runs: sources outside, formats inside, a missing source skipped.
    FakeComponentSetFactory sequentialFactory;
    const auto sequentialSet = sequentialFactory.create();
    script(sequentialFactory);
    sequentialFactory.log->clear();
    RecordingDialogs sequentialDialogs(sequentialFactory.log);
    WriterPreparation preparation(*sequentialSet, sequentialDialogs);
    RecordingObserver observer(sequentialFactory.log);
    SingleConversion conversion(*sequentialSet, observer);
    for (const QString& source : sources) {
        if (!QFileInfo::exists(source))
            continue;
        QDir().mkpath(folder.filePath("out"));
        for (const OutputFormat format : kOutputFormatsInOrder) {
            if (formats.count(format) == 0)
                continue;
            const QString destination = destinationName(folder.filePath("out/"), outputBaseName(source), format);
            const ConversionSettings conversionSettings{
                SourceKind::Audio, settings.volumePercent, settings.copyTags, {}};
            (void)prepareAndConvert(preparation, conversion, source, format, destination, settings.panel,
                                    conversionSettings);
        }
    }

    FakeComponentSetFactory engineFactory;
    const ConversionKitMaker makeKit = [&engineFactory] {
        auto set = engineFactory.create();
        script(engineFactory);
        return std::make_unique<OwnedConversionKit>(std::move(set), [&engineFactory](ComponentSet&) {
            return std::make_unique<RecordingDialogs>(engineFactory.log);
        });
    };
    EngineObserver quiet;
    BatchEngine engine(makeKit, quiet);
    const PlanRequest request{sources, formats, folder.filePath("out"), {}, {}, ExistingOutputPolicy::Replace};
    const auto plan = planBatch(request, [](const QString&, SourceKind, bool) { return SourceFacts{}; });
    const auto reports = engine.run(plan, settings, 1);

    EXPECT_EQ(engineFactory.creations, 1);
    EXPECT_EQ(componentCalls(*engineFactory.log), componentCalls(*sequentialFactory.log));
    ASSERT_EQ(reports.size(), 12u);
    EXPECT_EQ(reports[1].status, OutputStatus::Failed); // ADPCM refused
    EXPECT_EQ(reports[1].reason, sources[0] + ": the writer cannot be prepared for adpcm (no ADPCM today)");
    EXPECT_EQ(reports[4].status, OutputStatus::Failed);
    EXPECT_EQ(reports[4].reason, "Can not find out the source file:" + sources[1]);
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
    const PlanRequest request{sources, {OutputFormat::Pcm}, folder.filePath("out"), {}, {}, {}};
    const auto plan = planBatch(request, [](const QString&, SourceKind, bool) { return SourceFacts{}; });
    ComponentSetFactory factory;
    CancellingObserver observer;
    BatchEngine engine(kitsFrom(factory, [](ComponentSet& set) { return std::make_unique<PcmDialogs>(set); }),
                       observer);
    observer.engine = &engine;
    const int threadsBefore = threadCount();
    const auto reports = engine.run(plan, BatchSettings{}, 2);

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
