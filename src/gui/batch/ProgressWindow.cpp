#include "ProgressWindow.h"
#include "core/ports/Messages.h"

#include "core/batch/OneAtATimeTally.h"
#include "core/batch/OutputNaming.h"
#include "core/batch/SourceFactsReader.h"
#include "core/batch/WindowSources.h"
#include "core/batch/WorkerDialogs.h"
#include "core/platform/Shell.h"
#include "core/platform/VectorUnit.h"
#include "core/ports/Prompts.h"
#include "gui/common/ErrorReport.h"
#include "gui/common/WindowPlacementHelpers.h"
#include "ui_ProgressWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include <algorithm>

namespace {

void showElided(QLabel& label, const QString& text) {
    label.setText(label.fontMetrics().elidedText(text, Qt::ElideMiddle, label.width()));
    label.setToolTip(text);
}

// Painting leaves the vector registers in a state that slows the codecs down, so they are cleaned before encoding
// goes on.
void processPendingEvents() {
    QCoreApplication::processEvents();
    clearUpperVectorHalves();
}

// Hands each finished output's report on after the window's own view has shown it.
class ForwardingObserver : public EngineObserver {
public:
    ForwardingObserver(EngineObserver& view, const std::function<void(std::size_t, const OutputReport&)>& finished)
        : view_(view), finished_(finished) {}

    void outputStarted(std::size_t output, const QString& source, const QString& destination) override {
        view_.outputStarted(output, source, destination);
    }
    void outputProgress(std::size_t output, int percent) override { view_.outputProgress(output, percent); }
    void outputChecking(std::size_t output, int percent) override { view_.outputChecking(output, percent); }
    void outputFinished(std::size_t output, const OutputReport& report) override {
        view_.outputFinished(output, report);
        if (finished_)
            finished_(output, report);
    }
    void sourceRejected(const QString& message, const QString& caption) override {
        view_.sourceRejected(message, caption);
    }
    void totalProgress(int percent, std::optional<qint64> secondsLeft) override {
        view_.totalProgress(percent, secondsLeft);
    }
    void idle() override { view_.idle(); }

private:
    EngineObserver& view_;
    const std::function<void(std::size_t, const OutputReport&)>& finished_;
};

} // namespace

// The plain run: one output after the other on the UI thread. The window shows the current output's names and
// percentage, and the total as (P + 100 (k − 1)) div N over the planned outputs; a missing source is told at its
// turn, in list order. Every call comes between two blocks of the only worker.
class ProgressWindow::OneAtATimeView : public EngineObserver {
public:
    OneAtATimeView(ProgressWindow& window, std::size_t formatCount, int planned)
        : window_(window), tally_(formatCount, planned) {}

    // Outputs joined the batch, or one left it before its turn.
    void joined(int outputs) { tally_.addPlanned(outputs); }
    void withdrawn() { tally_.withdraw(); }
    [[nodiscard]] std::optional<std::size_t> current() const { return current_; }

    void outputStarted(std::size_t output, const QString& source, const QString& destination) override {
        showPendingProgress();
        current_ = output;
        tally_.outputStarted();
        showElided(*window_.ui->label_from, source);
        showElided(*window_.ui->label_to, destination);
        emit window_.conversionBegun(source, destination);
    }
    // Repainting the bars and labels after every block costs the conversion time on short blocks; the display
    // follows at most every few milliseconds, and always shows an output's end.
    void outputProgress(std::size_t, int percent) override { showSoon({percent, tally_.totalPercent(percent), false}); }
    // Reading the output back follows its conversion; the total stays where the conversion left it.
    void outputChecking(std::size_t, int percent) override { showSoon({percent, tally_.totalPercent(100), true}); }
    void outputFinished(std::size_t output, const OutputReport& report) override {
        const BatchOutput& planned = window_.finished_.plan.at(output);
        window_.outputEnded(output);
        current_.reset();
        if (tally_.tellsMissingSource(output, report))
            window_.tellMissingSource(planned.sourceName);
        if (report.status != OutputStatus::Made)
            window_.ui->progress_output->setValue(0);
        if (const auto refusal = refusalToTell(planned, report))
            window_.tellRefusedSetting(*refusal);
        if (tally_.endsEntry(output)) {
            window_.ui->label_from->clear();
            window_.ui->label_to->clear();
        }
    }
    void sourceRejected(const QString& message, const QString& caption) override {
        window_.tellRejection(message, caption);
    }
    // Painting and the Cancel button work between blocks because pending events are processed here.
    void idle() override { processPendingEvents(); }

private:
    static constexpr qint64 kDisplayIntervalMs = 40;

