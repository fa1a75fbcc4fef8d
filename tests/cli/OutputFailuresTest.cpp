// Outputs that cannot be made as asked: a source that gives no sound, a disk that fills up, a source of a few
// samples. Each fails alone and says why (or is made and decodes); the batch goes on to its summary, nothing
// half-made stays behind and no source changes.
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::md5Of;
using testsupport::runTool;
using testsupport::writeFile;

const QStringList kEveryFormat{"pcm", "adpcm", "mp3",  "mp2",  "ogg",  "wma",  "dsp", "gsm", "vox",
                               "raw", "g721",  "g723", "g726", "flac", "alac", "aac", "opus"};

QStringList formatOptions() {
    QStringList options;
    for (const QString& format : kEveryFormat)
        options << "--format" << format;
    return options;
}

QString makeSound(const QTemporaryDir& folder, const QString& name, const QStringList& soxArguments) {
    const QString path = folder.filePath(name);
    const auto made =
        runTool("sox", QStringList{"-n"} + soxArguments.mid(0, 6) + QStringList{path} + soxArguments.mid(6));
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

// A valid 8 kHz mono 16-bit WAV header whose data chunk holds nothing.
QByteArray emptyWav() {
    return QByteArray::fromHex("52494646240000005741564566"
                               "6d74201000000001000100401f0000803e000002001000"
                               "6461746100000000");
}

QStringList visibleAndHidden(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A source whose reader gives no sound at all (a valid WAV of no frames, a text file under a sound name) fails every
// one of its outputs with a line of its own and leaves nothing, while the source after it is converted into every
// format: the Opus encoder once aborted the whole program on such a source.
TEST(OutputFailures, SourcesWithoutSoundFailEveryFormatAndTheBatchGoesOn) {
    QTemporaryDir folder;
    const QString empty = writeFile(folder, "empty.wav", emptyWav());
    const QString text = writeFile(folder, "text.wav", "This is a note, not sound.\n");
    const QString good =
        makeSound(folder, "good.wav", {"-r", "8000", "-c", "1", "-b", "16", "synth", "0.3", "sine", "440"});
    const QByteArray sums[] = {md5Of(empty), md5Of(text), md5Of(good)};
    const QString out = folder.filePath("out");

    const auto run = runTool(testsupport::cliPath(),
                             QStringList{"convert"} + formatOptions() +
                                 QStringList{"-j", "1", "--summary", "text", "--out", out, empty, text, good});
    const QString printed = QString::fromUtf8(run.out);
    ASSERT_EQ(run.exitCode, 1) << printed.toStdString() << run.err.toStdString();
    const auto count = [&](const QString& prefix) {
        return printed.split('\n').filter(QRegularExpression("^" + QRegularExpression::escape(prefix))).size();
    };
    EXPECT_EQ(count("error=" + empty + ": "), kEveryFormat.size()) << printed.toStdString();
    EXPECT_EQ(count("error=" + text + ": "), kEveryFormat.size()) << printed.toStdString();
    EXPECT_EQ(count("output="), kEveryFormat.size()) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("summary: 51 outputs, 17 made, 0 skipped, 34 failed, 0 cancelled\n")))
        << printed.toStdString();
    const QStringList left = visibleAndHidden(out);
    EXPECT_EQ(left.size(), kEveryFormat.size()) << left.join(' ').toStdString();
    for (const QString& name : left)
        EXPECT_TRUE(name.startsWith("good")) << name.toStdString();
    EXPECT_EQ(md5Of(empty), sums[0]);
    EXPECT_EQ(md5Of(text), sums[1]);
    EXPECT_EQ(md5Of(good), sums[2]);
}

// Runs tonalith-cli with its --out folder on a small file system private to the run (a mount namespace of its own,
// so no root is needed and nothing stays mounted), and lists what the folder holds afterwards as left= lines.
testsupport::ToolResult runOnAFullDisk(const QString& folder, const QString& size, const QStringList& arguments) {
    const QString script = QStringLiteral(R"(dir=$1; size=$2; shift 2
mount -t tmpfs -o size="$size" tmpfs "$dir" || exit 99
"$@"; status=$?
ls -A "$dir" | sed "s/^/left=/"
exit $status)");
    return runTool("unshare", QStringList{"--map-root-user", "--mount", "sh", "-c", script, "sh", folder, size,
                                          testsupport::cliPath()} +
                                  arguments);
}

