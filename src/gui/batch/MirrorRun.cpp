#include "MirrorRun.h"

#include "ProgressWindow.h"
#include "core/batch/SourceFactsReader.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>

namespace {

// The conversions of a mirror through the progress window.
class WindowSyncConversion : public SyncConversion {
public:
    WindowSyncConversion(ComponentSet& components, ProgressWindow& window) : components_(components), window_(window) {}

    // As the window's own batch: the plain run counts outputs, not lengths, and needs no probe; outputs side by side
    // are weighted by the sources' lengths.
    std::vector<BatchOutput> plan(const BatchOrder& order) override {
        if (order.runsOneAtATime())
            return order.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
        return order.plan([this](const QString& source, SourceKind kind, bool readTags) {
            return readSourceFacts(components_, source, kind, readTags);
        });
    }

    std::vector<OutputReport> run(const std::vector<BatchOutput>& plan, const BatchOrder& order,
                                  const std::function<void(std::size_t, const OutputReport&)>& finished) override {
        // The window shows the progress while it is up; the busy cursor stands for it before and after.
        QApplication::restoreOverrideCursor();
        std::vector<OutputReport> reports = window_.runPlan(plan, order, finished);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        stopped_ = window_.lastBatch().cancelled;
        return reports;
    }

    [[nodiscard]] bool stopped() const override { return stopped_; }

private:
    ComponentSet& components_;
    ProgressWindow& window_;
    bool stopped_ = false;
};

// Copies and removals run on the UI thread outside the progress window: the windows are repainted now and then
// meanwhile, so that a long copy does not look like a hung program, while the user's input waits for its end.
class KeepPainting : public SyncObserver {
public:
    void fileDone(const SyncFileReport&) override {
        constexpr qint64 kPaintEveryMs = 100;
        if (sincePainted_.isValid() && sincePainted_.elapsed() < kPaintEveryMs)
            return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sincePainted_.start();
    }

private:
    QElapsedTimer sincePainted_;
};

} // namespace

MirrorRun runMirror(const SyncSetup& setup, const BatchOrder& order, ComponentSet& components, ProgressWindow& window) {
    struct BusyCursor {
        BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~BusyCursor() { QApplication::restoreOverrideCursor(); }
        BusyCursor(const BusyCursor&) = delete;
        BusyCursor& operator=(const BusyCursor&) = delete;
    } busy;
    WindowSyncConversion conversion(components, window);
    KeepPainting observer;
    LibrarySync sync(setup, order);
    MirrorRun run;
    run.result = sync.run(conversion, observer);
    run.stopped = conversion.stopped();
    return run;
}
