#pragma once

#include "core/platform/Shell.h"

#include <QStringList>

// Records what would be opened or run through the shell.
class FakeShell : public IShell {
public:
    QStringList opened;
    QStringList runs; // "program parameters"
    bool openResult = true;
    bool runResult = true;

    bool open(const QString& target) override {
        opened.append(target);
        return openResult;
    }
    bool runAndWait(const QString& program, const QString& parameters) override {
        runs.append(program + QLatin1Char(' ') + parameters);
        return runResult;
    }
};
