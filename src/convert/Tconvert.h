#pragma once

#include "BatchRun.h"

#include <QDialog>
#include <QTimer>
#include <exception>
#include <memory>

class IShell;
class Prompts;

namespace Ui {
class Tconvert;
}

// The progress window of a batch. It runs the batch on the UI thread once it is on screen (a 1 ms timer), shows the
// current and the total progress, and forwards Cancel. It stays for the whole run of the program and is shown again
// for every batch.
class Tconvert : public QDialog, private BatchObserver {
    Q_OBJECT
public:
    Tconvert(ComponentSet& components, Prompts& prompts, IShell& shell, QWidget* parent = nullptr);
    ~Tconvert() override;

    // Shows the window modally and runs the batch in it; returns once the window has closed. An error nobody
    // handled on the way is raised here, after the window has closed.
    void runBatch(const BatchRequest& request, FormatDialogs& dialogs);

    [[nodiscard]] Ui::Tconvert& form() { return *ui; }
    [[nodiscard]] const BatchOutcome& lastOutcome() const { return outcome_; }
    [[nodiscard]] bool isRunning() const { return batch_ != nullptr && batch_->isRunning(); }

signals:
    // A conversion has created its output; tests and the screenshot tool act on it.
    void conversionBegun(const QString& sourceName, const QString& destinationName);

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
    void showProgress(int outputPercent, int totalPercent);
    void finish();

    void sourceMissing(const QString& sourceName) override;
    void outputStarted(const QString& sourceName, const QString& destinationName) override;
    void progressChanged(int outputPercent, int totalPercent) override;
    void outputProgressReset() override;
    void conversionFailed(const QString& message, const QString& caption) override;
    void sourceDone() override;

    std::unique_ptr<Ui::Tconvert> ui;
    ComponentSet& components_;
    Prompts& prompts_;
    IShell& shell_;
    QTimer* Timer1 = nullptr;
    BatchRequest request_;
    FormatDialogs* dialogs_ = nullptr;
    BatchRun* batch_ = nullptr;
    BatchOutcome outcome_;
    std::exception_ptr failure_;
};
