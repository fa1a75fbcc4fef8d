// Renders the main window as it looks right after start-up into a PNG, for the documentation.
// Usage: tonalith-screenshot <output.png> [--options-pane | --options-dialog | --about | --tag-editor <audio file>]
#include "app/Application.h"
#include "app/Toptions.h"
#include "components/ComponentSet.h"
#include "platform/ProgramFolder.h"
#include "platform/Registration.h"
#include "platform/Shell.h"
#include "tags/Tid3editor.h"
#include "ui/Prompts.h"
#include "ui/Skin.h"
#include "ui/Tabout.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

namespace {
class SilentShell : public IShell {
public:
    bool open(const QString&) override { return true; }
    bool runAndWait(const QString&, const QString&) override { return false; }
};
class SilentPrompts : public Prompts {
public:
    void message(const QString&, const QString&, Icon) override {}
    bool confirm(const QString&, const QString&) override { return false; }
    std::optional<QString> pickFolder(const QString&, const QString&) override { return std::nullopt; }
    QStringList pickFilesToOpen(const QString&, const QStringList&) override { return {}; }
};
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonalith"));
    Skin::standard().applyTo(application);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main-window.png");
    const QByteArray view = argc > 2 ? QByteArray(argv[2]) : QByteArray();

    // Settings and placement go to a scratch folder so the picture always shows a first start.
    QTemporaryDir scratch;
    ProgramLocations locations = ProgramLocations::forExecutable(QApplication::applicationFilePath(), scratch.path());
    locations.settingsPath = scratch.filePath(QStringLiteral("settings.ini"));
    locations.placementPath = scratch.filePath(QStringLiteral("placement.ini"));
    ComponentSetFactory components;
    NoRegistrationTool registration;
    SilentShell shell;
    SilentPrompts prompts;
    ApplicationWindows windows({components, registration, shell, prompts, locations});
    windows.main->show();
    QWidget* shown = windows.main.get();
    if (view == "--options-pane")
        windows.main->FormatOptionsPanel1Click();
    if (view == "--options-dialog")
        shown = windows.options;
    if (view == "--about")
        shown = windows.about;
    if (view == "--tag-editor" && argc > 3) {
        // Opens at the file as if it were the conversion list's selected row.
        windows.id3editor->setListFile(QString::fromLocal8Bit(argv[3]));
        shown = windows.id3editor;
    }
    shown->show();
    // The file list fills in on a worker thread; give it a moment before the picture is taken.
    QTimer::singleShot(1500, [&] {
        const bool saved = shown->grab().save(output);
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
