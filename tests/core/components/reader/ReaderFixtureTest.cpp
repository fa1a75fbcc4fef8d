// Every shared fixture against FFmpeg's own command-line decoder: readable ones open and decode like it (exactly
// for PCM), broken ones fail cleanly.
#include "ReaderTestSupport.h"
#include "core/components/AudioFile2Component.h"
#include "core/components/ComponentError.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using readertest::FixtureRow;

std::vector<FixtureRow> audioRows(bool readable) {
    std::vector<FixtureRow> rows;
    for (const FixtureRow& row : readertest::manifestRows()) {
        if (row.readable == readable && !readertest::isVideoName(row.file))
            rows.push_back(row);
    }
    return rows;
}

// Samples one codec frame may hold; compressed lengths must agree with the decoded count within this.
qint64 frameTolerance(const QString& codecs) {
    if (codecs.contains(QLatin1String("audio:mp1")))
        return 384;
    if (codecs.contains(QLatin1String("audio:mp2")) || codecs.contains(QLatin1String("audio:mp3")) ||
        codecs.contains(QLatin1String("musepack")))
        return 1152;
    return 4096;
}

bool isPcm(const QString& codecs) {
    return codecs.contains(QLatin1String("audio:pcm_"));
}

class ReadableFixture : public testing::TestWithParam<FixtureRow> {};

// PCM must equal FFmpeg's decode value for value. For compressed sound the length must lie within one codec
// frame of what ffprobe states, or, where the header lies (cut files keeping their original header), of what
// FFmpeg really decodes.
TEST_P(ReadableFixture, DecodesLikeFfmpeg) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    const FixtureRow& row = GetParam();
    const QString path = testsupport::fixture(row.file);
    AudioFile2Component reader;
    try {
        reader.openForReading(path, 0, 1);
    } catch (const ComponentError& error) {
        EXPECT_NE(reader.lastError(), 0);
        EXPECT_FALSE(error.message().isEmpty());
        // Refusing is right only when nothing in it decodes (a header without sound, DRM).
        EXPECT_TRUE(readertest::ffmpegDecodesNothing(path, std::max(row.channels, 1))) << error.what();
        return;
    }
    const int channels = reader.channelCount();
    EXPECT_EQ(reader.lastError(), 0);
    EXPECT_EQ(reader.sampleRate(), row.sampleRate);
    EXPECT_EQ(channels, std::min(row.channels, 2)) << "more channels arrive mixed down to stereo";
    EXPECT_FALSE(reader.formatString().isEmpty());
    const qint64 lengthAtOpen = reader.lengthInSamples();
    EXPECT_EQ(reader.durationMs() > 0, lengthAtOpen > 0);

    const std::vector<float> decoded =
        readertest::readAll([&](int n) { return reader.readBlock(n); }, reader.sampleRate() * channels);
    const auto decodedFrames = static_cast<qint64>(decoded.size()) / channels;
    EXPECT_EQ(reader.lengthInSamples(), decodedFrames) << "the length is exact once the end has been read";
    EXPECT_TRUE(reader.readBlock(4096).empty());

    if (isPcm(row.codecs)) {
        const std::vector<float> expected = readertest::ffmpegDecode(path, channels);
        EXPECT_EQ(lengthAtOpen, static_cast<qint64>(expected.size()) / channels);
        EXPECT_TRUE(decoded == expected) << "PCM differs from FFmpeg's decode";
        return;
    }
    const qint64 tolerance = frameTolerance(row.codecs);
    const auto stated = static_cast<qint64>(std::llround(row.durationSeconds * row.sampleRate));
    if (std::llabs(lengthAtOpen - stated) <= tolerance && std::llabs(decodedFrames - stated) <= tolerance)
        return;
    const auto expectedFrames = static_cast<qint64>(readertest::ffmpegDecode(path, channels).size()) / channels;
    EXPECT_NEAR(decodedFrames, expectedFrames, tolerance);
    if (std::llabs(lengthAtOpen - stated) > tolerance) {
        EXPECT_NEAR(lengthAtOpen, expectedFrames, tolerance) << "ffprobe states " << stated;
    }
}

INSTANTIATE_TEST_SUITE_P(Manifest, ReadableFixture, testing::ValuesIn(readertest::rowsOrStandIn(audioRows(true))),
                         [](const testing::TestParamInfo<FixtureRow>& param) {
                             return readertest::testName(param.param.file);
                         });

class BrokenFixture : public testing::TestWithParam<FixtureRow> {};

// A broken or tag-only file never opens with sound it does not have: opening fails with a last error, or the
// file opens and reading ends after no more than FFmpeg finds in it.
TEST_P(BrokenFixture, FailsCleanly) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    const QString path = testsupport::fixture(GetParam().file);
    AudioFile2Component reader;
    try {
        reader.openForReading(path, 0, 1);
    } catch (const ComponentError& error) {
        EXPECT_NE(reader.lastError(), 0);
        EXPECT_NE(error.code(), 0);
        EXPECT_FALSE(error.message().isEmpty());
        return;
    }
    const std::vector<float> decoded = readertest::readAll([&](int n) { return reader.readBlock(n); }, 65536);
    // ffmpeg may give up on a broken file; it must still have run for the comparison to mean anything.
    const testsupport::ToolResult oracle = readertest::runFfmpegDecode(path, reader.channelCount(), {});
    ASSERT_GE(oracle.exitCode, 0) << "ffmpeg did not run";
    EXPECT_LE(decoded.size(), readertest::floatsOf(oracle.out).size() + 4096u * reader.channelCount());
}

INSTANTIATE_TEST_SUITE_P(Manifest, BrokenFixture, testing::ValuesIn(readertest::rowsOrStandIn(audioRows(false))),
                         [](const testing::TestParamInfo<FixtureRow>& param) {
                             return readertest::testName(param.param.file);
                         });

TEST(FfmpegOracle, AFailedDecodeFailsTheTestInsteadOfComparingWithNothing) {
    EXPECT_NONFATAL_FAILURE(readertest::ffmpegDecode(QStringLiteral("/no/such/file.wav"), 2), "could not decode");
}

} // namespace
