#include "ShellTestFixture.h"
#include "core/settings/ComponentStartup.h"
#include "gui/about/AboutBox.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"
#include "gui/options/OptionsDialog.h"
#include "gui/tags/TagEditorHelpWindow.h"
#include "gui/tags/TagEditorWindow.h"

#include <QApplication>

namespace {

using StartupTest = ShellTest;

TEST_F(StartupTest, FailedCreationRegistersThirteenLibrariesSilentlyAndRetriesOnce) {
    factory.failuresLeft = 1;
    auto windows = start();
    EXPECT_EQ(factory.creations, 2);
    const QStringList expected{"AudioFile2.dll", "AudioPlayer2.dll", "AudioTransform2.dll", "Information2.dll",
                               "WMAFile2.dll",   "wavdest.ax",       "AudioCompress2.dll",  "VideoCompress.dll",
                               "AVIFile.dll",    "MPEGFile.dll",     "WMVFile.dll",         "QuickTimeFile.dll",
                               "VideoFile.dll"};
    ASSERT_EQ(registration.parameters.size(), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(registration.parameters[i], QStringLiteral("/s \"%1%2\"").arg(locations.programFolder, expected[i]));
    // Registration runs between the two attempts, and the events are bound to the second set.
    const QStringList& log = *factory.log;
    EXPECT_EQ(log.indexOf(QStringLiteral("factory.create()")), 0);
    EXPECT_EQ(log.indexOf(QStringLiteral("factory.create()"), 1), 14);
    EXPECT_TRUE(factory.player->events().onEndPlay != nullptr);
    EXPECT_EQ(prompts.count(QStringLiteral("Initialize Error!")), 0);
}

TEST_F(StartupTest, SecondFailureTellsTheUserOnceAndEndsWithoutShowingTheMainWindow) {
    factory.failuresLeft = 2;
    const int status = runTonalith(*qApp, factory, registration, shell, prompts, locations);
    EXPECT_NE(status, 0);
    EXPECT_EQ(factory.creations, 2);
    EXPECT_EQ(registration.parameters.size(), 13);
    EXPECT_EQ(prompts.shown, QStringList{QStringLiteral("|Initialize Error! Please reinstall Tonalith!")});
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->objectName() == QLatin1String("main")) << "the main window outlived the failed start";
    EXPECT_FALSE(settingsFileExists());
    EXPECT_FALSE(QFileInfo::exists(locations.placementPath));
}

TEST_F(StartupTest, NoRepairWhenTheComponentsAreThere) {
    auto windows = start();
    EXPECT_EQ(factory.creations, 1);
    EXPECT_TRUE(registration.parameters.isEmpty());
}

TEST_F(StartupTest, FormatPanelIsFilledFromTheWriterInOrder) {
    factory.failuresLeft = 0;
    // The fakes are made inside create(); script them through a factory that prepares each new set.
    struct ScriptedFactory : FakeComponentSetFactory {
        std::unique_ptr<ComponentSet> create() override {
            auto set = FakeComponentSetFactory::create();
            writer->setResult(QStringLiteral("wmaProfileCount"), 3);
            writer->setResult(QStringLiteral("formatString"), QStringLiteral("described"));
            player->setResult(QStringLiteral("volume"), 40000);
            return set;
        }
    } scripted;
    RecordingRegistration unused(scripted.log);
    auto windows = std::make_unique<ApplicationWindows>(scripted, unused, shell, prompts, locations);
    MainControls form(*windows->main);

    QStringList writerCalls;
    for (const QString& call : *scripted.log) {
        if (call.startsWith(QLatin1String("writer.")) || call.startsWith(QLatin1String("reader.")))
            writerCalls.append(call);
    }
    const QStringList expected{"writer.setDescriptionDetail(-1)",
                               "writer.wmaProfileCount()",
                               "writer.setDescriptionDetail(-1)",
                               "writer.setWmaProfile(1)",
                               "writer.formatString()",
                               "writer.setDescriptionDetail(-1)",
                               "writer.setWmaProfile(2)",
                               "writer.formatString()",
                               "writer.setDescriptionDetail(-1)",
                               "writer.setWmaProfile(3)",
                               "writer.formatString()",
                               "reader.setDescriptionDetail(-1)",
                               "writer.setPcmWav(44100,2,16)",
                               "writer.formatString()",
                               "writer.setOggVorbis(44100,2,128,0,0,-1)",
                               "writer.formatString()",
                               "writer.setMp3(44100,128,2)",
                               "writer.formatString()",
                               "writer.setWmaProfile(28)",
                               "writer.setAdpcmWav(44100,2)",
                               "writer.formatString()",
                               "writer.setGsmWav(44100)",
                               "writer.formatString()",
                               "writer.setDspWav()",
                               "writer.formatString()",
                               "writer.setVox(44100)",
                               "writer.formatString()",
                               "writer.setRaw(3,44100,2,16)",
                               "writer.formatString()",
                               "writer.setMp2(44100,128,2)",
                               "writer.formatString()",
                               "writer.setG723(44100,5)",
                               "writer.formatString()",
                               "writer.setG726(44100,4)",
                               "writer.formatString()",
                               "writer.setFlac(5)",
                               "writer.formatString()",
                               "writer.setAlac()",
                               "writer.formatString()",
                               "writer.setAac(44100,2,160)",
                               "writer.formatString()",
                               "writer.setOpus(2,128,music)",
                               "writer.formatString()",
                               "reader.setDecoderThreads(2)"};
    EXPECT_EQ(writerCalls, expected);
    EXPECT_EQ(form.cmbWMAProfile->count(), 3);
    EXPECT_EQ(form.cmbWMAProfile->currentIndex(), 2);
    EXPECT_EQ(form.cmbG723Bits->currentText(), QStringLiteral("5 bit"));
    EXPECT_EQ(form.cmbG726Bits->currentText(), QStringLiteral("4 bit"));
    EXPECT_EQ(form.txtWAVFormatString->text(), QStringLiteral("described"));
    EXPECT_EQ(form.txtG726FormatString->text(), QStringLiteral("described"));
    EXPECT_EQ(form.volumeSlider->value(), 40000);
}

TEST_F(StartupTest, UnfinishedComponentsDoNotStopTheStart) {
    struct Unfinished : FakeComponentSetFactory {
        std::unique_ptr<ComponentSet> create() override {
            auto set = FakeComponentSetFactory::create();
            writer->setFailure(QStringLiteral("setPcmWav"), QStringLiteral("not implemented"));
            writer->setResult(QStringLiteral("formatString"), QStringLiteral("ogg text"));
            player->setFailure(QStringLiteral("setEvents"), QStringLiteral("not implemented"));
            return set;
        }
    } unfinished;
    RecordingRegistration unused(unfinished.log);
    auto windows = std::make_unique<ApplicationWindows>(unfinished, unused, shell, prompts, locations);
    EXPECT_TRUE(MainControls(*windows->main).txtWAVFormatString->text().isEmpty());
    EXPECT_EQ(MainControls(*windows->main).txtOGGFormatString->text(), QStringLiteral("ogg text"));
    EXPECT_TRUE(MainControls(*windows->main).chMP3->isChecked()) << "settings were read after the failing steps";
    EXPECT_EQ(unfinished.creations, 1);
}

TEST_F(StartupTest, MissingDragPictureIsReportedAndTheStartGoesOn) {
    QFile::remove(locations.programFolder + QStringLiteral("drag.bmp"));
    auto windows = start();
    EXPECT_EQ(prompts.count(QStringLiteral("drag.bmp")), 1);
    EXPECT_TRUE(windows->main->conversionList().dragPicture().isNull());
    EXPECT_TRUE(MainControls(*windows->main).chMP3->isChecked());
}

TEST_F(StartupTest, WindowsExistWithTheirCaptions) {
    auto windows = start();
    EXPECT_EQ(windows->main->windowTitle(), QStringLiteral("Tonalith"));
    EXPECT_EQ(windows->options->windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(windows->about->windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(windows->tagEditor->windowTitle(), QStringLiteral("Audio File Info Editor"));
    EXPECT_EQ(windows->mp3Options->windowTitle(), QStringLiteral("Set MP3 Format"));
    MainControls form(*windows->main);
    const QStringList captions{form.chpcm->text(),   form.chMP3->text(), form.chOGG->text(),  form.chWMA->text(),
                               form.chADPCM->text(), form.chGSM->text(), form.chDSP->text(),  form.chVOX->text(),
                               form.chraw->text(),   form.chMP2->text(), form.chG721->text(), form.chG723->text(),
                               form.chG726->text()};
    EXPECT_EQ(captions, (QStringList{"PCM (Standard WAV)", "MP3", "OGG ", "WMA", "ADPCM (Compressed WAV )",
                                     "GSM (WAV) ", "DSP (WAV) ", "VOX ", "RAW ", "MP2 ", "G.721", "G.723 ", "G.726 "}));
    EXPECT_EQ(form.addFilesAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_EQ(form.removeFileAction->shortcut(), QKeySequence(QKeySequence::Delete));
    EXPECT_EQ(form.optionsAction->text(), QStringLiteral("Options"));
    EXPECT_EQ(form.combo_filter->count(), 21);
}

} // namespace
