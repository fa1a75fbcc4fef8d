#include "ShellTestFixture.h"
#include "core/batch/BatchOrder.h"
#include "gui/options/OptionsDialog.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

template <typename T> T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class SettingsTest : public ShellTest {
protected:
    // Opens the options dialog without blocking, as the menu would show it.
    OptionsDialog& openOptions(ApplicationWindows& windows) {
        windows.options->open();
        return *windows.options;
    }
    void writeSettings(const QByteArray& text) {
        QFile file(locations.settingsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_F(SettingsTest, FirstStartUsesTheDefaultsAndTheCloseCreatesTheFile) {
    auto windows = start();
    MainControls form(*windows->main);
    EXPECT_FALSE(settingsFileExists()) << "start-up writes nothing";
    EXPECT_TRUE(form.chMP3->isChecked());
    for (QCheckBox* box : {form.chpcm, form.chOGG, form.chWMA, form.chADPCM, form.chGSM, form.chDSP, form.chVOX,
                           form.chraw, form.chMP2, form.chG721, form.chG723, form.chG726})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_TRUE(windows->context().settings.values().checkItem);
    EXPECT_TRUE(windows->context().settings.values().saveState);
    EXPECT_TRUE(form.outputFolderEdit->text().isEmpty());
    EXPECT_TRUE(windows->main->browser().showsDesktop());
    EXPECT_EQ(form.combo_filter->currentIndex(), 0);
    EXPECT_EQ(windows->main->browser().filter().count(QStringLiteral("*.avi")), 1) << "every source type once";

    windows->main->show();
    EXPECT_TRUE(windows->main->close());
    const IniFile ini = settingsFile();
    for (const char* key : {"ch_pcm", "ch_ogg", "ch_wma", "ch_adpcm", "ch_gsm", "ch_dsp", "ch_vox", "ch_raw", "ch_mp2",
                            "ch_g721", "ch_g723", "ch_g726", "ch_flac", "ch_alac", "ch_aac", "ch_opus"})
        EXPECT_EQ(ini.readString(QStringLiteral("general"), QString::fromLatin1(key), QStringLiteral("missing")),
                  QStringLiteral("0"))
            << key;
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("ch_mp3"), QString()), QStringLiteral("1"));
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("currentfolder"), QString()),
              QStringLiteral("sciddesktop"));
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("currentfilter"), QString()),
              QStringLiteral("0"));
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("savestate"), QStringLiteral("missing")),
              QStringLiteral("missing"));
}

TEST_F(SettingsTest, StoredStateIsRestoredAtTheNextStart) {
    QDir(dir.path()).mkpath(QStringLiteral("music"));
    writeSettings("[general]\nch_pcm=1\nch_mp3=0\nch_g726=5\ncurrentfolder=" + dir.filePath("music").toUtf8() +
                  "\ncurrentfilter=4\n[conversion]\ncheckitem=0\n[defaultfolder]\ndefaultfolder=/out\n");
    auto windows = start();
    MainControls form(*windows->main);
    EXPECT_TRUE(form.chpcm->isChecked());
    EXPECT_FALSE(form.chMP3->isChecked());
    EXPECT_TRUE(form.chG726->isChecked());
    // A file from before the lossless and modern formats lacks their keys: their boxes start unchecked.
    for (const char* box : {"chFLAC", "chALAC", "chAAC", "chOpus"})
        EXPECT_FALSE(windows->main->findChild<QCheckBox*>(QLatin1String(box))->isChecked()) << box;
    EXPECT_EQ(windows->main->browser().folder(), dir.filePath(QStringLiteral("music")));
    EXPECT_FALSE(windows->main->browser().showsDesktop());
    EXPECT_EQ(form.combo_filter->currentText(), QStringLiteral("*.ogg"));
    EXPECT_EQ(windows->main->browser().filter(), QStringLiteral("*.ogg"));
    EXPECT_FALSE(windows->context().settings.values().checkItem);
    EXPECT_EQ(form.outputFolderEdit->text(), QStringLiteral("/out"));

    windows->main->close();
    EXPECT_EQ(settingsFile().readString(QStringLiteral("general"), QStringLiteral("currentfolder"), QString()),
              dir.filePath(QStringLiteral("music")));
}

