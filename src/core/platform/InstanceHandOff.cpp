#include "InstanceHandOff.h"

#include <QDir>

bool InstanceHandOff::handOver(const QStringList& names, const QString& workingDirectory) const {
    if (link_ == nullptr)
        return false;
    return link_->openFiles(absolutePathsIn(names, workingDirectory));
}

QStringList absolutePathsIn(const QStringList& names, const QString& workingDirectory) {
    const QDir folder(workingDirectory);
    QStringList paths;
    for (const QString& name : names) {
        if (!name.isEmpty())
            paths.append(QDir::cleanPath(folder.absoluteFilePath(name)));
    }
    return paths;
}

QStringList handedPathsToAdd(const QStringList& paths) {
    QStringList accepted;
    for (const QString& path : paths) {
        if (path.isEmpty() || path.contains(QChar(u'\0')) || !QDir::isAbsolutePath(path))
            continue;
        accepted.append(QDir::cleanPath(path));
    }
    return accepted;
}
