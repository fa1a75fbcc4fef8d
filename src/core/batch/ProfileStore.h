#pragma once

#include "BatchOrder.h"

#include <QString>
#include <QStringList>

// A saved profile as it was read: the order it holds (without sources), and the keys a newer version wrote that
// this one does not know (they are ignored; the caller warns about them).
struct LoadedProfile {
    QString name;
    BatchOrder order;
    QStringList unknownKeys; // "section/key"
};

// Named batch orders without their sources, one plain ini file per profile ("<name>.ini") in one folder. Every
// operation raises ComponentError with a text for the user when it cannot do what it says, and then changes
// nothing: a missing or damaged profile is refused whole, a file is replaced atomically or not at all.
class ProfileStore {
public:
    explicit ProfileStore(QString folder);

    // The "profiles" folder beside a settings file: an installed copy keeps its profiles in its configuration
    // folder, a copy run from its build folder beside its executable, as the settings.
    [[nodiscard]] static QString folderBeside(const QString& settingsPath);

    [[nodiscard]] const QString& folder() const { return folder_; }
    // The saved profiles' names, sorted ignoring letter case; none when the folder does not exist.
    [[nodiscard]] QStringList names() const;
    [[nodiscard]] bool contains(const QString& name) const;
    [[nodiscard]] LoadedProfile load(const QString& name) const;
    // Stores the order under the name, replacing a profile of that name; its sources are not stored. Makes the
    // folder when it is missing.
    void save(const QString& name, const BatchOrder& order) const;
    void remove(const QString& name) const;

    // Why a text cannot name a profile (empty, too long, a folder separator, a leading dot, a control character);
    // nothing when it can.
    [[nodiscard]] static std::optional<QString> whyNotAName(const QString& name);
    // The same reading and writing for a file anywhere (export and import).
    [[nodiscard]] static LoadedProfile readFile(const QString& path);
    static void writeFile(const QString& path, const QString& name, const BatchOrder& order);

private:
    [[nodiscard]] QString pathOf(const QString& name) const;

    QString folder_;
};
