#pragma once

#include "core/formats/OutputFormat.h"

#include <QString>

// The folder an entry's outputs go to: the folder text with a separator at its end, or, when the text is empty,
// the folder part of the source name (with its separator).
[[nodiscard]] QString outputFolderFor(const QString& folderText, const QString& sourceName);
// The source's file name without folder and extension (the part after the last dot).
[[nodiscard]] QString outputBaseName(const QString& sourceName);
// Output folder + base name + the format's suffix.
[[nodiscard]] QString destinationName(const QString& outputFolder, const QString& baseName, OutputFormat format);

// True when both names lead to one file: the same text, the same canonical path, or the same device and inode
// (another spelling, a symbolic link, a hard link, a file system that ignores letter case).
[[nodiscard]] bool denoteSameFile(const QString& first, const QString& second);
// The name with "_NEW" before its extension: /music/song.wav gives /music/song_NEW.wav. A number above 1 follows
// the marker (song_NEW2.wav), for a batch where several outputs would otherwise share one name.
[[nodiscard]] QString withNewMarker(const QString& fileName, int number = 1);
// The destination to write: the destination itself, or, when writing it would delete or replace the source, the
// name with "_NEW" (repeated while even that name leads to the source). Empty when no such name can be found.
[[nodiscard]] QString destinationSparingSource(const QString& sourceName, const QString& destination);
