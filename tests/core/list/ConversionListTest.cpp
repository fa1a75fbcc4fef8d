#include "core/list/ConversionList.h"
#include "core/list/FileIntake.h"
#include "core/platform/FolderPaste.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::readFile;
using testsupport::writeFile;

TEST(RowText, SizesAreCutToThreeDecimalsInTheShortestForm) {
    const struct {
        qint64 bytes;
        const char* text;
    } cases[] = {{1572864, "1.5 MB"},
                 {1048576, "1 MB"},
                 {1000, "0 MB"},
                 {0, "0 MB"},
                 {-5, "0 MB"},
                 {1048575, "0.999 MB"},
                 {3682599, "3.512 MB"},
                 {1101005, "1.05 MB"},
                 {1048576LL * 4096 + 524288, "4096.5 MB"},
                 {std::numeric_limits<qint64>::max(), "8796093022207.999 MB"}};
    for (const auto& c : cases)
        EXPECT_EQ(RowText::size(c.bytes, QLatin1Char('.')), QLatin1String(c.text)) << c.bytes;
    EXPECT_EQ(RowText::size(1572864, QLatin1Char(',')), QStringLiteral("1,5 MB")) << "the system's separator";
}

TEST(RowText, TimesAndNumbers) {
    EXPECT_EQ(RowText::time(61999), QStringLiteral("1:01"));
    EXPECT_EQ(RowText::time(5000), QStringLiteral("0:05"));
    EXPECT_EQ(RowText::time(999), QStringLiteral("0:00"));
    EXPECT_EQ(RowText::time(75 * 60000 + 12000), QStringLiteral("75:12"));
    EXPECT_EQ(RowText::number(1), QStringLiteral("01"));
    EXPECT_EQ(RowText::number(9), QStringLiteral("09"));
    EXPECT_EQ(RowText::number(10), QStringLiteral("10"));
    EXPECT_EQ(RowText::number(100), QStringLiteral("100"));
}

TEST(ConversionListRules, AddDialogTypesAreInOrder) {
    const QStringList filters = addDialogFilters();
    ASSERT_EQ(filters.size(), 18);
    EXPECT_TRUE(filters[0].startsWith(QLatin1String("Audio and Video Formats (*.wav *.wave *.mp3 ")));
    EXPECT_EQ(filters[0].count(QStringLiteral("*.wma")), 1) << "patterns listed twice are given once";
    EXPECT_TRUE(filters[0].contains(QLatin1String(" *.asf ")));
    EXPECT_TRUE(filters[0].contains(QLatin1String(" *.flac ")) && filters[0].endsWith(QLatin1String(" *.3gp)")))
        << "newer source types can be chosen without switching the filter";
    EXPECT_EQ(filters[1], QStringLiteral("Wav Files (*.wav *.wave)"));
    EXPECT_EQ(filters[14], QStringLiteral("WMV Files (*.wmv *.asf)"));
    EXPECT_EQ(filters[15], QStringLiteral("Quick Time Files (*.mov *.qt)"));
    EXPECT_EQ(filters[16], QStringLiteral("Cue Sheets (*.cue)"));
    EXPECT_EQ(filters[17], QStringLiteral("All files (*)"));
}

class FileIntakeTest : public ::testing::Test {
protected:
    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    FakePrompts prompts;
    FileIntake intake{*components, prompts};
    ConversionList list;
    QTemporaryDir dir;

    void SetUp() override {
        factory.reader->setResult(QStringLiteral("durationMs"), 61999);
        factory.reader->setResult(QStringLiteral("formatString"), QStringLiteral("PCM 44100 Hz"));
        factory.video->setResult(QStringLiteral("durationMs"), 5000);
        factory.video->setResult(QStringLiteral("formatDescription"), QStringLiteral("AAC 48000 Hz"));
        factory.log->clear();
    }
    QStringList calls() const {
        QStringList relevant;
        for (const QString& call : *factory.log) {
            if (call.startsWith(QLatin1String("reader.")) || call.startsWith(QLatin1String("video.")))
                relevant.append(call);
        }
        return relevant;
    }
};

