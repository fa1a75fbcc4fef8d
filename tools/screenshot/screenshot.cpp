// Renders the main window as it looks right after start-up into a PNG, for the documentation.
// Usage: tonalith-screenshot <output.png> [--options-pane | --options-dialog | --about | --wav-dialog | --mp3-dialog |
//                                          --ogg-dialog | --convert | --convert-jobs | --tag-editor <audio file> |
//                                          --mirror-dialog |
//                                          --mp3-dialog <page number> | -- <files to list...>]
// The windows are drawn in English unless TONALITH_LANGUAGE names a catalogue (de, fr, es, ru, zh_CN, en_XA).
#include "core/components/ComponentSet.h"
#include "core/components/playback/AudioPlayerComponent.h"
#include "core/formats/DefaultFormatDialogs.h"
#include "core/platform/Registration.h"
#include "core/platform/Shell.h"
#include "core/ports/Prompts.h"
#include "core/settings/ProgramFolder.h"
#include "core/settings/ProgramName.h"
#include "core/settings/SettingsKeys.h"
#include "gui/about/AboutBox.h"
#include "gui/batch/MirrorDialog.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/common/Skin.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/main/Application.h"
#include "gui/main/Translations.h"
#include "gui/options/OptionsDialog.h"
#include "gui/tags/TagEditorWindow.h"
#include "ui_ProgressWindow.h"

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>

namespace {
class SilentShell : public IShell {
public:
    bool open(const QString&) override { return true; }
    bool runAndWait(const QString&, const QString&) override { return false; }
};
class SilentPrompts : public Prompts {
public:
    void message(const QString&, const QString&, Icon) override {}
    bool confirm(const QString&, const QString&) override { return false; }
    std::optional<QString> pickFolder(const QString&, const QString&) override { return std::nullopt; }
    QStringList pickFilesToOpen(const QString&, const QStringList&) override { return {}; }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override { return std::nullopt; }
};
// A tone written through the writer component, as the source of the pictured batch.
QString writeTone(ComponentSet& components, const QString& folder, int seconds) {
    const QString name = folder + QStringLiteral("/Concert recording.wav");
    auto& writer = components.writer;
    writer->setPcmWav(44100, 2, 16);
    writer->describeInput(44100, 2);
    writer->createOutput(name, 0);
    for (int second = 0; second < seconds; ++second) {
        std::vector<float> values(2 * 44100);
        for (std::size_t index = 0; index < values.size(); ++index)
            values[index] = 0.3f * static_cast<float>(std::sin(static_cast<double>(index / 2) * 0.0627));
        writer->writeBlock(SampleBlock(std::move(values)));
    }
    writer->close();
    return name;
}

// Pictures the progress window once the batch is well under way, then cancels it. With two jobs two sources are
// converted side by side and the window lists the outputs running.
int pictureConvertWindow(ApplicationWindows& windows, const QString& folder, const QString& output, int jobs) {
    ComponentSet& components = windows.context().components;
    DefaultFormatDialogs dialogs(components);
    BatchOrder order;
    // Side by side, the time left shows only after a second, so the sources last long enough to be seen running.
    order.sources = {{writeTone(components, folder, jobs > 1 ? 120 : 30), SourceKind::Audio}};
    if (jobs > 1) {
        const QString second = folder + QStringLiteral("/Rehearsal.wav");
        QFile::copy(order.sources.front().fullName, second);
        order.sources.push_back({second, SourceKind::Audio});
    }
    order.formats = {OutputFormat::Mp3, OutputFormat::Ogg};
    order.folderText = folder + QStringLiteral("/out");
    order.copyTags = false;
    order.jobs = jobs;
    static_cast<void>(order.makeFolder());
    bool saved = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, windows.progress, [&] {
        const Ui::ProgressWindow& form = windows.progress->form();
        const bool underWay = jobs > 1 ? form.progress_total->value() >= 20 && form.list_running->count() == jobs &&
                                             form.label_total->text().contains(QLatin1String("left"))
                                       : form.progress_output->value() >= 40;
        if (!underWay)
            return;
        watch.stop();
        saved = windows.progress->grab().save(output);
        windows.progress->cancelBatch();
    });
    watch.start(20);
    windows.progress->runBatch(order, dialogs);
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(ProgramName);
    Skin::standard().applyTo(application);
    // Only an explicit language: the pictures in docs/ must not follow the language of whoever draws them.
    const QString language = qEnvironmentVariable("TONALITH_LANGUAGE").trimmed();
    const InstalledTranslations translations(language == QLatin1String("en") ? QString() : language,
                                             QStringLiteral(TONALITH_CATALOGUE_DIR));
    if (!language.isEmpty() && language != QLatin1String("en") && !translations.installed())
        return 1;
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main-window.png");
    const QByteArray view = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    QStringList files;
    for (int i = 3; i < argc && view == "--"; ++i)
        files.append(QString::fromLocal8Bit(argv[i]));

    // Settings and placement go to a scratch folder so the picture always shows a first start.
    QTemporaryDir scratch;
    ProgramLocations locations = ProgramLocations::forExecutable(QApplication::applicationFilePath(), scratch.path());
    locations.settingsPath = scratch.filePath(SettingsKeys::FileName);
    locations.placementPath = scratch.filePath(QStringLiteral("placement.ini"));
    ComponentSetFactory components([] { return std::make_unique<AudioPlayerComponent>(); });
    NoRegistrationTool registration;
    SilentShell shell;
    SilentPrompts prompts;
    ApplicationWindows windows(components, registration, shell, prompts, locations);
    if (view == "--convert" || view == "--convert-jobs")
        return pictureConvertWindow(windows, scratch.path(), output, view == "--convert" ? 1 : 2);
    windows.main->show();
    QWidget* shown = windows.main.get();
    if (view == "--options-pane")
        windows.main->toggleFormatOptionsPane();
    if (view == "--options-dialog")
        shown = windows.options;
    if (view == "--about")
        shown = windows.about;
    if (view == "--wav-dialog")
        shown = windows.wavOptions;
    if (view == "--mp3-dialog") {
        shown = windows.mp3Options;
        // One picture per page: the page is the third argument, counted from 1.
        auto* pages = shown->findChild<QTabWidget*>();
        if (pages && argc > 3)
            pages->setCurrentIndex(QByteArray(argv[3]).toInt() - 1);
    }
    if (view == "--ogg-dialog")
        shown = windows.oggVorbisOptions;
    if (view == "--mirror-dialog") {
        // As a user would fill it for a phone's card.
        MirrorChoices choices;
        choices.sourceFolder = QStringLiteral("/home/me/Music");
        choices.destination = QStringLiteral("/media/me/CARD/Music");
        choices.format = OutputFormat::Opus;
        choices.names = PathRules::Fat;
        choices.prune = true;
        choices.jobs = 2;
        windows.main->mirrorDialog().showChoices(choices, {});
        shown = &windows.main->mirrorDialog();
    }
    if (view == "--tag-editor" && argc > 3) {
        // Opens at the file as if it were the conversion list's selected row.
        windows.tagEditor->setListFile(QString::fromLocal8Bit(argv[3]));
        shown = windows.tagEditor;
    }
    shown->show();
    windows.main->conversionList().addFiles(files);
    if (!files.isEmpty())
        windows.main->conversionList().selectRow(0);
    // The file list fills in on a worker thread; give it a moment before the picture is taken.
    QTimer::singleShot(1500, [&] {
        const bool saved = shown->grab().save(output);
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
