#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Tid3editor_help;
}

// A short explanation of what audio file information is, opened from the tag editor.
class Tid3editor_help : public QDialog {
    Q_OBJECT
public:
    explicit Tid3editor_help(QWidget* parent = nullptr);
    ~Tid3editor_help() override;

public slots:
    void Button1Click();

private:
    std::unique_ptr<Ui::Tid3editor_help> ui;
};
