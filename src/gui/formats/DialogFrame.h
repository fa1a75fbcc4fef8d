#pragma once

#include "gui/common/ErrorReport.h"

#include <QDialog>

// The frame every option dialog shares: not resizable, only the system menu in the title bar, modal, centred on the
// screen. The client size is the smallest the dialog takes; a larger font or scale makes it as large as its content.
void frameOptionsDialog(QDialog& dialog, QSize clientSize);

// Gives every control under the window that has a buddy label, and no accessible name yet, its label's text as
// accessible name, so screen readers read the caption the user sees.
void nameControlsAfterTheirLabels(QWidget& window);

// Connects a control's signal to a slot of a dialog; an exception escaping the slot goes to the error report.
template <typename Sender, typename Signal, typename Dialog>
void connectDialogAction(Prompts& prompts, Sender* sender, Signal signal, Dialog* dialog, void (Dialog::*slot)()) {
    QObject::connect(sender, signal, dialog,
                     [&prompts, dialog, slot] { guarded(prompts, [&] { (dialog->*slot)(); }); });
}
