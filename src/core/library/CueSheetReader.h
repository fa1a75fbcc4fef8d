#pragma once

#include "CueSheet.h"

#include <QByteArray>
#include <QString>

// Reads a .cue file. Raises ComponentError with a message naming the sheet and the line for a sheet that cannot be
// used: too large or binary, a command out of place, a time or number that is no such thing, indexes out of order,
// no tracks, or an image that is missing with no file of the same name and another audio extension beside it.
class CueSheetReader {
public:
    // A real sheet of 99 tracks with every field filled stays far below this; anything larger is not a sheet.
    static constexpr qint64 kMaxSheetBytes = 1024 * 1024;

    [[nodiscard]] static CueSheet readFile(const QString& sheetPath);

    // Parses bytes as if read from `sheetPath`, whose folder images are looked for in.
    [[nodiscard]] static CueSheet parse(const QByteArray& bytes, const QString& sheetPath);

    // Parses a sheet kept inside the audio file `filePath` (a FLAC file's "cuesheet" tag): its one image is that
    // file, whatever its FILE line names, and a second FILE line is refused.
    [[nodiscard]] static CueSheet parseInsideFile(const QByteArray& bytes, const QString& filePath);
};
