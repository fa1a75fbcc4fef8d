#include "cli/CliCommands.h"
#include "fakes/FakeComponentSet.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using testsupport::runTool;

testsupport::ToolResult cli(const QStringList& arguments) {
    return runTool(testsupport::cliPath(), arguments, 30000);
}

QString makeTone(const QTemporaryDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    const auto made = runTool("sox", {"-n", "-r", "8000", "-c", "1", "-b", "16", path, "synth", "0.2", "sine", "440"});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

TEST(CliCommands, Id3ReportsFilesItCannotReadLikeInfo) {
    QTemporaryDir folder;
    const QString fifo = folder.filePath("pipe.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& unreadable : {folder.filePath("missing.mp3"), folder.path(), fifo}) {
        SCOPED_TRACE(unreadable.toStdString());
        const auto result = cli({"id3", unreadable});
        EXPECT_EQ(result.exitCode, 1);
        const QByteArrayList lines = result.out.trimmed().split('\n');
        EXPECT_EQ(lines.first(), "file=" + unreadable.toUtf8());
        EXPECT_TRUE(lines.last().startsWith("error=") && lines.last().size() > 6) << result.out.toStdString();
    }
}

// Names that start with a dash reach every command as files once "--" has ended the options.
TEST(CliCommands, DoubleDashEndsTheOptionsOfEveryCommand) {
    QTemporaryDir folder;
    makeTone(folder, "--help.wav");
    ASSERT_TRUE(QDir::setCurrent(folder.path()));

    const auto info = cli({"info", "--", "--help.wav"});
    EXPECT_EQ(info.exitCode, 0) << info.out.toStdString();
    EXPECT_TRUE(info.out.startsWith("file=--help.wav\nformat=")) << info.out.toStdString();

    const auto id3 = cli({"id3", "--", "--help.wav"});
    EXPECT_EQ(id3.exitCode, 0) << id3.out.toStdString();
    EXPECT_TRUE(id3.out.startsWith("file=--help.wav\nid3v1.")) << id3.out.toStdString();

    const auto converted = cli({"convert", "--format", "raw", "--out", "out", "--", "--help.wav"});
    EXPECT_EQ(converted.exitCode, 0) << converted.out.toStdString() << converted.err.toStdString();
    EXPECT_TRUE(converted.out.endsWith("output=out/--help.raw\n")) << converted.out.toStdString();
}

// A set of components that cannot be made (an encoder missing from the installed libraries) is a failure to
// report, not a reason for the program to end with an uncaught exception.
TEST(CliCommands, InfoReportsComponentsThatCannotBeMade) {
    FakeComponentSetFactory factory;
    factory.failuresLeft = 1;
    QString printed;
    QString complaints;
    QTextStream out(&printed);
    QTextStream err(&complaints);
    int status = -1;
    EXPECT_NO_THROW(status = runInfoCommandWith({"song.wav"}, out, err, factory));
    out.flush();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(printed, "error=Class not registered\n");
}

} // namespace

namespace {

// What scripts expect of any command-line tool: help and version on standard output with status 0.
TEST(CliCommands, HelpAndVersionAnswerWithStatusZero) {
    for (const QStringList& arguments : {QStringList{"--help"}, QStringList{"-h"}}) {
        const auto help = cli(arguments);
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith("usage: tonalith-cli COMMAND")) << help.out.toStdString();
    }
    const auto version = cli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(version.out).contains(QRegularExpression("^tonalith-cli \\d+\\.\\d+")))
        << version.out.toStdString();
    for (const char* command : {"info", "id3"}) {
        const auto usage = cli({command, "--help"});
        EXPECT_EQ(usage.exitCode, 0) << command;
        EXPECT_TRUE(usage.out.startsWith(QByteArray("usage: tonalith-cli ") + command)) << usage.out.toStdString();
    }
    const auto unknown = cli({"--no-such-option"});
    EXPECT_EQ(unknown.exitCode, 2);
}

TEST(CliCommands, ConvertHelpListsTheLosslessAndModernFormatsAndTheirOptions) {
    const auto help = cli({"convert", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    const QString text = QString::fromUtf8(help.out);
    EXPECT_TRUE(text.contains(QRegularExpression("NAME: pcm .* g726 flac alac aac opus\n"))) << help.out.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("--compression N .*\\[flac\\]\n")));
    EXPECT_TRUE(text.contains(QRegularExpression("--bitrate N .*\\[aac opus\\]\n")));
    EXPECT_TRUE(text.contains(QRegularExpression("--speech .*\\[opus\\]\n")));
    // The channels entry runs over more than one line; its formats end it, FLAC's and ALAC's among them.
    EXPECT_TRUE(text.contains(QRegularExpression("--channels C [^\\[]*\\[pcm [^\\]]*flac alac aac opus\\]\n")));
}

