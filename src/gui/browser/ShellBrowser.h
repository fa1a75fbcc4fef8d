#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class Prompts;
class QAbstractItemView;
class QAction;
class QButtonGroup;
class QFileIconProvider;
class QFileSystemModel;
class QMenu;
class QTreeView;

namespace Ui {
class ShellBrowser;
}

// The source browser: a folder combo that starts at the desktop, tool buttons, a file-type filter and the folder's
// file list, from which files are dragged onto the conversion list. The main window and the tag editor each hold
// one.
class ShellBrowser : public QWidget {
    Q_OBJECT
public:
    // The view codes of the view buttons and the view menu items.
    enum ViewCode { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };

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
    // Lists hidden files and folders too (the tag editor's list does).
    void showHiddenFiles();
    // The tool strip's height; the main window's is 25 pixels.
    void setToolStripHeight(int pixels);

    // The selected item's path (the current one when several are selected); nothing when none is selected.
    [[nodiscard]] std::optional<QString> selectedPath() const;
    // Selects the item of the shown folder whose name is exactly this (letter case counts); false when none is.
    bool selectFileNamed(const QString& fileName);

    [[nodiscard]] int viewCode() const { return viewCode_; }
    // The full names of the selected files and folders.
    [[nodiscard]] QStringList selectedPaths() const;
    // The names the list shows for the current folder right now (the model fills in on a worker thread).
    [[nodiscard]] QStringList shownNames() const;
    [[nodiscard]] QMenu& listPopup() const { return *popupMenu_; }

signals:
    // The list's selection changed, by the user or by a change of folder.
    void selectionChanged();

public slots:
    // Takes the filter of the chosen entry of the filter list.
    void applyChosenFilter();
    void goUpOneLevel();
    void moveSelectionToTrash();
    // Shows the list in a view code's layout; an unknown code changes nothing.
    void showView(int viewCode);
    void pasteFromClipboard();
    void createNewFolder();
    void showFolderProperties();

private:
    void setUpModel();
    void setUpDetailsView();
    void setUpButtons();
    void setUpPopup();
    void connectControls();
    void connectView(QAbstractItemView& view);
    [[nodiscard]] QAbstractItemView& currentView() const;

    std::unique_ptr<Ui::ShellBrowser> ui;
    Prompts& prompts_;
    QButtonGroup* viewButtons_ = nullptr;
    QTreeView* detailsView_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    std::array<QAction*, 4> viewItems_{};
    std::unique_ptr<QFileIconProvider> iconProvider_;
    std::unique_ptr<QFileSystemModel> model_; // after its icon provider, which must outlive it
    QString filter_;
    int viewCode_ = List;
};
