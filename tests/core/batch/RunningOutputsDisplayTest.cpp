#include "core/batch/RunningOutputsDisplay.h"

#include <gtest/gtest.h>

namespace {

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
