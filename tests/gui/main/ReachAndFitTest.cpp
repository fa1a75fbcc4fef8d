// What a user reaches in the main window: every folder from the desktop up to the root, every type in File > Add,
// the options pane beside the main pane (by click, menu or a screen reader's toggle), format strings from their
// start and list columns wide enough for their texts.
#include "core/list/ConversionListModel.h"
#include "core/platform/Registration.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/main/Application.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

class ReachAndFitTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakeComponentSetFactory> factory;
    std::unique_ptr<FakePrompts> prompts;
    FakeShell shell;
    NoRegistrationTool registration;
    std::unique_ptr<ApplicationWindows> windows;

    MainWindow& main() { return *windows->main; }
    template <typename T> T& control(const char* name) {
        T* found = main().findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return *found;
    }
    QStringList folderBoxPaths() {
        auto& box = control<QComboBox>("folderCombo");
        QStringList paths;
        for (int item = 0; item < box.count(); ++item)
            paths.append(box.itemData(item).toString());
        return paths;
    }

private slots:
    // A home of the test's own with the desktop and music folders a Linux desktop makes.
    void initTestCase() {
        QVERIFY(home.isValid());
        for (const char* folder : {"Desktop", "Music", ".config"})
            QVERIFY(QDir(home.path()).mkpath(QLatin1String(folder)));
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        factory = std::make_unique<FakeComponentSetFactory>();
        prompts = std::make_unique<FakePrompts>();
        QDir(dir->path()).mkpath(QStringLiteral("program"));
        const ProgramLocations locations =
            ProgramLocations::forExecutable(dir->filePath(QStringLiteral("program/tonalith")), dir->path());
        windows = std::make_unique<ApplicationWindows>(*factory, registration, shell, *prompts, locations);
        factory->audioFile1->setResult(QStringLiteral("durationMs"), 61999);
        factory->audioFile1->setResult(QStringLiteral("formatString"), QStringLiteral("PCM 44100 Hz"));
        main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
    }
    void cleanup() {
        windows.reset();
        prompts.reset();
        factory.reset();
        dir.reset();
    }

    void upClimbsFromTheDesktopToTheRoot() {
        ShellBrowser& browser = main().browser();
        const QString desktop = home.filePath(QStringLiteral("Desktop"));
        QCOMPARE(browser.folder(), desktop);
        QVERIFY(browser.showsDesktop());
        const QStringList places = folderBoxPaths();
        for (const QString& place : {home.path(), home.filePath(QStringLiteral("Music")), QStringLiteral("/")})
            QVERIFY2(places.contains(place), qPrintable(place + QStringLiteral(" missing from ") + places.join(',')));

        auto& up = control<QAbstractButton>("UpOneLevelBtn");
        up.click();
        QCOMPARE(browser.folder(), home.path());
        QVERIFY(!browser.showsDesktop());
        QCOMPARE(control<QComboBox>("folderCombo").currentData().toString(), home.path());
        for (int step = 0; step < 64 && browser.folder() != QStringLiteral("/"); ++step)
            up.click();
        QCOMPARE(browser.folder(), QStringLiteral("/"));
        up.click();
        QCOMPARE(browser.folder(), QStringLiteral("/"));
        QVERIFY(folderBoxPaths().contains(home.path()));

        // Music is one choice of the folder box away; the desktop is still the first.
        auto& box = control<QComboBox>("folderCombo");
        box.setCurrentIndex(folderBoxPaths().indexOf(home.filePath(QStringLiteral("Music"))));
        emit box.activated(box.currentIndex());
        QCOMPARE(browser.folder(), home.filePath(QStringLiteral("Music")));
        QCOMPARE(box.itemData(0).toString(), desktop);
    }

    void addOffersEveryTypeAndAllFiles() {
        control<QAction>("addFilesAction").trigger();
        const QStringList types = prompts->lastFileTypes;
        QVERIFY(!types.isEmpty());
        for (const char* pattern : {"*.flac", "*.m4a", "*.opus", "*.mkv", "*.wav", "*.mp3"})
            QVERIFY2(types.first().contains(QLatin1String(pattern)), qPrintable(types.first()));
        QVERIFY(types.first().startsWith(QLatin1String("Audio and Video Formats (")));
        QCOMPARE(types.last(), QStringLiteral("All files (*)"));
    }

    void optionsPaneOpensBesideTheMainPane() {
        auto& check = control<QCheckBox>("formatOptionsPaneCheck");
        QWidget& pane = main().formatOptions();
        QWidget& mainPane = control<QWidget>("MainPane");
        const int closedWidth = main().width();
        const int mainPaneWidth = mainPane.width();
        QVERIFY(!pane.isVisible());
        QVERIFY(!pane.isVisibleTo(&main()));

        // A screen reader's toggle acts as a click does.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&check);
        QVERIFY(reader && reader->actionInterface());
        QVERIFY(reader->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QApplication::processEvents();
        QVERIFY(check.isChecked());
        QVERIFY(pane.isVisible());
        QVERIFY(reader->state().checked);
        QVERIFY(main().width() > closedWidth);
        QVERIFY2(mainPane.width() >= std::min(mainPaneWidth, mainPane.minimumSizeHint().width()),
                 qPrintable(QStringLiteral("main pane %1 wide").arg(mainPane.width())));
        QVERIFY(pane.width() >= pane.minimumSizeHint().width());
        QVERIFY(!mainPane.geometry().intersects(pane.geometry()));

        // Closed by the menu: the width goes back and nothing in the pane takes focus.
        control<QAction>("formatOptionsPaneAction").trigger();
        QApplication::processEvents();
        QVERIFY(!check.isChecked());
        QVERIFY(!pane.isVisible());
        QTRY_COMPARE(main().width(), closedWidth);
        for (QWidget* child : pane.findChildren<QWidget*>())
            QVERIFY(!child->isVisible());

        // Clicked: the same again.
        check.click();
        QApplication::processEvents();
        QVERIFY(pane.isVisible());
        check.click();
        QApplication::processEvents();
        QTRY_COMPARE(main().width(), closedWidth);
    }

    void formatStringsShowTheirStart() {
        for (QLineEdit* edit : main().formatOptions().findChildren<QLineEdit*>()) {
            if (!edit->objectName().endsWith(QLatin1String("FormatString")))
                continue;
            const QString text = QStringLiteral("MPEG Layer-3, 320 kbit/s CBR, 44100 Hz, Joint Stereo, ") +
                                 edit->objectName() + QStringLiteral(", and more to make it long");
            edit->setText(text);
            QCOMPARE(edit->cursorPosition(), 0);
            QCOMPARE(edit->toolTip(), text);
        }
    }

    void shortListColumnsWidenForTheirTexts() {
        auto& view = *main().findChild<QTreeView*>(QStringLiteral("conversionListView"));
        QHeaderView& header = *view.header();
        header.resizeSection(ConversionListModel::FileName, 77);
        QStringList names;
        for (int file = 1; file <= 12; ++file) {
            const QString name = dir->filePath(QStringLiteral("song %1.wav").arg(file));
            QFile out(name);
            QVERIFY(out.open(QIODevice::WriteOnly));
            QVERIFY(out.resize(196608));
            names.append(name);
        }
        prompts->fileAnswers.push_back(names);
        control<QAction>("addFilesAction").trigger();
        QTRY_COMPARE(main().conversionList().rowCount(), 12);
        QApplication::processEvents();
        for (const int column : {ConversionListModel::Number, ConversionListModel::Size}) {
            for (int row = 0; row < 12; ++row) {
                const QModelIndex cell = view.model()->index(row, column);
                const QRect shown = view.visualRect(cell);
                const int need = view.fontMetrics().horizontalAdvance(cell.data().toString());
                QVERIFY2(
                    shown.width() >= need,
                    qPrintable(
                        QStringLiteral("row %1 column %2: %3 < %4").arg(row).arg(column).arg(shown.width()).arg(need)));
            }
        }
        QCOMPARE(header.sectionSize(ConversionListModel::FileName), 77);
        // A width the user gives stays when more rows come.
        header.resizeSection(ConversionListModel::Size, 33);
        QFile late(dir->filePath(QStringLiteral("late.wav")));
        QVERIFY(late.open(QIODevice::WriteOnly) && late.resize(1000000));
        late.close();
        prompts->fileAnswers.push_back({dir->filePath(QStringLiteral("late.wav"))});
        control<QAction>("addFilesAction").trigger();
        QTRY_COMPARE(main().conversionList().rowCount(), 13);
        QCOMPARE(header.sectionSize(ConversionListModel::Size), 33);
    }
};

QTEST_MAIN(ReachAndFitTest)
#include "ReachAndFitTest.moc"
