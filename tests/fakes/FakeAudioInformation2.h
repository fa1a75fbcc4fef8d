#pragma once

#include "RecordingFake.h"
#include "core/components/IAudioInformation2.h"

// A recording fake of IAudioInformation2; see RecordingFake.
class FakeAudioInformation2 : public IAudioInformation2, public RecordingFake {
public:
    using RecordingFake::RecordingFake;

    void loadTags(const QString& fileName) override { record(QStringLiteral("loadTags"), {fileName}); }
    void storeTags(const QString& fileName) override { record(QStringLiteral("storeTags"), {fileName}); }
    QString genreName(int genreNumber) override {
        record(QStringLiteral("genreName"), {QString::number(genreNumber)});
        return resultText(QStringLiteral("genreName"));
    }
    QString formatDescription() override {
        record(QStringLiteral("formatDescription"), {});
        return resultText(QStringLiteral("formatDescription"));
    }
    int tagVersion() override {
        record(QStringLiteral("tagVersion"), {});
        return static_cast<int>(resultNumber(QStringLiteral("tagVersion")));
    }
    void setTagVersion(int version) override { record(QStringLiteral("setTagVersion"), {QString::number(version)}); }
    QString title() override {
        record(QStringLiteral("title"), {});
        return resultText(QStringLiteral("title"));
    }
    QString artist() override {
        record(QStringLiteral("artist"), {});
        return resultText(QStringLiteral("artist"));
    }
    QString album() override {
        record(QStringLiteral("album"), {});
        return resultText(QStringLiteral("album"));
    }
    QString comments() override {
        record(QStringLiteral("comments"), {});
        return resultText(QStringLiteral("comments"));
    }
    QString genreText() override {
        record(QStringLiteral("genreText"), {});
        return resultText(QStringLiteral("genreText"));
    }
    void setTextProperty(const QString& propertyName, const QString& value) override {
        record(QStringLiteral("setTextProperty"), {propertyName, value});
    }
    int genreNumber() override {
        record(QStringLiteral("genreNumber"), {});
        return static_cast<int>(resultNumber(QStringLiteral("genreNumber")));
    }
    void setGenreNumber(int genre) override { record(QStringLiteral("setGenreNumber"), {QString::number(genre)}); }
    int year() override {
        record(QStringLiteral("year"), {});
        return static_cast<int>(resultNumber(QStringLiteral("year")));
    }
    void setYear(int year) override { record(QStringLiteral("setYear"), {QString::number(year)}); }
    int track() override {
        record(QStringLiteral("track"), {});
        return static_cast<int>(resultNumber(QStringLiteral("track")));
    }
    void setTrack(int track) override { record(QStringLiteral("setTrack"), {QString::number(track)}); }
};
