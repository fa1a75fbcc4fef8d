#include "DialogTestSupport.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "ui_OggVorbisOptionsDialog.h"

#include <QSignalSpy>

class OggDialogTest : public QObject {
    Q_OBJECT

private slots:
    void startsLikeTheMainWindowsOggStringWithTheLabelsFilled() {
        FakeDialogWorld world;
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        const auto& form = dialog.form();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set OGG Format"));
        QCOMPARE(dialog.size(), QSize(375, 243));
        QCOMPARE(form.cmbFrequency->currentText(), QStringLiteral("44100"));
        QCOMPARE(form.cmbChMode->currentText(), QStringLiteral("Stereo"));
        QCOMPARE(form.lblBitrate->text(), QStringLiteral("Current nominal bitrate: 128 kbit"));
        QCOMPARE(form.lblMinBitrate->text(), QStringLiteral("Current min bitrate: 128 kbit"));
        QCOMPARE(form.lblMaxBitrate->text(), QStringLiteral("Current max bitrate: 128 kbit"));
        QVERIFY(!form.gbVbr->isEnabled());
        QVERIFY(!form.gbQuality->isEnabled());
        QVERIFY(world.callsOf("writer.").isEmpty());
        QCOMPARE(controlsWithoutAccessibleName(dialog), QStringList());

        form.sldrMaxBitrate->setValue(11);
        QCOMPARE(form.lblMaxBitrate->text(), QStringLiteral("Current max bitrate: 320 kbit"));
        form.sldrBitrate->setValue(1);
        QCOMPARE(form.lblBitrate->text(), QStringLiteral("Current nominal bitrate: 48 kbit"));
    }

    void defaultsApplyTestsThenSetsTheNominalFormat() {
        FakeDialogWorld world;
        world.writer().setResult("testOggSetting", 1);
        world.writer().setResult("formatString", QStringLiteral("Ogg Vorbis 128"));
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &OggVorbisOptionsDialog::formatStringChanged);
        dialog.show();
        QTest::mouseClick(dialog.form().Button1, Qt::LeftButton);
        QCOMPARE(world.callsOf("writer."),
                 QStringList({"writer.testOggSetting(44100,2,128,0,0)", "writer.setOggVorbis(44100,2,128,0,0,-1)",
                              "writer.formatString()"}));
        QCOMPARE(shown.at(0).at(0).toString(), QStringLiteral("Ogg Vorbis 128"));
        QVERIFY(dialog.isVisible());
    }

    void vbrWithMinimumAndMaximumIsTestedAndSet() {
        FakeDialogWorld world;
        world.writer().setResult("testOggSetting", 1);
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        auto& form = dialog.form();
        form.cmbFrequency->setCurrentText(QStringLiteral("22050"));
        form.cmbChMode->setCurrentText(QStringLiteral("Mono"));
        QTest::mouseClick(form.VbrEnabled, Qt::LeftButton);
        form.sldrMinBitrate->setValue(1);
        form.sldrMaxBitrate->setValue(11);
        QTest::mouseClick(form.Button3, Qt::LeftButton);
        QCOMPARE(world.callsOf("writer.").mid(0, 2), QStringList({"writer.testOggSetting(22050,1,128,48,320)",
                                                                  "writer.setOggVorbis(22050,1,128,48,320,-1)"}));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void qualityModeIsNeverTested() {
        FakeDialogWorld world;
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        auto& form = dialog.form();
        QTest::mouseClick(form.QualityEnabled, Qt::LeftButton);
        form.tbQuality->setValue(0);
        dialog.ApplySettings();
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.setOggVorbis(44100,2,0,0,0,0)"}));
    }

    void theTwoModesDisableEachOthersBox() {
        FakeDialogWorld world;
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        auto& form = dialog.form();
        QTest::mouseClick(form.VbrEnabled, Qt::LeftButton);
        QVERIFY(!form.QualityEnabled->isEnabled());
        QVERIFY(form.gbVbr->isEnabled());
        QVERIFY(form.sldrMinBitrate->isEnabled());
        QVERIFY(form.sldrBitrate->isEnabled()); // the nominal bit rate stays in use
        QTest::mouseClick(form.VbrEnabled, Qt::LeftButton);
        QVERIFY(form.QualityEnabled->isEnabled());
        QVERIFY(!form.gbVbr->isEnabled());

        QTest::mouseClick(form.QualityEnabled, Qt::LeftButton);
        QVERIFY(!form.VbrEnabled->isEnabled());
        QVERIFY(form.gbQuality->isEnabled());
        QVERIFY(form.Label1->isEnabled());
        QVERIFY(!form.sldrBitrate->isEnabled());
        QVERIFY(!form.lblBitrate->isEnabled());
        QTest::mouseClick(form.QualityEnabled, Qt::LeftButton);
        QVERIFY(form.VbrEnabled->isEnabled());
        QVERIFY(form.sldrBitrate->isEnabled());
        QVERIFY(!form.gbQuality->isEnabled());
    }

    // A refused setting is told once and changes neither the writer nor the string the options pane shows.
    void refusedSettingIsToldAndLeavesWriterAndStringAlone() {
        FakeDialogWorld world;
        world.writer().setResult("testOggSetting", 0);
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &OggVorbisOptionsDialog::formatStringChanged);
        dialog.show();
        QTest::mouseClick(dialog.form().Button1, Qt::LeftButton);
        QCOMPARE(world.prompts.shown, QStringList({"|Incorrect format"}));
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.testOggSetting(44100,2,128,0,0)"}));
        QCOMPARE(shown.count(), 0);

        // The conversion's apply raises the same refusal, so the output can be skipped.
        try {
            dialog.ApplySettings();
            QFAIL("a refused setting was applied");
        } catch (const ComponentError& error) {
            QCOMPARE(error.message(), QStringLiteral("Incorrect format"));
        }
        QCOMPARE(world.prompts.shown.size(), 1);
    }

    void cancelAppliesNothingButTheNextConversionUsesTheControls() {
        FakeDialogWorld world;
        world.writer().setResult("testOggSetting", 1);
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        dialog.form().sldrBitrate->setValue(8);
        QTest::mouseClick(dialog.form().Button2, Qt::LeftButton);
        QVERIFY(world.callsOf("writer.").isEmpty());
        dialog.ApplySettings();
        QCOMPARE(world.callsOf("writer.").last(), QStringLiteral("writer.setOggVorbis(44100,2,192,0,0,-1)"));
    }
};

QTEST_MAIN(OggDialogTest)
#include "OggDialogTest.moc"
