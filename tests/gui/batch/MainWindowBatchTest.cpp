#include "gui/batch/ProgressWindow.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/player/PlayerBar.h"
#include "support/RealMainWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// Batches started from the main window, on the real components, read back with ffprobe.
class MainWindowBatchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;

    QLineEdit& folderEdit() { return *app->main().findChild<QLineEdit*>(QStringLiteral("edit_output_folder")); }
    void pressWrite() {
        QTest::mouseClick(app->main().findChild<QPushButton*>(QStringLiteral("button_convert")), Qt::LeftButton);
    }
    void chooseFormats(const std::set<OutputFormat>& formats) {
        for (const OutputFormatFacts& facts : outputFormatTable())
            app->main().formatBoxes().setChecked(facts.format, formats.count(facts.format) != 0);
    }

    struct Probe {
        QString formatName;
        QString codec;
        double seconds = -1;
    };
    static Probe probe(const QString& file) {
        const auto result = testsupport::runTool(
            QStringLiteral("ffprobe"), {"-v", "error", "-show_entries", "format=format_name,duration:stream=codec_name",
                                        "-of", "default=noprint_wrappers=1", file});
        Probe found;
        if (result.exitCode != 0)
            return found;
        for (const QByteArray& line : result.out.split('\n')) {
            if (line.startsWith("format_name="))
                found.formatName = QString::fromUtf8(line.mid(12));
            else if (line.startsWith("codec_name=") && found.codec.isEmpty())
                found.codec = QString::fromUtf8(line.mid(11));
            else if (line.startsWith("duration="))
                found.seconds = line.mid(9).toDouble();
        }
        return found;
    }

