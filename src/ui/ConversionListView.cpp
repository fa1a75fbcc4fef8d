#include "ConversionListView.h"

#include <QPainter>

ConversionListView::ConversionListView(QWidget* parent) : QTreeWidget(parent) {}

void ConversionListView::setDragPicture(const QPixmap& picture) {
    dragPicture_ = picture;
    viewport()->update();
}

void ConversionListView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (topLevelItemCount() > 0 || dragPicture_.isNull())
        return;
    QPainter painter(viewport());
    QRect target(QPoint(), dragPicture_.deviceIndependentSize().toSize());
    target.moveCenter(viewport()->rect().center());
    painter.drawPixmap(target.topLeft(), dragPicture_);
}
