#include "gui/formats/FormatBoxes.h"
#include "support/RealMainWindow.h"

#include <QAbstractItemView>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

// A cue sheet dropped on the main window's list, on the real components: one row per track, and a batch that makes
// one output per checked track.
class TrackRowsWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;

    QAbstractItemView& listView() {
        return *app->main().findChild<QAbstractItemView*>(QStringLiteral("conversionListView"));
    }
    void drop(const QString& name) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(name)});
        QWidget* target = listView().viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QVERIFY(dropped.isAccepted());
        QTRY_VERIFY(app->list().rowCount() > 0);
    }
    // Six seconds of tone; track 1 starts a second in, after a hidden track.
    QString albumSheet() {
        [[maybe_unused]] const QString image = app->tone(QStringLiteral("in/album.wav"), 6, 44100, 2);
        return testsupport::writeFile(app->dir, QStringLiteral("in/album.cue"),
                                      "PERFORMER \"Band\"\nTITLE \"Album\"\nFILE \"album.wav\" WAVE\n"
                                      "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:01:00\n"
                                      "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 01 00:03:00\n"
                                      "  TRACK 03 AUDIO\n    TITLE \"Three\"\n    INDEX 01 00:04:30\n");
    }
    QString convertToFlac() {
        for (const OutputFormatFacts& facts : outputFormatTable())
            app->main().formatBoxes().setChecked(facts.format, facts.format == OutputFormat::Flac);
        const QString out = app->dir.filePath(QStringLiteral("out"));
        app->main().findChild<QLineEdit*>(QStringLiteral("edit_output_folder"))->setText(out);
        app->prompts.shown.clear();
        QTest::mouseClick(app->main().findChild<QPushButton*>(QStringLiteral("button_convert")), Qt::LeftButton);
        return out;
    }
    static double seconds(const QString& file) {
        const auto result =
            testsupport::runTool(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries", "format=duration", "-of",
                                                             "default=noprint_wrappers=1:nokey=1", file});
        return result.exitCode == 0 ? result.out.trimmed().toDouble() : -1;
    }

private slots:
    void cleanup() { app.reset(); }

    void aDroppedSheetListsItsTracksAndEachCheckedTrackBecomesAnOutput() {
        app = std::make_unique<RealMainWindow>();
        drop(albumSheet());
        QCOMPARE(app->list().rowCount(), 3);
        const QString image = app->dir.filePath(QStringLiteral("in/album.wav"));
        const char* titles[] = {"Band - One", "Band - Two", "Band - Three"};
        const char* times[] = {"0:02", "0:01", "0:01"};
        for (int row = 0; row < 3; ++row) {
            const ConversionRow& listed = app->list().row(row);
            QCOMPARE(listed.number, QStringLiteral("0%1").arg(row + 1));
            QCOMPARE(listed.fileName, QLatin1String(titles[row]));
            QCOMPARE(listed.time, QLatin1String(times[row]));
            QCOMPARE(listed.fullName, image);
            QVERIFY(listed.isAudio());
        }
        QVERIFY(app->prompts.shown.isEmpty());

        // Unchecked like any other row, in the list's check box.
        QAbstractItemModel& model = *listView().model();
        QVERIFY(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        const QString out = convertToFlac();
        QVERIFY2(app->prompts.shown.size() == 1, qPrintable(app->prompts.shown.join(QLatin1Char('\n'))));
        QVERIFY2(app->prompts.shown.first().startsWith(QStringLiteral("|Conversion is finished!")),
                 qPrintable(app->prompts.shown.first()));
        QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("01 One.flac"), QStringLiteral("03 Three.flac")}));
        QVERIFY(qAbs(seconds(out + QStringLiteral("/01 One.flac")) - 2.0) < 0.001);
        QVERIFY(qAbs(seconds(out + QStringLiteral("/03 Three.flac")) - 1.6) < 0.001);
    }

    void theHiddenTrackIsConvertedOnlyWhenTheOptionsAskForIt() {
        app = std::make_unique<RealMainWindow>("[batch]\nhiddentrack=1\n");
        drop(albumSheet());
        // The hidden track has no row of its own; it goes with track 1.
        QCOMPARE(app->list().rowCount(), 3);
        QAbstractItemModel& model = *listView().model();
        QVERIFY(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(model.setData(model.index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
        const QString out = convertToFlac();
        QVERIFY2(app->prompts.shown.size() == 1, qPrintable(app->prompts.shown.join(QLatin1Char('\n'))));
        QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("00.flac"), QStringLiteral("01 One.flac")}));
        QVERIFY(qAbs(seconds(out + QStringLiteral("/00.flac")) - 1.0) < 0.001);
    }
};

QTEST_MAIN(TrackRowsWindowTest)
#include "TrackRowsWindowTest.moc"
