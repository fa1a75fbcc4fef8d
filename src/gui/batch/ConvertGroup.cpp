#include "ConvertGroup.h"

#include "ProgressWindow.h"

#include "gui/browser/BrowserFolders.h"
#include "gui/common/ErrorReport.h"
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

// Checks the request, makes the output folder, frees the writer instance from the preview and runs the batch in
// the progress window; returns when the window has closed.
void ConvertGroup::cmd_begin_writeClick() {
    if (!wiring_.request || wiring_.window == nullptr || wiring_.dialogs == nullptr)
        return;
    BatchRequest request = wiring_.request();
    request.folderText = ui->Edit_folder->text();
    if (const auto refusal = refusalToStart(request)) {
        prompts_.message(QStringLiteral("Error"), *refusal, Prompts::Icon::Warning);
        return;
    }
    if (wiring_.stopPreview)
        wiring_.stopPreview();
    wiring_.window->runBatch(request, *wiring_.dialogs);
}
