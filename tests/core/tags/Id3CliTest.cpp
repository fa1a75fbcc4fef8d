#include "TagTestFiles.h"
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
                                "id3v2.Track=44\n"
                                "id3v2.Year=\n"
                                "id3v2.Genre=Rock\n"
                                "id3v2.Comment=D\\x00C\n";
    EXPECT_EQ(result.out, expected);
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
