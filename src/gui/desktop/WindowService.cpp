#include "WindowService.h"

#include "SessionBusNames.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QMetaObject>

WindowService::WindowService(QObject* parent)
    : QObject(parent), bus_(QDBusConnection(QStringLiteral("tonalith-no-bus"))) {}

WindowService::~WindowService() {
    if (!registered_)
        return;
    bus_.unregisterObject(SessionBusNames::WindowPath);
    bus_.unregisterService(SessionBusNames::Service);
}

bool WindowService::registerOn(QDBusConnection bus) {
    if (registered_ || !bus.isConnected())
        return false;
    if (!bus.registerService(SessionBusNames::Service))
        return false;
    if (!bus.registerObject(SessionBusNames::WindowPath, this, QDBusConnection::ExportScriptableSlots)) {
        bus.unregisterService(SessionBusNames::Service);
        return false;
    }
    bus_ = std::move(bus);
    registered_ = true;
    return true;
}

void WindowService::OpenFiles(const QStringList& paths) {
    QMetaObject::invokeMethod(
        this, [this, paths] { emit filesHandedOver(paths); }, Qt::QueuedConnection);
}

bool SessionBusInstance::openFiles(const QStringList& absolutePaths) {
    if (!bus_.isConnected())
        return false;
    const QDBusConnectionInterface* names = bus_.interface();
    if (names == nullptr || !names->isServiceRegistered(SessionBusNames::Service).value())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(SessionBusNames::Service, SessionBusNames::WindowPath,
                                                       SessionBusNames::WindowInterface, SessionBusNames::OpenFiles);
    call << absolutePaths;
    return bus_.call(call, QDBus::Block, AnswerTimeoutMs).type() == QDBusMessage::ReplyMessage;
}
