// Renders the main window as it looks right after start-up into a PNG, for the documentation.
// Usage: tonalith-screenshot <output.png> [--options-pane | --options-dialog | --about | --] [files to list...]
#include "app/Application.h"
#include "app/ConversionListPanel.h"
#include "app/Toptions.h"
#include "components/ComponentSet.h"
#include "platform/ProgramFolder.h"
#include "platform/Registration.h"
#include "platform/Shell.h"
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
    QStringList files;
    for (int i = 3; i < argc; ++i)
        files.append(QString::fromLocal8Bit(argv[i]));

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
    shown->show();
    windows.main->conversionList().addFiles(files);
    if (!files.isEmpty())
        windows.main->conversionList().selectRow(0);
    // The file list fills in on a worker thread; give it a moment before the picture is taken.
    QTimer::singleShot(1500, [&] {
        const bool saved = shown->grab().save(output);
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
