#pragma once

#include "core/formats/OutputFormat.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

class IAudioFile2;

// Told after every block of a read back with how far it got (0..100); false stops the read back there.
using ReadBackWatch = std::function<bool(int percent)>;

// What reading a written file back in full with the program's own reader found.
struct ReadBackResult {
    bool decoded = false; // the reader opened the file and read it to its end without an error
    bool stopped = false; // the watch asked to stop before the end
    QString problem;      // why not, in the reader's words
    qint64 frames = 0;    // per channel, as decoded
    int sampleRate = 0;
};

// Reads an output file from its start to its end, one second at a time, counting what decodes. A file that
// carries checksums of its sound (FLAC, Ogg) has them compared first; a mismatch, or a stretch the decoder had
// to skip, is a problem. Costs one decode, two for FLAC.
[[nodiscard]] ReadBackResult readBack(IAudioFile2& reader, const QString& fileName, const ReadBackWatch& watch = {});

// How far the length read back from an output of this format may lie from the sound handed to its writer, in
// frames at the output's rate: the codec pads the end to whole frames or blocks, and MPEG audio and WMA streams
// carry at least two frames. Lossless formats and those that record their exact length (Ogg, Opus, and AAC
// through its gapless data) have none.
[[nodiscard]] qint64 lengthToleranceFrames(OutputFormat format);

// What checking a file against the sound it should hold found.
struct OutputCheck {
    enum class Verdict {
        Whole,      // it decodes to its end with the expected length
        Incomplete, // see problem
        Stopped,    // the watch asked to stop; nothing is known
    };
    Verdict verdict = Verdict::Whole;
    QString problem;
};

// Whether a file of the format holds the expected length of sound: unreadable, a damaged stretch or checksum, or a
// length off by more than the codec's frame make it incomplete. An unknown expected length (0) accepts any file
// that decodes to its end with some sound.
[[nodiscard]] OutputCheck checkOutput(IAudioFile2& reader, const QString& fileName, OutputFormat format,
                                      qint64 expectedMs, const ReadBackWatch& watch = {});
