#pragma once

#include <QString>

// The system's component registration tool, run silently on one component library.
class IRegistrationTool {
public:
    virtual ~IRegistrationTool() = default;
    // Runs the tool with this parameter text ("/s" and the quoted library path) and waits for it. False when the
    // tool could not be started.
    virtual bool registerLibrary(const QString& parameters) = 0;
};

// Our components are linked into the program, so there is nothing to register and no tool to run.
class NoRegistrationTool : public IRegistrationTool {
public:
    bool registerLibrary(const QString&) override { return false; }
};
