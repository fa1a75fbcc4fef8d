#pragma once

#include "TagPicture.h"
#include "core/components/common/GenreTable.h"

#include <QString>
#include <optional>

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

    friend bool operator==(const TagValues&, const TagValues&) = default;
};

// The genre number whose name matches the text (letter case ignored), or kNoGenre.
[[nodiscard]] int genreNumberForText(const QString& text);
