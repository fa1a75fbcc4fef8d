#include "ConversionListPanel.h"

#include "ConversionListModel.h"
#include "ui/ErrorReport.h"
#include "ui/Prompts.h"
#include "ui_ConversionListPanel.h"

#include <QDir>
#include <QHeaderView>
#include <QMenu>

ConversionListPanel::ConversionListPanel(AppContext& context, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ConversionListPanel>()), context_(context),
      model_(new ConversionListModel(this)) {
    ui->setupUi(this);
    ui->ListView1->setModel(model_);
    const int widths[] = {40, 150, 60, 40, 255, 800};
    for (int column = 0; column < ConversionListModel::ColumnCount; ++column)
        ui->ListView1->header()->resizeSection(column, widths[column]);
    connectGuarded(context_.prompts, ui->ListView1, &QAbstractItemView::doubleClicked, this,
                   [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
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

void ConversionListPanel::Add2Click() {}

void ConversionListPanel::Remove2Click() {}

void ConversionListPanel::RemoveAll1Click() {
    model_->clear();
}
