// What a user reaches in the main window: every folder from the desktop up to the root, every type in File > Add,
// the options pane beside the main pane (by click, menu or a screen reader's toggle), format strings from their
// start and list columns wide enough for their texts.
#include "core/list/ConversionListModel.h"
#include "core/platform/IniFile.h"
#include "core/platform/Registration.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/main/Application.h"
#include "gui/options/OptionsDialog.h"
#include "gui/tags/TagEditorWindow.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionViewItem>
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
    ProgramLocations locations;

    MainWindow& main() { return *windows->main; }
    template <typename T> T& control(const char* name) { return testsupport::childNamed<T>(main(), name); }
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
        locations = ProgramLocations::forExecutable(dir->filePath(QStringLiteral("program/tonalith")), dir->path());
        windows = std::make_unique<ApplicationWindows>(*factory, registration, shell, *prompts, locations);
        factory->reader->setResult(QStringLiteral("durationMs"), 61999);
        factory->reader->setResult(QStringLiteral("formatString"), QStringLiteral("PCM 44100 Hz"));
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

    // A window near its screen's right and bottom edges moves left and up as far as the pane needs, and back when the
    // pane closes; closed with the pane open, the program stores the window as it is without the pane.
    void optionsPaneKeepsTheWindowOnItsScreenAndIsNotStored() {
        const QRect area = main().screen()->availableGeometry();
        const QSize closedSize = main().size();
        const QSize frame = main().frameGeometry().size();
        const QPoint start(area.right() + 1 - frame.width() - 8, area.bottom() + 1 - frame.height());
        QVERIFY2(start.x() > area.left() && start.y() >= area.top(), "the screen is too small for this test");
        main().move(start);
        QTRY_COMPARE(main().pos(), start);

        control<QCheckBox>("formatOptionsPaneCheck").click();
        QApplication::processEvents();
        QVERIFY(main().formatOptions().isVisible());
        QVERIFY(main().width() > closedSize.width());
        QVERIFY2(area.contains(main().frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4 leaves the screen")
                                                                       .arg(main().frameGeometry().x())
                                                                       .arg(main().frameGeometry().y())
                                                                       .arg(main().frameGeometry().width())
                                                                       .arg(main().frameGeometry().height())));
        QVERIFY(main().pos().x() < start.x());

        control<QCheckBox>("formatOptionsPaneCheck").click();
        QTRY_COMPARE(main().size(), closedSize);
        QTRY_COMPARE(main().pos(), start);

        control<QAction>("formatOptionsPaneAction").trigger();
        QApplication::processEvents();
        QVERIFY(main().width() > closedSize.width());
        windows.reset();
        const IniFile placement(locations.placementPath);
        const QString section = QStringLiteral("main Position");
        QCOMPARE(placement.readInteger(section, QStringLiteral("Width"), 0), closedSize.width());
        QCOMPARE(placement.readInteger(section, QStringLiteral("Height"), 0), closedSize.height());
        QCOMPARE(placement.readInteger(section, QStringLiteral("Left"), -1), start.x());
        QCOMPARE(placement.readInteger(section, QStringLiteral("Top"), -1), start.y());
    }

    // A screen reader hears each combo box by its label whatever entry it shows, hears the entry as its value, and
    // opens and closes its list as a click does.
    void everyComboBoxIsAnnouncedByItsLabel() {
        const QList<QWidget*> windowsToRead = {&main(),
                                               windows->tagEditor,
                                               windows->options,
                                               windows->wavOptions,
                                               windows->mp3Options,
                                               windows->oggVorbisOptions,
                                               windows->progress};
        int read = 0;
        for (QWidget* window : windowsToRead) {
            for (QComboBox* box : window->findChildren<QComboBox*>()) {
                QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
                QVERIFY(reader != nullptr);
                const QString name = reader->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty() && name == box->accessibleName(),
                         qPrintable(box->objectName() + QStringLiteral(" is announced as ") + name));
                QCOMPARE(reader->text(QAccessible::Value), box->currentText());
                QCOMPARE(reader->role(), QAccessible::ComboBox);
                ++read;
            }
        }
        QVERIFY(read >= 10);

        auto& folders = control<QComboBox>("folderCombo");
        control<QAbstractButton>("UpOneLevelBtn").click();
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&folders);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Folder"));
        QCOMPARE(reader->text(QAccessible::Value), folders.currentText());
        QCOMPARE(reader->child(0)->object(), folders.view());
        QCOMPARE(reader->indexOfChild(reader->child(0)), 0);
        QCOMPARE(QAccessible::queryAccessibleInterface(&control<QComboBox>("combo_filter"))->text(QAccessible::Name),
                 QStringLiteral("File type"));

        QAccessibleActionInterface* actions = reader->actionInterface();
        QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        actions->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(folders.view()->isVisible());
        actions->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(!folders.view()->isVisible());
    }

    // The list draws grid lines between its cells, in the style's grid colour.
    void theListDrawsGridLines() {
        const QString name = dir->filePath(QStringLiteral("one.wav"));
        QFile out(name);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.resize(4096));
        out.close();
        prompts->fileAnswers.push_back({name});
        factory->reader->setResult(QStringLiteral("formatString"), QString());
        control<QAction>("addFilesAction").trigger();
        QTRY_COMPARE(main().conversionList().rowCount(), 1);
        auto& view = *main().findChild<QTreeView*>(QStringLiteral("conversionListView"));
        view.clearSelection();
        view.setCurrentIndex({});
        QApplication::processEvents();
        const QImage shown = view.viewport()->grab().toImage();
        const qreal scale = shown.devicePixelRatio();
        QStyleOptionViewItem option;
        option.initFrom(&view);
        const QColor grid = QColor::fromRgba(
            static_cast<QRgb>(view.style()->styleHint(QStyle::SH_Table_GridLineColor, &option, &view)));
        const QRect row = view.visualRect(view.model()->index(0, ConversionListModel::Size));
        QHeaderView& header = *view.header();
        const int columnEdge = header.sectionViewportPosition(ConversionListModel::Size) +
                               header.sectionSize(ConversionListModel::Size) - 1;
        const auto pixel = [&](int x, int y) {
            return shown.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale)).rgb();
        };
        QCOMPARE(pixel(columnEdge, row.center().y()), grid.rgb());
        QCOMPARE(pixel(row.center().x(), row.bottom()), grid.rgb());
        QVERIFY(pixel(row.center().x(), row.center().y()) != grid.rgb());
    }

    // A string the program puts into a field shows from its start; what the user types goes where the cursor is.
    void formatStringsShowTheirStartButTypingStaysWhereItIs() {
        const QString adpcm = QStringLiteral("Microsoft ADPCM 4-bit, 44100 Hz, Stereo");
        factory->writer->setResult(QStringLiteral("formatString"), adpcm);
        control<QCheckBox>("formatOptionsPaneCheck").click();
        control<QAbstractButton>("frequencyGroup_1").click();
        windows->wavOptions->findChild<QAbstractButton*>(QStringLiteral("applyButton"))->click();
        const auto edits = main().formatOptions().findChildren<QLineEdit*>();
        for (QLineEdit* edit : edits) {
            // Set at start-up only, before this test's writer describes every format alike.
            if (!edit->objectName().endsWith(QLatin1String("FormatString")) ||
                edit->objectName() == QLatin1String("txtMP3FormatString") ||
                edit->objectName() == QLatin1String("txtOGGFormatString"))
                continue;
            QVERIFY2(edit->text() == adpcm, qPrintable(edit->objectName()));
            QVERIFY2(edit->cursorPosition() == 0, qPrintable(edit->objectName()));
            QCOMPARE(edit->toolTip(), adpcm);
        }

        QLineEdit& field = control<QLineEdit>("txtADPCMFormatString");
        field.setFocus();
        QTest::keyClick(&field, Qt::Key_End);
        QTest::keyClicks(&field, QStringLiteral("xyz"));
        QCOMPARE(field.text(), adpcm + QStringLiteral("xyz"));
        QCOMPARE(field.cursorPosition(), field.text().size());
        QTest::keyClick(&field, Qt::Key_Home);
        QTest::keyClicks(&field, QStringLiteral("<"));
        QCOMPARE(field.text(), QStringLiteral("<") + adpcm + QStringLiteral("xyz"));
        QCOMPARE(field.toolTip(), field.text());
    }

    // A long file name gets the room it needs, up to half the list, and more of it as the window widens; the strip's
    // spare width goes to the output folder's field.
    void roomGoesToTheFileNameAndTheFolderField() {
        auto& view = *main().findChild<QTreeView*>(QStringLiteral("conversionListView"));
        QHeaderView& header = *view.header();
        const QString song = QStringLiteral("A rather long file name of a song.mp3");
        const QString veryLong = QString(150, QLatin1Char('n')) + QStringLiteral(".wav");
        for (const QString& name : {song, veryLong}) {
            QFile out(dir->filePath(name));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.resize(1000));
        }
        prompts->fileAnswers.push_back({dir->filePath(song)});
        control<QAction>("addFilesAction").trigger();
        QTRY_COMPARE(main().conversionList().rowCount(), 1);
        const QModelIndex name = view.model()->index(0, ConversionListModel::FileName);
        const int need = view.sizeHintForIndex(name).width();
        QVERIFY(need >= view.fontMetrics().horizontalAdvance(song));
        QCOMPARE(header.sectionSize(ConversionListModel::FileName), std::min(need, view.viewport()->width() / 2));

        // Wider, the list has room for the whole name; the strip's spare width goes to the folder field.
        auto& folder = control<QLineEdit>("edit_output_folder");
        const int folderWidth = folder.width();
        const int listWidth = view.viewport()->width();
        main().resize(main().width() + 200, main().height());
        QTRY_COMPARE(view.viewport()->width(), listWidth + 200);
        QTRY_COMPARE(folder.width(), folderWidth + 200);
        QCOMPARE(header.sectionSize(ConversionListModel::FileName), need);
        QVERIFY(view.visualRect(name).width() >= view.fontMetrics().horizontalAdvance(song));

        prompts->fileAnswers.push_back({dir->filePath(veryLong)});
        control<QAction>("addFilesAction").trigger();
        QTRY_COMPARE(main().conversionList().rowCount(), 2);
        QCOMPARE(header.sectionSize(ConversionListModel::FileName), view.viewport()->width() / 2);
        qInfo("folder field %d px at the start size", folderWidth);
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

// A screen as wide as a common laptop's, on which the options pane fits beside the main window as it does for most
// users; the offscreen platform's own screen is narrower than the two together.
int main(int argc, char** argv) {
    QTemporaryDir platform;
    const QString config = platform.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!platform.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        qFatal("the test cannot write its screen's description");
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=") + QFile::encodeName(config));
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    ReachAndFitTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "ReachAndFitTest.moc"
