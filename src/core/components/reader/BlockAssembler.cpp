#include "BlockAssembler.h"

#include <algorithm>

namespace {
// Blocks grow in steps of this many frames, so a huge request near the end of a file never allocates much more
// than the data it gets.
constexpr qint64 kReadStepFrames = 1 << 16;
} // namespace

SampleBlock BlockAssembler::read(SourceDecoder& decoder, int valueCount) {
    if (valueCount <= 0)
        return {};
    const auto channels = static_cast<std::size_t>(decoder.channelCount());
    const auto wanted = static_cast<std::size_t>(valueCount);
    std::vector<float> values = std::move(carry_);
    carry_.clear();
    while (values.size() < wanted) {
        const auto missingFrames = static_cast<qint64>((wanted - values.size() + channels - 1) / channels);
        const qint64 step = std::min(missingFrames, kReadStepFrames);
        const std::size_t start = values.size();
        values.resize(start + static_cast<std::size_t>(step) * channels);
        const qint64 got = decoder.readFrames(values.data() + start, step);
        values.resize(start + static_cast<std::size_t>(got) * channels);
        if (got < step)
            break;
    }
    if (values.size() > wanted) {
        carry_.assign(values.begin() + static_cast<std::ptrdiff_t>(wanted), values.end());
        values.resize(wanted);
    }
    return SampleBlock(std::move(values));
}
