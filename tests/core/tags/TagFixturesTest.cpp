#include "TagTestFiles.h"
#include "core/tags/ID3v1.h"
#include "core/tags/ID3v2.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <vector>

// The shared fixtures come with an independent structure scan of their tags (MANIFEST.tsv). Where our rules give the
// same answer as a full reader would (single-byte texts, tags within the file, one frame of a kind), Load must agree.

namespace {

struct ManifestRow {
    QString file;
    QString scan;
};

std::vector<ManifestRow> manifestRows() {
    QFile manifest(testsupport::fixture("MANIFEST.tsv"));
    std::vector<ManifestRow> rows;
    if (!manifest.open(QIODevice::ReadOnly))
        return rows;
    const QList<QByteArray> lines = manifest.readAll().split('\n');
    const QList<QByteArray> header = lines.value(0).split('\t');
    const qsizetype fileColumn = header.indexOf("file");
    const qsizetype scanColumn = header.indexOf("structure_scan");
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QList<QByteArray> cells = lines[index].split('\t');
        if (cells.size() > std::max(fileColumn, scanColumn))
            rows.push_back({QString::fromUtf8(cells[fileColumn]), QString::fromUtf8(cells[scanColumn])});
    }
    return rows;
}

// Reads one quoted value as the scan writes it (single or double quotes, backslash escapes) starting at text[start].
QString unquote(const QString& text, qsizetype& position) {
    const QChar quote = text[position++];
    QString value;
    while (position < text.size() && text[position] != quote) {
        QChar character = text[position++];
        if (character == '\\' && position < text.size()) {
            const QChar escaped = text[position++];
            const int digits = escaped == 'x' ? 2 : escaped == 'u' ? 4 : escaped == 'U' ? 8 : 0;
            if (digits > 0) {
                const auto code = static_cast<char32_t>(text.mid(position, digits).toUInt(nullptr, 16));
                value += QString::fromUcs4(&code, 1);
                position += digits;
                continue;
            }
            character = escaped == 'n'   ? QChar('\n')
                        : escaped == 't' ? QChar('\t')
                        : escaped == 'r' ? QChar('\r')
                                         : escaped;
        }
        value += character;
    }
    ++position;
    return value;
}

// The KEY=value pairs of one part of a scan: quoted texts, or bare words such as track=16.
QMap<QString, QString> scanValues(const QString& part) {
    QMap<QString, QString> values;
    static const QRegularExpression key(QStringLiteral("([A-Za-z0-9#]+)=(?=['\"]|[^'\"\\s;}])"));
    qsizetype position = 0;
    for (;;) {
        const QRegularExpressionMatch match = key.match(part, position);
        if (!match.hasMatch())
            return values;
        position = match.capturedEnd();
        if (part[position] == '\'' || part[position] == '"') {
            values.insert(match.captured(1), unquote(part, position));
        } else {
            const qsizetype end = part.indexOf(QRegularExpression(QStringLiteral("[\\s;}]")), position);
            values.insert(match.captured(1), part.mid(position, end < 0 ? -1 : end - position));
            position = end < 0 ? part.size() : end;
        }
    }
}

QString partStartingWith(const QString& scan, const QString& prefix) {
    for (const QString& part : scan.split(QStringLiteral(" | ")))
        if (part.trimmed().startsWith(prefix))
            return part.trimmed();
    return {};
}

QString latin1(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

// The scan keeps at most 60 characters of a value, and it strips blanks (non-breaking ones too) at both ends
// where our texts keep leading blanks; the trimming rules themselves are tested on files made for them.
void expectSameText(const QByteArray& loaded, const QString& scanned, const char* field) {
    SCOPED_TRACE(field);
    const QString text = latin1(loaded).trimmed();
    if (scanned.size() >= 60) {
        EXPECT_TRUE(text.startsWith(scanned)) << text.toStdString();
    } else {
        EXPECT_EQ(text, scanned);
    }
}

TEST(TagFixtures, ID3v1LoadAgreesWithTheScan) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    int compared = 0;
    for (const ManifestRow& row : manifestRows()) {
        const QString part = partStartingWith(row.scan, QStringLiteral("ID3v1."));
        if (part.isEmpty())
            continue;
        SCOPED_TRACE(row.file.toStdString());
        const QMap<QString, QString> values = scanValues(part);
        TID3v1 tag;
        ASSERT_TRUE(tag.Load(testsupport::fixture(row.file)));
        ASSERT_TRUE(tag.TagFound());
        EXPECT_EQ(tag.SubVersion(), part.startsWith(QStringLiteral("ID3v1.1")) ? 2 : 1);
        expectSameText(tag.Title(), values.value("title"), "title");
        expectSameText(tag.Artist(), values.value("artist"), "artist");
        expectSameText(tag.Album(), values.value("album"), "album");
        expectSameText(tag.Year(), values.value("year"), "year");
        expectSameText(tag.Comment(), values.value("comment"), "comment");
        EXPECT_EQ(tag.Track(), values.value("track", "0").toInt());
        if (values.contains("genre#") && !values.value("genre#").isEmpty()) {
            EXPECT_EQ(tag.GenreNumber(), values.value("genre#").toInt());
        }
        ++compared;
    }
    EXPECT_GE(compared, 35) << compared;
}

// Frames the scan lists more than once ("TIT2x2"): our rule keeps the last, a scan may show another.
bool listedOnce(const QString& part, const char* identifier) {
    return !part.contains(QString::fromLatin1(identifier) + 'x');
}

