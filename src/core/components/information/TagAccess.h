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

// The values of the file of that name (ID3v2 first for MPEG files; through FFmpeg where TagLib has none); empty
// values when its format holds no tags, or when it cannot be read.
[[nodiscard]] TagValues readFile(const QString& fileName);

// The values of the ID3v2 tag at the start of the file, read as the values of an MPEG file's ID3v2 tag are, whatever
// the file's name; empty values when it has none.
[[nodiscard]] TagValues readId3v2Tag(const QString& fileName);

// The values FFmpeg finds in the file's container and in the sound track the reader decodes: the tags of the
// formats TagLib does not read (Matroska, WebM, AVI, MPEG), and those a container keeps on its track. Empty values
// when FFmpeg cannot read the file.
[[nodiscard]] TagValues readContainer(const QString& fileName);

// Values missing from the first are taken from the second, as a player showing both would.
[[nodiscard]] TagValues merged(TagValues values, const TagValues& fallback);

// Replaces every ReplayGain and R128 field of the file with the given values (an empty value removes its field) and
// saves in place, leaving every other field and the sound as they are. An Opus file takes the gains as R128 fields,
// every other format as ReplayGain ones. Files that do not exist and formats without tags are left alone. Raises
// ComponentError when the file's tags cannot be rewritten.
void replaceLoudness(const QString& fileName, const LoudnessTags& loudness);

} // namespace tagaccess
