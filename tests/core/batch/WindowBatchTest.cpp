#include "core/batch/WindowBatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& name) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

OutputReport reportOf(OutputStatus status, const QString& destination, const QString& reason = {}) {
    OutputReport report;
    report.status = status;
    report.destination = destination;
    report.reason = reason;
    return report;
}

class WindowBatchTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return folder.filePath(relative); }

    BatchRequest requestFor(const QStringList& sources, std::set<OutputFormat> formats) const {
        BatchRequest request;
        for (const QString& source : sources)
            request.sources.push_back({source, SourceKind::Audio});
        request.formats = std::move(formats);
        request.folderText = path(QStringLiteral("out"));
        return request;
    }

    QTemporaryDir folder;
};

// The list's kind wins over the name's guess, the rule for existing outputs reaches the name claims, and a missing
// source is told once however many formats it would have gone to.
TEST_F(WindowBatchTest, PlanTakesTheListsKindsTheExistsRuleAndTellsMissingSourcesOnce) {
    const QString clip = path(QStringLiteral("clip.mp4"));
    const QString song = path(QStringLiteral("song.wav"));
    const QString gone = path(QStringLiteral("gone.wav"));
    touch(clip);
    touch(song);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("out"))));
    touch(path(QStringLiteral("out/song.mp3")));
    BatchRequest request = requestFor({clip, gone, song}, {OutputFormat::Mp3, OutputFormat::Raw});
    request.sources[0].kind = SourceKind::Audio; // probed as sound only, whatever its name says
    request.preferences.existing = ExistingOutputPolicy::Skip;

    std::map<QString, SourceKind> probedKinds;
    const auto plan = planWindowBatch(request, [&](const QString& source, SourceKind kind, bool) {
        probedKinds[source] = kind;
        return SourceFacts{2000, {}};
    });
    ASSERT_EQ(plan.size(), 6U);
    EXPECT_EQ(probedKinds.at(clip), SourceKind::Audio);
    EXPECT_EQ(plan[0].kind, SourceKind::Audio);
    EXPECT_EQ(plan[0].destinationName, path(QStringLiteral("out/clip.mp3")));
    EXPECT_EQ(plan[2].action, PlannedAction::SourceMissing);
    EXPECT_EQ(plan[4].action, PlannedAction::SkipExisting);
    EXPECT_EQ(plan[5].action, PlannedAction::Convert);
    EXPECT_EQ(missingSourcesOf(plan), QStringList{gone});

    request.preferences.existing = ExistingOutputPolicy::New;
    const auto renamed = planWindowBatch(request, [](const QString&, SourceKind, bool) { return SourceFacts{}; });
    EXPECT_EQ(renamed[4].destinationName, path(QStringLiteral("out/song_NEW.mp3")));
    EXPECT_EQ(renamed[4].action, PlannedAction::Convert);
}

// What the list found when a row came in serves the plan, and through it the conversion, for as long as the file is
// the one the list probed; a file changed since, or a row the list could not describe so, is probed afresh.
TEST_F(WindowBatchTest, ListedFactsServeThePlanUntilTheSourceChanges) {
    const QString song = path(QStringLiteral("song.wav"));
    const QString clip = path(QStringLiteral("clip.mp4"));
    touch(song);
    touch(clip);
    ConversionRow songRow;
    songRow.fullName = song;
    songRow.lengthMs = 3000;
    songRow.probed = ProbedSource::stampOf(song);
    songRow.probed->ffmpegDemuxer = "wav";
    ConversionRow clipRow;
    clipRow.fullName = clip;
    clipRow.kind = SourceKind::Video;
    clipRow.lengthMs = 5000;

    BatchRequest request = requestFor({}, {OutputFormat::Vox});
    request.sources = {batchSourceOf(songRow), batchSourceOf(clipRow)};
    QStringList probedNames;
    const SourceProbe probe = [&](const QString& source, SourceKind, bool) {
        probedNames.append(source);
        return SourceFacts{1000, {}, std::nullopt};
    };
    const auto plan = planWindowBatch(request, probe);
    ASSERT_EQ(plan.size(), 2U);
    EXPECT_EQ(probedNames, QStringList{clip});
    EXPECT_EQ(plan[0].weight, 3000);
    ASSERT_TRUE(plan[0].probed.has_value());
    EXPECT_EQ(plan[0].probed->ffmpegDemuxer, QByteArray("wav"));
    EXPECT_EQ(plan[1].kind, SourceKind::Video);

    QFile changed(song);
    ASSERT_TRUE(changed.open(QIODevice::Append));
    changed.write("more");
    changed.close();
    probedNames.clear();
    const auto replanned = planWindowBatch(request, probe);
    EXPECT_EQ(probedNames, (QStringList{song, clip}));
    EXPECT_EQ(replanned[0].weight, 1000);
    EXPECT_FALSE(replanned[0].probed.has_value());
}

