#pragma once

#include "core/library/ImageTrack.h"

#include <QString>

// Puts a track's own values over what its image's tags gave the file of that name: its title, artists, numbers,
// ISRC and the sheet's ReplayGain values replace the image's (whose gains were measured on the whole image), and
// the picture beside the sheet goes in when the image brought none. Formats without tags are left alone. Raises
// ComponentError when the file's tags cannot be rewritten.
void writeTrackTags(const QString& fileName, const ImageTrack& track, int tagVersion);
