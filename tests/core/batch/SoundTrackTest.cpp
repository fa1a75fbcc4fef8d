// Files of several sound tracks, made here with the ffmpeg command line: three tones of their own, in three
// languages, the second flagged default. Each rule of --stream must convert the track whose decoded samples equal
// those ffmpeg gives for that track (-map 0:a:N); the list row and tonalith-cli info name the tracks.
#include "core/components/ComponentSet.h"
#include "core/components/SoundTrackRule.h"
#include "core/list/FileIntake.h"
#include "fakes/FakePrompts.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::runTool;

// One tone per track; the second language in its bibliographic form, which a rule asking for "deu" must find.
constexpr int kTracks = 3;
const char* const kFrequencies[kTracks] = {"300", "500", "700"};
const char* const kLanguages[kTracks] = {"eng", "ger", "fra"};
const char* const kTitles[kTracks] = {"Low", "Middle", "High"};

class SoundTrackTest : public ::testing::TestWithParam<bool> {
protected:
    QTemporaryDir folder;
    QString source;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const bool withPicture = GetParam();
        source = folder.filePath(withPicture ? QStringLiteral("film.mkv") : QStringLiteral("songs.mkv"));
        QStringList arguments{"-v", "error", "-y"};
        for (const char* frequency : kFrequencies)
            arguments << "-f"
                      << "lavfi"
                      << "-i" << QStringLiteral("sine=frequency=%1:sample_rate=44100:duration=1").arg(frequency);
        if (withPicture)
            arguments << "-f"
                      << "lavfi"
                      << "-i"
                      << "testsrc=size=64x48:rate=5:duration=1";
        for (int track = 0; track < kTracks; ++track)
            arguments << "-map" << QString::number(track);
        if (withPicture)
            arguments << "-map" << QString::number(kTracks) << "-c:v"
                      << "mpeg4";
        arguments << "-c:a"
                  << "flac";
        for (int track = 0; track < kTracks; ++track) {
            const QString stream = QStringLiteral(":s:a:%1").arg(track);
            arguments << QStringLiteral("-metadata") + stream << QStringLiteral("language=") + kLanguages[track]
                      << QStringLiteral("-metadata") + stream << QStringLiteral("title=") + kTitles[track]
                      << QStringLiteral("-disposition") + QStringLiteral(":a:%1").arg(track)
                      << (track == 1 ? "default" : "0");
        }
        arguments << source;
        const auto made = runTool("ffmpeg", arguments);
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    }

    // The MD5 of a file's decoded samples as signed 16-bit values; of one sound track when a track is given.
    static QByteArray pcmMd5(const QString& file, std::optional<int> track = std::nullopt) {
        QStringList arguments{"-v", "error", "-i", file};
        if (track)
            arguments << "-map" << QStringLiteral("0:a:%1").arg(*track);
        arguments << "-f"
                  << "s16le"
                  << "-";
        const auto decoded = runTool("ffmpeg", arguments);
        EXPECT_EQ(decoded.exitCode, 0) << decoded.err.toStdString();
        EXPECT_GT(decoded.out.size(), 40000) << file.toStdString();
        return testsupport::md5OfBytes(decoded.out);
    }

    testsupport::CliRun convert(const QStringList& options, const QString& out) const {
        return testsupport::runCli(QStringList{"convert", "--no-tags", "--format", "flac", "--out", out} + options +
                                   QStringList{"--", source});
    }

    // Converts with the rule and expects one output holding exactly the given track's samples.
    void expectTrack(const QStringList& options, int track) const {
        const QString out = folder.filePath(QStringLiteral("out-%1").arg(options.join(QLatin1Char('_'))));
        const auto run = convert(options, out);
        ASSERT_EQ(run.exitCode, 0) << run.stdErr.toStdString() << run.errors.join(QLatin1Char('\n')).toStdString();
        ASSERT_EQ(run.outputs.size(), 1);
        EXPECT_EQ(pcmMd5(run.outputs.front()), pcmMd5(source, track))
            << options.join(QLatin1Char(' ')).toStdString() << " should read track " << track + 1;
    }
};

TEST_P(SoundTrackTest, EachRuleConvertsTheTrackItNames) {
    // The tones differ, so equal digests cannot come from the wrong track.
    ASSERT_NE(pcmMd5(source, 0), pcmMd5(source, 1));
    ASSERT_NE(pcmMd5(source, 1), pcmMd5(source, 2));
    expectTrack({}, 1);                           // flagged default, not the first
    expectTrack({"--stream", "default"}, 1);      //
    expectTrack({"--stream", "lang:spa,fra"}, 2); // the first language the file has
    expectTrack({"--stream", "lang:deu,eng"}, 1); // "deu" is the file's "ger"
    expectTrack({"--stream", "lang:spa,ita"}, 1); // none there: the default
    expectTrack({"--stream", "1"}, 0);
    expectTrack({"--stream=3"}, 2);
}

