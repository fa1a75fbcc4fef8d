#include "support/TestSupport.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Cue sheet images converted through tonalith-cli: one output per track, cut to the sample from one decode of the
// image, named and tagged from the sheet; the tracks' decoded samples, joined, are the image's.
namespace {

using testsupport::runCli;
using testsupport::runTool;

// Tones of different pitch whose lengths are whole sheet frames (1/75 s) but the last, which ends mid-frame.
const std::vector<std::pair<const char*, const char*>> kTones{
    {"1.2", "330"}, {"0.8", "550"}, {"1.0", "770"}, {"0.70273", "990"}};

// The image: the tones one after the other, 44.1 kHz stereo 16-bit, in the given file.
QString makeImage(const QTemporaryDir& folder, const QString& name, std::size_t first = 0,
                  std::size_t end = kTones.size()) {
    QStringList parts;
    for (std::size_t at = first; at < end; ++at) {
        const QString part = folder.filePath(QStringLiteral("part%1.wav").arg(at));
        const auto made = runTool("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", part, "synth", kTones[at].first,
                                          "sine", kTones[at].second, "vol", "0.4"});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        parts.append(part);
    }
    const QString image = folder.filePath(name);
    const auto joined = runTool("sox", parts + QStringList{image});
    EXPECT_EQ(joined.exitCode, 0) << joined.err.toStdString();
    for (const QString& part : parts)
        QFile::remove(part);
    return image;
}

// The files' sound as signed 16-bit samples, one after the other, as its MD5.
QByteArray decodedMd5(const QStringList& files) {
    QByteArray samples;
    for (const QString& file : files) {
        const auto decoded = runTool("ffmpeg", {"-v", "error", "-i", file, "-f", "s16le", "-acodec", "pcm_s16le", "-"});
        EXPECT_EQ(decoded.exitCode, 0) << decoded.err.toStdString();
        samples += decoded.out;
    }
    return testsupport::md5OfBytes(samples);
}

QStringList pathsIn(const QString& folder, const QString& suffix) {
    QStringList paths;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*") + suffix}, QDir::Files, QDir::Name))
        paths.append(QDir(folder).filePath(name));
    return paths;
}

QString writeSheet(const QTemporaryDir& folder, const QByteArray& text) {
    return testsupport::writeFile(folder, QStringLiteral("album.cue"), text);
}

const QByteArray kAlbumSheet = "REM GENRE Ambient\n"
                               "REM DATE 2019\n"
                               "REM DISCNUMBER 1\n"
                               "REM TOTALDISCS 2\n"
                               "PERFORMER \"The Tones\"\n"
                               "TITLE \"Pure Sines\"\n"
                               "FILE \"album.wav\" WAVE\n"
                               "  TRACK 01 AUDIO\n"
                               "    TITLE \"Low: One\"\n"
                               "    INDEX 01 00:00:00\n"
                               "  TRACK 02 AUDIO\n"
                               "    TITLE \"Two\"\n"
                               "    PERFORMER \"Guest\"\n"
                               "    SONGWRITER \"Writer\"\n"
                               "    ISRC GBAYE1900002\n"
                               "    INDEX 01 00:01:15\n"
                               "  TRACK 03 AUDIO\n"
                               "    TITLE \"Three\"\n"
                               "    INDEX 01 00:02:00\n"
                               "  TRACK 04 AUDIO\n"
                               "    TITLE \"Four\"\n"
                               "    INDEX 01 00:03:00\n";

QStringList lossless(const QString& out) {
    return {"--format", "flac", "--format", "pcm", "--rate", "44100", "--channels", "2", "--bits", "16", "--out", out};
}