    struct Shown {
        int outputPercent;
        int totalPercent;
        bool checking;
    };

    void showSoon(const Shown& progress) {
        pending_ = progress;
        if (progress.outputPercent >= 100 || !shown_.isValid() || shown_.elapsed() >= kDisplayIntervalMs)
            showPendingProgress();
    }

    void showPendingProgress() {
        if (!pending_)
            return;
        window_.showProgress(pending_->outputPercent, pending_->totalPercent, pending_->checking);
        pending_.reset();
        shown_.start();
    }

    ProgressWindow& window_;
    OneAtATimeTally tally_;
    std::optional<std::size_t> current_; // the output being made
    std::optional<Shown> pending_;       // not shown yet
    QElapsedTimer shown_;
};

// Outputs side by side: one line per running output, and the total weighted by the sources' lengths with the time
// left. Every call comes on the UI thread, between the workers' blocks.
class ProgressWindow::SideBySideView : public EngineObserver {
public:
    explicit SideBySideView(ProgressWindow& window) : window_(window) {}

    void outputStarted(std::size_t output, const QString& source, const QString& destination) override {
        window_.running_.outputStarted(output, destination);
        window_.showRunningOutputs();
        emit window_.conversionBegun(source, destination);
    }
    void outputProgress(std::size_t output, int percent) override {
        window_.running_.outputProgress(output, percent);
        changed_ = true;
    }
    void outputChecking(std::size_t output, int percent) override {
        window_.running_.outputChecking(output, window_.finished_.plan.at(output).destinationName, percent);
        changed_ = true;
    }
    void outputFinished(std::size_t output, const OutputReport& report) override {
        window_.outputEnded(output);
        window_.running_.outputFinished(output);
        window_.showRunningOutputs();
        if (const auto refusal = refusalToTell(window_.finished_.plan.at(output), report))
            window_.tellRefusedSetting(*refusal);
    }
    void sourceRejected(const QString& message, const QString& caption) override {
        window_.tellRejection(message, caption);
    }
    void totalProgress(int percent, std::optional<qint64> secondsLeft) override {
        window_.running_.totalProgress(percent, secondsLeft);
        changed_ = true;
    }
    // The list is redrawn only when something changed since the last time, not for every block of every worker.
    void idle() override {
        if (std::exchange(changed_, false))
            window_.showRunningOutputs();
        processPendingEvents();
    }

private:
    ProgressWindow& window_;
    bool changed_ = false;
};

