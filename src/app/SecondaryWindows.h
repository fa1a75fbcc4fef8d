#pragma once

#include <QDialog>

// The windows the program makes once at start-up after the main window, as frames with their captions and client
// sizes. Their controls and behaviour are filled in by their own areas.
class PlainDialog : public QDialog {
    Q_OBJECT
public:
    PlainDialog(const QString& objectName, const QString& caption, QSize clientSize, QWidget* parent);
};

class Tid3editor : public PlainDialog {
    Q_OBJECT
public:
    explicit Tid3editor(QWidget* parent = nullptr);
};

class Tid3editor_help : public PlainDialog {
    Q_OBJECT
public:
    explicit Tid3editor_help(QWidget* parent = nullptr);
};
