#include "ImageTrack.h"

#include "TrackCuts.h"
#include "core/components/ComponentError.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString timeText(CueFrames frames) {
    return QStringLiteral("%1:%2:%3")
        .arg(frames / (60 * kCueFramesPerSecond), 2, 10, QLatin1Char('0'))
        .arg(frames / kCueFramesPerSecond % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % kCueFramesPerSecond, 2, 10, QLatin1Char('0'));
}

// The picture a ripper leaves beside the sheet, when the image carries none of its own.
QString coverBeside(const QString& sheetPath) {
    const QDir folder = QFileInfo(sheetPath).dir();
    for (const QString& name : {QStringLiteral("cover.jpg"), QStringLiteral("folder.jpg")}) {
        const QString path = folder.filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString valueOf(const std::map<QString, QString>& values, const char* key) {
    const auto found = values.find(QLatin1String(key));
    return found == values.end() ? QString() : found->second;
}

TagValues albumTags(const CueSheet& sheet, int total) {
    TagValues tags;
    tags.album = sheet.title;
    tags.albumArtist = sheet.performer;
    tags.artist = sheet.performer;
    tags.composer = sheet.songwriter;
    tags.date = sheet.date;
    tags.year = sheet.date.left(4).toInt();
    tags.genreText = sheet.genre;
    tags.genreNumber = genreNumberForText(sheet.genre);
    tags.comments = sheet.comment;
    tags.discNumber = sheet.discNumber.toInt();
    tags.discTotal = sheet.totalDiscs.toInt();
    tags.trackTotal = total;
    tags.loudness.albumGain = valueOf(sheet.replayGain, "REPLAYGAIN_ALBUM_GAIN");
    tags.loudness.albumPeak = valueOf(sheet.replayGain, "REPLAYGAIN_ALBUM_PEAK");
    return tags;
}

TagValues trackTags(const TagValues& album, const CueTrack& track) {
    TagValues tags = album;
    tags.title = track.title;
    if (!track.performer.isEmpty())
        tags.artist = track.performer;
    if (!track.songwriter.isEmpty())
        tags.composer = track.songwriter;
    tags.isrc = track.isrc;
    tags.track = track.number;
    tags.loudness.trackGain = valueOf(track.replayGain, "REPLAYGAIN_TRACK_GAIN");
    tags.loudness.trackPeak = valueOf(track.replayGain, "REPLAYGAIN_TRACK_PEAK");
    return tags;
}

} // namespace

qint64 ImageTrack::durationMs(qint64 imageMs) const {
    constexpr int kMsPerSecond = 1000;
    const qint64 startMs =
        exactStart ? positionToSamples(*exactStart, kMsPerSecond) : framesToSamples(start, kMsPerSecond);
    if (exactEnd)
        return positionToSamples(*exactEnd, kMsPerSecond) - startMs;
    if (end)
        return framesToSamples(*end, kMsPerSecond) - startMs;
    return std::max<qint64>(imageMs - startMs, 0);
}

TrackSpan spanIn(const ImageTrack& track, long long imageSamples, int sampleRate) {
    if (sampleRate <= 0 || framesToSamples(track.lastStart, sampleRate) >= imageSamples) {
        const long long imageFrames = sampleRate > 0 ? imageSamples * kCueFramesPerSecond / sampleRate : 0;
        throw ComponentError(QStringLiteral("%1, line %2: a track starts at %3, but the image “%4” ends at %5.")
                                 .arg(QFileInfo(track.sheet).fileName(), QString::number(track.lastStartLine),
                                      timeText(track.lastStart), QFileInfo(track.image).fileName(),
                                      timeText(imageFrames)));
    }
    const long long first =
        track.exactStart ? positionToSamples(*track.exactStart, sampleRate) : framesToSamples(track.start, sampleRate);
    const long long end = track.exactEnd ? positionToSamples(*track.exactEnd, sampleRate)
                          : track.end    ? framesToSamples(*track.end, sampleRate)
                                         : imageSamples;
    return TrackSpan{first, std::max(end - first, 0LL)};
}

std::vector<ImageTrack> imageTracks(const CueSheet& sheet) {
    const int total = static_cast<int>(sheet.tracks.size());
    const TagValues album = albumTags(sheet, total);
    const QString cover = coverBeside(sheet.path);
    // The latest start on each image, which the image must outlast.
    std::map<int, const CueTrack*> lastOnImages;
    for (const CueTrack& track : sheet.tracks) {
        const CueTrack*& last = lastOnImages[track.image];
        if (last == nullptr || track.start >= last->start)
            last = &track;
    }
    std::vector<ImageTrack> tracks;
    for (std::size_t at = 0; at < sheet.tracks.size(); ++at) {
        const CueTrack& track = sheet.tracks[at];
        const bool firstOnImage = at == 0 || sheet.tracks[at - 1].image != track.image;
        const bool lastOnImage = at + 1 == sheet.tracks.size() || sheet.tracks[at + 1].image != track.image;
        ImageTrack cut;
        cut.sheet = sheet.path;
        cut.image = sheet.images[std::size_t(track.image)].path;
        cut.number = track.number;
        cut.total = total;
        cut.line = track.startLine;
        const bool takesImageHead = firstOnImage && at != 0;
        cut.start = takesImageHead ? 0 : track.start;
        cut.exactStart = takesImageHead ? std::nullopt : track.exactStart;
        if (!lastOnImage) {
            cut.end = sheet.tracks[at + 1].start;
            cut.exactEnd = sheet.tracks[at + 1].exactStart;
        }
        cut.tags = trackTags(album, track);
        cut.coverFile = cover;
        cut.lastStart = lastOnImages.at(track.image)->start;
        cut.lastStartLine = lastOnImages.at(track.image)->startLine;
        if (at == 0 && (track.start > 0 || (track.exactStart && track.exactStart->units > 0))) {
            ImageTrack hidden = cut;
            hidden.number = 0;
            hidden.start = 0;
            hidden.exactStart.reset();
            hidden.end = track.start;
            hidden.exactEnd = track.exactStart;
            hidden.tags = album;
            tracks.push_back(std::move(hidden));
        }
        tracks.push_back(std::move(cut));
    }
    return tracks;
}
