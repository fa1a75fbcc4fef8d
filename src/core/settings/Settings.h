#pragma once

#include "BatchOptions.h"
#include "core/formats/OutputFormat.h"
#include "core/platform/IniFile.h"

#include <QString>
#include <array>

// One flag per output format, indexed by OutputFormat.
using FormatFlags = std::array<bool, kOutputFormatCount>;

// The preferences and the last state, as read from settings.ini at start-up and kept for the whole run.
struct Settings {
    QString defaultFolder;
    bool checkItem = true;
    bool isOpenFolder = false;
    bool copyTag = true;
    bool saveState = true;
    bool notifyAtEnd = true; // a desktop notification when a long batch ends
    FormatFlags formats = mp3Alone();
    QString currentFolder;
    int currentFilter = 0;
    BatchOptions batch;
    QString language; // a catalogue code such as "de", or empty for the desktop's language

    [[nodiscard]] bool format(OutputFormat f) const { return formats[static_cast<size_t>(f)]; }

private:
    static FormatFlags mp3Alone() {
        FormatFlags flags{};
        flags[static_cast<size_t>(OutputFormat::Mp3)] = true;
        return flags;
    }
};

// What the main window hands over at close for the last state.
struct ClosingState {
    FormatFlags formats{};
    QString currentFolder; // already "sciddesktop" when the browser shows the desktop
    int currentFilter = -1;
};

// The value stored for the browser's folder when it shows the desktop.
inline const QString DesktopFolderMarker = QStringLiteral("sciddesktop");

// settings.ini: read once at start-up into memory; the options dialog and the close write through at once.
class SettingsStore {
public:
    explicit SettingsStore(QString path);

    [[nodiscard]] const Settings& values() const { return values_; }
    [[nodiscard]] const QString& path() const { return file_.path(); }

    // Reads every key; missing or unparsable values keep their defaults.
    void load();
    // Takes the options dialog's five values into memory, then writes them one by one. Throws IniWriteError; the
    // values are in memory all the same.
    void storeOptions(const QString& defaultFolder, bool checkItem, bool isOpenFolder, bool copyTag, bool saveState);
    // Takes the options dialog's batch choices into memory, then writes them. Throws IniWriteError; the values are
    // in memory all the same.
    void storeBatchOptions(const BatchOptions& batch);
    // Takes the windows' language (a catalogue code, or empty for the desktop's) into memory and writes it, but only
    // when it differs from the one in memory, so a file whose user never chose one gains no line. Throws
    // IniWriteError; the value is in memory all the same.
    void storeLanguage(const QString& language);
    // Takes the options dialog's notification switch into memory, then writes it. Throws IniWriteError; the value
    // is in memory all the same.
    void storeNotifyAtEnd(bool notify);
    // The close-time save: the format boxes and the folder only when the state is kept, the filter always.
    // Throws IniWriteError.
    void storeClosingState(const ClosingState& state);

private:
    IniFile file_;
    Settings values_;
};
