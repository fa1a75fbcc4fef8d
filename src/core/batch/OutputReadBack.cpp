#include "OutputReadBack.h"

#include "core/components/ComponentError.h"
#include "core/components/IAudioFile2.h"

#include <cstdlib>

namespace {

// Sub-millisecond rounding of the expected length, and one frame of resampling either way.
constexpr qint64 kRoundingMs = 2;

void closeQuietly(IAudioFile2& reader) {
    try {
        reader.close();
    } catch (const ComponentError&) {
    }
}

QString seconds(qint64 milliseconds) {
    return QString::number(static_cast<double>(milliseconds) / 1000.0, 'f', 2);
}

} // namespace

ReadBackResult readBack(IAudioFile2& reader, const QString& fileName) {
    ReadBackResult result;
    try {
        reader.openForReading(fileName, 0, 1);
        if (const int error = reader.lastError(); error != LastError::Success) {
            closeQuietly(reader);
            result.problem = QStringLiteral("it cannot be opened (error %1)").arg(error);
            return result;
        }
        result.sampleRate = reader.sampleRate();
        const int channels = reader.channelCount();
        if (result.sampleRate <= 0 || channels <= 0) {
            closeQuietly(reader);
            result.problem = QStringLiteral("it holds no usable sound");
            return result;
        }
        for (;;) {
            const SampleBlock block = reader.readBlock(result.sampleRate * channels);
            if (block.empty())
                break;
            result.frames += static_cast<qint64>(block.size()) / channels;
        }
        reader.close();
        result.decoded = true;
    } catch (const ComponentError& error) {
        closeQuietly(reader);
        result.problem = QStringLiteral("it does not decode (%1)").arg(error.message());
    }
    return result;
}

qint64 lengthToleranceFrames(OutputFormat format) {
    switch (format) {
    case OutputFormat::Pcm:
    case OutputFormat::Ogg:
    case OutputFormat::Raw:
        return 1;
    case OutputFormat::Adpcm:
        return 2048;
    case OutputFormat::Mp3:
    case OutputFormat::Mp2:
        return 2 * 1152;
    case OutputFormat::Wma:
        return 2 * 2048;
    case OutputFormat::Dsp:
        return 240;
    case OutputFormat::Gsm:
        return 320;
    case OutputFormat::Vox:
    case OutputFormat::G721:
    case OutputFormat::G723:
    case OutputFormat::G726:
        return 8;
    default:
        break;
    }
    return 0;
}

std::optional<QString> incompleteOutput(IAudioFile2& reader, const QString& fileName, OutputFormat format,
                                        qint64 expectedMs) {
    const ReadBackResult read = readBack(reader, fileName);
    if (!read.decoded)
        return read.problem;
    if (read.frames == 0)
        return QStringLiteral("it holds no sound");
    if (expectedMs <= 0)
        return std::nullopt;
    const qint64 readMs = read.frames * 1000 / read.sampleRate;
    const qint64 toleranceMs = lengthToleranceFrames(format) * 1000 / read.sampleRate + kRoundingMs;
    if (std::llabs(readMs - expectedMs) > toleranceMs)
        return QStringLiteral("it reads back %1 s of %2 s").arg(seconds(readMs), seconds(expectedMs));
    return std::nullopt;
}
