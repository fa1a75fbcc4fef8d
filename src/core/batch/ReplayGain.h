#pragma once

#include "LoudnessNormalization.h"
#include "core/components/information/TagValues.h"

#include <QString>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

// ReplayGain 2.0 plays every track at -18 LUFS; Opus's R128 gains aim at -23 LUFS.
inline constexpr double kReplayGainReferenceLufs = -18.0;
inline constexpr double kR128ReferenceLufs = -23.0;

// Gain in decibels as the tags write it: "-3.21 dB".
[[nodiscard]] QString replayGainText(double decibels);
// Linear peak, 1.0 = full scale: "0.988553".
[[nodiscard]] QString replayGainPeakText(double linear);
// The gain from the loudness to the R128 reference in 1/256 dB, clamped to a 16-bit integer: "-1234".
[[nodiscard]] QString r128GainText(double loudnessLufs);

// The track values of a measured source (gain, sample peak, and the R128 gain for Opus outputs). Empty for a silent
// source, which no gain brings to any loudness: its outputs then carry no gain at all rather than a wrong one.
[[nodiscard]] LoudnessTags trackLoudnessTags(const LoudnessMeasurement& measured);

// The album values added to a track's: the album's loudness and its highest sample peak. A silent album adds none.
[[nodiscard]] LoudnessTags withAlbumLoudness(LoudnessTags track, double albumLufs, double albumPeak);

// The album a source belongs to for album gain: its album artist and album, or empty when the source names no album
// (or its tags cannot be read, which its conversion reports on its own).
[[nodiscard]] QString albumKeyOf(const QString& sourceName);

// A finished output whose loudness tags are to be rewritten in place with album values.
struct AlbumRewrite {
    QString fileName;
    LoudnessTags loudness;
};

// Tracks the outputs of each album of a batch and says, once an album's last output is over, which files get the
// album values. Outputs whose source names no album, and sources that could not be measured, take no part. Safe to
// call from several workers.
class AlbumGainBook {
public:
    // albumKeys[i] is the album of the batch's output i (empty: none).
    explicit AlbumGainBook(std::vector<QString> albumKeys);

    // Output `output` of source `sourceName` is over: `madeFile` is the file written (empty when none was),
    // `measured` the source's measurement (none when it could not be measured). Returns the rewrites now due.
    [[nodiscard]] std::vector<AlbumRewrite> outputDone(std::size_t output, const QString& sourceName,
                                                       const QString& madeFile,
                                                       const std::optional<LoudnessMeasurement>& measured);

private:
    struct Album {
        std::size_t outputsLeft = 0;
        std::map<QString, LoudnessMeasurement> sources;
        std::vector<std::pair<QString, QString>> madeFiles; // source, file
    };

    std::vector<QString> albumKeys_;
    std::map<QString, Album> albums_;
    std::mutex mutex_;
};
