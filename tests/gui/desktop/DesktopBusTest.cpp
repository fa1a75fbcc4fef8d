#include "core/platform/BatchEndNotice.h"
#include "core/settings/Settings.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/desktop/DesktopSession.h"
#include "gui/desktop/WindowService.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/options/OptionsDialog.h"
#include "support/RealMainWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

// A notification service as the desktop runs one: it records every Notify call and answers with ids of its own.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString application;
        QString summary;
        QString body;
        QStringList actions;
    };
    QList<Call> calls;

public slots:
    Q_SCRIPTABLE uint Notify(const QString& application, uint, const QString&, const QString& summary,
                             const QString& body, const QStringList& actions, const QVariantMap&, int) {
        calls.append({application, summary, body, actions});
        return 40 + static_cast<uint>(calls.size());
    }
};

// Records the launcher entry's Update signals of any sender.
class LauncherListener : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> updates;
    QStringList applications;

public slots:
    void update(const QString& application, const QVariantMap& properties) {
        applications.append(application);
        updates.append(properties);
    }
};

// The program on a private session bus (the test runs under dbus-run-session): a second start hands its files to
// the running window, a long batch ends with a notification, and the launcher and the title follow a batch's total.
class DesktopBusTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;
    DesktopSession* session = nullptr;
    // The desktop's side of the bus: a connection of its own, as another process has.
    QDBusConnection desktop{QString()};
    std::unique_ptr<FakeNotificationService> notifications;

    void sendActionInvoked(uint id, const QString& key) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                         QStringLiteral("org.freedesktop.Notifications"),
                                                         QStringLiteral("ActionInvoked"));
        signal << id << key;
        QVERIFY(desktop.send(signal));
    }
    // Lets the bus deliver what is under way; nothing the test waits for in this time may arrive.
    static void settle(int ms = 300) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

