// Sources and situations that once made a conversion fail wrongly, hang, or lose a file; each through
// tonalith-cli on real files, with its outputs read back by our own reader (tonalith-cli info) and ffprobe.
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using testsupport::runTool;

using testsupport::CliRun;

CliRun cli(const QStringList& arguments) {
    return testsupport::runCli(arguments, 30000);
}

CliRun convert(const QStringList& arguments) {
    return cli(QStringList{"convert", "--no-tags"} + arguments);
}

// Frames per channel as our reader counts them; -1 when it refuses the file.
qint64 framesReadBack(const QString& file) {
    const auto result = runTool(testsupport::cliPath(), {"info", file}, 30000);
    if (result.exitCode != 0)
        return -1;
    for (const QByteArray& line : result.out.split('\n'))
        if (line.startsWith("length="))
            return line.mid(7).toLongLong();
    return -1;
}

bool ffprobeReads(const QString& file) {
    const auto result =
        runTool("ffprobe", {"-v", "error", "-show_entries", "stream=codec_name", "-of", "csv=p=0", file});
    return result.exitCode == 0 && !result.out.trimmed().isEmpty() && result.err.isEmpty();
}

// A PCM source of exactly `frames` frames (none at all for 0), made with sox. Options before -n describe the
// generated sound, so the tone is made at the source's own rate.
QString makeSource(const QTemporaryDir& folder, const QString& name, qint64 frames, int rate, int channels,
                   const QStringList& encoding = {"-b", "16"}) {
    const QString path = folder.filePath(name);
    const auto made =
        runTool("sox", QStringList{"-r", QString::number(rate), "-c", QString::number(channels), "-n"} + encoding +
                           QStringList{path, "synth", QString::number(frames + 1) + "s", "sine", "440", "vol", "0.5",
                                       "trim", "0", QString::number(frames) + "s"});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

TEST(ConversionFaults, VoxOfAnOddNumberOfSamplesIsWrittenWhole) {
    QTemporaryDir folder;
    for (const qint64 frames : {44102, 50000, 62081, 88201}) {
        for (const int channels : {1, 2}) {
            SCOPED_TRACE(testing::Message() << frames << " frames, " << channels << " channels");
            const QString source =
                makeSource(folder, QStringLiteral("s%1_%2.wav").arg(frames).arg(channels), frames, 44100, channels);
            const CliRun run = convert({"--format", "vox", "--out", folder.filePath("out"), source});
            EXPECT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString();
            ASSERT_EQ(run.outputs.size(), 1);
            EXPECT_NEAR(framesReadBack(run.outputs.first()), frames, 1);
        }
    }
}

// A FIFO would block the reader's open for ever; it is refused before any output exists.
TEST(ConversionFaults, SourcesThatAreNoRegularFilesAreRefusedAtOnce) {
    QTemporaryDir folder;
    const QString fifo = folder.filePath("pipe.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const CliRun info = cli({"info", fifo});
    EXPECT_EQ(info.exitCode, 1);
    ASSERT_EQ(info.errors.size(), 1);
    EXPECT_TRUE(info.errors.first().contains("not a regular file")) << info.errors.first().toStdString();

    const CliRun converted = convert({"--format", "mp3", "--out", folder.filePath("out"), fifo});
    EXPECT_EQ(converted.exitCode, 1);
    EXPECT_EQ(converted.errors.size(), 1);
    EXPECT_TRUE(entriesOf(folder.filePath("out")).isEmpty())
        << entriesOf(folder.filePath("out")).join(' ').toStdString();
}

// Outputs of sources shorter than one codec frame, or holding only a few samples, still read back.
TEST(ConversionFaults, TinySourcesGiveOutputsThatReadBack) {
    QTemporaryDir folder;
    const QString tiny = makeSource(folder, "tiny.wav", 5, 44100, 1);
    EXPECT_EQ(QFileInfo(tiny).size(), 54);
    for (const char* format : {"mp2", "mp3", "wma", "ogg", "vox"}) {
        SCOPED_TRACE(format);
        const CliRun run = convert({"--format", format, "--out", folder.filePath(format), tiny});
        ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString();
        EXPECT_GE(framesReadBack(run.outputs.first()), 0);
        if (QLatin1String(format) != QLatin1String("vox")) {
            EXPECT_TRUE(ffprobeReads(run.outputs.first()));
        }
    }
    const QString shortAu = makeSource(folder, "short.au", 21, 8000, 1, {"-e", "mu-law"});
    const CliRun run = convert({"--format", "vox", "--out", folder.filePath("au"), shortAu});
    ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString();
    EXPECT_GT(framesReadBack(run.outputs.first()), 0);
}

// A source without a single sample is refused as one without sound, as a WAV cut after its header is.
TEST(ConversionFaults, SourcesWithoutSoundAreRefused) {
    QTemporaryDir folder;
    const QString full = makeSource(folder, "full.wav", 800, 8000, 1);
    QFile::copy(full, folder.filePath("cut.wav"));
    QFile::resize(folder.filePath("cut.wav"), 44);
    const QString emptyAiff = makeSource(folder, "empty.aif", 0, 8000, 1);
    const QString emptyWav = makeSource(folder, "empty.wav", 0, 8000, 2);
    for (const QString& source : {folder.filePath("cut.wav"), emptyAiff, emptyWav}) {
        SCOPED_TRACE(source.toStdString());
        EXPECT_EQ(framesReadBack(source), -1);
        const CliRun run = convert({"--format", "vox", "--out", folder.filePath("out"), source});
        EXPECT_EQ(run.exitCode, 1);
        ASSERT_EQ(run.errors.size(), 1);
        EXPECT_TRUE(run.errors.first().contains("no sound")) << run.errors.first().toStdString();
    }
    EXPECT_TRUE(entriesOf(folder.filePath("out")).isEmpty());
}

// An output is written under a temporary name and takes its own name only when the conversion ends, so a failed
// conversion leaves an earlier file of that name as it was, and no temporary file behind.
TEST(ConversionFaults, AFailedConversionKeepsTheEarlierOutput) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("out"));
    QFile precious(folder.filePath("out/x.mp3"));
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("precious\n");
    precious.close();
    QFile broken(folder.filePath("x.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray("RIFF\x24\x10\x00\x00WAVEfmt ", 16) + QByteArray(2000, '\x7f'));
    broken.close();

    const CliRun failed = convert({"--format", "mp3", "--out", folder.filePath("out"), folder.filePath("x.wav")});
    EXPECT_EQ(failed.exitCode, 1);
    ASSERT_TRUE(precious.open(QIODevice::ReadOnly));
    EXPECT_EQ(precious.readAll(), "precious\n");
    precious.close();
    EXPECT_EQ(entriesOf(folder.filePath("out")), QStringList{"x.mp3"});

    // A conversion that succeeds replaces it.
    makeSource(folder, "x.wav", 8000, 8000, 1);
    const CliRun converted = convert({"--format", "mp3", "--out", folder.filePath("out"), folder.filePath("x.wav")});
    EXPECT_EQ(converted.exitCode, 0);
    EXPECT_TRUE(ffprobeReads(folder.filePath("out/x.mp3")));
    EXPECT_EQ(entriesOf(folder.filePath("out")), QStringList{"x.mp3"});
}

} // namespace
