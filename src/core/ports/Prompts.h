#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every message box and file or folder dialog the program shows goes through this interface, so windows can be
// driven by tests that record what would be shown and answer it.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Error };

    virtual ~Prompts() = default;

    // A modal box with one OK button. An empty caption shows the application's title.
    virtual void message(const QString& caption, const QString& text, Icon icon) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool confirm(const QString& caption, const QString& text) = 0;
    // The folder picker (file-system folders only, starting at startFolder); nothing when cancelled.
    virtual std::optional<QString> pickFolder(const QString& title, const QString& startFolder) = 0;
    // The open-file dialog with multiple selection; filters as "Name (*.a *.b)", the first one preselected.
    // The chosen files in the dialog's order; empty when cancelled.
    virtual QStringList pickFilesToOpen(const QString& title, const QStringList& filters) = 0;
    // A modal one-line text field with OK and Cancel, holding initialText at first; the text as typed for OK,
    // nothing when cancelled.
    virtual std::optional<QString> askText(const QString& caption, const QString& label,
                                           const QString& initialText) = 0;

    // The standard box for an error nobody handled on the way: the application's title and an error icon.
    void reportError(const QString& text) { message(QString(), text, Icon::Error); }
};
