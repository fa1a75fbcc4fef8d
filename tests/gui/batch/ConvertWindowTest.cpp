#include "core/batch/StartRefusal.h"
#include "core/components/ComponentSet.h"
#include "core/components/information/AudioInformationComponent.h"
#include "core/formats/DefaultFormatDialogs.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/batch/ProgressWindow.h"
#include "support/TestSupport.h"
#include "ui_ProgressWindow.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testsupport::md5Of;

// The real component, except that storing tags fails as it does for a file that cannot be written to.
class TagsCannotBeStored : public AudioInformationComponent {
public:
    void storeTags(const QString& fileName) override {
        throw ComponentError(QStringLiteral("The tags cannot be written to \"%1\".").arg(fileName),
                             LastError::AccessDenied);
    }
};

// Real component sets whose tags cannot be stored: the batch converts with sets of its own from the factory.
class TaglessFactory : public IComponentSetFactory {
public:
    std::unique_ptr<ComponentSet> create() override {
        std::unique_ptr<ComponentSet> set = real_.create();
        set->information.connect(std::make_unique<TagsCannotBeStored>());
        return set;
    }

private:
    ComponentSetFactory real_;
};

} // namespace

// The progress window on the real components: tones made with sox, converted through the window's batch.
class ConvertWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    ComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components;
    std::unique_ptr<DefaultFormatDialogs> dialogs;
    FakePrompts prompts;
    FakeShell shell;
    std::unique_ptr<ProgressWindow> window;

    QString tone(const QString& relativeName, double seconds = 0.5) {
        const QString path = dir.filePath(relativeName);
        QDir().mkpath(QFileInfo(path).path());
        const auto result =
            testsupport::runTool(QStringLiteral("sox"), {"-n", "-r", "8000", "-c", "1", "-b", "16", path, "synth",
                                                         QString::number(seconds), "sine", "440", "vol", "0.5"});
        if (result.exitCode != 0)
            qFatal("sox could not make a tone: %s", result.err.constData());
        return path;
    }
    BatchOrder orderFor(const QStringList& sources, std::set<OutputFormat> formats, const QString& folder = {}) {
        BatchOrder order;
        for (const QString& source : sources)
            order.sources.push_back({source, SourceKind::Audio});
        order.formats = std::move(formats);
        order.folderText = folder;
        order.copyTags = false;
        order.formatSettings.panel.sampleRate = 8000;
        order.formatSettings.panel.channels = 1;
        return order;
    }
    // As the start handler does: the order passes its checks (which make the output folder), then the window runs.
    void run(const BatchOrder& order) {
        const auto refusal = refusalToStart(order);
        QVERIFY2(!refusal, qPrintable(refusal.value_or(QString())));
        window->runBatch(order, *dialogs);
    }

