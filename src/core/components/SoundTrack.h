#pragma once

#include <QString>
#include <vector>

// One sound track of a source that holds several (a film with its dubs, a Matroska file with a commentary).
struct SoundTrack {
    int number = 0;              // counted from 1 in the order the file stores its sound tracks
    QString language;            // as the file states it ("deu", "eng"); empty when it states none
    QString codec;               // the codec's name as format descriptions give it ("AAC", "FLAC")
    int channels = 0;            // as stored
    QString title;               // empty when the file gives none
    bool flaggedDefault = false; // the file marks it as the one to play
    bool inUse = false;          // the one the open decoder reads
};

using SoundTracks = std::vector<SoundTrack>;

// "2: deu, AAC, Stereo, "Director's comments"": the number, then what the file states of the track.
[[nodiscard]] QString soundTrackText(const SoundTrack& track);
// What a list row adds for a file of several sound tracks: "3 sound tracks, using 2: deu, AAC, Stereo", or "3 sound
// tracks, each converted" when none is marked in use; empty for a file of one sound track or of unknown ones.
[[nodiscard]] QString soundTracksNote(const SoundTracks& tracks);
