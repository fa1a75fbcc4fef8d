#include "BatchOptions.h"

#include "core/batch/BatchOrder.h"
#include "core/batch/LoudnessNormalization.h"

void BatchOptions::applyTo(BatchOrder& order) const {
    order.jobs = jobs;
    order.loudnessTarget = evenLoudness ? std::optional<double>(kDefaultLoudnessTarget) : std::nullopt;
    order.existing = existing;
    order.verifyOutputs = verifyOutputs;
    order.replayGain = replayGain;
    order.hiddenTrack = hiddenTrack;
}

BatchOptions BatchOptions::of(const BatchOrder& order) {
    return {order.jobs,       order.loudnessTarget.has_value(), order.existing, order.verifyOutputs, order.replayGain,
            order.hiddenTrack};
}