private slots:
    void init() {
        components = factory.create();
        dialogs = std::make_unique<DefaultFormatDialogs>(*components);
        window = std::make_unique<ProgressWindow>(*components, factory, prompts, shell);
        prompts.shown.clear();
        shell.opened.clear();
    }
    void cleanup() { window.reset(); }

    void theWindowsDesign() {
        QCOMPARE(window->size(), QSize(404, 141));
        Ui::ProgressWindow& form = window->form();
        QCOMPARE(form.caption_from->text(), QStringLiteral("Convert From"));
        QCOMPARE(form.caption_to->text(), QStringLiteral("Convert To"));
        QCOMPARE(form.label_processing->text(), QStringLiteral("Processing"));
        QCOMPARE(form.label_total->text(), QStringLiteral("Total"));
        QCOMPARE(form.button_cancel->text(), QStringLiteral("Cancel"));
        QVERIFY(form.button_cancel->isDefault());
        QCOMPARE(form.progress_output->maximum(), 100);
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }

    // Only RAW checked; outputs beside their sources, or in a folder given without its trailing separator.
    void rawOnlyAndTheOutputFolder() {
        const QString first = tone(QStringLiteral("a/first tone.wav"));
        const QString second = tone(QStringLiteral("b/-second.wav"));
        BatchOrder order = orderFor({first, second}, {OutputFormat::Raw});
        order.openFolder = true;
        run(order);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("a/first tone.raw"))).size() > 0);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("b/-second.raw"))).size() > 0);
        QCOMPARE(prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        QCOMPARE(window->form().progress_total->value(), 100);
        QCOMPARE(window->form().label_total->text(), QStringLiteral("Total 100%"));
        QCOMPARE(shell.opened, QStringList{dir.filePath(QStringLiteral("b")) + QLatin1Char('/')});
        QVERIFY(!window->isVisible());

        prompts.shown.clear();
        run(orderFor({first}, {OutputFormat::Raw, OutputFormat::Pcm}, dir.filePath(QStringLiteral("out"))));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("out/first tone.raw"))));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("out/first tone.wav"))));
        QCOMPARE(window->lastBatch().made(), 2);
    }

    void missingSources() {
        const QString kept = tone(QStringLiteral("kept.wav"));
        const QString gone = dir.filePath(QStringLiteral("gone.wav"));
        run(orderFor({gone, kept}, {OutputFormat::Raw}, dir.filePath(QStringLiteral("some"))));
        QCOMPARE(prompts.shown.first(), QStringLiteral("Error|Can not find out the source file:") + gone);
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("some/kept.raw"))));
        QVERIFY(prompts.shown.last().startsWith(QStringLiteral("|Conversion is finished!\n\n1 of 2 outputs")));

        prompts.shown.clear();
        const QString alsoGone = dir.filePath(QStringLiteral("also gone.wav"));
        BatchOrder none = orderFor({gone, alsoGone}, {OutputFormat::Raw});
        none.openFolder = true;
        run(none);
        QCOMPARE(prompts.shown.size(), 3);
        QCOMPARE(prompts.shown.filter(QRegularExpression(QStringLiteral("^Error\\|Can not find out the source file:")))
                     .size(),
                 2);
        QVERIFY(prompts.shown.last().contains(QStringLiteral("also gone.raw: Can not find out the source file:") +
                                              alsoGone));
        QVERIFY(prompts.shown.last().startsWith(QStringLiteral("|Conversion is finished!")));
        QVERIFY(shell.opened.isEmpty());
    }

    // An output that cannot be created is listed, with its reason, in the completion message.
    void anOutputThatCannotBeCreated() {
        const QString source = tone(QStringLiteral("blocked.wav"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("out2/blocked.raw/inside"))));
        run(orderFor({source}, {OutputFormat::Raw, OutputFormat::Pcm}, dir.filePath(QStringLiteral("out2"))));
        QCOMPARE(prompts.shown.size(), 1);
        const QString message = prompts.shown.first();
        QVERIFY2(message.contains(QStringLiteral("1 of 2 outputs were made. Not made:\n") +
                                  dir.filePath(QStringLiteral("out2/blocked.raw: "))),
                 qPrintable(message));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("out2/blocked.wav"))).size() > 44);
    }

    // The sound is written when copying the tags fails: the output is kept, counted as made, and the message says
    // that its tags are missing, without blaming the source.
    void anOutputWhoseTagsCannotBeCopiedIsKept() {
        TaglessFactory tagless;
        window = std::make_unique<ProgressWindow>(*components, tagless, prompts, shell);
        const QString source = tone(QStringLiteral("tagged.wav"), 1);
        const QByteArray before = md5Of(source);
        BatchOrder order = orderFor({source}, {OutputFormat::Pcm, OutputFormat::Raw}, dir.filePath("tagless"));
        order.copyTags = true;
        run(order);
        const QString wav = dir.filePath(QStringLiteral("tagless/tagged.wav"));
        const QString raw = dir.filePath(QStringLiteral("tagless/tagged.raw"));
        // One second of sound in each, whatever the formats' own settings make of it.
        QVERIFY(QFileInfo(wav).size() > 44 + 2 * 8000);
        QVERIFY(QFileInfo(raw).size() >= 2 * 8000);
        QCOMPARE(md5Of(source), before);
        QCOMPARE(window->lastBatch().made(), 2);
        QCOMPARE(prompts.shown.size(), 1);
        const QString expected = QStringLiteral("|Conversion is finished!\n\nMade, but incomplete:\n"
                                                "%1: its tags could not be copied: The tags cannot be written to "
                                                "\"%1\".\n%2: its tags could not be copied: The tags cannot be "
                                                "written to \"%2\".")
                                     .arg(wav, raw);
        QCOMPARE(prompts.shown.first(), expected);
        // Nothing hidden is left beside the outputs.
        QCOMPARE(QDir(dir.filePath("tagless")).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"tagged.raw", "tagged.wav"}));
    }

    // Cancel during the first of several: the window closes at once, no completion message, the partial output
    // stays, nothing more is made and the folder is not opened.
    void cancelDuringTheFirstConversion() {
        const QString first = tone(QStringLiteral("long.wav"), 20);
        const QString second = tone(QStringLiteral("short.wav"));
        BatchOrder order = orderFor({first, second}, {OutputFormat::Pcm, OutputFormat::Raw},
                                    dir.filePath(QStringLiteral("cancelled")));
        order.openFolder = true;
        connect(
            window.get(), &ProgressWindow::conversionBegun, this,
            [this] { QTest::mouseClick(window->form().button_cancel, Qt::LeftButton); }, Qt::SingleShotConnection);
        QElapsedTimer clock;
        clock.start();
        run(order);
        QVERIFY2(clock.elapsed() < 5000, "Cancel takes effect after the block in progress");
        QVERIFY2(prompts.shown.isEmpty(), qPrintable(prompts.shown.join('\n')));
        QVERIFY(shell.opened.isEmpty());
        const QFileInfo partial(dir.filePath(QStringLiteral("cancelled/long.wav")));
        QVERIFY(partial.exists());
        QVERIFY(partial.size() < 20 * 8000 * 2);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("cancelled"))).entryList(QDir::Files).size(), 1);
        QVERIFY(window->lastBatch().cancelled);

        // The next run starts from 0 with its own count.
        int totalAtFirstStart = -1;
        QString processingAtFirstStart;
        connect(
            window.get(), &ProgressWindow::conversionBegun, this,
            [&] {
                totalAtFirstStart = window->form().progress_total->value();
                processingAtFirstStart = window->form().label_processing->text();
            },
            Qt::SingleShotConnection);
        run(orderFor({second}, {OutputFormat::Raw}));
        QCOMPARE(totalAtFirstStart, 0);
        QCOMPARE(processingAtFirstStart, QStringLiteral("Processing"));
        QCOMPARE(prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
    }

    // After Cancel the run still visits the entries it had not reached: each missing file is told, as at its turn.
    // With nothing left to start the run ends as usual, without the completion message but opening the folder; an
    // entry whose file exists ends it at once, with the folder shut.
    void afterCancelTheRemainingEntriesAreStillVisited() {
        const QString longSource = tone(QStringLiteral("visit/long.wav"), 20);
        const QByteArray longMd5 = md5Of(longSource);
        const QString gone = dir.filePath(QStringLiteral("visit/gone.wav"));
        const QString alsoGone = dir.filePath(QStringLiteral("visit/also gone.wav"));
        const QString out = dir.filePath(QStringLiteral("visit-out"));
        const auto cancelAtFirstOutput = [this] {
            connect(
                window.get(), &ProgressWindow::conversionBegun, this,
                [this] { QTest::mouseClick(window->form().button_cancel, Qt::LeftButton); }, Qt::SingleShotConnection);
        };
        const auto missingBox = [](const QString& source) {
            return QStringLiteral("Error|Can not find out the source file:") + source;
        };

        BatchOrder lastOutput = orderFor({longSource, gone, alsoGone}, {OutputFormat::Pcm}, out);
        lastOutput.openFolder = true;
        cancelAtFirstOutput();
        run(lastOutput);
        QVERIFY(window->lastBatch().cancelled);
        QCOMPARE(prompts.shown, (QStringList{missingBox(gone), missingBox(alsoGone)}));
        QCOMPARE(shell.opened, QStringList{out + QLatin1Char('/')});
        QVERIFY(QFileInfo(out + QStringLiteral("/long.wav")).size() < 20 * 8000 * 2);

        prompts.shown.clear();
        shell.opened.clear();
        const QString shortSource = tone(QStringLiteral("visit/short.wav"));
        const QString secondOut = dir.filePath(QStringLiteral("visit-out2"));
        BatchOrder entryAhead = orderFor({longSource, gone, shortSource, alsoGone}, {OutputFormat::Pcm}, secondOut);
        entryAhead.openFolder = true;
        cancelAtFirstOutput();
        run(entryAhead);
        QCOMPARE(prompts.shown, QStringList{missingBox(gone)});
        QVERIFY(shell.opened.isEmpty());
        QCOMPARE(QDir(secondOut).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("long.wav")});
        QCOMPARE(md5Of(longSource), longMd5);
    }

    void escapeCancelsInsteadOfHiding() {
        const QString source = tone(QStringLiteral("escape.wav"), 20);
        connect(
            window.get(), &ProgressWindow::conversionBegun, this,
            [this] { QTest::keyClick(window.get(), Qt::Key_Escape); }, Qt::SingleShotConnection);
        run(orderFor({source}, {OutputFormat::Raw, OutputFormat::Pcm}));
        QVERIFY(window->lastBatch().cancelled);
        QVERIFY(prompts.shown.isEmpty());
    }

    // One output at a time, but existing outputs are skipped: the engine's single worker runs on the UI thread,
    // the window still takes Cancel between blocks, and a skipped output is listed as not made.
    void oneJobThatSkipsExistingOutputs() {
        const QString source = tone(QStringLiteral("skip/song.wav"), 20);
        const QString kept = dir.filePath(QStringLiteral("skip-out/song.raw"));
        // A complete output is kept; an incomplete one would be made again.
        BatchOrder order = orderFor({source}, {OutputFormat::Raw}, dir.filePath(QStringLiteral("skip-out")));
        run(order);
        const QDateTime keptTime = QFileInfo(kept).lastModified();
        const qint64 keptSize = QFileInfo(kept).size();
        prompts.shown.clear();
        shell.opened.clear();
        order.formats = {OutputFormat::Raw, OutputFormat::Pcm};
        order.existing = ExistingOutputPolicy::Skip;
        order.openFolder = true;
        run(order);
        QCOMPARE(prompts.shown.size(), 1);
        QVERIFY2(prompts.shown.first().endsWith(QStringLiteral("1 of 2 outputs were made. Not made:\n") + kept +
                                                QStringLiteral(": ") + kept + QStringLiteral(" exists")),
                 qPrintable(prompts.shown.first()));
        QCOMPARE(QFileInfo(kept).size(), keptSize);
        QCOMPARE(QFileInfo(kept).lastModified(), keptTime);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("skip-out/song.wav"))).size() > 20 * 8000);
        QCOMPARE(shell.opened, QStringList{dir.filePath(QStringLiteral("skip-out/"))});

        // Cancel from the event loop: it only gets its turn when the window processes events between blocks.
        prompts.shown.clear();
        shell.opened.clear();
        connect(
            window.get(), &ProgressWindow::conversionBegun, this,
            [this] {
                QTimer::singleShot(0, window.get(),
                                   [this] { QTest::mouseClick(window->form().button_cancel, Qt::LeftButton); });
            },
            Qt::SingleShotConnection);
        order.formats = {OutputFormat::Adpcm, OutputFormat::Raw, OutputFormat::G726};
        run(order);
        QVERIFY(window->lastBatch().cancelled);
        QVERIFY(prompts.shown.isEmpty());
        QVERIFY(shell.opened.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("skip-out/song.g726"))));
    }

    // The window's default batch and tonalith-cli convert make the same files under the same names for one order:
    // two entries with one base name from different folders, and an entry that is itself a .wav in the output
    // folder, into several formats. The source in the output folder stays as it was.
    void theWindowAndTheCliNameTheirOutputsAlike() {
        const QStringList formats{QStringLiteral("pcm"), QStringLiteral("adpcm"), QStringLiteral("mp3"),
                                  QStringLiteral("raw")};
        const auto sourcesIn = [this](const QString& root) {
            return QStringList{tone(root + QStringLiteral("/a/song.wav")), tone(root + QStringLiteral("/b/song.wav")),
                               tone(root + QStringLiteral("/out/song.wav"), 0.25)};
        };
        const auto filesIn = [](const QString& folder) {
            return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        };

        const QStringList windowSources = sourcesIn(QStringLiteral("by-window"));
        const QString windowOut = dir.filePath(QStringLiteral("by-window/out"));
        const qint64 sourceSize = QFileInfo(windowSources.last()).size();
        run(orderFor(windowSources, {OutputFormat::Pcm, OutputFormat::Adpcm, OutputFormat::Mp3, OutputFormat::Raw},
                     windowOut));
        QCOMPARE(prompts.shown, QStringList{QStringLiteral("|Conversion is finished!")});
        QCOMPARE(QFileInfo(windowSources.last()).size(), sourceSize);

        QStringList arguments{QStringLiteral("convert"), QStringLiteral("-j"),
                              QStringLiteral("1"),       QStringLiteral("--rate"),
                              QStringLiteral("8000"),    QStringLiteral("--channels"),
                              QStringLiteral("1"),       QStringLiteral("--no-tags"),
                              QStringLiteral("--out"),   dir.filePath(QStringLiteral("by-cli/out"))};
        for (const QString& format : formats)
            arguments << QStringLiteral("--format") << format;
        arguments << QStringLiteral("--") << sourcesIn(QStringLiteral("by-cli"));
        const testsupport::CliRun cli = testsupport::runCli(arguments);
        QVERIFY2(cli.exitCode == 0, cli.stdErr.constData());
        QCOMPARE(cli.outputs.size(), 12);

        const QStringList made = filesIn(windowOut);
        QCOMPARE(made, filesIn(dir.filePath(QStringLiteral("by-cli/out"))));
        QCOMPARE(made.size(), 13);
        QVERIFY2(made.contains(QStringLiteral("song_NEW.wav")) && made.contains(QStringLiteral("song_NEW.raw")),
                 qPrintable(made.join(' ')));
    }

    // 150 planned outputs: the total bar still moves with every output.
    void manyOutputsMoveTheTotalBar() {
        const QString source = tone(QStringLiteral("many/0.wav"), 0.05);
        QStringList sources{source};
        for (int index = 1; index < 150; ++index) {
            sources.append(dir.filePath(QStringLiteral("many/%1.wav").arg(index)));
            QVERIFY(QFile::copy(source, sources.last()));
        }
        std::vector<int> totals;
        connect(window.get(), &ProgressWindow::conversionBegun, this,
                [&] { totals.push_back(window->form().progress_total->value()); });
        run(orderFor(sources, {OutputFormat::Raw}, dir.filePath(QStringLiteral("many-out"))));
        QCOMPARE(window->lastBatch().made(), 150);
        QCOMPARE(totals.size(), std::size_t{150});
        QVERIFY(std::is_sorted(totals.begin(), totals.end()));
        QCOMPARE(totals[75], 50);
        QCOMPARE(totals.back(), 99);
    }
};

QTEST_MAIN(ConvertWindowTest)
#include "ConvertWindowTest.moc"
