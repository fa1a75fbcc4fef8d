#pragma once

#include <QString>

// Tag storage: loads the tags of a file into held values, and stores the held values into a file.
class IAudioInformation2 {
public:
    virtual ~IAudioInformation2() = default;

    // Replaces every held value with the file's (MPEG files read as the current tag version).
    // Raises ComponentError when the file is missing or unreadable.
    virtual void loadTags(const QString& fileName) = 0;
    // Writes the held values into the file as a tag of the current version; does nothing for formats without tags.
    virtual void storeTags(const QString& fileName) = 0;

    [[nodiscard]] virtual QString genreName(int genreNumber) = 0; // 0..147
    [[nodiscard]] virtual QString formatDescription() = 0;        // of the loaded file

    [[nodiscard]] virtual int tagVersion() = 0; // 1 = ID3v1, 2 = ID3v2
    virtual void setTagVersion(int version) = 0;

    [[nodiscard]] virtual QString title() = 0;
    [[nodiscard]] virtual QString artist() = 0;
    [[nodiscard]] virtual QString album() = 0;
    [[nodiscard]] virtual QString comments() = 0;
    [[nodiscard]] virtual QString genreText() = 0;
    // Sets a text value by property name: infoTitle, infoArtist, infoAlbum, infoComments or infoGenreS.
    // Raises ComponentError for any other name.
    virtual void setTextProperty(const QString& propertyName, const QString& value) = 0;

    [[nodiscard]] virtual int genreNumber() = 0;
    virtual void setGenreNumber(int genre) = 0;
    [[nodiscard]] virtual int year() = 0;
    virtual void setYear(int year) = 0;
    [[nodiscard]] virtual int track() = 0;
    virtual void setTrack(int track) = 0;
};
