#pragma once

#include "core/settings/ProgramFolder.h"

struct ComponentSet;
class IComponentSetFactory;
class IRegistrationTool;
class IShell;
class Prompts;
class SettingsStore;

// What every window of the program works with: built once at start-up and handed to each window by reference. The
// factory stays at hand because a batch on workers makes component sets of its own; the registration tool is what
// the start-up repair used.
struct AppContext {
    ComponentSet& components;
    SettingsStore& settings;
    Prompts& prompts;
    IShell& shell;
    ProgramLocations locations;
    IComponentSetFactory& componentFactory;
    IRegistrationTool& registration;
};
