// Sound in the containers people download (WebM with Opus, MP4 with AAC, Matroska with FLAC), with and without a
// picture track: the container's tags and those of its sound track reach the MP3 output, read back by ffprobe.
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::md5Of;
using testsupport::runTool;

struct TaggedContainer {
    const char* fileName;
    QStringList soundCodec;
    bool withPictures;
    bool keepsTrackTags = true; // MP4 keeps no tags of its own on a track
};

void PrintTo(const TaggedContainer& container, std::ostream* out) {
    *out << container.fileName << (container.withPictures ? " with pictures" : "");
}

class ContainerTags : public ::testing::TestWithParam<TaggedContainer> {};

TEST_P(ContainerTags, ReachTheMp3OutputWithTheSoundTracksOwn) {
    const TaggedContainer& container = GetParam();
    QTemporaryDir folder;
    const QString source = folder.filePath(QLatin1String(container.fileName));
    QStringList arguments{"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=660:sample_rate=48000:duration=2"};
    if (container.withPictures)
        arguments << QStringList{"-f",   "lavfi", "-i",   "testsrc=size=160x120:rate=10:duration=2",
                                 "-map", "0:a",   "-map", "1:v"};
    arguments << container.soundCodec;
    // Download tools write the container's tags; a track's own tags are where some muxers keep the rest.
    arguments << QStringList{"-metadata",
                             "title=Night Drive",
                             "-metadata",
                             "artist=The Saved Songs",
                             container.keepsTrackTags ? "-metadata:s:a:0" : "-metadata",
                             "album=Track Album"};
    const auto made = runTool("ffmpeg", arguments << source);
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const auto sourceTags = testsupport::probedTags(source);
    ASSERT_EQ(sourceTags.value("album"), "Track Album");
    const QByteArray sourceBefore = md5Of(source);

    const auto run = testsupport::runCli({"convert", "--format", "mp3", "--out", folder.filePath("out"), "--", source});
    ASSERT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString() << run.stdErr.toStdString();
    ASSERT_EQ(run.outputs.size(), 1);
    const auto tags = testsupport::probedTags(run.outputs.front());
    EXPECT_EQ(tags.value("title"), "Night Drive");
    EXPECT_EQ(tags.value("artist"), "The Saved Songs");
    EXPECT_EQ(tags.value("album"), "Track Album");
    EXPECT_EQ(md5Of(source), sourceBefore);
}

INSTANTIATE_TEST_SUITE_P(DownloadedMusic, ContainerTags,
                         ::testing::Values(TaggedContainer{"song.webm", {"-c:a", "libopus"}, false},
                                           TaggedContainer{"song.mp4", {"-c:a", "aac"}, false, false},
                                           TaggedContainer{"song.mkv", {"-c:a", "flac"}, false},
                                           TaggedContainer{"clip.webm", {"-c:a", "libopus", "-c:v", "libvpx"}, true},
                                           TaggedContainer{"clip.mp4", {"-c:a", "aac", "-c:v", "mpeg4"}, true, false}));

} // namespace
