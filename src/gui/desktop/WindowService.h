#pragma once

#include "core/platform/InstanceHandOff.h"

#include <QDBusConnection>
#include <QObject>

// The running window on the session bus: a program started later hands its files over here instead of opening a
// window of its own.
class WindowService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.tonalith.Tonalith")
public:
    explicit WindowService(QObject* parent = nullptr);
    ~WindowService() override;

    // Takes the program's name on the bus. False when there is no bus or another window holds the name: this one
    // then runs beside it, as a second window.
    bool registerOn(QDBusConnection bus);

public slots:
    // The bus method: absolute paths, listed as files dropped on the list are. The answer goes back at once; the
    // files are added afterwards, so a long list never keeps the caller waiting.
    Q_SCRIPTABLE void OpenFiles(const QStringList& paths);

signals:
    void filesHandedOver(const QStringList& paths);

private:
    QDBusConnection bus_; // a connection of no bus until registerOn takes one
    bool registered_ = false;
};

// A starting program's way to the running window over the session bus.
class SessionBusInstance : public IRunningInstance {
public:
    // A running window that does not answer within this time is taken as hanging: the user gets a window of their
    // own instead of waiting for nothing.
    static constexpr int AnswerTimeoutMs = 3000;

    explicit SessionBusInstance(QDBusConnection bus) : bus_(std::move(bus)) {}
    bool openFiles(const QStringList& absolutePaths) override;

private:
    QDBusConnection bus_;
};
