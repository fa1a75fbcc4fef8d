#include "core/components/ComponentError.h"
#include "core/components/common/GenreTable.h"
#include "core/components/information/AudioInformationComponent.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using testsupport::readFile;

using testsupport::fixture;
using testsupport::runTool;

// Every held value, compared as one piece so a failure shows the whole tag.
struct Values {
    QString title, artist, album, comments, genreText;
    int genreNumber = kNoGenre, year = 0, track = 0;
    friend bool operator==(const Values&, const Values&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Values& v) {
        return out << '{' << v.title.toStdString() << " | " << v.artist.toStdString() << " | " << v.album.toStdString()
                   << " | " << v.comments.toStdString() << " | " << v.genreText.toStdString() << " #" << v.genreNumber
                   << " y" << v.year << " t" << v.track << '}';
    }
};

Values held(AudioInformationComponent& info) {
    return {info.title(),     info.artist(),      info.album(), info.comments(),
            info.genreText(), info.genreNumber(), info.year(),  info.track()};
}

void setAll(AudioInformationComponent& info, const Values& values) {
    info.setTextProperty("infoTitle", values.title);
    info.setTextProperty("infoArtist", values.artist);
    info.setTextProperty("infoAlbum", values.album);
    info.setTextProperty("infoComments", values.comments);
    if (values.genreNumber != kNoGenre) {
        info.setGenreNumber(values.genreNumber);
    } else {
        info.setTextProperty("infoGenreS", values.genreText);
    }
    info.setYear(values.year);
    info.setTrack(values.track);
}

Values loaded(const QString& file, int version) {
    AudioInformationComponent info;
    info.setTagVersion(version);
    info.loadTags(file);
    return held(info);
}

// ID3v1 holds 30 characters per text; ffprobe reads its bytes as UTF-8, so the independent check needs plain ASCII.
const Values kAsciiValues{"Cafe Mueller", "Pina Bausch", "Tanztheater", "Purcell arr.", "Classical", 32, 1978, 9};
const Values kUnicodeValues{"Ünïcödé – タイトル", "Артист", "Album ✓ 2", "Kommentar: ½ ♫", "Trip-Hop", 27, 2024, 12};

QString copyFixture(const QTemporaryDir& dir, const QString& relativePath) {
    const QString target = dir.filePath(QFileInfo(relativePath).fileName());
    EXPECT_TRUE(QFile::copy(fixture(relativePath), target)) << relativePath.toStdString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

// Title, artist and album as ffprobe reads them, from the container's or the stream's tags, keys in lower case.
QMap<QString, QString> ffprobeTags(const QString& file) {
    const auto result =
        runTool("ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of", "json", file});
    QMap<QString, QString> tags;
    const QJsonObject root = QJsonDocument::fromJson(result.out).object();
    const auto collect = [&](const QJsonObject& object) {
        const QJsonObject found = object.value("tags").toObject();
        for (auto it = found.begin(); it != found.end(); ++it) {
            tags.insert(it.key().toLower(), it.value().toString());
        }
    };
    collect(root.value("format").toObject());
    for (const auto& stream : root.value("streams").toArray()) {
        collect(stream.toObject());
    }
    return tags;
}

void expectFfprobeAgrees(const QString& file, const Values& values) {
    const auto tags = ffprobeTags(file);
    EXPECT_EQ(tags.value("title"), values.title) << file.toStdString();
    EXPECT_EQ(tags.value("artist"), values.artist) << file.toStdString();
    EXPECT_EQ(tags.value("album"), values.album) << file.toStdString();
}

struct RoundTripCase {
    const char* fixture;
    int version;
    QString originalTitle;
    Values newValues;
    friend void PrintTo(const RoundTripCase& testCase, std::ostream* out) { *out << testCase.fixture; }
};

class FixtureRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(FixtureRoundTrip, StoredValuesReadBackHereAndInFfprobe) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    const RoundTripCase& param = GetParam();
    QTemporaryDir dir;
    const QString file = copyFixture(dir, param.fixture);

    AudioInformationComponent info;
    info.setTagVersion(param.version);
    info.loadTags(file);
    EXPECT_EQ(info.title(), param.originalTitle);
    EXPECT_FALSE(info.formatDescription().isEmpty());

    setAll(info, param.newValues);
    info.storeTags(file);

    EXPECT_EQ(loaded(file, param.version), param.newValues);
    expectFfprobeAgrees(file, param.newValues);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FixtureRoundTrip,
    ::testing::Values(RoundTripCase{"fixtures/dhowden-tag/sample.id3v11.mp3", 1, "Test Title", kAsciiValues},
                      RoundTripCase{"fixtures/dhowden-tag/sample.id3v24.mp3", 2, "Test Title", kUnicodeValues},
                      RoundTripCase{"fixtures/tinytag/mpeg1_id3v2.mp2", 2, "some title", kUnicodeValues},
                      RoundTripCase{"fixtures/dhowden-tag/sample.tagged.ogg", 2, "Test Title", kUnicodeValues},
                      RoundTripCase{"fixtures/tinytag/test2.wma", 2, "Doll", kUnicodeValues},
                      RoundTripCase{"fixtures/tinytag/riff_extra_zero.wav", 2, "Mission Bass", kUnicodeValues},
                      // A WAV with an ID3v2 chunk beside its INFO list: both must show the new values.
                      RoundTripCase{"fixtures/audio-scan/id3.wav", 2, "WAV Title", kUnicodeValues}),
    [](const auto& testCase) {
        return QFileInfo(testCase.param.fixture).completeBaseName().replace('.', '_').toStdString();
    });

TEST(AudioInformation, MpegVersionChoosesTheTagThatIsReadAndWritten) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    QTemporaryDir dir;
    const QString file = copyFixture(dir, "fixtures/audio-scan/v2-v1.mp3"); // ID3v2 with no title, ID3v1 with one
    EXPECT_EQ(loaded(file, 1).title, "Back In Black");
    EXPECT_EQ(loaded(file, 2).title, "");

    // Version 1 writes only the ID3v1 tag: the ID3v2 tag keeps its bytes.
    const QByteArray before = readFile(file);
    AudioInformationComponent info;
    info.setTagVersion(1);
    info.loadTags(file);
    info.setTextProperty("infoTitle", "Hells Bells à la Française"); // Latin-1 survives; ID3v1 cuts it to 30
    info.storeTags(file);
    const QByteArray after = readFile(file);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(after.size() - 128), before.left(before.size() - 128));
    EXPECT_EQ(loaded(file, 1).title, "Hells Bells à la Française");

    // Version 2 writes an ID3v2.3 tag and leaves the ID3v1 tag alone.
    info.setTagVersion(2);
    info.setTextProperty("infoTitle", "Shoot to Thrill");
    info.storeTags(file);
    const QByteArray third = readFile(file);
    EXPECT_EQ(third.left(4), QByteArray("ID3\x03", 4));
    EXPECT_EQ(third.right(128), after.right(128));
    EXPECT_EQ(loaded(file, 2).title, "Shoot to Thrill");
    EXPECT_EQ(loaded(file, 1).title, "Hells Bells à la Française");
}

TEST(AudioInformation, MpegFileWithOnlyTheOtherTagIsReadFromIt) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    // Copying tags must not lose them because the current version differs from the file's only tag.
    EXPECT_EQ(loaded(fixture("fixtures/dhowden-tag/sample.id3v11.mp3"), 2).title, "Test Title");
    EXPECT_EQ(loaded(fixture("fixtures/dhowden-tag/sample.id3v24.mp3"), 1).title, "Test Title");
    const Values none = loaded(fixture("fixtures/dhowden-tag/sample.notags.mp3"), 2);
    EXPECT_EQ(none, Values{});
}

TEST(AudioInformation, LoadReplacesEveryHeldValueAndDescribesTheFile) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    AudioInformationComponent info;
    setAll(info, kUnicodeValues);
    info.loadTags(fixture("fixtures/dhowden-tag/sample.tagged.ogg"));
    EXPECT_EQ(held(info), (Values{"Test Title", "Test Artist", "Test Album", "Test Comment", "Jazz", 8, 2000, 3}));
    EXPECT_TRUE(info.formatDescription().startsWith("Ogg Vorbis, ")) << info.formatDescription().toStdString();

    info.setTagVersion(1);
    info.loadTags(fixture("fixtures/dhowden-tag/sample.id3v11.mp3"));
    EXPECT_EQ(held(info), (Values{"Test Title", "Test Artist", "Test Album", "Test Comment", "Jazz", 8, 2000, 3}));
    EXPECT_TRUE(info.formatDescription().startsWith("MPEG-1 Layer III, ")) << info.formatDescription().toStdString();
    EXPECT_TRUE(info.formatDescription().endsWith("44100 Hz, Stereo")) << info.formatDescription().toStdString();

    info.loadTags(fixture("fixtures/dhowden-tag/sample.notags.mp3"));
    EXPECT_EQ(held(info), Values{});
}

