#include "core/library/TracksInFile.h"
#include "core/components/ComponentError.h"
#include "core/library/ImageTrack.h"
#include "core/library/TrackCuts.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::runTool;
using testsupport::writeFile;

constexpr int kRate = 44100;

// Three tones of two seconds each, one after the other, so each track of the files below sounds different.
QStringList threeTones() {
    return {"-f",
            "lavfi",
            "-i",
            "sine=f=440:d=2:r=44100",
            "-f",
            "lavfi",
            "-i",
            "sine=f=660:d=2:r=44100",
            "-f",
            "lavfi",
            "-i",
            "sine=f=880:d=2:r=44100",
            "-filter_complex",
            "[0][1][2]concat=n=3:v=0:a=1,aformat=channel_layouts=stereo:sample_fmts=s16"};
}

void ffmpeg(const QStringList& arguments) {
    const auto result = runTool("ffmpeg", QStringList{"-y", "-v", "error"} + arguments);
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
}

void metaflac(const QStringList& arguments) {
    const auto result = runTool("metaflac", arguments);
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
}

// An image of three tracks as a ripper lays it out: track 2 with a pregap of 25 frames, track 3 starting on a frame
// that is no whole number of milliseconds.
const QByteArray kImageSheet = "FILE \"rip.wav\" WAVE\n"
                               "  TRACK 01 AUDIO\n"
                               "    TITLE \"Low\"\n"
                               "    INDEX 01 00:00:00\n"
                               "  TRACK 02 AUDIO\n"
                               "    TITLE \"Middle\"\n"
                               "    PERFORMER \"Guest\"\n"
                               "    INDEX 00 00:01:50\n"
                               "    INDEX 01 00:02:00\n"
                               "  TRACK 03 AUDIO\n"
                               "    TITLE \"Höhe\"\n"
                               "    INDEX 01 00:04:10\n";

class TracksInFileTest : public ::testing::Test {
protected:
    QString flacImage() {
        const QString image = folder_.filePath("album.flac");
        ffmpeg(threeTones() +
               QStringList{"-metadata", "album=Tones", "-metadata", "artist=Sine", "-c:a", "flac", image});
        return image;
    }
    QString withChapters(const QString& name, const QStringList& codec) {
        const QString chapters = writeFile(folder_, "chapters.txt",
                                           ";FFMETADATA1\ntitle=Book\nartist=Reader\n"
                                           "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1500\ntitle=Opening\n"
                                           "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1500\nEND=3250\ntitle=Middle\n"
                                           "[CHAPTER]\nTIMEBASE=1/1000\nSTART=3250\nEND=6000\ntitle=Ending\n");
        const QString file = folder_.filePath(name);
        ffmpeg(threeTones() + QStringList{"-i", chapters, "-map_metadata", "3", "-map_chapters", "3"} + codec +
               QStringList{file});
        return file;
    }

    QTemporaryDir folder_;
};

TEST_F(TracksInFileTest, FlacSheetBlockGivesTracksExactToTheSample) {
    const QString image = flacImage();
    const QString sheet = writeFile(folder_, "rip.cue", kImageSheet);
    metaflac({"--import-cuesheet-from=" + sheet, image});
    QFile::remove(sheet);

    const std::optional<CueSheet> tracks = tracksInFile(image);
    ASSERT_TRUE(tracks);
    ASSERT_EQ(tracks->images.size(), 1U);
    EXPECT_EQ(tracks->images[0].path, image) << "the sheet names rip.wav, but the file itself is the image";
    EXPECT_EQ(tracks->title, "Tones") << "the block has no header; the file's tags stand for it";
    EXPECT_EQ(tracks->performer, "Sine");
    ASSERT_EQ(tracks->tracks.size(), 3U) << "the lead-out is no track";
    EXPECT_EQ(tracks->tracks[1].number, 2);
    EXPECT_EQ(tracks->tracks[1].pregapStart, 125);
    EXPECT_EQ(tracks->tracks[2].start, 4 * 75 + 10);

    const std::vector<TrackCut> cuts = cutTracks(*tracks, std::vector{ImageLength{6 * kRate, kRate}}, false);
    ASSERT_EQ(cuts.size(), 3U);
    EXPECT_EQ(cuts[1].firstSample, 2 * kRate);
    EXPECT_EQ(cuts[2].firstSample, (4 * 75 + 10) * 588);
    EXPECT_EQ(cuts[2].firstSample + cuts[2].sampleCount, 6 * kRate);
}

TEST_F(TracksInFileTest, FlacCuesheetTagGivesTitlesAndWinsOverTheBlock) {
    const QString image = flacImage();
    const QString sheet = writeFile(folder_, "rip.cue", kImageSheet);
    metaflac({"--import-cuesheet-from=" + sheet, "--set-tag-from-file=CUESHEET=" + sheet, image});
    QFile::remove(sheet);

    const std::optional<CueSheet> tracks = tracksInFile(image);
    ASSERT_TRUE(tracks);
    ASSERT_EQ(tracks->images.size(), 1U);
    EXPECT_EQ(tracks->images[0].path, image);
    ASSERT_EQ(tracks->tracks.size(), 3U);
    EXPECT_EQ(tracks->tracks[0].title, "Low");
    EXPECT_EQ(tracks->tracks[1].performer, "Guest");
    EXPECT_EQ(tracks->tracks[2].title, QString::fromUtf8("Höhe"));
    EXPECT_EQ(tracks->tracks[2].start, 4 * 75 + 10);
}

