#pragma once

#include "components/ComponentError.h"
#include "ui/Prompts.h"

#include <QDialog>
#include <exception>

// The frame every option dialog shares: a fixed client size, only the system menu in the title bar, modal, centred
// on the screen.
void frameOptionsDialog(QDialog& dialog, QSize clientSize);

// Gives every control under the window that has a buddy label, and no accessible name yet, its label's text as
// accessible name, so screen readers read the caption the user sees.
void nameControlsAfterTheirLabels(QWidget& window);

// Runs one user action of a dialog. An exception escaping it is reported in one error box and goes no further.
template <typename Action> void runDialogAction(Prompts& prompts, Action&& action) {
    try {
        action();
    } catch (const ComponentError& error) {
        prompts.reportError(error.message());
    } catch (const std::exception& error) {
        prompts.reportError(QString::fromLocal8Bit(error.what()));
    }
}

// Connects a control's signal to a slot of a dialog that runs as one user action (see runDialogAction).
template <typename Sender, typename Signal, typename Dialog>
void connectDialogAction(Prompts& prompts, Sender* sender, Signal signal, Dialog* dialog, void (Dialog::*slot)()) {
    QObject::connect(sender, signal, dialog,
                     [&prompts, dialog, slot] { runDialogAction(prompts, [&] { (dialog->*slot)(); }); });
}