// Every output not made is listed with the reason the engine gave, skipped ones as well; the folder is that of the
// last source that existed, also when it vanished before its turn.
TEST_F(WindowBatchTest, CompletionListsWhatWasNotMadeWithItsReason) {
    const QString first = path(QStringLiteral("a/first.wav"));
    const QString gone = path(QStringLiteral("b/gone.wav"));
    QDir().mkpath(path(QStringLiteral("a")));
    touch(first);
    BatchRequest request = requestFor({first, gone}, {OutputFormat::Pcm, OutputFormat::Mp3, OutputFormat::Ogg});
    request.folderText.clear();
    FinishedBatch batch;
    batch.plan = planWindowBatch(request, [](const QString&, SourceKind, bool) { return SourceFacts{}; });
    ASSERT_EQ(batch.plan.size(), 6U);
    const QString out = path(QStringLiteral("a/first"));
    batch.reports = {
        reportOf(OutputStatus::Made, out + QStringLiteral("_NEW.wav")),
        reportOf(OutputStatus::Skipped, out + QStringLiteral(".mp3"), out + QStringLiteral(".mp3 exists")),
        reportOf(OutputStatus::Failed, out + QStringLiteral(".ogg"), first + QStringLiteral(": cannot open")),
        reportOf(OutputStatus::Failed, batch.plan[3].destinationName, QStringLiteral("missing")),
        reportOf(OutputStatus::Failed, batch.plan[4].destinationName, QStringLiteral("missing")),
        reportOf(OutputStatus::Failed, batch.plan[5].destinationName, QStringLiteral("missing")),
    };
    EXPECT_EQ(batch.made(), 1);
    EXPECT_EQ(batch.unmade(), 5);
    EXPECT_EQ(batch.lastOutputFolder(), path(QStringLiteral("a/")));
    const QString message = completionMessage(batch);
    EXPECT_TRUE(message.contains(QStringLiteral("1 of 6 outputs were made. Not made:\n") + out +
                                 QStringLiteral(".mp3: ") + out + QStringLiteral(".mp3 exists\n") + out +
                                 QStringLiteral(".ogg: ") + first + QStringLiteral(": cannot open")))
        << message.toStdString();

    // The first source vanished at its turn: there is no folder left to open.
    for (std::size_t index = 0; index < 3; ++index)
        batch.reports[index].sourceMissing = true;
    EXPECT_TRUE(batch.lastOutputFolder().isEmpty());
}

