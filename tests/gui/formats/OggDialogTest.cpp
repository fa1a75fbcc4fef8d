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
        // The described size is the smallest; the dialog is fixed at what its content needs.
        QVERIFY(dialog.width() >= 375 && dialog.height() >= 243);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(form.frequencyCombo->currentText(), QStringLiteral("44100"));
        QCOMPARE(form.channelsCombo->currentText(), QStringLiteral("Stereo"));
        QCOMPARE(form.nominalBitrateLabel->text(), QStringLiteral("Current nominal bitrate: 128 kbit"));
        QCOMPARE(form.minBitrateLabel->text(), QStringLiteral("Current min bitrate: 128 kbit"));
        QCOMPARE(form.maxBitrateLabel->text(), QStringLiteral("Current max bitrate: 128 kbit"));
        QVERIFY(!form.vbrGroup->isEnabled());
        QVERIFY(!form.qualityGroup->isEnabled());
        QVERIFY(world.callsOf("writer.").isEmpty());
        QCOMPARE(controlsWithoutAccessibleName(dialog), QStringList());

        form.maxBitrateSlider->setValue(11);
        QCOMPARE(form.maxBitrateLabel->text(), QStringLiteral("Current max bitrate: 320 kbit"));
        form.nominalBitrateSlider->setValue(1);
        QCOMPARE(form.nominalBitrateLabel->text(), QStringLiteral("Current nominal bitrate: 48 kbit"));
    }

    void defaultsApplyTestsThenSetsTheNominalFormat() {
        FakeDialogWorld world;
        world.writer().setResult("testOggSetting", 1);
        world.writer().setResult("formatString", QStringLiteral("Ogg Vorbis 128"));
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &OggVorbisOptionsDialog::formatStringChanged);
        dialog.show();
        QTest::mouseClick(dialog.form().applyButton, Qt::LeftButton);
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
        form.frequencyCombo->setCurrentText(QStringLiteral("22050"));
        form.channelsCombo->setCurrentText(QStringLiteral("Mono"));
        QTest::mouseClick(form.vbrBox, Qt::LeftButton, {}, QPoint(6, form.vbrBox->height() / 2));
        form.minBitrateSlider->setValue(1);
        form.maxBitrateSlider->setValue(11);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(world.callsOf("writer.").mid(0, 2), QStringList({"writer.testOggSetting(22050,1,128,48,320)",
                                                                  "writer.setOggVorbis(22050,1,128,48,320,-1)"}));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void qualityModeIsNeverTested() {
        FakeDialogWorld world;
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        auto& form = dialog.form();
        QTest::mouseClick(form.qualityBox, Qt::LeftButton, {}, QPoint(6, form.qualityBox->height() / 2));
        form.qualitySlider->setValue(0);
        dialog.applySettings();
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.setOggVorbis(44100,2,0,0,0,0)"}));
    }

    void theTwoModesDisableEachOthersBox() {
        FakeDialogWorld world;
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        auto& form = dialog.form();
        QTest::mouseClick(form.vbrBox, Qt::LeftButton, {}, QPoint(6, form.vbrBox->height() / 2));
        QVERIFY(!form.qualityBox->isEnabled());
        QVERIFY(form.vbrGroup->isEnabled());
        QVERIFY(form.minBitrateSlider->isEnabled());
        QVERIFY(form.nominalBitrateSlider->isEnabled()); // the nominal bit rate stays in use
        QTest::mouseClick(form.vbrBox, Qt::LeftButton, {}, QPoint(6, form.vbrBox->height() / 2));
        QVERIFY(form.qualityBox->isEnabled());
        QVERIFY(!form.vbrGroup->isEnabled());

        QTest::mouseClick(form.qualityBox, Qt::LeftButton, {}, QPoint(6, form.qualityBox->height() / 2));
        QVERIFY(!form.vbrBox->isEnabled());
        QVERIFY(form.qualityGroup->isEnabled());
        QVERIFY(form.qualityBetterLabel->isEnabled());
        QVERIFY(!form.nominalBitrateSlider->isEnabled());
        QVERIFY(!form.nominalBitrateLabel->isEnabled());
        QTest::mouseClick(form.qualityBox, Qt::LeftButton, {}, QPoint(6, form.qualityBox->height() / 2));
        QVERIFY(form.vbrBox->isEnabled());
        QVERIFY(form.nominalBitrateSlider->isEnabled());
        QVERIFY(!form.qualityGroup->isEnabled());
    }

    // A refused setting is told once and changes neither the writer nor the string the options pane shows.
    void refusedSettingIsToldAndLeavesWriterAndStringAlone() {
        FakeDialogWorld world;
        world.writer().setResult("testOggSetting", 0);
        OggVorbisOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &OggVorbisOptionsDialog::formatStringChanged);
        dialog.show();
        QTest::mouseClick(dialog.form().applyButton, Qt::LeftButton);
        QCOMPARE(world.prompts.shown, QStringList({"|Incorrect format"}));
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.testOggSetting(44100,2,128,0,0)"}));
        QCOMPARE(shown.count(), 0);

        // The conversion's apply raises the same refusal, so the output can be skipped.
        try {
            dialog.applySettings();
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
        dialog.form().nominalBitrateSlider->setValue(8);
        QTest::mouseClick(dialog.form().cancelButton, Qt::LeftButton);
        QVERIFY(world.callsOf("writer.").isEmpty());
        dialog.applySettings();
        QCOMPARE(world.callsOf("writer.").last(), QStringLiteral("writer.setOggVorbis(44100,2,192,0,0,-1)"));
    }
};

QTEST_MAIN(OggDialogTest)
#include "OggDialogTest.moc"
