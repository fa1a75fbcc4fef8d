#include "Application.h"

#include "ComponentStartup.h"
#include "SecondaryWindows.h"
#include "Toptions.h"
#include "tags/Tid3editor.h"
#include "tags/Tid3editor_help.h"
#include "ui/Prompts.h"
#include "ui/Skin.h"
#include "ui/Tabout.h"
#include "ui/Tflash.h"

#include <QApplication>

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
      main(std::make_unique<Tmain>(context_)) {
    Tmain* owner = main.get();
    id3editor = new Tid3editor(context_, owner);
    convert = new Tconvert(owner);
    frmWAVAdv = new TfrmWAVAdv(owner);
    frmMP3Adv = new TfrmMP3Adv(owner);
    frmOGGAdv = new TfrmOGGAdv(owner);
    id3editorHelp = new Tid3editor_help(owner);
    id3editor->setHelpWindow(id3editorHelp);
    options = new Toptions(settings_, services.prompts, owner);
    about = new Tabout(services.shell, owner);
    main->setDialogs({options, about, id3editor});
}

int runTonalith(QApplication& application, const MainWindowServices& services) {
    Tflash splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("Tonalith"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tonalith"));
    Skin::standard().applyTo(application);

    std::unique_ptr<ApplicationWindows> windows;
    try {
        windows = std::make_unique<ApplicationWindows>(services);
    } catch (const StartupAborted&) {
        return 1;
    }
    splash.close();
    windows->main->show();
    return QApplication::exec();
}
