#include "ConversionListPanel.h"

#include "core/list/ConversionListModel.h"
#include "core/ports/Prompts.h"
#include "gui/common/ErrorReport.h"
#include "ui_ConversionListPanel.h"

#include "core/settings/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

namespace {
// Below this many files an add is over before anyone would look for a progress bar.
constexpr int ProgressThreshold = 20;
// The longest the window goes without a repaint while files come in.
constexpr int RepaintIntervalMs = 40;
// The longest a slice of files added in the background keeps the UI thread.
constexpr int BackgroundSliceMs = 6;
// The rest between two slices while a batch runs. A batch keeps every core busy, so each slice is time taken from
// its workers, and probing a file costs a millisecond or more: at one slice in sixteen, files still come in by the
// dozen a second and the batch loses a few percent at most. The files left when it ends come in at full pace.
constexpr int BesideBatchRestMs = 15 * BackgroundSliceMs;
// How often the progress bar of files added in the background moves.
constexpr int BackgroundProgressMs = 500;
} // namespace

ConversionListPanel::ConversionListPanel(AppContext& context, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ConversionListPanel>()), context_(context),
      model_(new ConversionListModel(this)), intake_(context.components, context.prompts),
      trackIntake_(intake_, context.prompts) {
    ui->setupUi(this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("AddProgress"));
    progress_->setFormat(tr("Adding files: %v of %m"));
    progress_->setAccessibleName(tr("Adding files"));
    progress_->hide();
    layout()->addWidget(progress_);
    ui->conversionListView->setModel(model_);
    ui->conversionListView->setAccessibleName(tr("Conversion list"));
    const int widths[] = {40, 150, 60, 40, 255, 800};
    for (int column = 0; column < ConversionListModel::ColumnCount; ++column)
        ui->conversionListView->header()->resizeSection(column, widths[column]);
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { fitShortColumnsToRows(first, last); });
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                fitShortColumnsToRows(topLeft.row(), bottomRight.row());
            });
    // A wider list has room for more of a long file name.
    connect(ui->conversionListView, &ConversionListView::viewportResized, this, [this] { fitFileNameColumn(); });
    connect(ui->conversionListView->header(), &QHeaderView::sectionResized, this, [this](int column) {
        if (!fittingColumns_)
            userSizedColumns_.insert(column);
    });
    connectGuarded(context_.prompts, ui->conversionListView, &QAbstractItemView::doubleClicked, this,
                   [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
    // Queued, so the program that dragged the files is free again before they are probed.
    connect(
        ui->conversionListView, &ConversionListView::namesDropped, this,
        [this](const QStringList& names) { guarded(context_.prompts, [&] { addFiles(names); }); },
        Qt::QueuedConnection);
    connect(ui->conversionListView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (popupMenu_)
            popupMenu_->popup(ui->conversionListView->viewport()->mapToGlobal(at));
    });
}

ConversionListPanel::~ConversionListPanel() = default;

// The number, size and time columns start narrow and would show "..." at the desktop's font: as rows come in each
// widens to what its texts and heading need. The file name, which tells the rows apart, widens to what the longest
// name needs, up to half the list, so the columns after it stay in sight. Only wider, and never a column the user has
// sized, so their widths stay. Only the rows that came in or changed are measured: measuring every row for each one
// added made a drop of a thousand files slow down as the list grew.
void ConversionListPanel::fitShortColumnsToRows(int first, int last) {
    ConversionListView& view = *ui->conversionListView;
    QHeaderView& header = *view.header();
    const QScopedValueRollback fitting(fittingColumns_, true);
    for (const int column : {ConversionListModel::Number, ConversionListModel::Size, ConversionListModel::Time}) {
        if (userSizedColumns_.contains(column))
            continue;
        const int need = std::max(view.contentWidthOfRows(column, first, last), header.sectionSizeHint(column));
        if (need > header.sectionSize(column))
            header.resizeSection(column, need);
    }
    fileNameNeed_ = std::max(fileNameNeed_, view.contentWidthOfRows(ConversionListModel::FileName, first, last));
    fitFileNameColumn();
}

void ConversionListPanel::fitFileNameColumn() {
    QHeaderView& header = *ui->conversionListView->header();
    if (userSizedColumns_.contains(ConversionListModel::FileName))
        return;
    const int room = std::min(fileNameNeed_, ui->conversionListView->viewport()->width() / 2);
    if (room > header.sectionSize(ConversionListModel::FileName)) {
        const QScopedValueRollback fitting(fittingColumns_, true);
        header.resizeSection(ConversionListModel::FileName, room);
    }
}

int ConversionListPanel::rowCount() const {
    return model_->rowCount();
}

