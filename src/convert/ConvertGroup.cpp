#include "ConvertGroup.h"

#include "ui/BrowserFolders.h"
#include "ui/ErrorReport.h"
#include "ui_ConvertGroup.h"

#include <QStyle>

ConvertGroup::ConvertGroup(Prompts& prompts, QWidget* parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::ConvertGroup>()), prompts_(prompts) {
    ui->setupUi(this);
    ui->spSkinButton8->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    connectGuarded(prompts_, ui->spSkinButton8, &QToolButton::clicked, this, [this](bool) { spSkinButton8Click(); });
    connectGuarded(prompts_, ui->cmd_begin_write, &QPushButton::clicked, this,
                   [this](bool) { cmd_begin_writeClick(); });
}

ConvertGroup::~ConvertGroup() = default;

QString ConvertGroup::outputFolder() const {
    return ui->Edit_folder->text();
}

void ConvertGroup::setOutputFolder(const QString& folder) {
    ui->Edit_folder->setText(folder);
}

void ConvertGroup::spSkinButton8Click() {
    if (const auto folder = prompts_.pickFolder(QStringLiteral("Select an output folder"), desktopFolder()))
        ui->Edit_folder->setText(*folder);
}

// The batch fills this in.
void ConvertGroup::cmd_begin_writeClick() {}
