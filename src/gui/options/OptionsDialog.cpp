#include "OptionsDialog.h"

#include "core/batch/BatchOrder.h"
#include "core/ports/Messages.h"
#include "core/ports/Prompts.h"
#include "core/settings/LanguageChoice.h"
#include "core/settings/Settings.h"
#include "gui/browser/BrowserFolders.h"
#include "gui/common/WindowPlacementHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {
QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    label->setStyleSheet(QStringLiteral("color: #5b6773;"));
    return label;
}

QCheckBox* checkBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}
} // namespace

OptionsDialog::OptionsDialog(SettingsStore& settings, Prompts& prompts, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts) {
    setObjectName(QStringLiteral("options"));
    setWindowTitle(tr("Options"));
    setModal(true);

    auto* folderGroup = new QGroupBox(tr("Default Output Folder"), this);
    Edit_folder = new QLineEdit(folderGroup);
    Edit_folder->setObjectName(QStringLiteral("Edit_folder"));
    chooseFolderButton = new QToolButton(folderGroup);
    chooseFolderButton->setObjectName(QStringLiteral("chooseFolderButton"));
    chooseFolderButton->setText(QStringLiteral("..."));
    chooseFolderButton->setToolTip(Messages::ChooseOutputFolder());
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(Edit_folder);
    folderRow->addWidget(chooseFolderButton);
    auto* folderLayout = new QVBoxLayout(folderGroup);
    folderLayout->setSpacing(2);
    folderLayout->addLayout(folderRow);
    folderLayout->addWidget(note(tr("If the output folder setting is empty, the output files will be "
                                    "converted into the same source folder."),
                                 folderGroup));

    auto* conversionGroup = new QGroupBox(tr("Conversion"), this);
    ch_checkitem =
        checkBox(QStringLiteral("ch_checkitem"), tr("Check the items automatically when add files"), conversionGroup);
    ch_isopenfolder =
        checkBox(QStringLiteral("ch_isopenfolder"), tr("Open the output folder after conversion"), conversionGroup);
    ch_copytag = checkBox(QStringLiteral("ch_copytag"), tr("Copy the audio file info automatically"), conversionGroup);
    ch_notify =
        checkBox(QStringLiteral("ch_notify"), tr("Notify the desktop when a long conversion ends"), conversionGroup);
    ch_notify->setAccessibleName(ch_notify->text());
    ch_notify->setToolTip(tr("After a batch of more than a few seconds the desktop shows how many "
                             "outputs were made, with a button that opens the output folder"));
    auto* conversionLayout = new QVBoxLayout(conversionGroup);
    conversionLayout->setSpacing(1);
    conversionLayout->addWidget(ch_checkitem);
    conversionLayout->addWidget(ch_isopenfolder);
    conversionLayout->addWidget(ch_copytag);
    conversionLayout->addWidget(ch_notify);

    auto* batchGroup = new QGroupBox(tr("Batch"), this);
    auto* jobsLabel = new QLabel(tr("Convert up to N files at once"), batchGroup);
    spin_jobs = new QSpinBox(batchGroup);
    spin_jobs->setObjectName(QStringLiteral("spin_jobs"));
    spin_jobs->setRange(1, BatchOrder::MaxJobs);
    spin_jobs->setAccessibleName(jobsLabel->text());
    jobsLabel->setBuddy(spin_jobs);
    ch_evenloudness = checkBox(QStringLiteral("ch_evenloudness"), tr("Even out loudness"), batchGroup);
    ch_verify = checkBox(QStringLiteral("ch_verify"), tr("Check every output after it is written"), batchGroup);
    ch_replaygain = checkBox(QStringLiteral("ch_replaygain"), tr("Write ReplayGain tags"), batchGroup);
    ch_hiddentrack = checkBox(QStringLiteral("ch_hiddentrack"),
                              tr("Include the hidden track before track 1 of a CD image"), batchGroup);
    ch_hiddentrack->setAccessibleName(ch_hiddentrack->text());
    ch_hiddentrack->setToolTip(tr("Sound a CD image holds before its first track becomes a track of "
                                  "its own, numbered 0"));
    auto* existsLabel = new QLabel(tr("When an output file exists"), batchGroup);
    combo_exists = new QComboBox(batchGroup);
    combo_exists->setObjectName(QStringLiteral("combo_exists"));
    combo_exists->addItem(tr("Replace it"), static_cast<int>(ExistingOutputPolicy::Replace));
    combo_exists->addItem(tr("Save under a new name"), static_cast<int>(ExistingOutputPolicy::New));
    combo_exists->addItem(tr("Skip the output"), static_cast<int>(ExistingOutputPolicy::Skip));
    combo_exists->setAccessibleName(existsLabel->text());
    existsLabel->setBuddy(combo_exists);
    auto* batchLayout = new QGridLayout(batchGroup);
    batchLayout->setVerticalSpacing(2);
    batchLayout->addWidget(jobsLabel, 0, 0);
    batchLayout->addWidget(spin_jobs, 0, 1);
    batchLayout->addWidget(existsLabel, 1, 0);
    batchLayout->addWidget(combo_exists, 1, 1);
    batchLayout->addWidget(ch_evenloudness, 2, 0, 1, 2);
    batchLayout->addWidget(ch_verify, 3, 0, 1, 2);
    batchLayout->addWidget(ch_replaygain, 4, 0, 1, 2);
    auto* languagesLabel = new QLabel(tr("Sound track languages"), batchGroup);
    edit_soundlanguages = new QLineEdit(batchGroup);
    edit_soundlanguages->setObjectName(QStringLiteral("edit_soundlanguages"));
    edit_soundlanguages->setPlaceholderText(QStringLiteral("deu,eng"));
    edit_soundlanguages->setToolTip(tr("Of a file with several sound tracks, convert the one in the first "
                                       "of these languages it has; otherwise the one it plays by default"));
    edit_soundlanguages->setAccessibleName(languagesLabel->text());
    edit_soundlanguages->setAccessibleDescription(edit_soundlanguages->toolTip());
    languagesLabel->setBuddy(edit_soundlanguages);
    batchLayout->addWidget(languagesLabel, 5, 0);
    batchLayout->addWidget(edit_soundlanguages, 5, 1);
    batchLayout->addWidget(ch_hiddentrack, 6, 0, 1, 2);

    auto* generalGroup = new QGroupBox(tr("General"), this);
    ch_savestate =
        checkBox(QStringLiteral("ch_savestate"), tr("Save the state of the lastest operation"), generalGroup);
    auto* generalLayout = new QVBoxLayout(generalGroup);
    generalLayout->setSpacing(2);
    generalLayout->addWidget(ch_savestate);
    generalLayout->addWidget(note(tr("This option will store the operation state (like current folder, "
                                     "Output Format selection) of the lastest operation."),
                                  generalGroup));
    auto* languageLabel = new QLabel(tr("Language"), generalGroup);
    combo_language = new QComboBox(generalGroup);
    combo_language->setObjectName(QStringLiteral("combo_language"));
    combo_language->addItem(tr("System default"), LanguageChoice::SystemDefault);
    // Each language in its own name, so that someone who cannot read the current one still finds theirs.
    for (const ShippedLanguage& language : LanguageChoice::shipped())
        combo_language->addItem(language.nativeName, language.code);
    combo_language->setAccessibleName(languageLabel->text());
    languageLabel->setBuddy(combo_language);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(combo_language, 1);
    generalLayout->addLayout(languageRow);
    generalLayout->addWidget(note(tr("A new language is shown from the next start of the program."), generalGroup));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(2);
    layout->addWidget(folderGroup);
    layout->addWidget(conversionGroup);
    layout->addWidget(batchGroup);
    layout->addWidget(generalGroup);
    layout->addLayout(buttons);

    connect(chooseFolderButton, &QToolButton::clicked, this, &OptionsDialog::chooseDefaultFolder);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::storeAndClose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(QSize(358, 275).expandedTo(sizeHint()));
    centreOnScreen(*this);
}

