#include "SyncFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace syncfiles {

QString copyWhole(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: %2").arg(from, source.errorString());
    const QString folder = QFileInfo(to).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("%1: the folder %2 cannot be made").arg(from, folder);
    // A short temporary name: the target's own may already be as long as a name can be.
    QTemporaryFile part(folder + QStringLiteral("/.tonalith-part-XXXXXX"));
    if (!part.open())
        return QStringLiteral("%1: %2").arg(to, part.errorString());
    constexpr qint64 kChunk = 1 << 20;
    while (!source.atEnd()) {
        const QByteArray bytes = source.read(kChunk);
        if (bytes.isEmpty() && source.error() != QFileDevice::NoError)
            return QStringLiteral("%1: %2").arg(from, source.errorString());
        if (part.write(bytes) != bytes.size())
            return QStringLiteral("%1: %2").arg(to, part.errorString());
    }
    if (!part.flush())
        return QStringLiteral("%1: %2").arg(to, part.errorString());
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(to).constData()) != 0)
        return QStringLiteral("%1: it cannot take its name").arg(to);
    part.setAutoRemove(false);
    return {};
}

bool copyModificationTime(const QString& from, const QString& to) {
    struct stat status {};
    if (::stat(QFile::encodeName(from).constData(), &status) != 0)
        return false;
    const struct timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
    return ::utimensat(AT_FDCWD, QFile::encodeName(to).constData(), times, 0) == 0;
}

QString tagHash(const QString& fileName) {
    const TagLib::FileRef file(QFile::encodeName(fileName).constData(), false);
    if (file.isNull() || file.file() == nullptr)
        return {};
    const TagLib::PropertyMap properties = file.file()->properties();
    if (properties.isEmpty())
        return {};
    const TagLib::String text = properties.toString();
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArray(text.toCString(true)), QCryptographicHash::Sha1).toHex().left(16));
}

bool removeWithEmptyFolders(const QString& fileName, const QString& top) {
    if (!QFile::remove(fileName))
        return false;
    const QString topPath = QDir(top).absolutePath();
    QDir folder = QFileInfo(fileName).absoluteDir();
    while (folder.absolutePath() != topPath && folder.absolutePath().startsWith(topPath + QLatin1Char('/')) &&
           folder.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString name = folder.dirName();
        if (!folder.cdUp() || !folder.rmdir(name))
            break;
    }
    return true;
}

} // namespace syncfiles
