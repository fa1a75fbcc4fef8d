#include "AudioInformationComponent.h"

#include "FormatDescription.h"
#include "TagAccess.h"
#include "TagFileKind.h"
#include "core/components/ComponentError.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The first bytes of a readable file; raises when the file is missing or cannot be read.
QByteArray readHead(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists()) {
        throw ComponentError(Messages::FileDoesNotExist().arg(fileName), LastError::FileNotFound);
    }
    if (!info.isFile()) {
        throw ComponentError(QCoreApplication::translate("Components", "\"%1\" is not a file.").arg(fileName),
                             LastError::UnknownFormat);
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ComponentError(Messages::FileCannotBeRead().arg(fileName), LastError::AccessDenied);
    }
    return file.read(16);
}

} // namespace

void AudioInformationComponent::loadTags(const QString& fileName) {
    const TagFileKind kind = tagFileKind(fileName, readHead(fileName));
    values_ = {};
    formatDescription_.clear();
    // A file whose format holds no tags, or that TagLib cannot make sense of, simply has no tags to show.
    const TagLib::FileRef file = tagaccess::open(fileName, kind);
    if (!file.isNull()) {
        values_ = tagaccess::read(*file.file(), tagVersion_);
        formatDescription_ = ::formatDescription(*file.file());
    }
    // Containers TagLib does not read (Matroska, WebM, AVI) and tags kept on a container's sound track come through
    // FFmpeg, so that music saved in a video container keeps its title and artist.
    if (kind == TagFileKind::Other)
        values_ = tagaccess::merged(values_, tagaccess::readContainer(fileName));
}

void AudioInformationComponent::storeTags(const QString& fileName) {
    const TagFileKind kind = tagFileKind(fileName, readHead(fileName));
    if (kind == TagFileKind::None) {
        return;
    }
    const TagLib::FileRef file = tagaccess::open(fileName, kind);
    if (file.isNull()) {
        if (kind == TagFileKind::Other) {
            return; // a format TagLib does not know holds no tags we could write
        }
        throw ComponentError(Messages::FileTagsDamaged().arg(fileName), LastError::CorruptData);
    }
    if (file.file()->readOnly() || !tagaccess::write(*file.file(), values_, tagVersion_)) {
        throw ComponentError(
            QCoreApplication::translate("Components", "The tags cannot be written to \"%1\".").arg(fileName),
            LastError::AccessDenied);
    }
}

QString AudioInformationComponent::genreName(int genreNumber) {
    return ::genreName(genreNumber);
}

QString AudioInformationComponent::formatDescription() {
    return formatDescription_;
}

int AudioInformationComponent::tagVersion() {
    return tagVersion_;
}

void AudioInformationComponent::setTagVersion(int version) {
    if (version != tagaccess::kId3v1 && version != tagaccess::kId3v2) {
        throw ComponentError(
            QCoreApplication::translate("Components", "Tag version %1 does not exist; use 1 (ID3v1) or 2 (ID3v2).")
                .arg(version));
    }
    tagVersion_ = version;
}

QString AudioInformationComponent::title() {
    return values_.title;
}

QString AudioInformationComponent::artist() {
    return values_.artist;
}

QString AudioInformationComponent::album() {
    return values_.album;
}

QString AudioInformationComponent::comments() {
    return values_.comments;
}

QString AudioInformationComponent::genreText() {
    return values_.genreText;
}

void AudioInformationComponent::setTextProperty(const QString& propertyName, const QString& value) {
    // Property names are matched as automation callers expect: letter case does not matter.
    const auto is = [&](const char* name) {
        return propertyName.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("infoTitle")) {
        values_.title = value;
    } else if (is("infoArtist")) {
        values_.artist = value;
    } else if (is("infoAlbum")) {
        values_.album = value;
    } else if (is("infoComments")) {
        values_.comments = value;
    } else if (is("infoGenreS")) {
        // The number follows the text, so the genre survives whichever tag version stores it.
        values_.genreText = value;
        values_.genreNumber = genreNumberForText(value);
    } else {
        throw ComponentError(
            QCoreApplication::translate("Components", "Unknown property name \"%1\".").arg(propertyName));
    }
}

int AudioInformationComponent::genreNumber() {
    return values_.genreNumber;
}

void AudioInformationComponent::setGenreNumber(int genre) {
    values_.genreNumber = genre >= 0 && genre <= kNoGenre ? genre : kNoGenre;
    // The text follows a number that names a genre; other numbers leave a text the user may have typed.
    if (values_.genreNumber < kGenreCount) {
        values_.genreText = ::genreName(values_.genreNumber);
    } else if (genreNumberForText(values_.genreText) != kNoGenre) {
        values_.genreText.clear();
    }
}

int AudioInformationComponent::year() {
    return values_.year;
}

void AudioInformationComponent::setYear(int year) {
    values_.year = std::max(year, 0);
}

int AudioInformationComponent::track() {
    return values_.track;
}

void AudioInformationComponent::setTrack(int track) {
    values_.track = std::max(track, 0);
}
