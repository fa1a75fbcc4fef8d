#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace TagLib {
class File;
}

// A picture kept in a file's tag (cover art), with the fields every tag format has for one.
struct TagPicture {
    QByteArray data;
    QString mimeType;
    QString description;
    int type = 3; // as ID3v2 and FLAC count them: 3 is the front cover

    friend bool operator==(const TagPicture&, const TagPicture&) = default;
};

namespace tagpicture {

// Larger pictures are left out when tags are copied: they are no cover art, and they would bloat every output.
inline constexpr qsizetype kLargestPicture = 16 * 1024 * 1024;

// The picture of the file's tag: ID3v2 APIC (MPEG, WAV, AIFF, TTA), FLAC and Vorbis comment picture blocks, MP4
// "covr", ASF "WM/Picture". The front cover when there are several, else the first; none above the size limit.
[[nodiscard]] std::optional<TagPicture> read(TagLib::File& file);

// Puts the picture into the file's tag, to be saved with it, unless the tag already holds a picture of its own
// (which is never replaced) or the format's tag holds none. Works on MPEG files only in their ID3v2 tag; FLAC gets
// a picture block, MP4 a "covr" item, Ogg (Vorbis, Opus) a METADATA_BLOCK_PICTURE comment.
void addIfNone(TagLib::File& file, const TagPicture& picture);

} // namespace tagpicture
