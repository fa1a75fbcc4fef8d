#include "ProgressWindow.h"

#include "core/batch/SourceFactsReader.h"
#include "core/formats/DefaultFormatDialogs.h"
#include "core/platform/Shell.h"
#include "core/platform/VectorUnit.h"
#include "core/ports/Prompts.h"
#include "gui/common/ErrorReport.h"
#include "gui/common/WindowPlacementHelpers.h"
#include "ui_ProgressWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>

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

} // namespace

// What the engine reports, shown in the window. Every call comes on the UI thread, between the workers' blocks.
class ProgressWindow::EngineView : public EngineObserver {
public:
    EngineView(ProgressWindow& window, const std::vector<BatchOutput>& plan) : window_(window), plan_(plan) {}

    void outputStarted(std::size_t output, const QString& source, const QString& destination) override {
        window_.running_.outputStarted(output, destination);
        window_.showRunningOutputs();
        emit window_.conversionBegun(source, destination);
    }
    void outputProgress(std::size_t output, int percent) override {
        window_.running_.outputProgress(output, percent);
        changed_ = true;
    }
    void outputFinished(std::size_t output, const OutputReport& report) override {
        window_.running_.outputFinished(output);
        window_.showRunningOutputs();
        if (const auto refusal = refusalToTell(plan_.at(output), report))
            window_.conversionFailed(*refusal, QString());
    }
    void sourceRejected(const QString& message, const QString& caption) override {
        window_.conversionFailed(message, caption);
    }
    void totalProgress(int percent, std::optional<qint64> secondsLeft) override {
        window_.running_.totalProgress(percent, secondsLeft);
        changed_ = true;
    }
    // Painting and the Cancel button work while the workers convert because pending events are processed here.
    void idle() override {
        if (std::exchange(changed_, false))
            window_.showRunningOutputs();
        processPendingEvents();
    }

private:
    ProgressWindow& window_;
    const std::vector<BatchOutput>& plan_;
    bool changed_ = false;
};

