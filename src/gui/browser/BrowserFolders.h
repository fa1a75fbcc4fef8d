#pragma once

#include <QString>

// The folder the browser calls the desktop: ~/Desktop when it exists, else the home folder.
[[nodiscard]] QString desktopFolder();