void OptionsDialog::showEvent(QShowEvent* event) {
    showStoredSettings();
    QDialog::showEvent(event);
}

void OptionsDialog::showStoredSettings() {
    const Settings& values = settings_.values();
    Edit_folder->setText(values.defaultFolder);
    ch_checkitem->setChecked(values.checkItem);
    ch_isopenfolder->setChecked(values.isOpenFolder);
    ch_copytag->setChecked(values.copyTag);
    ch_notify->setChecked(values.notifyAtEnd);
    ch_savestate->setChecked(values.saveState);
    spin_jobs->setValue(values.batch.jobs);
    ch_evenloudness->setChecked(values.batch.evenLoudness);
    ch_verify->setChecked(values.batch.verifyOutputs);
    ch_replaygain->setChecked(values.batch.replayGain);
    ch_hiddentrack->setChecked(values.batch.hiddenTrack);
    combo_exists->setCurrentIndex(combo_exists->findData(static_cast<int>(values.batch.existing)));
    edit_soundlanguages->setText(values.batch.soundTrackLanguages);
    // A stored code this version does not list (such as the test language) shows as the desktop's language.
    combo_language->setCurrentIndex(std::max(0, combo_language->findData(values.language)));
}

void OptionsDialog::chooseDefaultFolder() {
    if (const auto folder = prompts_.pickFolder(tr("Select an default output folder"), desktopFolder()))
        Edit_folder->setText(*folder);
}

