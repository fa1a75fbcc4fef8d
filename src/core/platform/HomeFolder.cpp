#include "HomeFolder.h"

#include <QDir>

QString withHomeFolder(const QString& folderText) {
    if (folderText == QLatin1String("~"))
        return QDir::homePath();
    if (folderText.startsWith(QLatin1String("~/")))
        return QDir::homePath() + folderText.mid(1);
    return folderText;
}
