#pragma once

#include "CueSheet.h"

#include <QString>
#include <optional>

// Tracks a single audio file holds, as a sheet whose one image is the file itself: a FLAC file's "cuesheet" tag or
// its CUESHEET block, or the chapters of an MP4 (M4A/M4B), Matroska or Ogg file as FFmpeg reads them, with the
// chapter titles as track titles. Nothing when the file holds no tracks, or is no such file, or cannot be read: it
// is then one source like any other. Raises ComponentError, naming the file, for a sheet inside it that cannot be
// used (a track out of order, a time that is no time).
[[nodiscard]] std::optional<CueSheet> tracksInFile(const QString& fileName);

// The parts, for the tests and for a caller that knows what it holds.
[[nodiscard]] std::optional<CueSheet> tracksInFlacFile(const QString& fileName);
[[nodiscard]] std::optional<CueSheet> chaptersAsTracks(const QString& fileName, const char* demuxerName);
