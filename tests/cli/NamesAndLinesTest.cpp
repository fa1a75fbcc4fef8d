#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <map>

// tonalith-cli run as a process on the names people give files: hidden names like the program's own temporary
// files, names as long as the file system allows, names with control characters, and names made from tags. Every
// source and every file of the user's keeps its bytes.
namespace {

using testsupport::filesIn;
using testsupport::linesStarting;
using testsupport::md5Of;
using testsupport::runTool;

// The seconds of sound ffprobe finds; the test fails when ffprobe cannot read the file.
double secondsOf(const QString& file) {
    const auto result = runTool("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", file});
    EXPECT_EQ(result.exitCode, 0) << file.toStdString() << ": " << result.err.toStdString();
    return result.exitCode == 0 ? result.out.trimmed().toDouble() : -1.0;
}

class NamesAndLines : public ::testing::Test {
protected:
    // A tone made with sox; its md5 is checked when the test ends.
    QString tone(const QString& relativeName, double seconds = 0.5) {
        const QString path = folder.filePath(relativeName);
        QDir().mkpath(QFileInfo(path).path());
        const auto made = runTool("sox", {"-n", "-r", "22050", "-c", "1", "-b", "16", path, "synth",
                                          QString::number(seconds), "sine", "440", "vol", "0.5"});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        keep(path);
        return path;
    }
    // A file of the user's that no run may change.
    QString userFile(const QString& relativeName, const QByteArray& content) {
        const QString path = folder.filePath(relativeName);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        keep(path);
        return path;
    }
    void keep(const QString& path) { kept[path] = md5Of(path); }

    static testsupport::ToolResult cli(const QStringList& arguments) {
        return runTool(testsupport::cliPath(), arguments);
    }

    // A convert killed outright while it writes: it leaves its hidden temporary file behind, unlocked.
    static void killWhileWriting(const QStringList& arguments) {
        QProcess process;
        process.start(testsupport::cliPath(), QStringList{"convert", "--no-tags", "-j", "1"} + arguments);
        ASSERT_TRUE(process.waitForStarted(30000));
        QByteArray out;
        QElapsedTimer clock;
        clock.start();
        while (!out.contains("progress=") && process.state() == QProcess::Running && clock.elapsed() < 60000) {
            process.waitForReadyRead(100);
            out += process.readAllStandardOutput();
        }
        ASSERT_TRUE(out.contains("progress=")) << out.toStdString();
        process.kill();
        process.waitForFinished();
    }

    void TearDown() override {
        for (const auto& [path, md5] : kept)
            EXPECT_EQ(md5Of(path), md5) << path.toStdString() << " changed or went";
    }

    QTemporaryDir folder;
    std::map<QString, QByteArray> kept;
};

// Hidden files named like temporary outputs are the user's: a source given as ".take1.part.wav" is converted, and
// a ".notes.part.mp3" beside it stays. What a killed run left is still removed by the next run into the folder,
// except a file the run converts.
TEST_F(NamesAndLines, OnlyAbandonedTemporaryFilesOfTheProgramAreSwept) {
    const QString take = tone(".take1.part.wav");
    userFile(".notes.part.mp3", "my notes, not sound");
    userFile(".song.part2.wav", "an older take");
    const auto beside = cli({"convert", "--no-tags", "--format", "mp3", take});
    ASSERT_EQ(beside.exitCode, 0) << beside.out.toStdString() << beside.err.toStdString();
    EXPECT_EQ(linesStarting(beside.out, "output="), QStringList{folder.filePath(".take1.part.mp3")});
    EXPECT_NEAR(secondsOf(folder.filePath(".take1.part.mp3")), 0.5, 0.1);

    // Two runs killed while writing leave a temporary file each, gathered in "out"; the next run into it converts
    // the first of them (a user may want what it holds) and removes only the other.
    const QString out = folder.filePath("out");
    const QString other = folder.filePath("other");
    const QString longSource = tone("long.wav", 60);
    killWhileWriting({"--format", "mp3", "--out", out, longSource});
    killWhileWriting({"--format", "mp3", "--out", other, longSource});
    const QStringList firstLeft = filesIn(out);
    const QStringList secondLeft = filesIn(other);
    ASSERT_EQ(firstLeft.size(), 1);
    ASSERT_EQ(secondLeft.size(), 1);
    ASSERT_NE(firstLeft, secondLeft);
    ASSERT_TRUE(
        QFile::rename(other + QLatin1Char('/') + secondLeft.first(), out + QLatin1Char('/') + secondLeft.first()));
    const QString abandoned = out + QLatin1Char('/') + firstLeft.first();
    keep(abandoned);
    const auto next = cli({"convert", "--no-tags", "--format", "pcm", "--out", out, abandoned});
    ASSERT_EQ(next.exitCode, 0) << next.out.toStdString() << next.err.toStdString();
    const QString made = out + QLatin1Char('/') + QFileInfo(abandoned).completeBaseName() + QStringLiteral(".wav");
    EXPECT_EQ(linesStarting(next.out, "output="), QStringList{made});
    EXPECT_EQ(filesIn(out), (QStringList{firstLeft.first(), QFileInfo(made).fileName()}));
}

