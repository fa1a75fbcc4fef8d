#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// A block of interleaved samples, 32-bit float in [-1, 1], as it travels between the components.
// An empty block marks the end of the data. Blocks move; an explicit clone() makes the rare copy visible.
class SampleBlock {
public:
    SampleBlock() = default;
    explicit SampleBlock(std::vector<float> values) : values_(std::move(values)) {}
    explicit SampleBlock(std::size_t count) : values_(count, 0.0f) {}

    SampleBlock(SampleBlock&&) noexcept = default;
    SampleBlock& operator=(SampleBlock&&) noexcept = default;
    SampleBlock(const SampleBlock&) = delete;
    SampleBlock& operator=(const SampleBlock&) = delete;

    [[nodiscard]] SampleBlock clone() const { return SampleBlock(values_); }

    [[nodiscard]] std::size_t size() const { return values_.size(); }
    [[nodiscard]] bool empty() const { return values_.empty(); }
    [[nodiscard]] float* data() { return values_.data(); }
    [[nodiscard]] const float* data() const { return values_.data(); }
    [[nodiscard]] float& operator[](std::size_t index) { return values_[index]; }
    [[nodiscard]] float operator[](std::size_t index) const { return values_[index]; }
    [[nodiscard]] const std::vector<float>& values() const { return values_; }
    [[nodiscard]] std::vector<float>& values() { return values_; }
    [[nodiscard]] std::vector<float> release() { return std::move(values_); }

private:
    std::vector<float> values_;
};
