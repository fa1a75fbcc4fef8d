#pragma once

#include "core/tags/TagEditorSession.h"

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>

struct AppContext;
class Prompts;
class SettingsStore;
class ShellBrowser;
class TagEditorHelpWindow;

namespace Ui {
class TagEditorWindow;
}

// The tag editor: a folder browser of its own, and the title, artist, album, genre, track, year and comment of the
// selected file, with the choice between ID3v1 and ID3v2 for MPEG files.
class TagEditorWindow : public QDialog {
    Q_OBJECT
public:
    explicit TagEditorWindow(AppContext& context, QWidget* parent = nullptr);
    ~TagEditorWindow() override;

    void setHelpWindow(TagEditorHelpWindow* help) { help_ = help; }

    // Shows the editor modally. With the file of the conversion list's selected row, it opens at that file.
    void showFor(const std::optional<QString>& listFile);
    // The file the next showing opens at (the conversion list's selected row), or nothing.
    void setListFile(const std::optional<QString>& listFile) { listFile_ = listFile; }

    // The file mask of the editor's list: the audio files whose tags can be edited.
    static const QString FileMask;

    [[nodiscard]] Ui::TagEditorWindow& form() { return *ui; }
    [[nodiscard]] ShellBrowser& browser() { return *browser_; }

public slots:
    void FormShow();
    void PTShellList1SelectItem();
    void ResetButtonClick();
    void ApplyButtonClick();
    void infoMTVClick();
    void CloseButtonClick();
    void Label1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void ClearFields();
    void connectControls();
    void showVersion(int version);
    void showLoaded(const tageditor::LoadedTags& loaded);
    void limitTexts(bool storedAsId3v1);
    [[nodiscard]] tageditor::TagFields fields() const;
    // The selected file; nothing when no item is selected or the item is a folder.
    [[nodiscard]] std::optional<QString> selectedFile() const;

    std::unique_ptr<Ui::TagEditorWindow> ui;
    Prompts& prompts_;
    const SettingsStore& settings_;
    tageditor::TagEditorSession session_;
    ShellBrowser* browser_ = nullptr;
    TagEditorHelpWindow* help_ = nullptr;
    std::optional<QString> listFile_;
};
