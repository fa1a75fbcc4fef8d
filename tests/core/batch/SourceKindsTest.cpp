// Sources people have today, made here with the ffmpeg command line: each converts to MP3 and to PCM WAV through
// tonalith-cli, and ffprobe finds the outputs as long as the source (within 2 % or 60 ms).
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using testsupport::runTool;

constexpr double kSeconds = 1.5;

struct SourceKind {
    const char* name;
    const char* fileName;
    QStringList encoding; // ffmpeg output options; empty: ffmpeg cannot make it and the test writes it itself
    bool withVideo = false;
};

void PrintTo(const SourceKind& kind, std::ostream* out) {
    *out << kind.name;
}

QString tone() {
    return QStringLiteral("sine=frequency=997:sample_rate=48000:duration=%1").arg(kSeconds);
}

// AMR-NB in its storage format: the header, then 20 ms frames of the 4.75 kbit/s mode. The ffmpeg build has no
// AMR encoder, so the frames hold a constant pattern; they decode to sound all the same.
QByteArray amrFile() {
    constexpr int kFrames = static_cast<int>(kSeconds * 50);
    constexpr char kMode0Header = 0x04; // frame type 0, quality bit set
    QByteArray file("#!AMR\n");
    for (int frame = 0; frame < kFrames; ++frame)
        file += kMode0Header + QByteArray(12, '\x55');
    return file;
}

bool make(const SourceKind& kind, const QString& path, QString& why) {
    if (QLatin1String(kind.name) == QLatin1String("amr")) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(amrFile()) < 0)
            return false;
        return true;
    }
    if (kind.encoding.isEmpty()) {
        why = QStringLiteral("this ffmpeg has no encoder for it");
        return false;
    }
    QStringList arguments{"-v", "error", "-y", "-f", "lavfi", "-i", tone()};
    if (kind.withVideo)
        arguments << QStringList{"-f", "lavfi", "-i",
                                 QStringLiteral("testsrc=size=176x144:rate=10:duration=%1").arg(kSeconds)};
    arguments << kind.encoding << path;
    const auto made = runTool("ffmpeg", arguments);
    why = QString::fromUtf8(made.err);
    return made.exitCode == 0;
}

double probedSeconds(const QString& file) {
    const auto result = runTool("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", file});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return result.out.trimmed().toDouble();
}

struct Converted {
    int exitCode = -1;
    QString output;
    QByteArray printed;
};

Converted convert(const QString& source, const char* format, const QString& folder) {
    const auto result =
        runTool(testsupport::cliPath(), {"convert", "--no-tags", "--format", format, "--out", folder, "--", source});
    Converted converted{result.exitCode, {}, result.out};
    for (const QByteArray& line : result.out.split('\n'))
        if (line.startsWith("output="))
            converted.output = QString::fromUtf8(line.mid(7));
    return converted;
}

class SourceKinds : public ::testing::TestWithParam<SourceKind> {};

TEST_P(SourceKinds, ConvertToMp3AndPcmOfTheSameLength) {
    const SourceKind& kind = GetParam();
    QTemporaryDir folder;
    const QString source = folder.filePath(QString::fromLatin1(kind.fileName));
    QString why;
    if (!make(kind, source, why))
        GTEST_SKIP() << "cannot make a " << kind.name << " source here: " << why.toStdString();
    const double sourceSeconds = probedSeconds(source);
    ASSERT_GT(sourceSeconds, 0.0);
    for (const char* format : {"mp3", "pcm"}) {
        SCOPED_TRACE(format);
        const Converted converted = convert(source, format, folder.filePath(format));
        ASSERT_EQ(converted.exitCode, 0) << converted.printed.toStdString();
        const double seconds = probedSeconds(converted.output);
        EXPECT_NEAR(seconds, sourceSeconds, std::max(0.02 * sourceSeconds, 0.06));
    }
}

const QStringList kVideoStreams{"-map", "1:v", "-map", "0:a"};

INSTANTIATE_TEST_SUITE_P(
    Kinds, SourceKinds,
    ::testing::Values(
        SourceKind{"flac", "a.flac", {"-c:a", "flac"}}, SourceKind{"alac_m4a", "alac.m4a", {"-c:a", "alac"}},
        SourceKind{"aac_m4a", "aac.m4a", {"-c:a", "aac"}}, SourceKind{"adts", "a.aac", {"-c:a", "aac", "-f", "adts"}},
        SourceKind{"opus", "a.opus", {"-c:a", "libopus"}}, SourceKind{"wavpack", "a.wv", {"-c:a", "wavpack"}},
        SourceKind{"monkeys_audio", "a.ape", {}}, SourceKind{"ac3", "a.ac3", {"-c:a", "ac3"}},
        SourceKind{"eac3", "a.eac3", {"-c:a", "eac3"}},
        SourceKind{"dts", "a.dts", {"-c:a", "dca", "-strict", "-2", "-ac", "2"}},
        SourceKind{"caf", "a.caf", {"-c:a", "pcm_s16le"}}, SourceKind{"w64", "a.w64", {"-c:a", "pcm_s16le"}},
        SourceKind{"tta", "a.tta", {"-c:a", "tta"}}, SourceKind{"amr", "a.amr", {}},
        SourceKind{"mkv", "a.mkv", kVideoStreams + QStringList{"-c:v", "mpeg4", "-c:a", "libvorbis"}, true},
        SourceKind{"webm", "a.webm", kVideoStreams + QStringList{"-c:v", "libvpx", "-c:a", "libopus"}, true},
        SourceKind{"mp4", "a.mp4", kVideoStreams + QStringList{"-c:v", "mpeg4", "-c:a", "aac"}, true},
        SourceKind{"m4v", "a.m4v", kVideoStreams + QStringList{"-c:v", "mpeg4", "-c:a", "aac"}, true},
        SourceKind{"flv", "a.flv", kVideoStreams + QStringList{"-c:v", "flv", "-c:a", "libmp3lame", "-ar", "44100"},
                   true},
        SourceKind{"3gp", "a.3gp", kVideoStreams + QStringList{"-c:v", "h263", "-c:a", "aac", "-ar", "44100"}, true},
        SourceKind{"mpegts", "a.ts", kVideoStreams + QStringList{"-c:v", "mpeg2video", "-c:a", "mp2"}, true}),
    [](const ::testing::TestParamInfo<SourceKind>& testInfo) { return std::string(testInfo.param.name); });

} // namespace
