#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// tonalith-cli convert as a batch tool: several formats and sources, workers side by side, names from templates,
// mirrored trees, existing files, loudness. Sources are made with sox or ffmpeg; outputs are read back with ffmpeg.
namespace {

using testsupport::runTool;

class BatchCommand : public ::testing::Test {
protected:
    // A stereo tone; each frequency makes a source whose sound differs from all others.
    QString tone(const QString& name, int frequency, double seconds = 1.0, const QString& gain = "0.5") {
        const QString path = folder.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        const auto made = runTool("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", path, "synth",
                                          QString::number(seconds), "sine", QString::number(frequency), "vol", gain});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    }

    testsupport::ToolResult cli(const QStringList& arguments) const {
        return runTool(testsupport::cliPath(), QStringList{"convert", "--no-tags"} + arguments);
    }

    static QStringList linesStarting(const testsupport::ToolResult& result, const char* key) {
        QStringList values;
        for (const QByteArray& line : result.out.split('\n')) {
            if (line.startsWith(key))
                values.append(QString::fromUtf8(line.mid(static_cast<qsizetype>(qstrlen(key)))));
        }
        return values;
    }

    static QByteArray pcmOf(const QString& file) {
        const auto result =
            runTool("ffmpeg", {"-v", "error", "-i", file, "-f", "s16le", "-acodec", "pcm_s16le", "-ac", "2", "-"});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return result.out;
    }

    static QByteArray bytesOf(const QString& file) {
        QFile input(file);
        return input.open(QIODevice::ReadOnly) ? input.readAll() : QByteArray();
    }

    QTemporaryDir folder;
};

TEST_F(BatchCommand, SameBaseNamesFromManyFoldersGiveDistinctOutputs) {
    QStringList sources;
    for (int index = 0; index < 8; ++index)
        sources.append(tone(QStringLiteral("in%1/song.wav").arg(index), 300 + 100 * index, 0.5));
    const auto result =
        cli(QStringList{"-j", "2", "--format", "pcm", "--format", "mp3", "--out", folder.filePath("out")} + sources);
    ASSERT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    const QStringList outputs = linesStarting(result, "output=");
    ASSERT_EQ(outputs.size(), 16);
    EXPECT_EQ(QSet<QString>(outputs.begin(), outputs.end()).size(), 16);
    // Every PCM output holds the sound of its own source: nothing was overwritten.
    for (int index = 0; index < 8; ++index) {
        const QString name = index == 0   ? QStringLiteral("out/song.wav")
                             : index == 1 ? QStringLiteral("out/song_NEW.wav")
                                          : QStringLiteral("out/song_NEW%1.wav").arg(index);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(pcmOf(folder.filePath(name)), pcmOf(sources[index]));
    }
    EXPECT_FALSE(linesStarting(result, "total=").isEmpty());
    for (const QString& progress : linesStarting(result, "progress="))
        EXPECT_TRUE(outputs.contains(progress.section(' ', 1))) << progress.toStdString();
}

TEST_F(BatchCommand, OneWorkerAndTwoWorkersMakeTheSameBytes) {
    QStringList sources;
    for (int index = 0; index < 3; ++index)
        sources.append(tone(QStringLiteral("s%1.wav").arg(index), 500 + 200 * index));
    const auto one =
        cli(QStringList{"-j1", "--format", "pcm", "--format", "mp3", "--out", folder.filePath("j1")} + sources);
    const auto two =
        cli(QStringList{"--jobs=2", "--format", "mp3", "--format", "pcm", "--out", folder.filePath("j2")} + sources);
    ASSERT_EQ(one.exitCode, 0);
    ASSERT_EQ(two.exitCode, 0);
    // One job keeps the lines of a single conversion: progress without a name, no totals.
    EXPECT_TRUE(linesStarting(one, "total=").isEmpty());
    for (const QString& progress : linesStarting(one, "progress="))
        EXPECT_FALSE(progress.contains(' '));
    for (const char* name : {"s0.wav", "s0.mp3", "s1.wav", "s1.mp3", "s2.wav", "s2.mp3"}) {
        SCOPED_TRACE(name);
        const QByteArray made = bytesOf(folder.filePath(QStringLiteral("j1/") + name));
        EXPECT_FALSE(made.isEmpty());
        EXPECT_EQ(made, bytesOf(folder.filePath(QStringLiteral("j2/") + name)));
    }
}

