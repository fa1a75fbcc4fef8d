#include "SplashWindow.h"

#include "gui/common/WindowPlacementHelpers.h"

#include <QPainter>

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(QStringLiteral(":/pictures/splash.jpg")) {
    setObjectName(QStringLiteral("flash"));
    setFixedSize(359, 157);
    centreOnScreen(*this);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}
