// A batch of the real main window running while files are added to its list: the longest time the UI thread went
// without serving a timer, and how long the batch took. Usage:
//   beside_batch_bench alone|adding --out DIR [--jobs N] [--add COUNT] [--fixture FILE] SOURCE...
// "adding" drops COUNT copies of FIXTURE on the list once the batch's first output has begun; the batch converts
// the SOURCEs to MP3. The probe is a 2 ms timer on the UI thread from the first output's start to the batch's end:
// a stall is the gap between two of its ticks.
#include "core/components/ComponentSet.h"
#include "core/components/playback/AudioPlayerComponent.h"
#include "core/platform/Registration.h"
#include "core/platform/Shell.h"
#include "core/ports/Prompts.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/main/Application.h"
#include "gui/main/MainWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBasicTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class SilentShell : public IShell {
public:
    bool open(const QString&) override { return true; }
    bool runAndWait(const QString&, const QString&) override { return false; }
};

class CountingPrompts : public Prompts {
public:
    int shown = 0;
    void message(const QString&, const QString&, Icon) override { ++shown; }
    bool confirm(const QString&, const QString&) override { return false; }
    std::optional<QString> pickFolder(const QString&, const QString&) override { return std::nullopt; }
    QStringList pickFilesToOpen(const QString&, const QStringList&) override { return {}; }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

// The longest gap between two ticks of a fast timer on the UI thread.
class StallProbe : public QObject {
public:
    void start() {
        clock_.start();
        last_ = 0;
        timer_.start(2, Qt::PreciseTimer, this);
    }
    void stop() { timer_.stop(); }
    [[nodiscard]] double longestMs() const { return static_cast<double>(longest_) / 1e6; }
    // When the longest stall ended, from the start of the probe.
    [[nodiscard]] double longestAtMs() const { return static_cast<double>(longestAt_) / 1e6; }

protected:
    void timerEvent(QTimerEvent*) override {
        const qint64 now = clock_.nsecsElapsed();
        if (now - last_ > longest_) {
            longest_ = now - last_;
            longestAt_ = now;
        }
        last_ = now;
    }

private:
    QBasicTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
    qint64 longestAt_ = 0;
};

// Processor time of the calling thread, which the other work of a shared machine stretches far less than wall time.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double processCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

int usage() {
    std::fprintf(stderr, "usage: beside_batch_bench alone|adding --out DIR [--jobs N] [--add COUNT] [--fixture FILE] "
                         "SOURCE...\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const bool adding = args.takeFirst() == QLatin1String("adding");
    QString out;
    QString fixture;
    int jobs = 2;
    int count = 1000;
    QStringList sources;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--out") && !args.isEmpty())
            out = args.takeFirst();
        else if (arg == QLatin1String("--jobs") && !args.isEmpty())
            jobs = args.takeFirst().toInt();
        else if (arg == QLatin1String("--add") && !args.isEmpty())
            count = args.takeFirst().toInt();
        else if (arg == QLatin1String("--fixture") && !args.isEmpty())
            fixture = args.takeFirst();
        else
            sources.append(QFileInfo(arg).absoluteFilePath());
    }
    if (out.isEmpty() || sources.isEmpty() || (adding && fixture.isEmpty()))
        return usage();

    QTemporaryDir scratch;
    QStringList added;
    for (int i = 0; adding && i < count; ++i) {
        const QString copy = scratch.filePath(
            QStringLiteral("add %1.%2").arg(i, 4, 10, QLatin1Char('0')).arg(QFileInfo(fixture).suffix()));
        if (!QFile::copy(fixture, copy)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(fixture));
            return 1;
        }
        added.append(copy);
    }
    ProgramLocations locations =
        ProgramLocations::forExecutable(scratch.filePath(QStringLiteral("tonalith")), scratch.path());
    {
        QFile settings(locations.settingsPath);
        if (!settings.open(QIODevice::WriteOnly) ||
            settings.write(QStringLiteral("[batch]\njobs=%1\n").arg(jobs).toUtf8()) < 0)
            return 1;
    }
    ComponentSetFactory components([] { return std::make_unique<AudioPlayerComponent>(); });
    NoRegistrationTool registration;
    SilentShell shell;
    CountingPrompts prompts;
    ApplicationWindows windows({components, registration, shell, prompts, locations});
    MainWindow& main = *windows.main;
    main.resize(800, 600);
    main.show();
    for (const OutputFormatFacts& facts : outputFormatTable())
        main.formatBoxes().setChecked(facts.format, facts.format == OutputFormat::Mp3);
    main.conversionList().addFiles(sources);
    main.findChild<QLineEdit*>(QStringLiteral("edit_output_folder"))->setText(out);

    StallProbe probe;
    QElapsedTimer batchClock;
    QElapsedTimer addClock;
    double uiCpuAtStart = 0;
    double uiCpuMs = 0;
    double allCpuAtStart = 0;
    double allCpuMs = 0;
    qint64 batchMs = 0;
    int result = 0;
    // The probe runs from the batch's first output on, alone or with the files coming in: the batch's own start
    // (planning, encoders made) is the same either way and is not what the additions cost.
    QObject::connect(
        windows.progress, &ProgressWindow::conversionBegun, &main,
        [&] {
            uiCpuAtStart = threadCpuMs();
            allCpuAtStart = processCpuMs();
            probe.start();
            if (adding)
                QTimer::singleShot(0, &main, [&] {
                    addClock.start();
                    main.conversionList().addFiles(added);
                });
        },
        Qt::SingleShotConnection);
    QObject::connect(windows.progress, &ProgressWindow::batchFinished, &main,
                     [&](int made, int, qint64, const QString&) {
                         batchMs = batchClock.elapsed();
                         uiCpuMs = threadCpuMs() - uiCpuAtStart;
                         allCpuMs = processCpuMs() - allCpuAtStart;
                         result = made == static_cast<int>(sources.size()) ? 0 : 1;
                     });
    QTimer::singleShot(100, &main, [&] {
        batchClock.start();
        main.findChild<QPushButton*>(QStringLiteral("button_convert"))->click();
        probe.stop();
        // Files still coming in when the batch ended are not the batch's time.
        const int rowsAtEnd = main.conversionList().rowCount();
        while (main.conversionList().addingFiles())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const qint64 allListedMs = adding ? addClock.elapsed() : 0;
        std::printf(
            "%s jobs %d outputs %lld batch %lld ms cpu %.0f ms, UI thread %.0f ms, longest UI stall %.1f ms (ending at "
            "%.0f ms) rows %d (all %d listed %lld ms after the drop)\n",
            adding ? "adding" : "alone", jobs, static_cast<long long>(sources.size()), static_cast<long long>(batchMs),
            allCpuMs, uiCpuMs, probe.longestMs(), probe.longestAtMs(), rowsAtEnd, main.conversionList().rowCount(),
            static_cast<long long>(allListedMs));
        QApplication::exit(result);
    });
    return QApplication::exec();
}
