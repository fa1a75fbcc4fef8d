#include "DesktopSession.h"

#include "core/platform/InstanceHandOff.h"
#include "core/settings/Settings.h"
#include "gui/batch/ProgressWindow.h"

#include <QWidget>

DesktopSession::DesktopSession(QWidget& window, ProgressWindow& progress, const SettingsStore& settings, IShell& shell,
                               QDBusConnection bus, AddFiles addFiles)
    : QObject(&window), window_(window), settings_(settings), addFiles_(std::move(addFiles)), launcher_(bus),
      notifier_(bus, shell) {
    connect(&progress, &ProgressWindow::totalProgressChanged, this, &DesktopSession::showTotal);
    connect(&progress, &ProgressWindow::batchFinished, this, &DesktopSession::batchFinished);
    connect(&service_, &WindowService::filesHandedOver, this, &DesktopSession::takeHandedFiles);
    receivesFiles_ = service_.registerOn(std::move(bus));
}

void DesktopSession::showTotal(int percent) {
    window_.setWindowTitle(title_.titleFor(percent, window_.windowTitle()));
    launcher_.show(percent);
}

void DesktopSession::batchFinished(int made, int notMade, qint64 elapsedMs, const QString& outputFolder) {
    const BatchEnd end{made, notMade, elapsedMs, outputFolder};
    if (BatchEndNotice::isDue(end, settings_.values().notifyAtEnd))
        notifier_.tell(end);
}

// The desktop may refuse to hand the focus over; the window is raised all the same.
void DesktopSession::takeHandedFiles(const QStringList& paths) {
    if (window_.isMinimized())
        window_.showNormal();
    window_.raise();
    window_.activateWindow();
    addFiles_(handedPathsToAdd(paths));
}
