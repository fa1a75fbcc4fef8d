#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The rules of the source browser that need no window: where the desktop is, which folders its folder combo offers,
// how each view looks, where "up one level" goes and what a new folder is called.
namespace FolderBrowsing {

// The folder the browser calls the desktop: the desktop folder when it exists, else the home folder.
[[nodiscard]] QString desktopFolder();

// The places a folder combo offers besides the shown folder and its parents. Paths are absolute; any may be empty.
struct SystemPlaces {
    QString desktop;
    QString home;
    // The user's documents, music, videos, pictures and downloads folders, as far as they exist.
    QStringList userFolders;
    QString root;
    // Mounted volumes a user keeps files on (removable drives, other disks); system mounts are left out.
    QStringList mounts;
};

// The places of this computer right now.
[[nodiscard]] SystemPlaces systemPlaces();

// Whether a mount point is one a user keeps files on, rather than one the system keeps to itself.
[[nodiscard]] bool isUserMount(const QString& mountPoint);

struct FolderChoice {
    QString text;
    QString path;
};

// The entries of the folder combo and the one that stands for the shown folder.
struct FolderChoices {
    std::vector<FolderChoice> entries;
    int current = 0;
};

// The desktop first (shown as "Desktop"), then home, the user folders, the root and the mounts, each path once;
// the shown folder and the folders between it and the nearest place above it come right after that place. A shown
// folder that is one of the places is that entry, so the desktop is always entry 0.
[[nodiscard]] FolderChoices folderChoices(const QString& shownFolder, const SystemPlaces& places);

// How the file list shows a view code (0 large icons, 1 small icons, 2 list, 3 details).
struct ViewLayout {
    bool icons = false;
    int iconSize = 16;
    bool details = false;
};
// Nothing for a code outside 0 to 3.
[[nodiscard]] std::optional<ViewLayout> viewLayout(int viewCode);

// The folder above the shown one; nothing at the top of the file system.
[[nodiscard]] std::optional<QString> folderAbove(const QString& shownFolder);

// "New Folder", or "New Folder (2)", "(3)"... when the name is taken.
[[nodiscard]] QString newFolderName(const std::function<bool(const QString& name)>& taken);

} // namespace FolderBrowsing
