// Times a batch run through the progress window, offscreen, on the real components.
// Usage: batch_bench window --formats mp3,ogg,... [--jobs N] --out DIR SOURCE...
//        batch_bench cancel --after SECONDS --out DIR SOURCE
// Prints key=value lines: wall_s and cpu_s for a whole batch; cancel_to_close_ms for the cancel measurement.
#include "core/batch/StartRefusal.h"
#include "core/components/ComponentSet.h"
#include "core/formats/DefaultFormatDialogs.h"
#include "core/platform/Shell.h"
#include "core/ports/Prompts.h"
#include "gui/batch/ProgressWindow.h"
#include "ui_ProgressWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

class QuietShell : public IShell {
public:
    bool open(const QString&) override { return true; }
    bool runAndWait(const QString&, const QString&) override { return false; }
};

class CountingPrompts : public Prompts {
public:
    int messages = 0;
    void message(const QString&, const QString& text, Icon) override {
        ++messages;
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
    }
    bool confirm(const QString&, const QString&) override { return false; }
    std::optional<QString> pickFolder(const QString&, const QString&) override { return std::nullopt; }
    QStringList pickFilesToOpen(const QString&, const QStringList&) override { return {}; }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

double cpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

int usage() {
    std::fprintf(stderr,
                 "usage: batch_bench window|cancel [--formats a,b] [--jobs N] [--after S] --out DIR SOURCE...\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    const QString mode = arguments.takeFirst();
    BatchOrder order;
    order.copyTags = false;
    double cancelAfter = 2.0;
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        if (arguments.isEmpty())
            return usage();
        const QString value = arguments.takeFirst();
        if (option == QLatin1String("--formats")) {
            for (const QString& name : value.split(QLatin1Char(','))) {
                const auto format = outputFormatNamed(name);
                if (!format)
                    return usage();
                order.formats.insert(*format);
            }
        } else if (option == QLatin1String("--jobs")) {
            order.jobs = value.toInt();
        } else if (option == QLatin1String("--after")) {
            cancelAfter = value.toDouble();
        } else if (option == QLatin1String("--out")) {
            order.folderText = value;
        } else {
            return usage();
        }
    }
    for (const QString& source : arguments)
        order.sources.push_back({QFileInfo(source).absoluteFilePath(), sourceKindOfFile(source)});
    if (mode == QLatin1String("cancel"))
        order.formats = {OutputFormat::Mp3};
    if (auto refusal = refusalToStart(order)) {
        std::fprintf(stderr, "%s\n", qPrintable(*refusal));
        return 2;
    }

    ComponentSetFactory factory;
    const std::unique_ptr<ComponentSet> components = factory.create();
    DefaultFormatDialogs dialogs(*components);
    QuietShell shell;
    CountingPrompts prompts;
    ProgressWindow window(*components, factory, prompts, shell);

    // The press is due at `cancelAfter`; the window sees it only between blocks, so the time from Cancel to the
    // window closing is counted from when the press was due, not from when the event loop got to it.
    bool pressed = false;
    if (mode == QLatin1String("cancel")) {
        QTimer::singleShot(static_cast<int>(cancelAfter * 1000), Qt::PreciseTimer, &window, [&] {
            pressed = true;
            window.form().button_cancel->click();
        });
    } else if (mode != QLatin1String("window")) {
        return usage();
    }
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    window.runBatch(order, dialogs);
    const double wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    if (mode == QLatin1String("cancel")) {
        if (!pressed) {
            std::fprintf(stderr, "the batch ended before Cancel was pressed\n");
            return 1;
        }
        std::printf("cancel_to_close_ms=%.1f\n", (wallSeconds - cancelAfter) * 1000.0);
        return 0;
    }
    std::printf("wall_s=%.3f cpu_s=%.3f made=%d unmade=%d\n", wallSeconds, cpuSeconds() - cpuBefore,
                window.lastBatch().made(), window.lastBatch().unmade());
    return window.lastBatch().unmade() == 0 ? 0 : 1;
}
