// The main window as the user meets it: the real MainWindow with its panels, fake components and the recording prompts.
#include "gui/main/MainWindow.h"
#include "core/platform/Registration.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/browser/BrowserFolders.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/main/Application.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QUrl>

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakeComponentSetFactory> factory;
    std::unique_ptr<FakePrompts> prompts;
    FakeShell shell;
    NoRegistrationTool registration;
    std::unique_ptr<ApplicationWindows> windows;

    MainWindow& main() { return *windows->main; }
    ConversionListPanel& list() { return main().conversionList(); }
    ShellBrowser& browser() { return main().browser(); }
    QTreeView& listView() { return *main().findChild<QTreeView*>(QStringLiteral("conversionListView")); }
    template <typename T> T& control(const char* name) { return testsupport::childNamed<T>(main(), name); }
    QString cell(int row, int column) { return listView().model()->index(row, column).data().toString(); }
    QString path(const QString& name) { return dir->filePath(name); }
    void makeFile(const QString& name, qint64 size = 1) {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }
    void addThroughTheDialog(const QStringList& names) {
        prompts->fileAnswers.push_back(names);
        control<QAction>("addFilesAction").trigger();
    }
    void drop(const QStringList& names) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& name : names)
            urls.append(QUrl::fromLocalFile(name));
        data.setUrls(urls);
        QWidget* target = listView().viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QVERIFY(dropped.isAccepted());
        QTRY_VERIFY(list().rowCount() > 0 || names.isEmpty());
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        factory = std::make_unique<FakeComponentSetFactory>();
        prompts = std::make_unique<FakePrompts>();
        QDir(dir->path()).mkpath(QStringLiteral("program"));
        const ProgramLocations locations =
            ProgramLocations::forExecutable(path(QStringLiteral("program/tonalith")), dir->path());
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(locations.programFolder + QStringLiteral("drag.bmp"), "BMP"));
        windows = std::make_unique<ApplicationWindows>(*factory, registration, shell, *prompts, locations);
        factory->reader->setResult(QStringLiteral("durationMs"), 61999);
        factory->reader->setResult(QStringLiteral("formatString"), QStringLiteral("PCM 44100 Hz"));
        factory->video->setResult(QStringLiteral("durationMs"), 5000);
        factory->video->setResult(QStringLiteral("formatDescription"), QStringLiteral("AAC"));
        main().resize(800, 600);
        main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
    }
    void cleanup() {
        windows.reset();
        prompts.reset();
        factory.reset();
        dir.reset();
    }

    void rowsShowTheirTextsAndKeepTheirNumbers() {
        makeFile(QStringLiteral("one and a half.wav"), 1572864);
        makeFile(QStringLiteral("tiny.wav"), 1000);
        addThroughTheDialog({path(QStringLiteral("one and a half.wav")), path(QStringLiteral("tiny.wav"))});
        QCOMPARE(prompts->shown.first(), QStringLiteral("files|Open"));
        QCOMPARE(list().rowCount(), 2);
        const QChar point = QLocale::system().decimalPoint().front();
        QCOMPARE(cell(0, 0), QStringLiteral("01"));
        QCOMPARE(cell(0, 1), QStringLiteral("one and a half.wav"));
        QCOMPARE(cell(0, 2), QStringLiteral("1") + point + QStringLiteral("5 MB"));
        QCOMPARE(cell(0, 3), QStringLiteral("1:01"));
        QCOMPARE(cell(0, 4), QStringLiteral("(Audio) PCM 44100 Hz"));
        QCOMPARE(cell(0, 5), path(QStringLiteral("one and a half.wav")));
        QCOMPARE(cell(1, 2), QStringLiteral("0 MB"));
        QCOMPARE(listView().model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(listView().model()->index(1, 4).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("(Audio) PCM 44100 Hz"));

        QStringList more;
        for (int i = 3; i <= 10; ++i)
            more.append(path(QStringLiteral("song %1.mp3").arg(i)));
        addThroughTheDialog(more);
        QCOMPARE(cell(8, 0), QStringLiteral("09"));
        QCOMPARE(cell(9, 0), QStringLiteral("10"));
        list().selectRow(4);
        control<QAction>("removeFileAction").trigger();
        addThroughTheDialog({path(QStringLiteral("late.wav"))});
        // numbers are the count at the add, never renumbered
        QCOMPARE(cell(9, 0), QStringLiteral("10"));
        QCOMPARE(cell(8, 0), QStringLiteral("10"));
    }

    void duplicatesLetterCaseAndVideoExtensions() {
        const QString song = path(QStringLiteral("Song.mp3"));
        addThroughTheDialog({song});
        drop({song});
        QCOMPARE(list().rowCount(), 1);
        addThroughTheDialog({path(QStringLiteral("song.mp3"))});
        QCOMPARE(list().rowCount(), 2);
        factory->log->clear();
        addThroughTheDialog({path(QStringLiteral("clip.AVI")), path(QStringLiteral("clip.avi"))});
        QVERIFY(factory->log->contains("reader.openForReading(" + path(QStringLiteral("clip.AVI")) + ",0,1)"));
        QVERIFY(factory->log->contains("video.open(" + path(QStringLiteral("clip.avi")) + ")"));
        QCOMPARE(cell(2, 4), QStringLiteral("(Audio) PCM 44100 Hz"));
        QCOMPARE(cell(3, 4), QStringLiteral("(Video) AAC"));
        QVERIFY(list().row(2).isAudio());
        QVERIFY(!list().row(3).isAudio());
    }

    void removeSelectsTheRowBeforeAndClearEmptiesTheList() {
        addThroughTheDialog({path("a.wav"), path("b.wav"), path("c.wav")});
        list().selectRow(-1);
        control<QAction>("removeFileAction").trigger();
        // nothing selected, nothing removed
        QCOMPARE(list().rowCount(), 3);
        list().selectRow(2);
        control<QAction>("removeFileAction").trigger();
        QCOMPARE(list().rowCount(), 2);
        QCOMPARE(list().selectedRow(), 1);
        QCOMPARE(list().selectedFullName().value(), path("b.wav"));
        list().selectRow(0);
        control<QAction>("removeFileAction").trigger();
        QCOMPARE(list().rowCount(), 1);
        QCOMPARE(list().selectedRow(), -1);
        QCOMPARE(list().row(0).fullName, path("b.wav"));
        control<QAction>("clearListAction").trigger();
        QCOMPARE(list().rowCount(), 0);
        QVERIFY(prompts->count(QStringLiteral("Error")) == 0);
    }

    void theEmptyListShowsTheDragPicture() {
        QWidget& surface = *listView().viewport();
        const QPoint corner(surface.width() / 2 - 120, surface.height() / 2 - 20);
        const QPoint inside = corner + QPoint(8, 8);
        QCOMPARE(surface.grab().toImage().pixelColor(inside), QColor(Qt::red));
        addThroughTheDialog({path("a.wav")});
        QVERIFY(surface.grab().toImage().pixelColor(inside) != QColor(Qt::red));
    }

    void dropsTakeFilesWholeNamesAndFolders() {
        drop({path("one.wav"), path("two.mp3"), path("three.ogg")});
        QCOMPARE(list().rowCount(), 3);
        QCOMPARE(list().row(2).fullName, path("three.ogg"));

        QString deep = dir->path();
        while (deep.size() < 300)
            deep += QStringLiteral("/a folder with a long name");
        const QString longName = deep + QStringLiteral("/the song.wav");
        makeFile(QDir(dir->path()).relativeFilePath(longName));
        QVERIFY(longName.size() > 300);
        drop({longName});
        QCOMPARE(list().row(3).fullName, longName);

        makeFile(QStringLiteral("album/02.mp3"));
        makeFile(QStringLiteral("album/01.wav"));
        makeFile(QStringLiteral("album/cover.jpg"));
        makeFile(QStringLiteral("album/bonus/03.ogg"));
        drop({path("album")});
        QCOMPARE(list().rowCount(), 7);
        QCOMPARE(list().row(4).fullName, path("album/01.wav"));
        QCOMPARE(list().row(5).fullName, path("album/02.mp3"));
        QCOMPARE(list().row(6).fullName, path("album/bonus/03.ogg"));
    }

    void browserFiltersViewsAndTheDesktop() {
        for (const char* name : {"music/a.ogg", "music/b.mp3", "music/c.avi", "music/d.wma", "music/e.txt"})
            makeFile(QLatin1String(name));
        QDir(path("music")).mkpath(QStringLiteral("sub"));
        browser().setFolder(path("music"));
        auto shown = [&](int filter) {
            browser().setFilterIndex(filter);
            static_cast<void>(QTest::qWaitFor([&] { return browser().shownNames().contains(QStringLiteral("sub")); }));
            QTest::qWait(50);
            QStringList names = browser().shownNames();
            names.sort();
            return names;
        };
        QCOMPARE(shown(4), (QStringList{"a.ogg", "sub"}));
        QCOMPARE(shown(1), (QStringList{"a.ogg", "b.mp3", "c.avi", "d.wma", "sub"}));
        // no file listed twice
        QCOMPARE(shown(0), (QStringList{"a.ogg", "b.mp3", "c.avi", "d.wma", "sub"}));

        browser().listPopup().findChild<QAction*>(QStringLiteral("detailsAction"))->trigger();
        QCOMPARE(browser().viewCode(), int(ShellBrowser::Details));
        for (const char* name : {"LargeIconsBtn", "SmallIconsBtn", "ListBtn", "DetailsBtn"})
            QCOMPARE(control<QAbstractButton>(name).isChecked(), QByteArray(name) == "DetailsBtn");
        for (const char* name : {"largeIconsAction", "smallIconsAction", "listAction", "detailsAction"})
            QCOMPARE(browser().listPopup().findChild<QAction*>(QLatin1String(name))->isChecked(),
                     QByteArray(name) == "detailsAction");
        QVERIFY(control<QTreeView>("fileDetails").isVisible());

        browser().setFolder(path("music/sub"));
        control<QAbstractButton>("UpOneLevelBtn").click();
        QCOMPARE(browser().folder(), path("music"));
    }

    void browserCommandsNeverLoseFilesSilently() {
        makeFile(QStringLiteral("here/keep.wav"), 10);
        makeFile(QStringLiteral("elsewhere/keep.wav"), 20);
        browser().setFolder(path("here"));
        QTRY_VERIFY(browser().shownNames().contains(QStringLiteral("keep.wav")));

        auto* clipboard = new QMimeData;
        clipboard->setUrls({QUrl::fromLocalFile(path("elsewhere/keep.wav"))});
        QApplication::clipboard()->setMimeData(clipboard);
        browser().listPopup().findChild<QAction*>(QStringLiteral("pasteAction"))->trigger();
        QCOMPARE(prompts->count(QStringLiteral("Confirm File Replace|")), 1);
        // not replaced without a yes
        QCOMPARE(QFileInfo(path("here/keep.wav")).size(), 10);

        auto& files = control<QAbstractItemView>("fileList");
        const QModelIndex index = files.model()->index(0, 0, files.rootIndex());
        files.selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
        control<QAbstractButton>("DeleteBtn").click();
        QCOMPARE(prompts->count(QStringLiteral("Confirm Delete|")), 1);
        // no is no
        QVERIFY(QFileInfo::exists(path("here/keep.wav")));

        browser().listPopup().findChild<QAction*>(QStringLiteral("newFolderAction"))->trigger();
        QVERIFY(QFileInfo(path("here/New Folder")).isDir());
    }

    void anExceptionFromAHandlerShowsOneBoxAndTheWindowGoesOn() {
        factory->reader->setFailure(QStringLiteral("close"), QStringLiteral("The reader went away"));
        addThroughTheDialog({path("a.wav")});
        QCOMPARE(prompts->count(QStringLiteral("Tonalith|The reader went away")), 1);
        QCOMPARE(list().rowCount(), 0);
        factory->reader->setFailure(QStringLiteral("close"), QString());
        addThroughTheDialog({path("a.wav")});
        QCOMPARE(list().rowCount(), 1);
        QVERIFY(main().isVisible());
    }

    void everyControlHasAnAccessibleName() {
        for (QWidget* widget : main().findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
                                 qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
                                 qobject_cast<QAbstractSlider*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
                                 qobject_cast<QGroupBox*>(widget);
            // Parts that Qt makes inside its own widgets (scroll bars, header sections, the line edit of a spin
            // box) take their names from their owners.
            const bool inner = widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"));
            if (control && !inner)
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
        QCOMPARE(control<QAbstractButton>("button_choose_folder").accessibleName(),
                 QStringLiteral("Select an output folder"));
        QCOMPARE(control<QAbstractButton>("UpOneLevelBtn").accessibleName(), QStringLiteral("Up One Level"));
        QCOMPARE(control<QLineEdit>("edit_output_folder").accessibleName(), QStringLiteral("Output Folder"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