// Output names up to the file system's 255 bytes are made, whole; the hidden temporary name is shortened instead.
// A name beyond the limit fails with the reason and leaves nothing.
TEST_F(NamesAndLines, OutputNamesUpToTheLimitAreMadeWhole) {
    const QString ascii = QString(251, QLatin1Char('a'));
    const QString accented = QString(125, QChar(0x00E9)) + QLatin1Char('x'); // 251 bytes in UTF-8
    const QString out = folder.filePath("out");
    const auto result = cli({"convert", "--no-tags", "-j", "1", "--format", "pcm", "--format", "adpcm", "--format",
                             "mp3", "--out", out, tone(ascii + ".wav"), tone(accented + ".wav")});
    EXPECT_EQ(result.exitCode, 1) << result.out.toStdString() << result.err.toStdString();
    QStringList expected;
    for (const QString& base : {ascii, accented}) {
        for (const char* suffix : {".wav", ".mp3"}) {
            const QString name = out + QLatin1Char('/') + base + QLatin1String(suffix);
            expected.append(name);
            EXPECT_EQ(QFile::encodeName(QFileInfo(name).fileName()).size(), 255);
            EXPECT_NEAR(secondsOf(name), 0.5, 0.1) << name.toStdString();
        }
    }
    EXPECT_EQ(linesStarting(result.out, "output=").join('\n').toStdString(), expected.join('\n').toStdString());
    const QStringList errors = linesStarting(result.out, "error=");
    ASSERT_EQ(errors.size(), 2) << result.out.toStdString();
    for (const QString& error : errors)
        EXPECT_TRUE(error.contains("File name too long")) << error.toStdString();
    EXPECT_EQ(filesIn(out).size(), 4) << filesIn(out).join('\n').toStdString();
}

// A control character in a name is printed as \xNN in every line that carries the name, so no result is split
// or loses its columns; other characters, a backslash included, come out as they are. JSON carries the name as
// it is.
TEST_F(NamesAndLines, ControlCharactersInNamesNeverBreakALine) {
    const QString newline = tone("two\nlines.wav");
    const QString tab = tone("tab\there\\ü.wav");
    const QString out = folder.filePath("out");
    const auto result = cli({"convert", "--no-tags", "-j", "1", "--format", "pcm", "--summary", "text", "--out", out,
                             newline, tab, folder.filePath("gone\r.wav")});
    EXPECT_EQ(result.exitCode, 1) << result.err.toStdString();
    EXPECT_EQ(linesStarting(result.out, "output="),
              (QStringList{out + "/two\\x0Alines.wav", out + QString::fromUtf8("/tab\\x09here\\ü.wav")}));
    const QStringList errors = linesStarting(result.out, "error=");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(folder.filePath("gone\\x0D.wav"))) << errors.first().toStdString();
    for (const QByteArray& line : result.out.split('\n')) {
        EXPECT_FALSE(line.startsWith("lines") || line.startsWith("here") || line.startsWith(".wav"))
            << line.toStdString();
        if (line.startsWith("made\t")) {
            EXPECT_EQ(line.count('\t'), 4) << line.toStdString();
        }
    }
    EXPECT_EQ(filesIn(out), (QStringList{QString::fromUtf8("tab\there\\ü.wav"), "two\nlines.wav"}));

    const auto described = cli({"info", newline});
    EXPECT_EQ(described.exitCode, 0);
    EXPECT_EQ(described.out.split('\n').first(), "file=" + QFile::encodeName(folder.filePath("two\\x0Alines.wav")));
    const auto tags = cli({"id3", tab});
    EXPECT_EQ(tags.out.split('\n').first(), "file=" + folder.filePath("tab\\x09here\\ü.wav").toUtf8());

    const auto json = cli({"convert", "--no-tags", "--format", "raw", "--summary", "json", "--out", out, newline});
    ASSERT_EQ(json.exitCode, 0);
    const QJsonObject summary = QJsonDocument::fromJson(json.out.mid(json.out.indexOf("\n{") + 1)).object();
    EXPECT_EQ(summary["outputs"].toArray().first().toObject()["destination"].toString(), out + "/two\nlines.raw");
}

