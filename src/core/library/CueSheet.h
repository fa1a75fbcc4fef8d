#pragma once

#include <QString>
#include <map>
#include <optional>
#include <vector>

// A position on a compact disc, in frames of 1/75 s.
using CueFrames = long long;

inline constexpr int kCueFramesPerSecond = 75;

// A position finer than a frame, in seconds as units / unitsPerSecond: a chapter's time in its file's time base, or
// a sample offset of a sheet kept inside a FLAC file. A chapter mark may fall anywhere within a frame, and a track cut
// at the frame before it would start with up to 13 ms of the chapter before.
struct ExactPosition {
    long long units = 0;
    long long unitsPerSecond = 1;

    friend bool operator==(const ExactPosition&, const ExactPosition&) = default;
};

// One FILE line of a sheet: the image it names and the file actually found for it.
struct CueImage {
    QString named; // as written in the sheet
    QString path;  // the readable file found for it: the named one or one beside the sheet with another extension
    int line = 0;
};

struct CueTrack {
    int number = 0;
    QString title;
    QString performer;
    QString songwriter;
    QString isrc;
    std::map<QString, QString> replayGain; // REM REPLAYGAIN_TRACK_GAIN/_PEAK, keys as written in upper case
    int image = 0;                         // index into CueSheet::images
    std::optional<CueFrames> pregapStart;  // INDEX 00
    CueFrames start = 0;                   // INDEX 01
    int line = 0;                          // the TRACK line
    int startLine = 0;                     // the INDEX 01 line
    // The start when known more finely than INDEX 01 can say; `start` then holds it rounded down to a frame.
    std::optional<ExactPosition> exactStart;
};

// What a .cue file says: the album's header and its tracks in sheet order.
struct CueSheet {
    QString path; // the sheet itself
    QString title;
    QString performer;
    QString songwriter;
    QString catalog;
    QString date;
    QString genre;
    QString comment;
    QString discNumber;
    QString totalDiscs;
    std::map<QString, QString> replayGain; // REM REPLAYGAIN_ALBUM_GAIN/_PEAK
    std::vector<CueImage> images;
    std::vector<CueTrack> tracks;
};
