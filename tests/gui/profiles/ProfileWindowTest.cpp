// The profile box of the real main window: what "Save As…" stores comes back into every control it covers in a new
// window over the same settings folder, and a profile that is damaged or from a newer version is handled as the
// user is told.
#include "core/batch/ProfileStore.h"
#include "core/formats/FormatSettings.h"
#include "core/settings/Settings.h"
#include "gui/batch/ConvertGroup.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"
#include "gui/profiles/ProfileBox.h"
#include "support/RealMainWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <map>

namespace {

// What every control a profile covers shows, read back through the controls' own getters.
struct ControlsSnapshot {
    std::set<OutputFormat> formats;
    PanelValues panel;
    std::optional<int> volume;
    PcmWavChoice wav;
    Mp3Controls mp3;
    OggVorbisSetting ogg;
    bool oggVbr = false;
    bool oggQuality = false;
    QString folder;
    BatchOptions batch;
    bool copyTags = false;
    bool openFolder = false;

    bool operator==(const ControlsSnapshot&) const = default;
};

template <typename T> T& child(const QObject& parent, const char* name) {
    return testsupport::childNamed<T>(parent, name);
}

} // namespace

class ProfileWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;

    MainWindow& main() { return app->main(); }
    QComboBox& combo() { return child<QComboBox>(main(), "profileCombo"); }
    QPushButton& saveAsButton() { return child<QPushButton>(main(), "saveAsButton"); }
    QPushButton& deleteButton() { return child<QPushButton>(main(), "deleteButton"); }
    QString profilesFolder() { return ProfileStore::folderBeside(app->locations.settingsPath); }

    // A new main window over the same program folder, as after closing the program and starting it again.
    void restart() {
        app->windows.reset();
        app->windows = std::make_unique<ApplicationWindows>(app->factory, app->registration, app->shell, app->prompts,
                                                            app->locations);
        app->prompts.shown.clear();
        app->prompts.icons.clear();
    }

    ControlsSnapshot snapshot() {
        ControlsSnapshot shown;
        shown.formats = main().formatBoxes().checkedFormats();
        shown.panel = main().formatOptions().panelValues();
        shown.volume = main().formatOptions().volumeChange();
        shown.wav = app->windows->wavOptions->choice();
        shown.mp3 = app->windows->mp3Options->controls();
        const OggVorbisControls ogg = app->windows->oggVorbisOptions->controls();
        shown.ogg = oggVorbisSettingOf(ogg);
        shown.oggVbr = ogg.vbrEnabled;
        shown.oggQuality = ogg.qualityEnabled;
        shown.folder = main().convertGroup().outputFolder();
        const Settings& values = app->windows->context().settings.values();
        shown.batch = values.batch;
        shown.copyTags = values.copyTag;
        shown.openFolder = values.isOpenFolder;
        return shown;
    }

    // Moves every covered control away from its starting value the way a user would.
    void setControlsAwayFromTheirDefaults() {
        FormatBoxes& boxes = main().formatBoxes();
        boxes.setChecked(OutputFormat::Mp3, false);
        boxes.setChecked(OutputFormat::Ogg, true);
        boxes.setChecked(OutputFormat::Flac, true);
        boxes.setChecked(OutputFormat::G726, true);
        FormatOptionsPane& pane = main().formatOptions();
        child<QRadioButton>(pane, "frequencyGroup_2").click();
        child<QRadioButton>(pane, "channelsGroup_0").click();
        child<QComboBox>(pane, "cmbG726Bits").setCurrentIndex(0);
        child<QSpinBox>(pane, "flacLevelSpin").setValue(8);
        child<QRadioButton>(pane, "volumeChangeRadio").click();
        child<QSpinBox>(pane, "volumePercentSpin").setValue(140);
        WavOptionsDialog& wav = *app->windows->wavOptions;
        child<QComboBox>(wav, "frequencyCombo").setCurrentText(QStringLiteral("22050"));
        child<QComboBox>(wav, "channelsCombo").setCurrentIndex(0);
        child<QComboBox>(wav, "bitsCombo").setCurrentText(QStringLiteral("24"));
        Mp3OptionsDialog& mp3 = *app->windows->mp3Options;
        child<QSlider>(mp3, "qualitySlider").setValue(2);
        child<QSlider>(mp3, "bitrateSlider").setValue(11);
        child<QCheckBox>(mp3, "crcBox").setChecked(true);
        child<QCheckBox>(mp3, "highpassBox").click();
        OggVorbisOptionsDialog& ogg = *app->windows->oggVorbisOptions;
        child<QComboBox>(ogg, "frequencyCombo").setCurrentText(QStringLiteral("32000"));
        child<QCheckBox>(ogg, "vbrBox").click();
        child<QSlider>(ogg, "minBitrateSlider").setValue(3);
        child<QSlider>(ogg, "maxBitrateSlider").setValue(10);
        main().convertGroup().setOutputFolder(app->dir.filePath(QStringLiteral("out")));
        SettingsStore& settings = app->windows->context().settings;
        settings.storeOptions(QString(), true, true, false, true);
        settings.storeBatchOptions({3, false, ExistingOutputPolicy::New, true, false});
    }

    void saveAs(const QString& name) {
        app->prompts.textAnswers.push_back(name);
        saveAsButton().click();
    }

    // The profile folder with one file written as given.
    void writeProfileFile(const QString& name, const QByteArray& text) {
        QVERIFY(QDir().mkpath(profilesFolder()));
        QFile file(QDir(profilesFolder()).filePath(name + QStringLiteral(".ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text), text.size());
    }

private slots:
    void init() { app = std::make_unique<RealMainWindow>(); }
    void cleanup() { app.reset(); }

    void theBoxSitsAboveTheFormatsWithNamedControls() {
        QCOMPARE(combo().itemText(0), QStringLiteral("(current settings)"));
        QVERIFY(!deleteButton().isEnabled());
        for (QWidget* control : {static_cast<QWidget*>(&combo()), static_cast<QWidget*>(&saveAsButton()),
                                 static_cast<QWidget*>(&deleteButton())})
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
        const QRect box = main().profileBox().geometry();
        const QRect formats = main().formatBoxes().geometry();
        QVERIFY(box.bottom() < formats.top());
        QCOMPARE(box.left(), formats.left());
    }

    void aSavedProfileComesBackIntoEveryControlAfterARestart() {
        setControlsAwayFromTheirDefaults();
        const ControlsSnapshot saved = snapshot();
        // The screen reader's press is a click.
        app->prompts.textAnswers.push_back(QStringLiteral("Archive"));
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(&saveAsButton());
        QVERIFY(button && button->actionInterface());
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // The press is an animated click, which lands a moment later.
        QTRY_COMPARE(app->prompts.shown, QStringList{QStringLiteral("text|Save Profile|Profile name:|")});
        QCOMPARE(combo().currentText(), QStringLiteral("Archive"));
        QVERIFY(deleteButton().isEnabled());

        restart();
        SettingsStore& settings = app->windows->context().settings;
        settings.storeOptions(QString(), true, false, true, true);
        settings.storeBatchOptions({});
        const ControlsSnapshot fresh = snapshot();
        QVERIFY(!(fresh == saved));
        QCOMPARE(combo().currentIndex(), 0);
        QCOMPARE(combo().count(), 2);

        // The keyboard chooses as a click does.
        combo().setFocus();
        QTest::keyClick(&combo(), Qt::Key_Down);
        QCOMPARE(combo().currentText(), QStringLiteral("Archive"));
        QVERIFY2(app->prompts.shown.isEmpty(), qPrintable(app->prompts.shown.join('\n')));
        const ControlsSnapshot restored = snapshot();
        QCOMPARE(restored.formats, saved.formats);
        QVERIFY(restored.panel == saved.panel);
        QCOMPARE(restored.volume, saved.volume);
        QVERIFY(restored.wav == saved.wav);
        QVERIFY(restored.mp3 == saved.mp3);
        QVERIFY(restored.ogg == saved.ogg);
        QCOMPARE(restored.oggVbr, saved.oggVbr);
        QCOMPARE(restored.oggQuality, saved.oggQuality);
        QCOMPARE(restored.folder, saved.folder);
        QVERIFY(restored.batch == saved.batch);
        QCOMPARE(restored.copyTags, saved.copyTags);
        QCOMPARE(restored.openFolder, saved.openFolder);
        // The Options dialog's choices are in settings.ini, where the dialog and the next start read them.
        SettingsStore reread(app->locations.settingsPath);
        reread.load();
        QVERIFY(reread.values().batch == saved.batch);
        QCOMPARE(reread.values().isOpenFolder, saved.openFolder);
        // The Ogg Vorbis dialog is enabled as after a click on "VBR Enabled".
        OggVorbisOptionsDialog& ogg = *app->windows->oggVorbisOptions;
        QVERIFY(child<QSlider>(ogg, "minBitrateSlider").isEnabled());
        QVERIFY(!child<QCheckBox>(ogg, "qualityBox").isEnabled());
        // The pane's strings describe the chosen formats.
        QVERIFY(child<QLineEdit>(main(), "txtWAVFormatString").text().contains(QStringLiteral("22")));
    }

    void deleteAsksAndLeavesTheCurrentSettings() {
        saveAs(QStringLiteral("Phone"));
        QCOMPARE(combo().currentText(), QStringLiteral("Phone"));
        app->prompts.confirmAnswers = {false};
        deleteButton().click();
        QCOMPARE(combo().count(), 2);
        app->prompts.confirmAnswers = {true};
        QTest::keyClick(&deleteButton(), Qt::Key_Space);
        QCOMPARE(app->prompts.count(QStringLiteral("Delete Profile|Delete the profile \"Phone\"?")), 2);
        QCOMPARE(combo().count(), 1);
        QCOMPARE(combo().currentIndex(), 0);
        QVERIFY(!deleteButton().isEnabled());
        QVERIFY(!ProfileStore(profilesFolder()).contains(QStringLiteral("Phone")));
    }

    void aDamagedProfileIsRefusedAndTheControlsStay() {
        writeProfileFile(QStringLiteral("Broken"), QByteArray("\x01\x02[[not a profile\n=\n", 20));
        restart();
        setControlsAwayFromTheirDefaults();
        const ControlsSnapshot before = snapshot();
        combo().setCurrentIndex(combo().findText(QStringLiteral("Broken")));
        QCOMPARE(app->prompts.icons, QList<Prompts::Icon>{Prompts::Icon::Error});
        QCOMPARE(combo().currentIndex(), 0);
        QVERIFY(!deleteButton().isEnabled());
        QVERIFY(snapshot() == before);
    }

    void unknownKeysAreNamedAndTheRestIsApplied() {
        main().formatBoxes().setChecked(OutputFormat::Flac, true);
        child<QSpinBox>(main().formatOptions(), "flacLevelSpin").setValue(2);
        saveAs(QStringLiteral("Newer"));
        QFile file(QDir(profilesFolder()).filePath(QStringLiteral("Newer.ini")));
        QVERIFY(file.open(QIODevice::Append));
        file.write("\n[sparkle]\nglitter=3\n");
        file.close();
        restart();
        combo().setCurrentIndex(combo().findText(QStringLiteral("Newer")));
        QCOMPARE(app->prompts.icons, QList<Prompts::Icon>{Prompts::Icon::Warning});
        QVERIFY2(app->prompts.shown.first().contains(QStringLiteral("sparkle/glitter")),
                 qPrintable(app->prompts.shown.first()));
        QVERIFY(main().formatBoxes().isChecked(OutputFormat::Flac));
        QCOMPARE(main().formatOptions().panelValues().flacLevel, 2);
    }

    // One profile, two roads: the window with the profile chosen and tonalith-cli with --use-profile write the same
    // files, byte for byte, for the formats whose files carry no random serial numbers.
    void theWindowAndTheCommandLineMakeTheSameFilesFromOneProfile() {
        const QString source = app->tone(QStringLiteral("sources/tone.wav"), 1.5, 44100, 2);
        FormatBoxes& boxes = main().formatBoxes();
        boxes.setChecked(OutputFormat::Pcm, true);
        boxes.setChecked(OutputFormat::Mp3, true);
        boxes.setChecked(OutputFormat::Flac, true);
        FormatOptionsPane& pane = main().formatOptions();
        child<QSpinBox>(pane, "flacLevelSpin").setValue(8);
        child<QRadioButton>(pane, "volumeChangeRadio").click();
        child<QSpinBox>(pane, "volumePercentSpin").setValue(80);
        WavOptionsDialog& wav = *app->windows->wavOptions;
        child<QComboBox>(wav, "frequencyCombo").setCurrentText(QStringLiteral("22050"));
        child<QComboBox>(wav, "bitsCombo").setCurrentText(QStringLiteral("24"));
        Mp3OptionsDialog& mp3 = *app->windows->mp3Options;
        child<QSlider>(mp3, "qualitySlider").setValue(2);
        child<QSlider>(mp3, "bitrateSlider").setValue(11);
        child<QCheckBox>(mp3, "crcBox").setChecked(true);
        const QString windowFolder = app->dir.filePath(QStringLiteral("window"));
        main().convertGroup().setOutputFolder(windowFolder);
        saveAs(QStringLiteral("Same"));

        // After a restart the profile alone sets the controls; the window converts the checked row with them.
        restart();
        combo().setCurrentIndex(combo().findText(QStringLiteral("Same")));
        QVERIFY2(app->prompts.shown.isEmpty(), qPrintable(app->prompts.shown.join('\n')));
        app->addRow(source);
        QTest::mouseClick(main().findChild<QPushButton*>(QStringLiteral("button_convert")), Qt::LeftButton);
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});

        // A copy of tonalith-cli run from a folder of its own keeps its profiles beside itself.
        const QString program = app->dir.filePath(QStringLiteral("cli"));
        QVERIFY(QDir().mkpath(program + QStringLiteral("/profiles")));
        const QString cli = program + QStringLiteral("/tonalith-cli");
        QVERIFY(QFile::copy(testsupport::cliPath(), cli));
        QVERIFY(QFile::setPermissions(cli, QFile::permissions(testsupport::cliPath())));
        QVERIFY(QFile::copy(QDir(profilesFolder()).filePath(QStringLiteral("Same.ini")),
                            program + QStringLiteral("/profiles/Same.ini")));
        const QString cliFolder = app->dir.filePath(QStringLiteral("cli-out"));
        const testsupport::ToolResult run = testsupport::runTool(
            cli, {"convert", "--use-profile", "Same", "--out", cliFolder, "-j", "1", "--", source}, 120000);
        QVERIFY2(run.exitCode == 0, run.err.constData());

        std::map<QString, QByteArray> windowFiles;
        for (const QString& name : testsupport::filesIn(windowFolder))
            windowFiles[name] = testsupport::md5Of(QDir(windowFolder).filePath(name));
        std::map<QString, QByteArray> cliFiles;
        for (const QString& name : testsupport::filesIn(cliFolder))
            cliFiles[name] = testsupport::md5Of(QDir(cliFolder).filePath(name));
        QCOMPARE(windowFiles.size(), std::size_t{3});
        QVERIFY(windowFiles == cliFiles);
    }
};

QTEST_MAIN(ProfileWindowTest)
#include "ProfileWindowTest.moc"
