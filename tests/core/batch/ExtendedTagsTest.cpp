// The fields music libraries keep beyond the seven (album artist, disc n/N, track total, composer, full date,
// lyrics, ISRC, loudness gains) reach every output in that format's own field, read back by ffprobe; copied gains
// go when the samples change; name templates take the new fields.
#include "core/batch/NameTemplate.h"
#include "core/formats/OutputFormat.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

namespace {

using testsupport::probedTags;
using testsupport::runTool;

const QString kLyrics = QStringLiteral("First line of the song");

// The outputs every build has, and those that join when their writers exist; each is tested once it is in the
// format table.
QStringList taggedOutputFormats() {
    QStringList formats{"mp3", "ogg", "wma"};
    for (const char* later : {"flac", "opus", "m4a", "alac", "aac"})
        if (outputFormatNamed(QString::fromLatin1(later)))
            formats.append(QString::fromLatin1(later));
    return formats;
}

QString makeAudio(const QTemporaryDir& folder, const QString& name, const QStringList& encodingAndTags) {
    const QString path = folder.filePath(name);
    const auto made = runTool("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i",
                                                    "sine=frequency=440:sample_rate=44100:duration=1"} +
                                            encodingAndTags + QStringList{path});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

// The value under the first of the names that is present (formats spell the same field differently).
QString anyOf(const QMap<QString, QString>& tags, const QStringList& names) {
    for (const QString& name : names)
        if (tags.contains(name))
            return tags.value(name);
    return {};
}

// ffprobe names ID3v2 lyrics after their language ("lyrics-eng"); the language is not what is checked here.
QString lyricsOf(const QMap<QString, QString>& tags) {
    for (auto tag = tags.begin(); tag != tags.end(); ++tag)
        if (tag.key().startsWith("lyrics") || tag.key() == "wm/lyrics")
            return tag.value();
    return {};
}

// "3/12" in one field, or the number and the total in two, as Vorbis comments keep them.
QString numberWithTotal(const QMap<QString, QString>& tags, const QString& number, const QString& total) {
    const QString value = tags.value(number);
    return tags.contains(total) ? value + "/" + tags.value(total) : value;
}

void expectEveryField(const QString& file) {
    SCOPED_TRACE(file.toStdString());
    const auto tags = probedTags(file);
    EXPECT_EQ(tags.value("title"), "Song");
    EXPECT_EQ(anyOf(tags, {"album_artist"}), "Various Players");
    EXPECT_EQ(tags.value("album"), "Collected");
    EXPECT_EQ(anyOf(tags, {"composer"}), "Some Composer");
    EXPECT_EQ(anyOf(tags, {"date", "wm/year"}), "2021-05-04");
    EXPECT_EQ(lyricsOf(tags), kLyrics);
    EXPECT_EQ(anyOf(tags, {"isrc", "tsrc", "wm/isrc"}), "USRC17607839");
    EXPECT_EQ(numberWithTotal(tags, "track", "tracktotal"), "3/12");
    EXPECT_EQ(numberWithTotal(tags, "disc", "disctotal"), "1/2");
}

QString convert(const QString& source, const QString& format, const QString& folder, const QStringList& options = {}) {
    const auto run = testsupport::runCli(QStringList{"convert", "--format", format, "--out", folder} + options +
                                         QStringList{"--", source});
    EXPECT_EQ(run.exitCode, 0) << run.stdErr.toStdString() << run.errors.join('\n').toStdString();
    return run.outputs.value(0);
}

TEST(ExtendedTags, EveryFieldOfAFlacReachesEveryOutputWithItsFullValue) {
    QTemporaryDir folder;
    const QString source = makeAudio(folder, "tagged source.flac", {"-c:a",      "flac",
                                                                    "-metadata", "title=Song",
                                                                    "-metadata", "album=Collected",
                                                                    "-metadata", "album_artist=Various Players",
                                                                    "-metadata", "disc=1/2",
                                                                    "-metadata", "track=3/12",
                                                                    "-metadata", "composer=Some Composer",
                                                                    "-metadata", "date=2021-05-04",
                                                                    "-metadata", "lyrics=" + kLyrics,
                                                                    "-metadata", "ISRC=USRC17607839"});
    expectEveryField(source);
    for (const QString& format : taggedOutputFormats())
        expectEveryField(convert(source, format, folder.filePath(format)));
}

TEST(ExtendedTags, EveryFieldOfAnMp3ReachesEveryOutputWithItsFullValue) {
    QTemporaryDir folder;
    const QString source = makeAudio(folder, "-dash source.mp3", {"-c:a", "libmp3lame"});
    {
        // TagLib's own mapping writes the ID3v2.4 frames, independent of our writer.
        TagLib::MPEG::File file(QFile::encodeName(source).constData());
        TagLib::PropertyMap properties;
        properties.insert("TITLE", TagLib::String("Song"));
        properties.insert("ALBUM", TagLib::String("Collected"));
        properties.insert("ALBUMARTIST", TagLib::String("Various Players"));
        properties.insert("DISCNUMBER", TagLib::String("1/2"));
        properties.insert("TRACKNUMBER", TagLib::String("3/12"));
        properties.insert("COMPOSER", TagLib::String("Some Composer"));
        properties.insert("DATE", TagLib::String("2021-05-04"));
        properties.insert("LYRICS", TagLib::String(kLyrics.toStdString(), TagLib::String::UTF8));
        properties.insert("ISRC", TagLib::String("USRC17607839"));
        file.ID3v2Tag(true)->setProperties(properties);
        ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2));
    }
    expectEveryField(source);
    for (const QString& format : taggedOutputFormats())
        expectEveryField(convert(source, format, folder.filePath(format)));
}