private slots:
    void init() { app = std::make_unique<RealMainWindow>(); }
    void cleanup() { app.reset(); }

    // The start handler's three refusals, from the button and from Action > Convert; no progress window shows.
    void theStartMessages() {
        pressWrite();
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("Error|Please add audio files and check them!")});

        app->addRow(app->tone(QStringLiteral("unchecked.wav"), 0.2), false, false);
        app->prompts.shown.clear();
        app->main().findChild<QAction*>(QStringLiteral("convertAction"))->trigger();
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("Error|Please add audio files and check them!")});

        app->addRow(app->tone(QStringLiteral("checked.wav"), 0.2));
        chooseFormats({});
        app->prompts.shown.clear();
        pressWrite();
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("Error|Please choose the output format!")});

        chooseFormats({OutputFormat::Raw});
        QFile blocker(app->dir.filePath(QStringLiteral("a file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        folderEdit().setText(blocker.fileName());
        app->prompts.shown.clear();
        pressWrite();
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("Error|Invalid Output Folder Name!")});
        QVERIFY(!QFileInfo::exists(app->dir.filePath(QStringLiteral("checked.raw"))));

        // Only RAW, into a new nested folder: it is made, and so is the output.
        folderEdit().setText(app->dir.filePath(QStringLiteral("new/raw")));
        app->prompts.shown.clear();
        pressWrite();
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        QVERIFY(QFileInfo(app->dir.filePath(QStringLiteral("new/raw/checked.raw"))).size() > 0);
    }

    // Three sources, one of them a video, into four formats; one output cannot be created and is listed.
    void aRealBatchIntoFourFormats() {
        const QString tone = app->tone(QStringLiteral("in/tone.wav"), 2, 44100, 2);
        const QString voice = app->dir.filePath(QStringLiteral("in/voice.mp3"));
        const QString clip = app->dir.filePath(QStringLiteral("in/clip.avi"));
        QVERIFY(testsupport::runTool(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-i", tone, "-t", "1.5", voice})
                    .exitCode == 0);
        QVERIFY(testsupport::runTool(QStringLiteral("ffmpeg"),
                                     {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=64x48:rate=5:duration=2",
                                      "-f", "lavfi", "-i", "sine=frequency=330:sample_rate=22050:duration=2", "-c:v",
                                      "mpeg4", "-c:a", "pcm_s16le", clip})
                    .exitCode == 0);
        // Added as the user adds them: probed by the list.
        app->list().addFiles({tone, voice, clip});
        QCOMPARE(app->list().rowCount(), 3);
        QVERIFY(!app->list().row(2).isAudio());
        chooseFormats({OutputFormat::Mp3, OutputFormat::Ogg, OutputFormat::Wma, OutputFormat::Adpcm});
        const QString out = app->dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out + QStringLiteral("/voice.ogg/in the way")));
        folderEdit().setText(out);
        pressWrite();

        QCOMPARE(app->prompts.shown.size(), 1);
        const QString message = app->prompts.shown.first();
        QVERIFY2(message.startsWith(QStringLiteral("|Conversion is finished!\n\n11 of 12 outputs were made.")),
                 qPrintable(message));
        QVERIFY(message.contains(out + QStringLiteral("/voice.ogg: ")));

        struct Expected {
            const char* name;
            const char* format;
            const char* codec;
            double seconds;
        };
        const Expected expected[] = {
            {"tone_ADPCM.wav", "wav", "adpcm_ms", 2},
            {"tone.mp3", "mp3", "mp3", 2},
            {"tone.ogg", "ogg", "vorbis", 2},
            {"tone.wma", "asf", "wmav2", 2},
            {"voice_ADPCM.wav", "wav", "adpcm_ms", 1.5},
            {"voice.mp3", "mp3", "mp3", 1.5},
            {"voice.wma", "asf", "wmav2", 1.5},
            {"clip_ADPCM.wav", "wav", "adpcm_ms", 2},
            {"clip.mp3", "mp3", "mp3", 2},
            {"clip.ogg", "ogg", "vorbis", 2},
            {"clip.wma", "asf", "wmav2", 2},
        };
        for (const Expected& output : expected) {
            const Probe found = probe(out + QLatin1Char('/') + QLatin1String(output.name));
            QVERIFY2(found.seconds >= 0, output.name);
            QCOMPARE(found.formatName, QLatin1String(output.format));
            QCOMPARE(found.codec, QLatin1String(output.codec));
            QVERIFY2(qAbs(found.seconds - output.seconds) < 0.25,
                     qPrintable(QStringLiteral("%1 lasts %2 s").arg(QLatin1String(output.name)).arg(found.seconds)));
        }
    }

    // The four lossless and modern outputs chosen by their boxes and made by one batch; the list reads them back.
    void aRealBatchIntoFlacAlacAacAndOpus() {
        const QString tone = app->tone(QStringLiteral("in/tone.wav"), 2, 44100, 2);
        app->list().addFiles({tone});
        chooseFormats({OutputFormat::Flac, OutputFormat::Alac, OutputFormat::Aac, OutputFormat::Opus});
        const QString out = app->dir.filePath(QStringLiteral("modern"));
        folderEdit().setText(out);
        pressWrite();
        QCOMPARE(app->prompts.shown.size(), 1);
        QVERIFY2(app->prompts.shown.first().startsWith(QStringLiteral("|Conversion is finished!")),
                 qPrintable(app->prompts.shown.first()));

        const std::pair<const char*, const char*> made[] = {
            {"tone.flac", "flac"}, {"tone_ALAC.m4a", "alac"}, {"tone.m4a", "aac"}, {"tone.opus", "opus"}};
        QStringList outputs;
        for (const auto& [name, codec] : made) {
            const QString output = out + QLatin1Char('/') + QLatin1String(name);
            const Probe found = probe(output);
            QCOMPARE(found.codec, QLatin1String(codec));
            QVERIFY2(qAbs(found.seconds - 2) < 0.05,
                     qPrintable(QStringLiteral("%1 lasts %2 s").arg(output).arg(found.seconds)));
            outputs.append(output);
        }
        app->list().addFiles(outputs);
        QCOMPARE(app->list().rowCount(), 5);
        for (int row = 1; row < 5; ++row) {
            QVERIFY(app->list().row(row).isAudio());
            QCOMPARE(app->list().row(row).time, QStringLiteral("0:02"));
        }
    }

    // The Stop button needs a selected row; the batch stops the preview without one.
    void theBatchStopsThePreviewWithoutASelectedRow() {
        const QString source = app->tone(QStringLiteral("playing.wav"), 5);
        app->addRow(source);
        app->list().selectRow(0);
        app->main().playerBar().play();
        const PreviewPlayer& player = app->main().playerBar().player();
        QVERIFY(player.isPlaying());
        app->list().selectRow(-1);
        QTest::mouseClick(app->main().findChild<QAbstractButton*>(QStringLiteral("stopButton")), Qt::LeftButton);
        QVERIFY(player.isPlaying());

        chooseFormats({OutputFormat::Pcm});
        folderEdit().setText(app->dir.filePath(QStringLiteral("while playing")));
        bool playingWhenConverting = true;
        connect(app->windows->progress, &ProgressWindow::conversionBegun, this,
                [&] { playingWhenConverting = player.isPlaying(); });
        pressWrite();
        QVERIFY(!playingWhenConverting);
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        QVERIFY(QFileInfo(app->dir.filePath(QStringLiteral("while playing/playing.wav"))).size() > 5 * 8000);
    }
};

QTEST_MAIN(MainWindowBatchTest)
#include "MainWindowBatchTest.moc"