ProgressWindow::ProgressWindow(ComponentSet& components, IComponentSetFactory& workerComponents, Prompts& prompts,
                               IShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::ProgressWindow>()), components_(components), workerComponents_(workerComponents),
      prompts_(prompts), shell_(shell) {
    ui->setupUi(this);
    // The main window stays usable while a batch runs.
    setModal(false);
    // The pause button is as wide as the longer of its two texts, so that "Resume" is never cut in a window whose
    // size is fixed while it says "Pause".
    ui->button_pause->setText(tr("Resume"));
    const int resumeWidth = ui->button_pause->sizeHint().width();
    ui->button_pause->setText(tr("Pause"));
    ui->button_pause->setMinimumWidth(std::max(ui->button_pause->minimumWidth(), resumeWidth));
    fixAtContentSize(*this, QSize(404, 141));
    centreOnScreen(*this);
    connectGuarded(prompts_, ui->button_cancel, &QPushButton::clicked, this, [this](bool) { cancelBatch(); });
    connectGuarded(prompts_, ui->button_pause, &QPushButton::clicked, this, [this](bool) { togglePause(); });

    // One output is stopped from its line's menu, or with Delete on the selected line (the current output of the
    // plain run); the action also stands in the window's own menu for a screen reader.
    cancelOutputAction_ = new QAction(tr("Cancel This Output"), this);
    cancelOutputAction_->setObjectName(QStringLiteral("cancelOutputAction"));
    cancelOutputAction_->setShortcut(QKeySequence::Delete);
    cancelOutputAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(cancelOutputAction_);
    connectGuarded(prompts_, cancelOutputAction_, &QAction::triggered, this, [this](bool) { cancelSelectedOutput(); });
    ui->list_running->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->list_running, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QListWidgetItem* item = ui->list_running->itemAt(at))
            ui->list_running->setCurrentItem(item);
        showOutputMenu(at, *ui->list_running);
    });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { showOutputMenu(at, *this); });
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::runBatch(const BatchOrder& order, FormatDialogs& dialogs) {
    if (batchRunning_)
        return;
    order_ = order;
    dialogs_ = &dialogs;
    finished_ = FinishedBatch();
    ended_.clear();
    heldSources_.clear();
    for (const BatchSource& source : order_.sources)
        heldSources_.insert(batchSourceKey(source));
    failure_ = nullptr;
    batchRunning_ = true;
    elapsed_.start();
    show();
    emit batchStarted();
    startBatch();
    hide();
    batchRunning_ = false;
    dialogs_ = nullptr;
    heldSources_.clear();
    setTotalShown(-1);
    emit batchClosed();
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

std::vector<OutputReport>
ProgressWindow::runPlan(const std::vector<BatchOutput>& plan, const BatchOrder& order,
                        const std::function<void(std::size_t, const OutputReport&)>& finished) {
    order_ = order;
    finished_ = FinishedBatch();
    finished_.plan = plan;
    finished_.folderText = order.folderText;
    ended_.assign(plan.size(), false);
    // The run happens in this call, with the window modal while it lasts: the caller goes on with the outcome once
    // it returns. Events are processed between blocks, so painting, Pause and Cancel work as in any batch.
    const Qt::WindowModality modality = windowModality();
    setWindowModality(Qt::ApplicationModal);
    show();
    struct Hiding {
        ProgressWindow& window;
        Qt::WindowModality modality;
        ~Hiding() {
            window.engine_ = nullptr;
            window.oneAtATime_ = nullptr;
            window.hide();
            window.setWindowModality(modality);
            window.setTotalShown(-1);
        }
    } hiding{*this, modality};
    processPendingEvents();

    std::unique_ptr<EngineObserver> view;
    if (order_.runsOneAtATime()) {
        auto oneAtATime = std::make_unique<OneAtATimeView>(*this, order_.formats.size(), static_cast<int>(plan.size()));
        oneAtATime_ = oneAtATime.get();
        view = std::move(oneAtATime);
    } else {
        for (const QString& missing : missingSourcesOf(plan))
            tellMissingSource(missing);
        view = std::make_unique<SideBySideView>(*this);
    }
    ForwardingObserver observer(*view, finished);
    BatchEngine engine(kitMaker(false), observer);
    engine_ = &engine;
    showPauseState();
    finished_.reports = engine.run(plan, order_);
    finished_.cancelled = engine.cancelled();
    if (!finished_.cancelled && order_.runsOneAtATime())
        showProgress(100, 100);
    return finished_.reports;
}

std::optional<int> ProgressWindow::joinBatch(const std::vector<BatchSource>& sources) {
    if (!batchRunning_ || engine_ == nullptr || engine_->cancelled())
        return std::nullopt;
    BatchOrder order = order_;
    order.sources = sources;
    std::vector<BatchOutput> outputs = order.planJoining(
        [this](const QString& source, SourceKind kind, bool readTags) {
            if (order_.runsOneAtATime())
                return SourceFacts{};
            return readSourceFacts(components_, source, kind, readTags);
        },
        finished_.plan);
    const auto first = engine_->join(outputs);
    if (!first)
        return std::nullopt;
    const auto count = static_cast<int>(outputs.size());
    if (oneAtATime_ != nullptr)
        oneAtATime_->joined(count);
    else
        for (const QString& missing : missingSourcesOf(outputs))
            tellMissingSource(missing);
    std::move(outputs.begin(), outputs.end(), std::back_inserter(finished_.plan));
    ended_.resize(finished_.plan.size(), false);
    for (const BatchSource& source : sources)
        heldSources_.insert(batchSourceKey(source));
    return count;
}

bool ProgressWindow::holdsSource(const BatchSource& source) const {
    return batchRunning_ && heldSources_.contains(batchSourceKey(source));
}

// A source leaves the batch only when none of its outputs has started: one whose output runs or ran stays held, so
// that checking its row again and pressing Convert does not make it a second time.
void ProgressWindow::withdrawSources(const std::vector<BatchSource>& sources) {
    if (!batchRunning_ || engine_ == nullptr)
        return;
    QSet<QString> leaving;
    for (const BatchSource& source : sources)
        leaving.insert(batchSourceKey(source));
    QSet<QString> staying;
    for (std::size_t output = 0; output < finished_.plan.size(); ++output) {
        const QString key = batchSourceKey(finished_.plan[output]);
        if (!leaving.contains(key))
            continue;
        if (ended_[output]) {
            staying.insert(key);
        } else if (engine_->skip(output)) {
            if (oneAtATime_ != nullptr)
                oneAtATime_->withdrawn();
        } else if (engine_->outputStarted(output)) {
            staying.insert(key);
        }
    }
    for (const QString& key : leaving) {
        if (!staying.contains(key))
            heldSources_.remove(key);
    }
}

bool ProgressWindow::busyWith(const QString& fileName) const {
    if (!batchRunning_)
        return false;
    for (std::size_t output = 0; output < finished_.plan.size(); ++output) {
        if (ended_[output])
            continue;
        const BatchOutput& planned = finished_.plan[output];
        if (denoteSameFile(planned.sourceName, fileName) ||
            (!planned.destinationName.isEmpty() && denoteSameFile(planned.destinationName, fileName)))
            return true;
    }
    return false;
}

bool ProgressWindow::batchPaused() const {
    return engine_ != nullptr && engine_->paused();
}

void ProgressWindow::outputEnded(std::size_t output) {
    if (output < ended_.size())
        ended_[output] = true;
}

void ProgressWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    resetDisplay();
}

