#include "TreeMapping.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString absoluteClean(const QString& path) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

} // namespace

TreeMapping::TreeMapping(const QString& root, const QString& outputFolder)
    : root_(absoluteClean(root)), outputFolder_(absoluteClean(outputFolder)) {}

std::optional<QString> TreeMapping::outputFolderOf(const QString& sourceName) const {
    const QString folder = QFileInfo(absoluteClean(sourceName)).path();
    const QString relative = QDir(root_).relativeFilePath(folder);
    if (relative == QLatin1String("..") || relative.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(relative))
        return std::nullopt;
    const QString mirrored =
        relative == QLatin1String(".") ? outputFolder_ : outputFolder_ + QLatin1Char('/') + relative;
    return mirrored.endsWith(QLatin1Char('/')) ? mirrored : mirrored + QLatin1Char('/');
}
