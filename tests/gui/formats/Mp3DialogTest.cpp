#include "DialogTestSupport.h"
#include "core/components/lame/LameEncComponent.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "ui_Mp3OptionsDialog.h"

#include <QButtonGroup>
#include <QSignalSpy>

namespace {

QString setCall(Mp3Setting which, int value) {
    return QStringLiteral("mp3Encoder.setSetting(%1,%2)").arg(static_cast<int>(which)).arg(value);
}

QStringList settingWrites(const FakeDialogWorld& world) {
    return world.callsOf(QStringLiteral("mp3Encoder.setSetting"));
}

bool wrote(const FakeDialogWorld& world, Mp3Setting which) {
    const QString prefix = QStringLiteral("mp3Encoder.setSetting(%1,").arg(static_cast<int>(which));
    const QStringList writes = settingWrites(world);
    return std::any_of(writes.cbegin(), writes.cend(), [&](const QString& call) { return call.startsWith(prefix); });
}

} // namespace

class Mp3DialogTest : public QObject {
    Q_OBJECT

private slots:
    void framePagesAndListsAsDesignedAndLoadedFromTheEncoder() {
        FakeDialogWorld world;
        world.components->mp3Encoder.connect(std::make_unique<LameEncComponent>());
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        const auto& form = dialog.form();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set MP3 Format"));
        // The described size is the smallest; the dialog is fixed at what its content needs.
        QVERIFY(dialog.width() >= 369 && dialog.height() >= 249);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QStringList pages;
        for (int page = 0; page < form.pages->count(); ++page)
            pages.append(form.pages->tabText(page));
        QCOMPARE(pages, QStringList({"General", "Filtering", "VBR", "Expert", "Presets", "Command Line"}));
        QCOMPARE(dialog.presetButtons().buttons().size(), 11);
        QCOMPARE(dialog.altPresetButtons().button(3)->text(), QStringLiteral("Extrene"));
        QVERIFY(!form.presetGroup->isEnabled());
        QVERIFY(!form.altPresetGroup->isEnabled());
        QVERIFY(form.commandLineEdit->toPlainText().isEmpty());
        // The encoder starts at 128 kbit/s, 44100 Hz.
        QCOMPARE(form.bitrateSlider->value(), 9);
        QCOMPARE(form.sampleRateCombo->currentText(), QStringLiteral("44100"));
        QVERIFY(form.maxVbrBitrateLabel->text().startsWith(QStringLiteral("Current bitrate: ")));
        QCOMPARE(controlsWithoutAccessibleName(dialog), QStringList());
        QVERIFY(world.callsOf("writer.").isEmpty());
    }

    void commandLinePageWithEmptyMemoWritesAnEmptyCommandLineAndNoSingleSetting() {
        FakeDialogWorld world;
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        dialog.form().pages->setCurrentIndex(5);
        world.factory.log->clear();
        dialog.applySettings();
        QCOMPARE(world.callsOf("mp3Encoder.applyCommandLine"), QStringList({"mp3Encoder.applyCommandLine()"}));
        QVERIFY(settingWrites(world).isEmpty());
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.useMp3EncoderSettings(LameEnc)"}));
    }

    void presetCdWritesPresetNineAndShowsWhatTheEncoderReports() {
        FakeDialogWorld recorded;
        Mp3OptionsDialog fakeDialog(*recorded.components, recorded.prompts);
        QTest::mouseClick(fakeDialog.form().presetBox, Qt::LeftButton);
        fakeDialog.presetButtons().button(8)->setChecked(true);
        recorded.factory.log->clear();
        fakeDialog.applySettings();
        QCOMPARE(recorded.callsOf("mp3Encoder.apply"), QStringList({"mp3Encoder.applyPreset(9)"}));
        QVERIFY(settingWrites(recorded).isEmpty());

        FakeDialogWorld world;
        world.components->mp3Encoder.connect(std::make_unique<LameEncComponent>());
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        QTest::mouseClick(dialog.form().presetBox, Qt::LeftButton);
        QVERIFY(dialog.form().presetGroup->isEnabled());
        QVERIFY(!dialog.form().altPresetBox->isEnabled());
        QCOMPARE(dialog.presetButtons().button(8)->text(), QStringLiteral("CD"));
        dialog.presetButtons().button(8)->setChecked(true);
        dialog.form().bitrateSlider->setValue(0);
        dialog.applySettings();
        const auto& encoder = *world.components->mp3Encoder;
        QCOMPARE(dialog.form().bitrateSlider->value(), mp3PositionOf(encoder.setting(Mp3Setting::Bitrate)));
        QCOMPARE(dialog.form().vbrModeCombo->currentIndex(), encoder.setting(Mp3Setting::VbrMode) + 1);
        QCOMPARE(dialog.form().qualitySlider->value(), encoder.setting(Mp3Setting::Quality));
        QCOMPARE(dialog.form().maxVbrBitrateLabel->text(),
                 QStringLiteral("Current bitrate: %1 kbit").arg(encoder.setting(Mp3Setting::MaxVbrBitrate)));
        // The preset stays chosen: loading does not touch the preset controls.
        QVERIFY(dialog.form().presetBox->isChecked());
        QCOMPARE(dialog.presetButtons().checkedId(), 8);
    }

