#include "LauncherEntry.h"

#include "SessionBusNames.h"

#include <QDBusMessage>

void LauncherEntry::show(int percent) {
    const auto properties = progress_.update(percent);
    if (!properties || !bus_.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(
        SessionBusNames::LauncherPath, QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    update << LauncherProgress::ApplicationUri << *properties;
    bus_.send(update);
}
