#include "core/platform/BatchEndNotice.h"
#include "core/platform/BatchProgressShown.h"
#include "core/platform/InstanceHandOff.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A running window that records what it was handed and answers as told.
class RecordingInstance : public IRunningInstance {
public:
    bool answers = true;
    QList<QStringList> handed;

    bool openFiles(const QStringList& absolutePaths) override {
        handed.append(absolutePaths);
        return answers;
    }
};

TEST(InstanceHandOff, RelativeNamesReachTheRunningWindowAsAbsolutePathsOfTheCallersFolder) {
    RecordingInstance running;
    const InstanceHandOff handOff(&running);
    // Names only: nothing is read, so the folders need not exist.
    const QTemporaryDir home;
    const QString absolute = home.filePath(QStringLiteral("x/./y.mp3"));
    EXPECT_TRUE(handOff.handOver({QStringLiteral("a.wav"), QStringLiteral("../b/c.flac"), absolute, QString()},
                                 home.filePath(QStringLiteral("music"))));
    ASSERT_EQ(running.handed.size(), 1);
    EXPECT_EQ(running.handed[0],
              (QStringList{home.filePath(QStringLiteral("music/a.wav")), home.filePath(QStringLiteral("b/c.flac")),
                           home.filePath(QStringLiteral("x/y.mp3"))}));

    // No files: the running window is still asked, so it comes to the front instead of a second one opening.
    EXPECT_TRUE(handOff.handOver({}, home.path()));
    EXPECT_EQ(running.handed.size(), 2);
}

TEST(InstanceHandOff, AWindowOpensWhenNoneRunsOrTheRunningOneDoesNotAnswer) {
    EXPECT_FALSE(InstanceHandOff(nullptr).handOver({QStringLiteral("/a.wav")}, QStringLiteral("/")))
        << "no session bus: a window of its own, as always";
    RecordingInstance silent;
    silent.answers = false;
    EXPECT_FALSE(InstanceHandOff(&silent).handOver({QStringLiteral("/a.wav")}, QStringLiteral("/")));
}

TEST(InstanceHandOff, OnlyAbsoluteLocalPathsFromAnotherProcessAreListed) {
    EXPECT_EQ(handedPathsToAdd({QStringLiteral("/music/a.wav"), QStringLiteral("relative.wav"), QString(),
                                QStringLiteral("/music/sub/../b.wav"), QStringLiteral("/bad\0name.wav"),
                                QStringLiteral("file:///music/c.wav")}),
              (QStringList{QStringLiteral("/music/a.wav"), QStringLiteral("/music/b.wav")}));
}

TEST(BatchEndNotice, IsDueOnlyForALongBatchWhileSwitchedOn) {
    BatchEnd end{3, 0, BatchEndNotice::MinimumRunMs - 1, QStringLiteral("/out")};
    EXPECT_FALSE(BatchEndNotice::isDue(end, true)) << "a short batch ends with the user still watching";
    end.elapsedMs = BatchEndNotice::MinimumRunMs;
    EXPECT_TRUE(BatchEndNotice::isDue(end, true));
    EXPECT_FALSE(BatchEndNotice::isDue(end, false));
}

TEST(BatchEndNotice, TextsCountMadeAndNotMadeAndTheActionNeedsAFolder) {
    const BatchEnd allMade{1, 0, 9000, QStringLiteral("/out")};
    EXPECT_EQ(BatchEndNotice::summary(allMade), QStringLiteral("Conversion is finished"));
    EXPECT_EQ(BatchEndNotice::body(allMade), QStringLiteral("1 output made, 0 not made."));
    EXPECT_EQ(BatchEndNotice::actions(allMade),
              (QStringList{BatchEndNotice::OpenFolderAction, QStringLiteral("Open Output Folder")}));

    const BatchEnd someFailed{12, 3, 9000, QString()};
    EXPECT_NE(BatchEndNotice::summary(someFailed), BatchEndNotice::summary(allMade));
    EXPECT_EQ(BatchEndNotice::body(someFailed), QStringLiteral("12 outputs made, 3 not made."));
    EXPECT_TRUE(BatchEndNotice::actions(someFailed).isEmpty()) << "nothing to open";
}

TEST(LauncherProgress, SendsEachChangeOnceAsAFractionAndHidesAtTheEnd) {
    LauncherProgress launcher;
    const auto first = launcher.update(0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->value(QStringLiteral("progress")).toDouble(), 0.0);
    EXPECT_TRUE(first->value(QStringLiteral("progress-visible")).toBool());
    EXPECT_FALSE(launcher.update(0)) << "an unchanged total is not sent again";

    const auto later = launcher.update(37);
    ASSERT_TRUE(later);
    EXPECT_DOUBLE_EQ(later->value(QStringLiteral("progress")).toDouble(), 0.37);
    EXPECT_DOUBLE_EQ(launcher.update(250)->value(QStringLiteral("progress")).toDouble(), 1.0);

    const auto hidden = launcher.update(-1);
    ASSERT_TRUE(hidden);
    EXPECT_FALSE(hidden->value(QStringLiteral("progress-visible"), true).toBool());
    EXPECT_FALSE(launcher.update(-1));
    EXPECT_TRUE(launcher.update(0)) << "the next batch shows again";
}

TEST(TitleProgress, PrefixesTheTotalWhileABatchRunsAndGivesTheTitleBack) {
    TitleProgress title;
    const QString plain = QStringLiteral("Tonalith");
    const QString running = title.titleFor(5, plain);
    EXPECT_EQ(running, QStringLiteral("5% — Tonalith"));
    EXPECT_EQ(title.titleFor(37, running), QStringLiteral("37% — Tonalith")) << "the prefix never doubles";
    EXPECT_EQ(title.titleFor(-1, QStringLiteral("37% — Tonalith")), plain);
    EXPECT_EQ(title.titleFor(-1, plain), plain) << "an end without a batch leaves the title alone";
}

} // namespace
