#pragma once

#include <QString>

// The desktop shell: opening documents, folders and links with their default program, and running a program.
class IShell {
public:
    virtual ~IShell() = default;
    // Opens a local file or folder (a path) or a link ("mailto:...", "https://...") with its default action.
    // False when nothing could be started; the shell reports its own problems.
    virtual bool open(const QString& target) = 0;
    // Starts a program found on the search path with a parameter text, hidden, and waits for it to end while the
    // user interface stays alive; the wait also ends when the application is shutting down. False when the program
    // could not be started. The program's exit code is not looked at.
    virtual bool runAndWait(const QString& program, const QString& parameters) = 0;
};
