#pragma once

#include "core/batch/BatchOrder.h"
#include "core/batch/BatchOutcome.h"
#include "core/batch/RunningOutputsDisplay.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <exception>
#include <functional>
#include <memory>

class IComponentSetFactory;
class IShell;
class Prompts;

namespace Ui {
class ProgressWindow;
}

// The progress window of a batch. It runs the batch once it is on screen (a 1 ms timer), shows the current and the
// total progress, and forwards Cancel. Every batch runs through the engine. The plain run is its one worker on the
// UI thread with the main components and option dialogs; a batch with more outputs at once, evened-out loudness or
// another rule for existing outputs gets workers with component sets of their own from the factory, and the window
// then lists the outputs running. It stays for the whole run of the program and is shown again for every batch.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    ProgressWindow(ComponentSet& components, IComponentSetFactory& workerComponents, Prompts& prompts, IShell& shell,
                   QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Shows the window modally and runs the batch in it; returns once the window has closed. The order has passed
    // its checks and its output folder exists. An error nobody handled on the way is raised here, after the window
    // has closed.
    void runBatch(const BatchOrder& order, FormatDialogs& dialogs);
    // Shows the window modally over a plan made elsewhere (a mirrored library names its own outputs) and runs it on
    // component sets of the factory that take the order's format settings; returns the reports once the run has ended.
    // `finished` hears each output's report as it comes. No box is shown at the end: the caller tells the outcome;
    // lastBatch() says whether Cancel ended the run.
    std::vector<OutputReport> runPlan(const std::vector<BatchOutput>& plan, const BatchOrder& order,
                                      const std::function<void(std::size_t, const OutputReport&)>& finished);

    [[nodiscard]] Ui::ProgressWindow& form() { return *ui; }
    [[nodiscard]] const FinishedBatch& lastBatch() const { return finished_; }

signals:
    // A conversion has created its output; tests and the screenshot tool act on it.
    void conversionBegun(const QString& sourceName, const QString& destinationName);
    // The list of running outputs changed; only while outputs run side by side.
    void runningOutputsChanged(int count);
    // The total shown changed; -1 once the batch is over.
    void totalProgressChanged(int percent);
    // Once at the end of every batch, cancelled or not.
    void batchFinished(int made, int notMade, qint64 elapsedMs, const QString& outputFolder);

public slots:
    void cancelBatch();

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
    QTimer* startTimer_ = nullptr;
    BatchOrder order_;
    FormatDialogs* dialogs_ = nullptr;
    BatchEngine* engine_ = nullptr;
    RunningOutputsDisplay running_;
    FinishedBatch finished_;
    std::exception_ptr failure_;
    QElapsedTimer runTime_;
};
