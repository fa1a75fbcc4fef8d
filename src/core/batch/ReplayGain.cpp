#include "ReplayGain.h"

#include "core/components/information/TagAccess.h"

#include <algorithm>
#include <cmath>

QString replayGainText(double decibels) {
    return QStringLiteral("%1 dB").arg(decibels, 0, 'f', 2);
}

QString replayGainPeakText(double linear) {
    return QString::number(linear, 'f', 6);
}

QString r128GainText(double loudnessLufs) {
    const double q78 = std::round((kR128ReferenceLufs - loudnessLufs) * 256.0);
    return QString::number(static_cast<int>(std::clamp(q78, -32768.0, 32767.0)));
}

LoudnessTags trackLoudnessTags(const LoudnessMeasurement& measured) {
    LoudnessTags tags;
    if (!std::isfinite(measured.integratedLufs))
        return tags;
    tags.trackGain = replayGainText(kReplayGainReferenceLufs - measured.integratedLufs);
    tags.trackPeak = replayGainPeakText(measured.samplePeak);
    tags.r128TrackGain = r128GainText(measured.integratedLufs);
    return tags;
}

LoudnessTags withAlbumLoudness(LoudnessTags track, double albumLufs, double albumPeak) {
    if (!std::isfinite(albumLufs))
        return track;
    track.albumGain = replayGainText(kReplayGainReferenceLufs - albumLufs);
    track.albumPeak = replayGainPeakText(albumPeak);
    track.r128AlbumGain = r128GainText(albumLufs);
    return track;
}

QString albumKeyOf(const QString& sourceName) {
    const TagValues values = tagaccess::readFile(sourceName);
    if (values.album.isEmpty())
        return {};
    // The separator cannot occur inside a tag value read back from any format we know.
    return values.albumArtist + QChar(0) + values.album;
}

AlbumGainBook::AlbumGainBook(std::vector<QString> albumKeys) : albumKeys_(std::move(albumKeys)) {
    for (const QString& key : albumKeys_)
        if (!key.isEmpty())
            ++albums_[key].outputsLeft;
}

std::vector<AlbumRewrite> AlbumGainBook::outputDone(std::size_t output, const QString& sourceName,
                                                    const QString& madeFile,
                                                    const std::optional<LoudnessMeasurement>& measured) {
    if (output >= albumKeys_.size() || albumKeys_[output].isEmpty())
        return {};
    std::map<QString, LoudnessMeasurement> sources;
    std::vector<std::pair<QString, QString>> madeFiles;
    {
        const std::lock_guard lock(mutex_);
        Album& album = albums_[albumKeys_[output]];
        if (measured) {
            album.sources.emplace(sourceName, *measured);
            if (!madeFile.isEmpty())
                album.madeFiles.emplace_back(sourceName, madeFile);
        }
        if (album.outputsLeft == 0 || --album.outputsLeft > 0)
            return {};
        sources = album.sources;
        madeFiles = album.madeFiles;
    }
    std::vector<LoudnessMeasurement> parts;
    double albumPeak = 0;
    for (const auto& [name, part] : sources) {
        parts.push_back(part);
        albumPeak = std::max(albumPeak, part.samplePeak);
    }
    const double albumLufs = combinedLoudness(parts);
    std::vector<AlbumRewrite> rewrites;
    for (const auto& [source, file] : madeFiles)
        rewrites.push_back({file, withAlbumLoudness(trackLoudnessTags(sources.at(source)), albumLufs, albumPeak)});
    return rewrites;
}
