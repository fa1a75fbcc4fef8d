#include "ConversionListPanel.h"

#include "core/list/ConversionListModel.h"
#include "core/ports/Prompts.h"
#include "gui/common/ErrorReport.h"
#include "ui_ConversionListPanel.h"

#include "core/settings/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>

namespace {
// Below this many files an add is over before anyone would look for a progress bar.
constexpr int ProgressThreshold = 20;
// The longest the window goes without a repaint while files come in.
constexpr int RepaintIntervalMs = 40;
} // namespace

ConversionListPanel::ConversionListPanel(AppContext& context, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ConversionListPanel>()), context_(context),
      model_(new ConversionListModel(this)), intake_(context.components, context.prompts) {
    ui->setupUi(this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("AddProgress"));
    progress_->setFormat(QStringLiteral("Adding files: %v of %m"));
    progress_->setAccessibleName(QStringLiteral("Adding files"));
    progress_->hide();
    layout()->addWidget(progress_);
    ui->ListView1->setModel(model_);
    ui->ListView1->setAccessibleName(QStringLiteral("Conversion list"));
    const int widths[] = {40, 150, 60, 40, 255, 800};
    for (int column = 0; column < ConversionListModel::ColumnCount; ++column)
        ui->ListView1->header()->resizeSection(column, widths[column]);
    connectGuarded(context_.prompts, ui->ListView1, &QAbstractItemView::doubleClicked, this,
                   [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
    // Queued, so the program that dragged the files is free again before they are probed.
    connect(
        ui->ListView1, &ConversionListView::namesDropped, this,
        [this](const QStringList& names) { guarded(context_.prompts, [&] { addFiles(names); }); },
        Qt::QueuedConnection);
    connect(ui->ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (popupMenu_)
            popupMenu_->popup(ui->ListView1->viewport()->mapToGlobal(at));
    });
}

ConversionListPanel::~ConversionListPanel() = default;

int ConversionListPanel::rowCount() const {
    return model_->rowCount();
}

int ConversionListPanel::selectedRow() const {
    const QModelIndexList rows = ui->ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ConversionListPanel::selectRow(int row) {
    if (row < 0 || row >= rowCount()) {
        ui->ListView1->clearSelection();
        return;
    }
    ui->ListView1->setCurrentIndex(model_->index(row, 0));
}

const ConversionRow& ConversionListPanel::row(int row) const {
    return model_->list().at(row);
}

std::vector<int> ConversionListPanel::checkedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (model_->list().at(row).checked)
            rows.push_back(row);
    }
    return rows;
}

std::optional<QString> ConversionListPanel::selectedFullName() const {
    const int row = selectedRow();
    if (row < 0)
        return std::nullopt;
    return model_->list().at(row).fullName;
}

void ConversionListPanel::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

void ConversionListPanel::loadDragPicture() {
    const QString picturePath = context_.locations.programFolder + QStringLiteral("drag.bmp");
    QPixmap picture;
    if (!picture.load(picturePath))
        context_.prompts.reportError(
            QStringLiteral("Cannot open file \"%1\".").arg(QDir::toNativeSeparators(picturePath)));
    ui->ListView1->setDragPicture(picture);
}

const QPixmap& ConversionListPanel::dragPicture() const {
    return ui->ListView1->dragPicture();
}

void ConversionListPanel::addfile(const QString& fullName) {
    if (auto row = intake_.addfile(model_->list(), fullName, context_.settings.values().checkItem))
        model_->append(std::move(*row));
}

void ConversionListPanel::addFiles(const QStringList& names) {
    waiting_ += filesToAdd(names);
    if (adding_)
        return;
    adding_ = true;
    int done = 0;
    sinceRepaint_.start();
    try {
        while (!waiting_.isEmpty()) {
            const int total = done + static_cast<int>(waiting_.size());
            addfile(waiting_.takeFirst());
            keepWindowAlive(++done, total);
        }
    } catch (...) {
        waiting_.clear();
        adding_ = false;
        progress_->hide();
        throw;
    }
    adding_ = false;
    progress_->hide();
}

void ConversionListPanel::keepWindowAlive(int done, int total) {
    if (sinceRepaint_.elapsed() < RepaintIntervalMs)
        return;
    if (total >= ProgressThreshold)
        showProgress(done, total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.restart();
}

void ConversionListPanel::showProgress(int done, int total) {
    progress_->setMaximum(total);
    progress_->setValue(done);
    progress_->show();
}

void ConversionListPanel::Add2Click() {
    const QStringList chosen = context_.prompts.pickFilesToOpen(QStringLiteral("Open"), addDialogFilters());
    if (!chosen.isEmpty())
        addFiles(chosen);
}

void ConversionListPanel::Remove2Click() {
    const int selected = selectedRow();
    if (selected < 0)
        return;
    model_->removeAt(selected);
    ui->ListView1->clearSelection();
    ui->ListView1->selectionModel()->clearCurrentIndex();
    if (selected > 0)
        selectRow(selected - 1);
}

void ConversionListPanel::RemoveAll1Click() {
    model_->clear();
}