TEST_F(SettingsTest, FilterIndexOutsideTheListSelectsNothingAndShowsAllFiles) {
    writeSettings("[general]\ncurrentfilter=40\ncurrentfolder=/no/such/folder\n");
    auto windows = start();
    EXPECT_EQ(MainControls(*windows->main).combo_filter->currentIndex(), -1);
    EXPECT_TRUE(windows->main->browser().filter().isEmpty());
    EXPECT_TRUE(windows->main->browser().showsDesktop());
    windows->main->close();
    EXPECT_EQ(settingsFile().readInteger(QStringLiteral("general"), QStringLiteral("currentfilter"), 0), -1);
}

TEST_F(SettingsTest, SaveStateOffStopsSavingAndRestoringButKeepsTheFilter) {
    {
        auto windows = start();
        OptionsDialog& options = openOptions(*windows);
        child<QCheckBox>(options, "ch_savestate")->setChecked(false);
        child<QPushButton>(options, "okButton")->click();
        EXPECT_FALSE(options.isVisible());
        EXPECT_EQ(settingsFile().readString(QStringLiteral("general"), QStringLiteral("savestate"), QString()),
                  QStringLiteral("0"));
        MainControls form(*windows->main);
        form.chOGG->setChecked(true);
        form.combo_filter->setCurrentIndex(3);
        windows->main->close();
    }
    const IniFile ini = settingsFile();
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("ch_ogg"), QStringLiteral("missing")),
              QStringLiteral("missing"));
    EXPECT_EQ(ini.readString(QStringLiteral("general"), QStringLiteral("currentfolder"), QStringLiteral("missing")),
              QStringLiteral("missing"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("general"), QStringLiteral("currentfilter"), 0), 3);

    // Whatever is stored, nothing of it is applied while the state is not kept.
    IniFile(locations.settingsPath).writeBool(QStringLiteral("general"), QStringLiteral("ch_pcm"), true);
    auto windows = start();
    MainControls form(*windows->main);
    EXPECT_FALSE(form.chpcm->isChecked());
    EXPECT_FALSE(form.chMP3->isChecked());
    EXPECT_EQ(form.combo_filter->currentIndex(), -1);
    EXPECT_TRUE(windows->main->browser().showsDesktop());
}

TEST_F(SettingsTest, OptionsCancelStoresNothingAndTheNextShowRefills) {
    auto windows = start();
    OptionsDialog& options = openOptions(*windows);
    EXPECT_TRUE(child<QCheckBox>(options, "ch_checkitem")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(options, "ch_isopenfolder")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(options, "ch_copytag")->isChecked());
    child<QLineEdit>(options, "Edit_folder")->setText(QStringLiteral("/elsewhere"));
    child<QCheckBox>(options, "ch_checkitem")->setChecked(false);
    child<QCheckBox>(options, "ch_savestate")->setChecked(false);
    child<QPushButton>(options, "cancelButton")->click();
    EXPECT_FALSE(settingsFileExists());
    EXPECT_TRUE(windows->context().settings.values().checkItem);
    EXPECT_TRUE(windows->context().settings.values().saveState);

    openOptions(*windows);
    EXPECT_TRUE(child<QLineEdit>(options, "Edit_folder")->text().isEmpty());
    EXPECT_TRUE(child<QCheckBox>(options, "ch_checkitem")->isChecked());
    options.reject();
}

TEST_F(SettingsTest, NewDefaultFolderShowsFromTheNextStart) {
    {
        auto windows = start();
        MainControls(*windows->main).outputFolderEdit->setText(QStringLiteral("/typed"));
        OptionsDialog& options = openOptions(*windows);
        prompts.folderAnswers.push_back(QStringLiteral("/picked/folder"));
        child<QToolButton>(options, "chooseFolderButton")->click();
        EXPECT_EQ(prompts.shown.last(), QStringLiteral("folder|Select an default output folder"));
        EXPECT_EQ(child<QLineEdit>(options, "Edit_folder")->text(), QStringLiteral("/picked/folder"));
        child<QPushButton>(options, "okButton")->click();
        EXPECT_EQ(MainControls(*windows->main).outputFolderEdit->text(), QStringLiteral("/typed"));
        EXPECT_EQ(settingsFile().readString(QStringLiteral("defaultfolder"), QStringLiteral("defaultfolder"), {}),
                  QStringLiteral("/picked/folder"));
        EXPECT_EQ(settingsFile().readString(QStringLiteral("conversion"), QStringLiteral("copytag"), {}),
                  QStringLiteral("1"));
    }
    auto windows = start();
    EXPECT_EQ(MainControls(*windows->main).outputFolderEdit->text(), QStringLiteral("/picked/folder"));
}

