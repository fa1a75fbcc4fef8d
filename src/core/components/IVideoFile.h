#pragma once

#include "SampleBlock.h"
#include "SoundTrack.h"

#include <QString>
#include <QtGlobal>

// The sound track of a video file. Raises ComponentError when the file cannot be opened or has no sound.
class IVideoFile {
public:
    virtual ~IVideoFile() = default;

    virtual void open(const QString& fileName) = 0;
    // Opens one sound track (counted from 0) of a video that holds several; raises ComponentError when it has no
    // such track. Components of videos with one sound track open it as open does.
    virtual void openSoundTrack(const QString& fileName, int /*soundTrack*/) { open(fileName); }
    // Every sound track of the open video, the one read marked; empty for a video of one sound track.
    [[nodiscard]] virtual SoundTracks soundTracks() { return {}; }
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
