#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class Prompts;
class QButtonGroup;
class QFileIconProvider;
class QFileSystemModel;

namespace Ui {
class ShellBrowser;
}

// The source browser: a folder combo that starts at the desktop, tool buttons, a file-type filter and the folder's
// file list. The main window and the tag editor each hold one.
class ShellBrowser : public QWidget {
    Q_OBJECT
public:
    explicit ShellBrowser(Prompts& prompts, QWidget* parent = nullptr);
    ~ShellBrowser() override;

    // The shown folder, and whether it is the desktop (the combo's first entry).
    [[nodiscard]] QString folder() const;
    [[nodiscard]] bool showsDesktop() const;
    // Shows a folder; one that does not exist shows the desktop.
    void setFolder(const QString& folder);

    // The filter list's current entry (-1: none) and the filter it stands for.
    [[nodiscard]] int filterIndex() const;
    void setFilterIndex(int index);
    [[nodiscard]] QString filter() const { return filter_; }
    // Hides the filter list and shows the files that match this filter only (the tag editor's fixed mask).
    void useFixedFilter(const QString& filter);

    // The selected item's path (the current one when several are selected); nothing when none is selected.
    [[nodiscard]] std::optional<QString> selectedPath() const;
    // Selects the item of the shown folder whose name is exactly this (letter case counts); false when none is.
    bool selectFileNamed(const QString& fileName);

signals:
    // The list's selection changed, by the user or by a change of folder.
    void selectionChanged();

public slots:
    void combo_filterChange();
    void UpOneLevelBtnClick();
    void DeleteBtnClick();
    void ViewBtnClick(int viewCode);

private:
    void setUpModel();
    void setUpButtons();
    void connectControls();

    std::unique_ptr<Ui::ShellBrowser> ui;
    Prompts& prompts_;
    QButtonGroup* viewButtons_ = nullptr;
    std::unique_ptr<QFileIconProvider> iconProvider_;
    std::unique_ptr<QFileSystemModel> model_; // after its icon provider, which must outlive it
    QString filter_;
};
