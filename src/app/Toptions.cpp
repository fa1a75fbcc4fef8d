#include "Toptions.h"

#include "Settings.h"
#include "ui/BrowserFolders.h"
#include "ui/Prompts.h"
#include "ui/WindowPlacementHelpers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

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

Toptions::Toptions(SettingsStore& settings, Prompts& prompts, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts) {
    setObjectName(QStringLiteral("options"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    auto* folderGroup = new QGroupBox(QStringLiteral("Default Output Folder"), this);
    Edit_folder = new QLineEdit(folderGroup);
    Edit_folder->setObjectName(QStringLiteral("Edit_folder"));
    spSkinButton8 = new QToolButton(folderGroup);
    spSkinButton8->setObjectName(QStringLiteral("spSkinButton8"));
    spSkinButton8->setText(QStringLiteral("..."));
    spSkinButton8->setToolTip(QStringLiteral("Select an output folder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(Edit_folder);
    folderRow->addWidget(spSkinButton8);
    auto* folderLayout = new QVBoxLayout(folderGroup);
    folderLayout->setSpacing(2);
    folderLayout->addLayout(folderRow);
    folderLayout->addWidget(note(QStringLiteral("If the output folder setting is empty, the output files will be "
                                                "converted into the same source folder."),
                                 folderGroup));

    auto* conversionGroup = new QGroupBox(QStringLiteral("Conversion"), this);
    ch_checkitem = checkBox(QStringLiteral("ch_checkitem"),
                            QStringLiteral("Check the items automatically when add files"), conversionGroup);
    ch_isopenfolder = checkBox(QStringLiteral("ch_isopenfolder"),
                               QStringLiteral("Open the output folder after conversion"), conversionGroup);
    ch_copytag = checkBox(QStringLiteral("ch_copytag"), QStringLiteral("Copy the audio file info automatically"),
                          conversionGroup);
    auto* conversionLayout = new QVBoxLayout(conversionGroup);
    conversionLayout->setSpacing(1);
    conversionLayout->addWidget(ch_checkitem);
    conversionLayout->addWidget(ch_isopenfolder);
    conversionLayout->addWidget(ch_copytag);

    auto* generalGroup = new QGroupBox(QStringLiteral("General"), this);
    ch_savestate = checkBox(QStringLiteral("ch_savestate"), QStringLiteral("Save the state of the lastest operation"),
                            generalGroup);
    auto* generalLayout = new QVBoxLayout(generalGroup);
    generalLayout->setSpacing(2);
    generalLayout->addWidget(ch_savestate);
    generalLayout->addWidget(note(QStringLiteral("This option will store the operation state (like current folder, "
                                                 "Output Format selection) of the lastest operation."),
                                  generalGroup));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(2);
    layout->addWidget(folderGroup);
    layout->addWidget(conversionGroup);
    layout->addWidget(generalGroup);
    layout->addLayout(buttons);

    connect(spSkinButton8, &QToolButton::clicked, this, &Toptions::spSkinButton8Click);
    connect(ok, &QPushButton::clicked, this, &Toptions::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &Toptions::Button2Click);

    setFixedSize(QSize(358, 275).expandedTo(sizeHint()));
    centreOnScreen(*this);
}

void Toptions::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void Toptions::FormShow() {
    const Settings& values = settings_.values();
    Edit_folder->setText(values.defaultFolder);
    ch_checkitem->setChecked(values.checkItem);
    ch_isopenfolder->setChecked(values.isOpenFolder);
    ch_copytag->setChecked(values.copyTag);
    ch_savestate->setChecked(values.saveState);
}

void Toptions::spSkinButton8Click() {
    if (const auto folder = prompts_.pickFolder(QStringLiteral("Select an default output folder"), desktopFolder()))
        Edit_folder->setText(*folder);
}

void Toptions::Button1Click() {
    try {
        settings_.storeOptions(Edit_folder->text(), ch_checkitem->isChecked(), ch_isopenfolder->isChecked(),
                               ch_copytag->isChecked(), ch_savestate->isChecked());
    } catch (const IniWriteError& error) {
        // The choices hold for this run all the same; the user learns that they will not survive it.
        prompts_.reportError(error.message());
    }
    accept();
}

void Toptions::Button2Click() {
    reject();
}