TEST(CliCommands, ModernFormatOptionsAreRefusedWhereTheyDoNotApplyOrOutOfRange) {
    QTemporaryDir folder;
    const QString source = makeTone(folder, "song.wav");
    const std::pair<QStringList, const char*> refusals[] = {
        {{"--format", "mp3", "--compression", "3"}, "does not take --compression"},
        {{"--format", "flac", "--bitrate", "128"}, "does not take --bitrate"},
        {{"--format", "aac", "--speech"}, "does not take --speech"},
        {{"--format", "flac", "--compression", "9"}, "--compression cannot be \"9\""},
        {{"--format", "aac", "--bitrate", "64"}, "--bitrate cannot be \"64\""},
        {{"--format", "opus", "--bitrate", "300"}, "--bitrate cannot be \"300\""},
        {{"--format", "opus", "--speech=yes"}, "--speech takes no value"},
    };
    for (const auto& [options, reason] : refusals) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const auto result = cli(QStringList{"convert"} + options + QStringList{"--out", folder.filePath("o"), source});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(reason)) << result.err.toStdString();
    }
    EXPECT_FALSE(QDir(folder.filePath("o")).exists());
}

TEST(CliCommands, ModernOutputsAreNamedLikeTheOthersAndNeverReplaceTheirSource) {
    QTemporaryDir folder;
    const QString source = makeTone(folder, "song.wav");
    const auto made = cli({"convert", "--format", "flac", "--format", "alac", "--format", "aac", "--format", "opus",
                           "--compression", "8", "--bitrate", "128", "--speech", "-j", "1", source});
    ASSERT_EQ(made.exitCode, 0) << made.out.toStdString() << made.err.toStdString();
    for (const char* name : {"song.flac", "song_ALAC.m4a", "song.m4a", "song.opus"})
        EXPECT_TRUE(made.out.contains("output=" + QFile::encodeName(folder.filePath(name)) + "\n")) << name;

    // A FLAC source converted to FLAC keeps its own name; the output takes "_NEW".
    const QByteArray flacBytes = [&] {
        QFile file(folder.filePath("song.flac"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const auto again = cli({"convert", "--format", "flac", folder.filePath("song.flac")});
    ASSERT_EQ(again.exitCode, 0) << again.out.toStdString();
    EXPECT_TRUE(again.out.contains("output=" + QFile::encodeName(folder.filePath("song_NEW.flac"))))
        << again.out.toStdString();
    QFile source2(folder.filePath("song.flac"));
    ASSERT_TRUE(source2.open(QIODevice::ReadOnly));
    EXPECT_EQ(source2.readAll(), flacBytes);
}

} // namespace

// A 5.1 source through the whole conversion: FLAC keeps its six channels unless told otherwise, --channels keep gives
// them to Opus too, and MP3 mixes them to stereo as before.
TEST(CliCommands, SurroundSourcesKeepTheirChannelsWhereTheFormatCarriesThem) {
    QTemporaryDir folder;
    const QString source = folder.filePath("surround.wav");
    const auto made = runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                                         "aevalsrc=exprs=0.2*sin(2*PI*300*t)|0.2*sin(2*PI*500*t)|0.2*sin(2*PI*700*t)|"
                                         "0.2*sin(2*PI*80*t)|0.2*sin(2*PI*1100*t)|0.2*sin(2*PI*1300*t):s=48000:d=1:"
                                         "c=5.1(side)",
                                         source});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const auto channelsOf = [](const QString& path) {
        const auto probed = runTool("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                                "stream=channels,channel_layout", "-of", "csv=p=0", path});
        return QString::fromUtf8(probed.out).trimmed();
    };
    const auto converted =
        cli({"convert", "--format", "flac", "--format", "mp3", "-j", "1", "--out", folder.filePath("plain"), source});
    ASSERT_EQ(converted.exitCode, 0) << converted.out.toStdString() << converted.err.toStdString();
    EXPECT_EQ(channelsOf(folder.filePath("plain/surround.flac")), "6,5.1(side)");
    EXPECT_EQ(channelsOf(folder.filePath("plain/surround.mp3")), "2,stereo");

    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const auto kept = cli(
        {"convert", "--format", "opus", "--format", "flac", "--channels", "keep", "-j", "1", "--out", "kept", source});
    ASSERT_EQ(kept.exitCode, 0) << kept.out.toStdString() << kept.err.toStdString();
    EXPECT_EQ(channelsOf(folder.filePath("kept/surround.opus")), "6,5.1");
    const auto mixed = cli({"convert", "--format", "flac", "--channels", "2", "-j", "1", "--out", "mixed", source});
    ASSERT_EQ(mixed.exitCode, 0) << mixed.out.toStdString() << mixed.err.toStdString();
    EXPECT_EQ(channelsOf(folder.filePath("mixed/surround.flac")), "2,stereo");
}
