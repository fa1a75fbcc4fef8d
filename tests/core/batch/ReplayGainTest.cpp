// ReplayGain tags: the texts and album bookkeeping, and a real batch whose track and album gains and peaks agree
// with ffmpeg's ebur128 filter.
#include "core/batch/ReplayGain.h"
#include "core/formats/OutputFormat.h"
#include "support/TestSupport.h"

#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using testsupport::probedTags;
using testsupport::runTool;

TEST(ReplayGainTexts, GainsPeaksAndR128ValuesAreWrittenAsPlayersReadThem) {
    EXPECT_EQ(replayGainText(-3.214), "-3.21 dB");
    EXPECT_EQ(replayGainText(2.5), "2.50 dB");
    EXPECT_EQ(replayGainPeakText(0.98855), "0.988550");
    EXPECT_EQ(r128GainText(-18.0), "-1280") << "5 dB below the ReplayGain reference, in 1/256 dB";
    EXPECT_EQ(r128GainText(-23.0), "0");
    EXPECT_EQ(r128GainText(-400.0), "32767") << "clamped to the 16-bit field";
    EXPECT_EQ(r128GainText(200.0), "-32768");

    LoudnessMeasurement silence;
    silence.integratedLufs = -HUGE_VAL;
    EXPECT_TRUE(trackLoudnessTags(silence).empty()) << "no gain brings silence to a loudness";
    LoudnessMeasurement loud;
    loud.integratedLufs = -10.0;
    loud.samplePeak = 1.0;
    const LoudnessTags track = trackLoudnessTags(loud);
    EXPECT_EQ(track.trackGain, "-8.00 dB");
    EXPECT_EQ(track.trackPeak, "1.000000");
    EXPECT_EQ(track.r128TrackGain, QString::number(-13 * 256));
    EXPECT_EQ(withAlbumLoudness(track, -HUGE_VAL, 0), track) << "a silent album adds nothing";
    EXPECT_EQ(withAlbumLoudness(track, -20.0, 0.5).albumGain, "2.00 dB");
}

TEST(AlbumGainBook, AnAlbumIsRewrittenOnceItsLastOutputIsOverWithItsMadeFilesOnly) {
    LoudnessMeasurement measured;
    measured.integratedLufs = -20.0;
    measured.samplePeak = 0.5;
    AlbumGainBook book({"A", "A", "", "A", "B"});
    EXPECT_TRUE(book.outputDone(0, "one.flac", "one.mp3", measured).empty());
    EXPECT_TRUE(book.outputDone(2, "loose.flac", "loose.mp3", measured).empty()) << "no album, no album values";
    EXPECT_TRUE(book.outputDone(1, "two.flac", {}, measured).empty()) << "failed outputs still count as over";
    const auto rewrites = book.outputDone(3, "unmeasured.flac", "unmeasured.mp3", std::nullopt);
    ASSERT_EQ(rewrites.size(), 1U) << "only made outputs of measured sources are rewritten";
    EXPECT_EQ(rewrites[0].fileName, "one.mp3");
    EXPECT_EQ(rewrites[0].loudness.trackGain, "2.00 dB");
    const auto single = book.outputDone(4, "other.flac", "other.mp3", measured);
    ASSERT_EQ(single.size(), 1U);
    EXPECT_TRUE(book.outputDone(4, "other.flac", "other.mp3", measured).empty()) << "an album completes once";
}

struct Ebur128 {
    double integratedLufs = 0;
    double samplePeakDb = 0;
};

