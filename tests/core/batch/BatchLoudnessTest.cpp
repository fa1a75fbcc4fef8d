// What a batch shares between the outputs of its sources: one loudness measurement per source, whichever worker
// asks, and the album gains written once an album's last output is over.
#include "OrderOf.h"
#include "core/batch/AlbumGainRewriter.h"
#include "core/batch/SharedLoudnessMeasurements.h"
#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/components/information/TagAccess.h"
#include "fakes/FakeComponentSet.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// A one-channel source of two seconds, read by the reader of the set the factory made last.
void scriptSource(FakeComponentSetFactory& factory) {
    factory.reader->setResult(QStringLiteral("sampleRate"), 8000);
    factory.reader->setResult(QStringLiteral("channelCount"), 1);
    factory.reader->queueReadBlock(SampleBlock(std::vector<float>(8000, 0.25f)));
    factory.reader->queueReadBlock(SampleBlock(std::vector<float>(8000, 0.25f)));
    factory.reader->queueReadBlock(SampleBlock());
}

SourceFacts noFacts(const QString&, SourceKind, bool) {
    return {};
}

qsizetype callsNamed(const QStringList& log, const QString& prefix) {
    return std::count_if(log.begin(), log.end(), [&](const QString& line) { return line.startsWith(prefix); });
}