// A stop signal: the output it ended counts as cancelled, the outputs never begun as not started, in the text and
// the JSON summary alike.
TEST_F(NamesAndLines, ASummaryAfterAStopCountsOutputsNeverBegunApart) {
    const QStringList sources{tone("long.wav", 60), tone("short.wav"), tone("other.wav")};
    for (const char* kind : {"text", "json"}) {
        SCOPED_TRACE(kind);
        QProcess process;
        process.start(testsupport::cliPath(), QStringList{"convert", "--no-tags", "-j", "1", "--format", "mp3",
                                                          "--summary", kind, "--out", folder.filePath(kind)} +
                                                  sources);
        ASSERT_TRUE(process.waitForStarted(30000));
        QByteArray out;
        while (!out.contains("progress=") && process.state() == QProcess::Running)
            out += process.waitForReadyRead(100) ? process.readAllStandardOutput() : QByteArray();
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        ASSERT_TRUE(process.waitForFinished(60000));
        out += process.readAllStandardOutput();
        EXPECT_EQ(process.exitCode(), 130);
        if (QByteArray(kind) == "text") {
            EXPECT_TRUE(out.contains("\nsummary: 3 outputs, 0 made, 0 skipped, 0 failed, 1 cancelled, 2 not started\n"))
                << out.toStdString();
        } else {
            const QJsonObject summary = QJsonDocument::fromJson(out.mid(out.indexOf("\n{") + 1)).object();
            EXPECT_EQ(summary["cancelled"].toInt(), 1) << out.toStdString();
            EXPECT_EQ(summary["not_started"].toInt(), 2) << out.toStdString();
        }
    }
}

// A template whose fields are all empty names the output after its source, not after the template's own text;
// each value loses its blanks and dots at both ends before it takes its place.
TEST_F(NamesAndLines, NameTemplatesOfEmptyFieldsFallBackToTheSourceName) {
    const QString untagged = tone("untagged.wav");
    const QString tagged = folder.filePath("tagged.mp3");
    const auto made =
        runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=997:d=0.5", "-c:a", "libmp3lame",
                           "-metadata", "artist= The Band ", "-metadata", "title=Song...", tagged});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    keep(tagged);
    const QString out = folder.filePath("out");
    const auto result =
        cli({"convert", "--format", "pcm", "--name", "{track} {artist} - {title}", "--out", out, untagged, tagged});
    ASSERT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    // With several jobs the two outputs may end in either order.
    QStringList outputs = linesStarting(result.out, "output=");
    outputs.sort();
    EXPECT_EQ(outputs, (QStringList{out + "/The Band - Song.wav", out + "/untagged.wav"}));

    const auto joined = cli({"convert", "--format", "raw", "--name", "{artist}-{title}", "--out", out, tagged});
    ASSERT_EQ(joined.exitCode, 0) << joined.out.toStdString();
    EXPECT_EQ(linesStarting(joined.out, "output="), QStringList{out + "/The Band-Song.raw"});
}

} // namespace
