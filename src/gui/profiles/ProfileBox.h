#pragma once

#include "core/profiles/ProfileChooser.h"

#include <QGroupBox>
#include <functional>
#include <memory>

class Prompts;

namespace Ui {
class ProfileBox;
}

// What the profile box needs of the window it sits in.
struct ProfileWindowSide {
    std::function<BatchOrder()> currentOrder;                // the order the window's controls make now
    std::function<void(const BatchOrder&)> show;             // sets the controls a chosen profile covers
    std::function<int()> wmaProfileCount = [] { return 0; }; // how many WMA profiles the panel lists
};

// The "Profile" box above the output formats: the list of saved profiles after "(current settings)", "Save As…" and
// "Delete". What the controls hold and how a chosen profile reaches them is the window's, given through
// connectWindow().
class ProfileBox : public QGroupBox {
    Q_OBJECT
public:
    ProfileBox(const QString& folder, Prompts& prompts, QWidget* parent = nullptr);
    ~ProfileBox() override;

    [[nodiscard]] Ui::ProfileBox& form() { return *ui; }
    [[nodiscard]] ProfileChooser& chooser() { return chooser_; }

    void connectWindow(ProfileWindowSide window) { window_ = std::move(window); }

public slots:
    void itemChosen(int item);
    void saveAs();
    void deleteChosen();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showItems();

    std::unique_ptr<Ui::ProfileBox> ui;
    Prompts& prompts_;
    ProfileChooser chooser_;
    ProfileWindowSide window_;
};