TEST_F(BatchCommand, TemplateFieldsFromTagsMakeOneSafeFileName) {
    const QString source = folder.filePath("in/tagged.mp3");
    QDir().mkpath(folder.filePath("in"));
    const auto made = runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=997:d=1", "-c:a",
                                         "libmp3lame", "-metadata", "title=../../escape: now", "-metadata",
                                         "artist=AC/DC", "-metadata", "album=..", "-metadata", "track=3", source});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const auto result =
        runTool(testsupport::cliPath(), {"convert", "--format", "pcm", "--name", "{track} {artist} - {title} ({album})",
                                         "--out", folder.filePath("out"), source});
    ASSERT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(linesStarting(result, "output="), QStringList{folder.filePath("out/3 AC_DC - _.._escape_ now ().wav")});
    EXPECT_EQ(QDir(folder.filePath("out")).entryList(QDir::Files).size(), 1);

    const auto refused = cli({"--format", "pcm", "--name", "{artist}/{title}", source});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("/")) << refused.err.toStdString();
}

// With several jobs the sources are read ahead side by side; the names made from their tags are the same.
TEST_F(BatchCommand, NamesFromTagsAreTheSameWhenSourcesAreReadSideBySide) {
    QDir().mkpath(folder.filePath("tagged"));
    QStringList sources;
    for (const char* title : {"One", "Two", "Three", "Four", "Five"}) {
        const QString source = folder.filePath(QStringLiteral("tagged/%1.mp3").arg(sources.size()));
        const auto made =
            runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:d=0.3", "-c:a", "libmp3lame",
                               "-metadata", QStringLiteral("title=%1").arg(title), "-metadata", "artist=Band", source});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        sources << source;
    }
    QStringList madeNames[2];
    for (int jobs = 1; jobs <= 2; ++jobs) {
        const QString out = folder.filePath(QStringLiteral("out%1").arg(jobs));
        const auto result = cli(
            QStringList{"-j", QString::number(jobs), "--format", "vox", "--name", "{artist} - {title}", "--out", out} +
            sources);
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        madeNames[jobs - 1] = QDir(out).entryList(QDir::Files, QDir::Name);
    }
    EXPECT_EQ(madeNames[0], (QStringList{"Band - Five.vox", "Band - Four.vox", "Band - One.vox", "Band - Three.vox",
                                         "Band - Two.vox"}));
    EXPECT_EQ(madeNames[1], madeNames[0]);
}

TEST_F(BatchCommand, KeepTreeMirrorsTheSourceFolders) {
    const QString rock = tone("music/rock/a.wav", 400);
    const QString jazz = tone("music/jazz/live/b.wav", 500);
    const QString outside = tone("other/c.wav", 600);
    const auto result = cli({"--format", "mp3", "--out", folder.filePath("out"), "--keep-tree",
                             folder.filePath("music"), rock, jazz, outside});
    EXPECT_EQ(result.exitCode, 1);
    // Side by side, outputs are reported in the order they finish.
    QStringList outputs = linesStarting(result, "output=");
    outputs.sort();
    EXPECT_EQ(outputs, QStringList({folder.filePath("out/jazz/live/b.mp3"), folder.filePath("out/rock/a.mp3")}));
    ASSERT_EQ(linesStarting(result, "error=").size(), 1);
    EXPECT_TRUE(linesStarting(result, "error=").first().startsWith(outside));
    EXPECT_EQ(cli({"--format", "mp3", "--keep-tree", folder.filePath("music"), rock}).exitCode, 2);
}