    void altPresetExcludesThePresetBox() {
        FakeDialogWorld world;
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        auto& form = dialog.form();
        QTest::mouseClick(form.altPresetBox, Qt::LeftButton);
        QVERIFY(form.altPresetGroup->isEnabled());
        QVERIFY(!form.presetBox->isEnabled());
        dialog.altPresetButtons().button(1)->setChecked(true);
        world.factory.log->clear();
        dialog.applySettings();
        QCOMPARE(world.callsOf("mp3Encoder.apply"), QStringList({"mp3Encoder.applyAlternativePreset(2)"}));
        QTest::mouseClick(form.altPresetBox, Qt::LeftButton);
        QVERIFY(form.presetBox->isEnabled());
        QVERIFY(!form.altPresetGroup->isEnabled());
    }

    void codingMethodNoneWritesModeMinusOneAndStillWritesTheDisabledVbrControls() {
        FakeDialogWorld world;
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        auto& form = dialog.form();
        form.vbrModeCombo->setCurrentIndex(3);
        dialog.vbrModeChosen();
        QVERIFY(form.vbrQualitySpin->isEnabled());
        QVERIFY(!form.abrBitrateSpin->isEnabled());
        form.vbrQualitySpin->setValue(4);
        form.vbrModeCombo->setCurrentIndex(5);
        dialog.vbrModeChosen();
        QVERIFY(!form.vbrQualitySpin->isEnabled());
        QVERIFY(form.abrBitrateSpin->isEnabled());
        form.vbrModeCombo->setCurrentIndex(0);
        dialog.vbrModeChosen();
        for (QWidget* control :
             {static_cast<QWidget*>(form.vbrQualitySpin), static_cast<QWidget*>(form.vbrQualityLabel),
              static_cast<QWidget*>(form.abrBitrateSpin), static_cast<QWidget*>(form.maxVbrGroup),
              static_cast<QWidget*>(form.advancedVbrGroup), static_cast<QWidget*>(form.maxVbrSlider),
              static_cast<QWidget*>(form.vbrHeaderBox), static_cast<QWidget*>(form.maxVbrBitrateLabel)})
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        world.factory.log->clear();
        dialog.applySettings();
        const QStringList writes = settingWrites(world);
        QVERIFY(writes.contains(setCall(Mp3Setting::VbrMode, -1)));
        QVERIFY(writes.contains(setCall(Mp3Setting::VbrQuality, 4)));
        QVERIFY(wrote(world, Mp3Setting::MaxVbrBitrate));
        QVERIFY(wrote(world, Mp3Setting::AbrBitrate));
        QVERIFY(wrote(world, Mp3Setting::VbrHeader));
    }

    void monoWritesOneChannelAndLeavesTheModeJointStereoWritesBoth() {
        FakeDialogWorld world;
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        dialog.form().channelModeCombo->setCurrentText(QStringLiteral("Mono"));
        world.factory.log->clear();
        dialog.applySettings();
        QVERIFY(settingWrites(world).contains(setCall(Mp3Setting::Channels, 1)));
        QVERIFY(!wrote(world, Mp3Setting::ChannelMode));

        dialog.form().channelModeCombo->setCurrentText(QStringLiteral("Joint Stereo"));
        world.factory.log->clear();
        dialog.applySettings();
        QVERIFY(settingWrites(world).contains(setCall(Mp3Setting::Channels, 2)));
        QVERIFY(settingWrites(world).contains(setCall(Mp3Setting::ChannelMode, 2)));
    }

    void filterBoxOffWritesMinusOneButStillTheWidth() {
        FakeDialogWorld world;
        world.encoder().setSetting(Mp3Setting::HighpassFrequency, -1);
        world.encoder().setSetting(Mp3Setting::LowpassFrequency, -1);
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        auto& form = dialog.form();
        QVERIFY(!form.highpassBox->isChecked());
        QVERIFY(!form.highpassFrequencySpin->isEnabled());
        form.highpassWidthSpin->setValue(77);
        world.factory.log->clear();
        dialog.applySettings();
        QCOMPARE(settingWrites(world).count(setCall(Mp3Setting::HighpassFrequency, -1)), 2);
        QVERIFY(settingWrites(world).contains(setCall(Mp3Setting::HighpassWidth, 77)));

        QTest::mouseClick(form.lowpassBox, Qt::LeftButton);
        QVERIFY(form.lowpassFrequencySpin->isEnabled());
        QVERIFY(form.lowpassWidthSpin->isEnabled());
        QVERIFY(form.lowpassWidthLabel->isEnabled());
        world.factory.log->clear();
        dialog.applySettings();
        QCOMPARE(settingWrites(world).count(setCall(Mp3Setting::LowpassFrequency, form.lowpassFrequencySpin->value())),
                 2);
    }

