#pragma once

#include "core/batch/BatchRun.h"
#include "core/batch/WorkerBatch.h"

#include <QDialog>
#include <QTimer>
#include <exception>
#include <memory>

class IComponentSetFactory;
class IShell;
class Prompts;

namespace Ui {
class ProgressWindow;
}

// The progress window of a batch. It runs the batch once it is on screen (a 1 ms timer), shows the current and the
// total progress, and forwards Cancel. The plain run converts one output after the other on the UI thread; a batch
// with more outputs at once, evened-out loudness or another rule for existing outputs runs on the engine's workers,
// each with a component set of its own from the factory, and the window then lists the outputs running. It stays
// for the whole run of the program and is shown again for every batch.
class ProgressWindow : public QDialog, private BatchObserver {
    Q_OBJECT
public:
    ProgressWindow(ComponentSet& components, IComponentSetFactory& workerComponents, Prompts& prompts, IShell& shell,
                   QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Shows the window modally and runs the batch in it; returns once the window has closed. An error nobody
    // handled on the way is raised here, after the window has closed.
    void runBatch(const BatchRequest& request, FormatDialogs& dialogs);

    [[nodiscard]] Ui::ProgressWindow& form() { return *ui; }
    [[nodiscard]] const BatchOutcome& lastOutcome() const { return outcome_; }
    [[nodiscard]] bool isRunning() const {
        return (batch_ != nullptr && batch_->isRunning()) || (engine_ != nullptr && !engine_->cancelled());
    }

signals:
    // A conversion has created its output; tests and the screenshot tool act on it.
    void conversionBegun(const QString& sourceName, const QString& destinationName);
    // The list of running outputs changed; only while the engine's workers run the batch.
    void runningOutputsChanged(int count);

public slots:
    void FormShow();
    void Timer1Timer();
    void go();
    void button_cancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape cancels the batch instead of hiding the window under a running batch.
    void reject() override;

private:
    class EngineView;

    void runOnWorkers();
    void showProgress(int outputPercent, int totalPercent);
    void showRunningOutputs();
    void showWorkerLayout(bool workers);
    void finish();

    void sourceMissing(const QString& sourceName) override;
    void outputStarted(const QString& sourceName, const QString& destinationName) override;
    void progressChanged(int outputPercent, int totalPercent) override;
    void outputProgressReset() override;
    void conversionFailed(const QString& message, const QString& caption) override;
    void sourceDone() override;

    std::unique_ptr<Ui::ProgressWindow> ui;
    ComponentSet& components_;
    IComponentSetFactory& workerComponents_;
    Prompts& prompts_;
    IShell& shell_;
    QTimer* Timer1 = nullptr;
    BatchRequest request_;
    FormatDialogs* dialogs_ = nullptr;
    BatchRun* batch_ = nullptr;
    BatchEngine* engine_ = nullptr;
    RunningOutputsDisplay running_;
    BatchOutcome outcome_;
    std::exception_ptr failure_;
};