TEST_F(FileIntakeTest, AudioAndVideoRowsAreProbedFilledAndTheComponentsLeftClosed) {
    const QString song = dir.filePath(QStringLiteral("my song.wav"));
    writeFile(song, QByteArray(1572864, 'x'));
    auto row = intake.addfile(list, song, true);
    ASSERT_TRUE(row);
    EXPECT_EQ(calls(), (QStringList{"reader.close()", "reader.openForReading(" + song + ",0,1)", "reader.lastError()",
                                    "reader.durationMs()", "reader.formatString()", "reader.close()"}));
    EXPECT_EQ(row->number, QStringLiteral("01"));
    EXPECT_EQ(row->fileName, QStringLiteral("my song.wav"));
    EXPECT_EQ(row->size.section(QLatin1Char(' '), 1), QStringLiteral("MB"));
    EXPECT_EQ(row->time, QStringLiteral("1:01"));
    EXPECT_EQ(row->format, QStringLiteral("(Audio) PCM 44100 Hz"));
    EXPECT_EQ(row->fullName, song);
    EXPECT_TRUE(row->checked);
    EXPECT_EQ(row->kind, SourceKind::Audio);
    list.append(*row);

    factory.log->clear();
    auto video = intake.addfile(list, dir.filePath(QStringLiteral("missing clip.avi")), false);
    ASSERT_TRUE(video);
    EXPECT_EQ(calls().first(), QStringLiteral("video.close()"));
    EXPECT_EQ(calls().last(), QStringLiteral("video.close()"));
    EXPECT_EQ(video->number, QStringLiteral("02"));
    EXPECT_EQ(video->size, QStringLiteral("0 MB")) << "a size that cannot be read counts as nothing";
    EXPECT_EQ(video->time, QStringLiteral("0:05"));
    EXPECT_EQ(video->format, QStringLiteral("(Video) AAC 48000 Hz"));
    EXPECT_FALSE(video->checked);
    EXPECT_EQ(video->kind, SourceKind::Video);
    EXPECT_TRUE(prompts.shown.isEmpty());
    list.append(*video);

    // The newer containers are probed for their sound track like the older ones, and the batch learns so from the
    // row, not from its text.
    for (const char* name : {"phone.mp4", "show.mkv", "talk.webm", "camera.3gp"}) {
        factory.log->clear();
        auto clip = intake.addfile(list, dir.filePath(QLatin1String(name)), true);
        ASSERT_TRUE(clip) << name;
        EXPECT_EQ(calls().value(1), QStringLiteral("video.open(") + dir.filePath(QLatin1String(name)) + ")") << name;
        EXPECT_EQ(clip->kind, SourceKind::Video) << name;
        EXPECT_EQ(clip->format, QStringLiteral("(Video) AAC 48000 Hz")) << name;
        list.append(*clip);
    }
}

// Music saved in a video container holds nothing but sound: it comes in as an audio row, read by the reader; a
// container with a picture track stays a video.
TEST_F(FileIntakeTest, ContainersOfSoundAloneAreAudioRows) {
    const auto make = [&](const QString& name, bool withPictures) {
        QStringList arguments{"-v", "error", "-y", "-f", "lavfi", "-i", "sine=duration=1"};
        if (withPictures)
            arguments << QStringList{"-f", "lavfi", "-i", "testsrc=size=64x48:rate=5:duration=1", "-c:v", "libvpx"};
        const QString path = dir.filePath(name);
        const auto made = testsupport::runTool("ffmpeg", arguments << "-c:a"
                                                                   << "libopus" << path);
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path;
    };
    const QString song = make(QStringLiteral("song.webm"), false);
    const QString clip = make(QStringLiteral("clip.webm"), true);
    const auto songRow = intake.addfile(list, song, true);
    ASSERT_TRUE(songRow);
    EXPECT_EQ(songRow->kind, SourceKind::Audio);
    EXPECT_EQ(songRow->format, QStringLiteral("(Audio) PCM 44100 Hz"));
    EXPECT_TRUE(calls().contains("reader.openForReading(" + song + ",0,1)"));
    const auto clipRow = intake.addfile(list, clip, true);
    ASSERT_TRUE(clipRow);
    EXPECT_EQ(clipRow->kind, SourceKind::Video);
    EXPECT_EQ(clipRow->format, QStringLiteral("(Video) AAC 48000 Hz"));
}

