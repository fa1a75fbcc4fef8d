#pragma once

#include "core/batch/BatchOrder.h"
#include "core/batch/BatchOutcome.h"
#include "core/batch/RunningOutputsDisplay.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QSet>
#include <QTimer>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class IComponentSetFactory;
class IShell;
class Prompts;
class QAction;

namespace Ui {
class ProgressWindow;
}

// The progress window of a batch. It shows beside the main window, which stays usable while the batch runs: the
// batch's engine runs on the UI thread and lets the window's events through between blocks. It shows the current and
// the total progress and forwards Pause, Cancel for one output and Cancel for all. Every batch runs through the
// engine with component sets of its own from the factory, so that the player, the list and the format panes can use
// the main components meanwhile. The plain run is its one worker on the UI thread; a batch with more outputs at once,
// evened-out loudness or another rule for existing outputs gets worker threads, and the window then lists the
// outputs running. Sources can join a running batch and pending ones leave it. It stays for the whole run of the
// program and is shown again for every batch.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    ProgressWindow(ComponentSet& components, IComponentSetFactory& workerComponents, Prompts& prompts, IShell& shell,
                   QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Shows the window and runs the batch in it; returns once the batch is over and the window hidden. The order has
    // passed its checks and its output folder exists. An error nobody handled on the way is raised here, after the
    // window has been hidden. Does nothing while a batch runs: work joins it through joinBatch.
    void runBatch(const BatchOrder& order, FormatDialogs& dialogs);
    // Shows the window modally over a plan made elsewhere (a mirrored library names its own outputs) and runs it on
    // component sets of the factory that take the order's format settings; returns the reports once the run has ended.
    // `finished` hears each output's report as it comes. No box is shown at the end: the caller tells the outcome;
    // lastBatch() says whether Cancel ended the run.
    std::vector<OutputReport> runPlan(const std::vector<BatchOutput>& plan, const BatchOrder& order,
                                      const std::function<void(std::size_t, const OutputReport&)>& finished);

    // True from the start of runBatch until it returns.
    [[nodiscard]] bool batchRunning() const { return batchRunning_; }
    // The sources, planned with the running batch's order and names claimed against it, join its end. Returns the
    // number of outputs that joined; nothing when the batch takes no more work (none runs, it was cancelled, or it is
    // past its last output).
    std::optional<int> joinBatch(const std::vector<BatchSource>& sources);
    // Whether a source of this row or track is in the running batch and has not left it.
    [[nodiscard]] bool holdsSource(const BatchSource& source) const;
    // The outputs of these sources that have not started are not made; the sources may join again later.
    void withdrawSources(const std::vector<BatchSource>& sources);
    // Whether the file is a source or an output of the running batch whose output has not ended yet.
    [[nodiscard]] bool busyWith(const QString& fileName) const;
    [[nodiscard]] bool batchPaused() const;

    [[nodiscard]] Ui::ProgressWindow& form() { return *ui; }
    [[nodiscard]] const FinishedBatch& lastBatch() const { return finished_; }

signals:
    // A conversion has created its output; tests and the screenshot tool act on it.
    void conversionBegun(const QString& sourceName, const QString& destinationName);
    // The list of running outputs changed; only while outputs run side by side.
    void runningOutputsChanged(int count);
    // The total percentage shown changed, 0..100; -1 once the batch is over and the window hidden.
    void totalProgressChanged(int percent);
    // Once per batch, when its last output has ended, before the completion message: how many outputs were made and
    // how many were not (skipped or failed), how long it ran, and the folder of its last output (empty when none).
    void batchFinished(int made, int notMade, qint64 elapsedMs, const QString& outputFolder);
    // runBatch has shown the window and is about to plan and start the batch.
    void batchStarted();
    // runBatch is about to return: the window is hidden and nothing of the batch runs any more.
    void batchClosed();

public slots:
    void cancelBatch();
    void togglePause();
    // Stops one output (the selected line of the running outputs, or the current output of the plain run); the
    // others go on.
    void cancelSelectedOutput();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape cancels the batch instead of hiding the window under a running batch.
    void reject() override;

private:
    class OneAtATimeView;
    class SideBySideView;

    void resetDisplay();
    void startBatch();
    void runOrderedBatch();
    void showPauseState();
    void showOutputMenu(const QPoint& at, QWidget& over);
    void outputEnded(std::size_t output);
    void setTotalShown(int percent);
    [[nodiscard]] std::optional<std::size_t> selectedOutput() const;
    [[nodiscard]] std::vector<BatchOutput> plan(bool plain);
    [[nodiscard]] ConversionKitMaker kitMaker(bool plain);
    void finish(FinishedBatch batch);
    // The output's bar and label show its conversion, or the check that reads it back.
    void showProgress(int outputPercent, int totalPercent, bool checking = false);
    void showRunningOutputs();
    void showSideBySideLayout(bool sideBySide);
    void tellMissingSource(const QString& sourceName);
    void tellRejection(const QString& message, const QString& caption);
    void tellRefusedSetting(const QString& message);

    std::unique_ptr<Ui::ProgressWindow> ui;
    ComponentSet& components_;
    IComponentSetFactory& workerComponents_;
    Prompts& prompts_;
    IShell& shell_;
    QAction* cancelOutputAction_ = nullptr;
    BatchOrder order_;
    FormatDialogs* dialogs_ = nullptr;
    BatchEngine* engine_ = nullptr;
    OneAtATimeView* oneAtATime_ = nullptr; // the plain run's view while it runs
    RunningOutputsDisplay running_;
    FinishedBatch finished_;
    std::vector<bool> ended_;   // by output: its turn is over
    QSet<QString> heldSources_; // the keys of the batch's sources that have not left it
    bool batchRunning_ = false;
    int totalShown_ = -1;
    QElapsedTimer elapsed_;
    std::exception_ptr failure_;
};
