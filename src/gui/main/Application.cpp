#include "Application.h"

#include "core/ports/Prompts.h"
#include "core/settings/ComponentStartup.h"
#include "gui/about/AboutBox.h"
#include "gui/about/SplashWindow.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/common/Skin.h"
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
#include <QTimer>

namespace {

std::unique_ptr<ComponentSet> createComponents(const MainWindowServices& services) {
    auto components =
        createComponentsWithRepair(services.components, services.registration, services.locations.programFolder);
    if (!components) {
        services.prompts.message(QString(), QStringLiteral("Initialize Error! Please reinstall Tonalith!"),
                                 Prompts::Icon::None);
        throw StartupAborted();
    }
    return components;
}

} // namespace

ApplicationWindows::ApplicationWindows(const MainWindowServices& services)
    : components_(createComponents(services)),
      settings_(services.locations.settingsPath), context_{*components_, settings_, services.prompts, services.shell,
                                                           services.locations},
      main(std::make_unique<MainWindow>(context_)) {
    MainWindow* owner = main.get();
    id3editor = new TagEditorWindow(context_, owner);
    convert = new ProgressWindow(context_.components, services.components, context_.prompts, context_.shell, owner);
    frmWAVAdv = new WavOptionsDialog(*components_, services.prompts, owner);
    frmMP3Adv = new Mp3OptionsDialog(*components_, services.prompts, owner);
    frmOGGAdv = new OggVorbisOptionsDialog(*components_, services.prompts, owner);
    main->formatOptions().attachDialogs(*frmWAVAdv, *frmMP3Adv, *frmOGGAdv);
    id3editorHelp = new TagEditorHelpWindow(owner);
    id3editor->setHelpWindow(id3editorHelp);
    options = new OptionsDialog(settings_, services.prompts, owner);
    about = new AboutBox(services.shell, owner);
    main->setDialogs({options, about, convert, id3editor});
    for (QWidget* window : std::initializer_list<QWidget*>{id3editor, convert, frmWAVAdv, frmMP3Adv, frmOGGAdv,
                                                           id3editorHelp, options, about})
        nameControlsForAccessibility(*window);
}

int runTonalith(QApplication& application, const MainWindowServices& services, const QStringList& startFiles) {
    SplashWindow splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    // The name only: a display name would be appended to every window title ("Options — Tonalith").
    QApplication::setApplicationName(ProgramName);
    Skin::standard().applyTo(application);

    std::unique_ptr<ApplicationWindows> windows;
    try {
        windows = std::make_unique<ApplicationWindows>(services);
    } catch (const StartupAborted&) {
        return 1;
    }
    splash.close();
    windows->main->show();
    MainWindow& main = *windows->main;
    QTimer::singleShot(0, &main, [&main, &services, startFiles] {
        guarded(services.prompts, [&] { main.conversionList().addFiles(startFiles); });
    });
    return QApplication::exec();
}
