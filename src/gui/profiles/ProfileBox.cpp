#include "ProfileBox.h"

#include "gui/common/ErrorReport.h"
#include "ui_ProfileBox.h"

#include <QEvent>
#include <QSignalBlocker>

ProfileBox::ProfileBox(const QString& folder, Prompts& prompts, QWidget* parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::ProfileBox>()), prompts_(prompts), chooser_(folder, prompts, 0) {
    ui->setupUi(this);
    showItems();
    // The index rather than activation: a click, the keyboard, the wheel and a screen reader all choose through it.
    // The list's own refills are kept out with a signal blocker.
    connectGuarded(prompts_, ui->profileCombo, &QComboBox::currentIndexChanged, this,
                   [this](int item) { itemChosen(item); });
    connectGuarded(prompts_, ui->saveAsButton, &QPushButton::clicked, this, [this](bool) { saveAs(); });
    connectGuarded(prompts_, ui->deleteButton, &QPushButton::clicked, this, [this](bool) { deleteChosen(); });
}

ProfileBox::~ProfileBox() = default;

// Profiles saved or deleted meanwhile, by tonalith-cli or another copy of the program, are listed when the user comes
// back to the window.
void ProfileBox::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    chooser_.refresh();
    showItems();
}

void ProfileBox::showItems() {
    const QSignalBlocker quiet(ui->profileCombo);
    const QStringList items = chooser_.items();
    QStringList shown;
    for (int item = 0; item < ui->profileCombo->count(); ++item)
        shown += ui->profileCombo->itemText(item);
    // An open list keeps its place when nothing in it changed.
    if (shown != items) {
        ui->profileCombo->clear();
        ui->profileCombo->addItems(items);
    }
    ui->profileCombo->setCurrentIndex(chooser_.chosenItem());
    ui->deleteButton->setEnabled(chooser_.canDelete());
}

// A refused profile puts the list back on the item chosen before.
void ProfileBox::itemChosen(int item) {
    chooser_.setWmaProfileCount(window_.wmaProfileCount());
    const std::optional<BatchOrder> order = chooser_.choose(item);
    showItems();
    if (order && window_.show)
        window_.show(*order);
}

void ProfileBox::saveAs() {
    if (!window_.currentOrder)
        return;
    chooser_.saveAs(window_.currentOrder());
    showItems();
}

void ProfileBox::deleteChosen() {
    chooser_.deleteChosen();
    showItems();
}
