#pragma once

#include "core/platform/BatchEndNotice.h"

#include <QDBusConnection>
#include <QObject>
#include <map>

class IShell;

// Tells the desktop's notification service that a batch ended; its "Open Output Folder" action opens the folder
// through the shell. The call never waits for the service: a desktop without one costs nothing.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    DesktopNotifier(QDBusConnection bus, IShell& shell, QObject* parent = nullptr);

    void tell(const BatchEnd& end);

private slots:
    void actionInvoked(uint id, const QString& actionKey);
    void notificationClosed(uint id, uint reason);

private:
    QDBusConnection bus_;
    IShell& shell_;
    std::map<uint, QString> folders_; // notifications of ours on screen, with the folder each one's action opens
};
