#include "BrowserFolders.h"

#include "core/platform/FolderBrowsing.h"

QString desktopFolder() {
    return FolderBrowsing::desktopFolder();
}
