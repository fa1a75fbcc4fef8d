#pragma once

#include "core/tags/TagEditorSession.h"

#include <QDialog>
#include <QString>
#include <functional>
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
    // help: what "What is audio file info?" opens; without one the link does nothing.
    explicit TagEditorWindow(AppContext& context, TagEditorHelpWindow* help = nullptr, QWidget* parent = nullptr);
    ~TagEditorWindow() override;

    // Shows the editor modally. With the file of the conversion list's selected row, it opens at that file.
    void showFor(const std::optional<QString>& listFile);
    // The file the next showing opens at (the conversion list's selected row), or nothing.
    void setListFile(const std::optional<QString>& listFile) { listFile_ = listFile; }

    // Asked before the fields are written to a file: a file it refuses is left as it is (the check tells the user
    // why). Without one every file may be written.
    void setWriteCheck(std::function<bool(const QString&)> mayWrite) { mayWrite_ = std::move(mayWrite); }

    // The file mask of the editor's list: the audio files whose tags can be edited.
    static const QString FileMask;

    [[nodiscard]] Ui::TagEditorWindow& form() { return *ui; }
    [[nodiscard]] ShellBrowser& browser() { return *browser_; }

public slots:
    void openAtStartFolder();
    void reloadSelectedFile();
    void applyFields();
    void chooseTagVersion();
    void showHelp();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void prepareFields();
    void clearFields();
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
    TagEditorHelpWindow* help_;
    std::optional<QString> listFile_;
    std::function<bool(const QString&)> mayWrite_;
};
