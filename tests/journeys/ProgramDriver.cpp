// Drives the real tonalith executable the way a user would, for tests that must see the whole program: this library
// is loaded into the started program with LD_PRELOAD and works its windows through Qt Test's mouse and key events.
// The program itself knows nothing of it.
//
// TONALITH_DRIVE names a script, one command a line (blank lines and lines starting with # are skipped). A NAME is an
// objectName, looked for first in the window open modally; "WINDOW/NAME" looks in the window WINDOW only.
//   wait NAME               until a visible widget called NAME exists
//   rows NAME N             until the item view NAME holds N rows
//   trigger NAME            trigger the menu action NAME, as a click on its menu item does
//   click NAME              click the button NAME
//   check NAME              click the check box NAME unless it is checked already
//   uncheck NAME            click the check box NAME if it is checked
//   type NAME TEXT          replace the text of the line edit NAME by typing TEXT (TEXT runs to the end of the line)
//   select NAME ROW         click the row ROW (from 0) of the item view NAME
//   doubleclick NAME ROW    double-click the row ROW of the item view NAME
//   message TEXT            until a message box whose text contains TEXT is shown; answer it with its default button
//   opened                  until the program has asked the desktop to open something
//   pause MS                let the program run for MS milliseconds
//   move NAME X Y           move the window NAME so that its top-left corner is at X, Y (dragging its title bar)
//   report NAME             write the state of the widget NAME: "NAME=checked" or "NAME=unchecked" for a button that
//                           can be checked, "NAME=TEXT" for a line edit or a label, "NAME=value N" for a slider,
//                           "NAME=rows N" for an item view followed by one "NAME.row=TEXTS" a row (its columns'
//                           texts separated by tabs), and "NAME=X,Y WxH" for a window
//   close NAME              close the window NAME (its close box)
// TONALITH_DRIVE_REPORT names the file that receives one line per fact: "step=N COMMAND" when a command is done,
// "message=CAPTION|TEXT" for every message box, "opened=URL" for everything handed to the desktop, what report
// commands find, "failed=WHY" when a command cannot be done (the program is then closed), "done" at the end.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

// The visible widget called NAME, looked for first in the window that is open modally, or "WINDOW/NAME" for one in
// the window called WINDOW (two windows may have controls of the same name).
QWidget* visibleWidget(const QString& path) {
    const QString window = path.contains(QLatin1Char('/')) ? path.section(QLatin1Char('/'), 0, 0) : QString();
    const QString name = path.section(QLatin1Char('/'), -1);
    QList<QWidget*> windows = QApplication::topLevelWidgets();
    if (QWidget* modal = QApplication::activeModalWidget())
        windows.prepend(modal);
    for (QWidget* top : windows) {
        if (!top->isVisible() || (!window.isEmpty() && top->objectName() != window))
            continue;
        if (top->objectName() == name)
            return top;
        for (QWidget* child : top->findChildren<QWidget*>(name))
            if (child->isVisible())
                return child;
    }
    return nullptr;
}

QAction* actionNamed(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* action = top->findChild<QAction*>(name))
            return action;
    return nullptr;
}

QString stateOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable())
        return button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget))
        return QStringLiteral("value %1").arg(slider->value());
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* view = qobject_cast<QAbstractItemView*>(widget))
        return QStringLiteral("rows %1").arg(view->model() ? view->model()->rowCount() : 0);
    if (widget->isWindow()) // the frame's top-left corner, as move places it, and the inner size
        return QStringLiteral("%1,%2 %3x%4")
            .arg(widget->x())
            .arg(widget->y())
            .arg(widget->width())
            .arg(widget->height());
    return QStringLiteral("shown");
}

// Each row's column texts, separated by tabs.
QStringList rowTexts(const QAbstractItemModel& model) {
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList columns;
        for (int column = 0; column < model.columnCount(); ++column)
            columns.append(model.index(row, column).data().toString());
        rows.append(columns.join(QLatin1Char('\t')));
    }
    return rows;
}

// Everything the program can hand to the desktop; the driver records it instead of opening it.
constexpr const char* kSchemes[] = {"file", "http", "https", "mailto"};