void ProgressWindow::resetDisplay() {
    ui->progress_output->setValue(0);
    ui->progress_total->setValue(0);
    ui->label_processing->setText(tr("Processing"));
    ui->label_total->setText(tr("Total"));
    ui->label_from->clear();
    ui->label_to->clear();
    running_.clear();
    ui->list_running->clear();
    showSideBySideLayout(!order_.runsOneAtATime());
    showPauseState();
}

// With outputs side by side the list of running outputs takes the place of the single output's names and bar.
void ProgressWindow::showSideBySideLayout(bool sideBySide) {
    for (QWidget* single : std::initializer_list<QWidget*>{ui->caption_from, ui->label_from, ui->caption_to,
                                                           ui->label_to, ui->label_processing, ui->progress_output})
        single->setVisible(!sideBySide);
    ui->list_running->setVisible(sideBySide);
}

void ProgressWindow::startBatch() {
    // The error is raised again by runBatch once the window is hidden.
    try {
        runOrderedBatch();
    } catch (...) {
        failure_ = std::current_exception();
        engine_ = nullptr;
        oneAtATime_ = nullptr;
    }
    showPauseState();
}

// Every name is claimed before the first output starts, so no output replaces a source of the batch or another
// output, whichever way the batch runs.
void ProgressWindow::runOrderedBatch() {
    if (dialogs_ == nullptr)
        return;
    const bool plain = order_.runsOneAtATime();
    FinishedBatch batch;
    batch.plan = plan(plain);
    batch.folderText = order_.folderText;
    finished_ = batch;
    ended_.assign(batch.plan.size(), false);

    std::unique_ptr<EngineObserver> view;
    std::unique_ptr<OneAtATimeView> oneAtATime;
    if (plain) {
        oneAtATime = std::make_unique<OneAtATimeView>(*this, order_.formats.size(), order_.plannedOutputCount());
        oneAtATime_ = oneAtATime.get();
    } else {
        for (const QString& missing : missingSourcesOf(batch.plan))
            tellMissingSource(missing);
        view = std::make_unique<SideBySideView>(*this);
    }
    BatchEngine engine(kitMaker(plain), plain ? static_cast<EngineObserver&>(*oneAtATime) : *view);
    engine_ = &engine;
    showPauseState();
    batch.reports = engine.run(finished_.plan, order_);
    engine_ = nullptr;
    oneAtATime_ = nullptr;
    // The plan grew by the outputs that joined while it ran.
    batch.plan = finished_.plan;
    batch.cancelled = engine.cancelled();
    if (batch.cancelled) {
        // Side by side, the files missing when the batch was planned were told before it began.
        const QStringList toldBefore = plain ? QStringList() : missingSourcesOf(batch.plan);
        for (const QString& missing : visitAfterCancel(batch)) {
            if (!toldBefore.contains(missing))
                tellMissingSource(missing);
        }
    }
    finish(std::move(batch));
}

