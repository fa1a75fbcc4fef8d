#pragma once

#include <QString>

enum class SourceKind { Audio, Video };

// Video when the name ends in the extension of one of the video source types, compared letter for letter, unless
// the file holds a sound track and no moving pictures; every other file is an audio source.
[[nodiscard]] SourceKind sourceKindOfFile(const QString& fileName);
