#include "core/batch/PendingOutput.h"
#include "core/components/ComponentError.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// Temporary output files of runs that were killed are removed by a later run; files a live run holds, files a
// person named, sources of the batch and anything else in the folder stay.
namespace {

using testsupport::writeFile;

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The temporary file a run killed while writing the destination leaves behind: its name, no lock on it.
QString abandonedFor(const QString& destination) {
    const QString keeper = destination + QStringLiteral(".keeper");
    QString name;
    {
        const PendingOutput pending(destination);
        name = pending.temporaryName();
        EXPECT_EQ(::link(QFile::encodeName(name).constData(), QFile::encodeName(keeper).constData()), 0);
    }
    EXPECT_TRUE(QFile::rename(keeper, name));
    return name;
}

TEST(PendingOutput, OnlyAbandonedTemporaryFilesOfTheProgramAreRemoved) {
    QTemporaryDir folder;
    const auto path = [&folder](const QString& name) { return folder.filePath(name); };
    // Named by people, some like temporary files: never removed.
    const QStringList userNames{".killed.part.mp3", ".song.part2.wav", "song.part.mp3", ".notes.part.txt",
                                ".x.0123456789abcdef01234567.part.mp3"};
    for (const QString& name : userNames)
        writeFile(path(name), "x");
    const QString abandoned = abandonedFor(path("killed.mp3"));
    const QString source = abandonedFor(path("source.wav")); // given to the batch as a source
    const QString linked = abandonedFor(path("linked.ogg")); // a person kept a link to it
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(), QFile::encodeName(path("kept.ogg")).constData()), 0);
    const QString held = abandonedFor(path("held.ogg")); // another run is writing it
    const int other = ::open(QFile::encodeName(held).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    const QString folderName = abandonedFor(path("folder.wav")); // the name now belongs to a folder
    ASSERT_TRUE(QFile::remove(folderName) && QDir().mkdir(folderName));
    for (const QString& name : {abandoned, source, linked, held})
        EXPECT_TRUE(isPendingOutputName(QFileInfo(name).fileName())) << name.toStdString();

    {
        const PendingOutput live(path("live.mp3"));
        EXPECT_EQ(removeAbandonedPendingFiles(folder.path(), identitiesOf({source})), 1);
        EXPECT_FALSE(QFile::exists(abandoned));
        for (const QString& name : QStringList{source, linked, held, folderName, live.temporaryName()} + userNames)
            EXPECT_TRUE(QFileInfo::exists(QDir(folder.path()).filePath(name))) << name.toStdString();
    }
    // Once the lock is given up the file is abandoned; a pending output that was not placed is gone by itself.
    ::close(other);
    EXPECT_EQ(removeAbandonedPendingFiles(folder.path(), identitiesOf({source})), 1);
    EXPECT_FALSE(QFile::exists(held));
    EXPECT_EQ(entries(folder.path()).size(), userNames.size() + 4);
    EXPECT_EQ(removeAbandonedPendingFiles(folder.filePath("no such folder")), 0);
}

// The temporary name is hidden, keeps the extension, and never passes the folder's limit of 255 bytes, whose
// destination may use all of them; a destination beyond the limit is refused before any file is made.
TEST(PendingOutput, TemporaryNamesFitBesideDestinationsOfAnyAllowedLength) {
    QTemporaryDir folder;
    for (const QString& base : {QString(251, QLatin1Char('a')), QString(125, QChar(0x00E9)) + QLatin1Char('x'),
                                QStringLiteral("song"), QStringLiteral("two\nlines")}) {
        const QString destination = folder.filePath(base + QStringLiteral(".mp3"));
        const PendingOutput pending(destination);
        const QString name = QFileInfo(pending.temporaryName()).fileName();
        EXPECT_TRUE(name.startsWith(QLatin1Char('.')) && name.endsWith(QStringLiteral(".part.mp3")));
        EXPECT_LE(QFile::encodeName(name).size(), 255);
        EXPECT_TRUE(isPendingOutputName(name));
        EXPECT_EQ(pending.destination(), destination);
        // A person changing one character of the mark makes a name of their own.
        QString changed = name;
        const qsizetype mark = name.size() - QStringLiteral(".part.mp3").size() - 1;
        changed[mark] = changed[mark] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
        EXPECT_FALSE(isPendingOutputName(changed)) << changed.toStdString();
    }
    try {
        const PendingOutput tooLong(folder.filePath(QString(253, QLatin1Char('a')) + QStringLiteral(".mp3")));
        ADD_FAILURE() << "a 257-byte name was taken";
    } catch (const ComponentError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("File name too long"))) << error.message().toStdString();
    }
    EXPECT_TRUE(entries(folder.path()).isEmpty());
}

} // namespace