TEST_F(BatchCommand, ExistingOutputsAreReplacedRenamedOrKeptAsAsked) {
    const QString source = tone("in/song.wav", 700);
    const QString existing = folder.filePath("out/song.wav");
    const auto reset = [&] {
        QFile::remove(existing);
        QFile::remove(folder.filePath("out/song_NEW.wav"));
        QDir().mkpath(folder.filePath("out"));
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("an older file");
    };
    const QStringList base{"--format", "pcm", "--out", folder.filePath("out"), "--summary", "json"};

    reset();
    auto result = cli(base + QStringList{source});
    EXPECT_EQ(linesStarting(result, "output="), QStringList{existing});
    EXPECT_EQ(pcmOf(existing), pcmOf(source));

    reset();
    result = cli(base + QStringList{"--exists", "new", source});
    EXPECT_EQ(linesStarting(result, "output="), QStringList{folder.filePath("out/song_NEW.wav")});
    EXPECT_EQ(bytesOf(existing), "an older file");

    // Skip keeps only a complete output: the older file holds no sound and is made again, after which the next
    // run keeps it.
    reset();
    result = cli(base + QStringList{"--exists", "skip", source});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(linesStarting(result, "output="), QStringList{existing});
    EXPECT_EQ(pcmOf(existing), pcmOf(source));
    const QByteArray complete = bytesOf(existing);
    result = cli(base + QStringList{"--exists", "skip", source});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(linesStarting(result, "skipped="), QStringList{existing});
    EXPECT_EQ(bytesOf(existing), complete);
    const QByteArray json = result.out.mid(result.out.indexOf("\n{") + 1);
    const QJsonObject summary = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(summary.value("skipped").toInt(), 1);
    EXPECT_EQ(summary.value("outputs").toArray().first().toObject().value("status").toString(), "skipped");

    EXPECT_EQ(cli(base + QStringList{"--exists", "ask", source}).exitCode, 2);
}

TEST_F(BatchCommand, SummaryListsEveryOutputWithSizeAndLength) {
    const QString source = tone("in/two.wav", 800, 2.0);
    const auto result = cli({"--format", "pcm", "--format", "gsm", "--out", folder.filePath("out"), "--summary", "json",
                             source, folder.filePath("in/missing.wav")});
    EXPECT_EQ(result.exitCode, 1);
    const QJsonObject summary = QJsonDocument::fromJson(result.out.mid(result.out.indexOf("\n{") + 1)).object();
    EXPECT_EQ(summary.value("made").toInt(), 2);
    EXPECT_EQ(summary.value("failed").toInt(), 2);
    const QJsonObject pcm = summary.value("outputs").toArray().at(0).toObject();
    EXPECT_EQ(pcm.value("destination").toString(), folder.filePath("out/two.wav"));
    EXPECT_EQ(pcm.value("size_bytes").toInteger(), QFileInfo(folder.filePath("out/two.wav")).size());
    EXPECT_NEAR(pcm.value("duration_ms").toDouble(), 2000, 30);
    EXPECT_TRUE(summary.value("outputs").toArray().at(2).toObject().value("reason").toString().contains("missing"));
}

struct Loudness {
    double integrated = 0;
    double truePeak = 0;
};

// Measured by ffmpeg's own meter, never by the code under test.
Loudness measuredByFfmpeg(const QString& file) {
    const auto result =
        runTool("ffmpeg", {"-hide_banner", "-nostats", "-i", file, "-af", "ebur128=peak=true", "-f", "null", "-"});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QByteArray summary = result.err.mid(result.err.lastIndexOf("Summary:"));
    Loudness loudness{1000, 1000};
    for (const QByteArray& raw : summary.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("I:"))
            loudness.integrated = line.mid(2).trimmed().split(' ').first().toDouble();
        else if (line.startsWith("Peak:"))
            loudness.truePeak = line.mid(5).trimmed().split(' ').first().toDouble();
    }
    EXPECT_LT(loudness.integrated, 1000) << summary.toStdString();
    return loudness;
}

