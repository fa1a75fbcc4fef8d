#pragma once

#include "core/platform/BatchProgressShown.h"

#include <QDBusConnection>

// The batch's total on the program's launcher icon (task managers and docks read the launcher entry signal).
class LauncherEntry {
public:
    explicit LauncherEntry(QDBusConnection bus) : bus_(std::move(bus)) {}

    // 0..100 while a batch runs; negative hides the progress.
    void show(int percent);

private:
    QDBusConnection bus_;
    LauncherProgress progress_;
};
