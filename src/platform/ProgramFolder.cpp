#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString withTrailingSeparator(const QString& folder) {
    QString path = QDir::fromNativeSeparators(folder);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

bool isFolderWritable(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(withTrailingSeparator(folder) + QStringLiteral(".write-test-XXXXXX"));
    return probe.open();
}

ProgramLocations ProgramLocations::forExecutable(const QString& executablePath, const QString& configFolder) {
    const QFileInfo executable(executablePath);
    ProgramLocations locations;
    locations.programFolder = withTrailingSeparator(executable.absolutePath());
    locations.storageFolder = locations.programFolder;
    if (!isFolderWritable(locations.programFolder)) {
        QDir().mkpath(configFolder);
        locations.storageFolder = withTrailingSeparator(configFolder);
    }
    locations.settingsPath = locations.storageFolder + QStringLiteral("settings.ini");
    // The executable's name with its extension replaced by ".ini" (a name without one just gains it).
    const QString name = executable.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    locations.placementPath = locations.storageFolder + (dot > 0 ? name.left(dot) : name) + QStringLiteral(".ini");
    return locations;
}

ProgramLocations ProgramLocations::ofExecutable() {
    return forExecutable(QCoreApplication::applicationFilePath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}
