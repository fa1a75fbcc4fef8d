#pragma once

#include "core/batch/MirrorChoices.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class Prompts;

namespace Ui {
class MirrorDialog;
}

// Action ▸ "Mirror a Folder…": asks which folder to mirror where and how. OK is taken only for choices that can
// start; what is wrong with others is told through Prompts and the dialog stays open. Choosing a saved profile shows
// its format.
class MirrorDialog : public QDialog {
    Q_OBJECT
public:
    // The format a saved profile converts to, read when the profile is chosen; nothing when it names none.
    using ProfileFormat = std::function<std::optional<OutputFormat>(const QString& profile)>;

    explicit MirrorDialog(Prompts& prompts, QWidget* parent = nullptr);
    ~MirrorDialog() override;

    [[nodiscard]] Ui::MirrorDialog& form() { return *ui; }

    void setProfileFormat(ProfileFormat profileFormat) { profileFormat_ = std::move(profileFormat); }
    // Fills the controls; a stored profile that is no longer saved falls back to the window's current settings.
    void showChoices(const MirrorChoices& choices, const QStringList& profiles);
    [[nodiscard]] MirrorChoices choices() const;

public slots:
    void chooseSourceFolder();
    void chooseDestinationFolder();
    void accept() override;

private:
    void profileChosen(int item);

    std::unique_ptr<Ui::MirrorDialog> ui;
    Prompts& prompts_;
    ProfileFormat profileFormat_;
};
