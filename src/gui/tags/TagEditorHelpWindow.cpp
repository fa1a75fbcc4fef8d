#include "TagEditorHelpWindow.h"

#include "gui/common/WindowPlacementHelpers.h"
#include "ui_TagEditorHelpWindow.h"

TagEditorHelpWindow::TagEditorHelpWindow(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TagEditorHelpWindow>()) {
    ui->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    centreOnScreen(*this);
    connect(ui->Button1, &QPushButton::clicked, this, &TagEditorHelpWindow::Button1Click);
}

TagEditorHelpWindow::~TagEditorHelpWindow() = default;

void TagEditorHelpWindow::Button1Click() {
    accept();
}
