#include "SharedLoudnessMeasurements.h"

#include "core/components/ComponentError.h"

#include <chrono>

std::optional<LoudnessMeasurement> SharedLoudnessMeasurements::measure(ComponentSet& components,
                                                                       const QString& sourceName, SourceKind kind,
                                                                       const std::function<bool()>& mayContinue) {
    return measureOnce(sourceName, [&] { return measureLoudness(components, sourceName, kind, mayContinue); });
}

std::optional<LoudnessMeasurement> SharedLoudnessMeasurements::measureTrack(ComponentSet& components,
                                                                            const QString& key, const ImageTrack& track,
                                                                            const std::function<bool()>& mayContinue) {
    return measureOnce(key, [&] { return measureTrackLoudness(components, track, mayContinue); });
}

template <typename Measure>
std::optional<LoudnessMeasurement> SharedLoudnessMeasurements::measureOnce(const QString& sourceName,
                                                                           Measure measureNow) {
    std::promise<std::optional<LoudnessMeasurement>> measuring;
    Measurement known;
    {
        const std::lock_guard lock(mutex_);
        const auto [entry, isNew] = measurements_.try_emplace(sourceName);
        if (isNew)
            entry->second = measuring.get_future().share();
        else
            known = entry->second;
    }
    if (known.valid())
        return known.get();
    try {
        const auto measured = measureNow();
        measuring.set_value(measured);
        return measured;
    } catch (...) {
        measuring.set_exception(std::current_exception());
        throw;
    }
}

std::optional<LoudnessMeasurement> SharedLoudnessMeasurements::finished(const QString& sourceName) {
    Measurement known;
    {
        const std::lock_guard lock(mutex_);
        if (const auto entry = measurements_.find(sourceName); entry != measurements_.end())
            known = entry->second;
    }
    if (!known.valid() || known.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return std::nullopt;
    try {
        return known.get();
    } catch (const ComponentError&) {
        return std::nullopt;
    }
}
