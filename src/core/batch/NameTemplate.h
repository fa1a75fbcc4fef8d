#pragma once

#include <QString>
#include <map>
#include <optional>
#include <vector>

// What a name template can say about a source: its base name, its tags, and the format of the output.
struct NameFields {
    QString name; // the source's file name without folder and extension
    QString title;
    QString artist;
    QString album;
    QString track; // empty when the source has no track number
    QString year;  // empty when the source has no year
    QString genre;
    QString format; // the short format name: "mp3", "adpcm", ...
    QString albumArtist;
    QString disc;       // the disc number alone, empty when the source has none
    QString trackTotal; // empty when the source gives no total
    QString composer;
    QString stream{}; // the number of the sound track converted, from 1
    QString lang{};   // the language of the sound track converted, empty when the file states none
};

// A pattern for output base names such as "{artist} - {title}". The expanded text is one file name: whatever the
// tags hold, it never contains a separator, a control character, or a name like ".." that leads elsewhere.
class NameTemplate {
public:
    // Nothing, with the reason in whyNot, when the text names an unknown field, leaves a brace open, or contains
    // a folder separator of its own.
    [[nodiscard]] static std::optional<NameTemplate> parse(const QString& text, QString& whyNot);

    // The base name for an output. Each field's value loses what safeFileName removes before it takes its place;
    // when every field of the template is empty, or the result would be, the source's own base name.
    [[nodiscard]] QString expand(const NameFields& fields) const;
    // Whether expanding needs the source's tags (any field other than {name}, {format}, {stream} and {lang}).
    [[nodiscard]] bool readsTags() const;
    // The text the template was parsed from.
    [[nodiscard]] const QString& text() const { return text_; }
    friend bool operator==(const NameTemplate& a, const NameTemplate& b) { return a.text_ == b.text_; }

private:
    // A field of the source, or, where field is null, literal text.
    struct Piece {
        QString NameFields::*field = nullptr;
        QString literal;
    };

    std::vector<Piece> pieces_;
    QString text_;
};

// Makes text safe as one file name on any common file system: separators and characters that Windows, FAT and
// network shares refuse become "_", control characters go, leading and trailing blanks and dots go (so "." and
// ".." cannot appear and no name is hidden), and the name is cut to a length every file system accepts.
[[nodiscard]] QString safeFileName(const QString& text);
