#include "core/library/CueSheetReader.h"
#include "core/components/ComponentError.h"
#include "core/library/CueSheetText.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

// A folder holding a sheet and the (empty) images it names; finding an image only needs it to be there.
class SheetFolder {
public:
    void touch(const QString& name) const {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("album.cue")) const {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    CueSheet read(const QByteArray& bytes) const { return CueSheetReader::readFile(write(bytes)); }
    QString path(const QString& name) const { return QFileInfo(dir_.filePath(name)).absoluteFilePath(); }

private:
    QTemporaryDir dir_;
};

// The error a sheet raises, or an empty text when it reads.
QString errorOf(const SheetFolder& folder, const QByteArray& bytes) {
    try {
        [[maybe_unused]] const CueSheet sheet = folder.read(bytes);
    } catch (const ComponentError& error) {
        return error.message();
    }
    return QString();
}

// Four tracks whose titles are given as bytes in the sheet's encoding, with an ASCII frame around them.
QByteArray sheetWithTitles(const QByteArray& album, const std::vector<QByteArray>& titles) {
    QByteArray sheet = "PERFORMER \"Various\"\r\nTITLE \"" + album + "\"\r\nFILE \"album.wav\" WAVE\r\n";
    int number = 1;
    for (const QByteArray& title : titles) {
        sheet += QByteArray("  TRACK ") + (number < 10 ? "0" : "") + QByteArray::number(number) + " AUDIO\r\n";
        sheet += "    TITLE \"" + title + "\"\r\n";
        sheet += "    INDEX 01 0" + QByteArray::number(number) + ":00:00\r\n";
        ++number;
    }
    return sheet;
}

TEST(CueSheetReader, ReadsTheHeaderTheTracksAndTheirIndexes) {
    SheetFolder folder;
    folder.touch(QStringLiteral("Album Image.wav"));
    const CueSheet sheet = folder.read("REM GENRE \"Progressive Rock\"\n"
                                       "REM DATE 1994\n"
                                       "REM DISCNUMBER 2\n"
                                       "REM TOTALDISCS 3\n"
                                       "REM COMMENT \"Ripped with care\"\n"
                                       "REM REPLAYGAIN_ALBUM_GAIN -7.25 dB\n"
                                       "CATALOG 0123456789012\n"
                                       "PERFORMER \"The Band\"\n"
                                       "TITLE \"An \"Album\" With Quotes\"\n"
                                       "FILE \"Album Image.wav\" WAVE\n"
                                       "  TRACK 01 AUDIO\n"
                                       "    TITLE \"First\"\n"
                                       "    PERFORMER \"Guest\"\n"
                                       "    SONGWRITER \"Writer\"\n"
                                       "    ISRC GBAYE0000001\n"
                                       "    REM REPLAYGAIN_TRACK_GAIN -6.50 dB\n"
                                       "    FLAGS DCP\n"
                                       "    INDEX 01 00:00:00\n"
                                       "  track 02 audio\n"
                                       "    title Second\n"
                                       "    INDEX 00 03:59:70\n"
                                       "\tINDEX 01\t04:00:01\n"
                                       "    INDEX 02 04:30:00\n");
    EXPECT_EQ(sheet.title, QStringLiteral("An \"Album\" With Quotes"));
    EXPECT_EQ(sheet.performer, QStringLiteral("The Band"));
    EXPECT_EQ(sheet.genre, QStringLiteral("Progressive Rock"));
    EXPECT_EQ(sheet.date, QStringLiteral("1994"));
    EXPECT_EQ(sheet.discNumber, QStringLiteral("2"));
    EXPECT_EQ(sheet.totalDiscs, QStringLiteral("3"));
    EXPECT_EQ(sheet.comment, QStringLiteral("Ripped with care"));
    EXPECT_EQ(sheet.catalog, QStringLiteral("0123456789012"));
    EXPECT_EQ(sheet.replayGain.at(QStringLiteral("REPLAYGAIN_ALBUM_GAIN")), QStringLiteral("-7.25 dB"));
    ASSERT_EQ(sheet.images.size(), 1U);
    EXPECT_EQ(sheet.images[0].path, folder.path(QStringLiteral("Album Image.wav")));
    EXPECT_EQ(sheet.images[0].line, 10);

    ASSERT_EQ(sheet.tracks.size(), 2U);
    const CueTrack& first = sheet.tracks[0];
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.title, QStringLiteral("First"));
    EXPECT_EQ(first.performer, QStringLiteral("Guest"));
    EXPECT_EQ(first.songwriter, QStringLiteral("Writer"));
    EXPECT_EQ(first.isrc, QStringLiteral("GBAYE0000001"));
    EXPECT_EQ(first.replayGain.at(QStringLiteral("REPLAYGAIN_TRACK_GAIN")), QStringLiteral("-6.50 dB"));
    EXPECT_FALSE(first.pregapStart.has_value());
    EXPECT_EQ(first.start, 0);
    const CueTrack& second = sheet.tracks[1];
    EXPECT_EQ(second.title, QStringLiteral("Second"));
    EXPECT_TRUE(second.performer.isEmpty()) << "a track without its own performer keeps the field empty";
    EXPECT_EQ(second.pregapStart, (3 * 60 + 59) * 75 + 70);
    EXPECT_EQ(second.start, 4 * 60 * 75 + 1);
    EXPECT_EQ(second.startLine, 22);
}

