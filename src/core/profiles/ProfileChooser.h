#pragma once

#include "core/batch/ProfileStore.h"

#include <QStringList>
#include <optional>

class Prompts;

// The main window's profile chooser without its widgets: the items of its list ("(current settings)", then the saved
// profiles), which one is chosen, and what choosing, saving and deleting do, with every question and box through
// Prompts. A profile that cannot be read is refused with the store's reason and the chosen item stays as it was.
class ProfileChooser {
public:
    static QString currentSettingsItem();

    // wmaProfileCount: how many WMA profiles the panel lists; a profile's WMA profile past them is warned about.
    ProfileChooser(QString folder, Prompts& prompts, int wmaProfileCount);

    [[nodiscard]] const ProfileStore& store() const { return store_; }
    [[nodiscard]] QStringList items() const;
    // The chosen item's index in items(); 0 for "(current settings)".
    [[nodiscard]] int chosenItem() const;
    // Only a saved profile can be deleted.
    [[nodiscard]] bool canDelete() const { return chosenItem() > 0; }
    void setWmaProfileCount(int count) { wmaProfileCount_ = count; }

    // Reads the saved profiles' names again; the chosen profile stays chosen while it is there. A folder that cannot
    // be listed shows no profiles; its error is shown once, not again while it stays the same.
    void refresh();
    // The order the window's controls are to show: the profile at the item, read from its file. Nothing for
    // "(current settings)", which leaves the controls as they are, and nothing for a profile that cannot be read
    // (the error is shown). A profile with keys this version does not know, or with settings the window has no
    // control for, is taken with one warning naming them.
    [[nodiscard]] std::optional<BatchOrder> choose(int item);
    // Asks a name, offering the chosen profile's, and stores the order under it; a name the store refuses is
    // explained and asked again, an existing one is replaced only when the user agrees. True when it was stored;
    // that profile is then the chosen item.
    bool saveAs(const BatchOrder& order);
    // Asks before deleting the chosen profile; true when it is gone and "(current settings)" is chosen.
    bool deleteChosen();

private:
    void warnAbout(const LoadedProfile& loaded);

    ProfileStore store_;
    Prompts& prompts_;
    int wmaProfileCount_;
    QStringList names_;
    std::optional<QString> chosen_;
    QString listingError_;
};
