#include "Tflash.h"

#include "WindowPlacementHelpers.h"

#include <QPainter>

Tflash::Tflash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(QStringLiteral(":/pictures/splash.jpg")) {
    setObjectName(QStringLiteral("flash"));
    setFixedSize(359, 157);
    centreOnScreen(*this);
}

void Tflash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}
