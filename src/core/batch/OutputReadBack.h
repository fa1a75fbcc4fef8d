#pragma once

#include "core/formats/OutputFormat.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class IAudioFile2;

// What reading a written file back in full with the program's own reader found.
struct ReadBackResult {
    bool decoded = false; // the reader opened the file and read it to its end without an error
    QString problem;      // why not, in the reader's words
    qint64 frames = 0;    // per channel, as decoded
    int sampleRate = 0;
};

// Reads an output file from its start to its end, one second at a time, counting what decodes. Costs one decode.
[[nodiscard]] ReadBackResult readBack(IAudioFile2& reader, const QString& fileName);

// How far the length read back from an output of this format may lie from the sound handed to its writer, in
// frames at the output's rate: the codec pads the end to whole frames or blocks, and MPEG audio and WMA streams
// carry at least two frames.
[[nodiscard]] qint64 lengthToleranceFrames(OutputFormat format);

// Why a file of the format does not hold the expected length of sound: unreadable, a decoder error, or a length
// off by more than the codec's frame. Nothing when it is whole. An unknown expected length (0) accepts any file
// that decodes to its end with some sound.
[[nodiscard]] std::optional<QString> incompleteOutput(IAudioFile2& reader, const QString& fileName, OutputFormat format,
                                                      qint64 expectedMs);
