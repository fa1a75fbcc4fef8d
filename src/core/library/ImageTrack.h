#pragma once

#include "CueSheet.h"
#include "core/components/information/TagValues.h"

#include <QString>
#include <optional>
#include <vector>

// One track of an image as a source of its own: where it lies in the image, and the tags the sheet gives it. It is a
// plain value built from a CueSheet, whether the sheet came from a .cue file, a FLAC's embedded cue sheet or a
// file's chapters (the image is then the file itself). Positions are kept in the sheet's frames: they become samples
// once the image is opened and its rate is known.
struct ImageTrack {
    QString sheet;       // the .cue file, or the file whose embedded sheet or chapters this track comes from
    QString image;       // the file that holds the track's sound
    int number = 0;      // as the sheet numbers it; 0 for the hidden track before the first one
    int total = 0;       // the sheet's tracks, the hidden one not counted
    int line = 0;        // the sheet line the track's messages name: its INDEX 01 (the first track's for the hidden)
    CueFrames start = 0; // within the image
    std::optional<CueFrames> end; // where the next track on the same image starts; none: the image's end
    // The same two positions finer than a frame where the sheet knows them (chapter marks, the sample offsets of a
    // FLAC file's own sheet): a cut at the frame before a chapter mark would start with the end of the chapter before.
    std::optional<ExactPosition> exactStart;
    std::optional<ExactPosition> exactEnd;
    // The latest INDEX 01 the sheet places on this image and its line: an image that ends before it is not the one
    // the sheet describes, and none of its tracks is cut from it.
    CueFrames lastStart = 0;
    int lastStartLine = 0;
    TagValues tags;    // track and album fields, disc, ISRC, ReplayGain values as the sheet writes them
    QString coverFile; // cover.jpg or folder.jpg beside the sheet, for an image without a picture of its own

    [[nodiscard]] bool hidden() const { return number == 0; }
    // The track's length given the image's; the image's length in milliseconds may be 0 when unknown.
    [[nodiscard]] qint64 durationMs(qint64 imageMs) const;

    friend bool operator==(const ImageTrack&, const ImageTrack&) = default;
};

// Where a track lies in its opened image, in samples per channel.
struct TrackSpan {
    long long first = 0;
    long long count = 0;
};

// The track's samples within an image of `imageSamples` samples at `sampleRate`. Raises ComponentError naming the
// sheet and line when the image ends at or before the latest track start the sheet places on it.
[[nodiscard]] TrackSpan spanIn(const ImageTrack& track, long long imageSamples, int sampleRate);

// Every track of the sheet in sheet order, preceded by the hidden track when the first image holds sound before the
// first track's INDEX 01. A track runs from its INDEX 01 to the next track's INDEX 01 on the same image (a pregap is
// the end of the track before); the first track of a later image also takes that image's head, which cannot join a
// track in another file. So an image's tracks, in order and with the hidden one, cover it without gap or overlap.
[[nodiscard]] std::vector<ImageTrack> imageTracks(const CueSheet& sheet);
