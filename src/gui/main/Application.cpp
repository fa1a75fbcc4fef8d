#include "Application.h"

#include "core/ports/Prompts.h"
#include "core/settings/ComponentStartup.h"
#include "gui/about/AboutBox.h"
#include "gui/about/SplashWindow.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/common/Skin.h"
#include "gui/common/WindowPlacementHelpers.h"
#include "gui/desktop/DesktopSession.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"
#include "gui/options/OptionsDialog.h"
#include "gui/tags/TagEditorHelpWindow.h"
#include "gui/tags/TagEditorWindow.h"

#include "gui/common/Accessibility.h"
#include "gui/common/ErrorReport.h"
#include "gui/list/ConversionListPanel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

namespace {

std::unique_ptr<ComponentSet> createComponents(IComponentSetFactory& factory, IRegistrationTool& registration,
                                               Prompts& prompts, const ProgramLocations& locations) {
    auto components = createComponentsWithRepair(factory, registration, locations.programFolder);
    if (!components) {
        prompts.message(QString(),
                        QCoreApplication::translate("Application", "Initialize Error! Please reinstall Tonalith!"),
                        Prompts::Icon::None);
        throw StartupAborted();
    }
    return components;
}

// A window made before its owner: held here until the main window exists, then handed to it.
template <typename Window> Window* handOver(std::unique_ptr<Window>& window, QWidget& owner) {
    window->setParent(&owner, window->windowFlags());
    nameControlsForAccessibility(*window);
    raiseSizeLimitsToContent(*window);
    // A window's own smallest size from the design stays the smallest, never below what its content needs.
    window->setMinimumSize(window->minimumSize().expandedTo(window->minimumSizeHint()));
    return window.release();
}

} // namespace

ApplicationWindows::ApplicationWindows(IComponentSetFactory& componentFactory, IRegistrationTool& registration,
                                       IShell& shell, Prompts& prompts, const ProgramLocations& locations)
    : components_(createComponents(componentFactory, registration, prompts, locations)),
      settings_(locations.settingsPath), context_{*components_, settings_,        prompts,     shell,
                                                  locations,    componentFactory, registration} {
    letAssistiveToolsClickCheckBoxes();
    letAssistiveToolsNameComboBoxesByLabel();
    auto help = std::make_unique<TagEditorHelpWindow>();
    auto editor = std::make_unique<TagEditorWindow>(context_, help.get());
    auto batchProgress = std::make_unique<ProgressWindow>(context_.components, context_.componentFactory,
                                                          context_.prompts, context_.shell);
    auto wav = std::make_unique<WavOptionsDialog>(*components_, prompts);
    auto mp3 = std::make_unique<Mp3OptionsDialog>(*components_, prompts);
    auto oggVorbis = std::make_unique<OggVorbisOptionsDialog>(*components_, prompts);
    auto preferences = std::make_unique<OptionsDialog>(settings_, prompts);
    auto aboutBox = std::make_unique<AboutBox>(shell);

    main = std::make_unique<MainWindow>(
        context_, MainWindowDialogs{*preferences, *aboutBox, *batchProgress, *editor, *wav, *mp3, *oggVorbis});

    // From here on the main window owns every dialog: they close and go with it.
    tagEditorHelp = handOver(help, *main);
    tagEditor = handOver(editor, *main);
    progress = handOver(batchProgress, *main);
    wavOptions = handOver(wav, *main);
    mp3Options = handOver(mp3, *main);
    oggVorbisOptions = handOver(oggVorbis, *main);
    options = handOver(preferences, *main);
    about = handOver(aboutBox, *main);
}

DesktopSession& joinDesktopSession(ApplicationWindows& windows, const QDBusConnection& bus) {
    MainWindow& main = *windows.main;
    Prompts& prompts = windows.context().prompts;
    return *new DesktopSession(main, *windows.progress, windows.context().settings, windows.context().shell, bus,
                               [&main, &prompts](const QStringList& files) {
                                   guarded(prompts, [&] { main.conversionList().addFiles(files); });
                               });
}

int runTonalith(QApplication& application, IComponentSetFactory& componentFactory, IRegistrationTool& registration,
                IShell& shell, Prompts& prompts, const ProgramLocations& locations, const QStringList& startFiles) {
    SplashWindow splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    // The name only: a display name would be appended to every window title ("Options — Tonalith").
    QApplication::setApplicationName(ProgramName);
    Skin::standard().applyTo(application);

    std::unique_ptr<ApplicationWindows> windows;
    try {
        windows = std::make_unique<ApplicationWindows>(componentFactory, registration, shell, prompts, locations);
    } catch (const StartupAborted&) {
        return 1;
    }
    splash.close();
    windows->main->show();
    joinDesktopSession(*windows, QDBusConnection::sessionBus());
    MainWindow& main = *windows->main;
    QTimer::singleShot(0, &main, [&main, &prompts, startFiles] {
        guarded(prompts, [&] { main.conversionList().addFiles(startFiles); });
    });
    return QApplication::exec();
}
