#include "Tconvert.h"

#include "platform/Shell.h"
#include "platform/VectorUnit.h"
#include "ui/Prompts.h"
#include "ui/WindowPlacementHelpers.h"
#include "ui_Tconvert.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>

namespace {

void showElided(QLabel& label, const QString& text) {
    label.setText(label.fontMetrics().elidedText(text, Qt::ElideMiddle, label.width()));
    label.setToolTip(text);
}

} // namespace

Tconvert::Tconvert(ComponentSet& components, Prompts& prompts, IShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ui(std::make_unique<Ui::Tconvert>()),
      components_(components), prompts_(prompts), shell_(shell) {
    ui->setupUi(this);
    setFixedSize(404, 141);
    centreOnScreen(*this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &Tconvert::Timer1Timer);
    connect(ui->button_cancel, &QPushButton::clicked, this, &Tconvert::button_cancelClick);
}

Tconvert::~Tconvert() = default;

void Tconvert::runBatch(const BatchRequest& request, FormatDialogs& dialogs) {
    request_ = request;
    dialogs_ = &dialogs;
    outcome_ = BatchOutcome();
    failure_ = nullptr;
    exec();
    dialogs_ = nullptr;
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

void Tconvert::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void Tconvert::FormShow() {
    ui->progressconvert->setValue(0);
    ui->progresstotal->setValue(0);
    ui->label_processing->setText(QStringLiteral("Processing"));
    ui->label_total->setText(QStringLiteral("Total"));
    ui->label_from->clear();
    ui->Label_to->clear();
    Timer1->start();
}

void Tconvert::Timer1Timer() {
    Timer1->stop();
    // Nothing may escape into the event loop: the error is raised again by runBatch once the window has closed.
    try {
        go();
    } catch (...) {
        failure_ = std::current_exception();
        batch_ = nullptr;
        done(QDialog::Rejected);
    }
}

void Tconvert::go() {
    if (dialogs_ == nullptr)
        return;
    BatchRun batch(components_, *dialogs_, *this);
    batch_ = &batch;
    outcome_ = batch.run(request_);
    batch_ = nullptr;
    finish();
}

void Tconvert::finish() {
    if (!outcome_.cancelled) {
        showProgress(100, 100);
        prompts_.message(QString(), completionMessage(outcome_), Prompts::Icon::Warning);
    }
    done(QDialog::Accepted);
    if (request_.openFolder && !outcome_.endedEarly && !outcome_.lastOutputFolder.isEmpty())
        shell_.open(outcome_.lastOutputFolder);
}

void Tconvert::button_cancelClick() {
    if (batch_ != nullptr)
        batch_->cancel();
}

void Tconvert::reject() {
    button_cancelClick();
}

void Tconvert::closeEvent(QCloseEvent* event) {
    if (batch_ != nullptr) {
        button_cancelClick();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void Tconvert::showProgress(int outputPercent, int totalPercent) {
    ui->progressconvert->setValue(outputPercent);
    ui->progresstotal->setValue(totalPercent);
    ui->label_processing->setText(QStringLiteral("Processing %1%").arg(ui->progressconvert->value()));
    ui->label_total->setText(QStringLiteral("Total %1%").arg(ui->progresstotal->value()));
}

void Tconvert::sourceMissing(const QString& sourceName) {
    prompts_.message(QStringLiteral("Error"), QStringLiteral("Can not find out the source file:") + sourceName,
                     Prompts::Icon::Warning);
}

void Tconvert::outputStarted(const QString& sourceName, const QString& destinationName) {
    showElided(*ui->label_from, sourceName);
    showElided(*ui->Label_to, destinationName);
    emit conversionBegun(sourceName, destinationName);
}

// Painting and the Cancel button work between blocks because pending events are processed here. Painting leaves
// the vector registers in a state that slows the codecs down, so they are cleaned before encoding goes on.
void Tconvert::progressChanged(int outputPercent, int totalPercent) {
    showProgress(outputPercent, totalPercent);
    QCoreApplication::processEvents();
    clearUpperVectorHalves();
}

void Tconvert::outputProgressReset() {
    ui->progressconvert->setValue(0);
}

void Tconvert::conversionFailed(const QString& message, const QString& caption) {
    prompts_.message(caption, message, Prompts::Icon::Error);
}

void Tconvert::sourceDone() {
    ui->label_from->clear();
    ui->Label_to->clear();
}