// The plain run's total counts outputs, not lengths, and its names need no tags: its sources are not probed before
// the batch. Otherwise the sources are measured with the main components, which nothing else uses while the window
// is up.
std::vector<BatchOutput> ProgressWindow::plan(bool plain) {
    if (plain)
        return order_.plan([](const QString&, SourceKind, bool) { return SourceFacts{}; });
    return order_.plan([this](const QString& source, SourceKind kind, bool readTags) {
        return readSourceFacts(components_, source, kind, readTags);
    });
}

// Every worker, the plain run's one included, gets a component set of its own that applies the order's format
// settings, its encoder set up from the main one on the UI thread before it starts. The main components stay free
// for the player, the list and the format panes, which the user may work with while the batch runs.
ConversionKitMaker ProgressWindow::kitMaker(bool /*plain*/) {
    return kitsFrom(workerComponents_, workerDialogsMaker(components_, order_.formatSettings));
}

// After Cancel there is no completion message, unless earlier files were kept in place of partial outputs. The
// output folder opens as at a normal end, unless the cancel ended the run before an entry it would have started.
void ProgressWindow::finish(FinishedBatch batch) {
    finished_ = std::move(batch);
    if (!finished_.cancelled)
        showProgress(100, 100);
    emit batchFinished(finished_.made(), finished_.unmade(), elapsed_.elapsed(), finished_.lastOutputFolder());
    if (!finished_.cancelled) {
        prompts_.message(QString(), completionMessage(finished_), Prompts::Icon::Warning);
    } else if (const auto kept = cancelMessage(finished_)) {
        prompts_.message(QString(), *kept, Prompts::Icon::Warning);
    }
    hide();
    const QString folder = finished_.lastOutputFolder();
    if (order_.openFolder && !finished_.endedAtCancel && !folder.isEmpty())
        shell_.open(folder);
}

void ProgressWindow::cancelBatch() {
    if (engine_ != nullptr)
        engine_->cancel();
}

void ProgressWindow::togglePause() {
    if (engine_ == nullptr)
        return;
    if (engine_->paused())
        engine_->resume();
    else
        engine_->pause();
    showPauseState();
}

