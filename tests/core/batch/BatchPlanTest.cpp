#include "core/batch/BatchPlan.h"
#include "OrderOf.h"
#include "core/batch/BatchProgress.h"
#include "core/batch/LoudnessNormalization.h"
#include "core/batch/TreeMapping.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

void touch(const QString& name, const QByteArray& content = "x") {
    QDir().mkpath(QFileInfo(name).path());
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

SourceFacts factsWithTags(const QString&, SourceKind, bool readTags) {
    SourceFacts facts;
    facts.durationMs = 1000;
    if (readTags) {
        facts.tags.title = QStringLiteral("../../etc/passwd: a\tb");
        facts.tags.artist = QStringLiteral("AC/DC");
        facts.tags.album = QStringLiteral("..");
        facts.tags.track = QStringLiteral("7");
    }
    return facts;
}

QStringList destinationsOf(const std::vector<BatchOutput>& plan) {
    QStringList names;
    for (const BatchOutput& output : plan)
        names.append(output.destinationName);
    return names;
}

class BatchPlanTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return folder.filePath(relative); }
    static std::vector<BatchOutput> plan(const BatchOrder& order) { return order.plan(factsWithTags); }

    QTemporaryDir folder;
};

TEST_F(BatchPlanTest, SourcesWithOneBaseNameGetDistinctOutputsInOneFolder) {
    QStringList sources;
    for (int index = 0; index < 8; ++index) {
        sources.append(path(QStringLiteral("in%1/song.wav").arg(index)));
        touch(sources.back());
    }
    const QStringList names =
        destinationsOf(plan(orderOf(sources, {OutputFormat::Mp3, OutputFormat::Pcm}, path("out"))));
    EXPECT_EQ(names.size(), 16);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 16);
    EXPECT_EQ(names.mid(0, 6),
              QStringList({path("out/song.wav"), path("out/song.mp3"), path("out/song_NEW.wav"),
                           path("out/song_NEW.mp3"), path("out/song_NEW2.wav"), path("out/song_NEW2.mp3")}));
}

TEST_F(BatchPlanTest, NoOutputReplacesASourceOfTheSameBatch) {
    // The first source's output would be the second source itself.
    const QString first = path("a/song.wav");
    const QString second = path("out/song.wav");
    touch(first);
    touch(second);
    EXPECT_EQ(destinationsOf(plan(orderOf({first, second}, {OutputFormat::Pcm}, path("out")))),
              QStringList({path("out/song_NEW.wav"), path("out/song_NEW2.wav")}));
}

TEST_F(BatchPlanTest, ExistingFilesFollowThePolicy) {
    const QString source = path("in/song.wav");
    touch(source);
    touch(path("out/song.mp3"), "kept");
    touch(path("out/song_NEW.mp3"), "kept too");
    const auto planWith = [&](ExistingOutputPolicy policy) {
        return plan(orderOf({source}, {OutputFormat::Mp3, OutputFormat::Ogg}, path("out"), {}, {}, policy));
    };
    const auto replaced = planWith(ExistingOutputPolicy::Replace);
    EXPECT_EQ(destinationsOf(replaced), QStringList({path("out/song.mp3"), path("out/song.ogg")}));
    EXPECT_EQ(replaced[0].action, PlannedAction::Convert);

    EXPECT_EQ(destinationsOf(planWith(ExistingOutputPolicy::New)),
              QStringList({path("out/song_NEW2.mp3"), path("out/song.ogg")}));

    const auto skipped = planWith(ExistingOutputPolicy::Skip);
    EXPECT_EQ(skipped[0].action, PlannedAction::SkipExisting);
    EXPECT_EQ(skipped[0].destinationName, path("out/song.mp3"));
    EXPECT_EQ(skipped[1].action, PlannedAction::Convert);

    // Converting a source beside itself still spares it, and the "_NEW" name is then checked against the disk.
    const QString beside = path("out/song.wav");
    touch(beside);
    touch(path("out/song_NEW.wav"));
    const auto sparing = plan(orderOf({beside}, {OutputFormat::Pcm}, {}, {}, {}, ExistingOutputPolicy::Skip));
    EXPECT_EQ(sparing[0].action, PlannedAction::SkipExisting);
    EXPECT_EQ(sparing[0].destinationName, path("out/song_NEW.wav"));
}

TEST_F(BatchPlanTest, MissingSourcesAndSourcesOutsideTheTreeAreMarked) {
    touch(path("music/rock/a/song.wav"));
    touch(path("elsewhere/other.wav"));
    const auto outputs =
        plan(orderOf({path("music/rock/a/song.wav"), path("elsewhere/other.wav"), path("music/gone.wav")},
                     {OutputFormat::Mp3}, path("out"), path("music")));
    EXPECT_EQ(outputs[0].destinationName, path("out/rock/a/song.mp3"));
    EXPECT_EQ(outputs[0].action, PlannedAction::Convert);
    EXPECT_EQ(outputs[1].action, PlannedAction::OutsideTree);
    EXPECT_EQ(outputs[2].action, PlannedAction::SourceMissing);
    EXPECT_EQ(outputs[2].destinationName, path("out/gone.mp3"));
}

