// The fields beyond the seven in the tag editor's round trip, and loudness fields rewritten in place.
#include "core/components/information/AudioInformationComponent.h"
#include "core/components/information/TagAccess.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

namespace {

using testsupport::runTool;

QString makeAudio(const QTemporaryDir& folder, const QString& name, const QStringList& encoding) {
    const QString path = folder.filePath(name);
    const auto made = runTool("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i",
                                                    "sine=frequency=440:sample_rate=48000:duration=1"} +
                                            encoding + QStringList{path});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

TEST(ExtendedFields, TheTagEditorsYearAndTrackWinOverTheFullDateAndKeepTheTotals) {
    QTemporaryDir folder;
    const QString mp3 = makeAudio(folder, "song.mp3", {"-c:a", "libmp3lame"});
    {
        TagLib::MPEG::File file(QFile::encodeName(mp3).constData());
        TagLib::PropertyMap properties;
        properties.insert("DATE", TagLib::String("2021-05-04"));
        properties.insert("TRACKNUMBER", TagLib::String("3/12"));
        properties.insert("ALBUMARTIST", TagLib::String("Various Players"));
        file.ID3v2Tag(true)->setProperties(properties);
        ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2));
    }
    AudioInformationComponent info;
    info.loadTags(mp3);
    EXPECT_EQ(info.year(), 2021);
    EXPECT_EQ(info.track(), 3);
    info.storeTags(mp3);
    EXPECT_EQ(tagaccess::readFile(mp3).date, "2021-05-04") << "an unchanged year keeps the full date";

    info.setYear(2019);
    info.setTrack(4);
    info.storeTags(mp3);
    const TagValues stored = tagaccess::readFile(mp3);
    EXPECT_EQ(stored.date, "2019") << "a date that no longer matches the year would contradict it";
    EXPECT_EQ(stored.track, 4);
    EXPECT_EQ(stored.trackTotal, 12);
    EXPECT_EQ(stored.albumArtist, "Various Players");
}

TEST(ExtendedFields, LoudnessFieldsAreReplacedInPlaceInEachFormatsOwnSpelling) {
    QTemporaryDir folder;
    LoudnessTags gains;
    gains.trackGain = "-3.21 dB";
    gains.trackPeak = "0.500000";
    gains.albumGain = "-2.00 dB";
    gains.albumPeak = "0.700000";
    gains.r128TrackGain = "-2102";
    gains.r128AlbumGain = "-1792";

    const QString opus = makeAudio(folder, "song.opus", {"-c:a", "libopus", "-metadata", "title=Kept"});
    tagaccess::replaceLoudness(opus, gains);
    const TagValues opusValues = tagaccess::readFile(opus);
    EXPECT_EQ(opusValues.loudness.r128TrackGain, "-2102");
    EXPECT_EQ(opusValues.loudness.r128AlbumGain, "-1792");
    EXPECT_TRUE(opusValues.loudness.trackGain.isEmpty()) << "Opus players read only the R128 fields";
    EXPECT_EQ(opusValues.title, "Kept");

    const QString ogg = makeAudio(folder, "song.ogg", {"-c:a", "libvorbis", "-metadata", "R128_TRACK_GAIN=-2102"});
    tagaccess::replaceLoudness(ogg, gains);
    const TagValues oggValues = tagaccess::readFile(ogg);
    EXPECT_EQ(oggValues.loudness.trackGain, "-3.21 dB");
    EXPECT_EQ(oggValues.loudness.albumPeak, "0.700000");
    EXPECT_TRUE(oggValues.loudness.r128TrackGain.isEmpty());

    tagaccess::replaceLoudness(ogg, {});
    EXPECT_TRUE(tagaccess::readFile(ogg).loudness.empty()) << "empty values remove every loudness field";

    const QString raw = folder.filePath("song.raw");
    QFile rawFile(raw);
    ASSERT_TRUE(rawFile.open(QIODevice::WriteOnly));
    rawFile.write(QByteArray(4000, '\x11'));
    rawFile.close();
    tagaccess::replaceLoudness(raw, gains);
    ASSERT_TRUE(rawFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(rawFile.readAll(), QByteArray(4000, '\x11')) << "headerless sound never takes a tag";
    EXPECT_NO_THROW(tagaccess::replaceLoudness(folder.filePath("missing.mp3"), gains));
}

} // namespace