TEST(AudioInformation, MusepackIsReadUnderBothItsExtensions) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    QTemporaryDir dir;
    const QString renamed = dir.filePath("song.mp+");
    ASSERT_TRUE(QFile::copy(fixture("fixtures/audio-scan/apev2.mpc"), renamed));
    for (const QString& file : {fixture("fixtures/audio-scan/apev2.mpc"), renamed}) {
        AudioInformationComponent info;
        info.loadTags(file);
        EXPECT_EQ(info.title(), "Special Cases [Akufen remix]") << file.toStdString();
        EXPECT_TRUE(info.formatDescription().startsWith("Musepack")) << info.formatDescription().toStdString();
    }
}

TEST(AudioInformation, DamagedFilesNeitherCrashNorHang) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    QTemporaryDir dir;
    for (const char* damaged :
         {"fixtures/taglib/segfault.wav", "fixtures/taglib/infloop.wav", "fixtures/taglib/segfault.mpc",
          "fixtures/taglib/infloop.mpc", "fixtures/taglib/zerodiv.mpc", "fixtures/taglib/segfault.oga",
          "fixtures/taglib/segfault.aif", "fixtures/taglib/invalid-frames1.mp3", "fixtures/taglib/zero-size-chunk.wav",
          "fixtures/audio-scan/v2.3-ext-header-invalid.mp3", "fixtures/tinytag/empty_file.wav",
          "fixtures/tinytag/invalid_object_size.wma"}) {
        const QString file = copyFixture(dir, damaged);
        AudioInformationComponent info;
        EXPECT_NO_THROW(info.loadTags(file)) << damaged;
        info.setTextProperty("infoTitle", "after the damage");
        try {
            info.storeTags(file);
        } catch (const ComponentError&) {
            // Refusing to write into a damaged file is as good as writing a readable tag.
            continue;
        }
        EXPECT_NO_THROW(info.loadTags(file)) << damaged;
    }
}

TEST(AudioInformation, GenreNumberAndTextFollowEachOther) {
    AudioInformationComponent info;
    for (int number = 0; number < kGenreCount; ++number) {
        ASSERT_EQ(info.genreName(number), genreName(number));
    }
    info.setGenreNumber(17);
    EXPECT_EQ(info.genreText(), "Rock");
    info.setTextProperty("infoGenreS", "jazz");
    EXPECT_EQ(info.genreNumber(), 8);
    info.setTextProperty("infoGenreS", "Chillwave");
    EXPECT_EQ(info.genreNumber(), kNoGenre);
    info.setGenreNumber(kNoGenre);
    EXPECT_EQ(info.genreText(), "Chillwave");
    info.setGenreNumber(8);
    info.setGenreNumber(kNoGenre);
    EXPECT_EQ(info.genreText(), "");
}

TEST(AudioInformation, FailuresRaiseComponentError) {
    QTemporaryDir dir;
    AudioInformationComponent info;
    try {
        info.loadTags(dir.filePath("missing.mp3"));
        FAIL() << "no error for a missing file";
    } catch (const ComponentError& error) {
        EXPECT_EQ(error.code(), LastError::FileNotFound);
    }
    EXPECT_THROW(info.loadTags(dir.path()), ComponentError);
    EXPECT_THROW(info.storeTags(dir.filePath("missing.ogg")), ComponentError);
    EXPECT_THROW(info.setTextProperty("infoYear", "1999"), ComponentError);
    EXPECT_NO_THROW(info.setTextProperty("INFOTITLE", "x"));
    EXPECT_THROW(info.setTagVersion(3), ComponentError);

    // A file that claims a taggable format but is damaged reads as untagged and refuses a tag.
    const QString damaged = dir.filePath("damaged.ogg");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("OggS") + QByteArray(200, '\x7f'));
    file.close();
    info.loadTags(damaged);
    EXPECT_EQ(held(info), Values{});
    EXPECT_THROW(info.storeTags(damaged), ComponentError);
}

} // namespace
