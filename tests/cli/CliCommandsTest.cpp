#include "cli/CliCommands.h"
#include "fakes/FakeComponentSet.h"
#include "support/TestSupport.h"

#include <QFile>
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
