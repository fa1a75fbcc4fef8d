#include "FolderBrowsing.h"
#include "core/ports/Messages.h"

#include <QDir>
#include <QStandardPaths>
#include <QStorageInfo>

namespace FolderBrowsing {

namespace {

QString cleanPath(const QString& path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(QDir(path).absolutePath());
}

// Whether inner is folder itself or lies somewhere below it.
bool isAtOrBelow(const QString& inner, const QString& folder) {
    if (inner == folder)
        return true;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return inner.startsWith(prefix);
}

QString existingFolder(QStandardPaths::StandardLocation location) {
    const QString path = QStandardPaths::writableLocation(location);
    return !path.isEmpty() && QDir(path).exists() ? path : QString();
}

} // namespace

QString desktopFolder() {
    const QString desktop = existingFolder(QStandardPaths::DesktopLocation);
    return desktop.isEmpty() ? QDir::homePath() : desktop;
}

bool isUserMount(const QString& mountPoint) {
    const QString path = cleanPath(mountPoint);
    if (path.isEmpty() || path == QDir::rootPath())
        return false;
    for (const char* userArea : {"/media", "/mnt", "/run/media"}) {
        if (isAtOrBelow(path, QLatin1String(userArea)))
            return path != QLatin1String(userArea);
    }
    for (const char* systemArea : {"/boot", "/dev", "/proc", "/sys", "/run", "/snap", "/var", "/tmp", "/usr", "/etc"}) {
        if (isAtOrBelow(path, QLatin1String(systemArea)))
            return false;
    }
    return true;
}

SystemPlaces systemPlaces() {
    SystemPlaces places;
    places.desktop = desktopFolder();
    places.home = QDir::homePath();
    for (const auto location :
         {QStandardPaths::DocumentsLocation, QStandardPaths::MusicLocation, QStandardPaths::MoviesLocation,
          QStandardPaths::PicturesLocation, QStandardPaths::DownloadLocation}) {
        if (const QString folder = existingFolder(location); !folder.isEmpty())
            places.userFolders.append(folder);
    }
    places.root = QDir::rootPath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && isUserMount(volume.rootPath()))
            places.mounts.append(volume.rootPath());
    }
    places.mounts.sort();
    return places;
}

FolderChoices folderChoices(const QString& shownFolder, const SystemPlaces& places) {
    FolderChoices choices;
    const auto addPlace = [&choices](const QString& path, const QString& text) {
        const QString clean = cleanPath(path);
        if (clean.isEmpty())
            return;
        for (const FolderChoice& entry : choices.entries) {
            if (entry.path == clean)
                return;
        }
        choices.entries.push_back({text.isEmpty() ? QDir::toNativeSeparators(clean) : text, clean});
    };
    addPlace(places.desktop, QStringLiteral("Desktop"));
    addPlace(places.home, {});
    for (const QString& folder : places.userFolders)
        addPlace(folder, {});
    addPlace(places.root, {});
    for (const QString& mount : places.mounts)
        addPlace(mount, {});

    const QString shown = cleanPath(shownFolder);
    if (shown.isEmpty())
        return choices;
    // The nearest place above the shown folder: the one with the longest path that holds it.
    int nearest = -1;
    for (int at = 0; at < static_cast<int>(choices.entries.size()); ++at) {
        const QString& path = choices.entries[static_cast<size_t>(at)].path;
        if (isAtOrBelow(shown, path) &&
            (nearest < 0 || path.size() > choices.entries[static_cast<size_t>(nearest)].path.size()))
            nearest = at;
    }
    if (nearest >= 0 && choices.entries[static_cast<size_t>(nearest)].path == shown) {
        choices.current = nearest;
        return choices;
    }
    // The folders from just below the place down to the shown one.
    QStringList chain;
    const QString top = nearest >= 0 ? choices.entries[static_cast<size_t>(nearest)].path : QString();
    for (QString folder = shown; folder != top && !folder.isEmpty();) {
        chain.prepend(folder);
        const QString above = QFileInfo(folder).path();
        if (above == folder)
            break;
        folder = above;
    }
    auto insertAt = choices.entries.begin() + (nearest + 1);
    for (const QString& folder : chain)
        insertAt = choices.entries.insert(insertAt, {QDir::toNativeSeparators(folder), folder}) + 1;
    choices.current = nearest + static_cast<int>(chain.size());
    return choices;
}

std::optional<ViewLayout> viewLayout(int viewCode) {
    switch (viewCode) {
    case 0:
        return ViewLayout{true, 32, false};
    case 1:
        return ViewLayout{true, 16, false};
    case 2:
        return ViewLayout{false, 16, false};
    case 3:
        return ViewLayout{false, 16, true};
    default:
        return std::nullopt;
    }
}

std::optional<QString> folderAbove(const QString& shownFolder) {
    QDir folder(shownFolder);
    if (shownFolder.isEmpty() || !folder.cdUp())
        return std::nullopt;
    return folder.absolutePath();
}

QString newFolderName(const std::function<bool(const QString& name)>& taken) {
    QString name = Messages::NewFolder();
    for (int number = 2; taken(name); ++number)
        name = QStringLiteral("%1 (%2)").arg(Messages::NewFolder()).arg(number);
    return name;
}

} // namespace FolderBrowsing