class ProgramDriver : public QObject {
    Q_OBJECT
public:
    ProgramDriver(QStringList script, const QString& reportPath) : script_(std::move(script)), report_(reportPath) {
        report_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
        connect(&ticker_, &QTimer::timeout, this, &ProgramDriver::tick);
        ticker_.start(50);
        stepClock_.start();
    }
    ~ProgramDriver() override {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

public slots:
    void openUrl(const QUrl& url) {
        opened_ = true;
        write(QStringLiteral("opened=") + url.toString());
    }

private:
    void write(const QString& line) {
        report_.write(line.toUtf8() + '\n');
        report_.flush();
    }

    // Runs on a timer, so it also runs inside the program's modal loops; every action that may open a modal window is
    // posted instead of called, so that this function always returns and the next step can answer that window.
    void tick() {
        if (busy_)
            return;
        busy_ = true;
        answerMessageBox();
        if (next_ < script_.size()) {
            const QString command = script_.at(next_);
            if (const auto failure = attempt(command); !failure.isEmpty()) {
                if (failure != QLatin1String("wait")) {
                    write(QStringLiteral("failed=") + command + QStringLiteral(": ") + failure);
                    finish();
                }
            } else {
                write(QStringLiteral("step=%1 %2").arg(next_ + 1).arg(command));
                ++next_;
                stepClock_.restart();
                // Said at once: a last step that closes the program may end it before the next tick.
                if (next_ == script_.size())
                    finish();
            }
        } else if (!finished_) {
            finish();
        }
        busy_ = false;
    }

    void finish() {
        finished_ = true;
        next_ = static_cast<int>(script_.size());
        write(QStringLiteral("done"));
        if (QWidget* main = visibleWidget(QStringLiteral("main")))
            QTimer::singleShot(0, main, &QWidget::close);
    }

    // A message box that no step waits for is reported and answered, so that an unexpected one cannot hang a test.
    void answerMessageBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_)
            return;
        const QString command = next_ < script_.size() ? script_.at(next_) : QString();
        const bool awaited = command.startsWith(QLatin1String("message ")) && box->text().contains(command.mid(8));
        answered_ = box;
        write(QStringLiteral("message=%1|%2").arg(box->windowTitle(), box->text()));
        if (awaited)
            awaitedSeen_ = true;
        QAbstractButton* button = box->defaultButton();
        if (!button)
            button = box->buttons().value(0);
        QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    }

    // Returns an empty text when the command is done, "wait" to try again on the next tick, or why it cannot be done.
    QString attempt(const QString& command) {
        const QString verb = command.section(QLatin1Char(' '), 0, 0);
        const QString name = command.section(QLatin1Char(' '), 1, 1);
        const QString rest = command.section(QLatin1Char(' '), 2);
        if (verb == QLatin1String("wait"))
            return visibleWidget(name) ? QString() : QStringLiteral("wait");
        if (verb == QLatin1String("rows")) {
            auto* view = qobject_cast<QAbstractItemView*>(visibleWidget(name));
            return view && view->model() && view->model()->rowCount() == rest.toInt() ? QString()
                                                                                      : QStringLiteral("wait");
        }
        if (verb == QLatin1String("opened"))
            return opened_ ? QString() : QStringLiteral("wait");
        if (verb == QLatin1String("message")) {
            if (!awaitedSeen_)
                return QStringLiteral("wait");
            awaitedSeen_ = false;
            return {};
        }
        if (verb == QLatin1String("pause"))
            return stepClock_.elapsed() >= name.toInt() ? QString() : QStringLiteral("wait");
        if (verb == QLatin1String("trigger")) {
            QAction* action = actionNamed(name);
            if (!action)
                return QStringLiteral("no action of that name");
            QTimer::singleShot(0, action, &QAction::trigger);
            return {};
        }
        QWidget* widget = visibleWidget(name);
        if (!widget)
            return QStringLiteral("no visible widget of that name");
        if (verb == QLatin1String("close")) {
            QTimer::singleShot(0, widget, &QWidget::close);
            return {};
        }
        if (verb == QLatin1String("move")) {
            widget->window()->move(rest.section(QLatin1Char(' '), 0, 0).toInt(),
                                   rest.section(QLatin1Char(' '), 1).toInt());
            return {};
        }
        if (verb == QLatin1String("report")) {
            write(name + QLatin1Char('=') + stateOf(widget));
            if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model())
                for (const QString& texts : rowTexts(*view->model()))
                    write(name + QStringLiteral(".row=") + texts);
            return {};
        }
        if (verb == QLatin1String("click") || verb == QLatin1String("check") || verb == QLatin1String("uncheck")) {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (!button)
                return QStringLiteral("not a button");
            const bool wanted =
                verb == QLatin1String("click") || (verb == QLatin1String("check")) != button->isChecked();
            if (wanted)
                QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
            return {};
        }
        if (verb == QLatin1String("type")) {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            if (!edit)
                return QStringLiteral("not a line edit");
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, rest);
            return edit->text() == rest ? QString() : QStringLiteral("the edit kept \"%1\"").arg(edit->text());
        }
        if (verb == QLatin1String("select") || verb == QLatin1String("doubleclick")) {
            auto* view = qobject_cast<QAbstractItemView*>(widget);
            if (!view || !view->model() || rest.toInt() >= view->model()->rowCount())
                return QStringLiteral("no such row");
            const QModelIndex index = view->model()->index(rest.toInt(), 0);
            view->scrollTo(index);
            const QPoint point = view->visualRect(index).center();
            QPointer<QWidget> viewport = view->viewport();
            const bool twice = verb == QLatin1String("doubleclick");
            QTimer::singleShot(0, viewport, [viewport, point, twice] {
                QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
                if (twice && viewport)
                    QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
            });
            return {};
        }
        return QStringLiteral("unknown command");
    }

    QStringList script_;
    QFile report_;
    QTimer ticker_;
    QElapsedTimer stepClock_;
    QPointer<QMessageBox> answered_;
    int next_ = 0;
    bool busy_ = false;
    bool opened_ = false;
    bool awaitedSeen_ = false;
    bool finished_ = false;
};

void startProgramDriver() {
    const QString scriptPath = qEnvironmentVariable("TONALITH_DRIVE");
    if (scriptPath.isEmpty() || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    QFile file(scriptPath);
    QStringList script;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QString command = line.trimmed();
            if (!command.isEmpty() && !command.startsWith(QLatin1Char('#')))
                script.append(command);
        }
    }
    // Parented to the application, so it lives exactly as long as the program's event loop.
    auto* driver = new ProgramDriver(script, qEnvironmentVariable("TONALITH_DRIVE_REPORT"));
    driver->setParent(QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startProgramDriver)

#include "ProgramDriver.moc"
