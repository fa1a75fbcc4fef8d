#pragma once

#include "MainWindow.h"
#include "core/components/ComponentSet.h"
#include "core/settings/AppContext.h"
#include "core/settings/Settings.h"

#include <memory>
#include <stdexcept>

class ConversionListPanel;
class IRegistrationTool;
class QApplication;
class AboutBox;
class ProgressWindow;
class Mp3OptionsDialog;
class OggVorbisOptionsDialog;
class WavOptionsDialog;
class TagEditorWindow;
class TagEditorHelpWindow;
class OptionsDialog;
class DesktopSession;
class QDBusConnection;

// Raised at start-up when the components cannot be made even after the repair; the user has been told, and the
// program ends.
class StartupAborted : public std::runtime_error {
public:
    StartupAborted() : std::runtime_error("components could not be created") {}
};

// The components, the settings, the one context every window works with and every window of the program, made once
// and kept for the whole run. The dialogs are made first and handed to the main window, which then owns them;
// closing it ends the program.
class ApplicationWindows {
public:
    // The component factory, the registration tool used to repair a failed start, the system services and where the
    // program's files are. Throws StartupAborted when the components cannot be made.
    ApplicationWindows(IComponentSetFactory& componentFactory, IRegistrationTool& registration, IShell& shell,
                       Prompts& prompts, const ProgramLocations& locations);

    [[nodiscard]] AppContext& context() { return context_; }

private:
    std::unique_ptr<ComponentSet> components_;
    SettingsStore settings_;
    AppContext context_;

public:
    TagEditorHelpWindow* tagEditorHelp = nullptr;
    TagEditorWindow* tagEditor = nullptr;
    ProgressWindow* progress = nullptr;
    WavOptionsDialog* wavOptions = nullptr;
    Mp3OptionsDialog* mp3Options = nullptr;
    OggVorbisOptionsDialog* oggVorbisOptions = nullptr;
    OptionsDialog* options = nullptr;
    AboutBox* about = nullptr;
    std::unique_ptr<MainWindow> main;
};

// Joins the desktop session over the bus: the window receives the files of later starts, and shows the total of a
// batch in its title and on the launcher; a long batch ends with a notification. Lives as long as the main window.
DesktopSession& joinDesktopSession(ApplicationWindows& windows, const QDBusConnection& bus);

// The whole run: splash, skin, windows, message loop; the files named at start go into the conversion list once the
// main window shows. Returns the process's exit code; non-zero when start-up was given up (the main window is then
// never shown).
int runTonalith(QApplication& application, IComponentSetFactory& componentFactory, IRegistrationTool& registration,
                IShell& shell, Prompts& prompts, const ProgramLocations& locations, const QStringList& startFiles = {});
