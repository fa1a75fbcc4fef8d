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
    const auto counted = [](int count, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
    };
    ui->txtContains->setText(counted(files, "file", "files") + QStringLiteral(", ") +
                             counted(folders, "folder", "folders"));
    ui->txtSize->setText(QLocale::system().formattedDataSize(bytes));
    ui->txtModified->setText(QLocale::system().toString(info.lastModified(), QLocale::LongFormat));
}

FolderProperties::~FolderProperties() = default;
