#pragma once

#include "core/components/SampleBlock.h"
#include "core/sources/SourceKind.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace readertest {

// Native float values in raw bytes.
inline std::vector<float> floatsOf(const QByteArray& bytes) {
    std::vector<float> values(static_cast<std::size_t>(bytes.size()) / sizeof(float));
    if (!values.empty())
        std::memcpy(values.data(), bytes.constData(), values.size() * sizeof(float));
    return values;
}

inline testsupport::ToolResult runFfmpegDecode(const QString& fileName, int channels, const QStringList& inputOptions) {
    QStringList arguments{QStringLiteral("-v"), QStringLiteral("error")};
    arguments << inputOptions << QStringList{QStringLiteral("-i"),   fileName,
                                             QStringLiteral("-map"), QStringLiteral("0:a:0"),
                                             QStringLiteral("-f"),   QStringLiteral("f32le"),
                                             QStringLiteral("-ac"),  QString::number(channels),
                                             QStringLiteral("-")};
    return testsupport::runTool(QStringLiteral("ffmpeg"), arguments);
}

// Interleaved float as FFmpeg's own command line decodes the first sound track, at the given channel count. The
// oracle must have run and succeeded: a failure of ffmpeg fails the test instead of comparing with nothing.
inline std::vector<float> ffmpegDecode(const QString& fileName, int channels, const QStringList& inputOptions = {}) {
    const testsupport::ToolResult result = runFfmpegDecode(fileName, channels, inputOptions);
    if (result.exitCode != 0)
        ADD_FAILURE() << "ffmpeg could not decode " << fileName.toStdString() << " (exit status " << result.exitCode
                      << "): " << result.err.toStdString();
    return floatsOf(result.out);
}

// True when ffmpeg ran to its end and decoded no sample of the file (failing on it counts); a missing or crashed
// ffmpeg fails the test.
inline bool ffmpegDecodesNothing(const QString& fileName, int channels) {
    const testsupport::ToolResult result = runFfmpegDecode(fileName, channels, {});
    if (result.exitCode < 0)
        ADD_FAILURE() << "ffmpeg did not run on " << fileName.toStdString();
    return result.exitCode >= 0 && floatsOf(result.out).empty();
}

// Runs ffmpeg to make a test file; true when it succeeded.
inline bool ffmpegMake(const QStringList& arguments) {
    QStringList all{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")};
    all << arguments;
    return testsupport::runTool(QStringLiteral("ffmpeg"), all).exitCode == 0;
}

// A sine tone source for ffmpeg's -f lavfi input.
inline QString toneSource(double seconds, int rate, int channels, int frequency = 997) {
    return QStringLiteral("sine=frequency=%1:sample_rate=%2:duration=%3,pan=%4c|%5")
        .arg(frequency)
        .arg(rate)
        .arg(seconds)
        .arg(channels)
        .arg(channels == 1 ? QStringLiteral("c0=c0") : QStringLiteral("c0=c0|c1=0.5*c0"));
}

// Reads blocks until the empty one and joins them.
template <typename Reader> std::vector<float> readAll(Reader&& readBlock, int blockValues) {
    std::vector<float> all;
    for (int guard = 0; guard < 1000000; ++guard) {
        SampleBlock block = readBlock(blockValues);
        if (block.empty())
            break;
        all.insert(all.end(), block.values().begin(), block.values().end());
    }
    return all;
}

// Signal-to-noise ratio in dB of a decoded signal against a reference of the same alignment.
inline double snrDb(const std::vector<float>& reference, const std::vector<float>& decoded, std::size_t skip = 0) {
    double signal = 0.0;
    double noise = 0.0;
    const std::size_t count = std::min(reference.size(), decoded.size());
    for (std::size_t i = skip; i < count; ++i) {
        signal += static_cast<double>(reference[i]) * reference[i];
        const double difference = static_cast<double>(reference[i]) - decoded[i];
        noise += difference * difference;
    }
    return 10.0 * std::log10(signal / std::max(noise, 1e-20));
}

// One row of the shared fixtures' manifest.
struct FixtureRow {
    QString file;
    bool readable = false;
    QString codecs;
    int sampleRate = 0;
    int channels = 0;
    double durationSeconds = 0.0; // as ffprobe states it; 0 when it states none

    friend void PrintTo(const FixtureRow& row, std::ostream* out) { *out << row.file.toStdString(); }
};

inline std::vector<FixtureRow> manifestRows() {
    std::vector<FixtureRow> rows;
    QFile manifest(testsupport::fixture(QStringLiteral("MANIFEST.tsv")));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    QTextStream stream(&manifest);
    const QStringList header = stream.readLine().split(QLatin1Char('\t'));
    const auto column = [&](const char* name) { return header.indexOf(QLatin1String(name)); };
    const int file = column("file");
    const int readable = column("ffprobe_readable");
    const int codecs = column("codecs");
    const int rate = column("sample_rate");
    const int channels = column("channels");
    const int duration = column("duration_s");
    while (!stream.atEnd()) {
        const QStringList cells = stream.readLine().split(QLatin1Char('\t'));
        if (cells.size() <= std::max({file, readable, codecs, rate, channels, duration}))
            continue;
        rows.push_back({cells[file], cells[readable] == QLatin1String("yes"), cells[codecs], cells[rate].toInt(),
                        cells[channels].toInt(), cells[duration].toDouble()});
    }
    return rows;
}

// The names the program hands to the video component.
inline bool isVideoName(const QString& fileName) {
    return sourceKindOfFile(fileName) == SourceKind::Video;
}

// A file name usable as a test name.
// A suite over the manifest gets one stand-in row when the fixtures are missing, so that the run lists it as
// skipped, with the reason, instead of leaving it out.
inline std::vector<FixtureRow> rowsOrStandIn(std::vector<FixtureRow> rows) {
    if (rows.empty() && !testsupport::fixturesPresent())
        rows.push_back({QStringLiteral("fixtures missing")});
    return rows;
}

inline std::string testName(const QString& file) {
    QString name = file;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return name.toStdString();
}

} // namespace readertest
