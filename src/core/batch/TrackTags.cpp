#include "TrackTags.h"

#include "core/components/ComponentError.h"
#include "core/components/information/TagAccess.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

std::optional<TagPicture> pictureFrom(const QString& fileName) {
    QFile file(fileName);
    if (fileName.isEmpty() || file.size() > tagpicture::kLargestPicture || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    TagPicture picture;
    picture.data = file.readAll();
    picture.mimeType = QStringLiteral("image/jpeg");
    return picture;
}

TagValues overlaid(TagValues values, const TagValues& track) {
    values.title = track.title;
    values.artist = track.artist;
    values.album = track.album;
    values.albumArtist = track.albumArtist;
    values.composer = track.composer;
    values.isrc = track.isrc;
    values.track = track.track;
    values.trackTotal = track.trackTotal;
    values.loudness = track.loudness;
    // The sheet's album fields win where it has them; else the image's own stay.
    if (!track.comments.isEmpty())
        values.comments = track.comments;
    if (!track.genreText.isEmpty()) {
        values.genreText = track.genreText;
        values.genreNumber = track.genreNumber;
    }
    if (!track.date.isEmpty()) {
        values.date = track.date;
        values.year = track.year;
    }
    if (track.discNumber > 0) {
        values.discNumber = track.discNumber;
        values.discTotal = track.discTotal;
    }
    values.lyrics.clear(); // the image's lyrics are the whole album's
    return values;
}

} // namespace

void writeTrackTags(const QString& fileName, const ImageTrack& track, int tagVersion) {
    QFile head(fileName);
    if (!head.open(QIODevice::ReadOnly))
        throw ComponentError(Messages::FileCannotBeRead().arg(fileName), LastError::AccessDenied);
    const TagFileKind kind = tagFileKind(fileName, head.read(16));
    head.close();
    {
        const TagLib::FileRef file = tagaccess::open(fileName, kind);
        if (file.isNull()) {
            if (kind == TagFileKind::None || kind == TagFileKind::Other)
                return;
            throw ComponentError(Messages::FileTagsDamaged().arg(fileName), LastError::CorruptData);
        }
        TagValues values = overlaid(tagaccess::read(*file.file(), tagVersion), track.tags);
        if (!values.picture)
            values.picture = pictureFrom(track.coverFile);
        if (file.file()->readOnly() || !tagaccess::write(*file.file(), values, tagVersion))
            throw ComponentError(
                QCoreApplication::translate("Batch", "The tags cannot be written to \"%1\".").arg(fileName),
                LastError::AccessDenied);
    }
    // Gains the image carried describe the whole image; the track keeps only those its sheet gives it.
    tagaccess::replaceLoudness(fileName, track.tags.loudness);
}