TEST_F(SettingsTest, BatchOptionsAreStoredAndRestoredBesideTheOtherOptions) {
    {
        auto windows = start();
        OptionsDialog& options = openOptions(*windows);
        auto* jobs = child<QSpinBox>(options, "spin_jobs");
        auto* loudness = child<QCheckBox>(options, "ch_evenloudness");
        auto* exists = child<QComboBox>(options, "combo_exists");
        EXPECT_EQ(jobs->value(), 1);
        EXPECT_FALSE(loudness->isChecked());
        EXPECT_EQ(exists->currentData().toInt(), static_cast<int>(ExistingOutputPolicy::Replace));
        EXPECT_TRUE(windows->main->orderFromControls().runsOneAtATime());

        jobs->setValue(3);
        loudness->setChecked(true);
        exists->setCurrentIndex(exists->findData(static_cast<int>(ExistingOutputPolicy::Skip)));
        child<QPushButton>(options, "okButton")->click();
        EXPECT_EQ(windows->context().settings.values().batch, (BatchOptions{3, true, ExistingOutputPolicy::Skip}));
        EXPECT_FALSE(windows->main->orderFromControls().runsOneAtATime());
    }
    const IniFile ini = settingsFile();
    EXPECT_EQ(ini.readString(QStringLiteral("batch"), QStringLiteral("jobs"), {}), QStringLiteral("3"));
    EXPECT_EQ(ini.readString(QStringLiteral("batch"), QStringLiteral("evenloudness"), {}), QStringLiteral("1"));
    EXPECT_EQ(ini.readString(QStringLiteral("batch"), QStringLiteral("exists"), {}), QStringLiteral("skip"));
    EXPECT_EQ(ini.readString(QStringLiteral("conversion"), QStringLiteral("copytag"), {}), QStringLiteral("1"));

    auto windows = start();
    EXPECT_EQ(windows->context().settings.values().batch, (BatchOptions{3, true, ExistingOutputPolicy::Skip}));
    OptionsDialog& options = openOptions(*windows);
    EXPECT_EQ(child<QSpinBox>(options, "spin_jobs")->value(), 3);
    EXPECT_TRUE(child<QCheckBox>(options, "ch_evenloudness")->isChecked());
    EXPECT_EQ(child<QComboBox>(options, "combo_exists")->currentData().toInt(),
              static_cast<int>(ExistingOutputPolicy::Skip));
    options.reject();
}

TEST_F(SettingsTest, ReplayGainChoiceIsOffWhenMissingAndSurvivesARestart) {
    {
        auto windows = start();
        OptionsDialog& options = openOptions(*windows);
        auto* replayGain = child<QCheckBox>(options, "ch_replaygain");
        EXPECT_FALSE(replayGain->isChecked());
        EXPECT_EQ(replayGain->text(), QStringLiteral("Write ReplayGain tags"));
        replayGain->setChecked(true);
        child<QPushButton>(options, "okButton")->click();
        EXPECT_TRUE(windows->context().settings.values().batch.replayGain);
        EXPECT_FALSE(windows->main->orderFromControls().runsOneAtATime()) << "gains are measured before converting";
    }
    EXPECT_EQ(settingsFile().readString(QStringLiteral("batch"), QStringLiteral("replaygain"), {}),
              QStringLiteral("1"));
    auto windows = start();
    OptionsDialog& options = openOptions(*windows);
    EXPECT_TRUE(child<QCheckBox>(options, "ch_replaygain")->isChecked());
    options.reject();
}

