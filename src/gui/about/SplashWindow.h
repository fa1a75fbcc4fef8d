#pragma once

#include <QPixmap>
#include <QWidget>

// The splash window shown while the windows are being made: one borderless picture centred on the screen.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
