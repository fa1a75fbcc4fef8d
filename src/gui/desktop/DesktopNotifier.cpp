#include "DesktopNotifier.h"

#include "SessionBusNames.h"
#include "core/platform/Shell.h"
#include "core/settings/ProgramName.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, IShell& shell, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), shell_(shell) {
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                 SLOT(actionInvoked(uint, QString)));
    bus_.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                 SLOT(notificationClosed(uint, uint)));
}

void DesktopNotifier::tell(const BatchEnd& end) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    // The desktop entry lets the service show the program's icon and name, and group its notices.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), SessionBusNames::Service}};
    call << QString(ProgramName) << uint(0) << SessionBusNames::Service << BatchEndNotice::summary(end)
         << BatchEndNotice::body(end) << BatchEndNotice::actions(end) << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    const QString folder = end.outputFolder;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, folder](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<uint> reply = *finished;
        if (!reply.isError() && !folder.isEmpty())
            folders_[reply.value()] = folder;
        finished->deleteLater();
    });
}

// Other programs' notices send the same signals; only ids of ours are acted on.
void DesktopNotifier::actionInvoked(uint id, const QString& actionKey) {
    const auto notice = folders_.find(id);
    if (notice != folders_.end() && actionKey == BatchEndNotice::OpenFolderAction)
        shell_.open(notice->second);
}

void DesktopNotifier::notificationClosed(uint id, uint) {
    folders_.erase(id);
}
