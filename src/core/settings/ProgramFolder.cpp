#include "ProgramFolder.h"

#include "SettingsKeys.h"

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
    const QDir executableFolder = executable.absoluteDir();
    const QString installedData = executableFolder.filePath(QStringLiteral(TONALITH_DATA_FROM_BINDIR));
    const bool installed = QFileInfo(installedData).isDir();
    locations.programFolder =
        withTrailingSeparator(installed ? QDir::cleanPath(installedData) : executableFolder.absolutePath());
    locations.storageFolder = locations.programFolder;
    // An installed copy never writes beside itself, even where it could (a copy installed into the user's own
    // prefix): settings belong to the user, and a package update would replace or leave them behind.
    if (installed || !isFolderWritable(locations.programFolder)) {
        QDir().mkpath(configFolder);
        locations.storageFolder = withTrailingSeparator(configFolder);
    }
    locations.settingsPath = locations.storageFolder + SettingsKeys::FileName;
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
