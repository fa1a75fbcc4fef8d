// Every window, dialog and tab page the program makes, built as the program builds them, shown at the default font and
// at a font half as large again: nothing lies outside its window, nothing is drawn over another control, no text is
// cut. Run a second time with QT_SCALE_FACTOR=2 by CTest, and in every shipped language and the test language
// (TONALITH_LANGUAGE), whose texts are longer than the English ones.
#include "LayoutAudit.h"
#include "core/platform/Registration.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/about/SplashWindow.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/browser/FolderProperties.h"
#include "gui/common/Skin.h"
#include "gui/main/Application.h"
#include "gui/main/Translations.h"
#include "ui_ProgressWindow.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class LayoutAuditTest : public QObject {
    Q_OBJECT

private:
    QFont startingFont;
    std::unique_ptr<InstalledTranslations> translations;

    static bool showAndWait(QWidget& window) {
        window.show();
        const bool exposed = QTest::qWaitForWindowExposed(&window);
        // Layouts settle in posted events after the first show.
        QTest::qWait(200);
        return exposed;
    }

    // Each window the program keeps, found under the main window rather than named, so a new one is looked at too.
    static QList<QWidget*> dialogsOf(QWidget& main) {
        QList<QWidget*> windows;
        for (QDialog* dialog : main.findChildren<QDialog*>()) {
            if (dialog->isWindow())
                windows.append(dialog);
        }
        return windows;
    }

private slots:
    void initTestCase() {
        Skin::standard().applyTo(*qApp);
        startingFont = QApplication::font();
        const QString language = qEnvironmentVariable("TONALITH_LANGUAGE");
        if (!language.isEmpty() && language != QLatin1String("en")) {
            translations = std::make_unique<InstalledTranslations>(language, QStringLiteral(TONALITH_CATALOGUE_DIR));
            QVERIFY2(translations->installed(), qPrintable(QStringLiteral("no catalogue for %1").arg(language)));
        }
    }
    void cleanup() { QApplication::setFont(startingFont); }

    void everyWindowFits_data() {
        QTest::addColumn<double>("fontScale");
        QTest::newRow("default font") << 1.0;
        QTest::newRow("font 1.5 times larger") << 1.5;
    }
    void everyWindowFits() {
        QFETCH(double, fontScale);
        QFont font = startingFont;
        font.setPointSizeF(startingFont.pointSizeF() * fontScale);
        QApplication::setFont(font);
        const QString size = QStringLiteral("font %1 pt").arg(font.pointSizeF());

        QTemporaryDir scratch;
        QVERIFY(QDir(scratch.path()).mkpath(QStringLiteral("program")));
        const ProgramLocations locations =
            ProgramLocations::forExecutable(scratch.filePath(QStringLiteral("program/tonalith")), scratch.path());
        FakeComponentSetFactory factory;
        FakePrompts prompts;
        FakeShell shell;
        NoRegistrationTool registration;
        ApplicationWindows windows(factory, registration, shell, prompts, locations);
        MainWindow& main = *windows.main;
        LayoutAudit audit;

        QVERIFY(showAndWait(main));
        audit.look(main, size + QStringLiteral(", options pane closed"));
        main.toggleFormatOptionsPane();
        QApplication::processEvents();
        audit.look(main, size + QStringLiteral(", options pane open"));
        main.toggleFormatOptionsPane();

        const QList<QWidget*> dialogs = dialogsOf(main);
        QVERIFY(dialogs.size() >= 8);
        for (QWidget* dialog : dialogs) {
            QVERIFY(showAndWait(*dialog));
            audit.lookAtEveryPage(*dialog, size);
            dialog->hide();
        }

        // The progress window as a paused batch with outputs side by side shows it: the list of running outputs in
        // place of the single output's names and bar, and the pause button saying "Resume".
        Ui::ProgressWindow& progress = windows.progress->form();
        for (QWidget* single :
             std::initializer_list<QWidget*>{progress.caption_from, progress.label_from, progress.caption_to,
                                             progress.label_to, progress.label_processing, progress.progress_output})
            single->hide();
        progress.list_running->show();
        progress.list_running->addItem(QStringLiteral("Rehearsal.mp3  42%"));
        progress.button_pause->setText(QStringLiteral("Resume"));
        progress.label_total->setText(QStringLiteral("Total 42%, paused"));
        QVERIFY(showAndWait(*windows.progress));
        audit.look(*windows.progress, size + QStringLiteral(", outputs side by side, paused"));
        windows.progress->hide();

        // Made when asked for rather than kept: the splash at start and a folder's properties.
        SplashWindow splash;
        QVERIFY(showAndWait(splash));
        audit.look(splash, size);
        FolderProperties properties(scratch.path());
        QVERIFY(showAndWait(properties));
        audit.look(properties, size);

        for (const QString& fault : audit.faults())
            qWarning("%s", qPrintable(fault));
        QVERIFY2(audit.faults().isEmpty(),
                 qPrintable(QString::number(audit.faults().size()) + QStringLiteral(" faults")));
    }
};

QTEST_MAIN(LayoutAuditTest)
#include "LayoutAuditTest.moc"
