#include "OutputReadBack.h"

#include "SingleConversion.h"
#include "core/components/ComponentError.h"
#include "core/components/IAudioFile2.h"
#include "core/components/reader/StoredChecksums.h"
#include "core/components/writer/Mp4GaplessTag.h"

#include <cstdlib>

namespace {

// Sub-millisecond rounding of the expected length, and one frame of resampling either way.
constexpr qint64 kRoundingMs = 2;
// The part of a read back's progress that comparing the stored checksums takes, when the file carries any.
constexpr int kChecksumShare = 30;
// An MP4 file's AAC stream ends in a frame of 1 024 samples that the decoder hands out whole.
constexpr qint64 kAacFrame = 1024;

void closeQuietly(IAudioFile2& reader) {
    try {
        reader.close();
    } catch (const ComponentError&) {
    }
}

QString seconds(qint64 milliseconds) {
    return QString::number(static_cast<double>(milliseconds) / 1000.0, 'f', 2);
}

OutputCheck incomplete(const QString& problem) {
    return OutputCheck{OutputCheck::Verdict::Incomplete, problem};
}

// The watch told of a part of the whole read back, from its first percent over its share.
bool watchPart(const ReadBackWatch& watch, int first, int share, int percent) {
    return !watch || watch(first + share * percent / 100);
}

} // namespace

ReadBackResult readBack(IAudioFile2& reader, const QString& fileName, const ReadBackWatch& watch) {
    ReadBackResult result;
    const int checksumShare = carriesStoredChecksums(fileName) ? kChecksumShare : 0;
    if (checksumShare > 0) {
        const ChecksumFinding checksums = checkStoredChecksums(
            fileName, [&watch](int percent) { return watchPart(watch, 0, kChecksumShare, percent); });
        result.stopped = checksums.stopped;
        if (checksums.stopped)
            return result;
        if (!checksums.damage.isEmpty()) {
            result.problem = QStringLiteral("it is damaged: %1").arg(checksums.damage);
            return result;
        }
    }
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
        const qint64 length = reader.lengthInSamples();
        for (;;) {
            const SampleBlock block = reader.readBlock(result.sampleRate * channels);
            if (block.empty())
                break;
            result.frames += static_cast<qint64>(block.size()) / channels;
            if (!watchPart(watch, checksumShare, 100 - checksumShare, percentDone(result.frames, length))) {
                closeQuietly(reader);
                result.stopped = true;
                return result;
            }
        }
        // The decoder goes on after a packet it cannot decode; a file written whole has none.
        const int damaged = reader.damagedStretches();
        reader.close();
        if (damaged > 0) {
            result.problem = QStringLiteral("it is damaged: its decoder refused %1 of its packets").arg(damaged);
            return result;
        }
        result.decoded = true;
    } catch (const ComponentError& error) {
        closeQuietly(reader);
        result.problem = QStringLiteral("it does not decode (%1)").arg(error.message());
    }
    return result;
}

qint64 lengthToleranceFrames(OutputFormat format) {
    switch (format) {
    case OutputFormat::Flac:
    case OutputFormat::Alac:
    case OutputFormat::Opus:
        return 0;
    case OutputFormat::Pcm:
    case OutputFormat::Ogg:
    case OutputFormat::Raw:
        return 1;
    case OutputFormat::Aac:
        return kAacFrame;
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
    }
    return 0;
}

OutputCheck checkOutput(IAudioFile2& reader, const QString& fileName, OutputFormat format, qint64 expectedMs,
                        const ReadBackWatch& watch) {
    const ReadBackResult read = readBack(reader, fileName, watch);
    if (read.stopped)
        return OutputCheck{OutputCheck::Verdict::Stopped, {}};
    if (!read.decoded)
        return incomplete(read.problem);
    if (read.frames == 0)
        return incomplete(QStringLiteral("it holds no sound"));
    if (expectedMs <= 0)
        return {};
    qint64 frames = read.frames;
    qint64 tolerance = lengthToleranceFrames(format);
    // The gapless data of an MP4 file names the exact length; the decoder may hand out the end padding after it
    // (FFmpeg 5.1 does), but never less than the length named.
    if (format == OutputFormat::Aac) {
        if (const std::optional<GaplessFacts> gapless = readGaplessFacts(fileName)) {
            if (read.frames < gapless->samples)
                return incomplete(QStringLiteral("it decodes to %1 of the %2 samples its gapless data names")
                                      .arg(read.frames)
                                      .arg(gapless->samples));
            frames = gapless->samples;
            tolerance = 0;
        }
    }
    const qint64 readMs = frames * 1000 / read.sampleRate;
    const qint64 toleranceMs = tolerance * 1000 / read.sampleRate + kRoundingMs;
    if (std::llabs(readMs - expectedMs) > toleranceMs)
        return incomplete(QStringLiteral("it reads back %1 s of %2 s").arg(seconds(readMs), seconds(expectedMs)));
    return {};
}
