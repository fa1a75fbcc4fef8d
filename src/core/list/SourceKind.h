#pragma once

#include <QString>

enum class SourceKind { Audio, Video };

// Video when the name ends in the extension of one of the video source types, compared letter for letter; every
// other file is an audio source.
[[nodiscard]] SourceKind sourceKindOfFile(const QString& fileName);
