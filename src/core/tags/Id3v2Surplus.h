#pragma once

#include <QString>

// Whether the ID3v2 tag at the start of an MPEG file holds anything an ID3v1 tag cannot keep: frames other than
// title, artist, album, track, year, genre and comment (pictures, lyrics, players' own data), more than one of
// those, texts longer than the ID3v1 fields or outside Latin-1, a track count, a full date, a genre without an ID3v1
// number, a described comment. A tag that cannot be read is taken to hold more, since nobody can tell what it holds.
// False when the file has no ID3v2 tag.
[[nodiscard]] bool id3v2HoldsMoreThanId3v1(const QString& fileName);
