#include "Application.h"

#include "SecondaryWindows.h"
#include "Toptions.h"
#include "formats/TfrmMP3Adv.h"
#include "formats/TfrmOGGAdv.h"
#include "formats/TfrmWAVAdv.h"
#include "ui/Skin.h"
#include "ui/Tabout.h"
#include "ui/Tflash.h"

#include <QApplication>

ApplicationWindows::ApplicationWindows(const MainWindowServices& services) : main(std::make_unique<Tmain>(services)) {
    Tmain* owner = main.get();
    id3editor = new Tid3editor(owner);
    convert = new Tconvert(owner);
    frmWAVAdv = new TfrmWAVAdv(main->components(), services.prompts, owner);
    frmMP3Adv = new TfrmMP3Adv(main->components(), services.prompts, owner);
    frmOGGAdv = new TfrmOGGAdv(main->components(), services.prompts, owner);
    id3editorHelp = new Tid3editor_help(owner);
    options = new Toptions(main->settings(), services.prompts, owner);
    about = new Tabout(services.shell, owner);
    main->setDialogs({options, about});
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
