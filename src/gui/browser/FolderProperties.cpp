#include "FolderProperties.h"

#include "ui_FolderProperties.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

FolderProperties::FolderProperties(const QString& folder, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::FolderProperties>()) {
    ui->setupUi(this);
    const QFileInfo info(folder);
    ui->txtName->setText(info.fileName().isEmpty() ? QDir::toNativeSeparators(folder) : info.fileName());
    ui->txtLocation->setText(QDir::toNativeSeparators(info.absolutePath()));
    // Only what lies directly inside: a walk through every subfolder could take minutes on a large tree.
    int files = 0;
    int folders = 0;
    qint64 bytes = 0;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isDir()) {
            ++folders;
        } else {
            ++files;
            bytes += entry.size();
        }
    }
    // English has a text of its own for one; every language's plural rules choose among its forms of each text.
    const QString fileCount = files == 1 ? tr("%n file", nullptr, files) : tr("%n files", nullptr, files);
    const QString folderCount = folders == 1 ? tr("%n folder", nullptr, folders) : tr("%n folders", nullptr, folders);
    //: Joins the number of files and the number of folders a folder holds.
    ui->txtContains->setText(tr("%1, %2").arg(fileCount, folderCount));
    ui->txtSize->setText(QLocale::system().formattedDataSize(bytes));
    ui->txtModified->setText(QLocale::system().toString(info.lastModified(), QLocale::LongFormat));
}

FolderProperties::~FolderProperties() = default;
