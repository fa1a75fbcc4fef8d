#include "core/batch/PendingOutput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// Temporary output files of runs that were killed are removed by a later run; files a live run holds, and
// anything else in the folder, stay.
namespace {

void writeFile(const QString& fileName, const QByteArray& content = "x") {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(PendingOutput, OnlyAbandonedTemporaryFilesAreRemoved) {
    QTemporaryDir folder;
    const auto path = [&folder](const char* name) { return folder.filePath(QLatin1String(name)); };
    writeFile(path(".killed.part.mp3"));
    writeFile(path(".killed.part7.wav"));
    writeFile(path(".notes.part.txt"));
    writeFile(path("song.part.mp3"));
    writeFile(path(".song.mp3"));
    writeFile(path("target"));
    ASSERT_TRUE(QFile::link(path("target"), path(".linked.part.mp3")));
    ASSERT_TRUE(QDir().mkdir(path(".folder.part.ogg")));
    // Another run writing: its lock is held on another open file.
    writeFile(path(".other.part.ogg"));
    const int other = ::open(QFile::encodeName(path(".other.part.ogg")).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    {
        const PendingOutput live(path("live.mp3"));
        EXPECT_EQ(live.temporaryName(), path(".live.part.mp3"));

        EXPECT_EQ(removeAbandonedPendingFiles(folder.path()), 2);
        EXPECT_EQ(entries(folder.path()),
                  (QStringList{".folder.part.ogg", ".linked.part.mp3", ".live.part.mp3", ".notes.part.txt",
                               ".other.part.ogg", ".song.mp3", "song.part.mp3", "target"}));
    }
    // Once the lock is given up the file is abandoned.
    ::close(other);
    EXPECT_EQ(removeAbandonedPendingFiles(folder.path()), 1);
    EXPECT_FALSE(QFile::exists(path(".other.part.ogg")));
    EXPECT_FALSE(QFile::exists(path(".live.part.mp3"))) << "a pending output that was not placed is removed";
    EXPECT_EQ(removeAbandonedPendingFiles(folder.filePath("no such folder")), 0);
}

TEST(PendingOutput, TheShapeOfTemporaryNames) {
    for (const char* name : {".song.part.mp3", ".my song.part2.wav", ".a.b.part100.OGG", ".x.part.raw"})
        EXPECT_TRUE(isPendingOutputName(QLatin1String(name))) << name;
    for (const char* name : {"song.part.mp3", ".song.part.txt", ".song.part1.mp3", ".song.part.mp3.bak", ".part.mp3",
                             ".song.partial.mp3", ".song.part02.mp3"})
        EXPECT_FALSE(isPendingOutputName(QLatin1String(name))) << name;
}

} // namespace