TEST_F(SettingsTest, UnusableBatchValuesKeepTheDefaultsAndLeaveTheOtherKeysAlone) {
    const BatchOptions defaults;
    for (const QByteArray& batch : {QByteArray("jobs=0\nevenloudness=maybe\nexists=overwrite\n"),
                                    QByteArray("jobs=65\nexists=\n"), QByteArray("jobs=-2\n"), QByteArray()}) {
        writeSettings("[conversion]\ncopytag=0\n[batch]\n" + batch);
        auto windows = start();
        const Settings& values = windows->context().settings.values();
        EXPECT_EQ(values.batch, defaults) << batch.toStdString();
        EXPECT_FALSE(values.copyTag) << batch.toStdString();
    }
    writeSettings("[BATCH]\nJobs=2\nExists= New \n");
    auto windows = start();
    EXPECT_EQ(windows->context().settings.values().batch, (BatchOptions{2, false, ExistingOutputPolicy::New}));
}

TEST_F(SettingsTest, SoundTrackLanguagesAreTypedOrSetByAccessibilityAndChooseTheTrackOfEachBatch) {
    {
        auto windows = start();
        OptionsDialog& options = openOptions(*windows);
        QApplication::setActiveWindow(&options);
        auto* languages = child<QLineEdit>(options, "edit_soundlanguages");
        EXPECT_EQ(languages->accessibleName(), QStringLiteral("Sound track languages"));
        EXPECT_TRUE(languages->text().isEmpty());
        EXPECT_TRUE(windows->main->orderFromControls().soundTracks.isDefault());

        // The keyboard reaches the field from the control before it; a click puts the caret in it.
        auto* exists = child<QComboBox>(options, "combo_exists");
        exists->setFocus();
        QTest::keyClick(exists, Qt::Key_Tab);
        EXPECT_TRUE(languages->hasFocus());
        child<QSpinBox>(options, "spin_jobs")->setFocus();
        QTest::mouseClick(languages, Qt::LeftButton);
        EXPECT_TRUE(languages->hasFocus());
        QTest::keyClicks(languages, QStringLiteral("deu, 12"));
        QTest::keyClick(languages, Qt::Key_Return);
        EXPECT_TRUE(options.isVisible()) << "a code that is none stays to be put right";
        EXPECT_EQ(prompts.count(QStringLiteral("\"12\" is not a language code")), 1);

        languages->clear();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(languages);
        ASSERT_NE(accessible, nullptr);
        ASSERT_NE(accessible->editableTextInterface(), nullptr);
        accessible->editableTextInterface()->insertText(0, QStringLiteral("DEU eng"));
        EXPECT_EQ(languages->text(), QStringLiteral("DEU eng"));
        QTest::keyClick(languages, Qt::Key_Return);
        EXPECT_FALSE(options.isVisible());
        EXPECT_EQ(windows->context().settings.values().batch.soundTrackLanguages, QStringLiteral("deu,eng"));
        EXPECT_EQ(windows->main->orderFromControls().soundTracks,
                  SoundTrackRule::languages({QStringLiteral("deu"), QStringLiteral("eng")}));
    }
    EXPECT_EQ(settingsFile().readString(QStringLiteral("batch"), QStringLiteral("soundtracklanguages"), {}),
              QStringLiteral("deu,eng"));
    auto windows = start();
    OptionsDialog& options = openOptions(*windows);
    auto* languages = child<QLineEdit>(options, "edit_soundlanguages");
    EXPECT_EQ(languages->text(), QStringLiteral("deu,eng"));
    languages->clear();
    child<QPushButton>(options, "okButton")->click();
    EXPECT_TRUE(windows->main->orderFromControls().soundTracks.isDefault());
    EXPECT_TRUE(settingsFile().readString(QStringLiteral("batch"), QStringLiteral("soundtracklanguages"), {}).isEmpty())
        << "a cleared choice reaches the file";
}

