#pragma once

#include "core/components/AudioFile2Component.h"
#include "core/components/SampleBlock.h"
#include "core/components/writer/AudioWriter.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <cmath>
#include <cstring>
#include <functional>
#include <numbers>
#include <vector>

namespace writertest {

constexpr double kToneHz = 997.0;
constexpr double kToneAmplitude = 0.5011872; // -6 dBFS

// A 997 Hz tone, the same in every channel, quantised to 16 bits so lossless outputs can be compared exactly.
inline std::vector<float> tone(int sampleRate, int channels, double seconds) {
    const auto frames = static_cast<std::size_t>(sampleRate * seconds);
    std::vector<float> values(frames * static_cast<std::size_t>(channels));
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const double value = kToneAmplitude * std::sin(2.0 * std::numbers::pi * kToneHz * frame / sampleRate);
        const float quantised = static_cast<float>(std::lrint(value * 32768.0) / 32768.0);
        for (int channel = 0; channel < channels; ++channel)
            values[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)] = quantised;
    }
    return values;
}

// Writes the samples in one-second blocks, as the conversion does, after describing them.
inline void writeFile(AudioWriter& writer, const QString& fileName, const std::vector<float>& samples, int sampleRate,
                      int channels) {
    writer.create(fileName);
    writer.describeInput(sampleRate, channels);
    const std::size_t block = static_cast<std::size_t>(sampleRate * channels);
    for (std::size_t offset = 0; offset < samples.size(); offset += block) {
        const std::size_t count = std::min(block, samples.size() - offset);
        writer.write(SampleBlock(std::vector<float>(samples.begin() + static_cast<std::ptrdiff_t>(offset),
                                                    samples.begin() + static_cast<std::ptrdiff_t>(offset + count))));
    }
    writer.close();
}

struct Probe {
    QString codec;
    int sampleRate = 0;
    int channels = 0;
    double duration = 0.0;
    qint64 bitRate = 0; // bit/s, as the stream's header states it; 0 when it states none
};

// What ffprobe makes of the first audio stream; inputOptions go before -i (for headerless files).
inline Probe probe(const QString& fileName, const QStringList& inputOptions = {}) {
    const auto result = testsupport::runTool(
        QStringLiteral("ffprobe"),
        QStringList{QStringLiteral("-v"), QStringLiteral("error")} + inputOptions +
            QStringList{QStringLiteral("-select_streams"), QStringLiteral("a:0"), QStringLiteral("-show_entries"),
                        QStringLiteral("stream=codec_name,sample_rate,channels,bit_rate:format=duration"),
                        QStringLiteral("-of"), QStringLiteral("default=nw=1"), fileName});
    Probe probe;
    for (const QString& line : QString::fromUtf8(result.out).split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const QString value = line.section(QLatin1Char('='), 1);
        if (key == QLatin1String("codec_name"))
            probe.codec = value;
        else if (key == QLatin1String("sample_rate"))
            probe.sampleRate = value.toInt();
        else if (key == QLatin1String("channels"))
            probe.channels = value.toInt();
        else if (key == QLatin1String("duration"))
            probe.duration = value.toDouble();
        else if (key == QLatin1String("bit_rate"))
            probe.bitRate = value.toLongLong();
    }
    return probe;
}

inline std::vector<float> floatsOf(const QByteArray& bytes) {
    std::vector<float> values(static_cast<std::size_t>(bytes.size()) / sizeof(float));
    std::memcpy(values.data(), bytes.constData(), values.size() * sizeof(float));
    return values;
}

// The decoded samples (interleaved, the file's own rate and channels) as ffmpeg reads them.
inline std::vector<float> decodeWithFfmpeg(const QString& fileName, const QStringList& inputOptions = {}) {
    const auto result = testsupport::runTool(QStringLiteral("ffmpeg"),
                                             QStringList{QStringLiteral("-v"), QStringLiteral("error")} + inputOptions +
                                                 QStringList{QStringLiteral("-i"), fileName, QStringLiteral("-f"),
                                                             QStringLiteral("f32le"), QStringLiteral("-")});
    return floatsOf(result.out);
}

// The decoded samples as sox reads them; inputOptions describe headerless input.
inline std::vector<float> decodeWithSox(const QString& fileName, const QStringList& inputOptions = {}) {
    const auto result = testsupport::runTool(QStringLiteral("sox"),
                                             QStringList{QStringLiteral("-V1")} + inputOptions +
                                                 QStringList{fileName, QStringLiteral("-t"), QStringLiteral("raw"),
                                                             QStringLiteral("-e"), QStringLiteral("floating-point"),
                                                             QStringLiteral("-b"), QStringLiteral("32"),
                                                             QStringLiteral("-L"), QStringLiteral("-")});
    return floatsOf(result.out);
}

struct ReadBack {
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples;
};

// The file as our own reader opens it, read to the end in one-second blocks.
inline ReadBack readWithOurReader(const QString& fileName) {
    AudioFile2Component reader;
    reader.openForReading(fileName, 0, 1);
    ReadBack result{reader.sampleRate(), reader.channelCount(), {}};
    for (SampleBlock block = reader.readBlock(result.sampleRate * result.channels); !block.empty();
         block = reader.readBlock(result.sampleRate * result.channels))
        result.samples.insert(result.samples.end(), block.values().begin(), block.values().end());
    reader.close();
    return result;
}

inline std::vector<float> channel(const std::vector<float>& interleaved, int channels, int which) {
    std::vector<float> values;
    for (std::size_t index = static_cast<std::size_t>(which); index < interleaved.size();
         index += static_cast<std::size_t>(channels))
        values.push_back(interleaved[index]);
    return values;
}

// Signal-to-noise ratio of a 997 Hz tone, independent of delay and level: a least-squares fit of
// a·sin + b·cos + c over the middle of the signal (codec start-up and tail left out), noise = what remains.
inline double sineFitSnr(const std::vector<float>& samples, int sampleRate) {
    const std::size_t skip = static_cast<std::size_t>(sampleRate) / 5;
    if (samples.size() < 3 * skip)
        return -100.0;
    const std::size_t begin = skip;
    const std::size_t end = samples.size() - skip;
    double m[3][3] = {};
    double v[3] = {};
    for (std::size_t n = begin; n < end; ++n) {
        const double w = 2.0 * std::numbers::pi * kToneHz * n / sampleRate;
        const double basis[3] = {std::sin(w), std::cos(w), 1.0};
        for (int i = 0; i < 3; ++i) {
            v[i] += basis[i] * samples[n];
            for (int j = 0; j < 3; ++j)
                m[i][j] += basis[i] * basis[j];
        }
    }
    // Solve the 3×3 normal equations by Cramer's rule.
    const auto det = [](double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    double coefficients[3];
    for (int k = 0; k < 3; ++k) {
        double replaced[3][3];
        std::memcpy(replaced, m, sizeof(m));
        for (int i = 0; i < 3; ++i)
            replaced[i][k] = v[i];
        coefficients[k] = det(replaced) / d;
    }
    double signal = 0.0;
    double noise = 0.0;
    for (std::size_t n = begin; n < end; ++n) {
        const double w = 2.0 * std::numbers::pi * kToneHz * n / sampleRate;
        const double fit = coefficients[0] * std::sin(w) + coefficients[1] * std::cos(w);
        signal += fit * fit;
        const double residual = samples[n] - fit - coefficients[2];
        noise += residual * residual;
    }
    return noise <= 0.0 ? 200.0 : 10.0 * std::log10(signal / noise);
}

} // namespace writertest
