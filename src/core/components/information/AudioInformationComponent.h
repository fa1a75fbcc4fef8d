#pragma once

#include "TagValues.h"
#include "core/components/IAudioInformation2.h"

// Tags of audio files through TagLib: MPEG files as ID3v1 or ID3v2 (by the tag version), Ogg as Vorbis comments,
// WMA as ASF attributes, WAV as RIFF INFO. Files of formats without tags are read as having none, and storing into
// them does nothing, so that copying tags never fails a conversion.
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

private:
    TagValues values_;
    QString formatDescription_;
    int tagVersion_ = 2; // ID3v2 until a caller chooses, the version most players read
};
