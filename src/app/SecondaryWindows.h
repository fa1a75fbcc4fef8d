#pragma once

#include <QDialog>

// The windows the program makes once at start-up after the main window, as frames with their captions and client
// sizes. Their controls and behaviour are filled in by their own areas.
class PlainDialog : public QDialog {
    Q_OBJECT
public:
    PlainDialog(const QString& objectName, const QString& caption, QSize clientSize, QWidget* parent);
};

class Tconvert : public PlainDialog {
    Q_OBJECT
public:
    explicit Tconvert(QWidget* parent = nullptr);
};

class TfrmWAVAdv : public PlainDialog {
    Q_OBJECT
public:
    explicit TfrmWAVAdv(QWidget* parent = nullptr);
};

class TfrmMP3Adv : public PlainDialog {
    Q_OBJECT
public:
    explicit TfrmMP3Adv(QWidget* parent = nullptr);
};

class TfrmOGGAdv : public PlainDialog {
    Q_OBJECT
public:
    explicit TfrmOGGAdv(QWidget* parent = nullptr);
};
