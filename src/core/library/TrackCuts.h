#pragma once

#include "CueSheet.h"

#include <span>
#include <vector>

// What the decoder found an image to hold.
struct ImageLength {
    long long samples = 0; // per channel
    int sampleRate = 0;
};

// One track's samples within its image.
struct TrackCut {
    int track = -1; // index into CueSheet::tracks; -1 for the hidden track before the first one
    int number = 0; // the track's number; 0 for the hidden track
    int image = 0;  // index into CueSheet::images
    long long firstSample = 0;
    long long sampleCount = 0;
};

// Where each track of a sheet lies in its image, to the sample. A track runs from its INDEX 01 to the next
// track's INDEX 01 on the same image, so a pregap (INDEX 00) is the end of the track before; the last track of an
// image runs to the image's end. The first image's audio before the first track's INDEX 01 (a hidden track) is a
// cut of its own when `withHiddenTrack`, else left out; on later images it is the head of their first track, since
// it cannot join a track that lies in another file. So the cuts of an image, in order, cover it without a gap or an
// overlap. `lengths` holds one entry per image of the sheet. Raises ComponentError naming the sheet line when an
// image ends before the sheet's last index on it.
[[nodiscard]] std::vector<TrackCut> cutTracks(const CueSheet& sheet, std::span<const ImageLength> lengths,
                                              bool withHiddenTrack);

// A position in frames as a sample position at `sampleRate`, rounded down: exact for 44.1 kHz (588 samples to a
// frame) and 48 kHz (640).
[[nodiscard]] constexpr long long framesToSamples(CueFrames frames, int sampleRate) {
    return frames * sampleRate / kCueFramesPerSecond;
}

// An exact position as a sample position at `sampleRate`, rounded down; whole seconds and the rest are taken apart
// so that a time base of nanoseconds over many hours does not overflow.
[[nodiscard]] constexpr long long positionToSamples(ExactPosition position, int sampleRate) {
    if (position.unitsPerSecond <= 0 || position.units <= 0)
        return 0;
    return position.units / position.unitsPerSecond * sampleRate +
           position.units % position.unitsPerSecond * sampleRate / position.unitsPerSecond;
}

// Where a track starts at `sampleRate`: its exact start when it has one, else its INDEX 01 frame.
[[nodiscard]] constexpr long long trackStartSample(const CueTrack& track, int sampleRate) {
    return track.exactStart ? positionToSamples(*track.exactStart, sampleRate)
                            : framesToSamples(track.start, sampleRate);
}
