#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct ComponentSet;
struct ImageTrack;
enum class SourceKind;

// What the meter kept of a measured source, so that sources can later be measured together as one album.
struct LoudnessBlocks;

// The loudness of a whole source after the EBU R128 rules.
struct LoudnessMeasurement {
    double integratedLufs = 0; // minus infinity for silence
    double truePeakDbtp = 0;   // minus infinity for silence
    double samplePeak = 0;     // the largest sample value, 1.0 = full scale
    std::shared_ptr<const LoudnessBlocks> blocks;
    int channels = 0; // of the sound as measured
    // The same sound as an output of the other channel count plays it: a mono source copied onto both channels of a
    // stereo output is 3 dB louder, a stereo one mixed to mono as loud as its mix. Kept for one and two channels.
    double otherChannelsLufs = 0;
    std::shared_ptr<const LoudnessBlocks> otherChannelsBlocks;
};

// The measurement as an output of that many channels will sound. Peaks stay those of the source: neither copying a
// channel nor averaging two raises a sample above the highest of the source.
[[nodiscard]] LoudnessMeasurement asOutputWith(const LoudnessMeasurement& measured, int outputChannels);

// The integrated loudness of the measured sources played one after another (minus infinity when all are silent or
// none is given), as one measurement of them all would find it.
[[nodiscard]] double combinedLoudness(const std::vector<LoudnessMeasurement>& parts);

// The default target of evening out loudness, and the ceiling no sample may pass after scaling.
inline constexpr double kDefaultLoudnessTarget = -23.0;
inline constexpr double kTruePeakCeilingDbtp = -1.0;

// Reads the whole source through the components (the reader, or the video component for a video source) in
// one-second blocks and measures it. Nothing when mayContinue says stop between blocks. Raises ComponentError
// when the source cannot be read.
[[nodiscard]] std::optional<LoudnessMeasurement> measureLoudness(ComponentSet& components, const QString& sourceName,
                                                                 SourceKind kind,
                                                                 const std::function<bool()>& mayContinue);

// As measureLoudness, for one track of an image: only the track's samples are read. The reader is closed after.
[[nodiscard]] std::optional<LoudnessMeasurement> measureTrackLoudness(ComponentSet& components, const ImageTrack& track,
                                                                      const std::function<bool()>& mayContinue);

// The volume percentage that brings the measured source to the target, lowered where needed so that the true peak
// stays below the ceiling. Nothing for a silent source, which no scaling can bring to any loudness.
[[nodiscard]] std::optional<float> normalizingPercent(const LoudnessMeasurement& measured, double targetLufs);
