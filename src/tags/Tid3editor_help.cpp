#include "Tid3editor_help.h"

#include "ui/WindowPlacementHelpers.h"
#include "ui_Tid3editor_help.h"

Tid3editor_help::Tid3editor_help(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Tid3editor_help>()) {
    ui->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    centreOnScreen(*this);
    connect(ui->Button1, &QPushButton::clicked, this, &Tid3editor_help::Button1Click);
}

Tid3editor_help::~Tid3editor_help() = default;

void Tid3editor_help::Button1Click() {
    accept();
}