private slots:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus: run this test under dbus-run-session");
        desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
        QVERIFY(desktop.isConnected());
        notifications = std::make_unique<FakeNotificationService>();
        QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"), notifications.get(),
                                       QDBusConnection::ExportScriptableSlots));
    }

    void init() {
        app = std::make_unique<RealMainWindow>();
        app->main().show();
        session = &joinDesktopSession(*app->windows, QDBusConnection::sessionBus());
        QVERIFY(session->receivesHandedFiles());
        notifications->calls.clear();
    }
    void cleanup() {
        session = nullptr;
        app.reset();
    }

    // The real program, started with names relative to its own folder, ends at once and the window already running
    // lists the files under their absolute paths. While that window runs, no other takes the name.
    void aSecondStartHandsItsFilesToTheRunningWindow() {
        const QString first = app->tone(QStringLiteral("in/a.wav"), 0.2);
        const QString second = app->tone(QStringLiteral("in/b.wav"), 0.2);
        QProcess program;
        program.setWorkingDirectory(app->dir.filePath(QStringLiteral("in")));
        const auto stop = qScopeGuard([&] {
            if (program.state() != QProcess::NotRunning) {
                program.kill();
                program.waitForFinished();
            }
        });
        QElapsedTimer took;
        took.start();
        program.start(QStringLiteral(TONALITH_PROGRAM), {QStringLiteral("a.wav"), QStringLiteral("b.wav")});
        QVERIFY(program.waitForStarted());
        // The running window answers from its event loop, so the test keeps it turning while it waits.
        QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 20000);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(took.elapsed() < 10000, qPrintable(QString::number(took.elapsed())));

        QTRY_COMPARE(app->list().rowCount(), 2);
        QCOMPARE(app->list().row(0).fullName, first);
        QCOMPARE(app->list().row(1).fullName, second);

        RealMainWindow other;
        QVERIFY(!joinDesktopSession(*other.windows, QDBusConnection::sessionBus()).receivesHandedFiles());
    }

    // A name held by a program that refuses the call, or one that never answers, leaves the start to open a window
    // of its own, and the wait is short.
    void aStartOpensItsOwnWindowWhenTheHolderOfTheNameDoesNotTakeTheFiles() {
        app.reset();
        QVERIFY(desktop.registerService(QStringLiteral("example.tonalith.Tonalith")));
        const auto release =
            qScopeGuard([&] { desktop.unregisterService(QStringLiteral("example.tonalith.Tonalith")); });
        SessionBusInstance running(QDBusConnection::sessionBus());
        QElapsedTimer took;
        took.start();
        QVERIFY(!running.openFiles({QStringLiteral("/a.wav")}));
        QVERIFY2(took.elapsed() < SessionBusInstance::AnswerTimeoutMs + 2000,
                 qPrintable(QString::number(took.elapsed())));

        SessionBusInstance noBus(QDBusConnection(QStringLiteral("no such connection")));
        QVERIFY(!noBus.openFiles({QStringLiteral("/a.wav")}));
    }

    // The notification gives the counts and offers the folder; its action opens that folder, another program's
    // notification with the same action key opens nothing.
    void aLongBatchEndsWithANotificationWhoseActionOpensTheFolder() {
        const QString folder = app->dir.filePath(QStringLiteral("out"));
        emit app->windows->progress->batchFinished(3, 1, BatchEndNotice::MinimumRunMs + 1000, folder);
        QTRY_COMPARE(notifications->calls.size(), 1);
        const FakeNotificationService::Call call = notifications->calls.first();
        QCOMPARE(call.application, QStringLiteral("Tonalith"));
        QCOMPARE(call.body, QStringLiteral("3 outputs made, 1 not made."));
        QVERIFY(!call.summary.isEmpty());
        QCOMPARE(call.actions, (QStringList{BatchEndNotice::OpenFolderAction, QStringLiteral("Open Output Folder")}));

        sendActionInvoked(7, BatchEndNotice::OpenFolderAction);
        settle();
        QVERIFY(app->shell.opened.isEmpty());
        sendActionInvoked(41, BatchEndNotice::OpenFolderAction);
        QTRY_COMPARE(app->shell.opened, QStringList{folder});
    }

    // A short batch and the Options box's switch keep the desktop quiet; the switch is the box's own.
    void shortBatchesAndTheOptionsSwitchSendNothing() {
        emit app->windows->progress->batchFinished(2, 0, BatchEndNotice::MinimumRunMs - 1, QStringLiteral("/out"));

        OptionsDialog& options = *app->windows->options;
        options.open();
        options.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        auto& box = testsupport::childNamed<QCheckBox>(options, "ch_notify");
        QVERIFY(box.isChecked());
        // Reached with Tab from the box above it, named and toggled for a screen reader, switched with Space.
        auto& above = testsupport::childNamed<QCheckBox>(options, "ch_copytag");
        above.setFocus();
        QTest::keyClick(&above, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &box);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(reader != nullptr && reader->actionInterface() != nullptr);
        QCOMPARE(reader->text(QAccessible::Name), box.text());
        reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!box.isChecked());
        reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(box.isChecked());
        QTest::keyClick(&box, Qt::Key_Space);
        QVERIFY(!box.isChecked());
        testsupport::childNamed<QPushButton>(options, "okButton").click();
        QVERIFY(!app->windows->context().settings.values().notifyAtEnd);
        emit app->windows->progress->batchFinished(2, 0, BatchEndNotice::MinimumRunMs + 1000, QStringLiteral("/out"));
        settle();
        QCOMPARE(notifications->calls.size(), 0);
    }

    // A real batch from the main window: the launcher shows its total rising to the end, then hides it; the title
    // carries the total meanwhile and is given back.
    void aBatchShowsItsTotalOnTheLauncherAndInTheTitle() {
        LauncherListener listener;
        QVERIFY(desktop.connect(QString(), QStringLiteral("/org/tonalith/launcher"),
                                QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"),
                                &listener, SLOT(update(QString, QVariantMap))));
        const QString plainTitle = app->main().windowTitle();
        QStringList titles;
        connect(app->windows->progress, &ProgressWindow::totalProgressChanged, &listener,
                [&](int) { titles.append(app->main().windowTitle()); });

        for (const char* name : {"one.wav", "two.wav", "three.wav"})
            app->addRow(app->tone(QStringLiteral("in/") + QLatin1String(name), 0.5));
        for (const OutputFormatFacts& facts : outputFormatTable())
            app->main().formatBoxes().setChecked(facts.format, facts.format == OutputFormat::Raw);
        app->main().findChild<QLineEdit*>(QStringLiteral("edit_output_folder"))->setText(app->dir.filePath("out"));
        QTest::mouseClick(app->main().findChild<QPushButton*>(QStringLiteral("button_convert")), Qt::LeftButton);
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});

        QTRY_VERIFY(!listener.updates.isEmpty() &&
                    !listener.updates.last().value(QStringLiteral("progress-visible")).toBool());
        QVERIFY(listener.updates.size() >= 2);
        double before = -1;
        for (qsizetype i = 0; i + 1 < listener.updates.size(); ++i) {
            const QVariantMap& shown = listener.updates[i];
            QVERIFY(shown.value(QStringLiteral("progress-visible")).toBool());
            const double progress = shown.value(QStringLiteral("progress")).toDouble();
            QVERIFY2(progress >= before && progress <= 1.0, qPrintable(QString::number(progress)));
            before = progress;
        }
        QCOMPARE(before, 1.0);
        QCOMPARE(listener.applications.first(), QStringLiteral("application://example.tonalith.Tonalith.desktop"));

        QVERIFY(titles.size() >= 2);
        QVERIFY2(titles.contains(QStringLiteral("100% — ") + plainTitle), qPrintable(titles.join('\n')));
        QCOMPARE(titles.last(), plainTitle);
        QCOMPARE(app->main().windowTitle(), plainTitle);
        // A batch of a moment is not notified.
        settle();
        QCOMPARE(notifications->calls.size(), 0);
    }
};

QTEST_MAIN(DesktopBusTest)
#include "DesktopBusTest.moc"
