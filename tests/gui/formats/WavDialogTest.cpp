#include "DialogTestSupport.h"
#include "gui/formats/WavOptionsDialog.h"
#include "ui_WavOptionsDialog.h"

#include <QSignalSpy>

class WavDialogTest : public QObject {
    Q_OBJECT

private slots:
    void startsAt44100StereoSixteenBitsWithNothingApplied() {
        FakeDialogWorld world;
        WavOptionsDialog dialog(*world.components, world.prompts);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set WAV Format"));
        // The described size is the smallest; the dialog is fixed at what its content needs.
        QVERIFY(dialog.width() >= 391 && dialog.height() >= 135);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.form().frequencyCombo->count(), 8);
        QCOMPARE(dialog.form().frequencyCombo->currentText(), QStringLiteral("44100"));
        QCOMPARE(dialog.form().channelsCombo->currentText(), QStringLiteral("Stereo"));
        QCOMPARE(dialog.form().bitsCombo->currentText(), QStringLiteral("16"));
        QVERIFY(world.callsOf("writer.").isEmpty());
        QCOMPARE(controlsWithoutAccessibleName(dialog), QStringList());
    }

    void monoEightBitsApplyReachesTheWriterAndTheString() {
        FakeDialogWorld world;
        world.writer().setResult("formatString", QStringLiteral("PCM 44100 Hz mono 8 bit"));
        WavOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &WavOptionsDialog::formatStringChanged);
        dialog.form().channelsCombo->setCurrentText(QStringLiteral("Mono"));
        dialog.form().bitsCombo->setCurrentText(QStringLiteral("8"));
        dialog.show();
        QTest::mouseClick(dialog.form().applyButton, Qt::LeftButton);
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.setPcmWav(44100,1,8)", "writer.formatString()"}));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toString(), QStringLiteral("PCM 44100 Hz mono 8 bit"));
        QVERIFY(dialog.isVisible());

        world.factory.log->clear();
        QTest::mouseClick(dialog.form().okButton, Qt::LeftButton);
        QCOMPARE(world.callsOf("writer.").first(), QStringLiteral("writer.setPcmWav(44100,1,8)"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    // "Keep" writes the source's channels; the choice goes out and comes back as it was.
    void keepChoosesTheSourcesChannels() {
        FakeDialogWorld world;
        WavOptionsDialog dialog(*world.components, world.prompts);
        QCOMPARE(dialog.form().channelsCombo->count(), 3);
        dialog.form().channelsCombo->setCurrentText(QStringLiteral("Keep"));
        QVERIFY(dialog.choice().keepChannels);
        PcmWavChoice mono;
        mono.channels = 1;
        dialog.setChoice(mono);
        QCOMPARE(dialog.form().channelsCombo->currentText(), QStringLiteral("Mono"));
        PcmWavChoice kept;
        kept.keepChannels = true;
        dialog.setChoice(kept);
        QVERIFY(dialog.choice() == kept);
    }

    void cancelAppliesNothingAndKeepsTheChangedLists() {
        FakeDialogWorld world;
        WavOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &WavOptionsDialog::formatStringChanged);
        dialog.show();
        dialog.form().frequencyCombo->setCurrentText(QStringLiteral("8000"));
        QTest::mouseClick(dialog.form().cancelButton, Qt::LeftButton);
        QVERIFY(world.callsOf("writer.").isEmpty());
        QCOMPARE(shown.count(), 0);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.applyFormat(); // the next conversion
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.setPcmWav(8000,2,16)"}));
    }

    void sampleFormatShowsInTheStringButTheListsStillDecideTheOutput() {
        FakeDialogWorld world;
        world.writer().setResult("formatString", QStringLiteral("like the sample"));
        world.prompts.fileAnswers.push_back({QStringLiteral("/music/a sample.wav")});
        WavOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &WavOptionsDialog::formatStringChanged);
        dialog.show();
        QTest::mouseClick(dialog.form().sampleFileButton, Qt::LeftButton);
        QCOMPARE(world.prompts.shown, QStringList({"files|Set Format Like Sample"}));
        QCOMPARE(world.callsOf("writer."),
                 QStringList({"writer.setFormatFromSampleWav(/music/a sample.wav)", "writer.formatString()"}));
        QCOMPARE(shown.at(0).at(0).toString(), QStringLiteral("like the sample"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        world.factory.log->clear();
        dialog.applyFormat();
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.setPcmWav(44100,2,16)"}));
    }

    void cancelledSampleChoiceChangesNothing() {
        FakeDialogWorld world;
        WavOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &WavOptionsDialog::formatStringChanged);
        dialog.show();
        QTest::mouseClick(dialog.form().sampleFileButton, Qt::LeftButton);
        QVERIFY(world.callsOf("writer.").isEmpty());
        QCOMPARE(shown.count(), 0);
        QVERIFY(dialog.isVisible());
    }

    void unreadableSampleIsReportedAndTheDialogStaysOpen() {
        FakeDialogWorld world;
        world.writer().setFailure("setFormatFromSampleWav", QStringLiteral("The sample is not a WAV file."));
        world.prompts.fileAnswers.push_back({QStringLiteral("/music/broken.wav")});
        WavOptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &WavOptionsDialog::formatStringChanged);
        dialog.show();
        QTest::mouseClick(dialog.form().sampleFileButton, Qt::LeftButton);
        QCOMPARE(world.prompts.count(QStringLiteral("The sample is not a WAV file.")), 1);
        QCOMPARE(shown.count(), 0);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(WavDialogTest)
#include "WavDialogTest.moc"
