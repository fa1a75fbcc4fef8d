// Action ▸ "Mirror a Folder…" in the real main window on the real components: the dialog's checks and keyboard, a
// first mirror of a small tree through the progress window, and a second one that finds everything unchanged.
#include "core/batch/ProfileStore.h"
#include "gui/batch/MirrorDialog.h"
#include "gui/batch/ProgressWindow.h"
#include "support/RealMainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <functional>

class MirrorWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;

    template <typename T> T& child(const char* name) {
        return testsupport::childNamed<T>(app->main().mirrorDialog(), name);
    }
    QAction& mirrorAction() { return testsupport::childNamed<QAction>(app->main(), "mirrorFolderAction"); }
    void pressOk() { child<QDialogButtonBox>("buttonBox").button(QDialogButtonBox::Ok)->click(); }

    // Opens the dialog from the menu action; `answer` acts in it while it is up, as the user would.
    void mirrorWith(const std::function<void(MirrorDialog&)>& answer) {
        bool answered = false;
        QTimer::singleShot(0, &app->main(), [&] {
            MirrorDialog& dialog = app->main().mirrorDialog();
            answer(dialog);
            // An answer that failed half-way leaves the dialog up: it is closed so that the test goes on.
            answered = !dialog.isVisible();
            if (dialog.isVisible())
                dialog.reject();
        });
        mirrorAction().trigger();
        QVERIFY(answered);
        QVERIFY(!app->main().mirrorDialog().isVisible());
    }

    QString path(const QString& relative) const { return app->dir.filePath(relative); }

    void makeTree() {
        QVERIFY(QFileInfo::exists(app->tone(QStringLiteral("library/Artist/Album/01 Song.flac"), 1.5, 44100, 2)));
        const QString wav = app->tone(QStringLiteral("scratch/tone.wav"), 1.0, 44100, 2);
        QVERIFY(QDir().mkpath(path(QStringLiteral("library/Live/2019/Night"))));
        const auto made =
            testsupport::runTool(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-i", wav, "-c:a", "libmp3lame",
                                                            path("library/Live/2019/Night/Encore.mp3")});
        QCOMPARE(made.exitCode, 0);
        QImage cover(16, 16, QImage::Format_RGB32);
        cover.fill(Qt::darkBlue);
        QVERIFY(cover.save(path(QStringLiteral("library/Artist/Album/cover.jpg")), "JPEG"));
    }