TEST_F(TracksInFileTest, FlacCuesheetTagNamingTwoFilesIsRefusedWithTheLine) {
    const QString image = flacImage();
    const QString sheet = writeFile(folder_, "rip.cue",
                                    "FILE \"one.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                    "FILE \"two.wav\" WAVE\n  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n");
    metaflac({"--set-tag-from-file=CUESHEET=" + sheet, image});
    try {
        [[maybe_unused]] const auto tracks = tracksInFile(image);
        FAIL() << "a sheet inside a file naming a second file was taken";
    } catch (const ComponentError& error) {
        EXPECT_TRUE(error.message().startsWith("album.flac, line 4:")) << error.message().toStdString();
    }
}

TEST_F(TracksInFileTest, ChaptersOfMp4MatroskaAndOggBecomeTracksAtTheirExactTimes) {
    const std::vector<std::pair<QString, QStringList>> files{
        {"book.m4a", {"-c:a", "aac"}},
        {"book.m4b", {"-c:a", "aac", "-f", "ipod"}},
        {"book.mkv", {"-c:a", "flac"}},
    };
    std::vector<QString> made;
    for (const auto& [name, codec] : files)
        made.push_back(withChapters(name, codec));
    // FFmpeg writes the chapters of an Ogg file a second late, so they are written as the comments it reads.
    const QString ogg = folder_.filePath("book.opus");
    ffmpeg(threeTones() + QStringList{"-c:a", "libopus", "-metadata", "CHAPTER000=00:00:00.000", "-metadata",
                                      "CHAPTER000NAME=Opening", "-metadata", "CHAPTER001=00:00:01.500", "-metadata",
                                      "CHAPTER001NAME=Middle", "-metadata", "CHAPTER002=00:00:03.250", "-metadata",
                                      "CHAPTER002NAME=Ending", ogg});
    made.push_back(ogg);

    for (const QString& file : made) {
        SCOPED_TRACE(file.toStdString());
        const std::optional<CueSheet> tracks = tracksInFile(file);
        ASSERT_TRUE(tracks);
        ASSERT_EQ(tracks->images.size(), 1U);
        EXPECT_EQ(tracks->images[0].path, file);
        ASSERT_EQ(tracks->tracks.size(), 3U);
        EXPECT_EQ(tracks->tracks[0].title, "Opening");
        EXPECT_EQ(tracks->tracks[1].title, "Middle");
        EXPECT_EQ(tracks->tracks[2].title, "Ending");
        EXPECT_EQ(tracks->tracks[2].number, 3);
        EXPECT_EQ(trackStartSample(tracks->tracks[1], kRate), 3 * kRate / 2);
        // 3.25 s lies a quarter into frame 243; cut there, the track would begin with 10 ms of the chapter before.
        EXPECT_EQ(tracks->tracks[2].start, 243);
        EXPECT_EQ(trackStartSample(tracks->tracks[2], kRate), 13 * kRate / 4);
        EXPECT_EQ(trackStartSample(tracks->tracks[2], 48000), 156000);
        // The tracks a batch converts are cut at the same exact times, not at the frames before them.
        const std::vector<ImageTrack> cuts = imageTracks(*tracks);
        ASSERT_EQ(cuts.size(), 3U);
        const long long imageSamples = 6LL * kRate;
        EXPECT_EQ(spanIn(cuts[1], imageSamples, kRate).first, 3 * kRate / 2);
        EXPECT_EQ(spanIn(cuts[1], imageSamples, kRate).count, 13 * kRate / 4 - 3 * kRate / 2);
        EXPECT_EQ(spanIn(cuts[2], imageSamples, kRate).first, 13 * kRate / 4);
        EXPECT_EQ(cuts[1].durationMs(6000), 1750);
    }
}

TEST_F(TracksInFileTest, FilesWithoutTracksStayOneSource) {
    const QString flac = flacImage();
    const QString m4a = folder_.filePath("plain.m4a");
    ffmpeg(threeTones() + QStringList{"-c:a", "aac", m4a});
    const QString wav = folder_.filePath("plain.wav");
    ffmpeg(threeTones() + QStringList{wav});
    const QString text = writeFile(folder_, "notes.m4a", "not a sound file");
    for (const QString& file : {flac, m4a, wav, text, folder_.filePath("missing.flac")}) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_FALSE(tracksInFile(file));
    }
}

TEST_F(TracksInFileTest, ChaptersStartingTogetherMakeOneTrack) {
    const QString chapters = writeFile(folder_, "chapters.txt",
                                       ";FFMETADATA1\n"
                                       "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=0\ntitle=Empty\n"
                                       "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=2000\ntitle=First\n"
                                       "[CHAPTER]\nTIMEBASE=1/1000\nSTART=2000\nEND=6000\ntitle=Second\n");
    const QString file = folder_.filePath("doubled.mkv");
    ffmpeg(threeTones() + QStringList{"-i", chapters, "-map_chapters", "3", "-c:a", "flac", file});
    const std::optional<CueSheet> tracks = tracksInFile(file);
    ASSERT_TRUE(tracks);
    ASSERT_EQ(tracks->tracks.size(), 2U);
    EXPECT_EQ(tracks->tracks[1].number, 2);
    EXPECT_EQ(trackStartSample(tracks->tracks[1], kRate), 2 * kRate);
}

} // namespace