// ffmpeg's ebur128 filter over the inputs played one after another.
Ebur128 ffmpegLoudness(const QStringList& files) {
    QStringList arguments{"-hide_banner", "-nostats"};
    QString graph;
    for (int index = 0; index < files.size(); ++index) {
        arguments << "-i" << files[index];
        graph += QStringLiteral("[%1:a]").arg(index);
    }
    graph += QStringLiteral("concat=n=%1:v=0:a=1,ebur128=peak=sample").arg(files.size());
    arguments << "-filter_complex" << graph << "-f"
              << "null"
              << "-";
    const auto run = runTool("ffmpeg", arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString summary = QString::fromUtf8(run.err).section("Summary:", -1);
    const auto integrated = QRegularExpression(R"(I:\s+(-?[\d.]+) LUFS)").match(summary);
    const auto peak = QRegularExpression(R"(Peak:\s+(-?[\d.]+) dBFS)").match(summary);
    EXPECT_TRUE(integrated.hasMatch() && peak.hasMatch()) << summary.toStdString();
    return {integrated.captured(1).toDouble(), peak.captured(1).toDouble()};
}

double decibelsOf(const QString& gain) {
    bool valid = false;
    const double value = QString(gain).remove("dB").trimmed().toDouble(&valid);
    EXPECT_TRUE(valid) << gain.toStdString();
    return value;
}

double peakDecibelsOf(const QString& peak) {
    return 20.0 * std::log10(peak.toDouble());
}

QString makeTrack(const QTemporaryDir& folder, const QString& name, const QString& sound, const QString& album) {
    const QString path = folder.filePath(name);
    QStringList arguments{"-v", "error", "-y", "-f", "lavfi", "-i", sound, "-ac", "2", "-c:a", "flac"};
    if (!album.isEmpty())
        arguments << "-metadata"
                  << "album=" + album << "-metadata"
                  << "album_artist=The Players";
    const auto made = runTool("ffmpeg", arguments << path);
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

TEST(ReplayGainBatch, TrackAndAlbumGainsAndPeaksAgreeWithEbur128) {
    QTemporaryDir folder;
    const QStringList album{
        makeTrack(folder, "1 quiet.flac", "sine=frequency=330:sample_rate=44100:duration=4,volume=-26dB", "Three"),
        makeTrack(folder, "2 middle.flac", "sine=frequency=550:sample_rate=44100:duration=3,volume=-14dB", "Three"),
        makeTrack(folder, "3 loud.flac", "anoisesrc=color=pink:sample_rate=44100:duration=5:amplitude=0.5", "Three")};
    const QString alone = makeTrack(folder, "alone.flac", "sine=frequency=880:sample_rate=44100:duration=2", "");

    QStringList formats{"mp3", "ogg", "wma"};
    for (const char* later : {"flac", "opus", "m4a"})
        if (outputFormatNamed(QString::fromLatin1(later)))
            formats.append(QString::fromLatin1(later));
    QStringList arguments{"convert", "--replaygain", "--jobs", "2", "--out", folder.filePath("out")};
    for (const QString& format : formats)
        arguments << "--format" << format;
    const auto run = testsupport::runCli(arguments << "--" << album << alone, 240000);
    ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString() << run.stdErr.toStdString();
    ASSERT_EQ(run.outputs.size(), formats.size() * 4);

    const Ebur128 whole = ffmpegLoudness(album);
    double albumPeakDb = -HUGE_VAL;
    QMap<QString, Ebur128> tracks;
    for (const QString& source : album + QStringList{alone}) {
        tracks[QFileInfo(source).completeBaseName()] = ffmpegLoudness({source});
        if (source != alone)
            albumPeakDb = std::max(albumPeakDb, tracks.last().samplePeakDb);
    }
    for (const QString& output : run.outputs) {
        SCOPED_TRACE(output.toStdString());
        const Ebur128 track = tracks.value(QFileInfo(output).completeBaseName());
        const bool inAlbum = !output.contains("alone");
        const auto tags = probedTags(output);
        if (output.endsWith(".opus")) {
            EXPECT_NEAR(tags.value("r128_track_gain").toDouble() / 256.0, -23.0 - track.integratedLufs, 0.2);
            if (inAlbum) {
                EXPECT_NEAR(tags.value("r128_album_gain").toDouble() / 256.0, -23.0 - whole.integratedLufs, 0.2);
            }
            EXPECT_FALSE(tags.contains("replaygain_track_gain")) << "Opus players read the R128 fields";
            continue;
        }
        EXPECT_NEAR(decibelsOf(tags.value("replaygain_track_gain")), -18.0 - track.integratedLufs, 0.2);
        EXPECT_NEAR(peakDecibelsOf(tags.value("replaygain_track_peak")), track.samplePeakDb, 0.1);
        if (inAlbum) {
            EXPECT_NEAR(decibelsOf(tags.value("replaygain_album_gain")), -18.0 - whole.integratedLufs, 0.2);
            EXPECT_NEAR(peakDecibelsOf(tags.value("replaygain_album_peak")), albumPeakDb, 0.1);
        } else {
            EXPECT_FALSE(tags.contains("replaygain_album_gain")) << "a source with no album gets track values only";
        }
    }
}

// A mono source copied onto both channels of a stereo output plays as loud as the same sound recorded on both
// channels, so both get the same gain; an output that stays mono gets the gain of the mono sound, 3 dB more.
TEST(ReplayGainBatch, AMonoSourcesGainIsThatOfTheChannelsItsOutputHas) {
    QTemporaryDir folder;
    const QString sound = "sine=frequency=440:sample_rate=44100:duration=3,volume=-12dB";
    const auto make = [&](const QString& name, const char* channels) {
        const QString path = folder.filePath(name);
        const auto made =
            runTool("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", sound, "-af", channels, "-c:a", "flac", path});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    };
    const QString mono = make("mono.flac", "pan=mono|c0=c0");
    const QString stereo = make("stereo.flac", "pan=stereo|c0=c0|c1=c0");
    // PCM WAV writes two channels, FLAC the source's.
    const auto run = testsupport::runCli({"convert", "--replaygain", "--format", "pcm", "--format", "flac", "--out",
                                          folder.filePath("out"), "--", mono, stereo});
    ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString() << run.stdErr.toStdString();
    ASSERT_EQ(run.outputs.size(), 4);
    const auto gainOf = [&](const QString& name) {
        return decibelsOf(probedTags(folder.filePath("out/" + name)).value("replaygain_track_gain"));
    };
    EXPECT_NEAR(gainOf("mono.wav"), gainOf("stereo.wav"), 0.1);
    EXPECT_NEAR(gainOf("mono.wav"), -18.0 - ffmpegLoudness({folder.filePath("out/mono.wav")}).integratedLufs, 0.2);
    EXPECT_NEAR(gainOf("mono.flac"), -18.0 - ffmpegLoudness({mono}).integratedLufs, 0.2);
    EXPECT_NEAR(gainOf("mono.flac") - gainOf("mono.wav"), 3.0, 0.1);
}

TEST(ReplayGainBatch, ReplayGainRefusesAnyOtherLevelChange) {
    for (const QStringList& other : {QStringList{"--volume", "50"}, QStringList{"--normalize"}}) {
        const auto run = testsupport::runCli(QStringList{"convert", "--format", "mp3", "--replaygain"} + other +
                                             QStringList{"--", "song.wav"});
        EXPECT_EQ(run.exitCode, 2) << other.join(' ').toStdString();
        EXPECT_TRUE(run.stdErr.contains("exclude each other")) << run.stdErr.toStdString();
    }
}

} // namespace
