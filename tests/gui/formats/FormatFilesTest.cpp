// The option dialogs' settings reach real files: each case sets controls, converts a short tone through the
// program's own preparation path (the dialogs' apply operations, the writer preparation, the single conversion) and
// reads the output back with ffprobe.
#include "core/batch/BatchEngine.h"
#include "core/batch/ConversionObserver.h"
#include "core/components/ComponentSet.h"
#include "core/components/writer/WriterTestSupport.h"
#include "fakes/FakePrompts.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/OptionDialogs.h"
#include "gui/formats/WavOptionsDialog.h"
#include "ui_Mp3OptionsDialog.h"
#include "ui_OggVorbisOptionsDialog.h"
#include "ui_WavOptionsDialog.h"

#include <QButtonGroup>
#include <QFile>
#include <QTest>
#include <QtEndian>
#include <functional>

namespace {

class QuietObserver : public ConversionObserver {
public:
    void conversionStarted(const QString&, const QString&) override {}
    void progressChanged(int) override {}
    void progressReset() override {}
    bool mayContinue() override { return true; }
    void conversionFailed(const QString& message, const QString&) override { failures.append(message); }
    void conversionCancelled() override {}
    QStringList failures;
};

// One second of a tone, 44100 Hz stereo 16-bit PCM.
void writeTone(const QString& path) {
    AudioWriter writer;
    writer.setPcmWav(44100, 2, 16);
    writertest::writeFile(writer, path, writertest::tone(44100, 2, 1.0), 44100, 2);
}

using writertest::probe;

// The maximum, nominal and minimum bit rates of an Ogg Vorbis file's identification header, in bit/s.
std::array<qint32, 3> vorbisHeaderBitrates(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray start = file.read(4096);
    const auto at = start.indexOf("\x01vorbis");
    if (at < 0 || at + 28 > start.size())
        return {};
    const char* fields = start.constData() + at + 7 + 4 + 1 + 4;
    return {qFromLittleEndian<qint32>(fields), qFromLittleEndian<qint32>(fields + 4),
            qFromLittleEndian<qint32>(fields + 8)};
}

bool hasVbrHeader(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4096).contains("Xing");
}

} // namespace

class FormatFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> scratch;
    QDir folder;
    QString source;
    FakePrompts prompts;
    std::unique_ptr<ComponentSet> components;
    std::unique_ptr<WavOptionsDialog> wav;
    std::unique_ptr<Mp3OptionsDialog> mp3;
    std::unique_ptr<OggVorbisOptionsDialog> ogg;

    ConversionResult convert(OutputFormat format, const PanelValues& panel, const QString& sourceName,
                             const QString& baseName) {
        OptionDialogs dialogs(*wav, *mp3, *ogg);
        WriterPreparation preparation(*components, dialogs);
        QuietObserver observer;
        SingleConversion conversion(*components, observer);
        return prepareAndConvert(preparation, conversion, sourceName, format,
                                 folder.filePath(baseName + outputSuffix(format)), panel, ConversionSettings{});
    }

