#include "core/batch/WindowSources.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

using testsupport::touch;

// The window's batch planned from its checked rows.
class WindowSourcesTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return folder.filePath(relative); }

    BatchOrder orderFor(const QStringList& sources, std::set<OutputFormat> formats) const {
        BatchOrder order;
        for (const QString& source : sources)
            order.sources.push_back({source, SourceKind::Audio});
        order.formats = std::move(formats);
        order.folderText = path(QStringLiteral("out"));
        return order;
    }

    QTemporaryDir folder;
};

// The list's kind wins over the name's guess, the rule for existing outputs reaches the name claims, and a missing
// source is told once however many formats it would have gone to.
TEST_F(WindowSourcesTest, PlanTakesTheListsKindsTheExistsRuleAndTellsMissingSourcesOnce) {
    const QString clip = path(QStringLiteral("clip.mp4"));
    const QString song = path(QStringLiteral("song.wav"));
    const QString gone = path(QStringLiteral("gone.wav"));
    touch(clip);
    touch(song);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("out"))));
    touch(path(QStringLiteral("out/song.mp3")));
    BatchOrder order = orderFor({clip, gone, song}, {OutputFormat::Mp3, OutputFormat::Raw});
    order.sources[0].kind = SourceKind::Audio; // probed as sound only, whatever its name says
    order.existing = ExistingOutputPolicy::Skip;

    std::map<QString, SourceKind> probedKinds;
    const auto plan = order.plan([&](const QString& source, SourceKind kind, bool) {
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

    order.existing = ExistingOutputPolicy::New;
    const auto renamed = order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
    EXPECT_EQ(renamed[4].destinationName, path(QStringLiteral("out/song_NEW.mp3")));
    EXPECT_EQ(renamed[4].action, PlannedAction::Convert);
}

// What the list found when a row came in serves the plan, and through it the conversion, for as long as the file is
// the one the list probed; a file changed since, or a row the list could not describe so, is probed afresh.
TEST_F(WindowSourcesTest, ListedFactsServeThePlanUntilTheSourceChanges) {
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

    BatchOrder order = orderFor({}, {OutputFormat::Vox});
    order.sources = {batchSourceOfRow(songRow), batchSourceOfRow(clipRow)};
    QStringList probedNames;
    const SourceProbe probe = [&](const QString& source, SourceKind, bool) {
        probedNames.append(source);
        return SourceFacts{1000, {}, std::nullopt};
    };
    const auto plan = order.plan(probe);
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
    const auto replanned = order.plan(probe);
    EXPECT_EQ(probedNames, (QStringList{song, clip}));
    EXPECT_EQ(replanned[0].weight, 1000);
    EXPECT_FALSE(replanned[0].probed.has_value());
}

} // namespace
