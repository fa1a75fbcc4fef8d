#include "core/platform/FolderPaste.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::readFile;
using testsupport::writeFile;

// A folder pasted over one of the same name fills it in: on a yes its files are replaced, the others stay.
TEST(FolderPasteTest, AFolderPastedOverItsNamesakeMergesIntoIt) {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("from/album/one.wav")), "new one");
    writeFile(dir.filePath(QStringLiteral("from/album/sub/two.wav")), "two");
    writeFile(dir.filePath(QStringLiteral("to/album/one.wav")), "old one");
    writeFile(dir.filePath(QStringLiteral("to/album/keep.wav")), "kept");
    QStringList asked;
    FolderPaste paste(dir.filePath(QStringLiteral("to")), [&asked](const QString& name) {
        asked.append(name);
        return true;
    });
    EXPECT_TRUE(paste.paste({dir.filePath(QStringLiteral("from/album"))}).isEmpty());
    EXPECT_EQ(asked, QStringList{"album"}) << "one question for the folder, none for what is inside";
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("to/album/one.wav"))), QByteArray("new one"));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("to/album/sub/two.wav"))), QByteArray("two"));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("to/album/keep.wav"))), QByteArray("kept"));
}

// A file and a folder of the same name never replace each other: the paste reports it and both stay whole.
TEST(FolderPasteTest, AFileNeverReplacesAFolderNorTheOtherWayRound) {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("from/name")), "a file");
    writeFile(dir.filePath(QStringLiteral("to/name/inside.wav")), "inside");
    writeFile(dir.filePath(QStringLiteral("other/folder/x.wav")), "x");
    writeFile(dir.filePath(QStringLiteral("to/folder")), "a file named folder");
    FolderPaste paste(dir.filePath(QStringLiteral("to")), [](const QString&) { return true; });
    const QString file = dir.filePath(QStringLiteral("from/name"));
    const QString folder = dir.filePath(QStringLiteral("other/folder"));
    EXPECT_EQ(paste.paste({file, folder}), (QStringList{file, folder}));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("to/name/inside.wav"))), QByteArray("inside"));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("to/folder"))), QByteArray("a file named folder"));
}

TEST(FolderPasteTest, AMissingTargetFolderFailsEveryFileAndCreatesNothing) {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("song.wav")), "song");
    FolderPaste paste(dir.filePath(QStringLiteral("nowhere")), [](const QString&) { return true; });
    const QString song = dir.filePath(QStringLiteral("song.wav"));
    EXPECT_EQ(paste.paste({song}), QStringList{song});
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
}

} // namespace
