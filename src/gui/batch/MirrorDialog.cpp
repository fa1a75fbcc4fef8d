#include "MirrorDialog.h"

#include "core/platform/HomeFolder.h"
#include "core/ports/Messages.h"
#include "core/ports/Prompts.h"
#include "gui/browser/BrowserFolders.h"
#include "gui/common/ErrorReport.h"
#include "ui_MirrorDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

namespace {

// A function, so that it is translated once the user's translator is installed.
QString currentSettingsItem() {
    return QCoreApplication::translate("MirrorDialog", "(none: the current settings)");
}

// The combo's items in the order of the rules.
constexpr PathRules kNameRules[] = {PathRules::Posix, PathRules::Fat, PathRules::Ascii};

// Where a folder dialog opens: at the folder typed, else on the desktop.
QString startFolderFor(const QString& typed) {
    const QString folder = withHomeFolder(typed.trimmed());
    return !folder.isEmpty() && QDir(folder).exists() ? folder : desktopFolder();
}

} // namespace

MirrorDialog::MirrorDialog(Prompts& prompts, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::MirrorDialog>()), prompts_(prompts) {
    ui->setupUi(this);
    for (const OutputFormatFacts& facts : outputFormatTable())
        ui->formatCombo->addItem(QString::fromUtf8(facts.caption).trimmed(), static_cast<int>(facts.format));
    ui->jobsSpin->setMaximum(BatchOrder::MaxJobs);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connectGuarded(prompts_, ui->buttonBox, &QDialogButtonBox::accepted, this, [this] { accept(); });
    connectGuarded(prompts_, ui->sourceBrowseButton, &QPushButton::clicked, this,
                   [this](bool) { chooseSourceFolder(); });
    connectGuarded(prompts_, ui->destinationBrowseButton, &QPushButton::clicked, this,
                   [this](bool) { chooseDestinationFolder(); });
    // Activated rather than changed: filling the list when the dialog opens keeps the stored format.
    connectGuarded(prompts_, ui->profileCombo, &QComboBox::activated, this, [this](int item) { profileChosen(item); });
}

MirrorDialog::~MirrorDialog() = default;

void MirrorDialog::showChoices(const MirrorChoices& choices, const QStringList& profiles) {
    ui->sourceFolderEdit->setText(choices.sourceFolder);
    ui->destinationFolderEdit->setText(choices.destination);
    ui->formatCombo->setCurrentIndex(ui->formatCombo->findData(static_cast<int>(choices.format)));
    ui->profileCombo->clear();
    ui->profileCombo->addItem(currentSettingsItem());
    ui->profileCombo->addItems(profiles);
    const int profile = choices.profile.isEmpty() ? 0 : static_cast<int>(profiles.indexOf(choices.profile)) + 1;
    ui->profileCombo->setCurrentIndex(std::max(profile, 0));
    ui->lossyCombo->setCurrentIndex(choices.copyLossy ? 0 : 1);
    ui->sideFilesEdit->setText(choices.sideFiles);
    ui->namesCombo->setCurrentIndex(static_cast<int>(
        std::find(std::begin(kNameRules), std::end(kNameRules), choices.names) - std::begin(kNameRules)));
    ui->jobsSpin->setValue(choices.jobs);
    ui->pruneBox->setChecked(choices.prune);
    ui->keepTimeBox->setChecked(choices.keepTime);
    ui->sourceFolderEdit->setFocus();
}

MirrorChoices MirrorDialog::choices() const {
    MirrorChoices choices;
    choices.sourceFolder = ui->sourceFolderEdit->text().trimmed();
    choices.destination = ui->destinationFolderEdit->text().trimmed();
    choices.format = static_cast<OutputFormat>(ui->formatCombo->currentData().toInt());
    choices.profile = ui->profileCombo->currentIndex() > 0 ? ui->profileCombo->currentText() : QString();
    choices.copyLossy = ui->lossyCombo->currentIndex() == 0;
    choices.sideFiles = ui->sideFilesEdit->text().trimmed();
    choices.names = kNameRules[std::clamp(ui->namesCombo->currentIndex(), 0, 2)];
    choices.jobs = ui->jobsSpin->value();
    choices.prune = ui->pruneBox->isChecked();
    choices.keepTime = ui->keepTimeBox->isChecked();
    return choices;
}

void MirrorDialog::chooseSourceFolder() {
    if (const auto folder =
            prompts_.pickFolder(tr("Select the folder to mirror"), startFolderFor(ui->sourceFolderEdit->text())))
        ui->sourceFolderEdit->setText(*folder);
}

void MirrorDialog::chooseDestinationFolder() {
    if (const auto folder = prompts_.pickFolder(tr("Select the folder to mirror into"),
                                                startFolderFor(ui->destinationFolderEdit->text())))
        ui->destinationFolderEdit->setText(*folder);
}

void MirrorDialog::accept() {
    if (const auto refusal = choices().refusal()) {
        prompts_.message(Messages::ErrorCaption(), *refusal, Prompts::Icon::Warning);
        return;
    }
    QDialog::accept();
}

// A profile brings its own format; "none" leaves the format as it is, to be made with the window's settings.
void MirrorDialog::profileChosen(int item) {
    if (item <= 0 || !profileFormat_)
        return;
    if (const auto format = profileFormat_(ui->profileCombo->itemText(item)))
        ui->formatCombo->setCurrentIndex(ui->formatCombo->findData(static_cast<int>(*format)));
}
