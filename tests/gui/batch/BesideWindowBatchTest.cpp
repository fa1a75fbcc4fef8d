#include "core/ports/Messages.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/tags/TagEditorWindow.h"
#include "support/RealMainWindow.h"
#include "ui_ProgressWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// A batch running beside the main window, on the real components: the window stays usable, rows join and leave the
// batch, and outputs pause, resume and stop one by one.
class BesideWindowBatchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;

    void start(const QByteArray& settings = {}) {
        app = std::make_unique<RealMainWindow>(settings);
        for (const OutputFormatFacts& facts : outputFormatTable())
            app->main().formatBoxes().setChecked(facts.format, facts.format == OutputFormat::Pcm);
    }
    ProgressWindow& window() { return *app->windows->progress; }
    void convertInto(const QString& folder) {
        app->main().findChild<QLineEdit*>(QStringLiteral("edit_output_folder"))->setText(folder);
        pressConvert();
    }
    void pressConvert() {
        QTest::mouseClick(app->main().findChild<QPushButton*>(QStringLiteral("button_convert")), Qt::LeftButton);
    }
    QString out(const QString& name = {}) {
        return name.isEmpty() ? app->dir.filePath(QStringLiteral("out"))
                              : app->dir.filePath(QStringLiteral("out/") + name);
    }
    static QStringList filesIn(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    static qint64 bytesIn(const QString& folder) {
        qint64 total = 0;
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
            total += file.size();
        return total;
    }
    // Runs once, at the batch's first output.
    template <typename Action> void atFirstOutput(Action action) {
        connect(
            &window(), &ProgressWindow::conversionBegun, this, [action](const QString&, const QString&) { action(); },
            Qt::SingleShotConnection);
    }

    // Runs once, when the output of the named source begins: two workers start together, and either may be first
    // to report.
    template <typename Action> void atOutputOf(const QString& sourceFileName, Action action) {
        auto fired = std::make_shared<bool>(false);
        connect(&window(), &ProgressWindow::conversionBegun, this,
                [sourceFileName, action, fired](const QString& source, const QString&) {
                    if (*fired || QFileInfo(source).fileName() != sourceFileName)
                        return;
                    *fired = true;
                    action();
                });
    }

private slots:
    void cleanup() { app.reset(); }

    // While the batch runs no window is modal; rows added and checked join it with Convert, and a second Convert
    // with nothing new says so instead of starting another batch. The desktop hears the total and the end.
    void addedRowsJoinTheRunningBatch() {
        start();
        app->addRow(app->tone(QStringLiteral("in/first.wav"), 20, 44100, 2));
        QList<int> totals;
        connect(&window(), &ProgressWindow::totalProgressChanged, this, [&totals](int total) { totals.append(total); });
        QList<QList<QVariant>> ends;
        connect(&window(), &ProgressWindow::batchFinished, this,
                [&ends](int made, int notMade, qint64 elapsedMs, const QString& folder) {
                    ends.append({made, notMade, elapsedMs, folder});
                });
        bool modalSeen = true;
        bool addedInBackground = false;
        const QString dropped = app->tone(QStringLiteral("dropped/late.wav"), 1);
        atFirstOutput([&] {
            modalSeen = QApplication::activeModalWidget() != nullptr;
            // Files the user adds come in between the batch's blocks: the call returns before they are listed.
            app->list().addFiles({dropped});
            addedInBackground = app->list().addingFiles();
            app->addRow(app->tone(QStringLiteral("in/second.wav"), 1, 44100, 2));
            app->addRow(app->tone(QStringLiteral("in/other/first.wav"), 1, 44100, 2));
            app->addRow(app->tone(QStringLiteral("in/unchecked.wav"), 1, 44100, 2), false, false);
            pressConvert();
            pressConvert();
        });
        convertInto(out());

        QVERIFY(!modalSeen);
        QVERIFY(addedInBackground);
        QTRY_COMPARE(app->list().rowCount(), 5);
        QCOMPARE(filesIn(out()), (QStringList{"first.wav", "first_NEW.wav", "second.wav"}));
        QCOMPARE(window().lastBatch().plan.size(), std::size_t{3});
        QCOMPARE(app->prompts.shown, (QStringList{QStringLiteral("|") + Messages::NothingNewToConvert(),
                                                  QStringLiteral("|Conversion is finished!")}));
        QCOMPARE(ends.size(), 1);
        QCOMPARE(ends[0][0].toInt(), 3);
        QCOMPARE(ends[0][1].toInt(), 0);
        QCOMPARE(ends[0][3].toString(), out() + QLatin1Char('/'));
        QVERIFY(totals.contains(100));
        QCOMPARE(totals.last(), -1);
        QVERIFY(!window().isVisible());
        QVERIFY(!window().batchRunning());
    }

    // Rows not started yet that are removed or unchecked make no output; the others go on, and the source of a
    // running output cannot be tag-edited meanwhile.
    void removedAndUncheckedPendingRowsMakeNoOutput() {
        start();
        const QString first = app->tone(QStringLiteral("in/a.wav"), 20, 44100, 2);
        app->addRow(first);
        app->addRow(app->tone(QStringLiteral("in/b.wav"), 1, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/c.wav"), 1, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/d.wav"), 1, 44100, 2));
        atFirstOutput([&] {
            app->list().selectRow(1);
            app->list().removeSelectedRow();
            auto* view = app->main().findChild<QAbstractItemView*>(QStringLiteral("conversionListView"));
            view->model()->setData(view->model()->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
            app->list().selectRow(0);
            app->main().showTagEditorForSelection();
            // The running row, unchecked and checked again, stays in the batch: Convert does not make it twice.
            view->model()->setData(view->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
            view->model()->setData(view->model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
            pressConvert();
        });
        convertInto(out());
        QCOMPARE(filesIn(out()), (QStringList{"a.wav", "d.wav"}));
        QCOMPARE(app->prompts.shown.size(), 3);
        QVERIFY2(app->prompts.shown[0].contains(Messages::TagEditWhileConverting().arg(first)),
                 qPrintable(app->prompts.shown[0]));
        QCOMPARE(app->prompts.shown[1], QStringLiteral("|") + Messages::NothingNewToConvert());
        QCOMPARE(app->prompts.shown[2], QStringLiteral("|Conversion is finished!"));
    }

    // The tag editor's own browser reaches the batch's files too: Apply on a source still waiting in the batch is
    // refused with the same message, and the file is converted as it was.
    void theTagEditorsBrowserRefusesAFileOfTheBatch() {
        TONALITH_QTEST_NEEDS_FIXTURES();
        start();
        app->addRow(app->tone(QStringLiteral("in/long.wav"), 20, 44100, 2));
        const QString tagged = app->dir.filePath(QStringLiteral("in/tagged.mp3"));
        QVERIFY(QFile::copy(testsupport::fixture(QStringLiteral("fixtures/audio-scan/v1.1.mp3")), tagged));
        QVERIFY(QFile::setPermissions(tagged, QFile::ReadOwner | QFile::WriteOwner));
        app->addRow(tagged);
        const QByteArray before = testsupport::md5Of(tagged);
        bool selected = false;
        atOutputOf(QStringLiteral("long.wav"), [&] {
            QTimer::singleShot(0, this, [&] {
                TagEditorWindow& editor = *app->windows->tagEditor;
                editor.browser().setFolder(QFileInfo(tagged).absolutePath());
                QTRY_VERIFY(editor.browser().shownNames().contains(QStringLiteral("tagged.mp3")));
                selected = editor.browser().selectFileNamed(QStringLiteral("tagged.mp3"));
                editor.findChild<QLineEdit*>(QStringLiteral("TitleEdit"))->setText(QStringLiteral("Changed"));
                QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("ApplyButton")), Qt::LeftButton);
                editor.reject();
            });
            app->main().showTagEditorForSelection();
        });
        convertInto(out());
        QVERIFY(selected);
        QCOMPARE(testsupport::md5Of(tagged), before);
        QVERIFY(QFileInfo::exists(out(QStringLiteral("tagged.wav"))));
        QCOMPARE(app->prompts.shown.size(), 2);
        QVERIFY2(app->prompts.shown[0].contains(Messages::TagEditWhileConverting().arg(tagged)),
                 qPrintable(app->prompts.shown[0]));
    }

    // Paused, no output grows for two seconds; resumed, the outputs are byte for byte those of a batch that ran
    // through, one at a time or two at once.
    void pauseHoldsEveryOutputAndResumeFinishesThemAlike_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("one at a time") << QByteArray();
        QTest::newRow("two at once") << QByteArray("[batch]\njobs=2\n");
    }
    void pauseHoldsEveryOutputAndResumeFinishesThemAlike() {
        QFETCH(QByteArray, settings);
        start(settings);
        app->addRow(app->tone(QStringLiteral("in/p.wav"), 30, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/q.wav"), 30, 44100, 2));
        const QString straight = app->dir.filePath(QStringLiteral("straight"));
        convertInto(straight);
        QCOMPARE(filesIn(straight), (QStringList{"p.wav", "q.wav"}));

        qint64 atPause = -1;
        qint64 afterWait = -2;
        bool pausedShown = false;
        atFirstOutput([&] {
            QPushButton& pause = *window().form().button_pause;
            QTest::mouseClick(&pause, Qt::LeftButton);
            pausedShown = pause.text() == QStringLiteral("Resume") && pause.accessibleName() == pause.text();
            QTest::qWait(300); // every running output reaches the end of its block
            atPause = bytesIn(out());
            QTest::qWait(2000);
            afterWait = bytesIn(out());
            QTest::mouseClick(&pause, Qt::LeftButton);
        });
        app->prompts.shown.clear();
        convertInto(out());
        QVERIFY(pausedShown);
        QCOMPARE(afterWait, atPause);
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        for (const QString& name : {QStringLiteral("p.wav"), QStringLiteral("q.wav")})
            QCOMPARE(testsupport::md5Of(out(name)), testsupport::md5Of(straight + QLatin1Char('/') + name));
        QCOMPARE(window().form().button_pause->text(), QStringLiteral("Pause"));
    }

    // Files dropped beside a converting batch come in with rests between them, so that it keeps its pace; while it is
    // paused the cores are free, and a folder of them comes in at full pace, none lost.
    void droppedFilesComeInAtFullPaceWhileTheBatchIsPaused() {
        start("[batch]\njobs=2\n");
        app->addRow(app->tone(QStringLiteral("in/p.wav"), 30, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/q.wav"), 30, 44100, 2));
        const QString one = app->tone(QStringLiteral("dropped/0000.wav"), 0.2);
        constexpr int kDropped = 300;
        for (int i = 1; i < kDropped; ++i)
            QVERIFY(QFile::copy(one, app->dir.filePath(QStringLiteral("dropped/%1.wav").arg(i, 4, 10, QChar('0')))));
        qint64 listingMs = -1;
        atFirstOutput([&] {
            QPushButton& pause = *window().form().button_pause;
            QTest::mouseClick(&pause, Qt::LeftButton);
            QElapsedTimer clock;
            clock.start();
            app->list().addFiles({app->dir.filePath(QStringLiteral("dropped"))});
            QTRY_VERIFY_WITH_TIMEOUT(!app->list().addingFiles(), 60000);
            listingMs = clock.elapsed();
            QTest::mouseClick(&pause, Qt::LeftButton);
        });
        convertInto(out());
        QCOMPARE(app->list().rowCount(), 2 + kDropped);
        QCOMPARE(filesIn(out()), (QStringList{"p.wav", "q.wav"}));
        // With the rests kept, a slice in sixteen, the folder would take several seconds.
        QVERIFY2(listingMs < 2500, qPrintable(QString::number(listingMs)));
    }

    // One output stopped from its line's menu action; the others are made whole.
    void cancellingOneOutputLeavesTheOthersComplete_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("one at a time") << QByteArray();
        QTest::newRow("two at once") << QByteArray("[batch]\njobs=2\n");
    }
    void cancellingOneOutputLeavesTheOthersComplete() {
        QFETCH(QByteArray, settings);
        start(settings);
        app->addRow(app->tone(QStringLiteral("in/long.wav"), 60, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/b.wav"), 2, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/c.wav"), 2, 44100, 2));
        atOutputOf(QStringLiteral("long.wav"), [&] {
            auto& list = *window().form().list_running;
            if (list.isVisible()) {
                const QList<QListWidgetItem*> lines = list.findItems(QStringLiteral("long.wav"), Qt::MatchContains);
                QCOMPARE(lines.size(), 1);
                list.setCurrentItem(lines.front());
            }
            window().findChild<QAction*>(QStringLiteral("cancelOutputAction"))->trigger();
        });
        convertInto(out());
        const FinishedBatch& batch = window().lastBatch();
        QCOMPARE(batch.reports.size(), std::size_t{3});
        QCOMPARE(batch.reports[0].status, OutputStatus::Cancelled);
        QCOMPARE(batch.reports[1].status, OutputStatus::Made);
        QCOMPARE(batch.reports[2].status, OutputStatus::Made);
        QVERIFY(!batch.cancelled);
        QCOMPARE(QFileInfo(out("b.wav")).size(), QFileInfo(app->dir.filePath("in/b.wav")).size());
        QCOMPARE(QFileInfo(out("c.wav")).size(), QFileInfo(app->dir.filePath("in/c.wav")).size());
    }

    // Closing the main window under a batch asks; "No" keeps both going, "Yes" cancels and closes once it is over.
    void closingTheMainWindowAsksThenCancelsAndWaits() {
        start();
        app->main().show();
        app->addRow(app->tone(QStringLiteral("in/long.wav"), 60, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/next.wav"), 2, 44100, 2));
        bool stillOpen = false;
        atFirstOutput([&] {
            app->prompts.confirmAnswers = {false, true};
            app->main().close();
            stillOpen = app->main().isVisible() && window().batchRunning();
            app->main().close();
        });
        convertInto(out());
        QVERIFY(stillOpen);
        QVERIFY(window().lastBatch().cancelled);
        QVERIFY(!QFileInfo::exists(out("next.wav")));
        QTRY_VERIFY(!app->main().isVisible());
    }
};

QTEST_MAIN(BesideWindowBatchTest)
#include "BesideWindowBatchTest.moc"