TEST_F(WindowBatchTest, ARefusedOggSettingIsToldForEachOutputItCosts) {
    BatchOutput ogg{QStringLiteral("s.wav"), OutputFormat::Ogg, QStringLiteral("s.ogg"), SourceKind::Audio, 1,
                    PlannedAction::Convert};
    OutputReport report = reportOf(OutputStatus::Failed, QStringLiteral("s.ogg"));
    report.conversion = {ConversionOutcome::NotPrepared, QStringLiteral("s.ogg"), QStringLiteral("Incorrect format")};
    EXPECT_EQ(refusalToTell(ogg, report), QStringLiteral("Incorrect format"));
    BatchOutput mp3 = ogg;
    mp3.format = OutputFormat::Mp3;
    EXPECT_FALSE(refusalToTell(mp3, report));
    report.conversion.outcome = ConversionOutcome::SourceRejected;
    EXPECT_FALSE(refusalToTell(ogg, report));
}

// A cancel between two formats of an entry whose file is missing: the entry is not told again, the next missing
// entry is told once, and the first entry with a file ends the visit, its outputs left unstarted.
TEST_F(WindowBatchTest, AfterCancelEachMissingEntryIsToldOnceUntilAnEntryWithAFile) {
    const QString gone = path(QStringLiteral("gone.wav"));
    const QString alsoGone = path(QStringLiteral("also gone.wav"));
    const QString song = path(QStringLiteral("song.wav"));
    touch(song);
    FinishedBatch batch;
    batch.plan = planWindowBatch(requestFor({gone, alsoGone, song}, {OutputFormat::Mp3, OutputFormat::Raw}),
                                 [](const QString&, SourceKind, bool) { return SourceFacts{}; });
    ASSERT_EQ(batch.plan.size(), 6U);
    batch.reports.resize(6);
    batch.reports[0] = reportOf(OutputStatus::Failed, batch.plan[0].destinationName);
    batch.reports[0].sourceMissing = true; // told at its turn, then Cancel
    batch.cancelled = true;

    EXPECT_EQ(visitAfterCancel(batch), QStringList{alsoGone});
    EXPECT_TRUE(batch.endedAtCancel);
    for (std::size_t index = 1; index < 4; ++index)
        EXPECT_TRUE(batch.reports[index].sourceMissing) << index;
    EXPECT_EQ(batch.reports[4].status, OutputStatus::NotStarted);
}

TEST(RunningOutputsDisplayTest, OneLinePerRunningOutputAndTheTimeLeftOnceKnown) {
    RunningOutputsDisplay display;
    display.outputStarted(0, QStringLiteral("/out/first song.mp3"));
    display.outputStarted(3, QStringLiteral("/out/second.ogg"));
    display.outputProgress(3, 40);
    display.outputProgress(0, 140);
    display.outputProgress(7, 10); // not running: ignored
    EXPECT_EQ(display.lines(),
              (QStringList{QStringLiteral("first song.mp3  100%"), QStringLiteral("second.ogg  40%")}));
    EXPECT_EQ(display.destinations().first(), QStringLiteral("/out/first song.mp3"));
    display.outputFinished(0);
    EXPECT_EQ(display.lines(), QStringList{QStringLiteral("second.ogg  40%")});

    EXPECT_EQ(display.totalText(), QStringLiteral("Total 0%"));
    display.totalProgress(42, std::nullopt);
    EXPECT_EQ(display.totalText(), QStringLiteral("Total 42%"));
    display.totalProgress(43, 65);
    EXPECT_EQ(display.totalText(), QStringLiteral("Total 43%, 1:05 left"));
    EXPECT_EQ(display.totalPercent(), 43);
    display.totalProgress(100, 0);
    EXPECT_EQ(display.totalText(), QStringLiteral("Total 100%"));
    display.clear();
    EXPECT_TRUE(display.lines().isEmpty());
    EXPECT_EQ(display.totalText(), QStringLiteral("Total 0%"));

    EXPECT_EQ(timeLeftText(7), QStringLiteral("0:07"));
    EXPECT_EQ(timeLeftText(760), QStringLiteral("12:40"));
    EXPECT_EQ(timeLeftText(3723), QStringLiteral("1:02:03"));
    EXPECT_EQ(timeLeftText(-5), QStringLiteral("0:00"));
}

} // namespace
