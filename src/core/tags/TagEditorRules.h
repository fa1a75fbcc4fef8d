#pragma once

#include <QString>
#include <optional>

// The rules of the tag editor that need no window: which files count as MPEG, the syntax of the number fields, the
// mapping between genre list entries and genre numbers, and the lengths the fields accept.
namespace tageditor {

inline constexpr int kTagVersionId3v1 = 1;
inline constexpr int kTagVersionId3v2 = 2;

// What ID3v1 can hold of a title, artist, album or comment.
inline constexpr int kId3v1TextLimit = 30;
inline constexpr int kTrackLimit = 2;
inline constexpr int kYearLimit = 4;
// A line edit's own maximum: no practical limit.
inline constexpr int kUnlimitedText = 32767;

// True only for the extensions ".mp3" and ".mp2" written in lower case: only these get the tag version detection and
// the removal of the other version's tag.
[[nodiscard]] bool hasMpegExtension(const QString& fileName);

// The text of the Track or Year field.
struct NumberField {
    enum class State { Empty, Number, Invalid };
    State state = State::Empty;
    int value = 0;
};
[[nodiscard]] NumberField readNumberField(const QString& text);

// The genre list holds an empty entry followed by the genre names, so entry n + 1 stands for genre number n.
// The genre number of a list entry; nothing for the empty entry and for no selection.
[[nodiscard]] std::optional<int> genreForEntry(int entryIndex);
// The list entry of a genre number; -1 (no selection) for a number without an entry, such as 255.
[[nodiscard]] int entryForGenre(int genreNumber);

// The longest text the Title, Artist, Album and Comment fields accept: the ID3v1 limit only while the file's tag
// is kept as ID3v1, since any other tag holds longer texts and cutting them would lose data on the next Apply.
[[nodiscard]] int textLimit(bool storedAsId3v1);
// A field's limit widened to the text it already holds: a limit stops typing, it never cuts a value that is there.
[[nodiscard]] int limitKeeping(int limit, const QString& text);

} // namespace tageditor
