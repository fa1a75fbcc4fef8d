#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Copies files and folders (with everything inside) into a folder, as a paste does. A name that exists there is
// replaced only when the question says yes, and then only once the copy is complete, so a failed copy never costs
// the file it was to replace.
class FolderPaste {
public:
    // Asked with the name that exists already; true replaces it.
    using ReplaceQuestion = std::function<bool(const QString& existingName)>;

    FolderPaste(QString targetFolder, ReplaceQuestion mayReplace);

    // Pastes each source in turn. Returns the names that could not be pasted (empty when all went in or were
    // skipped on purpose).
    QStringList paste(const QStringList& sources);

private:
    bool copyFile(const QString& source, const QString& target, bool replace);
    bool copyFolder(const QString& source, const QString& target, bool replace);

    QString targetFolder_;
    ReplaceQuestion mayReplace_;
};