private slots:
    void init() {
        scratch = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch->isValid());
        folder.setPath(scratch->path());
        source = folder.filePath(QStringLiteral("tone source.wav"));
        writeTone(source);
        components = ComponentSetFactory().create();
        wav = std::make_unique<WavOptionsDialog>(*components, prompts);
        mp3 = std::make_unique<Mp3OptionsDialog>(*components, prompts);
        ogg = std::make_unique<OggVorbisOptionsDialog>(*components, prompts);
        prompts.shown.clear();
    }

    void cleanup() {
        ogg.reset();
        mp3.reset();
        wav.reset();
        components.reset();
    }

    void settingsReachTheFiles() {
        struct Case {
            const char* name;
            OutputFormat format;
            std::function<void(PanelValues&)> set;
            const char* codec;
            int sampleRate;
            int channels;
            qint64 bitRate; // bit/s as ffprobe reports it; 0: checked otherwise
        };
        const std::vector<Case> cases{
            {"pcm 8-bit mono 11025", OutputFormat::Pcm,
             [&](PanelValues&) {
                 wav->form().frequencyCombo->setCurrentText(QStringLiteral("11025"));
                 wav->form().channelsCombo->setCurrentText(QStringLiteral("Mono"));
                 wav->form().bitsCombo->setCurrentText(QStringLiteral("8"));
             },
             "pcm_u8", 11025, 1, 88200},
            {"mp3 cbr 192", OutputFormat::Mp3,
             [&](PanelValues&) {
                 mp3->form().vbrModeCombo->setCurrentIndex(0);
                 mp3->form().bitrateSlider->setValue(11);
             },
             "mp3", 44100, 2, 192000},
            {"mp3 vbr V2", OutputFormat::Mp3,
             [&](PanelValues&) {
                 mp3->form().vbrModeCombo->setCurrentText(QStringLiteral("New"));
                 mp3->form().vbrQualitySpin->setValue(2);
                 mp3->form().vbrHeaderBox->setChecked(true);
             },
             "mp3", 44100, 2, 0},
            {"mp3 mono", OutputFormat::Mp3,
             [&](PanelValues&) {
                 mp3->form().vbrModeCombo->setCurrentIndex(0);
                 mp3->form().bitrateSlider->setValue(9);
                 mp3->form().channelModeCombo->setCurrentText(QStringLiteral("Mono"));
             },
             "mp3", 44100, 1, 128000},
            {"ogg quality", OutputFormat::Ogg,
             [&](PanelValues&) {
                 ogg->form().qualityBox->setChecked(true);
                 ogg->form().qualitySlider->setValue(1000);
             },
             "vorbis", 44100, 2, 0},
            {"ogg vbr min max", OutputFormat::Ogg,
             [&](PanelValues&) {
                 ogg->form().frequencyCombo->setCurrentText(QStringLiteral("22050"));
                 ogg->form().qualityBox->setChecked(false);
                 ogg->form().vbrBox->setChecked(true);
                 ogg->form().nominalBitrateSlider->setValue(4); // 96
                 ogg->form().minBitrateSlider->setValue(2);     // 56
                 ogg->form().maxBitrateSlider->setValue(7);     // 160
             },
             "vorbis", 22050, 2, 96000},
            {"wma profile 1", OutputFormat::Wma, [](PanelValues& panel) { panel.wmaProfile = 1; }, "wmav2", 8000, 1, 0},
            {"g726 2 bits", OutputFormat::G726,
             [](PanelValues& panel) {
                 panel.sampleRate = 8000;
                 panel.g726Bits = 2;
             },
             "adpcm_g726", 8000, 1, 16000},
        };
        int number = 0;
        for (const Case& c : cases) {
            const QString name = QString::fromLatin1(c.name);
            PanelValues panel;
            c.set(panel);
            const ConversionResult result = convert(c.format, panel, source, QStringLiteral("out%1").arg(++number));
            QVERIFY2(result.succeeded(), qPrintable(name + QStringLiteral(": ") + result.detail));
            const writertest::Probe probed = probe(result.destination);
            QVERIFY2(!probed.codec.isEmpty(), qPrintable(name + QStringLiteral(": ffprobe read nothing")));
            QCOMPARE(probed.codec, QString::fromLatin1(c.codec));
            QCOMPARE(probed.sampleRate, c.sampleRate);
            QCOMPARE(probed.channels, c.channels);
            if (c.bitRate != 0)
                QCOMPARE(probed.bitRate, c.bitRate);
        }
        // The checks ffprobe's single bit rate cannot make.
        QVERIFY(hasVbrHeader(folder.filePath(QStringLiteral("out3.mp3"))));
        QVERIFY(!hasVbrHeader(folder.filePath(QStringLiteral("out2.mp3"))));
        const auto quality = vorbisHeaderBitrates(folder.filePath(QStringLiteral("out5.ogg")));
        QVERIFY2(quality[1] > 400000, qPrintable(QString::number(quality[1]))); // quality 1000 is the finest
        const auto managed = vorbisHeaderBitrates(folder.filePath(QStringLiteral("out6.ogg")));
        QCOMPARE(managed, (std::array<qint32, 3>{160000, 96000, 56000}));
        const writertest::Probe wma = probe(folder.filePath(QStringLiteral("out7.wma")));
        QVERIFY2(std::abs(wma.bitRate - 24000) < 4000, qPrintable(QString::number(wma.bitRate)));
        QVERIFY(prompts.shown.isEmpty());
    }

    void pcmOutputFollowsTheListsNotTheSample() {
        PanelValues panel;
        wav->form().channelsCombo->setCurrentText(QStringLiteral("Mono"));
        wav->form().bitsCombo->setCurrentText(QStringLiteral("8"));
        const ConversionResult sample = convert(OutputFormat::Pcm, panel, source, QStringLiteral("sample"));
        QVERIFY(sample.succeeded());
        wav->form().channelsCombo->setCurrentText(QStringLiteral("Stereo"));
        wav->form().bitsCombo->setCurrentText(QStringLiteral("16"));
        prompts.fileAnswers.push_back({sample.destination});
        QTest::mouseClick(wav->form().sampleFileButton, Qt::LeftButton);
        QVERIFY(prompts.count(QStringLiteral("Set Format Like Sample")) == 1);
        const ConversionResult output = convert(OutputFormat::Pcm, panel, source, QStringLiteral("after sample"));
        QVERIFY(output.succeeded());
        const writertest::Probe probed = probe(output.destination);
        QCOMPARE(probed.codec, QStringLiteral("pcm_s16le"));
        QCOMPARE(probed.channels, 2);
    }

    // A refused Ogg Vorbis setting skips the Ogg output of every source: nothing is written under the ".ogg" name,
    // and each source's skipped output carries the refusal once, for the batch to tell.
    void refusedOggSettingSkipsTheOutputOfEverySource() {
        const QString second = folder.filePath(QStringLiteral("second.wav"));
        QVERIFY(QFile::copy(source, second));
        ogg->form().vbrBox->setChecked(true);
        ogg->form().minBitrateSlider->setValue(11); // a minimum above the nominal 128 kbit/s
        PanelValues panel;
        // The writer's current format is some other one; a mislabelled file would be made in it.
        components->writer->setPcmWav(44100, 2, 16);
        const QStringList sources{source, second};
        QStringList details;
        for (const QString& sourceName : sources) {
            const QString baseName = QFileInfo(sourceName).completeBaseName();
            const ConversionResult result = convert(OutputFormat::Ogg, panel, sourceName, baseName);
            QCOMPARE(result.outcome, ConversionOutcome::NotPrepared);
            details.append(result.detail);
            QVERIFY(!QFileInfo::exists(folder.filePath(baseName + QStringLiteral(".ogg"))));
        }
        QCOMPARE(details, QStringList({"Incorrect format", "Incorrect format"}));
        QVERIFY(QDir(folder.path()).entryList({QStringLiteral("*.ogg")}, QDir::Files).isEmpty());
        QVERIFY(prompts.shown.isEmpty()); // the dialog itself shows nothing during a conversion
    }
};

QTEST_MAIN(FormatFilesTest)
#include "FormatFilesTest.moc"
