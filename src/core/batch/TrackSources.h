#pragma once

#include "BatchOrder.h"
#include "core/library/CueSheet.h"

#include <vector>

// One batch source per track of the sheet, in sheet order, each naming its image as the file to read. The hidden
// track is among them when the first image holds sound before the first track: the plan leaves it out unless the
// order asks for it, so that the sources need not change when that option does.
[[nodiscard]] std::vector<BatchSource> trackSourcesOf(const CueSheet& sheet);

// A track's own output base name: "03 Song Title" (or "03" without a title), made safe as a file name.
[[nodiscard]] QString trackBaseName(const ImageTrack& track);

// What a batch measures, and counts as one sound of an album: the source, or one track of it. Several outputs of one
// sound (one per format) share the key.
[[nodiscard]] QString soundKeyOf(const BatchOutput& output);
