#pragma once

#include "core/platform/Shell.h"

// The shell of the desktop session: QDesktopServices for documents and links, QProcess for programs.
class QtShell : public IShell {
public:
    bool open(const QString& target) override;
    bool runAndWait(const QString& program, const QString& parameters) override;
};
