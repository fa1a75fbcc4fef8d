#include "gui/batch/ProgressWindow.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/options/OptionsDialog.h"
#include "support/RealMainWindow.h"
#include "support/TestSupport.h"
#include "ui_ProgressWindow.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

using testsupport::md5Of;

} // namespace

// Cancel from the main window's progress window when a complete file has the output's name: the file stays, the
// partial output is dropped, and the user is told which files were kept.
class CancelKeepsEarlierTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;

    ProgressWindow& window() { return *app->windows->progress; }
    void chooseOnly(OutputFormat format) {
        for (const OutputFormatFacts& facts : outputFormatTable())
            app->main().formatBoxes().setChecked(facts.format, facts.format == format);
    }
    void cancelAtFirstOutput() {
        connect(
            &window(), &ProgressWindow::conversionBegun, this,
            [this] { QTest::mouseClick(window().form().button_cancel, Qt::LeftButton); }, Qt::SingleShotConnection);
    }
    void convertInto(const QString& folder) {
        app->main().findChild<QLineEdit*>(QStringLiteral("edit_output_folder"))->setText(folder);
        QTest::mouseClick(app->main().findChild<QPushButton*>(QStringLiteral("button_convert")), Qt::LeftButton);
    }

private slots:
    void cleanup() { app.reset(); }

    // One output at a time, the default "replace" policy: the earlier file of the output's name stays byte for
    // byte, no temporary file is left, and the message names the file kept. A source whose output has no earlier
    // file keeps its partial output as before, and the window says nothing.
    void theEarlierFileStaysAndTheUserIsTold() {
        app = std::make_unique<RealMainWindow>();
        const QString source = app->tone(QStringLiteral("in/long.wav"), 30, 44100, 2);
        const QByteArray sourceMd5 = md5Of(source);
        const QString out = app->dir.filePath(QStringLiteral("out"));
        const QString earlier = app->tone(QStringLiteral("out/long.wav"), 1, 44100, 2);
        const QByteArray earlierMd5 = md5Of(earlier);
        app->addRow(source);
        chooseOnly(OutputFormat::Pcm);
        cancelAtFirstOutput();
        convertInto(out);

        QVERIFY(window().lastBatch().cancelled);
        QCOMPARE(md5Of(earlier), earlierMd5);
        QCOMPARE(md5Of(source), sourceMd5);
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("long.wav")});
        QCOMPARE(app->prompts.shown.size(), 1);
        QVERIFY2(app->prompts.shown.first().contains(QStringLiteral("kept")) &&
                     app->prompts.shown.first().contains(earlier),
                 qPrintable(app->prompts.shown.first()));

        app->prompts.shown.clear();
        const QString fresh = app->dir.filePath(QStringLiteral("fresh"));
        cancelAtFirstOutput();
        convertInto(fresh);
        QVERIFY(window().lastBatch().cancelled);
        QVERIFY2(app->prompts.shown.isEmpty(), qPrintable(app->prompts.shown.join('\n')));
        QCOMPARE(QDir(fresh).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("long.wav")});
        QVERIFY(QFileInfo(fresh + QStringLiteral("/long.wav")).size() < QFileInfo(source).size());
    }

    // The Options check box "Check every output after it is written" is stored under [batch] verify, a file
    // without the key reads as unchecked, and a batch run with it checked makes good outputs as usual.
    void theCheckBoxIsStoredAndGoodOutputsPass() {
        app = std::make_unique<RealMainWindow>("[batch]\njobs=2\n");
        QVERIFY(!app->windows->context().settings.values().batch.verifyOutputs);
        QDialog& options = *app->windows->options;
        options.show();
        auto* verify = options.findChild<QCheckBox*>(QStringLiteral("ch_verify"));
        QVERIFY(verify != nullptr);
        QVERIFY(!verify->isChecked());
        QCOMPARE(verify->text(), QStringLiteral("Check every output after it is written"));
        verify->setChecked(true);
        QTest::mouseClick(options.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        QVERIFY(app->windows->context().settings.values().batch.verifyOutputs);
        QFile stored(app->locations.settingsPath);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains("verify=1"));

        app->addRow(app->tone(QStringLiteral("in/a.wav"), 1.5, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/b.wav"), 1, 22050, 1));
        for (const OutputFormatFacts& facts : outputFormatTable())
            app->main().formatBoxes().setChecked(facts.format, facts.format == OutputFormat::Mp3 ||
                                                                   facts.format == OutputFormat::Ogg);
        convertInto(app->dir.filePath(QStringLiteral("checked")));
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        QCOMPARE(window().lastBatch().made(), 4);
    }

    // Checking a long output is work like converting it: while it is read back the window keeps processing events
    // (a timer fires), says "Checking N%" with the check's own percentage, and Cancel stops the check within a
    // block; the output stays under its name, as one cancelled in its last block would.
    void checkingShowsItsProgressAndCancelStopsIt() {
        app = std::make_unique<RealMainWindow>("[batch]\nverify=1\n");
        const QString source = app->tone(QStringLiteral("in/long.wav"), 240, 44100, 1);
        const QByteArray sourceMd5 = md5Of(source);
        app->addRow(source);
        chooseOnly(OutputFormat::Flac);
        QStringList checkingTexts;
        int checkingTicks = 0;
        bool cancelled = false;
        QTimer watch;
        watch.setInterval(1);
        connect(&watch, &QTimer::timeout, this, [&] {
            const QString text = window().form().label_processing->text();
            if (!window().isVisible() || !text.startsWith(QStringLiteral("Checking")))
                return;
            ++checkingTicks;
            if (checkingTexts.isEmpty() || checkingTexts.last() != text)
                checkingTexts.append(text);
            if (!cancelled && window().form().progress_output->value() >= 5) {
                cancelled = true;
                QTest::mouseClick(window().form().button_cancel, Qt::LeftButton);
            }
        });
        watch.start();
        const QString out = app->dir.filePath(QStringLiteral("out"));
        convertInto(out);
        watch.stop();

        // A timer that fires while the window says "Checking" below 100% shows that events are processed mid-check.
        QVERIFY2(checkingTicks > 0, "no events were processed while the output was checked");
        QVERIFY(cancelled);
        QVERIFY(window().lastBatch().cancelled);
        QCOMPARE(window().lastBatch().reports.at(0).status, OutputStatus::Cancelled);
        // The check stopped after the block in which Cancel was pressed: far from its end.
        const int lastPercent = checkingTexts.last().section(QLatin1Char(' '), 1).chopped(1).toInt();
        QVERIFY2(lastPercent < 50, qPrintable(checkingTexts.join(QStringLiteral(", "))));
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("long.flac")});
        QCOMPARE(md5Of(source), sourceMd5);
    }

    // With "skip" for existing files, an existing output is read back before it is kept; that check is listed
    // among the running outputs with its percentage, and Cancel stops it: the file stays as it was, nothing is
    // made in its place.
    void checkingAnExistingOutputIsListedAndCancelLeavesItAlone() {
        app = std::make_unique<RealMainWindow>("[batch]\nexists=skip\n");
        const QString source = app->tone(QStringLiteral("in/long.wav"), 240, 44100, 1);
        const QString out = app->dir.filePath(QStringLiteral("out"));
        const auto made = testsupport::runTool(testsupport::cliPath(),
                                               {"convert", "--no-tags", "--format", "flac", "--out", out, source});
        QCOMPARE(made.exitCode, 0);
        const QString existing = out + QStringLiteral("/long.flac");
        const QByteArray existingMd5 = md5Of(existing);
        app->addRow(source);
        chooseOnly(OutputFormat::Flac);
        QString checkingLine;
        QTimer watch;
        watch.setInterval(1);
        connect(&watch, &QTimer::timeout, this, [&] {
            const QListWidget& running = *window().form().list_running;
            if (!window().isVisible() || running.count() == 0 || !checkingLine.isEmpty())
                return;
            if (running.item(0)->text().startsWith(QStringLiteral("long.flac  Checking "))) {
                checkingLine = running.item(0)->text();
                QTest::mouseClick(window().form().button_cancel, Qt::LeftButton);
            }
        });
        watch.start();
        convertInto(out);
        watch.stop();

        QVERIFY2(!checkingLine.isEmpty(), "the check of the existing output was not shown");
        QVERIFY(window().lastBatch().cancelled);
        QCOMPARE(window().lastBatch().reports.at(0).status, OutputStatus::NotStarted);
        QCOMPARE(md5Of(existing), existingMd5);
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("long.flac")});
    }
};

QTEST_MAIN(CancelKeepsEarlierTest)
#include "CancelKeepsEarlierTest.moc"
