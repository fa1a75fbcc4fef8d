#include "core/components/transform/AudioTransformComponent.h"

#include <gtest/gtest.h>

namespace {

SampleBlock ramp(std::size_t count, float start, float step) {
    std::vector<float> values(count);
    for (std::size_t i = 0; i < count; ++i)
        values[i] = start + step * static_cast<float>(i);
    return SampleBlock(std::move(values));
}

TEST(AudioTransform, SplitAndJoinRoundTripExactly) {
    AudioTransformComponent transform;
    const SampleBlock stereo = ramp(2000, -0.999f, 0.000999f);
    const SampleBlock left = transform.leftChannel(stereo);
    const SampleBlock right = transform.rightChannel(stereo);
    ASSERT_EQ(left.size(), 1000u);
    ASSERT_EQ(right.size(), 1000u);
    EXPECT_EQ(left[3], stereo[6]);
    EXPECT_EQ(right[3], stereo[7]);
    EXPECT_TRUE(transform.joinChannels(left, right).values() == stereo.values());
    EXPECT_TRUE(transform.leftChannel(SampleBlock()).empty());
}

TEST(AudioTransform, MonoBecomesTwoEqualChannels) {
    AudioTransformComponent transform;
    const SampleBlock mono = ramp(5, 0.1f, 0.1f);
    const SampleBlock stereo = transform.monoToStereo(mono);
    ASSERT_EQ(stereo.size(), 10u);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        EXPECT_EQ(stereo[2 * i], mono[i]);
        EXPECT_EQ(stereo[2 * i + 1], mono[i]);
    }
}

// Joining sides of unequal length keeps every sample and fills the gap with silence.
TEST(AudioTransform, JoinPadsTheShorterSide) {
    AudioTransformComponent transform;
    const SampleBlock joined = transform.joinChannels(ramp(3, 0.5f, 0.0f), ramp(1, -0.5f, 0.0f));
    EXPECT_EQ(joined.values(), (std::vector<float>{0.5f, -0.5f, 0.5f, 0.0f, 0.5f, 0.0f}));
}

TEST(AudioTransform, VolumeScalesInPlaceAndClips) {
    AudioTransformComponent transform;
    SampleBlock block(std::vector<float>{0.5f, -0.25f, 1.0f, 0.0f, -1.0f});
    const SampleBlock original = block.clone();
    transform.changeVolume(block, 100.0f);
    EXPECT_EQ(block.values(), original.values());
    transform.changeVolume(block, 50.0f);
    for (std::size_t i = 0; i < block.size(); ++i)
        EXPECT_EQ(block[i], original[i] * 0.5f);
    transform.changeVolume(block, 400.0f);
    EXPECT_EQ(block.values(), (std::vector<float>{1.0f, -0.5f, 1.0f, 0.0f, -1.0f}));
}

TEST(AudioTransform, RemembersRateAndSwitch) {
    AudioTransformComponent transform;
    transform.setSampleRate(22050);
    EXPECT_EQ(transform.sampleRate(), 22050);
    transform.setChannelSwitch(-1);
    EXPECT_EQ(transform.channelSwitch(), -1);
    transform.setChannelSwitch(0);
    EXPECT_EQ(transform.channelSwitch(), 0);
}

} // namespace