// The button says what it will do; its accessible name follows, so a screen reader hears the same.
void ProgressWindow::showPauseState() {
    const bool paused = batchPaused();
    const QString text = paused ? tr("Resume") : tr("Pause");
    ui->button_pause->setText(text);
    ui->button_pause->setAccessibleName(text);
    ui->button_pause->setEnabled(engine_ != nullptr);
    cancelOutputAction_->setEnabled(engine_ != nullptr);
    if (paused)
        ui->label_total->setText(Messages::BatchPaused().arg(ui->progress_total->value()));
}

std::optional<std::size_t> ProgressWindow::selectedOutput() const {
    if (oneAtATime_ != nullptr)
        return oneAtATime_->current();
    const QListWidgetItem* item = ui->list_running->currentItem();
    if (item == nullptr || !item->isSelected())
        return std::nullopt;
    return running_.outputAt(ui->list_running->row(item));
}

void ProgressWindow::cancelSelectedOutput() {
    if (engine_ == nullptr)
        return;
    if (const auto output = selectedOutput())
        engine_->cancelOutput(*output);
}

void ProgressWindow::showOutputMenu(const QPoint& at, QWidget& over) {
    if (engine_ == nullptr || !selectedOutput())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("outputMenu"));
    menu.addAction(cancelOutputAction_);
    menu.exec(over.mapToGlobal(at));
}

void ProgressWindow::setTotalShown(int percent) {
    if (percent == totalShown_)
        return;
    totalShown_ = percent;
    emit totalProgressChanged(percent);
}

void ProgressWindow::reject() {
    cancelBatch();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    if (engine_ != nullptr) {
        cancelBatch();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ProgressWindow::showProgress(int outputPercent, int totalPercent, bool checking) {
    ui->progress_output->setValue(outputPercent);
    ui->progress_total->setValue(totalPercent);
    const QString stage = checking ? tr("Checking %1%") : tr("Processing %1%");
    ui->label_processing->setText(stage.arg(ui->progress_output->value()));
    ui->label_total->setText(Messages::TotalProgress().arg(ui->progress_total->value()));
    setTotalShown(ui->progress_total->value());
    if (batchPaused())
        showPauseState();
}

void ProgressWindow::showRunningOutputs() {
    const QStringList lines = running_.lines();
    const QStringList names = running_.destinations();
    QListWidget& list = *ui->list_running;
    // The selection stays on its output when lines above it go.
    const std::optional<std::size_t> selected = oneAtATime_ == nullptr ? selectedOutput() : std::nullopt;
    while (list.count() > lines.size())
        std::unique_ptr<QListWidgetItem>(list.takeItem(list.count() - 1)).reset();
    for (int row = 0; row < lines.size(); ++row) {
        if (row == list.count())
            list.addItem(QString());
        QListWidgetItem& item = *list.item(row);
        item.setText(lines[row]);
        item.setToolTip(names[row]);
        item.setSelected(selected && running_.outputAt(row) == selected);
        if (item.isSelected())
            list.setCurrentItem(&item);
    }
    ui->progress_total->setValue(running_.totalPercent());
    ui->label_total->setText(running_.totalText());
    setTotalShown(running_.totalPercent());
    if (batchPaused())
        showPauseState();
    emit runningOutputsChanged(static_cast<int>(lines.size()));
}

void ProgressWindow::tellMissingSource(const QString& sourceName) {
    prompts_.message(Messages::ErrorCaption(), Messages::SourceNotFound() + sourceName, Prompts::Icon::Warning);
}

void ProgressWindow::tellRejection(const QString& message, const QString& caption) {
    prompts_.message(caption, message, Prompts::Icon::Error);
}

// A format setting the component refuses is told in a plain box, as the dialog's own Apply tells it.
void ProgressWindow::tellRefusedSetting(const QString& message) {
    prompts_.message(QString(), message, Prompts::Icon::None);
}
