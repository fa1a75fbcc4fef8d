#include "Application.h"

#include "ComponentStartup.h"
#include "Toptions.h"
#include "convert/Tconvert.h"
#include "formats/FormatOptionsPane.h"
#include "formats/TfrmMP3Adv.h"
#include "formats/TfrmOGGAdv.h"
#include "formats/TfrmWAVAdv.h"
#include "tags/Tid3editor.h"
#include "tags/Tid3editor_help.h"
#include "ui/Prompts.h"
#include "ui/Skin.h"
#include "ui/Tabout.h"
#include "ui/Tflash.h"

#include "ConversionListPanel.h"
#include "ui/Accessibility.h"
#include "ui/ErrorReport.h"

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
      main(std::make_unique<Tmain>(context_)) {
    Tmain* owner = main.get();
    id3editor = new Tid3editor(context_, owner);
    convert = new Tconvert(context_.components, services.components, context_.prompts, context_.shell, owner);
    frmWAVAdv = new TfrmWAVAdv(*components_, services.prompts, owner);
    frmMP3Adv = new TfrmMP3Adv(*components_, services.prompts, owner);
    frmOGGAdv = new TfrmOGGAdv(*components_, services.prompts, owner);
    main->formatOptions().attachDialogs(*frmWAVAdv, *frmMP3Adv, *frmOGGAdv);
    id3editorHelp = new Tid3editor_help(owner);
    id3editor->setHelpWindow(id3editorHelp);
    options = new Toptions(settings_, services.prompts, owner);
    about = new Tabout(services.shell, owner);
    main->setDialogs({options, about, convert, id3editor});
    for (QWidget* window : std::initializer_list<QWidget*>{id3editor, convert, frmWAVAdv, frmMP3Adv, frmOGGAdv,
                                                           id3editorHelp, options, about})
        nameControlsForAccessibility(*window);
}

int runTonalith(QApplication& application, const MainWindowServices& services, const QStringList& startFiles) {
    Tflash splash;
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
    Tmain& main = *windows->main;
    QTimer::singleShot(0, &main, [&main, &services, startFiles] {
        guarded(services.prompts, [&] { main.conversionList().addFiles(startFiles); });
    });
    return QApplication::exec();
}
