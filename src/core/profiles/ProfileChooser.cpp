#include "ProfileChooser.h"

#include "WindowCoverage.h"
#include "core/components/ComponentError.h"
#include "core/ports/Prompts.h"

#include <QCoreApplication>
#include <utility>

QString ProfileChooser::currentSettingsItem() {
    return QCoreApplication::translate("Profiles", "(current settings)");
}

namespace {

QString saveCaption() {
    return QCoreApplication::translate("Profiles", "Save Profile");
}
QString deleteCaption() {
    return QCoreApplication::translate("Profiles", "Delete Profile");
}
QString profileCaption() {
    return QCoreApplication::translate("Profiles", "Profile");
}

} // namespace

ProfileChooser::ProfileChooser(QString folder, Prompts& prompts, int wmaProfileCount)
    : store_(std::move(folder)), prompts_(prompts), wmaProfileCount_(wmaProfileCount) {
    refresh();
}

QStringList ProfileChooser::items() const {
    return QStringList{currentSettingsItem()} + names_;
}

int ProfileChooser::chosenItem() const {
    return chosen_ ? static_cast<int>(names_.indexOf(*chosen_)) + 1 : 0;
}

// The list is read again whenever the window comes to the front, so a folder that cannot be listed must not ask for
// attention each time.
void ProfileChooser::refresh() {
    try {
        names_ = store_.names();
        listingError_.clear();
    } catch (const ComponentError& error) {
        names_.clear();
        if (std::exchange(listingError_, error.message()) != error.message())
            prompts_.reportError(error.message());
    }
    if (chosen_ && !names_.contains(*chosen_))
        chosen_.reset();
}

std::optional<BatchOrder> ProfileChooser::choose(int item) {
    if (item <= 0 || item > names_.size()) {
        chosen_.reset();
        return std::nullopt;
    }
    const QString name = names_.at(item - 1);
    LoadedProfile loaded;
    try {
        loaded = store_.load(name);
    } catch (const ComponentError& error) {
        prompts_.reportError(error.message());
        refresh();
        return std::nullopt;
    }
    chosen_ = name;
    warnAbout(loaded);
    return std::move(loaded.order);
}

void ProfileChooser::warnAbout(const LoadedProfile& loaded) {
    QStringList paragraphs;
    if (!loaded.unknownKeys.isEmpty())
        paragraphs += QCoreApplication::translate(
                          "Profiles", "The profile \"%1\" holds settings this version does not know; they were left "
                                      "out:\n%2")
                          .arg(loaded.name, loaded.unknownKeys.join(QLatin1Char('\n')));
    const QStringList unshown = partsWithoutWindowControls(loaded.order, wmaProfileCount_);
    if (!unshown.isEmpty())
        paragraphs += QCoreApplication::translate(
                          "Profiles", "The window has no control for these settings of the profile \"%1\"; the "
                                      "window's own are kept:\n%2")
                          .arg(loaded.name, unshown.join(QLatin1Char('\n')));
    if (!paragraphs.isEmpty())
        prompts_.message(profileCaption(), paragraphs.join(QStringLiteral("\n\n")), Prompts::Icon::Warning);
}

bool ProfileChooser::saveAs(const BatchOrder& order) {
    QString offered = chosen_.value_or(QString());
    for (;;) {
        const std::optional<QString> typed =
            prompts_.askText(saveCaption(), QCoreApplication::translate("Profiles", "Profile name:"), offered);
        if (!typed)
            return false;
        const QString name = typed->trimmed();
        offered = name;
        if (const std::optional<QString> why = ProfileStore::whyNotAName(name)) {
            prompts_.message(saveCaption(), *why, Prompts::Icon::Error);
            continue;
        }
        if (store_.contains(name) &&
            !prompts_.confirm(saveCaption(), QCoreApplication::translate(
                                                 "Profiles", "A profile named \"%1\" already exists. Replace it?")
                                                 .arg(name)))
            continue;
        try {
            store_.save(name, order);
        } catch (const ComponentError& error) {
            prompts_.reportError(error.message());
            return false;
        }
        refresh();
        chosen_ = name;
        return true;
    }
}

bool ProfileChooser::deleteChosen() {
    if (!chosen_)
        return false;
    const QString name = *chosen_;
    if (!prompts_.confirm(deleteCaption(),
                          QCoreApplication::translate("Profiles", "Delete the profile \"%1\"?").arg(name)))
        return false;
    try {
        store_.remove(name);
    } catch (const ComponentError& error) {
        prompts_.reportError(error.message());
        refresh();
        return false;
    }
    chosen_.reset();
    refresh();
    return true;
}
