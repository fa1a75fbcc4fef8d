#pragma once

#include "ID3v1.h"
#include "ID3v2.h"
#include "core/components/Components.h"

#include <QString>
#include <QStringList>
#include <optional>

class Prompts;

namespace tageditor {

// What the editor's fields hold: texts as typed, the genre as a list entry (0 = the empty entry, -1 = none) and as
// free text, Track and Year as their texts.
struct TagFields {
    QString title;
    QString artist;
    QString album;
    int genreEntry = 0;
    QString genreText;
    QString track;
    QString year;
    QString comment;

    friend bool operator==(const TagFields&, const TagFields&) = default;
};

// The values of one loaded file, ready for the fields.
struct LoadedTags {
    QString formatText;
    TagFields fields;
    // The genre goes into the list (ID3v1) rather than into the free-text edit.
    bool genreAsList = false;
};

enum class ApplyResult {
    Stored,       // the tag was written
    InvalidTrack, // refused with a message; nothing set or written
    InvalidYear,  // likewise
    Declined      // the user kept the ID3v2 tag; nothing set or written
};

// The tag editor's work on the information component and the two ID3 units: which version a file is edited in,
// loading its tags, and storing the edits with the removal of the other version's tag. The window only moves values
// between its controls and this class.
class TagEditorSession {
public:
    TagEditorSession(TAudioInformation2& information, Prompts& prompts);

    // An empty entry followed by the component's name of each genre number, in number order.
    [[nodiscard]] QStringList genreEntries();

    // For ".mp3" and ".mp2" files: the version of the file's ID3 tag (ID3v1 when it has both), which becomes the
    // component's tag version. Nothing when the file is of another type, has no ID3 tag or cannot be read; the
    // component's tag version then stays as it was.
    std::optional<int> detectVersion(const QString& fileName);

    // Loads the file's tags into the component and returns them. Raises ComponentError when the component cannot
    // read the file.
    [[nodiscard]] LoadedTags load(const QString& fileName);

    // Whether the file's tag is stored as ID3v1 under the component's current tag version.
    [[nodiscard]] bool storesAsId3v1(const QString& fileName);

    void chooseVersion(int version);

    // After the user chose another tag version: the file's tags of that version, except that a field the user has
    // changed since the last load keeps what the user typed (shown). Raises ComponentError as load does.
    [[nodiscard]] LoadedTags reloadKeepingEdits(const QString& fileName, const TagFields& shown);

    // Stores the fields into the file as a tag of the component's version, first removing the other version's tag
    // (after asking when that tag holds what the stored one will not). A value the user left as loaded is written
    // back as the file holds it. Refused Track or Year texts are reported through Prompts. Raises ComponentError
    // when storing fails.
    ApplyResult apply(const QString& fileName, const TagFields& fields);

private:
    [[nodiscard]] bool userKeepsId3v2(const QString& fileName);
    [[nodiscard]] bool userKeepsId3v1(const QString& fileName, const TagFields& fields);
    [[nodiscard]] bool id3v1HoldsMoreThan(const TagFields& fields) const;

    TAudioInformation2& information_;
    Prompts& prompts_;
    TID3v1 id3v1_;
    TID3v2 id3v2_;
    TagFields loaded_; // the fields as last loaded or stored, to tell what the user changed
};

} // namespace tageditor
