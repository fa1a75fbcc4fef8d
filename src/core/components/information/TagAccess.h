#pragma once

#include "TagFileKind.h"
#include "TagValues.h"

#include <QString>

#include <taglib/fileref.h>

// Reading and writing TagValues through TagLib, one file format at a time.
namespace tagaccess {

inline constexpr int kId3v1 = 1;
inline constexpr int kId3v2 = 2;

// Opens the file in the TagLib class for its kind. The reference is null for TagFileKind::None, when TagLib knows
// no such format, and when the file is not valid in the format it claims.
[[nodiscard]] TagLib::FileRef open(const QString& fileName, TagFileKind kind);

// The file's values. MPEG files are read from the tag of the given version, or from the other tag when the file has
// none of that version, so that a file tagged only in the other version never loses its values on the way.
[[nodiscard]] TagValues read(TagLib::File& file, int tagVersion);

// Writes the values into the file's tag and saves it. MPEG files get only the tag of the given version (ID3v2 as
// version 2.3); a tag of the other version is left as it is. Returns false when TagLib could not save.
[[nodiscard]] bool write(TagLib::File& file, const TagValues& values, int tagVersion);

// The values of the file of that name (ID3v2 first for MPEG files); empty values when its format holds no tags,
// when it cannot be read, or when TagLib cannot make sense of it.
[[nodiscard]] TagValues readFile(const QString& fileName);

// Replaces every ReplayGain and R128 field of the file with the given values (an empty value removes its field) and
// saves in place, leaving every other field and the sound as they are. An Opus file takes the gains as R128 fields,
// every other format as ReplayGain ones. Files that do not exist and formats without tags are left alone. Raises
// ComponentError when the file's tags cannot be rewritten.
void replaceLoudness(const QString& fileName, const LoudnessTags& loudness);

} // namespace tagaccess
