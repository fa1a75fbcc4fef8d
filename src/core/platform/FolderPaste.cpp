#include "FolderPaste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

FolderPaste::FolderPaste(QString targetFolder, ReplaceQuestion mayReplace)
    : targetFolder_(std::move(targetFolder)), mayReplace_(std::move(mayReplace)) {}

QStringList FolderPaste::paste(const QStringList& sources) {
    QStringList failed;
    for (const QString& source : sources) {
        const QFileInfo from(source);
        const QString target = QDir(targetFolder_).filePath(from.fileName());
        if (!from.exists() || QFileInfo(target).absoluteFilePath() == from.absoluteFilePath()) {
            if (!from.exists())
                failed.append(source);
            continue;
        }
        // A folder is never pasted into itself or below itself: the copy would never end.
        const QString fromPath = from.absoluteFilePath() + QLatin1Char('/');
        if (from.isDir() && (QDir(targetFolder_).absolutePath() + QLatin1Char('/')).startsWith(fromPath)) {
            failed.append(source);
            continue;
        }
        const bool exists = QFileInfo::exists(target);
        if (exists && !mayReplace_(from.fileName()))
            continue;
        const bool copied = from.isDir() ? copyFolder(source, target, exists) : copyFile(source, target, exists);
        if (!copied)
            failed.append(source);
    }
    return failed;
}

bool FolderPaste::copyFile(const QString& source, const QString& target, bool replace) {
    if (QFileInfo(target).isDir())
        return false;
    if (!replace)
        return !QFileInfo::exists(target) && QFile::copy(source, target);
    // Written beside the target and swapped in at the end: the old file goes only when the new one is whole.
    QSaveFile staging(target);
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly) || !staging.open(QIODevice::WriteOnly))
        return false;
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(1 << 20);
        if (chunk.isEmpty() || staging.write(chunk) != chunk.size())
            return false;
    }
    return staging.commit();
}

bool FolderPaste::copyFolder(const QString& source, const QString& target, bool replace) {
    if (QFileInfo(target).isFile() || !QDir().mkpath(target))
        return false;
    bool whole = true;
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        const QString inner = QDir(target).filePath(entry.fileName());
        const bool innerExists = QFileInfo::exists(inner);
        if (innerExists && !replace)
            continue;
        whole = (entry.isDir() ? copyFolder(entry.filePath(), inner, replace)
                               : copyFile(entry.filePath(), inner, innerExists)) &&
                whole;
    }
    return whole;
}
