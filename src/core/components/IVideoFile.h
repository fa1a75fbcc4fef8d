#pragma once

#include "SampleBlock.h"

#include <QString>
#include <QtGlobal>

// The sound track of a video file. Raises ComponentError when the file cannot be opened or has no sound.
class IVideoFile {
public:
    virtual ~IVideoFile() = default;

    virtual void open(const QString& fileName) = 0;
    virtual void close() = 0;                                        // always allowed
    [[nodiscard]] virtual SampleBlock readBlock(int valueCount) = 0; // empty at the end

    [[nodiscard]] virtual int channelCount() = 0;
    [[nodiscard]] virtual int sampleRate() = 0;
    // Read position and total length in one unit (samples per channel), for progress arithmetic.
    [[nodiscard]] virtual qint64 readPosition() = 0;
    [[nodiscard]] virtual qint64 totalLength() = 0;
    [[nodiscard]] virtual qint64 durationMs() = 0; // > 0 when usable
    [[nodiscard]] virtual QString formatDescription() = 0;
};
