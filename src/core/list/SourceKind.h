#pragma once

#include <QString>

enum class SourceKind { Audio, Video };

// Video when the name ends in one of the video extensions .avi .mpg .mpeg .wmv .asf .mov .qt .mkv .webm .mp4 .m4v
// .flv .3gp, compared letter for letter; every other file is an audio source.
[[nodiscard]] SourceKind sourceKindOfFile(const QString& fileName);
