#include "TagEditorHelpWindow.h"

#include "gui/common/WindowPlacementHelpers.h"
#include "ui_TagEditorHelpWindow.h"

TagEditorHelpWindow::TagEditorHelpWindow(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TagEditorHelpWindow>()) {
    ui->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    centreOnScreen(*this);
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

TagEditorHelpWindow::~TagEditorHelpWindow() = default;
