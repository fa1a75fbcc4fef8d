// The sound track of videos: shared fixtures and videos made here with a known tone.
#include "core/components/ComponentError.h"
#include "core/components/reader/ReaderTestSupport.h"
#include "core/components/video/VideoFileComponent.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using readertest::FixtureRow;

struct Progress {
    qint64 frames = 0;
    int lastPercent = -1;
    bool monotonic = true;
};

// Reads the whole track in one-second blocks as the conversion does, checking the percentage after each block.
Progress readWithProgress(VideoFileComponent& video) {
    Progress progress;
    const int blockValues = video.sampleRate() * video.channelCount();
    for (int guard = 0; guard < 100000; ++guard) {
        const SampleBlock block = video.readBlock(blockValues);
        if (block.empty())
            break;
        progress.frames += static_cast<qint64>(block.size()) / video.channelCount();
        const qint64 total = video.totalLength();
        const int percent = total > 0 ? static_cast<int>(std::min<qint64>(video.readPosition() * 100 / total, 100)) : 0;
        progress.monotonic = progress.monotonic && percent >= progress.lastPercent;
        progress.lastPercent = percent;
    }
    return progress;
}

std::vector<FixtureRow> videoRows() {
    std::vector<FixtureRow> rows;
    for (const FixtureRow& row : readertest::manifestRows()) {
        if (row.readable && readertest::isVideoName(row.file))
            rows.push_back(row);
    }
    return rows;
}

class VideoFixture : public testing::TestWithParam<FixtureRow> {};

TEST_P(VideoFixture, GivesItsSoundTrackOrRefuses) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    const FixtureRow& row = GetParam();
    const QString path = testsupport::fixture(row.file);
    VideoFileComponent video;
    const bool hasSound = row.codecs.contains(QLatin1String("audio:"));
    try {
        video.open(path);
    } catch (const ComponentError& error) {
        EXPECT_FALSE(error.message().isEmpty());
        if (!hasSound)
            EXPECT_EQ(error.code(), LastError::NoAudioStream);
        else
            EXPECT_TRUE(readertest::ffmpegDecodesNothing(path, std::max(row.channels, 1))) << error.what();
        return;
    }
    ASSERT_TRUE(hasSound);
    EXPECT_EQ(video.sampleRate(), row.sampleRate);
    EXPECT_EQ(video.channelCount(), row.channels);
    EXPECT_FALSE(video.formatDescription().isEmpty());
    const Progress progress = readWithProgress(video);
    const std::vector<float> expected = readertest::ffmpegDecode(path, video.channelCount());
    EXPECT_EQ(progress.frames, static_cast<qint64>(expected.size()) / video.channelCount());
    EXPECT_EQ(progress.lastPercent, 100);
    EXPECT_TRUE(progress.monotonic);
    EXPECT_EQ(video.totalLength(), progress.frames);
    EXPECT_GT(video.durationMs(), 0);
}

INSTANTIATE_TEST_SUITE_P(Manifest, VideoFixture, testing::ValuesIn(readertest::rowsOrStandIn(videoRows())),
                         [](const testing::TestParamInfo<FixtureRow>& param) {
                             return readertest::testName(param.param.file);
                         });

class VideoTest : public testing::Test {
protected:
    QString makeVideo(const QString& name, const QStringList& codecs, bool withSound = true) {
        const QString file = dir_.filePath(name);
        QStringList arguments{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=3"};
        if (withSound)
            arguments << QStringList{"-f",   "lavfi", "-i",   readertest::toneSource(3, 44100, 2),
                                     "-map", "0:v",   "-map", "1:a"};
        arguments << codecs << file;
        EXPECT_TRUE(readertest::ffmpegMake(arguments));
        return file;
    }
    QTemporaryDir dir_;
    VideoFileComponent video_;
};

// Each container with its usual codecs; the whole tone comes out and progress ends at exactly 100 %.
TEST_F(VideoTest, SoundTracksOfCommonContainers) {
    const std::vector<std::pair<QString, QStringList>> videos{
        {"tone.avi", {"-c:v", "mpeg4", "-c:a", "pcm_s16le"}},
        {"tone.mov", {"-c:v", "mpeg4", "-c:a", "aac"}},
        {"tone.mpg", {"-c:v", "mpeg1video", "-c:a", "mp2"}},
        {"tone.wmv", {"-c:v", "wmv2", "-c:a", "wmav2"}},
    };
    for (const auto& [name, codecs] : videos) {
        SCOPED_TRACE(name.toStdString());
        const QString file = makeVideo(name, codecs);
        video_.open(file);
        EXPECT_EQ(video_.sampleRate(), 44100);
        EXPECT_EQ(video_.channelCount(), 2);
        EXPECT_NEAR(video_.durationMs(), 3000, 100);
        const Progress progress = readWithProgress(video_);
        EXPECT_NEAR(progress.frames, 3 * 44100, 4096);
        EXPECT_EQ(progress.lastPercent, 100);
        EXPECT_TRUE(progress.monotonic);
        EXPECT_TRUE(video_.readBlock(1000).empty());
        video_.close();
        video_.close();
    }
    EXPECT_EQ(video_.readPosition(), 0);
    EXPECT_TRUE(video_.readBlock(1000).empty());
}

TEST_F(VideoTest, PcmTrackEqualsFfmpegDecode) {
    const QString file = makeVideo("exact.avi", {"-c:v", "mpeg4", "-c:a", "pcm_s16le"});
    video_.open(file);
    EXPECT_EQ(video_.formatDescription(), QStringLiteral("PCM 16-bit, 44100 Hz, Stereo"));
    const std::vector<float> values = readertest::readAll([&](int n) { return video_.readBlock(n); }, 88200);
    EXPECT_TRUE(values == readertest::ffmpegDecode(file, 2));
}

TEST_F(VideoTest, VideoWithoutSoundRefusesToOpen) {
    const QString file = makeVideo("silent.avi", {"-c:v", "mpeg4"}, false);
    try {
        video_.open(file);
        FAIL() << "opened a video without sound";
    } catch (const ComponentError& error) {
        EXPECT_EQ(error.code(), LastError::NoAudioStream);
        EXPECT_TRUE(error.message().contains(QLatin1String("no sound track")));
    }
    EXPECT_THROW(video_.open(dir_.filePath("missing.avi")), ComponentError);
}

} // namespace
