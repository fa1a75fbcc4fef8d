#include "TrackCuts.h"

#include "core/components/ComponentError.h"

#include <QFileInfo>

namespace {

QString timeText(CueFrames frames) {
    return QStringLiteral("%1:%2:%3")
        .arg(frames / (60 * kCueFramesPerSecond), 2, 10, QLatin1Char('0'))
        .arg(frames / kCueFramesPerSecond % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % kCueFramesPerSecond, 2, 10, QLatin1Char('0'));
}

// The sheet and the line a message is about; tracks read from inside a file (chapters, a FLAC sheet block) have no
// line, so the file alone is named.
QString placeOf(const QString& name, int line) {
    return line > 0 ? QStringLiteral("%1, line %2").arg(name, QString::number(line)) : name;
}

} // namespace

std::vector<TrackCut> cutTracks(const CueSheet& sheet, std::span<const ImageLength> lengths, bool withHiddenTrack) {
    const QString name = QFileInfo(sheet.path).fileName();
    if (lengths.size() != sheet.images.size())
        throw ComponentError(QStringLiteral("%1 names %2 images, but %3 were read.")
                                 .arg(name, QString::number(sheet.images.size()), QString::number(lengths.size())));

    std::vector<TrackCut> cuts;
    for (size_t at = 0; at < sheet.tracks.size(); ++at) {
        const CueTrack& track = sheet.tracks[at];
        const CueImage& image = sheet.images[size_t(track.image)];
        const ImageLength& length = lengths[size_t(track.image)];
        if (length.sampleRate <= 0 || length.samples < 0)
            throw ComponentError(
                QStringLiteral("%1: the image “%2” holds no audio.").arg(placeOf(name, image.line), image.named));

        const bool firstOnImage = at == 0 || sheet.tracks[at - 1].image != track.image;
        const bool lastOnImage = at + 1 == sheet.tracks.size() || sheet.tracks[at + 1].image != track.image;
        const long long start = trackStartSample(track, length.sampleRate);
        if (start >= length.samples)
            throw ComponentError(QStringLiteral("%1: track %2 starts at %3, but the image “%4” ends at %5.")
                                     .arg(placeOf(name, track.startLine), QString::number(track.number),
                                          timeText(track.start), image.named,
                                          timeText(length.samples * kCueFramesPerSecond / length.sampleRate)));

        long long first = start;
        if (firstOnImage && start > 0) {
            if (at != 0)
                first = 0;
            else if (withHiddenTrack)
                cuts.push_back(TrackCut{-1, 0, 0, 0, start});
        }
        const long long end = lastOnImage ? length.samples : trackStartSample(sheet.tracks[at + 1], length.sampleRate);
        cuts.push_back(TrackCut{int(at), track.number, track.image, first, end - first});
    }
    return cuts;
}
