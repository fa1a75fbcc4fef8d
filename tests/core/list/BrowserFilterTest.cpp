#include "core/list/BrowserFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowserFilterTest, HeaderEntriesStandForTheirGroupsAndOthersForThemselves) {
    const QStringList& entries = BrowserFilter::entries();
    ASSERT_EQ(entries.size(), 21);
    const QString all = BrowserFilter::filterFor(entries[0]);
    const QString audio = BrowserFilter::filterFor(entries[1]);
    const QString video = BrowserFilter::filterFor(entries[14]);
    EXPECT_TRUE(audio.contains(QStringLiteral("*.flac")) && !audio.contains(QStringLiteral("*.mkv")));
    EXPECT_TRUE(video.contains(QStringLiteral("*.mkv")) && !video.contains(QStringLiteral("*.flac")));
    // The combined entry offers what either group offers, each pattern once.
    QStringList either = BrowserFilter::patterns(audio + QLatin1Char(';') + video);
    QStringList combined = BrowserFilter::patterns(all);
    either.sort();
    combined.sort();
    EXPECT_EQ(combined, either);
    EXPECT_EQ(BrowserFilter::filterFor(entries[4]), QStringLiteral("*.ogg"));
    EXPECT_EQ(BrowserFilter::filterFor(entries[20]), QStringLiteral("*.cue"));
    EXPECT_FALSE(all.contains(QStringLiteral("*.cue"))) << "a sheet is chosen on its own, not among the sources";
    EXPECT_TRUE(BrowserFilter::filterFor(QString()).isEmpty()) << "no entry chosen filters nothing";
}

TEST(BrowserFilterTest, PatternsAreTrimmedDeduplicatedAndStarMeansEverything) {
    EXPECT_EQ(BrowserFilter::patterns(QStringLiteral("*.wmv; *.wma; *.asf")), (QStringList{"*.wmv", "*.wma", "*.asf"}));
    EXPECT_EQ(BrowserFilter::patterns(QStringLiteral(";*.avi;;*.avi; ;")), QStringList{"*.avi"});
    EXPECT_TRUE(BrowserFilter::patterns(QString()).isEmpty());
    EXPECT_TRUE(BrowserFilter::patterns(QStringLiteral("*.wav;*")).isEmpty());
    EXPECT_TRUE(BrowserFilter::patterns(QStringLiteral("*.*")).isEmpty());
    // The combined entry names some extensions twice; the list shows each pattern once.
    const QStringList combined = BrowserFilter::patterns(BrowserFilter::filterFor(BrowserFilter::entries()[0]));
    EXPECT_EQ(combined.count(QStringLiteral("*.avi")), 1);
    EXPECT_EQ(combined.count(QStringLiteral("*.wma")), 1);
}

} // namespace