private slots:
    void init() { app = std::make_unique<RealMainWindow>(); }
    void cleanup() { app.reset(); }

    void theActionStandsBeforeConvert() {
        QMenu& menu = testsupport::childNamed<QMenu>(app->main(), "actionMenu");
        const QList<QAction*> actions = menu.actions();
        const qsizetype at = actions.indexOf(&mirrorAction());
        QVERIFY(at >= 0 && at + 2 < actions.size());
        QCOMPARE(mirrorAction().text(), QStringLiteral("Mirror a Folder…"));
        QVERIFY(actions.at(at + 1)->isSeparator());
        QCOMPARE(actions.at(at + 2)->objectName(), QStringLiteral("convertAction"));
    }

    void theDialogRefusesAndCancelLeavesNothing() {
        const QByteArray settingsBefore = [&] {
            QFile file(app->locations.settingsPath);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        mirrorWith([&](MirrorDialog& dialog) {
            QVERIFY(dialog.isVisible());
            pressOk();
            QCOMPARE(app->prompts.shown.last(), QStringLiteral("Error|Please choose the folder to mirror."));
            QVERIFY(dialog.isVisible());
            QVERIFY(QDir().mkpath(path(QStringLiteral("library/inner"))));
            child<QLineEdit>("sourceFolderEdit").setText(path(QStringLiteral("library")));
            child<QLineEdit>("destinationFolderEdit").setText(path(QStringLiteral("library/inner")));
            pressOk();
            QVERIFY(app->prompts.shown.last().contains(QStringLiteral("lies inside the folder it mirrors")));
            QVERIFY(dialog.isVisible());
            child<QDialogButtonBox>("buttonBox").button(QDialogButtonBox::Cancel)->click();
        });
        QFile file(app->locations.settingsPath);
        const QByteArray settingsAfter = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QCOMPARE(settingsAfter, settingsBefore);
        QVERIFY(QDir(path(QStringLiteral("library/inner")))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    void everyControlIsNamedAndReachedByKeyboard() {
        MirrorDialog& dialog = app->main().mirrorDialog();
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            // Qt's own parts of a control (a spin box's field) are named by the control.
            if ((control->focusPolicy() & Qt::TabFocus) != 0 && !control->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            // A screen reader reads the name as it stands: no mnemonic marks or escaped characters in it.
            QVERIFY2(!control->accessibleName().contains(QLatin1Char('&')) &&
                         !control->accessibleName().contains(QLatin1String("amp;")),
                     qPrintable(control->accessibleName()));
        }
        // Each label's mnemonic leads to its field.
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            QVERIFY2(label->text().contains(QLatin1Char('&')), qPrintable(label->objectName()));
            QVERIFY(label->buddy() != nullptr);
        }
        mirrorWith([&](MirrorDialog& shown) {
            shown.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&shown));
            QTest::keyClick(&shown, Qt::Key_D, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), &child<QLineEdit>("destinationFolderEdit"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), &child<QPushButton>("destinationBrowseButton"));
            QTest::keyClick(&shown, Qt::Key_Escape);
        });
    }

    void aProfileBringsItsFormat() {
        BatchOrder phone;
        phone.formats = {OutputFormat::Ogg};
        ProfileStore(ProfileStore::folderBeside(app->locations.settingsPath)).save(QStringLiteral("Phone"), phone);
        mirrorWith([&](MirrorDialog&) {
            QComboBox& profiles = child<QComboBox>("profileCombo");
            QCOMPARE(profiles.count(), 2);
            QCOMPARE(profiles.itemText(1), QStringLiteral("Phone"));
            QCOMPARE(child<QComboBox>("formatCombo").currentText(), QStringLiteral("MP3"));
            profiles.setFocus();
            QTest::keyClick(&profiles, Qt::Key_Down);
            QCOMPARE(child<QComboBox>("formatCombo").currentText(), QStringLiteral("OGG"));
            child<QDialogButtonBox>("buttonBox").button(QDialogButtonBox::Cancel)->click();
        });
    }

    void mirrorsATreeThenFindsItUnchanged() {
        makeTree();
        QStringList begun;
        connect(app->windows->progress, &ProgressWindow::conversionBegun, this,
                [&](const QString&, const QString& destination) { begun.append(destination); });
        app->prompts.folderAnswers.push_back(path(QStringLiteral("library")));
        mirrorWith([&](MirrorDialog&) {
            child<QPushButton>("sourceBrowseButton").click();
            QCOMPARE(child<QLineEdit>("sourceFolderEdit").text(), path(QStringLiteral("library")));
            child<QLineEdit>("destinationFolderEdit").setText(path(QStringLiteral("card/Music")));
            QCOMPARE(child<QComboBox>("lossyCombo").currentIndex(), 0);
            QCOMPARE(child<QLineEdit>("sideFilesEdit").text(),
                     QStringLiteral("cover.jpg folder.jpg *.png *.lrc *.cue *.pdf"));
            child<QComboBox>("namesCombo").setCurrentIndex(1);
            pressOk();
        });
        const QString converted = path(QStringLiteral("card/Music/Artist/Album/01 Song.mp3"));
        QCOMPARE(begun, QStringList{converted});
        const auto probe =
            testsupport::runTool(QStringLiteral("ffprobe"),
                                 {"-v", "error", "-show_entries", "stream=codec_name", "-of", "csv=p=0", converted});
        QCOMPARE(probe.out.trimmed(), QByteArray("mp3"));
        QCOMPARE(testsupport::md5Of(path(QStringLiteral("card/Music/Live/2019/Night/Encore.mp3"))),
                 testsupport::md5Of(path(QStringLiteral("library/Live/2019/Night/Encore.mp3"))));
        QCOMPARE(testsupport::md5Of(path(QStringLiteral("card/Music/Artist/Album/cover.jpg"))),
                 testsupport::md5Of(path(QStringLiteral("library/Artist/Album/cover.jpg"))));
        QCOMPARE(
            app->prompts.shown.last(),
            QStringLiteral("|Mirroring is finished.\nConverted: 1, copied: 2, unchanged: 0, pruned: 0, failed: 0."));
        QCOMPARE(app->prompts.icons.last(), Prompts::Icon::Information);
        QVERIFY(!app->windows->progress->isVisible());
        QFile settings(app->locations.settingsPath);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("[mirror]\nsource=" + path(QStringLiteral("library")).toUtf8()));

        // The dialog opens with the choices of the last mirror; nothing is made again.
        begun.clear();
        mirrorWith([&](MirrorDialog&) {
            QCOMPARE(child<QLineEdit>("sourceFolderEdit").text(), path(QStringLiteral("library")));
            QCOMPARE(child<QLineEdit>("destinationFolderEdit").text(), path(QStringLiteral("card/Music")));
            QCOMPARE(child<QComboBox>("namesCombo").currentIndex(), 1);
            pressOk();
        });
        QVERIFY(begun.isEmpty());
        QCOMPARE(
            app->prompts.shown.last(),
            QStringLiteral("|Mirroring is finished.\nConverted: 0, copied: 0, unchanged: 3, pruned: 0, failed: 0."));
    }

    // A profile's settings and format, two outputs side by side: the progress window lists them, and both are made.
    void aProfileMirrorsSideBySide() {
        for (const char* name : {"A/one.flac", "B/two.flac"})
            QVERIFY(QFileInfo::exists(app->tone(QStringLiteral("library/") + name, 2.0, 44100, 2)));
        BatchOrder phone;
        phone.formats = {OutputFormat::Ogg};
        ProfileStore(ProfileStore::folderBeside(app->locations.settingsPath)).save(QStringLiteral("Phone"), phone);
        int mostRunning = 0;
        connect(app->windows->progress, &ProgressWindow::runningOutputsChanged, this,
                [&](int count) { mostRunning = std::max(mostRunning, count); });
        mirrorWith([&](MirrorDialog&) {
            child<QLineEdit>("sourceFolderEdit").setText(path(QStringLiteral("library")));
            child<QLineEdit>("destinationFolderEdit").setText(path(QStringLiteral("card")));
            QComboBox& profiles = child<QComboBox>("profileCombo");
            QTest::keyClick(&profiles, Qt::Key_Down);
            child<QSpinBox>("jobsSpin").setValue(2);
            pressOk();
        });
        QCOMPARE(mostRunning, 2);
        for (const char* name : {"card/A/one.ogg", "card/B/two.ogg"}) {
            const auto probe =
                testsupport::runTool(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries", "stream=codec_name",
                                                                 "-of", "csv=p=0", path(QString::fromLatin1(name))});
            QCOMPARE(probe.out.trimmed(), QByteArray("vorbis"));
        }
        QCOMPARE(
            app->prompts.shown.last(),
            QStringLiteral("|Mirroring is finished.\nConverted: 2, copied: 0, unchanged: 0, pruned: 0, failed: 0."));
    }

    // Cancel in the progress window: the output under way is not left half-made, no earlier output is pruned, and the
    // next mirror makes the file after all.
    void cancelStopsTheMirror() {
        QVERIFY(QFileInfo::exists(app->tone(QStringLiteral("library/Long.flac"), 60.0, 44100, 2)));
        QVERIFY(QDir().mkpath(path(QStringLiteral("library/gone"))));
        QFile lyrics(path(QStringLiteral("library/gone/words.lrc")));
        QVERIFY(lyrics.open(QIODevice::WriteOnly));
        lyrics.write("[00:01.00]la");
        lyrics.close();
        const auto answerAll = [&](MirrorDialog&) {
            child<QLineEdit>("sourceFolderEdit").setText(path(QStringLiteral("library")));
            child<QLineEdit>("destinationFolderEdit").setText(path(QStringLiteral("card")));
            child<QCheckBox>("pruneBox").setChecked(true);
            pressOk();
        };
        // A first mirror with the long source left out: it holds only the lyrics.
        QVERIFY(QFile::rename(path(QStringLiteral("library/Long.flac")), path(QStringLiteral("Long.flac"))));
        mirrorWith(answerAll);
        QVERIFY(QFileInfo::exists(path(QStringLiteral("card/gone/words.lrc"))));
        QVERIFY(QFile::rename(path(QStringLiteral("Long.flac")), path(QStringLiteral("library/Long.flac"))));
        QVERIFY(QFile::remove(lyrics.fileName()));

        ProgressWindow& progress = *app->windows->progress;
        const QMetaObject::Connection cancelling =
            QObject::connect(&progress, &ProgressWindow::conversionBegun, &progress, [&progress] {
                QTimer::singleShot(300, &progress, [&progress] { progress.cancelBatch(); });
            });
        mirrorWith(answerAll);
        QCOMPARE(
            app->prompts.shown.last(),
            QStringLiteral("|Mirroring was stopped.\nConverted: 0, copied: 0, unchanged: 0, pruned: 0, failed: 0."));
        QCOMPARE(app->prompts.icons.last(), Prompts::Icon::Warning);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("card/Long.mp3"))));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("card/gone/words.lrc"))));
        QCOMPARE(QDir(path(QStringLiteral("card"))).entryList(QDir::Files | QDir::Hidden).size(), 1); // the manifest

        QObject::disconnect(cancelling);
        mirrorWith(answerAll);
        QCOMPARE(
            app->prompts.shown.last(),
            QStringLiteral("|Mirroring is finished.\nConverted: 1, copied: 0, unchanged: 0, pruned: 1, failed: 0."));
        QVERIFY(QFileInfo(path(QStringLiteral("card/Long.mp3"))).size() > 100000);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("card/gone"))));
    }
};

QTEST_MAIN(MirrorWindowTest)
#include "MirrorWindowTest.moc"
