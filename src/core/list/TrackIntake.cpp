#include "TrackIntake.h"

#include "FileIntake.h"
#include "core/components/ComponentError.h"
#include "core/library/CueSheetReader.h"
#include "core/library/ImageTrack.h"
#include "core/library/TracksInFile.h"
#include "core/ports/Messages.h"
#include "core/ports/Prompts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <map>

namespace {

// "Performer - Title", the way players list a track; the number column holds the track's number.
QString trackText(const ImageTrack& track) {
    const QString title = track.tags.title.isEmpty()
                              ? QStringLiteral("Track %1").arg(track.number, 2, 10, QLatin1Char('0'))
                              : track.tags.title;
    return track.tags.artist.isEmpty() ? title : track.tags.artist + QStringLiteral(" - ") + title;
}

} // namespace

TrackIntake::TrackIntake(FileIntake& files, Prompts& prompts) : files_(files), prompts_(prompts) {}

bool TrackIntake::isSheet(const QString& fullName) {
    return QFileInfo(fullName).suffix().compare(QLatin1String("cue"), Qt::CaseInsensitive) == 0;
}

std::optional<std::vector<ConversionRow>> TrackIntake::trackRows(const ConversionList& list, const QString& fullName,
                                                                 bool checked) {
    if (isSheet(fullName)) {
        try {
            return rowsOf(list, CueSheetReader::readFile(fullName), checked);
        } catch (const ComponentError& error) {
            prompts_.message(Messages::ErrorCaption(), error.message(), Prompts::Icon::Warning);
            return std::vector<ConversionRow>{};
        }
    }
    std::optional<CueSheet> inside;
    try {
        inside = tracksInFile(fullName);
    } catch (const ComponentError& error) {
        // The sound is still there to convert as one piece; only the sheet that would cut it is no use.
        prompts_.message(Messages::ErrorCaption(), error.message(), Prompts::Icon::Warning);
        return std::nullopt;
    }
    if (!inside)
        return std::nullopt;
    return rowsOf(list, *inside, checked);
}

std::vector<ConversionRow> TrackIntake::rowsOf(const ConversionList& list, const CueSheet& sheet, bool checked) {
    // Each image is probed once, as a file of its own would be, and its tracks share what was found.
    std::map<QString, std::optional<ConversionRow>> images;
    std::vector<ConversionRow> rows;
    std::optional<ImageTrack> hidden;
    for (ImageTrack& track : imageTracks(sheet)) {
        if (track.hidden()) {
            hidden = std::move(track);
            continue;
        }
        auto image = images.find(track.image);
        if (image == images.end()) {
            image = images.emplace(track.image, files_.addfile(ConversionList(), track.image, checked)).first;
            if (!image->second && sheet.path != track.image)
                prompts_.message(Messages::ErrorCaption(),
                                 QCoreApplication::translate(
                                     "List", "%1: the image “%2” cannot be read, so its tracks are not listed.")
                                     .arg(QFileInfo(sheet.path).fileName(), QFileInfo(track.image).fileName()),
                                 Prompts::Icon::Warning);
        }
        if (!image->second || list.containsTrack(track.sheet, track.number))
            continue;
        ConversionRow row = *image->second;
        row.number = QStringLiteral("%1").arg(track.number, 2, 10, QLatin1Char('0'));
        row.fileName = trackText(track);
        row.size.clear();
        row.time = RowText::time(track.durationMs(image->second->lengthMs));
        // The sound before the first track goes with it: the batch converts it when the options ask for it.
        if (track.number == sheet.tracks.front().number)
            row.hiddenTrack = std::exchange(hidden, std::nullopt);
        row.track = std::move(track);
        rows.push_back(std::move(row));
    }
    return rows;
}
