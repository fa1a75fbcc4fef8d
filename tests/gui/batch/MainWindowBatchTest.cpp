#include "gui/batch/ProgressWindow.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/player/PlayerBar.h"
#include "support/RealMainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
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

    static QByteArray md5Of(const QString& file) { return testsupport::md5Of(file); }
    // An MP3 made by ffmpeg from a tone, so that it differs from every output the program writes.
    QString mp3Source(const QString& relativeName, double seconds) {
        const QString wav = app->tone(relativeName + QStringLiteral(".tmp.wav"), seconds);
        const QString mp3 = app->dir.filePath(relativeName);
        const auto made = testsupport::runTool(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-i", wav, mp3});
        if (made.exitCode != 0)
            qFatal("ffmpeg could not make an MP3: %s", made.err.constData());
        QFile::remove(wav);
        return mp3;
    }
    static QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

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

    // The list keeps what it found when a file came in, for the batch; a file replaced after it was listed is
    // converted as it is now, not as it was.
    void aSourceChangedAfterItWasListedIsConvertedAsItIsNow() {
        const QString source = app->tone(QStringLiteral("in/changing.wav"), 1);
        app->list().addFiles({source});
        QCOMPARE(app->list().rowCount(), 1);
        QVERIFY(app->list().row(0).probed.has_value());
        QCOMPARE(app->list().row(0).time, QStringLiteral("0:01"));
        QVERIFY(QFile::remove(source));
        QCOMPARE(app->tone(QStringLiteral("in/changing.wav"), 3, 44100, 2), source);

        chooseFormats({OutputFormat::Pcm});
        const QString out = app->dir.filePath(QStringLiteral("changed"));
        folderEdit().setText(out);
        pressWrite();
        QCOMPARE(app->prompts.shown.size(), 1);
        QVERIFY2(app->prompts.shown.first().startsWith(QStringLiteral("|Conversion is finished!")),
                 qPrintable(app->prompts.shown.first()));
        const Probe found = probe(out + QStringLiteral("/changing.wav"));
        QVERIFY2(qAbs(found.seconds - 3) < 0.05,
                 qPrintable(QStringLiteral("the output lasts %1 s").arg(found.seconds)));
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
    // With the defaults (MP3, no Output Folder), a source that is itself an MP3 of the batch's name is neither
    // replaced nor converted over: both sources stay as they were and each gets an output of its own.
    void sourcesOfOneNameInOneFolderAreKept() {
        QVERIFY(app->main().formatBoxes().checkedFormats() == std::set<OutputFormat>{OutputFormat::Mp3});
        QVERIFY(folderEdit().text().isEmpty());
        const QString wav = app->tone(QStringLiteral("music/song.wav"), 1.0);
        const QString mp3 = mp3Source(QStringLiteral("music/song.mp3"), 2.0);
        const QByteArray wavBefore = md5Of(wav);
        const QByteArray mp3Before = md5Of(mp3);
        app->list().addFiles({wav, mp3});
        QCOMPARE(app->list().rowCount(), 2);
        pressWrite();

        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        QCOMPARE(md5Of(wav), wavBefore);
        QCOMPARE(md5Of(mp3), mp3Before);
        const QString music = app->dir.filePath(QStringLiteral("music"));
        QStringList outputs = filesIn(music);
        outputs.removeAll(QStringLiteral("song.wav"));
        outputs.removeAll(QStringLiteral("song.mp3"));
        QCOMPARE(outputs.size(), 2);
        // Each output holds the sound of its own source: one second from the WAV, two from the MP3.
        QList<double> lengths;
        for (const QString& name : outputs) {
            QVERIFY2(name.startsWith(QStringLiteral("song_NEW")) && name.endsWith(QStringLiteral(".mp3")),
                     qPrintable(name));
            const Probe found = probe(music + QLatin1Char('/') + name);
            QCOMPARE(found.codec, QStringLiteral("mp3"));
            lengths.append(found.seconds);
        }
        std::sort(lengths.begin(), lengths.end());
        QVERIFY2(qAbs(lengths[0] - 1.0) < 0.1 && qAbs(lengths[1] - 2.0) < 0.1,
                 qPrintable(QStringLiteral("%1 s and %2 s").arg(lengths[0]).arg(lengths[1])));
    }

    // Three sources of one name from three folders into one Output Folder: three outputs, none replacing another.
    void sourcesOfOneNameFromManyFoldersGetAnOutputEach() {
        const QStringList sources{app->tone(QStringLiteral("a/song.wav"), 0.5),
                                  app->tone(QStringLiteral("b/song.flac"), 1.0),
                                  mp3Source(QStringLiteral("c/song.mp3"), 1.5)};
        QList<QByteArray> before;
        for (const QString& source : sources)
            before.append(md5Of(source));
        app->list().addFiles(sources);
        QCOMPARE(app->list().rowCount(), 3);
        const QString out = app->dir.filePath(QStringLiteral("out"));
        folderEdit().setText(out);
        pressWrite();

        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        for (int index = 0; index < sources.size(); ++index)
            QCOMPARE(md5Of(sources[index]), before[index]);
        const QStringList outputs = filesIn(out);
        QCOMPARE(outputs, (QStringList{"song.mp3", "song_NEW.mp3", "song_NEW2.mp3"}));
        QList<double> lengths;
        for (const QString& name : outputs)
            lengths.append(probe(out + QLatin1Char('/') + name).seconds);
        std::sort(lengths.begin(), lengths.end());
        for (int index = 0; index < 3; ++index)
            QVERIFY2(qAbs(lengths[index] - 0.5 * (index + 1)) < 0.1, qPrintable(QString::number(lengths[index])));
    }
    // "~" and "~/..." in the Output Folder, typed or set as the default folder in the options, are the home folder;
    // no folder named "~" appears, and the edit keeps what the user typed.
    void aTildeMeansTheHomeFolder() {
        // The home folder and the source outlive the first window, which takes its own folder with it.
        QTemporaryDir kept;
        const QByteArray oldHome = qgetenv("HOME");
        const QString home = kept.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        qputenv("HOME", home.toLocal8Bit());
        const auto restoreHome = qScopeGuard([&] { qputenv("HOME", oldHome); });
        const QString source = kept.filePath(QStringLiteral("tilde.wav"));
        QVERIFY(QFile::copy(app->tone(QStringLiteral("in/tilde.wav"), 0.3), source));
        const QByteArray before = md5Of(source);
        app->addRow(source);
        chooseFormats({OutputFormat::Raw});

        for (const QString& typed : {QStringLiteral("~"), QStringLiteral("~/typed here")}) {
            folderEdit().setText(typed);
            app->prompts.shown.clear();
            pressWrite();
            QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
            QCOMPARE(folderEdit().text(), typed);
        }
        QVERIFY(QFileInfo(home + QStringLiteral("/tilde.raw")).size() > 0);
        QVERIFY(QFileInfo(home + QStringLiteral("/typed here/tilde.raw")).size() > 0);

        // The options' default folder reaches the Output Folder at the next start and means the same.
        app.reset();
        app = std::make_unique<RealMainWindow>("[defaultfolder]\ndefaultfolder=~/from options\n");
        QCOMPARE(folderEdit().text(), QStringLiteral("~/from options"));
        app->addRow(source);
        chooseFormats({OutputFormat::Raw});
        pressWrite();
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        QVERIFY(QFileInfo(home + QStringLiteral("/from options/tilde.raw")).size() > 0);

        QCOMPARE(md5Of(source), before);
        QVERIFY(!QFileInfo::exists(QStringLiteral("~")));
        QVERIFY(!QFileInfo::exists(kept.filePath(QStringLiteral("~"))));
    }

    // An Ogg Vorbis setting the component refuses is told for each source in a plain box, as the dialog's Apply tells
    // it, not as an error; the other format's outputs are made.
    void aRefusedOggSettingIsToldInAPlainBox() {
        app->prompts.icons.clear();
        const QString first = app->tone(QStringLiteral("first.wav"), 0.3);
        const QString second = app->tone(QStringLiteral("second.wav"), 0.3);
        app->addRow(first);
        app->addRow(second);
        QWidget& ogg = *app->windows->oggVorbisOptions;
        ogg.findChild<QCheckBox*>(QStringLiteral("vbrBox"))->click();
        ogg.findChild<QSlider*>(QStringLiteral("minBitrateSlider"))->setValue(11); // above the nominal 128 kbit/s
        chooseFormats({OutputFormat::Ogg, OutputFormat::Raw});
        pressWrite();
        QCOMPARE(app->prompts.shown.size(), 3);
        QCOMPARE(app->prompts.shown.mid(0, 2), QStringList({"|Incorrect format", "|Incorrect format"}));
        QVERIFY(app->prompts.shown[2].startsWith(QStringLiteral("|Conversion is finished!")));
        QCOMPARE(app->prompts.icons.mid(0, 2), QList<Prompts::Icon>({Prompts::Icon::None, Prompts::Icon::None}));
        QVERIFY(QFileInfo(app->dir.filePath(QStringLiteral("first.raw"))).size() > 0);
        QVERIFY(!QFileInfo::exists(app->dir.filePath(QStringLiteral("first.ogg"))));
    }

    // A video without a sound track, given to the list, is told as other refused files are, and is not listed; the
    // files after it still come in.
    void aVideoWithoutSoundIsToldAndNotListed() {
        app->prompts.icons.clear();
        const QString silent = app->dir.filePath(QStringLiteral("silent clip.avi"));
        const auto made = testsupport::runTool(QStringLiteral("ffmpeg"),
                                               {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                "testsrc=size=64x48:rate=5:duration=1", "-c:v", "mpeg4", silent});
        QVERIFY2(made.exitCode == 0, made.err.constData());
        const QByteArray before = md5Of(silent);
        const QString tone = app->tone(QStringLiteral("after.wav"), 0.3);
        app->prompts.fileAnswers.push_back({silent, tone});
        app->main().findChild<QAction*>(QStringLiteral("addFilesAction"))->trigger();
        QCOMPARE(app->list().rowCount(), 1);
        QCOMPARE(app->list().row(0).fullName, tone);
        QCOMPARE(app->prompts.shown,
                 QStringList({QStringLiteral("files|Open"),
                              QStringLiteral("Error|The file \"silent clip.avi\" has no sound track.")}));
        QCOMPARE(app->prompts.icons, QList<Prompts::Icon>({Prompts::Icon::Warning}));
        QCOMPARE(md5Of(silent), before);
    }
};

QTEST_MAIN(MainWindowBatchTest)
#include "MainWindowBatchTest.moc"
