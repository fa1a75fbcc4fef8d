#include "RecordingObserver.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

// Real conversions: tones made with sox, converted by tonalith-cli, read back with ffprobe/ffmpeg (and sox for VOX).
// Tag copying has its own test; the others leave it out so that they test the sound path alone.
namespace {

using testsupport::runTool;

QString makeTone(const QTemporaryDir& folder, const QString& name, int rate = 44100, int channels = 2) {
    const QString path = folder.filePath(name);
    const auto result = runTool("sox", {"-n", "-r", QString::number(rate), "-c", QString::number(channels), "-b", "16",
                                        path, "synth", "2", "sine", "997", "vol", "0.5"});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return path;
}

using testsupport::CliRun;

CliRun convert(const QStringList& arguments, bool copyTags = false) {
    return testsupport::runCli(QStringList{"convert"} + (copyTags ? QStringList{} : QStringList{"--no-tags"}) +
                               arguments);
}

QString convertOne(const QStringList& arguments, bool copyTags = false) {
    const CliRun run = convert(arguments, copyTags);
    EXPECT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString() << run.stdErr.toStdString();
    return run.outputs.value(0);
}

struct Probe {
    QString codec;
    int rate = 0;
    int channels = 0;
    double seconds = 0;
};

Probe probe(const QString& file, const QStringList& inputOptions = {}) {
    const auto result =
        runTool("ffprobe", QStringList{"-v", "error"} + inputOptions +
                               QStringList{"-show_entries", "stream=codec_name,sample_rate,channels:format=duration",
                                           "-of", "default=nw=1", file});
    Probe probe;
    for (const QByteArray& line : result.out.split('\n')) {
        const QByteArray value = line.mid(line.indexOf('=') + 1);
        if (line.startsWith("codec_name="))
            probe.codec = QString::fromUtf8(value);
        else if (line.startsWith("sample_rate="))
            probe.rate = value.toInt();
        else if (line.startsWith("channels="))
            probe.channels = value.toInt();
        else if (line.startsWith("duration="))
            probe.seconds = value.toDouble();
    }
    return probe;
}

// The sound decoded as signed 16-bit samples; empty when ffmpeg reports any error.
QByteArray decoded(const QString& file, const QStringList& inputOptions = {}) {
    const auto result = runTool("ffmpeg", QStringList{"-v", "error"} + inputOptions +
                                              QStringList{"-i", file, "-f", "s16le", "-acodec", "pcm_s16le", "-"});
    return result.exitCode == 0 && result.err.isEmpty() ? result.out : QByteArray();
}

int peakOf(const QByteArray& samples) {
    int peak = 0;
    for (qsizetype offset = 0; offset + 1 < samples.size(); offset += 2) {
        std::int16_t value = 0;
        std::memcpy(&value, samples.constData() + offset, 2);
        peak = std::max(peak, std::abs(static_cast<int>(value)));
    }
    return peak;
}

QByteArray digestOf(const QString& file) {
    QFile input(file);
    return input.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(input.readAll(), QCryptographicHash::Sha1)
                                           : QByteArray();
}

struct FormatCase {
    const char* name;
    const char* suffix;
    int rate;
    int channels;
    QStringList readOptions; // for headerless outputs
};

void PrintTo(const FormatCase& format, std::ostream* out) {
    *out << format.name;
}

class EveryFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(EveryFormat, ConvertsAToneIntoAFileFfmpegDecodes) {
    const FormatCase& format = GetParam();
    QTemporaryDir folder;
    const QString source = makeTone(folder, "tone.wav");
    const QString output = convertOne({"--format", format.name, "--out", folder.filePath("out"), source});
    EXPECT_EQ(output, folder.filePath(QStringLiteral("out/tone") + QLatin1String(format.suffix)));
    if (QLatin1String(format.name) == QLatin1String("vox")) {
        const auto sox = runTool("sox", {"-t", "vox", "-r", "44100", output, "-n", "stat"});
        EXPECT_EQ(sox.exitCode, 0) << sox.err.toStdString();
        return;
    }
    const Probe read = probe(output, format.readOptions);
    EXPECT_EQ(read.rate, format.rate);
    EXPECT_EQ(read.channels, format.channels);
    const QByteArray samples = decoded(output, format.readOptions);
    EXPECT_NEAR(static_cast<double>(samples.size()) / (2.0 * format.channels * format.rate), 2.0, 0.2);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, EveryFormat,
    ::testing::Values(FormatCase{"pcm", ".wav", 44100, 2, {}}, FormatCase{"adpcm", "_ADPCM.wav", 44100, 2, {}},
                      FormatCase{"mp3", ".mp3", 44100, 2, {}}, FormatCase{"mp2", ".mp2", 44100, 2, {}},
                      FormatCase{"ogg", ".ogg", 44100, 2, {}}, FormatCase{"wma", ".wma", 44100, 2, {}},
                      FormatCase{"dsp", "_DSP.wav", 8000, 1, {}}, FormatCase{"gsm", "_GSM.wav", 44100, 1, {}},
                      FormatCase{"vox", ".vox", 44100, 1, {}},
                      FormatCase{"raw", ".raw", 44100, 2, {"-f", "s16le", "-ar", "44100", "-ac", "2"}},
                      FormatCase{"g721", ".g721", 44100, 1, {}}, FormatCase{"g723", ".g723", 44100, 1, {}},
                      FormatCase{"g726", ".g726", 44100, 1, {}}),
    [](const ::testing::TestParamInfo<FormatCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(ConvertCommand, RequestedRateAndChannelsReachTheOutput) {
    QTemporaryDir folder;
    const QString source = makeTone(folder, "tone.wav");
    for (const char* format : {"pcm", "adpcm", "mp3", "mp2", "ogg"}) {
        SCOPED_TRACE(format);
        const QString output = convertOne(
            {"--format", format, "--rate", "22050", "--channels", "1", "--out", folder.filePath(format), source});
        const Probe read = probe(output);
        EXPECT_EQ(read.rate, 22050);
        EXPECT_EQ(read.channels, 1);
    }
}

TEST(ConvertCommand, PcmOutputIsBitExactAndTheSourceBesideItIsUntouched) {
    QTemporaryDir folder;
    const QString source = makeTone(folder, "song.wav");
    const QByteArray before = digestOf(source);
    EXPECT_EQ(convertOne({"--format", "pcm", source}), folder.filePath("song_NEW.wav"));
    EXPECT_EQ(digestOf(source), before);
    EXPECT_EQ(decoded(folder.filePath("song_NEW.wav")), decoded(source));

    // The same through a folder that is a link to the source's folder.
    ASSERT_TRUE(QFile::link(folder.path(), folder.filePath("alias")));
    EXPECT_EQ(convertOne({"--format", "pcm", "--out", folder.filePath("alias"), source}),
              folder.filePath("alias/song_NEW.wav"));
    EXPECT_EQ(digestOf(source), before);
}

TEST(ConvertCommand, EveryMp3PresetAndVbrModeMakesAValidFile) {
    QTemporaryDir folder;
    const QString source = makeTone(folder, "tone.wav");
    QList<QStringList> settings;
    for (int preset = 1; preset <= 11; ++preset)
        settings.append({"--preset", QString::number(preset)});
    for (int preset = 1; preset <= 5; ++preset)
        settings.append({"--alt-preset", QString::number(preset)});
    for (const char* lame : {"--cbr -b 192", "-v -V 4", "--vbr-old -V 2", "--vbr-new -V 0", "--abr 160",
                             "-b 64 -m m --resample 22.05 -p -e 5 --lowpass 8"})
        settings.append({"--lame", QLatin1String(lame)});
    for (const QStringList& setting : settings) {
        SCOPED_TRACE(setting.join(' ').toStdString());
        const QString output = convertOne(QStringList{"--format", "mp3", "--out", folder.filePath(setting.join('_'))} +
                                          setting + QStringList{source});
        const QByteArray samples = decoded(output);
        const Probe read = probe(output);
        EXPECT_EQ(read.codec, "mp3");
        ASSERT_GT(read.rate, 0);
        EXPECT_NEAR(static_cast<double>(samples.size()) / (2.0 * read.channels * read.rate), 2.0, 0.2);
    }
}

TEST(ConvertCommand, VolumeChangeScalesTheSound) {
    QTemporaryDir folder;
    const QString stereo = makeTone(folder, "stereo.wav");
    const QString mono = makeTone(folder, "mono.wav", 44100, 1);
    const int sourcePeak = peakOf(decoded(stereo));
    for (const QString& source : {stereo, mono}) {
        const QString output = convertOne({"--format", "pcm", "--volume", "50", "--out", folder.filePath("v"), source});
        EXPECT_EQ(probe(output).channels, 2);
        EXPECT_NEAR(peakOf(decoded(output)), sourcePeak / 2, sourcePeak / 50);
    }
}

TEST(ConvertCommand, VideoSoundTrackIsExtracted) {
    QTemporaryDir folder;
    const QString video = folder.filePath("clip.avi");
    const auto made = runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=10:d=2", "-f",
                                         "lavfi", "-i", "sine=frequency=997:sample_rate=44100:d=2", "-c:v", "mpeg4",
                                         "-c:a", "pcm_s16le", "-ac", "2", video});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString output = convertOne({"--format", "pcm", video});
    EXPECT_EQ(output, folder.filePath("clip.wav"));
    EXPECT_NEAR(probe(output).seconds, 2.0, 0.2);
}

TEST(ConvertCommand, TagsAreCopiedUnlessAskedNotTo) {
    QTemporaryDir folder;
    const QString source = folder.filePath("tagged.mp3");
    const auto made =
        runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=997:d=2", "-c:a", "libmp3lame",
                           "-metadata", "title=Tonalith Tone", "-metadata", "artist=Test Artist", source});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const auto titleOf = [](const QString& file) {
        return runTool("ffprobe", {"-v", "error", "-show_entries", "format_tags=title", "-of", "csv=p=0", file})
            .out.trimmed();
    };
    EXPECT_EQ(titleOf(convertOne({"--format", "mp3", "--out", folder.filePath("with"), source}, true)),
              "Tonalith Tone");
    EXPECT_EQ(titleOf(convertOne({"--format", "mp3", "--out", folder.filePath("without"), source})), "");
}

TEST(ConvertCommand, FailedOutputsAreReportedAndSetTheExitStatus) {
    QTemporaryDir folder;
    const QString good = makeTone(folder, "good.wav");
    const QString bad = folder.filePath("bad.wav");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a sound file at all");
    file.close();
    const CliRun run = convert({"--format", "pcm", "--out", folder.filePath("out"), bad, good});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.outputs, QStringList{folder.filePath("out/good.wav")});
    ASSERT_EQ(run.errors.size(), 1);
    EXPECT_TRUE(run.errors.first().startsWith(bad)) << run.errors.first().toStdString();
}

} // namespace
