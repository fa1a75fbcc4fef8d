#include "ConversionListView.h"

#include <QPainter>

ConversionListView::ConversionListView(QWidget* parent) : QTreeView(parent) {}

void ConversionListView::setDragPicture(const QPixmap& picture) {
    dragPicture_ = picture;
    viewport()->update();
}

void ConversionListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if ((model() && model()->rowCount() > 0) || dragPicture_.isNull())
        return;
    QPainter painter(viewport());
    QRect target(QPoint(), dragPicture_.deviceIndependentSize().toSize());
    target.moveCenter(viewport()->rect().center());
    painter.drawPixmap(target.topLeft(), dragPicture_);
}
