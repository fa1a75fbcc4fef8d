#include "DialogTestSupport.h"
#include "gui/common/Accessibility.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"
#include "ui_FormatOptionsPane.h"
#include "ui_WavOptionsDialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

// A writer whose description of a format is the call that set it, so each string shows what it was built from.
class DescribingWriter : public FakeAudioFile2 {
public:
    using FakeAudioFile2::FakeAudioFile2;
    QString formatString() override {
        const QString described = calls().isEmpty() ? QString() : calls().last();
        FakeAudioFile2::formatString();
        return described.section(QLatin1Char('.'), 1);
    }
};

struct PanelWorld : FakeDialogWorld {
    DescribingWriter* describing = nullptr;
    FormatOptionsPane pane;
    explicit PanelWorld(int wmaProfiles = 28) : pane(*components, prompts) {
        auto writer = std::make_unique<DescribingWriter>(QStringLiteral("writer"), factory.log);
        describing = writer.get();
        describing->setResult(QStringLiteral("wmaProfileCount"), wmaProfiles);
        components->writer.connect(std::move(writer));
        pane.fillFromWriter();
        factory.log->clear();
    }
    Ui::FormatOptionsPane& form() { return pane.form(); }
    QStringList otherStrings() {
        return {form().txtADPCMFormatString->text(), form().txtGSMFormatString->text(),
                form().txtDSPFormatString->text(),   form().txtVOXFormatString->text(),
                form().txtRAWFormatString->text(),   form().txtMP2FormatString->text(),
                form().txtG723FormatString->text(),  form().txtG726FormatString->text()};
    }
    QStringList commonStrings() {
        return {form().txtWAVFormatString->text(), form().txtMP3FormatString->text(),
                form().txtOGGFormatString->text()};
    }
};

} // namespace

class FormatPanelTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheWritersDescriptionsAndTheDefaultValues() {
        PanelWorld world;
        QCOMPARE(world.commonStrings(),
                 QStringList({"setPcmWav(44100,2,16)", "setMp3(44100,128,2)", "setOggVorbis(44100,2,128,0,0,-1)"}));
        QCOMPARE(world.otherStrings(),
                 QStringList({"setAdpcmWav(44100,2)", "setGsmWav(44100)", "setDspWav()", "setVox(44100)",
                              "setRaw(3,44100,2,16)", "setMp2(44100,128,2)", "setG723(44100,5)", "setG726(44100,4)"}));
        QCOMPARE(world.pane.panelValues(), PanelValues{});
        QCOMPARE(world.pane.volumeChange(), std::optional<int>());
        QVERIFY(!world.form().volumePercentSpin->isEnabled());
        QCOMPARE(controlsWithoutAccessibleName(world.pane), QStringList());
    }

    void wmaListHasOneEntryPerProfileWithTheLastSelected() {
        PanelWorld world;
        QCOMPARE(world.form().cmbWMAProfile->count(), 28);
        QCOMPARE(world.form().cmbWMAProfile->currentIndex(), 27);
        QCOMPARE(world.form().cmbWMAProfile->itemText(0), QStringLiteral("setWmaProfile(1)"));
        QCOMPARE(world.pane.panelValues().wmaProfile, 28);
        world.form().cmbWMAProfile->setCurrentIndex(0);
        emit world.form().cmbWMAProfile->activated(0);
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.setWmaProfile(1)"}));
        QCOMPARE(world.pane.panelValues().wmaProfile, 1);

        PanelWorld none(0);
        QCOMPARE(none.form().cmbWMAProfile->count(), 0);
        QCOMPARE(none.form().cmbWMAProfile->currentIndex(), -1);
    }

    void rateRewritesTheEightOtherStringsOnly() {
        PanelWorld world;
        const QStringList common = world.commonStrings();
        world.form().frequencyGroup_1->click();
        QCOMPARE(world.pane.panelValues().sampleRate, 11025);
        QCOMPARE(world.otherStrings(),
                 QStringList({"setAdpcmWav(11025,2)", "setGsmWav(11025)", "setDspWav()", "setVox(11025)",
                              "setRaw(3,11025,2,16)", "setMp2(11025,128,2)", "setG723(11025,5)", "setG726(11025,4)"}));
        QCOMPARE(world.commonStrings(), common);
    }

    void monoChangesTheChannelStringsAndRebuildsTheRest() {
        PanelWorld world;
        const QStringList before = world.otherStrings();
        world.form().txtGSMFormatString->setText(QStringLiteral("typed by the user"));
        world.form().channelsGroup_0->click();
        QCOMPARE(world.pane.panelValues().channels, 1);
        const QStringList after = world.otherStrings();
        QCOMPARE(after[0], QStringLiteral("setAdpcmWav(44100,1)"));
        QCOMPARE(after[4], QStringLiteral("setRaw(3,44100,1,16)"));
        QCOMPARE(after[5], QStringLiteral("setMp2(44100,128,1)"));
        for (const int unchanged : {1, 2, 3, 6, 7})
            QCOMPARE(after[unchanged], before[unchanged]); // the typed text is gone
        QCOMPARE(world.callsOf("writer.set").size(), 12);
    }

    void codeSizeListsSetTheirValues() {
        PanelWorld world;
        world.form().cmbG723Bits->setCurrentIndex(0);
        emit world.form().cmbG723Bits->activated(0);
        world.form().cmbG726Bits->setCurrentIndex(0);
        QCOMPARE(world.pane.panelValues().g723Bits, 3);
        QCOMPARE(world.pane.panelValues().g726Bits, 2);
        QCOMPARE(world.form().txtG723FormatString->text(), QStringLiteral("setG723(44100,3)"));
        QCOMPARE(world.form().txtG726FormatString->text(), QStringLiteral("setG726(44100,2)"));
    }

    void volumeGroupEnablesTheSpinEditWithChangeAs() {
        PanelWorld world;
        world.form().volumeChangeRadio->click();
        QVERIFY(world.form().volumePercentSpin->isEnabled());
        world.form().volumePercentSpin->setValue(50);
        QCOMPARE(world.pane.volumeChange(), std::optional<int>(50));
        world.form().noVolumeChangeRadio->click();
        QVERIFY(!world.form().volumePercentSpin->isEnabled());
        QCOMPARE(world.pane.volumeChange(), std::optional<int>());
    }

    void setButtonsOpenTheDialogsWhoseStringsShowInThePane() {
        PanelWorld world;
        WavOptionsDialog wav(*world.components, world.prompts);
        Mp3OptionsDialog mp3(*world.components, world.prompts);
        OggVorbisOptionsDialog ogg(*world.components, world.prompts);
        world.pane.attachDialogs(wav, mp3, ogg);
        for (QPushButton* button : {world.form().pcmSetButton, world.form().mp3SetButton, world.form().oggSetButton}) {
            QDialog* opened = nullptr;
            QTimer::singleShot(0, [&] {
                opened = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (opened)
                    opened->reject();
            });
            button->click();
            QVERIFY2(opened != nullptr, qPrintable(button->objectName()));
        }
        wav.form().channelsCombo->setCurrentIndex(0);
        wav.form().applyButton->click();
        QCOMPARE(world.form().txtWAVFormatString->text(), QStringLiteral("setPcmWav(44100,1,16)"));
        world.factory.log->clear();
        world.pane.formatDialogs().applyPcmWav();
        QCOMPARE(world.callsOf("writer."), QStringList({"writer.setPcmWav(44100,1,16)"}));
    }

    void formatBoxesNameEveryBoxAndReportTheCheckedOnes() {
        FormatBoxes boxes;
        QCOMPARE(controlsWithoutAccessibleName(boxes), QStringList());
        QCOMPARE(boxes.findChild<QCheckBox*>(QStringLiteral("chOGG"))->accessibleName(), QStringLiteral("OGG"));
        for (const char* caption : {"FLAC", "ALAC", "AAC (M4A)", "Opus"}) {
            const auto named = boxes.findChildren<QCheckBox*>();
            QVERIFY2(std::any_of(named.begin(), named.end(),
                                 [caption](const QCheckBox* box) {
                                     return box->text() == QLatin1String(caption) &&
                                            box->accessibleName() == QLatin1String(caption);
                                 }),
                     caption);
        }
        boxes.setChecked(OutputFormat::G726, true);
        boxes.setChecked(OutputFormat::Pcm, true);
        boxes.setChecked(OutputFormat::Opus, true);
        QCOMPARE(boxes.checkedFormats(),
                 (std::set<OutputFormat>{OutputFormat::Pcm, OutputFormat::G726, OutputFormat::Opus}));
    }

    // FLAC level, AAC and Opus bit rates and Opus's tuning are panel values; each choice rewrites the strings,
    // and the pane's channels reach AAC and Opus.
    void losslessAndModernGroupSetsItsValuesAndStrings() {
        PanelWorld world;
        auto& form = world.form();
        QCOMPARE(form.txtFLACFormatString->text(), QStringLiteral("setFlac(5)"));
        QCOMPARE(form.txtALACFormatString->text(), QStringLiteral("setAlac()"));
        QCOMPARE(form.txtAACFormatString->text(), QStringLiteral("setAac(44100,2,160)"));
        QCOMPARE(form.txtOpusFormatString->text(), QStringLiteral("setOpus(2,128,music)"));
        QCOMPARE(form.cmbAACBitrate->currentText(), QStringLiteral("160 kbit/s"));
        QCOMPARE(form.cmbOpusBitrate->currentText(), QStringLiteral("128 kbit/s"));

        form.flacLevelSpin->setValue(8);
        for (auto [choice, item] : {std::pair{form.cmbAACBitrate, form.cmbAACBitrate->count() - 1},
                                    std::pair{form.cmbOpusBitrate, 0}, std::pair{form.cmbOpusContent, 1}}) {
            choice->setCurrentIndex(item);
            emit choice->activated(item);
        }
        const PanelValues values = world.pane.panelValues();
        QCOMPARE(values.flacLevel, 8);
        QCOMPARE(values.aacKbps, 320);
        QCOMPARE(values.opusKbps, 32);
        QVERIFY(values.opusSpeech);
        QCOMPARE(form.txtFLACFormatString->text(), QStringLiteral("setFlac(8)"));
        QCOMPARE(form.txtAACFormatString->text(), QStringLiteral("setAac(44100,2,320)"));
        QCOMPARE(form.txtOpusFormatString->text(), QStringLiteral("setOpus(2,32,speech)"));

        form.channelsGroup_0->click();
        QCOMPARE(form.txtAACFormatString->text(), QStringLiteral("setAac(44100,1,320)"));
        QCOMPARE(form.txtOpusFormatString->text(), QStringLiteral("setOpus(1,32,speech)"));
        QCOMPARE(controlsWithoutAccessibleName(world.pane), QStringList());
    }

    // The Channels lists of FLAC, ALAC, AAC and Opus answer a click, the keyboard and a screen reader's action alike;
    // FLAC and ALAC keep their source's channels unless told otherwise, AAC and Opus follow the panel's channels until
    // given their own.
    void channelListsAnswerClickKeyboardAndScreenReader() {
        letAssistiveToolsNameComboBoxesByLabel(); // as the program does at start-up
        PanelWorld world;
        auto& form = world.form();
        QCOMPARE(form.cmbFLACChannels->currentText(), QStringLiteral("Keep"));
        QCOMPARE(form.cmbALACChannels->currentText(), QStringLiteral("Keep"));
        QCOMPARE(form.cmbAACChannels->currentText(), QStringLiteral("Stereo"));
        QCOMPARE(form.cmbOpusChannels->currentText(), QStringLiteral("Stereo"));
        world.pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&world.pane));

        QComboBox& flac = *form.cmbFLACChannels;
        QTest::mouseClick(&flac, Qt::LeftButton);
        QTRY_VERIFY(flac.view()->isVisible());
        // An open list ignores a release that comes sooner than a double click would, as the press that opened it.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        const QRect mono = flac.view()->visualRect(flac.view()->model()->index(2, 0));
        QTest::mouseClick(flac.view()->viewport(), Qt::LeftButton, {}, mono.center());
        QTRY_VERIFY(world.pane.panelValues().flacChannels == ChannelChoice::Mono);

        form.cmbAACChannels->setFocus();
        QTest::keyClick(form.cmbAACChannels, Qt::Key_Up);
        QVERIFY(world.pane.panelValues().aacChannels == ChannelChoice::Keep);

        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(form.cmbOpusChannels);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Opus channels"));
        QVERIFY(reader->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        reader->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(form.cmbOpusChannels->view()->isVisible());
        QTest::keyClick(form.cmbOpusChannels->view(), Qt::Key_Down);
        QTest::keyClick(form.cmbOpusChannels->view(), Qt::Key_Return);
        QTRY_VERIFY(world.pane.panelValues().opusChannels == ChannelChoice::Mono);
        QVERIFY(world.pane.panelValues().alacChannels == ChannelChoice::Keep);

        // The panel's own channels set AAC and Opus again, and their lists show it.
        form.channelsGroup_1->click();
        form.channelsGroup_0->click();
        QVERIFY(!world.pane.panelValues().aacChannels && !world.pane.panelValues().opusChannels);
        QCOMPARE(form.cmbAACChannels->currentText(), QStringLiteral("Mono"));
        QCOMPARE(form.cmbOpusChannels->currentText(), QStringLiteral("Mono"));

        // A profile's choices show as they are.
        PanelValues values;
        values.flacChannels = ChannelChoice::Stereo;
        values.opusChannels = ChannelChoice::Keep;
        world.pane.setPanelValues(values);
        QCOMPARE(form.cmbFLACChannels->currentText(), QStringLiteral("Stereo"));
        QCOMPARE(form.cmbOpusChannels->currentText(), QStringLiteral("Keep"));
        QVERIFY(world.pane.panelValues() == values);
    }
};

QTEST_MAIN(FormatPanelTest)
#include "FormatPanelTest.moc"
