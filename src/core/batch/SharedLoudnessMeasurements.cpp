#include "SharedLoudnessMeasurements.h"

#include "core/components/ComponentError.h"

#include <chrono>

std::optional<LoudnessMeasurement> SharedLoudnessMeasurements::measure(ComponentSet& components,
                                                                       const QString& sourceName, SourceKind kind,
                                                                       const std::function<bool()>& mayContinue) {
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
        const auto measured = measureLoudness(components, sourceName, kind, mayContinue);
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