// A disk without room fails each output with the system's reason, whatever library writes the format (libFLAC,
// libopusenc, libsndfile, FFmpeg's MP4 muxer...): never a crash (the MP4 outputs once overran a frame buffer when
// finishing after a failed write), never a word about the source, and no partial file left.
TEST(OutputFailures, AFullDiskFailsEveryFormatNamingTheRealCause) {
    if (runTool("unshare", {"--map-root-user", "--mount", "true"}).exitCode != 0)
        GTEST_SKIP() << "this system allows no private mount namespace (unshare --map-root-user --mount)";
    QTemporaryDir folder;
    const QString source =
        makeSound(folder, "song.wav", {"-r", "44100", "-c", "2", "-b", "16", "synth", "5", "pinknoise", "vol", "0.3"});
    const QByteArray sum = md5Of(source);
    const QString full = folder.filePath("full");
    ASSERT_TRUE(QDir().mkpath(full));

    // One page: every format fails at once. 100 kB: the MP4 outputs fail half-way through their packets.
    const std::pair<QString, QStringList> disks[] = {{"4k", kEveryFormat}, {"100k", {"alac", "aac"}}};
    for (const auto& [size, formats] : disks) {
        SCOPED_TRACE(size.toStdString());
        QStringList options;
        for (const QString& format : formats)
            options << "--format" << format;
        const auto run =
            runOnAFullDisk(full, size,
                           QStringList{"convert"} + options +
                               QStringList{"-j", "1", "--verify", "--summary", "text", "--out", full, source});
        const QString printed = QString::fromUtf8(run.out);
        ASSERT_NE(run.exitCode, 99) << "no tmpfs could be mounted: " << run.err.toStdString();
        EXPECT_EQ(run.exitCode, 1) << printed.toStdString() << run.err.toStdString();
        const QStringList errors = printed.split('\n').filter(QRegularExpression("^error="));
        EXPECT_EQ(errors.size(), formats.size()) << printed.toStdString();
        for (const QString& error : errors) {
            // When the disk fills while the MP4 muxer writes its index, the write can go unseen; the check that
            // follows drops the file then. Either way the output fails and nothing is left.
            const bool dropped = size == QLatin1String("100k") && error.contains(QStringLiteral("failed its check"));
            EXPECT_TRUE(error.contains(QStringLiteral("No space left on device")) || dropped) << error.toStdString();
            EXPECT_FALSE(error.contains(QStringLiteral("invalid or the format"))) << error.toStdString();
            EXPECT_FALSE(error.contains(QStringLiteral(".part"))) << "names the hidden file: " << error.toStdString();
        }
        EXPECT_TRUE(printed.contains(
            QStringLiteral("summary: %1 outputs, 0 made, 0 skipped, %1 failed, 0 cancelled\n").arg(formats.size())))
            << printed.toStdString();
        EXPECT_FALSE(printed.contains(QStringLiteral("left="))) << printed.toStdString();
    }
    EXPECT_EQ(md5Of(source), sum);
}

// An AAC output of a source of a few samples is made and states and decodes them: the edit list that trims the
// encoder's delay once stated the length in milliseconds, which cut such a source to nothing.
TEST(OutputFailures, AacOfAFewSamplesKeepsThem) {
    QTemporaryDir folder;
    QStringList sources;
    for (const int samples : {3, 5, 10})
        sources << makeSound(folder, QStringLiteral("s%1.wav").arg(samples),
                             {"-r", "44100", "-c", "1", "-b", "16", "synth", QStringLiteral("%1s").arg(samples),
                              "square", "1000", "vol", "0.8"});
    const QString out = folder.filePath("out");
    const auto run = testsupport::runCli(
        QStringList{"convert", "--format", "aac", "--channels", "1", "-j", "1", "--out", out} + sources);
    ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString() << run.stdErr.toStdString();
    for (const int samples : {3, 5, 10}) {
        SCOPED_TRACE(samples);
        const QString made = QDir(out).filePath(QStringLiteral("s%1.m4a").arg(samples));
        const auto stated = runTool("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                                "stream=duration", "-of", "csv=p=0", made});
        ASSERT_EQ(stated.exitCode, 0) << stated.err.toStdString();
        EXPECT_NEAR(stated.out.trimmed().toDouble(), samples / 44100.0, 1.0 / 44100.0 + 1e-6);
        const auto decoded = runTool("ffmpeg", {"-v", "error", "-i", made, "-f", "s16le", "-ac", "1", "-"});
        ASSERT_EQ(decoded.exitCode, 0) << decoded.err.toStdString();
        EXPECT_GE(decoded.out.size(), samples * 2);
    }
}

} // namespace
