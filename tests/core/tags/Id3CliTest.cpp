#include "TagTestFiles.h"
#include "core/components/information/AudioInformationComponent.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(Id3Cli, PrintsEveryFieldOfBothTagsWithControlBytesEscaped) {
    QTemporaryDir dir;
    QByteArray trailer(128, '\0');
    trailer.replace(0, 3, "TAG");
    trailer.replace(3, 9,
                    QByteArray("Caf\xE9"
                               "\x01"
                               "Bar\x1F",
                               9));
    trailer.replace(93, 4, "2001");
    trailer[126] = 4;
    trailer[127] = 17;
    const QByteArray id3v2 =
        tagtest::id3v2Tag(tagtest::textFrame("TIT2", "\xC5sa") + tagtest::textFrame("TRCK", "300") +
                          tagtest::frame("COMM", QByteArray("\0engD\0C", 7)) + tagtest::textFrame("TCON", "(17)Rock"));
    const QString path = tagtest::writeFile(dir, "both.mp3", id3v2 + tagtest::audio(100) + trailer);

    const testsupport::ToolResult result = testsupport::runTool(testsupport::cliPath(), {"id3", path});
    EXPECT_EQ(result.exitCode, 0);
    const QByteArray expected = "file=" + path.toUtf8() +
                                "\n"
                                "id3v1.Load=1\n"
                                "id3v1.TagFound=1\n"
                                "id3v1.SubVersion=2\n"
                                "id3v1.Title=Caf\xC3\xA9\\x01Bar\n"
                                "id3v1.Artist=\n"
                                "id3v1.Album=\n"
                                "id3v1.Year=2001\n"
                                "id3v1.Comment=\n"
                                "id3v1.Track=4\n"
                                "id3v1.GenreNumber=17\n"
                                "id3v2.Load=1\n"
                                "id3v2.TagFound=1\n"
                                "id3v2.MajorVersion=3\n"
                                "id3v2.TagSize=" +
                                QByteArray::number(id3v2.size()) +
                                "\n"
                                "id3v2.Title=\xC3\x85sa\n"
                                "id3v2.Artist=\n"
                                "id3v2.Album=\n"
                                "id3v2.Track=300\n"
                                "id3v2.Year=\n"
                                "id3v2.Genre=Rock\n"
                                "id3v2.Comment=C\n";
    EXPECT_EQ(result.out, expected);
}

// A tag with an extended header, whose size counts its own four bytes in ID3v2.4 and does not in ID3v2.3, and texts in
// the character sets each version offers: the command prints what the tag editor's component reads.
TEST(Id3Cli, ExtendedHeadersOfBothVersionsAreReadAsTheTagEditorReadsThem) {
    QTemporaryDir dir;
    const QByteArray sound = tagtest::readFile(testsupport::fixture("fixtures/dhowden-tag/sample.notags.mp3"));
    if (sound.isEmpty())
        GTEST_SKIP() << "the fixtures are missing";
    const auto v24Frame = [](const QByteArray& id, const QByteArray& utf8) {
        const QByteArray data = '\3' + utf8;
        return id + tagtest::syncSafe(static_cast<std::uint32_t>(data.size())) + QByteArray(2, '\0') + data;
    };
    const QByteArray v24ExtendedHeader = tagtest::syncSafe(6) + '\1' + '\0';
    const QByteArray v24 = tagtest::id3v2Tag(v24ExtendedHeader +
                                                 v24Frame("TIT2", "Nuit \xC3\xA9toil\xC3\xA9"
                                                                  "e") +
                                                 v24Frame("TPE1", "The Four") + v24Frame("TALB", "Extended"),
                                             4, 0x40);
    const QByteArray utf16Artist = QByteArray("\1\xFF\xFE", 3) + QByteArray("T\0h\0r\0e\0e\0", 10);
    const QByteArray v23ExtendedHeader = tagtest::bigEndian(6) + QByteArray(2, '\0') + tagtest::bigEndian(0);
    const QByteArray v23 = tagtest::id3v2Tag(v23ExtendedHeader + tagtest::textFrame("TIT2", "Old Header") +
                                                 tagtest::frame("TPE1", utf16Artist) +
                                                 tagtest::textFrame("TALB", "Extended") + QByteArray(16, '\0'),
                                             3, 0x40);
    struct Case {
        QByteArray tag;
        QString title;
        QString artist;
    };
    for (const Case& c : {Case{v24, QStringLiteral("Nuit \u00E9toil\u00E9e"), QStringLiteral("The Four")},
                          Case{v23, QStringLiteral("Old Header"), QStringLiteral("Three")}}) {
        const QString path = tagtest::writeFile(dir, "extended.mp3", c.tag + sound);
        SCOPED_TRACE(c.title.toStdString());
        const testsupport::ToolResult result = testsupport::runTool(testsupport::cliPath(), {"id3", path});
        EXPECT_EQ(result.exitCode, 0);
        const QString out = QString::fromUtf8(result.out);
        EXPECT_TRUE(out.contains("id3v2.TagFound=1\n"));
        EXPECT_TRUE(out.contains("id3v2.Title=" + c.title + "\n")) << out.toStdString();
        EXPECT_TRUE(out.contains("id3v2.Artist=" + c.artist + "\n")) << out.toStdString();
        EXPECT_TRUE(out.contains("id3v2.Album=Extended\n")) << out.toStdString();

        AudioInformationComponent editorsComponent;
        editorsComponent.setTagVersion(2);
        editorsComponent.loadTags(path);
        EXPECT_EQ(editorsComponent.title(), c.title);
        EXPECT_EQ(editorsComponent.artist(), c.artist);
        EXPECT_EQ(editorsComponent.album(), QStringLiteral("Extended"));
    }
}

TEST(Id3Cli, MissingFilesAreReportedAndUsageNeedsAFile) {
    const testsupport::ToolResult missing = testsupport::runTool(testsupport::cliPath(), {"id3", "/nonexistent.mp3"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.contains("id3v1.Load=0\n"));
    EXPECT_TRUE(missing.out.contains("id3v2.Load=0\n"));
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_EQ(testsupport::runTool(testsupport::cliPath(), {"id3"}).exitCode, 2);
}

} // namespace