TEST(CueImageBatch, TracksJoinToTheImageAndCarryTheSheetsNamesAndTags) {
    QTemporaryDir folder;
    const QString image = makeImage(folder, "album.wav");
    const QString sheet = writeSheet(folder, kAlbumSheet);
    const QString out = folder.filePath("out");

    const auto run = runCli(QStringList{"convert", "-j", "2"} + lossless(out) + QStringList{sheet});
    ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString() << run.stdErr.toStdString();
    const QStringList flacs = pathsIn(out, ".flac");
    const QStringList wavs = pathsIn(out, ".wav");
    EXPECT_EQ(flacs, (QStringList{out + "/01 Low_ One.flac", out + "/02 Two.flac", out + "/03 Three.flac",
                                  out + "/04 Four.flac"}));
    ASSERT_EQ(wavs.size(), 4);
    const QByteArray imageMd5 = decodedMd5({image});
    EXPECT_EQ(decodedMd5(flacs), imageMd5);
    EXPECT_EQ(decodedMd5(wavs), imageMd5);

    const auto second = testsupport::probedTags(flacs[1]);
    EXPECT_EQ(second.value("title"), "Two");
    EXPECT_EQ(second.value("artist"), "Guest");
    EXPECT_EQ(second.value("album"), "Pure Sines");
    EXPECT_EQ(second.value("album_artist"), "The Tones");
    EXPECT_EQ(second.value("composer"), "Writer");
    EXPECT_EQ(second.value("isrc"), "GBAYE1900002");
    EXPECT_EQ(second.value("genre"), "Ambient");
    EXPECT_EQ(second.value("date"), "2019");
    EXPECT_TRUE(second.value("track") == "2/4" || second.value("track") == "2") << second.value("track").toStdString();
    EXPECT_EQ(testsupport::probedTags(flacs[0]).value("artist"), "The Tones");

    // Template fields come from the sheet too.
    const QString named = folder.filePath("named");
    const auto templated = runCli({"convert", "--format", "flac", "--out", named, "--name",
                                   "{track} of {tracktotal} - {artist} - {title}", "--tracks", "2", sheet});
    ASSERT_EQ(templated.exitCode, 0) << templated.errors.join('\n').toStdString();
    EXPECT_EQ(templated.outputs, QStringList{named + "/2 of 4 - Guest - Two.flac"});
}

TEST(CueImageBatch, PregapsBelongToTheTrackBeforeAndTheHiddenTrackOnlyWhenAsked) {
    QTemporaryDir folder;
    const QString image = makeImage(folder, "album.wav");
    // Track 1 begins 0.4 s in (a hidden track before it); track 3 has a pregap of 0.2 s.
    const QString sheet = writeSheet(folder, "FILE \"album.wav\" WAVE\n"
                                             "  TRACK 01 AUDIO\n    INDEX 01 00:00:30\n"
                                             "  TRACK 02 AUDIO\n    INDEX 01 00:01:15\n"
                                             "  TRACK 03 AUDIO\n    INDEX 00 00:01:60\n    INDEX 01 00:02:00\n"
                                             "  TRACK 04 AUDIO\n    INDEX 01 00:03:00\n");
    const QString whole = folder.filePath("whole");
    const auto withHidden = runCli(QStringList{"convert", "--hidden-track"} + lossless(whole) + QStringList{sheet});
    ASSERT_EQ(withHidden.exitCode, 0) << withHidden.errors.join('\n').toStdString();
    const QStringList flacs = pathsIn(whole, ".flac");
    ASSERT_EQ(flacs.size(), 5);
    EXPECT_EQ(QFileInfo(flacs[0]).fileName(), "00.flac");
    EXPECT_EQ(decodedMd5(flacs), decodedMd5({image}));
    EXPECT_EQ(decodedMd5(pathsIn(whole, ".wav")), decodedMd5({image}));

    // Without the option the hidden track is left out; tracks 2 to 4, picked, are the image from track 2 on.
    const QString picked = folder.filePath("picked");
    const auto some = runCli({"convert", "--format", "flac", "--tracks", "2,3-4", "--out", picked, sheet});
    ASSERT_EQ(some.exitCode, 0) << some.errors.join('\n').toStdString();
    EXPECT_EQ(QDir(picked).entryList(QDir::Files, QDir::Name), (QStringList{"02.flac", "03.flac", "04.flac"}));
    const auto tail = runTool("sox", {image, folder.filePath("tail.wav"), "trim", "52920s"});
    ASSERT_EQ(tail.exitCode, 0);
    EXPECT_EQ(decodedMd5(pathsIn(picked, ".flac")), decodedMd5({folder.filePath("tail.wav")}));
}

