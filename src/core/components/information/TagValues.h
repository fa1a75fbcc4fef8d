#pragma once

#include "TagPicture.h"
#include "core/components/common/GenreTable.h"

#include <QString>
#include <optional>

// Loudness values exactly as the tags spell them ("-3.21 dB", "0.988553", Q7.8 integers as text). ReplayGain 2.0
// goes to every format but Opus, whose players read only the R128 pair (relative to -23 LUFS) beside the header gain.
struct LoudnessTags {
    QString trackGain;
    QString trackPeak;
    QString albumGain;
    QString albumPeak;
    QString r128TrackGain;
    QString r128AlbumGain;

    [[nodiscard]] bool empty() const { return *this == LoudnessTags{}; }
    friend bool operator==(const LoudnessTags&, const LoudnessTags&) = default;
};

// The tag values the information component holds between loading and storing.
struct TagValues {
    QString title;
    QString artist;
    QString album;
    QString comments;
    QString genreText;
    int genreNumber = kNoGenre;
    int year = 0;
    int track = 0;
    std::optional<TagPicture> picture; // the cover, carried along when tags are copied

    // What libraries keep beyond the seven fields. `year` and `track` stay the plain numbers ID3v1, the tag editor
    // and name templates use; the full date and the totals travel beside them.
    QString albumArtist;
    QString composer;
    QString date; // as written: "2021", "2021-05" or "2021-05-04"
    QString lyrics;
    QString isrc;
    int trackTotal = 0;
    int discNumber = 0;
    int discTotal = 0;
    LoudnessTags loudness;

    friend bool operator==(const TagValues&, const TagValues&) = default;
};

// The genre number whose name matches the text (letter case ignored), or kNoGenre.
[[nodiscard]] int genreNumberForText(const QString& text);
