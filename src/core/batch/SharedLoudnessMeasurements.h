#pragma once

#include "LoudnessNormalization.h"

#include <QString>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <optional>

struct ComponentSet;
struct ImageTrack;
enum class SourceKind;

// The loudness of each source of a batch, measured once however many outputs need it: a worker that needs a source
// another worker is measuring waits for that measurement instead of decoding the source again. Safe to use from
// several workers.
class SharedLoudnessMeasurements {
public:
    // The source's measurement, made with the caller's components when no worker has begun it. Nothing when the
    // measurement stopped because mayContinue said so between blocks; raises ComponentError, to every worker that
    // asks for it, when the source cannot be read.
    [[nodiscard]] std::optional<LoudnessMeasurement> measure(ComponentSet& components, const QString& sourceName,
                                                             SourceKind kind, const std::function<bool()>& mayContinue);
    // As measure, for one track of an image, kept under `key` (see soundKeyOf).
    [[nodiscard]] std::optional<LoudnessMeasurement> measureTrack(ComponentSet& components, const QString& key,
                                                                  const ImageTrack& track,
                                                                  const std::function<bool()>& mayContinue);

    // The source's measurement when it has been made to its end; nothing when it was never begun, is still under
    // way, stopped, or failed (the output that asked for it reports that failure).
    [[nodiscard]] std::optional<LoudnessMeasurement> finished(const QString& sourceName);

private:
    template <typename Measure> std::optional<LoudnessMeasurement> measureOnce(const QString& key, Measure measureNow);

    using Measurement = std::shared_future<std::optional<LoudnessMeasurement>>;

    std::mutex mutex_;
    std::map<QString, Measurement> measurements_;
};