TEST_P(SoundTrackTest, AllMakesOneOutputPerTrackNamedByNumberAndLanguage) {
    const QString base = QFileInfo(source).completeBaseName();
    const QString out = folder.filePath(QStringLiteral("all"));
    const auto run = convert({"--stream", "all"}, out);
    ASSERT_EQ(run.exitCode, 0) << run.stdErr.toStdString();
    const QStringList expected{base + "-1-eng.flac", base + "-2-ger.flac", base + "-3-fra.flac"};
    ASSERT_EQ(run.outputs.size(), kTracks);
    EXPECT_EQ(testsupport::filesIn(out), expected);
    for (int track = 0; track < kTracks; ++track)
        EXPECT_EQ(pcmMd5(QDir(out).filePath(expected[track])), pcmMd5(source, track)) << track;

    const QString named = folder.filePath(QStringLiteral("named"));
    const auto templated = convert({"--stream", "all", "--name", "{lang} {stream} {name}"}, named);
    ASSERT_EQ(templated.exitCode, 0) << templated.stdErr.toStdString();
    EXPECT_EQ(testsupport::filesIn(named),
              (QStringList{"eng 1 " + base + ".flac", "fra 3 " + base + ".flac", "ger 2 " + base + ".flac"}));
}

TEST_P(SoundTrackTest, BadRulesStopTheCallBeforeAnythingIsWritten) {
    const QString out = folder.filePath(QStringLiteral("never"));
    const auto beyond = convert({"--stream", "9"}, out);
    EXPECT_EQ(beyond.exitCode, 2);
    EXPECT_TRUE(beyond.outputs.isEmpty());
    EXPECT_TRUE(beyond.stdErr.contains("has 3 sound tracks; there is no sound track 9")) << beyond.stdErr.constData();
    for (const char* rule : {"lang:", "lang:deu,", "0", "-1", "second", "lang:d e"}) {
        const auto refused = convert({"--stream", rule}, out);
        EXPECT_EQ(refused.exitCode, 2) << rule;
        EXPECT_TRUE(refused.stdErr.contains("--stream:")) << rule << ": " << refused.stdErr.constData();
    }
    EXPECT_FALSE(QFileInfo::exists(out)) << "not even the output folder is made";
}

// Loudness is measured on the default track; a gain worked out from it must not be put on another track.
TEST_P(SoundTrackTest, EvenedLoudnessRefusesATrackOtherThanTheDefault) {
    const auto other = convert({"--stream", "3", "--normalize"}, folder.filePath(QStringLiteral("other")));
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_TRUE(other.outputs.isEmpty());
    ASSERT_EQ(other.errors.size(), 1);
    EXPECT_TRUE(other.errors.front().startsWith(source + QStringLiteral(": loudness is measured on the sound track")))
        << other.errors.front().toStdString();
    const auto flagged = convert({"--stream", "lang:deu", "--normalize"}, folder.filePath(QStringLiteral("flagged")));
    EXPECT_EQ(flagged.exitCode, 0) << flagged.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(flagged.outputs.size(), 1);
}

TEST_P(SoundTrackTest, InfoListsEveryTrackAfterTheLinesItAlwaysPrints) {
    const auto info = runTool(testsupport::cliPath(), {"info", source});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    QStringList keys;
    for (const QByteArray& line : info.out.trimmed().split('\n'))
        keys.append(QString::fromUtf8(line.left(line.indexOf('='))));
    EXPECT_EQ(keys, (QStringList{"file", "format", "rate", "channels", "length", "duration_ms", "sound_tracks",
                                 "sound_track", "sound_track", "sound_track"}));
    EXPECT_EQ(testsupport::linesStarting(info.out, "format="), QStringList{"FLAC, 44100 Hz, Mono"});
    EXPECT_EQ(testsupport::linesStarting(info.out, "sound_tracks="), QStringList{"3"});
    EXPECT_EQ(testsupport::linesStarting(info.out, "sound_track="),
              (QStringList{"1 language=eng codec=FLAC channels=1 default=0 used=0 title=Low",
                           "2 language=ger codec=FLAC channels=1 default=1 used=1 title=Middle",
                           "3 language=fra codec=FLAC channels=1 default=0 used=0 title=High"}));
}

