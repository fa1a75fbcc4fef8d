#pragma once

#include <QString>

// A folder as the user typed it, with a leading "~" or "~/" meaning the home folder, as in every program on the
// system. Any other text, "~name" among it, is returned as it is.
[[nodiscard]] QString withHomeFolder(const QString& folderText);