TEST_F(SettingsTest, UnwritableSettingsAreReportedAndTheWindowStillCloses) {
    locations.settingsPath = QStringLiteral("/proc/tonalith-test/settings.ini");
    auto windows = start();
    windows->main->show();
    EXPECT_TRUE(windows->main->close());
    EXPECT_FALSE(windows->main->isVisible());
    EXPECT_EQ(prompts.count(QStringLiteral("Unable to write to /proc/tonalith-test/settings.ini")), 1);

    OptionsDialog& options = openOptions(*windows);
    child<QCheckBox>(options, "ch_isopenfolder")->setChecked(true);
    child<QPushButton>(options, "okButton")->click();
    EXPECT_FALSE(options.isVisible());
    EXPECT_TRUE(windows->context().settings.values().isOpenFolder) << "the choice holds for this run";
    EXPECT_EQ(prompts.count(QStringLiteral("Unable to write to")), 2);
}

using PlacementTest = ShellTest;

TEST_F(PlacementTest, FirstStartIsCentredAtDesignSize) {
    auto windows = start();
    MainWindow& main = *windows->main;
    main.show();
    EXPECT_EQ(main.size(), QSize(647, 559));
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((main.frameGeometry().center() - centre).manhattanLength(), 6);
    windows.reset();
    const IniFile ini = placementFile();
    EXPECT_EQ(ini.readString(QStringLiteral("main Position"), QStringLiteral("isdesigned"), {}), QStringLiteral("y"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("main Position"), QStringLiteral("WindowState"), -1), 0);
    EXPECT_EQ(ini.readInteger(QStringLiteral("main Position"), QStringLiteral("Width"), 0), 647);
}

TEST_F(PlacementTest, NormalCloseThenStartGivesTheSameRectangle) {
    QRect before;
    {
        auto windows = start();
        windows->main->show();
        windows->main->setGeometry(QRect(21, 34, 700, 600));
        before = windows->main->geometry();
        windows->main->close();
    }
    auto windows = start();
    windows->main->show();
    EXPECT_EQ(windows->main->geometry(), before);
    EXPECT_EQ(windows->main->size(), QSize(700, 600));
}

TEST_F(PlacementTest, MinimisedCloseStoresStateOneButTheNextStartIsNormal) {
    {
        auto windows = start();
        windows->main->show();
        windows->main->showMinimized();
        windows->main->close();
    }
    EXPECT_EQ(placementFile().readInteger(QStringLiteral("main Position"), QStringLiteral("WindowState"), -1), 1);
    auto windows = start();
    windows->main->show();
    EXPECT_FALSE(windows->main->isMinimized());
}

TEST_F(PlacementTest, MaximisedCloseStoresOnlyTheStateAndTheNextStartIsMaximised) {
    {
        auto windows = start();
        windows->main->show();
        windows->main->move(15, 25);
        windows->main->resize(720, 610);
    }
    const IniFile ini = placementFile();
    const QString section = QStringLiteral("main Position");
    const int left = ini.readInteger(section, QStringLiteral("Left"), -1);
    {
        auto windows = start();
        windows->main->showMaximized();
        ASSERT_TRUE(windows->main->isMaximized());
        windows->main->close();
    }
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("WindowState"), -1), 2);
    EXPECT_EQ(ini.readString(section, QStringLiteral("isdesigned"), {}), QStringLiteral("y"));
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Left"), -1), left) << "the normal rectangle stays";
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Width"), -1), 720);

    auto windows = start();
    EXPECT_TRUE(windows->main->windowState().testFlag(Qt::WindowMaximized));
    windows->main->show();
    EXPECT_TRUE(windows->main->isMaximized());
}

TEST_F(PlacementTest, ARectangleOffEveryScreenIsCentredInstead) {
    IniFile ini(locations.placementPath);
    const QString section = QStringLiteral("main Position");
    ini.writeString(section, QStringLiteral("isdesigned"), QStringLiteral("y"));
    ini.writeInteger(section, QStringLiteral("Left"), 5000);
    ini.writeInteger(section, QStringLiteral("Top"), 4000);
    ini.writeInteger(section, QStringLiteral("Width"), 700);
    ini.writeInteger(section, QStringLiteral("Height"), 600);
    auto windows = start();
    windows->main->show();
    EXPECT_EQ(windows->main->size(), QSize(700, 600));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(windows->main->geometry()));
}

} // namespace