TEST_P(SoundTrackTest, ListRowSaysHowManyTracksAndWhichTheBatchReads) {
    ComponentSetFactory factory;
    const std::unique_ptr<ComponentSet> components = factory.create();
    FakePrompts prompts;
    FileIntake intake(*components, prompts);
    const ConversionList empty;
    const QString marker = GetParam() ? QStringLiteral("(Video) ") : QStringLiteral("(Audio) ");

    const std::optional<ConversionRow> row = intake.addfile(empty, source, true);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->format,
              marker + QStringLiteral("FLAC, 44100 Hz, Mono; 3 sound tracks, using 2: ger, FLAC, Mono, \"Middle\""));
    ASSERT_EQ(row->soundTracks.size(), 3u);

    intake.chooseSoundTracksBy(SoundTrackRule::languages({QStringLiteral("fra")}));
    const std::optional<ConversionRow> french = intake.addfile(empty, source, true);
    ASSERT_TRUE(french);
    EXPECT_TRUE(french->format.endsWith(QStringLiteral("; 3 sound tracks, using 3: fra, FLAC, Mono, \"High\"")))
        << french->format.toStdString();
    EXPECT_TRUE(prompts.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(SoundAloneAndWithPictures, SoundTrackTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& instance) {
                             return instance.param ? "Video" : "SoundAlone";
                         });

// A file of one sound track is converted exactly as it always was, whatever the rule says.
TEST(OneSoundTrack, EveryRuleGivesTheSameBytesUnderTheSameName) {
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("one.mkv"));
    const auto made = runTool("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=1",
                                         "-c:a", "flac", "-metadata:s:a:0", "language=deu", source});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    QByteArray plain;
    for (const QStringList& rule : {QStringList{}, QStringList{"--stream", "2"}, QStringList{"--stream", "all"},
                                    QStringList{"--stream", "lang:eng"}}) {
        const QString out = folder.filePath(QStringLiteral("out%1").arg(rule.join(QString())));
        const auto run = testsupport::runCli(QStringList{"convert", "--format", "mp3", "--out", out} + rule +
                                             QStringList{"--", source});
        ASSERT_EQ(run.exitCode, 0) << run.stdErr.toStdString();
        ASSERT_EQ(run.outputs, QStringList{QDir(out).filePath(QStringLiteral("one.mp3"))});
        const QByteArray bytes = testsupport::readFile(run.outputs.front());
        if (plain.isEmpty())
            plain = bytes;
        EXPECT_EQ(bytes, plain) << rule.join(QLatin1Char(' ')).toStdString();
    }
    const auto info = runTool(testsupport::cliPath(), {"info", source});
    EXPECT_EQ(testsupport::linesStarting(info.out, "sound_track"), QStringList())
        << "a file of one track prints the lines it always printed";
}

// The rule's own arithmetic, which the conversions above rely on.
TEST(SoundTrackRuleChoice, RulesChooseAmongTracksAndReadBackFromTheirText) {
    SoundTracks tracks(3);
    const char* languages[] = {"eng", "ger", "eng"};
    for (int index = 0; index < 3; ++index) {
        tracks[static_cast<std::size_t>(index)].number = index + 1;
        tracks[static_cast<std::size_t>(index)].language = QString::fromLatin1(languages[index]);
    }
    tracks[2].flaggedDefault = true;
    EXPECT_EQ(defaultSoundTrack(tracks), 2);
    EXPECT_EQ(SoundTrackRule().choose(tracks), std::vector<int>{2});
    EXPECT_EQ(SoundTrackRule::languages({"ENG"}).choose(tracks), std::vector<int>{2}) << "of two, the default";
    EXPECT_EQ(SoundTrackRule::languages({"fra", "deu"}).choose(tracks), std::vector<int>{1});
    EXPECT_EQ(SoundTrackRule::languages({"fra"}).choose(tracks), std::vector<int>{2});
    EXPECT_EQ(SoundTrackRule::number(3).choose(tracks), std::vector<int>{2});
    EXPECT_EQ(SoundTrackRule::number(4).choose(tracks), std::nullopt);
    EXPECT_EQ(SoundTrackRule::all().choose(tracks), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(SoundTrackRule::number(4).choose(SoundTracks(1)), std::vector<int>{}) << "one track: as it is";
    tracks[2].flaggedDefault = false;
    EXPECT_EQ(SoundTrackRule().choose(tracks), std::vector<int>{0}) << "no flag: the first";

    for (const char* text : {"default", "all", "2", "lang:deu,eng"}) {
        QString whyNot;
        const auto rule = SoundTrackRule::parse(QString::fromLatin1(text), whyNot);
        ASSERT_TRUE(rule) << text;
        EXPECT_EQ(rule->text(), QString::fromLatin1(text));
        EXPECT_EQ(SoundTrackRule::parse(rule->text(), whyNot), rule);
    }
}

} // namespace
