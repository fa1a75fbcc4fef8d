#pragma once

#include "components/IAudioInformation2.h"

// Tags of audio files through TagLib.
class AudioInformationComponent : public IAudioInformation2 {
public:
    void loadTags(const QString& fileName) override;
    void storeTags(const QString& fileName) override;
    QString genreName(int genreNumber) override;
    QString formatDescription() override;
    int tagVersion() override;
    void setTagVersion(int version) override;
    QString title() override;
    QString artist() override;
    QString album() override;
    QString comments() override;
    QString genreText() override;
    void setTextProperty(const QString& propertyName, const QString& value) override;
    int genreNumber() override;
    void setGenreNumber(int genre) override;
    int year() override;
    void setYear(int year) override;
    int track() override;
    void setTrack(int track) override;
};