TEST(TreeMapping, FoldersBelowTheRootAreMirroredAndOthersRefused) {
    const TreeMapping tree(QStringLiteral("/music/"), QStringLiteral("/out"));
    EXPECT_EQ(tree.outputFolderOf("/music/song.wav"), QStringLiteral("/out/"));
    EXPECT_EQ(tree.outputFolderOf("/music/a/b/song.wav"), QStringLiteral("/out/a/b/"));
    EXPECT_EQ(tree.outputFolderOf("/music/../music/a/song.wav"), QStringLiteral("/out/a/"));
    EXPECT_EQ(tree.outputFolderOf("/music/..hidden/song.wav"), QStringLiteral("/out/..hidden/"));
    EXPECT_FALSE(tree.outputFolderOf("/musicians/song.wav"));
    EXPECT_FALSE(tree.outputFolderOf("/music/../other/song.wav"));
    EXPECT_FALSE(tree.outputFolderOf("/song.wav"));
}

TEST_F(BatchPlanTest, TemplateNamesAreSingleSafeFileNames) {
    const QString source = path("in/song.mp3");
    touch(source);
    const auto named = [&](const QString& text) {
        QString whyNot;
        const auto nameTemplate = NameTemplate::parse(text, whyNot);
        EXPECT_TRUE(nameTemplate) << whyNot.toStdString();
        return QFileInfo(plan(orderOf({source}, {OutputFormat::Adpcm}, path("out"), {}, nameTemplate))
                             .front()
                             .destinationName)
            .fileName();
    };
    // Each value loses its own leading dots: the title's do not stay behind " - ".
    EXPECT_EQ(named("{track} {artist} - {title}"), "7 AC_DC - _.._etc_passwd_ ab_ADPCM.wav");
    EXPECT_EQ(named("{album}"), "song_ADPCM.wav"); // ".." leaves nothing, so the source's own name stands
    EXPECT_EQ(named("{name} [{format}] {year}"), "song [adpcm]_ADPCM.wav");
    EXPECT_EQ(named(".{album}."), "song_ADPCM.wav");

    const QString longTitle(400, QChar(0x00E9));
    EXPECT_LE(QFile::encodeName(safeFileName(longTitle)).size(), 200);
    EXPECT_EQ(safeFileName(QStringLiteral(" \x01name\x7f\u2028 ")), "name");

    QString whyNot;
    EXPECT_FALSE(NameTemplate::parse("{artist}/{title}", whyNot));
    EXPECT_FALSE(NameTemplate::parse("{conductor}", whyNot));
    EXPECT_TRUE(whyNot.contains("conductor"));
    EXPECT_FALSE(NameTemplate::parse("{title", whyNot));
    EXPECT_FALSE(NameTemplate::parse("title}", whyNot));
    EXPECT_FALSE(NameTemplate::parse("{name}", whyNot)->readsTags());
    EXPECT_TRUE(NameTemplate::parse("{name} {year}", whyNot)->readsTags());
}

TEST(BatchProgress, TotalIsWeightedByLengthAndTheTimeLeftFollowsThePace) {
    BatchProgress progress({9000, 1000});
    EXPECT_EQ(progress.totalPercent(), 0);
    EXPECT_FALSE(progress.secondsLeft(5000));
    progress.setOutputPercent(1, 100);
    EXPECT_EQ(progress.totalPercent(), 10);
    progress.setOutputPercent(0, 50);
    EXPECT_EQ(progress.totalPercent(), 55);
    EXPECT_FALSE(progress.secondsLeft(500)); // too early to say
    EXPECT_EQ(progress.secondsLeft(11000), 9);
    progress.setOutputPercent(0, 100);
    EXPECT_EQ(progress.totalPercent(), 99); // only finished outputs make 100
    progress.finishOutput(0);
    progress.finishOutput(1);
    EXPECT_EQ(progress.totalPercent(), 100);
    EXPECT_EQ(progress.secondsLeft(20000), 0);
}

TEST(LoudnessNormalization, GainReachesTheTargetUnlessThePeakWouldPassTheCeiling) {
    const auto decibels = [](float percent) { return 20.0 * std::log10(percent / 100.0); };
    EXPECT_NEAR(decibels(*normalizingPercent({-30.0, -12.0}, -23.0)), 7.0, 1e-4);
    EXPECT_NEAR(decibels(*normalizingPercent({-10.0, -0.5}, -23.0)), -13.0, 1e-4);
    // A loud peak limits the gain: the peak ends a margin below -1 dBTP.
    EXPECT_NEAR(decibels(*normalizingPercent({-30.0, -3.0}, -16.0)), 1.8, 1e-4);
    EXPECT_FALSE(normalizingPercent({-HUGE_VAL, -HUGE_VAL}, -23.0));
}

} // namespace
