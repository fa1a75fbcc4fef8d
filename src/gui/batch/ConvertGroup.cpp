#include "ConvertGroup.h"
#include "core/batch/StartRefusal.h"
#include "core/platform/HomeFolder.h"
#include "core/ports/Messages.h"

#include "ProgressWindow.h"

#include "gui/browser/BrowserFolders.h"
#include "gui/common/ErrorReport.h"
#include "ui_ConvertGroup.h"

#include <QStyle>

ConvertGroup::ConvertGroup(Prompts& prompts, QWidget* parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::ConvertGroup>()), prompts_(prompts) {
    ui->setupUi(this);
    ui->button_choose_folder->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    connectGuarded(prompts_, ui->button_choose_folder, &QToolButton::clicked, this,
                   [this](bool) { chooseOutputFolder(); });
    connectGuarded(prompts_, ui->button_convert, &QPushButton::clicked, this, [this](bool) { startBatch(); });
}

ConvertGroup::~ConvertGroup() = default;

QString ConvertGroup::outputFolder() const {
    return ui->edit_output_folder->text();
}

void ConvertGroup::setOutputFolder(const QString& folder) {
    ui->edit_output_folder->setText(folder);
}

void ConvertGroup::chooseOutputFolder() {
    if (const auto folder = prompts_.pickFolder(Messages::ChooseOutputFolder(), desktopFolder()))
        ui->edit_output_folder->setText(*folder);
}

// Checks the order, makes the output folder, frees the writer instance from the preview and runs the batch in the
// progress window; returns when the batch is over. A click while it runs, which comes in between its blocks, never
// starts a second batch: the newly checked rows join the running one.
void ConvertGroup::startBatch() {
    if (!wiring_.order || wiring_.window == nullptr || wiring_.dialogs == nullptr)
        return;
    if (wiring_.window->batchRunning()) {
        joinRunningBatch();
        return;
    }
    BatchOrder order = wiring_.order();
    // The folder is resolved here and the edit keeps the text as typed, so "~" stays "~" for the next batch.
    order.folderText = withHomeFolder(order.folderText);
    if (const auto refusal = refusalToStart(order)) {
        prompts_.message(Messages::ErrorCaption(), *refusal, Prompts::Icon::Warning);
        return;
    }
    if (wiring_.stopPreview)
        wiring_.stopPreview();
    wiring_.window->runBatch(order, *wiring_.dialogs);
}

// The joined rows take the running batch's settings and folder, whatever the controls show now, so that every
// output of one batch follows one set of rules.
void ConvertGroup::joinRunningBatch() {
    std::vector<BatchSource> added;
    for (BatchSource& source : wiring_.order().sources) {
        if (!wiring_.window->holdsSource(source))
            added.push_back(std::move(source));
    }
    if (added.empty()) {
        prompts_.message(QString(), Messages::NothingNewToConvert(), Prompts::Icon::Information);
        return;
    }
    if (!wiring_.window->joinBatch(added))
        prompts_.message(QString(), Messages::BatchEnding(), Prompts::Icon::Warning);
}