TEST(CueImageBatch, OneFilePerTrackSheetsJoinTheirImages) {
    QTemporaryDir folder;
    const QString first = makeImage(folder, "first.flac", 0, 2);
    const QString second = makeImage(folder, "second.wav", 2, 4);
    const QString sheet = writeSheet(folder, "FILE \"first.flac\" WAVE\n"
                                             "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                             "  TRACK 02 AUDIO\n    INDEX 01 00:01:15\n"
                                             "FILE \"second.wav\" WAVE\n"
                                             "  TRACK 03 AUDIO\n    INDEX 01 00:00:00\n"
                                             "  TRACK 04 AUDIO\n    INDEX 01 00:01:00\n");
    const QString out = folder.filePath("out");
    const auto run = runCli(QStringList{"convert", "-j", "2"} + lossless(out) + QStringList{sheet});
    ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString();
    EXPECT_EQ(decodedMd5(pathsIn(out, ".flac")), decodedMd5({first, second}));
    EXPECT_EQ(decodedMd5(pathsIn(out, ".wav")), decodedMd5({first, second}));

    const auto info = runTool(testsupport::cliPath(), {"info", sheet});
    ASSERT_EQ(info.exitCode, 0) << info.out.toStdString();
    EXPECT_EQ(testsupport::linesStarting(info.out, "track="), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(testsupport::linesStarting(info.out, "start_ms="), (QStringList{"0", "1200", "0", "1000"}));
    EXPECT_EQ(testsupport::linesStarting(info.out, "duration_ms="), (QStringList{"1200", "800", "1000", "703"}));
    EXPECT_EQ(testsupport::linesStarting(info.out, "image="), (QStringList{first, second}));
}

TEST(CueImageBatch, ReplayGainMeasuresEachTrackAndTheSheetAsOneAlbum) {
    QTemporaryDir folder;
    makeImage(folder, "album.wav");
    const QString sheet = writeSheet(folder, kAlbumSheet);
    const QString out = folder.filePath("out");
    const auto run = runCli({"convert", "--format", "flac", "--replaygain", "-j", "2", "--out", out, sheet});
    ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString();
    const QStringList flacs = pathsIn(out, ".flac");
    ASSERT_EQ(flacs.size(), 4);
    QSet<QString> trackGains;
    QSet<QString> albumGains;
    for (const QString& flac : flacs) {
        const auto tags = testsupport::probedTags(flac);
        trackGains.insert(tags.value("replaygain_track_gain"));
        albumGains.insert(tags.value("replaygain_album_gain"));
    }
    // Tones of different pitch weigh differently: a gain measured on the whole image would be the same for all.
    EXPECT_EQ(trackGains.size(), 4) << QStringList(trackGains.values()).join(' ').toStdString();
    EXPECT_EQ(albumGains.size(), 1);
    EXPECT_FALSE(albumGains.contains(QString()));
}

TEST(CueImageBatch, SheetsThatDoNotFitTheirImagesAreRefusedNamingTheLineAndNothingIsWritten) {
    QTemporaryDir folder;
    makeImage(folder, "album.wav");
    struct Case {
        QByteArray sheet;
        const char* line;
    };
    const std::vector<Case> cases{
        {"FILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
         "  TRACK 02 AUDIO\n    INDEX 01 00:09:00\n",
         "line 5"}, // past the image's end
        {"FILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:02:00\n"
         "  TRACK 02 AUDIO\n    INDEX 01 00:01:00\n",
         "line 5"},                                                                      // out of order
        {"FILE \"gone.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n", "line 1"}, // no readable file
    };
    for (const Case& bad : cases) {
        const QString sheet = writeSheet(folder, bad.sheet);
        const QString out = folder.filePath("out");
        const auto run = runCli({"convert", "--format", "flac", "--out", out, sheet});
        EXPECT_EQ(run.exitCode, 1) << bad.sheet.toStdString();
        ASSERT_FALSE(run.errors.isEmpty()) << bad.sheet.toStdString();
        EXPECT_TRUE(run.errors.front().contains("album.cue, line") && run.errors.front().contains(bad.line))
            << run.errors.front().toStdString();
        EXPECT_TRUE(testsupport::filesIn(out).isEmpty()) << testsupport::filesIn(out).join(' ').toStdString();
    }
}

} // namespace
