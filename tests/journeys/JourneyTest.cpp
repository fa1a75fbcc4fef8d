// Journeys through the real program, installed into a staging folder and driven as a user would drive it.
#include "DriveProgram.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

using journeys::describe;
using journeys::DriveOutcome;

class Journey : public testing::Test {
protected:
    static void SetUpTestSuite() { staging_ = std::make_unique<journeys::StagedInstall>(); }
    static void TearDownTestSuite() { staging_.reset(); }
    void SetUp() override { ASSERT_TRUE(staging_->installed()) << staging_->log().toStdString(); }

    // One start of the program with this user's configuration folder; it must end by itself, without a failed step.
    DriveOutcome run(const QStringList& arguments, const QStringList& script) {
        DriveOutcome outcome =
            journeys::driveProgram(staging_->path(QStringLiteral("bin/tonalith")), arguments, script, config_.path());
        EXPECT_TRUE(outcome.ended && outcome.exitCode == 0 && outcome.completed()) << describe(outcome);
        return outcome;
    }

    // The value a "report NAME" command wrote.
    static QString reported(const DriveOutcome& outcome, const QString& name) {
        const QStringList values = outcome.values(name);
        return values.isEmpty() ? QStringLiteral("(not reported)") : values.constLast();
    }

    static inline std::unique_ptr<journeys::StagedInstall> staging_;
    QTemporaryDir config_;
};

TEST_F(Journey, RestartFindsTheWindowWhereItWasAndTheChoicesKept) {
    const QStringList formats{"chpcm", "chMP3", "chOGG", "chWMA", "chG726"};
    const DriveOutcome first = run({}, {"wait main", "check chOGG", "check chWMA", "uncheck chMP3", "check chG726",
                                        "move main 137 91", "report main", "close main"});
    QStringList reportAll{"wait main", "report main"};
    for (const QString& box : formats)
        reportAll.append(QStringLiteral("report ") + box);
    reportAll.append(QStringLiteral("close main"));
    const DriveOutcome second = run({}, reportAll);

    EXPECT_TRUE(reported(first, "main").startsWith(QStringLiteral("137,91 "))) << describe(first);
    EXPECT_EQ(reported(second, "main"), reported(first, "main")) << describe(second);
    EXPECT_EQ(reported(second, "chpcm"), "unchecked");
    EXPECT_EQ(reported(second, "chMP3"), "unchecked");
    EXPECT_EQ(reported(second, "chOGG"), "checked");
    EXPECT_EQ(reported(second, "chWMA"), "checked");
    EXPECT_EQ(reported(second, "chG726"), "checked");
    EXPECT_TRUE(QFileInfo::exists(config_.filePath(QStringLiteral("Tonalith/settings.ini"))));
}

} // namespace