    void bitRateOffTheScaleReadsBackAtPositionNineAndIsWrittenAs128() {
        FakeDialogWorld world;
        world.encoder().setSetting(Mp3Setting::Bitrate, 40);
        world.encoder().setSetting(Mp3Setting::MaxVbrBitrate, 80);
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        QCOMPARE(dialog.form().bitrateSlider->value(), 9);
        QCOMPARE(dialog.form().maxVbrSlider->value(), 9);
        QCOMPARE(dialog.form().maxVbrBitrateLabel->text(), QStringLiteral("Current bitrate: 80 kbit"));
        world.factory.log->clear();
        dialog.applySettings();
        QVERIFY(settingWrites(world).contains(setCall(Mp3Setting::Bitrate, 128)));
        dialog.form().maxVbrSlider->setValue(11);
        QCOMPARE(dialog.form().maxVbrBitrateLabel->text(), QStringLiteral("Current bitrate: 192 kbit"));
    }

    void singleSettingsGoInTheirFixedOrderThenToTheWriter() {
        FakeDialogWorld world;
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        world.factory.log->clear();
        dialog.applySettings();
        QStringList order;
        for (const QString& call : settingWrites(world))
            order.append(call.section(QLatin1Char('('), 1).section(QLatin1Char(','), 0, 0));
        using S = Mp3Setting;
        QStringList expected;
        for (const S which : {S::VbrHeader,
                              S::EnforceMinBitrate,
                              S::Crc,
                              S::DifferentBlockTypes,
                              S::BitReservoir,
                              S::ShortBlocks,
                              S::StrictIso,
                              S::HighpassFrequency,
                              S::LowpassFrequency,
                              S::VbrMode,
                              S::AthMode,
                              S::Channels,
                              S::ChannelMode,
                              S::DeEmphasis,
                              S::Quality,
                              S::Bitrate,
                              S::MaxVbrBitrate,
                              S::AbrBitrate,
                              S::HighpassFrequency,
                              S::HighpassWidth,
                              S::LowpassFrequency,
                              S::LowpassWidth,
                              S::VbrQuality,
                              S::OutputSampleRate})
            expected.append(QString::number(static_cast<int>(which)));
        // The fake encoder starts at channel mode 0, which shows as "Mono": no channel mode is written then.
        expected.removeAt(expected.indexOf(QString::number(static_cast<int>(S::ChannelMode))));
        QCOMPARE(order, expected);
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.useMp3EncoderSettings(LameEnc)"}));
    }

    void applyShowsTheWritersDescriptionCancelChangesNothing() {
        FakeDialogWorld world;
        world.writer().setResult("formatString", QStringLiteral("MP3 192 kbit/s"));
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        QSignalSpy shown(&dialog, &Mp3OptionsDialog::formatStringChanged);
        dialog.show();
        dialog.form().bitrateSlider->setValue(11);
        world.factory.log->clear();
        QTest::mouseClick(dialog.form().cancelButton, Qt::LeftButton);
        QVERIFY(world.factory.log->isEmpty());
        QCOMPARE(shown.count(), 0);
        dialog.show();
        QTest::mouseClick(dialog.form().okButton, Qt::LeftButton);
        QVERIFY(settingWrites(world).contains(setCall(Mp3Setting::Bitrate, 192)));
        QCOMPARE(shown.at(0).at(0).toString(), QStringLiteral("MP3 192 kbit/s"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void anEncoderRefusalIsReportedAndTheDialogStaysOpen() {
        FakeDialogWorld world;
        world.encoder().setFailure("applyCommandLine", QStringLiteral("unknown switch --bogus"));
        Mp3OptionsDialog dialog(*world.components, world.prompts);
        dialog.show();
        dialog.form().pages->setCurrentIndex(5);
        dialog.form().commandLineEdit->setPlainText(QStringLiteral("--bogus"));
        QTest::mouseClick(dialog.form().okButton, Qt::LeftButton);
        QCOMPARE(world.prompts.count(QStringLiteral("unknown switch --bogus")), 1);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(Mp3DialogTest)
#include "Mp3DialogTest.moc"