ProgressWindow::ProgressWindow(ComponentSet& components, IComponentSetFactory& workerComponents, Prompts& prompts,
                               IShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::ProgressWindow>()), components_(components), workerComponents_(workerComponents),
      prompts_(prompts), shell_(shell) {
    ui->setupUi(this);
    setFixedSize(404, 141);
    centreOnScreen(*this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &ProgressWindow::Timer1Timer);
    connectGuarded(prompts_, ui->button_cancel, &QPushButton::clicked, this, [this](bool) { button_cancelClick(); });
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::runBatch(const BatchRequest& request, FormatDialogs& dialogs) {
    request_ = request;
    dialogs_ = &dialogs;
    outcome_ = BatchOutcome();
    failure_ = nullptr;
    exec();
    dialogs_ = nullptr;
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

void ProgressWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void ProgressWindow::FormShow() {
    ui->progressconvert->setValue(0);
    ui->progresstotal->setValue(0);
    ui->label_processing->setText(QStringLiteral("Processing"));
    ui->label_total->setText(QStringLiteral("Total"));
    ui->label_from->clear();
    ui->Label_to->clear();
    running_.clear();
    ui->list_running->clear();
    showWorkerLayout(!request_.preferences.plain());
    Timer1->start();
}

// With outputs side by side the list of running outputs takes the place of the single output's names and bar.
void ProgressWindow::showWorkerLayout(bool workers) {
    for (QWidget* single : std::initializer_list<QWidget*>{ui->Label1, ui->label_from, ui->Label2, ui->Label_to,
                                                           ui->label_processing, ui->progressconvert})
        single->setVisible(!workers);
    ui->list_running->setVisible(workers);
}

void ProgressWindow::Timer1Timer() {
    Timer1->stop();
    // Nothing may escape into the event loop: the error is raised again by runBatch once the window has closed.
    try {
        go();
    } catch (...) {
        failure_ = std::current_exception();
        batch_ = nullptr;
        engine_ = nullptr;
        done(QDialog::Rejected);
    }
}

void ProgressWindow::go() {
    if (dialogs_ == nullptr)
        return;
    if (request_.preferences.plain()) {
        BatchRun batch(components_, *dialogs_, *this);
        batch_ = &batch;
        outcome_ = batch.run(request_);
        batch_ = nullptr;
    } else {
        runOnWorkers();
    }
    finish();
}

// Every name is claimed before the first output starts; the sources are measured with the main components, which
// nothing else uses while the window is up. Each worker gets its own component set and its own copy of the option
// dialogs' choices, made here on the UI thread before the workers start.
void ProgressWindow::runOnWorkers() {
    const std::vector<BatchOutput> plan =
        planWindowBatch(request_, [this](const QString& source, SourceKind kind, bool readTags) {
            return readSourceFacts(components_, source, kind, readTags);
        });
    for (const QString& missing : missingSourcesOf(plan))
        sourceMissing(missing);

    FormatDialogsMaker makeDialogs = request_.workerDialogs;
    if (!makeDialogs)
        makeDialogs = [](ComponentSet& components) { return std::make_unique<DefaultFormatDialogs>(components); };
    EngineView view(*this, plan);
    BatchEngine engine(kitsFrom(workerComponents_, std::move(makeDialogs)), view);
    engine_ = &engine;
    const std::vector<OutputReport> reports = engine.run(plan, engineSettingsOf(request_), request_.preferences.jobs);
    engine_ = nullptr;
    outcome_ = outcomeOfReports(request_, plan, reports, engine.cancelled());
}

void ProgressWindow::finish() {
    if (!outcome_.cancelled) {
        showProgress(100, 100);
        prompts_.message(QString(), completionMessage(outcome_), Prompts::Icon::Warning);
    }
    done(QDialog::Accepted);
    if (request_.openFolder && !outcome_.endedEarly && !outcome_.lastOutputFolder.isEmpty())
        shell_.open(outcome_.lastOutputFolder);
}

void ProgressWindow::button_cancelClick() {
    if (batch_ != nullptr)
        batch_->cancel();
    if (engine_ != nullptr)
        engine_->cancel();
}

void ProgressWindow::reject() {
    button_cancelClick();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    if (batch_ != nullptr || engine_ != nullptr) {
        button_cancelClick();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ProgressWindow::showProgress(int outputPercent, int totalPercent) {
    ui->progressconvert->setValue(outputPercent);
    ui->progresstotal->setValue(totalPercent);
    ui->label_processing->setText(QStringLiteral("Processing %1%").arg(ui->progressconvert->value()));
    ui->label_total->setText(QStringLiteral("Total %1%").arg(ui->progresstotal->value()));
}

void ProgressWindow::showRunningOutputs() {
    const QStringList lines = running_.lines();
    const QStringList names = running_.destinations();
    QListWidget& list = *ui->list_running;
    while (list.count() > lines.size())
        std::unique_ptr<QListWidgetItem>(list.takeItem(list.count() - 1)).reset();
    for (int row = 0; row < lines.size(); ++row) {
        if (row == list.count())
            list.addItem(QString());
        QListWidgetItem& item = *list.item(row);
        item.setText(lines[row]);
        item.setToolTip(names[row]);
    }
    ui->progresstotal->setValue(running_.totalPercent());
    ui->label_total->setText(running_.totalText());
    emit runningOutputsChanged(static_cast<int>(lines.size()));
}

void ProgressWindow::sourceMissing(const QString& sourceName) {
    prompts_.message(QStringLiteral("Error"), QStringLiteral("Can not find out the source file:") + sourceName,
                     Prompts::Icon::Warning);
}

void ProgressWindow::outputStarted(const QString& sourceName, const QString& destinationName) {
    showElided(*ui->label_from, sourceName);
    showElided(*ui->Label_to, destinationName);
    emit conversionBegun(sourceName, destinationName);
}

// Painting and the Cancel button work between blocks because pending events are processed here.
void ProgressWindow::progressChanged(int outputPercent, int totalPercent) {
    showProgress(outputPercent, totalPercent);
    processPendingEvents();
}

void ProgressWindow::outputProgressReset() {
    ui->progressconvert->setValue(0);
}

void ProgressWindow::conversionFailed(const QString& message, const QString& caption) {
    prompts_.message(caption, message, Prompts::Icon::Error);
}

void ProgressWindow::sourceDone() {
    ui->label_from->clear();
    ui->Label_to->clear();
}
