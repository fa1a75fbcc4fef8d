#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class FolderProperties;
}

// What one folder holds: its name and place, how many files and folders are directly inside, their size and when
// the folder last changed.
class FolderProperties : public QDialog {
    Q_OBJECT
public:
    FolderProperties(const QString& folder, QWidget* parent = nullptr);
    ~FolderProperties() override;

private:
    std::unique_ptr<Ui::FolderProperties> ui;
};
