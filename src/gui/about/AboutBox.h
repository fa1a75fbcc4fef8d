#pragma once

#include <QDialog>

class IShell;
class QLabel;

// The about box: banner, name and version, the product page link, two notice lines and OK.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    static const QString ProductPage;

    explicit AboutBox(IShell& shell, QWidget* parent = nullptr);

public slots:
    void openProductPage();

private:
    IShell& shell_;
};