TEST(CueSheetReader, DecodesUnicodeAndGuessedCodePages) {
    const QString russian[] = {QStringLiteral("Группа крови"), QStringLiteral("Закрой за мной дверь, я ухожу"),
                               QStringLiteral("Война"), QStringLiteral("Звезда по имени Солнце")};
    const QByteArray cp1251 =
        sheetWithTitles("\xC3\xF0\xF3\xEF\xEF\xE0\x20\xEA\xF0\xEE\xE2\xE8",
                        {"\xC3\xF0\xF3\xEF\xEF\xE0\x20\xEA\xF0\xEE\xE2\xE8",
                         "\xC7\xE0\xEA\xF0\xEE\xE9\x20\xE7\xE0\x20\xEC\xED\xEE\xE9\x20\xE4\xE2\xE5\xF0\xFC\x2C\x20\xFF"
                         "\x20\xF3\xF5\xEE\xE6\xF3",
                         "\xC2\xEE\xE9\xED\xE0",
                         "\xC7\xE2\xE5\xE7\xE4\xE0\x20\xEF\xEE\x20\xE8\xEC\xE5\xED\xE8\x20\xD1\xEE\xEB\xED\xF6\xE5"});
    const QString japanese[] = {QStringLiteral("春の海"), QStringLiteral("さくらさくら"), QStringLiteral("ふるさと"),
                                QStringLiteral("赤とんぼ")};
    const QByteArray shiftJis =
        sheetWithTitles("\x93\xFA\x96\x7B\x82\xCC\x89\xCC\x82\xC6\x82\xED\x82\xE7\x82\xD7\x82\xA4\x82\xBD",
                        {"\x8F\x74\x82\xCC\x8A\x43", "\x82\xB3\x82\xAD\x82\xE7\x82\xB3\x82\xAD\x82\xE7",
                         "\x82\xD3\x82\xE9\x82\xB3\x82\xC6", "\x90\xD4\x82\xC6\x82\xF1\x82\xDA"});

    std::vector<QByteArray> titlesUtf8;
    for (const QString& title : russian)
        titlesUtf8.push_back(title.toUtf8());
    const QString unicodeText = QString::fromUtf8(sheetWithTitles(russian[0].toUtf8(), titlesUtf8));
    QStringEncoder toUtf16Le(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QStringEncoder toUtf16Be(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);

    struct Case {
        const char* name;
        QByteArray bytes;
        const QString* titles;
        const char* encoding;
    };
    const Case cases[] = {
        {"UTF-8", unicodeText.toUtf8(), russian, "UTF-8"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + unicodeText.toUtf8(), russian, "UTF-8"},
        {"UTF-16LE", toUtf16Le(unicodeText), russian, "UTF-16LE"},
        {"UTF-16BE", toUtf16Be(unicodeText), russian, "UTF-16BE"},
        {"Windows-1251", cp1251, russian, "WINDOWS-1251"},
        {"Shift-JIS", shiftJis, japanese, "SHIFT_JIS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SheetFolder folder;
        folder.touch(QStringLiteral("album.wav"));
        EXPECT_EQ(CueSheetText::encodingOf(c.bytes), QLatin1String(c.encoding));
        const CueSheet sheet = folder.read(c.bytes);
        EXPECT_EQ(sheet.performer, QStringLiteral("Various"));
        ASSERT_EQ(sheet.tracks.size(), 4U);
        for (size_t at = 0; at < 4; ++at)
            EXPECT_EQ(sheet.tracks[at].title, c.titles[at]);
        EXPECT_EQ(sheet.tracks[3].start, 4 * 60 * 75);
    }
}

TEST(CueSheetReader, FindsAnImageUnderAnotherExtensionOrAnotherPath) {
    SheetFolder folder;
    folder.touch(QStringLiteral("album.flac"));
    folder.touch(QStringLiteral("Other.WV"));
    const CueSheet sheet =
        folder.read("FILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                    "FILE \"C:\\Rips\\other.wav\" WAVE\n  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n"
                    "FILE \"../elsewhere/ALBUM.FLAC\" WAVE\n  TRACK 03 AUDIO\n    INDEX 01 00:00:00\n");
    ASSERT_EQ(sheet.images.size(), 3U);
    EXPECT_EQ(sheet.images[0].named, QStringLiteral("album.wav"));
    EXPECT_EQ(sheet.images[0].path, folder.path(QStringLiteral("album.flac")));
    EXPECT_EQ(sheet.images[1].path, folder.path(QStringLiteral("Other.WV")));
    EXPECT_EQ(sheet.images[2].path, folder.path(QStringLiteral("album.flac")));
}

TEST(CueSheetReader, GivesEachTrackTheImageItStartsIn) {
    SheetFolder folder;
    for (const char* name : {"01.wav", "02 two.wav", "03.wav"})
        folder.touch(QString::fromLatin1(name));
    // The second track's pregap lies at the end of the first file: its INDEX 00 comes before its FILE line.
    const CueSheet sheet = folder.read("FILE \"01.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                       "  TRACK 02 AUDIO\n    TITLE Two\n    INDEX 00 03:10:00\n"
                                       "FILE 02 two.wav WAVE\n    INDEX 01 00:00:00\n"
                                       "FILE \"03.wav\" WAVE\n  TRACK 03 AUDIO\n    INDEX 00 00:00:00\n"
                                       "    INDEX 01 00:02:00\n");
    ASSERT_EQ(sheet.tracks.size(), 3U);
    EXPECT_EQ(sheet.tracks[0].image, 0);
    EXPECT_EQ(sheet.tracks[1].image, 1);
    EXPECT_EQ(sheet.tracks[1].title, QStringLiteral("Two"));
    EXPECT_FALSE(sheet.tracks[1].pregapStart.has_value());
    EXPECT_EQ(sheet.tracks[2].image, 2);
    EXPECT_EQ(sheet.tracks[2].start, 150);
    EXPECT_EQ(sheet.images[1].path, folder.path(QStringLiteral("02 two.wav")));
}

TEST(CueSheetReader, RefusesBrokenSheetsNamingTheLine) {
    SheetFolder folder;
    folder.touch(QStringLiteral("album.wav"));
    const QByteArray head = "TITLE \"x\"\nFILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n";
    struct Case {
        QByteArray sheet;
        const char* expected;
    };
    const Case cases[] = {
        {head + "    INDEX 01 00:10:00\n  TRACK 02 AUDIO\n    INDEX 01 00:09:74\n", "line 6: INDEX 01 of track 2"},
        {head + "    INDEX 01 00:10:00\n  TRACK 02 AUDIO\n    INDEX 00 00:05:00\n", "line 6: INDEX 00 of track 2"},
        {head + "    INDEX 00 00:10:00\n    INDEX 01 00:09:00\n", "line 5: INDEX 01 of track 1 lies before"},
        {head + "    INDEX 01 00:60:00\n", "line 4: “00:60:00” is no time"},
        {head + "    INDEX 01 00:00:75\n", "line 4: “00:00:75” is no time"},
        {head + "    INDEX 01 -1:00:00\n", "line 4:"},
        {head + "    INDEX 01\n", "line 4: “01” is no index"},
        {head + "    TITLE \"no index\"\n  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n", "line 3: track 1 has no INDEX 01"},
        {"TRACK 01 AUDIO\n  INDEX 01 00:00:00\n", "line 1: TRACK comes before any FILE line"},
        {"FILE \"album.wav\" WAVE\n  INDEX 01 00:00:00\n", "line 2: INDEX comes before any TRACK line"},
        {"FILE \"album.wav\" WAVE\n  TRACK 100 AUDIO\n    INDEX 01 00:00:00\n", "line 2: “100 AUDIO” is no track"},
        {"FILE \"gone.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n", "line 1: the image “gone.wav”"},
        {"TITLE \"only a header\"\nFILE \"album.wav\" WAVE\n", "it lists no tracks"},
        {"", "it lists no tracks"},
        {QByteArray("FILE \"album.wav\" WAVE\0\x01\x02\x03", 26), "it holds binary data"},
        {QByteArray("\x7F"
                    "ELF\x02\x01\x01\x03\x04",
                    9),
         "it holds binary data"},
        {QByteArray(CueSheetReader::kMaxSheetBytes + 1, 'A'), "bytes long"},
    };
    for (const Case& c : cases) {
        const QString error = errorOf(folder, c.sheet);
        EXPECT_TRUE(error.startsWith(QStringLiteral("album.cue")) && error.contains(QString::fromUtf8(c.expected)))
            << c.expected << " / got: " << error.toStdString();
    }
}

TEST(CueSheetReader, DamagedSheetsReadOrFailCleanly) {
    SheetFolder folder;
    folder.touch(QStringLiteral("album.wav"));
    const QString sheetPath = folder.path(QStringLiteral("album.cue"));
    const QByteArray valid = "\xEF\xBB\xBF" + sheetWithTitles("Album", {"One", "Two \"2\"", "Three", "Four"}) +
                             "  TRACK 05 AUDIO\r\n    INDEX 00 05:00:00\r\n    INDEX 01 05:02:00\r\n";
    std::mt19937 random(20261209);
    int read = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = valid;
        const int changes = 1 + int(random() % 8);
        for (int change = 0; change < changes && !bytes.isEmpty(); ++change) {
            const qsizetype at = qsizetype(random() % quint32(bytes.size()));
            switch (random() % 4) {
            case 0:
                bytes[at] = char(random() % 256);
                break;
            case 1:
                bytes.truncate(at);
                break;
            case 2:
                bytes.insert(at, bytes.mid(qsizetype(random() % quint32(bytes.size())), 12));
                break;
            default:
                bytes.remove(at, qsizetype(random() % 20));
                break;
            }
        }
        try {
            const CueSheet sheet = CueSheetReader::parse(bytes, sheetPath);
            EXPECT_FALSE(sheet.tracks.empty());
            for (const CueTrack& track : sheet.tracks)
                EXPECT_LT(size_t(track.image), sheet.images.size());
            ++read;
        } catch (const ComponentError& error) {
            EXPECT_FALSE(error.message().isEmpty());
        }
    }
    EXPECT_GT(read, 0) << "some damage leaves a usable sheet";
}

} // namespace
