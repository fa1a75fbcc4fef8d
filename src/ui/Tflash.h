#pragma once

#include <QPixmap>
#include <QWidget>

// The splash window shown while the windows are being made: one borderless picture centred on the screen.
class Tflash : public QWidget {
    Q_OBJECT
public:
    explicit Tflash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
