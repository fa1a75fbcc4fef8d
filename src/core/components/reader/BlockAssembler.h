#pragma once

#include "SourceDecoder.h"
#include "core/components/SampleBlock.h"

#include <vector>

// Cuts a decoder's frames into blocks of exactly the number of values asked for while data lasts. When a
// request splits a frame, the rest of it starts the next block, so the interleaving never slips.
class BlockAssembler {
public:
    [[nodiscard]] SampleBlock read(SourceDecoder& decoder, int valueCount);
    // Forgets a split frame (after a seek).
    void reset() { carry_.clear(); }

private:
    std::vector<float> carry_;
};
