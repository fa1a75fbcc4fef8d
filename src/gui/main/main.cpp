#include "Application.h"
#include "core/components/ComponentSet.h"
#include "core/components/playback/AudioPlayerComponent.h"
#include "core/list/FileIntake.h"
#include "core/platform/FreedMemoryReuse.h"
#include "core/platform/InstanceHandOff.h"
#include "core/platform/Registration.h"
#include "core/settings/LanguageChoice.h"
#include "core/settings/ProgramFolder.h"
#include "core/settings/ProgramName.h"
#include "gui/common/QtPrompts.h"
#include "gui/common/QtShell.h"
#include "gui/desktop/WindowService.h"
#include "gui/main/Translations.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    keepFreedMemoryForReuse();
    QApplication application(argc, argv);
    QApplication::setApplicationName(ProgramName);
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tonalith.Tonalith"));
    // Files named on the command line (what a desktop entry's %F passes) are added as if dropped on the list; while
    // a window of the program runs in this desktop session they go to that one, and this start ends here.
    const QStringList startFiles = commandLineNames(QApplication::arguments());
    SessionBusInstance runningWindow(QDBusConnection::sessionBus());
    if (InstanceHandOff(&runningWindow).handOver(startFiles, QDir::currentPath()))
        return 0;
    const ProgramLocations locations = ProgramLocations::ofExecutable();
    // The language is chosen before any window exists, so every text is made in it; a change in the options takes
    // effect at the next start.
    SettingsStore storedSettings(locations.settingsPath);
    storedSettings.load();
    const InstalledTranslations translations(catalogueCodeForThisStart(storedSettings.values().language),
                                             LanguageChoice::catalogueFolder(locations.programFolder));
    ComponentSetFactory components([] { return std::make_unique<AudioPlayerComponent>(); });
    NoRegistrationTool registration;
    QtShell shell;
    QtPrompts prompts;
    return runTonalith(application, components, registration, shell, prompts, locations, startFiles);
}