int ConversionListPanel::selectedRow() const {
    const QModelIndexList rows = ui->conversionListView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ConversionListPanel::selectRow(int row) {
    if (row < 0 || row >= rowCount()) {
        ui->conversionListView->clearSelection();
        return;
    }
    ui->conversionListView->setCurrentIndex(model_->index(row, 0));
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

const QAbstractItemModel& ConversionListPanel::rowModel() const {
    return *model_;
}

void ConversionListPanel::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

void ConversionListPanel::loadDragPicture() {
    const QString picturePath = context_.locations.programFolder + QStringLiteral("drag.bmp");
    QPixmap picture;
    if (!picture.load(picturePath))
        context_.prompts.reportError(tr("Cannot open file \"%1\".").arg(QDir::toNativeSeparators(picturePath)));
    ui->conversionListView->setDragPicture(picture);
}

const QPixmap& ConversionListPanel::dragPicture() const {
    return ui->conversionListView->dragPicture();
}

void ConversionListPanel::addFile(const QString& fullName) {
    intake_.chooseSoundTracksBy(context_.settings.values().batch.soundTrackRule());
    const bool checked = context_.settings.values().checkItem;
    if (auto tracks = trackIntake_.trackRows(model_->list(), fullName, checked)) {
        for (ConversionRow& track : *tracks)
            model_->append(std::move(track));
        return;
    }
    if (auto row = intake_.addfile(model_->list(), fullName, checked))
        model_->append(std::move(*row));
}

void ConversionListPanel::addFiles(const QStringList& names) {
    waiting_ += filesToAdd(names);
    if (adding_ || sliceScheduled_)
        return;
    if (inBackground_) {
        addedInBackground_ = 0;
        addSliceSoon(restBeforeSlice());
        return;
    }
    adding_ = true;
    int done = 0;
    sinceRepaint_.start();
    try {
        while (!waiting_.isEmpty()) {
            const int total = done + static_cast<int>(waiting_.size());
            addFile(waiting_.takeFirst());
            keepWindowAlive(++done, total);
        }
    } catch (...) {
        abandonAdding();
        throw;
    }
    adding_ = false;
    progress_->hide();
}

void ConversionListPanel::addBesideBatch(std::function<bool()> converting) {
    inBackground_ = static_cast<bool>(converting);
    batchConverting_ = std::move(converting);
}

int ConversionListPanel::restBeforeSlice() const {
    return inBackground_ && batchConverting_() ? BesideBatchRestMs : 0;
}

void ConversionListPanel::addSliceSoon(int restMs) {
    sliceScheduled_ = true;
    QTimer::singleShot(restMs, this, [this] {
        sliceScheduled_ = false;
        guarded(context_.prompts, [this] { addSlice(); });
    });
}

// A file that cannot be added ends the adding: the files after it are not added either.
void ConversionListPanel::abandonAdding() {
    waiting_.clear();
    adding_ = false;
    progress_->hide();
}

// A few files, then back to the event loop; the rest follow in the next slice.
void ConversionListPanel::addSlice() {
    QElapsedTimer slice;
    slice.start();
    adding_ = true;
    try {
        while (!waiting_.isEmpty() && slice.elapsed() < BackgroundSliceMs) {
            addFile(waiting_.takeFirst());
            ++addedInBackground_;
        }
    } catch (...) {
        abandonAdding();
        throw;
    }
    adding_ = false;
    const int total = addedInBackground_ + static_cast<int>(waiting_.size());
    if (waiting_.isEmpty()) {
        progress_->hide();
        return;
    }
    // Each change of the bar's text lays the window out again, which costs more than a slice of files: the bar
    // follows a few times a second.
    if (total >= ProgressThreshold && (!progress_->isVisible() || sinceRepaint_.elapsed() >= BackgroundProgressMs)) {
        showProgress(addedInBackground_, total);
        sinceRepaint_.restart();
    }
    // Paused or over, the batch leaves the cores free: the files come in at full pace, still in slices so that the
    // window answers.
    addSliceSoon(restBeforeSlice());
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

void ConversionListPanel::chooseAndAddFiles() {
    const QStringList chosen = context_.prompts.pickFilesToOpen(tr("Open"), addDialogFilters());
    if (!chosen.isEmpty())
        addFiles(chosen);
}

void ConversionListPanel::removeSelectedRow() {
    const int selected = selectedRow();
    if (selected < 0)
        return;
    model_->removeAt(selected);
    ui->conversionListView->clearSelection();
    ui->conversionListView->selectionModel()->clearCurrentIndex();
    if (selected > 0)
        selectRow(selected - 1);
}

void ConversionListPanel::removeAllRows() {
    model_->clear();
}