TEST_F(BatchCommand, NormalizeBringsSourcesToTheTargetBelowTheTruePeakCeiling) {
    // Pink noise has real loudness; a quiet and a loud source both land on the target. Its top octaves are cut, as in
    // most music: a lossy encoder's low-pass would otherwise remove loudness that no gain could restore.
    const auto noise = [&](const QString& name, const QString& gain) {
        const QString path = folder.filePath(name);
        const auto made = runTool("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", path, "synth", "6", "pinknoise",
                                          "vol", gain, "lowpass", "8000"});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    };
    const QString quiet = noise("quiet.wav", "0.05");
    const QString loud = noise("loud.wav", "0.8");
    const auto result = cli(
        {"-j", "2", "--format", "pcm", "--format", "mp3", "--normalize", "--out", folder.filePath("out"), quiet, loud});
    ASSERT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    for (const QString& output : linesStarting(result, "output=")) {
        SCOPED_TRACE(output.toStdString());
        const Loudness loudness = measuredByFfmpeg(output);
        EXPECT_NEAR(loudness.integrated, -23.0, 0.5);
        EXPECT_LE(loudness.truePeak, -1.0);
    }

    // A target the peaks do not allow: the ceiling wins, the loudness stays below the target.
    const auto capped = cli({"--format", "pcm", "--normalize=-8", "--out", folder.filePath("capped"), loud});
    ASSERT_EQ(capped.exitCode, 0) << capped.out.toStdString();
    const Loudness cappedLoudness = measuredByFfmpeg(folder.filePath("capped/loud.wav"));
    EXPECT_LE(cappedLoudness.truePeak, -1.0);
    EXPECT_LT(cappedLoudness.integrated, -8.5);

    EXPECT_EQ(cli({"--format", "pcm", "--normalize", "--volume", "50", quiet}).exitCode, 2);
    EXPECT_EQ(cli({"--format", "pcm", "--normalize=loud", quiet}).exitCode, 2);
}

// The target holds for the output as it plays, whatever channels it has: a mono source copied onto two channels is
// 3 dB louder than alone, and two unrelated channels mixed to one are 6 dB quieter than together.
TEST_F(BatchCommand, NormalizeMeetsTheTargetWhateverTheOutputsChannels) {
    const auto noise = [&](const QString& name, const char* channels) {
        const QString path = folder.filePath(name);
        const auto made = runTool("sox", {"-n", "-r", "44100", "-c", channels, "-b", "16", path, "synth", "5",
                                          "pinknoise", "vol", "0.3", "lowpass", "8000"});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    };
    const QString mono = noise("mono.wav", "1");
    const QString stereo = noise("stereo.wav", "2");
    const QByteArray monoBefore = QCryptographicHash::hash(bytesOf(mono), QCryptographicHash::Md5);
    const QByteArray stereoBefore = QCryptographicHash::hash(bytesOf(stereo), QCryptographicHash::Md5);
    // PCM WAV writes two channels unless told otherwise; FLAC keeps the source's.
    const auto toStereo =
        cli({"--format", "pcm", "--format", "flac", "--normalize", "--out", folder.filePath("two"), mono});
    ASSERT_EQ(toStereo.exitCode, 0) << toStereo.out.toStdString() << toStereo.err.toStdString();
    const auto toMono =
        cli({"--format", "pcm", "--channels", "1", "--normalize", "--out", folder.filePath("one"), stereo});
    ASSERT_EQ(toMono.exitCode, 0) << toMono.out.toStdString() << toMono.err.toStdString();
    const QStringList outputs = linesStarting(toStereo, "output=") + linesStarting(toMono, "output=");
    ASSERT_EQ(outputs.size(), 3);
    for (const QString& output : outputs) {
        SCOPED_TRACE(output.toStdString());
        EXPECT_NEAR(measuredByFfmpeg(output).integrated, -23.0, 0.5);
    }
    EXPECT_EQ(QCryptographicHash::hash(bytesOf(mono), QCryptographicHash::Md5), monoBefore);
    EXPECT_EQ(QCryptographicHash::hash(bytesOf(stereo), QCryptographicHash::Md5), stereoBefore);
}

} // namespace