void OptionsDialog::storeAndClose() {
    BatchOptions batch;
    batch.jobs = spin_jobs->value();
    batch.evenLoudness = ch_evenloudness->isChecked();
    batch.verifyOutputs = ch_verify->isChecked();
    batch.replayGain = ch_replaygain->isChecked();
    batch.hiddenTrack = ch_hiddentrack->isChecked();
    batch.existing = static_cast<ExistingOutputPolicy>(combo_exists->currentData().toInt());
    QString languagesWhyNot;
    const std::optional<QString> languages =
        BatchOptions::tidySoundTrackLanguages(edit_soundlanguages->text(), languagesWhyNot);
    if (!languages) {
        prompts_.message(Messages::ErrorCaption(), tr("Sound track languages: %1.").arg(languagesWhyNot),
                         Prompts::Icon::Warning);
        edit_soundlanguages->setFocus();
        return;
    }
    batch.soundTrackLanguages = *languages;
    // Both stores take their values into memory before writing, so the choices hold for this run all the same; the
    // user learns once that they will not survive it.
    std::optional<QString> failure;
    try {
        settings_.storeOptions(Edit_folder->text(), ch_checkitem->isChecked(), ch_isopenfolder->isChecked(),
                               ch_copytag->isChecked(), ch_savestate->isChecked());
    } catch (const IniWriteError& error) {
        failure = error.message();
    }
    try {
        settings_.storeBatchOptions(batch);
    } catch (const IniWriteError& error) {
        failure = failure.value_or(error.message());
    }
    // The list shows an unlisted stored code as the desktop's language; only a real change replaces it.
    const QString language = combo_language->currentData().toString();
    const bool storedShown = combo_language->findData(settings_.values().language) >= 0;
    if (storedShown || combo_language->currentIndex() != 0) {
        try {
            settings_.storeLanguage(language);
        } catch (const IniWriteError& error) {
            failure = failure.value_or(error.message());
        }
    }
    try {
        settings_.storeNotifyAtEnd(ch_notify->isChecked());
    } catch (const IniWriteError& error) {
        failure = failure.value_or(error.message());
    }
    if (failure)
        prompts_.reportError(*failure);
    accept();
}
