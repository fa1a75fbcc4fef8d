#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TagEditorHelpWindow;
}

// A short explanation of what audio file information is, opened from the tag editor.
class TagEditorHelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit TagEditorHelpWindow(QWidget* parent = nullptr);
    ~TagEditorHelpWindow() override;

private:
    std::unique_ptr<Ui::TagEditorHelpWindow> ui;
};
