#pragma once

#include "core/components/ComponentError.h"
#include "core/ports/Prompts.h"
#include "core/settings/ProgramName.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <exception>

// Shows an error that escaped a user action in one box, with the program's name as caption.
inline void reportEscapedError(Prompts& prompts, const QString& text) {
    prompts.message(ProgramName, text, Prompts::Icon::Error);
}

// Runs one user action or start-up step. An exception escaping it is reported in one box and goes no further, so
// no user action can end the program.
template <typename Action> void guarded(Prompts& prompts, Action&& action) {
    try {
        action();
    } catch (const ComponentError& error) {
        reportEscapedError(prompts, error.message());
    } catch (const std::exception& error) {
        reportEscapedError(prompts, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportEscapedError(prompts, QCoreApplication::translate("Messages", "An unknown error occurred."));
    }
}

// Connects a signal to an action that runs guarded: what escapes the action is reported, never passed on to Qt.
template <typename Sender, typename Signal, typename Action>
void connectGuarded(Prompts& prompts, Sender* sender, Signal signal, QObject* context, Action action) {
    QObject::connect(sender, signal, context,
                     [&prompts, action](const auto&... arguments) { guarded(prompts, [&] { action(arguments...); }); });
}