TEST(ExtendedTags, CopiedGainsStayOnlyWhileTheSamplesAreUnchanged) {
    QTemporaryDir folder;
    const QString source = makeAudio(folder, "gained.flac",
                                     {"-c:a", "flac", "-metadata", "album=Collected", "-metadata",
                                      "REPLAYGAIN_TRACK_GAIN=-7.00 dB", "-metadata", "REPLAYGAIN_TRACK_PEAK=0.500000"});
    const auto gainsOf = [](const QString& file) {
        const auto tags = probedTags(file);
        return anyOf(tags, {"replaygain_track_gain", "r128_track_gain"});
    };
    for (const QString& format : taggedOutputFormats()) {
        SCOPED_TRACE(format.toStdString());
        const QString unchanged = convert(source, format, folder.filePath("unchanged_" + format));
        const QString expected = format == "opus" ? QStringLiteral("-3072") : QStringLiteral("-7.00 dB");
        EXPECT_EQ(gainsOf(unchanged), expected) << "the samples are as they were, so the gain still holds";
        for (const QStringList& change : {QStringList{"--volume", "50"}, QStringList{"--normalize"}}) {
            const QString changed = convert(source, format, folder.filePath(change.join("") + format), change);
            EXPECT_EQ(gainsOf(changed), QString()) << change.join(' ').toStdString();
            EXPECT_EQ(probedTags(changed).value("album"), "Collected") << "the other tags are still copied";
        }
        const QString measured = convert(source, format, folder.filePath("measured_" + format), {"--replaygain"});
        EXPECT_FALSE(gainsOf(measured).isEmpty());
        EXPECT_NE(gainsOf(measured), expected) << "measured gains replace the copied ones";
    }
}

TEST(ExtendedTags, NameTemplatesTakeAlbumArtistDiscTrackTotalAndComposer) {
    QString whyNot;
    const auto names = NameTemplate::parse("{albumartist} - {disc}-{track} of {tracktotal} ({composer})", whyNot);
    ASSERT_TRUE(names) << whyNot.toStdString();
    NameFields fields;
    fields.name = "source";
    fields.albumArtist = "AC/DC";
    fields.disc = "1";
    fields.track = "3";
    fields.trackTotal = "12";
    fields.composer = "Some Composer";
    EXPECT_EQ(names->expand(fields), "AC_DC - 1-3 of 12 (Some Composer)");
    EXPECT_TRUE(names->readsTags());
    EXPECT_FALSE(NameTemplate::parse("{discnumber}", whyNot));
    EXPECT_TRUE(whyNot.contains("{tracktotal}")) << whyNot.toStdString();

    QTemporaryDir folder;
    const QString source = makeAudio(folder, "source.flac",
                                     {"-c:a", "flac", "-metadata", "album_artist=Various Players", "-metadata",
                                      "disc=2/2", "-metadata", "track=3/12", "-metadata", "composer=Some Composer"});
    const QString output = convert(source, "mp3", folder.filePath("named"),
                                   {"--name", "{albumartist} {disc}-{track}of{tracktotal} {composer}"});
    EXPECT_TRUE(output.endsWith("/Various Players 2-3of12 Some Composer.mp3")) << output.toStdString();
}

} // namespace
