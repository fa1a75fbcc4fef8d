#pragma once

#include <QStringList>

// The window already running in this desktop session, as a starting program reaches it.
class IRunningInstance {
public:
    virtual ~IRunningInstance() = default;
    // Hands absolute paths to the running window, which lists them and comes to the front. False when no window
    // runs, or it did not take them in time.
    virtual bool openFiles(const QStringList& absolutePaths) = 0;
};

// One window per desktop session: a program started while another runs gives its files to that one and ends,
// instead of opening a second window beside it.
class InstanceHandOff {
public:
    // link: nothing when there is no way to reach a running window (no session bus).
    explicit InstanceHandOff(IRunningInstance* link) : link_(link) {}

    // True when a running window took the files (also none: it only comes to the front) and this start ends here.
    // Names the user gave relative to workingDirectory are made absolute first: the running window has a working
    // directory of its own.
    [[nodiscard]] bool handOver(const QStringList& names, const QString& workingDirectory) const;

private:
    IRunningInstance* link_;
};

// Names made absolute against a folder and cleaned ("a/../b" as "b"); empty names are left out.
[[nodiscard]] QStringList absolutePathsIn(const QStringList& names, const QString& workingDirectory);

// What the running window adds of the paths another process handed it: only absolute, clean local paths. Anything
// else on the bus has no working directory it could be resolved against, so it is left out.
[[nodiscard]] QStringList handedPathsToAdd(const QStringList& paths);
