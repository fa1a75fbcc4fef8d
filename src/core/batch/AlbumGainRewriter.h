#pragma once

#include "BatchPlan.h"
#include "LoudnessNormalization.h"
#include "OutputMaker.h"
#include "ReplayGain.h"

#include <cstddef>
#include <optional>
#include <vector>

// Gives the made outputs of each album of a batch their album gain: once the last output of an album is over, the
// loudness tags of the album's made outputs are rewritten in place with the album's values. Outputs whose source
// names no album take no part. Safe to call from several workers.
class AlbumGainRewriter {
public:
    // Reads the album of every audio source of the plan, once per source.
    explicit AlbumGainRewriter(const std::vector<BatchOutput>& plan);

    // Output `index` is over with `report`, its source measured as its channels play it (nothing when it was not).
    // When it ends its album, the album's made outputs are rewritten; a rewrite that fails turns this report into a
    // failure.
    void outputDone(std::size_t index, OutputReport& report, const std::optional<LoudnessMeasurement>& measured);

private:
    const std::vector<BatchOutput>& plan_;
    AlbumGainBook albums_;
};