TEST_F(FileIntakeTest, DuplicatesRefusalsAndZeroLengths) {
    ConversionRow existing;
    existing.fullName = QStringLiteral("/music/Song.mp3");
    list.append(existing);
    EXPECT_FALSE(intake.addfile(list, QStringLiteral("/music/Song.mp3"), true));
    EXPECT_TRUE(calls().isEmpty()) << "a listed name is not probed again";
    EXPECT_TRUE(intake.addfile(list, QStringLiteral("/music/song.mp3"), true)) << "other letter case is another file";

    factory.reader->setFailure(QStringLiteral("openForReading"), QStringLiteral("not a sound file"));
    factory.log->clear();
    EXPECT_FALSE(intake.addfile(list, QStringLiteral("/music/broken.mp3"), true));
    EXPECT_EQ(calls().last(), QStringLiteral("reader.close()"));
    EXPECT_TRUE(prompts.shown.isEmpty()) << "a file that does not open is refused without a word";
    factory.reader->setFailure(QStringLiteral("openForReading"), QString());

    factory.reader->setFailure(QStringLiteral("durationMs"), QStringLiteral("decoder gave up"));
    EXPECT_FALSE(intake.addfile(list, QStringLiteral("/music/hangs.mp3"), true));
    EXPECT_TRUE(prompts.shown.isEmpty());
    factory.reader->setFailure(QStringLiteral("durationMs"), QString());

    factory.reader->setResult(QStringLiteral("durationMs"), 0);
    factory.video->setResult(QStringLiteral("durationMs"), -1);
    EXPECT_FALSE(intake.addfile(list, QStringLiteral("/music/empty.AVI"), true)) << "probed as audio";
    EXPECT_FALSE(intake.addfile(list, QStringLiteral("/music/empty.avi"), true));
    EXPECT_EQ(prompts.shown, (QStringList{"Error|Invalid Audio Format!", "Error|Invalid Vidio Format!"}));
}

TEST(FilesToAdd, FoldersBringTheirSoundFilesRecursivelyInNameOrder) {
    QTemporaryDir dir;
    for (const char* name : {"album/b.MP3", "album/a.wav", "album/notes.txt", "album/disc 2/c.ogg", "album/Z.avi"})
        writeFile(dir.filePath(QLatin1String(name)), "x");
    const QString loose = dir.filePath(QStringLiteral("loose.txt"));
    const QStringList files = filesToAdd({loose, dir.filePath(QStringLiteral("album"))});
    const QString album = dir.filePath(QStringLiteral("album/"));
    EXPECT_EQ(files, (QStringList{loose, album + "a.wav", album + "b.MP3", album + "disc 2/c.ogg", album + "Z.avi"}));

    const QStringList named = commandLineNames({"tonalith", "relative.mp3", "--", "-dash.wav", "--"});
    ASSERT_EQ(named.size(), 3);
    EXPECT_EQ(named[0], QDir::current().absoluteFilePath(QStringLiteral("relative.mp3")));
    EXPECT_EQ(named[1], QDir::current().absoluteFilePath(QStringLiteral("-dash.wav")));
    EXPECT_EQ(named[2], QDir::current().absoluteFilePath(QStringLiteral("--"))) << "only the first -- ends options";
}

TEST(FolderPasteTest, CopiesAndReplacesOnlyOnAYes) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("from/song.wav"));
    writeFile(source, "new");
    writeFile(dir.filePath(QStringLiteral("from/album/inner/track.mp3")), "deep");
    writeFile(dir.filePath(QStringLiteral("to/song.wav")), "old");
    QStringList asked;
    bool answer = false;
    FolderPaste paste(dir.filePath(QStringLiteral("to")), [&](const QString& name) {
        asked.append(name);
        return answer;
    });

    EXPECT_TRUE(paste.paste({source}).isEmpty());
    EXPECT_EQ(asked, QStringList{"song.wav"});
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("to/song.wav"))), QByteArray("old")) << "no means no";
    answer = true;
    EXPECT_TRUE(paste.paste({source}).isEmpty());
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("to/song.wav"))), QByteArray("new"));

    EXPECT_TRUE(paste.paste({dir.filePath(QStringLiteral("from/album"))}).isEmpty());
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("to/album/inner/track.mp3"))), QByteArray("deep"));

    const QString missing = dir.filePath(QStringLiteral("from/gone.wav"));
    EXPECT_EQ(paste.paste({missing}), QStringList{missing});
    FolderPaste intoItself(dir.filePath(QStringLiteral("from/album/inner")), [](const QString&) { return true; });
    EXPECT_EQ(intoItself.paste({dir.filePath(QStringLiteral("from/album"))}).size(), 1);
    EXPECT_TRUE(intoItself.paste({dir.filePath(QStringLiteral("from/album/inner/track.mp3"))}).isEmpty())
        << "a file pasted onto itself is left alone";
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("from/album/inner/track.mp3"))), QByteArray("deep"));
}

} // namespace
