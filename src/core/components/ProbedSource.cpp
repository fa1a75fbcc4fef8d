#include "ProbedSource.h"

#include <QFileInfo>

ProbedSource ProbedSource::stampOf(const QString& fileName) {
    const QFileInfo info(fileName);
    ProbedSource stamp;
    stamp.fileName = fileName;
    if (info.isFile()) {
        stamp.fileSize = info.size();
        stamp.modified = info.lastModified();
    }
    return stamp;
}

bool ProbedSource::stillDescribes(const QString& name) const {
    if (name != fileName || fileSize < 0)
        return false;
    const ProbedSource now = stampOf(name);
    return now.fileSize == fileSize && now.modified == modified;
}
