#include "core/list/TrackIntake.h"
#include "core/batch/WindowSources.h"
#include "core/list/FileIntake.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::touch;
using testsupport::writeFile;

// An image the fake reader reports as 61.999 s long, and a sheet of three tracks on it; the first starts two seconds
// in, after a hidden track.
class TrackIntakeTest : public ::testing::Test {
protected:
    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    FakePrompts prompts;
    FileIntake files{*components, prompts};
    TrackIntake tracks{files, prompts};
    ConversionList list;
    QTemporaryDir dir;
    QString image = dir.filePath(QStringLiteral("album.wav"));

    void SetUp() override {
        factory.reader->setResult(QStringLiteral("durationMs"), 61999);
        factory.reader->setResult(QStringLiteral("formatString"), QStringLiteral("PCM 44100 Hz"));
        touch(image);
    }
    QString sheet(const QByteArray& body, const QString& name = QStringLiteral("album.cue")) {
        return writeFile(dir, name, "PERFORMER \"Band\"\nTITLE \"Album\"\n" + body);
    }
    QString threeTracks() {
        return sheet("FILE \"album.wav\" WAVE\n"
                     "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:02:00\n"
                     "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    PERFORMER \"Guest\"\n    INDEX 01 00:20:00\n"
                     "  TRACK 03 AUDIO\n    INDEX 01 00:45:00\n");
    }
};

TEST_F(TrackIntakeTest, ASheetBecomesOneRowPerTrackCutFromItsImage) {
    const QString cue = threeTracks();
    const auto rows = tracks.trackRows(list, cue, true);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3U) << "the hidden track has no row of its own";
    const ConversionRow& first = (*rows)[0];
    EXPECT_EQ(first.number, "01");
    EXPECT_EQ(first.fileName, "Band - One");
    EXPECT_EQ((*rows)[1].fileName, "Guest - Two");
    EXPECT_EQ((*rows)[2].fileName, "Band - Track 03") << "a track without a title is named by its number";
    EXPECT_EQ(first.time, "0:18");
    EXPECT_EQ((*rows)[1].time, "0:25");
    EXPECT_EQ((*rows)[2].time, "0:16") << "the last track runs to the image's end";
    EXPECT_EQ(first.format, "(Audio) PCM 44100 Hz");
    for (const ConversionRow& row : *rows) {
        EXPECT_EQ(row.fullName, image);
        EXPECT_EQ(row.lengthMs, 61999) << "the plan takes the image's length from the row";
        EXPECT_TRUE(row.checked);
        ASSERT_TRUE(row.track);
        EXPECT_EQ(row.track->sheet, cue);
    }
    EXPECT_TRUE(prompts.shown.isEmpty());

    // The first track brings the hidden one before it into a batch; the plan keeps it only when asked.
    const std::vector<BatchSource> sources = batchSourcesOfRow(first);
    ASSERT_EQ(sources.size(), 2U);
    ASSERT_TRUE(sources[0].track && sources[1].track);
    EXPECT_TRUE(sources[0].track->hidden());
    EXPECT_EQ(sources[1].track->number, 1);
    EXPECT_EQ(sources[1].fullName, image);
    EXPECT_EQ(batchSourcesOfRow((*rows)[1]).size(), 1U);

    // Tracks already listed are not listed twice, while the whole image may still come in beside them.
    for (const ConversionRow& row : *rows)
        list.append(row);
    const auto again = tracks.trackRows(list, cue, true);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->empty());
    EXPECT_TRUE(files.addfile(list, image, true));
}

TEST_F(TrackIntakeTest, UnusableSheetsAreToldAndListNothingWhilePlainFilesComeInWhole) {
    const QString missing = sheet("FILE \"gone.ape\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n", "gone.cue");
    const QString broken =
        sheet("FILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    INDEX 01 "
              "00:99:00\n",
              "broken.CUE");
    for (const QString& name : {missing, broken}) {
        prompts.shown.clear();
        const auto rows = tracks.trackRows(list, name, true);
        ASSERT_TRUE(rows) << name.toStdString();
        EXPECT_TRUE(rows->empty());
        ASSERT_EQ(prompts.shown.size(), 1);
    }
    EXPECT_TRUE(prompts.shown.front().contains("broken.CUE, line 7")) << prompts.shown.front().toStdString();

    prompts.shown.clear();
    EXPECT_FALSE(tracks.trackRows(list, image, true)) << "a file without tracks is one row, made by FileIntake";
    EXPECT_TRUE(prompts.shown.isEmpty());
}

} // namespace
