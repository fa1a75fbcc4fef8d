#pragma once

#include "platform/IniFile.h"

#include <QString>
#include <array>

// The output formats whose check boxes the last state stores, in the order they are saved.
inline constexpr int OutputFormatCount = 13;
enum class OutputFormat { Pcm, Mp3, Ogg, Wma, Adpcm, Gsm, Dsp, Vox, Raw, Mp2, G721, G723, G726 };

// The ini key of each output format's check box, in the order of OutputFormat.
[[nodiscard]] const std::array<QString, OutputFormatCount>& outputFormatKeys();

// The preferences and the last state, as read from settings.ini at start-up and kept for the whole run.
struct Settings {
    QString defaultFolder;
    bool checkItem = true;
    bool isOpenFolder = false;
    bool copyTag = true;
    bool saveState = true;
    std::array<bool, OutputFormatCount> formats{false, true}; // MP3 alone
    QString currentFolder;
    int currentFilter = 0;

    [[nodiscard]] bool format(OutputFormat f) const { return formats[static_cast<size_t>(f)]; }
};

// What the main window hands over at close for the last state.
struct ClosingState {
    std::array<bool, OutputFormatCount> formats{};
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
    // The close-time save: the format boxes and the folder only when the state is kept, the filter always.
    // Throws IniWriteError.
    void storeClosingState(const ClosingState& state);

private:
    IniFile file_;
    Settings values_;
};
