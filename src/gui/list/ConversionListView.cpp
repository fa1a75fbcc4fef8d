#include "ConversionListView.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
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

} // namespace

ConversionListView::ConversionListView(QWidget* parent) : QTreeView(parent) {
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
