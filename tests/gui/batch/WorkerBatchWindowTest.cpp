#include "core/batch/LoudnessNormalization.h"
#include "core/batch/WorkerDialogs.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"
#include "gui/main/Application.h"
#include "gui/main/OrderFromControls.h"
#include "support/RealMainWindow.h"
#include "ui_ProgressWindow.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {

// The threads of this process, from the kernel's list.
int threadCount() {
    return static_cast<int>(
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// "name=value" lines of ffprobe for the first audio stream and the container; the test fails when ffprobe fails.
QMap<QString, QString> probe(const QString& file) {
    const auto result = testsupport::runTool(QStringLiteral("ffprobe"),
                                             {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                              "format=format_name,duration:stream=codec_name,sample_rate,channels",
                                              "-of", "default=noprint_wrappers=1", file});
    QMap<QString, QString> found;
    if (result.exitCode != 0)
        return found;
    for (const QByteArray& line : result.out.split('\n')) {
        const auto equals = line.indexOf('=');
        if (equals > 0)
            found.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    return found;
}

template <typename Widget> Widget& control(QWidget& window, const char* name) {
    return testsupport::childNamed<Widget>(window, name);
}

} // namespace

// Batches of the main window that convert two outputs at once, on the real components.
class WorkerBatchWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;

    void start(const QByteArray& settings) {
        app = std::make_unique<RealMainWindow>(settings);
        for (const OutputFormatFacts& facts : outputFormatTable())
            app->main().formatBoxes().setChecked(facts.format, false);
    }
    ProgressWindow& window() { return *app->windows->progress; }
    void pressWrite() { QTest::mouseClick(&control<QPushButton>(app->main(), "button_convert"), Qt::LeftButton); }

private slots:
    void cleanup() { app.reset(); }

    // The dialogs' choices reach each worker's own components through the window's order: its format settings set on
    // a fresh writer what the dialogs set on the main one, the main encoder's earlier settings included.
    void theWorkersCopyOfTheDialogsSetsWhatTheDialogsSet() {
        start({});
        ApplicationWindows& windows = *app->windows;
        control<QComboBox>(*windows.wavOptions, "frequencyCombo").setCurrentText(QStringLiteral("22050"));
        control<QComboBox>(*windows.wavOptions, "channelsCombo").setCurrentText(QStringLiteral("Mono"));
        control<QComboBox>(*windows.wavOptions, "bitsCombo").setCurrentText(QStringLiteral("8"));
        windows.context().components.mp3Encoder->setSetting(Mp3Setting::OutputSampleRate, 22050);
        control<QTabWidget>(*windows.mp3Options, "pages").setCurrentIndex(static_cast<int>(Mp3Page::CommandLine));
        control<QPlainTextEdit>(*windows.mp3Options, "commandLineEdit").setPlainText(QStringLiteral("-b 96 -m m"));
        control<QComboBox>(*windows.oggVorbisOptions, "channelsCombo").setCurrentIndex(0);

        OptionDialogs& dialogs = app->main().formatOptions().formatDialogs();
        const FormatDialogsMaker copy =
            workerDialogsMaker(windows.context().components, app->main().orderFromControls().formatSettings);
        const std::unique_ptr<ComponentSet> worker = app->factory.create();
        const std::unique_ptr<FormatDialogs> workerDialogs = copy(*worker);
        auto& mainWriter = *windows.context().components.writer;
        const std::pair<void (FormatDialogs::*)(), const char*> applies[] = {{&FormatDialogs::applyPcmWav, "mono"},
                                                                             {&FormatDialogs::applyMp3, "96"},
                                                                             {&FormatDialogs::applyOggVorbis, "mono"}};
        for (const auto& [apply, expected] : applies) {
            (dialogs.*apply)();
            ((*workerDialogs).*apply)();
            const QString made = worker->writer->formatString();
            QCOMPARE(made, mainWriter.formatString());
            QVERIFY2(made.contains(QLatin1String(expected), Qt::CaseInsensitive), qPrintable(made));
        }
        QCOMPARE(worker->mp3Encoder->setting(Mp3Setting::OutputSampleRate), 22050);
    }

    // Every control a batch reads reaches the window's order as it stands; the folder keeps its text as typed. Convert
    // then words the order's conflict in the window's own text.
    void theOrderHoldsWhatTheControlsShow() {
        start("[conversion]\ncopytag=0\nisopenfolder=1\n[batch]\njobs=3\nexists=skip\nverify=1\nevenloudness=1\n");
        ApplicationWindows& windows = *app->windows;
        app->main().formatBoxes().setChecked(OutputFormat::Pcm, true);
        app->main().formatBoxes().setChecked(OutputFormat::Ogg, true);
        control<QComboBox>(*windows.wavOptions, "frequencyCombo").setCurrentText(QStringLiteral("22050"));
        control<QTabWidget>(*windows.mp3Options, "pages").setCurrentIndex(static_cast<int>(Mp3Page::CommandLine));
        control<QPlainTextEdit>(*windows.mp3Options, "commandLineEdit").setPlainText(QStringLiteral("-b 96"));
        control<QComboBox>(*windows.oggVorbisOptions, "channelsCombo").setCurrentIndex(0);
        control<QRadioButton>(app->main(), "volumeChangeRadio").setChecked(true);
        control<QSpinBox>(app->main(), "volumePercentSpin").setValue(150);
        control<QLineEdit>(app->main(), "edit_output_folder").setText(QStringLiteral("~/out"));

        const BatchOrder order = app->main().orderFromControls();
        QVERIFY(order.sources.empty());
        QVERIFY((order.formats == std::set<OutputFormat>{OutputFormat::Pcm, OutputFormat::Ogg}));
        QVERIFY(order.formatSettings.panel == app->main().formatOptions().panelValues());
        QCOMPARE(order.formatSettings.pcmWav.sampleRate, 22050);
        QVERIFY(order.formatSettings.mp3.dialog.has_value());
        QCOMPARE(order.formatSettings.mp3.dialog->page, Mp3Page::CommandLine);
        QCOMPARE(order.formatSettings.mp3.dialog->commandLine, QStringLiteral("-b 96"));
        QCOMPARE(order.formatSettings.oggVorbis.channels, 1);
        QVERIFY(order.volumePercent == 150);
        QCOMPARE(order.folderText, QStringLiteral("~/out"));
        QVERIFY(!order.copyTags);
        QVERIFY(order.openFolder);
        QCOMPARE(order.jobs, 3);
        QCOMPARE(order.existing, ExistingOutputPolicy::Skip);
        QVERIFY(order.verifyOutputs);
        QVERIFY(order.loudnessTarget == kDefaultLoudnessTarget);

        const QString checked = app->tone(QStringLiteral("checked.wav"), 0.2);
        app->addRow(checked);
        app->addRow(app->tone(QStringLiteral("unchecked.wav"), 0.2), false, false);
        const std::vector<BatchSource> sources = checkedSources(app->list());
        QCOMPARE(sources.size(), std::size_t{1});
        QCOMPARE(sources.front().fullName, checked);
        pressWrite();
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("Error|\"Even out loudness\" (Options) and a volume "
                                                                "change cannot be used together. Set the volume to "
                                                                "\"No Change\" or turn \"Even out loudness\" off.")});
    }

    // Two sources into two formats with "[batch] jobs=2" in settings.ini: two outputs run at once, each is made,
    // and the PCM outputs have the WAV dialog's format.
    void twoJobsMakeEveryOutput() {
        start("[batch]\njobs=2\n");
        QCOMPARE(app->windows->context().settings.values().batch.jobs, 2);
        const QString first = app->tone(QStringLiteral("in/first.wav"), 1.5, 44100, 2);
        const QString second = app->tone(QStringLiteral("in/second song.wav"), 1, 44100, 2);
        app->addRow(first);
        app->addRow(second);
        app->main().formatBoxes().setChecked(OutputFormat::Pcm, true);
        app->main().formatBoxes().setChecked(OutputFormat::Mp3, true);
        control<QComboBox>(*app->windows->wavOptions, "frequencyCombo").setCurrentText(QStringLiteral("22050"));
        const QString out = app->dir.filePath(QStringLiteral("out"));
        control<QLineEdit>(app->main(), "edit_output_folder").setText(out);
        int mostRunning = 0;
        connect(&window(), &ProgressWindow::runningOutputsChanged, this,
                [&](int count) { mostRunning = std::max(mostRunning, count); });
        pressWrite();

        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        QCOMPARE(mostRunning, 2);
        QCOMPARE(window().form().progress_total->value(), 100);
        QCOMPARE(window().lastBatch().made(), 4);
        const struct {
            const char* name;
            const char* codec;
            const char* rate;
            double seconds;
        } expected[] = {{"first.wav", "pcm_s16le", "22050", 1.5},
                        {"first.mp3", "mp3", "44100", 1.5},
                        {"second song.wav", "pcm_s16le", "22050", 1},
                        {"second song.mp3", "mp3", "44100", 1}};
        for (const auto& output : expected) {
            const auto found = probe(out + QLatin1Char('/') + QLatin1String(output.name));
            QVERIFY2(!found.isEmpty(), output.name);
            QCOMPARE(found.value(QStringLiteral("codec_name")), QLatin1String(output.codec));
            QCOMPARE(found.value(QStringLiteral("sample_rate")), QLatin1String(output.rate));
            const double seconds = found.value(QStringLiteral("duration")).toDouble();
            QVERIFY2(qAbs(seconds - output.seconds) < 0.1,
                     qPrintable(QStringLiteral("%1 lasts %2 s").arg(output.name).arg(seconds)));
        }
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    // Cancel while two outputs run: the window closes without a completion message, both partial outputs stay
    // under their own names, no temporary name is left and no worker thread remains.
    void cancelWithTwoOutputsRunning() {
        start("[batch]\njobs=2\n");
        app->addRow(app->tone(QStringLiteral("in/long one.wav"), 30, 44100, 2));
        app->addRow(app->tone(QStringLiteral("in/long two.wav"), 30, 44100, 2));
        app->main().formatBoxes().setChecked(OutputFormat::Mp3, true);
        const QString out = app->dir.filePath(QStringLiteral("cancelled"));
        control<QLineEdit>(app->main(), "edit_output_folder").setText(out);
        QStringList shownWhenCancelled;
        connect(&window(), &ProgressWindow::runningOutputsChanged, this, [&](int count) {
            if (count == 2 && shownWhenCancelled.isEmpty()) {
                auto* list = window().findChild<QListWidget*>(QStringLiteral("list_running"));
                for (int row = 0; row < list->count(); ++row)
                    shownWhenCancelled.append(list->item(row)->text());
                QTimer::singleShot(20, &window(),
                                   [this] { QTest::mouseClick(window().form().button_cancel, Qt::LeftButton); });
            }
        });
        const int threadsBefore = threadCount();
        QElapsedTimer clock;
        clock.start();
        pressWrite();

        QCOMPARE(shownWhenCancelled.size(), 2);
        QVERIFY2(shownWhenCancelled.first().startsWith(QStringLiteral("long ")),
                 qPrintable(shownWhenCancelled.first()));
        QVERIFY2(clock.elapsed() < 10000, "Cancel takes effect after the blocks in progress");
        QVERIFY(!window().isVisible());
        QVERIFY2(app->prompts.shown.isEmpty(), qPrintable(app->prompts.shown.join('\n')));
        QVERIFY(window().lastBatch().cancelled);
        QVERIFY(app->shell.opened.isEmpty());
        QVERIFY(threadCount() <= threadsBefore);
        const QStringList left = QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QCOMPARE(left, (QStringList{QStringLiteral("long one.mp3"), QStringLiteral("long two.mp3")}));
        for (const QString& name : left) {
            const auto found = probe(out + QLatin1Char('/') + name);
            QCOMPARE(found.value(QStringLiteral("codec_name")), QStringLiteral("mp3"));
            QVERIFY(found.value(QStringLiteral("duration")).toDouble() < 29);
        }
    }
};

QTEST_MAIN(WorkerBatchWindowTest)
#include "WorkerBatchWindowTest.moc"
