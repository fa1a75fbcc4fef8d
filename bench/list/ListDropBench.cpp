// Drops many files on the real main window's list and measures the time per file and the longest time the list
// went without a repaint. Usage: list_bench WAV MP3 [COUNT]; the files are copied COUNT/2 times each. Or
// list_bench --folder DIR [COUNT]: the files of DIR, copied in turn until there are COUNT.
#include "core/components/ComponentSet.h"
#include "core/components/playback/AudioPlayerComponent.h"
#include "core/platform/Registration.h"
#include "core/platform/Shell.h"
#include "core/ports/Prompts.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/main/Application.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

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

// Records when the list's surface is painted.
class PaintClock : public QObject {
public:
    explicit PaintClock(const QElapsedTimer& clock) : clock_(clock) {}
    std::vector<qint64> paints;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            paints.push_back(clock_.nsecsElapsed());
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: list_bench WAV MP3 [COUNT] | list_bench --folder DIR [COUNT]\n");
        return 2;
    }
    const int count = argc > 3 ? std::atoi(argv[3]) : 1000;
    QStringList originals{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    if (originals.front() == QLatin1String("--folder")) {
        const QDir folder(originals.back());
        originals.clear();
        for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Name))
            originals.append(file.absoluteFilePath());
        if (originals.isEmpty()) {
            std::fprintf(stderr, "no files in %s\n", argv[2]);
            return 2;
        }
    }
    QTemporaryDir scratch;
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString source = originals.at(i % originals.size());
        const QString copy = scratch.filePath(
            QStringLiteral("file %1.%2").arg(i, 4, 10, QLatin1Char('0')).arg(QFileInfo(source).suffix()));
        if (!QFile::copy(source, copy)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
            return 1;
        }
        names.append(copy);
    }

    ProgramLocations locations =
        ProgramLocations::forExecutable(scratch.filePath(QStringLiteral("tonalith")), scratch.path());
    ComponentSetFactory components([] { return std::make_unique<AudioPlayerComponent>(); });
    NoRegistrationTool registration;
    SilentShell shell;
    CountingPrompts prompts;
    ApplicationWindows windows({components, registration, shell, prompts, locations});
    windows.main->resize(800, 600);
    windows.main->show();
    ConversionListPanel& list = windows.main->conversionList();
    auto* surface = list.findChild<QAbstractItemView*>(QStringLiteral("conversionListView"))->viewport();

    QElapsedTimer clock;
    PaintClock painted(clock);
    const std::vector<qint64>& paints = painted.paints;
    int result = 0;
    QTimer::singleShot(200, [&] {
        // The copies are written out before the clock starts: the kernel writing hundreds of megabytes back while
        // the list reads them is not the list's cost.
        ::sync();
        surface->installEventFilter(&painted);
        clock.start();
        list.addFiles(names);
        const qint64 total = clock.nsecsElapsed();
        qint64 longestGap = paints.empty() ? total : paints.front();
        for (size_t i = 1; i < paints.size(); ++i)
            longestGap = std::max(longestGap, paints[i] - paints[i - 1]);
        if (!paints.empty())
            longestGap = std::max(longestGap, total - paints.back());
        std::printf("files %d rows %d boxes %d\n", count, list.rowCount(), prompts.shown);
        std::printf("total %.1f ms, per file %.2f ms, repaints %zu, longest gap %.1f ms\n", total / 1e6,
                    total / 1e6 / count, paints.size(), longestGap / 1e6);
        result = list.rowCount() == count ? 0 : 1;
        QApplication::exit(result);
    });
    QApplication::exec();
    return result;
}
