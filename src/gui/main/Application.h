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

// What the program needs from outside: the component factory, the system services and where its files are.
struct MainWindowServices {
    IComponentSetFactory& components;
    IRegistrationTool& registration;
    IShell& shell;
    Prompts& prompts;
    ProgramLocations locations;
};

// Raised at start-up when the components cannot be made even after the repair; the user has been told, and the
// program ends.
class StartupAborted : public std::runtime_error {
public:
    StartupAborted() : std::runtime_error("components could not be created") {}
};

// The components, the settings and every window of the program, made once in this order and kept for the whole
// run. The main window owns the other windows; closing it ends the program.
class ApplicationWindows {
public:
    // Throws StartupAborted when the components cannot be made.
    explicit ApplicationWindows(const MainWindowServices& services);

    [[nodiscard]] AppContext& context() { return context_; }

private:
    std::unique_ptr<ComponentSet> components_;
    SettingsStore settings_;
    AppContext context_;

public:
    std::unique_ptr<MainWindow> main;
    TagEditorWindow* id3editor = nullptr;
    ProgressWindow* convert = nullptr;
    WavOptionsDialog* frmWAVAdv = nullptr;
    Mp3OptionsDialog* frmMP3Adv = nullptr;
    OggVorbisOptionsDialog* frmOGGAdv = nullptr;
    TagEditorHelpWindow* id3editorHelp = nullptr;
    OptionsDialog* options = nullptr;
    AboutBox* about = nullptr;
};

// The whole run: splash, skin, windows, message loop; the files named at start go into the conversion list once the
// main window shows. Returns the process's exit code; non-zero when start-up was given up (the main window is then
// never shown).
int runTonalith(QApplication& application, const MainWindowServices& services, const QStringList& startFiles = {});
