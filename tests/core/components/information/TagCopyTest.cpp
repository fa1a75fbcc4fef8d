#include "core/components/information/AudioInformationComponent.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::readFile;

using testsupport::runTool;

// Makes half a second of tone in the format the file name's extension asks for, without any tag.
QString makeTone(const QTemporaryDir& dir, const QString& name, const QStringList& codec) {
    const QString file = dir.filePath(name);
    QStringList arguments{"-v", "error", "-nostdin", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=0.5"};
    arguments << "-map_metadata"
              << "-1"
              << "-fflags"
              << "+bitexact"
              << "-flags:a"
              << "+bitexact" << codec << file;
    const auto result = runTool("ffmpeg", arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return file;
}

QString copyOf(const QString& file, const QString& copyName) {
    const QString target = QFileInfo(file).dir().filePath(copyName);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(file, target));
    return target;
}

// A checksum of the decoded samples: tags may move the audio within the file but never change it.
QByteArray decodedAudio(const QString& file) {
    return runTool("ffmpeg", {"-v", "error", "-nostdin", "-i", file, "-map", "0:a", "-f", "md5", "-"}).out;
}

struct Tag {
    QString title, artist, album, comments, genre;
    int year = 0, track = 0;
    friend bool operator==(const Tag&, const Tag&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Tag& t) {
        return out << t.title.toStdString() << " | " << t.artist.toStdString() << " | " << t.album.toStdString()
                   << " | " << t.comments.toStdString() << " | " << t.genre.toStdString() << " | " << t.year << " | "
                   << t.track;
    }
};

Tag tagOf(const QString& file) {
    AudioInformationComponent info;
    info.loadTags(file);
    return {info.title(), info.artist(), info.album(), info.comments(), info.genreText(), info.year(), info.track()};
}

TEST(TagCopy, EveryTaggableFormatCarriesItsTagsIntoEveryOther) {
    QTemporaryDir dir;
    const QList<QPair<QString, QStringList>> formats{
        {"tone.mp3", {"-c:a", "libmp3lame", "-write_xing", "0"}},
        {"tone.mp2", {"-c:a", "mp2"}},
        {"tone.ogg", {"-c:a", "libvorbis"}},
        {"tone.wma", {"-c:a", "wmav2"}},
        {"tone.wav", {"-c:a", "pcm_s16le"}},
        {"tone_ADPCM.wav", {"-c:a", "adpcm_ms"}},
        {"tone_GSM.wav", {"-c:a", "gsm_ms", "-ar", "8000", "-ac", "1"}},
    };
    QStringList clean;
    QMap<QString, QByteArray> audio;
    for (const auto& [name, codec] : formats) {
        clean << makeTone(dir, name, codec);
        audio.insert(clean.back(), decodedAudio(clean.back()));
    }

    for (const QString& source : clean) {
        const QString suffix = QFileInfo(source).fileName();
        const Tag expected{"Title ✓ " + suffix, "Künstler Ω", "Album – 日本", "Notiz ½", "Trip-Hop", 2001, 4};
        const QString tagged = copyOf(source, "source_" + suffix);
        {
            AudioInformationComponent info;
            info.setTextProperty("infoTitle", expected.title);
            info.setTextProperty("infoArtist", expected.artist);
            info.setTextProperty("infoAlbum", expected.album);
            info.setTextProperty("infoComments", expected.comments);
            info.setTextProperty("infoGenreS", expected.genre);
            info.setYear(expected.year);
            info.setTrack(expected.track);
            info.storeTags(tagged);
        }
        for (const QString& destination : clean) {
            const QString output = copyOf(destination, "output_" + QFileInfo(destination).fileName());
            AudioInformationComponent info;
            info.loadTags(tagged);
            info.storeTags(output);
            EXPECT_EQ(tagOf(output), expected) << suffix.toStdString() << " -> " << output.toStdString();
            if (source == clean.front()) { // once per destination format is enough to show the sound is untouched
                EXPECT_EQ(decodedAudio(output), audio.value(destination)) << output.toStdString();
            }
        }
    }
}

TEST(TagCopy, FormatsWithoutTagsAreLeftByteIdentical) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    QTemporaryDir dir;
    QStringList untaggable{makeTone(dir, "tone.raw", {"-f", "s16le"}), makeTone(dir, "tone.au", {"-f", "au"})};
    // Headerless files whose first bytes happen to look like a taggable format must still be left alone.
    const QList<QPair<QString, QByteArray>> lookalikes{
        {"id3.vox", QByteArray("ID3\x03") + QByteArray(400, '\x11')},
        {"riff.g721", QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16) + QByteArray(400, '\x22')},
        {"ogg.g723", QByteArray("OggS") + QByteArray(400, '\x33')},
        {"sync.g726", QByteArray("\xff\xfb\x90\x64", 4) + QByteArray(400, '\x44')},
        {"riff.raw", QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16) + QByteArray(400, '\x55')},
    };
    for (const auto& [name, bytes] : lookalikes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        untaggable << file.fileName();
    }

    AudioInformationComponent info;
    info.loadTags(testsupport::fixture("fixtures/dhowden-tag/sample.tagged.ogg"));
    for (const QString& file : untaggable) {
        const QByteArray before = readFile(file);
        EXPECT_NO_THROW(info.storeTags(file)) << file.toStdString();
        EXPECT_EQ(readFile(file), before) << file.toStdString();

        AudioInformationComponent reader;
        EXPECT_NO_THROW(reader.loadTags(file)) << file.toStdString();
        EXPECT_EQ(reader.title(), "") << file.toStdString();
    }
}

} // namespace