// The scan shows undecodable values as "<...>".
bool decodedValue(const QMap<QString, QString>& values, const char* identifier) {
    return values.contains(identifier) && !values.value(identifier).startsWith('<');
}

// The frame was found and its text is stored with encoding byte 0 (ISO-8859-1), so bytes and characters agree.
bool singleByteFrame(const TagScan& scan, FrameSlot slot) {
    const QByteArray& raw = scan.texts[slot];
    return !raw.isEmpty() && raw[0] == '\0';
}

TEST(TagFixtures, ID3v2LoadAgreesWithTheScanOfVersion3Tags) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    static const QRegularExpression headerPattern(
        QStringLiteral("^ID3v2\\.(\\d+)\\.\\d+ (?:flags=(\\S+) )?size=(\\d+)(?:.*exthdr_size=(\\d+))?"));
    static const QRegularExpression plainTrack(QStringLiteral("^(\\d+)(/.*)?$"));
    int compared = 0;
    for (const ManifestRow& row : manifestRows()) {
        const QString part = row.scan.split(QStringLiteral(" | ")).value(0).trimmed();
        const QRegularExpressionMatch header = headerPattern.match(part);
        if (!header.hasMatch())
            continue;
        SCOPED_TRACE(row.file.toStdString());
        const QString path = testsupport::fixture(row.file);
        TID3v2 tag;
        ASSERT_TRUE(tag.Load(path));
        ASSERT_TRUE(tag.TagFound());
        const int version = header.captured(1).toInt();
        EXPECT_EQ(tag.MajorVersion(), version);
        const bool exceedsFile = part.contains(QStringLiteral("TAG-EXCEEDS-FILE"));
        EXPECT_EQ(tag.TagSize(), exceedsFile ? 0 : header.captured(3).toInt() + 10);
        const bool extendedHeaderFirst =
            header.captured(2).contains(QStringLiteral("exthdr")) && header.captured(4).toLongLong() < (1 << 24);
        if (version != 3 || exceedsFile || extendedHeaderFirst) {
            for (const QByteArray* text :
                 {&tag.Title(), &tag.Artist(), &tag.Album(), &tag.Year(), &tag.Genre(), &tag.Comment()})
                EXPECT_TRUE(text->isEmpty());
            EXPECT_EQ(tag.Track(), 0);
            continue;
        }
        // Unsynchronised tags are read as stored, which a full reader does not do.
        if (header.captured(2).contains(QStringLiteral("unsync")) ||
            header.captured(2).contains(QStringLiteral("exthdr")))
            continue;

        TagScan scan;
        ASSERT_TRUE(ReadTagHeader(path, scan));
        WalkFrames(path, scan);
        const QMap<QString, QString> values = scanValues(part.mid(part.indexOf(QStringLiteral("values{"))));
        const auto comparable = [&](const char* identifier, FrameSlot slot) {
            if (!decodedValue(values, identifier) || !listedOnce(part, identifier))
                return false;
            EXPECT_FALSE(scan.texts[slot].isEmpty()) << identifier << " not found";
            return singleByteFrame(scan, slot);
        };
        const std::tuple<const char*, FrameSlot, const QByteArray*> texts[] = {{"TIT2", TitleSlot, &tag.Title()},
                                                                               {"TPE1", ArtistSlot, &tag.Artist()},
                                                                               {"TALB", AlbumSlot, &tag.Album()},
                                                                               {"TYER", YearSlot, &tag.Year()}};
        for (const auto& [identifier, slot, text] : texts) {
            if (comparable(identifier, slot)) {
                expectSameText(*text, values.value(identifier).trimmed(), identifier);
                ++compared;
            }
        }
        if (comparable("TCON", GenreSlot)) {
            const QString genre = values.value("TCON").trimmed();
            expectSameText(tag.Genre(), genre.mid(genre.lastIndexOf(')') + 1), "TCON");
            ++compared;
        }
        // With a description the comment is "description, zero byte, text"; the scan shows the text alone.
        if (comparable("COMM", CommentSlot) && !tag.Comment().contains('\0')) {
            expectSameText(tag.Comment(), values.value("COMM").trimmed(), "COMM");
            ++compared;
        }
        const QRegularExpressionMatch track = plainTrack.match(values.value("TRCK"));
        if (comparable("TRCK", TrackSlot) && track.hasMatch()) {
            EXPECT_EQ(tag.Track(), track.captured(1).toInt() % 256);
            ++compared;
        }
    }
    EXPECT_GE(compared, 100) << compared;
}

TEST(TagFixtures, StrippingTheSamplesGivesTheUntaggedFileByteForByte) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    const QByteArray untagged = tagtest::readFile(testsupport::fixture("fixtures/dhowden-tag/sample.notags.mp3"));
    ASSERT_FALSE(untagged.isEmpty());
    QTemporaryDir dir;
    for (const char* name : {"sample.id3v11.mp3", "sample.id3v22.mp3", "sample.id3v24.mp3"}) {
        SCOPED_TRACE(name);
        const QString copy = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(QFile::copy(testsupport::fixture(QStringLiteral("fixtures/dhowden-tag/") + name), copy));
        TID3v1 trailer;
        TID3v2 header;
        ASSERT_TRUE(trailer.Load(copy));
        ASSERT_TRUE(header.Load(copy));
        ASSERT_TRUE(trailer.TagFound() || header.TagFound());
        EXPECT_TRUE(trailer.Strip(copy));
        EXPECT_EQ(header.Strip(copy), header.TagFound());
        EXPECT_EQ(tagtest::readFile(copy), untagged);
        EXPECT_FALSE(QFileInfo::exists(copy + "~"));
    }
}

} // namespace
