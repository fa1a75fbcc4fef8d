#pragma once

#include "core/components/SoundTrack.h"

#include <QString>
#include <QtGlobal>

// One open source, decoded to interleaved float frames. A frame holds one value per channel.
// Every decoder reports failures as ComponentError with a LastError code.
struct ProbedSource;

class SourceDecoder {
public:
    virtual ~SourceDecoder() = default;

    // Adds what opening found out beyond the length, for opening the same file again without probing it; only
    // FFmpeg's probes are costly enough to record.
    virtual void recordProbe(ProbedSource& /*probed*/) const {}

    [[nodiscard]] virtual int sampleRate() const = 0;
    [[nodiscard]] virtual int channelCount() const = 0;
    // Frames per channel. An estimate for some compressed sources until the end has been read; exact afterwards.
    [[nodiscard]] virtual qint64 lengthInFrames() const = 0;
    [[nodiscard]] virtual QString description() const = 0;
    // The size of one stored sample when the source keeps whole samples (PCM, lossless codecs; 32 for floating
    // point), 0 when it does not (lossy codecs) or cannot tell.
    [[nodiscard]] virtual int bitsPerSample() const { return 0; }

    // Writes up to maxFrames frames to out and returns how many it wrote; 0 only at the end of the data.
    virtual qint64 readFrames(float* out, qint64 maxFrames) = 0;
    // Moves to a frame (clamped to the data) and returns the frame reached.
    virtual qint64 seekFrame(qint64 frame) = 0;
    // How many damaged stretches (packets or frames the codec refused) were skipped since the file was opened.
    [[nodiscard]] virtual int damagedStretches() const { return 0; }
    // Every sound track of the file, the one read marked; empty from decoders of files that hold one.
    [[nodiscard]] virtual SoundTracks soundTracks() const { return {}; }
    // Decoders that mix surround sources to stereo deliver up to `most` channels as they are from the start; called
    // right after opening.
    virtual void allowChannels(int /*most*/) {}
    // The layout of the delivered channels as a WAVE_FORMAT_EXTENSIBLE channel mask; 0 when unknown.
    [[nodiscard]] virtual quint64 channelMask() const { return 0; }
};