TEST(SharedLoudnessMeasurements, ASourceIsMeasuredOnceWhileAnotherWorkerWaitsForIt) {
    FakeComponentSetFactory factory;
    const auto first = factory.create();
    scriptSource(factory);
    const auto second = factory.create(); // nothing to read: a measurement of its own would find silence
    SharedLoudnessMeasurements shared;
    const QString source = QStringLiteral("/music/song.wav");

    int secondWorkerBlocks = 0;
    std::optional<LoudnessMeasurement> secondWorkerGot;
    std::thread secondWorker;
    bool underWay = false;
    const auto measured = shared.measure(*first, source, SourceKind::Audio, [&] {
        if (!secondWorker.joinable()) {
            underWay = !shared.finished(source).has_value();
            secondWorker = std::thread([&] {
                secondWorkerGot = shared.measure(*second, source, SourceKind::Audio, [&] {
                    ++secondWorkerBlocks;
                    return true;
                });
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the second asks while the first measures
        }
        return true;
    });
    secondWorker.join();

    EXPECT_TRUE(underWay) << "a measurement under way is not finished";
    ASSERT_TRUE(measured);
    EXPECT_NEAR(measured->samplePeak, 0.25, 1e-6);
    ASSERT_TRUE(secondWorkerGot);
    EXPECT_EQ(secondWorkerGot->integratedLufs, measured->integratedLufs);
    EXPECT_EQ(secondWorkerBlocks, 0) << "the second worker decoded the source again";
    EXPECT_EQ(callsNamed(*factory.log, "reader.openForReading"), 1);

    const auto later = shared.measure(*second, source, SourceKind::Audio, [] { return true; });
    ASSERT_TRUE(later);
    EXPECT_EQ(later->integratedLufs, measured->integratedLufs);
    ASSERT_TRUE(shared.finished(source));
    EXPECT_EQ(callsNamed(*factory.log, "reader.openForReading"), 1);
    EXPECT_FALSE(shared.finished(QStringLiteral("/music/other.wav")));
}

TEST(SharedLoudnessMeasurements, AnUnreadableSourceFailsForEveryAskerAndIsNeverFinished) {
    FakeComponentSetFactory factory;
    const auto set = factory.create();
    factory.reader->setResult(QStringLiteral("lastError"), LastError::CorruptData);
    SharedLoudnessMeasurements shared;
    const QString source = QStringLiteral("/music/broken.wav");
    const auto ask = [&] { return shared.measure(*set, source, SourceKind::Audio, [] { return true; }); };
    EXPECT_THROW(static_cast<void>(ask()), ComponentError);
    EXPECT_THROW(static_cast<void>(ask()), ComponentError) << "the second asker hears the same failure";
    EXPECT_EQ(callsNamed(*factory.log, "reader.openForReading"), 1);
    EXPECT_FALSE(shared.finished(source));
}

class AlbumGainRewriterTest : public ::testing::Test {
protected:
    // A FLAC file of a second's sine, of the album when one is named.
    QString makeTrack(const QString& name, const QString& album, int frequency) {
        const QString path = folder.filePath(name);
        QStringList arguments{"-v",
                              "error",
                              "-y",
                              "-f",
                              "lavfi",
                              "-i",
                              QStringLiteral("sine=frequency=%1:sample_rate=44100:duration=1").arg(frequency)};
        if (!album.isEmpty())
            arguments << "-metadata"
                      << "album=" + album;
        const auto made = testsupport::runTool("ffmpeg", arguments << "-c:a"
                                                                   << "flac" << path);
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    }
    LoudnessMeasurement measure(const QString& source) {
        const auto measured = measureLoudness(*components, source, SourceKind::Audio, [] { return true; });
        EXPECT_TRUE(measured);
        return measured.value_or(LoudnessMeasurement{});
    }
    static OutputReport made(const QString& file) {
        OutputReport report;
        report.status = OutputStatus::Made;
        report.destination = file;
        return report;
    }
    static QString albumGainOf(const QString& file) { return tagaccess::readFile(file).loudness.albumGain; }

    QTemporaryDir folder;
    ComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
};

TEST_F(AlbumGainRewriterTest, AnAlbumsOutputsGetItsGainOnlyAfterItsLastOutput) {
    const QString one = makeTrack("one.flac", "Two", 440);
    const QString loose = makeTrack("loose.flac", {}, 660);
    const QString two = makeTrack("two.flac", "Two", 880);
    // The outputs stand in for what the conversions made: copies of their sources.
    const QString oneMade = folder.filePath("one out.flac");
    const QString looseMade = folder.filePath("loose out.flac");
    const QString twoMade = folder.filePath("two out.flac");
    ASSERT_TRUE(QFile::copy(one, oneMade) && QFile::copy(loose, looseMade) && QFile::copy(two, twoMade));
    const auto plan = orderOf({one, loose, two}, {OutputFormat::Flac}, folder.filePath("out")).plan(noFacts);

    AlbumGainRewriter rewriter(plan);
    OutputReport first = made(oneMade);
    rewriter.outputDone(0, first, measure(one));
    EXPECT_TRUE(albumGainOf(oneMade).isEmpty()) << "the album has an output still to come";
    OutputReport middle = made(looseMade);
    rewriter.outputDone(1, middle, measure(loose));
    EXPECT_TRUE(albumGainOf(looseMade).isEmpty()) << "a source without an album gets no album gain";
    OutputReport last = made(twoMade);
    rewriter.outputDone(2, last, measure(two));
    EXPECT_EQ(last.status, OutputStatus::Made);
    EXPECT_FALSE(albumGainOf(oneMade).isEmpty());
    EXPECT_EQ(albumGainOf(oneMade), albumGainOf(twoMade));
    EXPECT_TRUE(albumGainOf(looseMade).isEmpty());
}

TEST_F(AlbumGainRewriterTest, AnAlbumGainThatCannotBeWrittenFailsTheLastOutput) {
    const QString one = makeTrack("one.flac", "Two", 440);
    const QString two = makeTrack("two.flac", "Two", 880);
    const QString oneMade = folder.filePath("one out.flac");
    const QString twoMade = folder.filePath("two out.flac");
    ASSERT_TRUE(QFile::copy(one, oneMade) && QFile::copy(two, twoMade));
    const auto plan = orderOf({one, two}, {OutputFormat::Flac}, folder.filePath("out")).plan(noFacts);

    AlbumGainRewriter rewriter(plan);
    OutputReport first = made(oneMade);
    rewriter.outputDone(0, first, measure(one));
    QFile damaged(oneMade); // something else wrote over the first output meanwhile
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("OggS and nothing an Ogg file holds after its mark");
    damaged.close();
    OutputReport last = made(twoMade);
    last.sizeBytes = 1234;
    rewriter.outputDone(1, last, measure(two));
    EXPECT_EQ(last.status, OutputStatus::Failed);
    EXPECT_EQ(last.destination, twoMade);
    EXPECT_TRUE(last.reason.startsWith(two + ": ")) << last.reason.toStdString();
    EXPECT_TRUE(last.reason.contains(oneMade)) << last.reason.toStdString();
    EXPECT_EQ(last.sizeBytes, 0);
}

} // namespace
