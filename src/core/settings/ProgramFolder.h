#pragma once

#include <QString>

// Where the program's files are: the program folder for what ships with it (help, pictures), and the folder that
// holds settings.ini and the placement file.
// A copy run where it was built or unpacked finds both beside the executable; the settings move to the user's
// configuration folder only when that folder cannot be written. An installed copy (the executable in bin/ with
// share/tonalith/ beside it) finds its files in share/tonalith/ and keeps its settings in the configuration folder.
struct ProgramLocations {
    QString programFolder; // with a trailing separator
    QString storageFolder; // with a trailing separator
    QString settingsPath;
    QString placementPath;

    // The locations of the running executable.
    [[nodiscard]] static ProgramLocations ofExecutable();
    // The locations for an executable at this path; configFolder is used when the program folder is not writable.
    [[nodiscard]] static ProgramLocations forExecutable(const QString& executablePath, const QString& configFolder);
};

// True when a file can be created in the folder (checked by creating one, since permission bits do not tell the
// whole story).
[[nodiscard]] bool isFolderWritable(const QString& folder);

// The folder with exactly one trailing separator.
[[nodiscard]] QString withTrailingSeparator(const QString& folder);
