#pragma once

#include "core/platform/BatchProgressShown.h"
#include "gui/desktop/DesktopNotifier.h"
#include "gui/desktop/LauncherEntry.h"
#include "gui/desktop/WindowService.h"

#include <QDBusConnection>
#include <QObject>
#include <functional>

class IShell;
class ProgressWindow;
class QWidget;
class SettingsStore;

// The program in its desktop session: the one window files started later are handed to, the total of a running
// batch in the window's title and on the launcher, and the notification at the end of a long batch.
class DesktopSession : public QObject {
    Q_OBJECT
public:
    using AddFiles = std::function<void(const QStringList&)>;

    // bus: the session bus; one that is not connected leaves the title as the only place the total shows, and
    // every start opens a window of its own. addFiles lists the files handed over, as if dropped on the list.
    DesktopSession(QWidget& window, ProgressWindow& progress, const SettingsStore& settings, IShell& shell,
                   QDBusConnection bus, AddFiles addFiles);

    // True when this window took the program's name on the bus and receives files of later starts.
    [[nodiscard]] bool receivesHandedFiles() const { return receivesFiles_; }

private:
    void showTotal(int percent);
    void batchFinished(int made, int notMade, qint64 elapsedMs, const QString& outputFolder);
    void takeHandedFiles(const QStringList& paths);

    QWidget& window_;
    const SettingsStore& settings_;
    AddFiles addFiles_;
    TitleProgress title_;
    LauncherEntry launcher_;
    DesktopNotifier notifier_;
    WindowService service_;
    bool receivesFiles_ = false;
};
