#include "ConversionListView.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QUrl>
#include <algorithm>

namespace {

QStringList localNames(const QMimeData* data) {
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            names.append(url.toLocalFile());
    }
    return names;
}

// Cells one pixel larger than their content, so the grid lines drawn along their right and bottom edges never cover a
// letter (an underscore sits on the last pixel row of a tight cell).
class RoomForGridLines : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(1, 1);
    }
};

} // namespace

ConversionListView::ConversionListView(QWidget* parent) : QTreeView(parent) {
    setItemDelegate(new RoomForGridLines(this));
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

int ConversionListView::contentWidthOfRows(int column, int first, int last) const {
    int width = 0;
    for (int row = std::max(first, 0); row <= last; ++row)
        width = std::max(width, sizeHintForIndex(model()->index(row, column)).width());
    if (column == treePosition() && rootIsDecorated())
        width += indentation();
    return width;
}

void ConversionListView::setDragPicture(const QPixmap& picture) {
    dragPicture_ = picture;
    viewport()->update();
}

// The picture stays while the list is empty, so the hint is there whenever the list can take files.
void ConversionListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if ((model() && model()->rowCount() > 0) || dragPicture_.isNull())
        return;
    QPainter painter(viewport());
    painter.drawPixmap(QPoint(viewport()->width() / 2 - 120, viewport()->height() / 2 - 20), dragPicture_);
}

void ConversionListView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    emit viewportResized();
}

// Grid lines between the cells, in the style's grid colour, make a row easy to follow across the wide columns.
void ConversionListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QTreeView::drawRow(painter, option, index);
    const QHeaderView& columns = *header();
    const int gridHint = style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this);
    const QPen gridPen(QColor::fromRgba(static_cast<QRgb>(gridHint)), 0, Qt::SolidLine);
    const QPen previousPen = painter->pen();
    painter->setPen(gridPen);
    int rightEdge = option.rect.left();
    for (int visual = 0; visual < columns.count(); ++visual) {
        const int column = columns.logicalIndex(visual);
        if (columns.isSectionHidden(column))
            continue;
        const int right = columns.sectionViewportPosition(column) + columns.sectionSize(column) - 1;
        painter->drawLine(right, option.rect.top(), right, option.rect.bottom());
        rightEdge = std::max(rightEdge, right);
    }
    painter->drawLine(option.rect.left(), option.rect.bottom(), rightEdge, option.rect.bottom());
    painter->setPen(previousPen);
}

void ConversionListView::dragEnterEvent(QDragEnterEvent* event) {
    if (localNames(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ConversionListView::dragMoveEvent(QDragMoveEvent* event) {
    if (localNames(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ConversionListView::dropEvent(QDropEvent* event) {
    const QStringList names = localNames(event->mimeData());
    if (names.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit namesDropped(names);
}
