#pragma once

#include "core/platform/ProgramFolder.h"

struct ComponentSet;
class IShell;
class Prompts;
class SettingsStore;

// What every window of the program works with: built once at start-up and handed to each window by reference.
struct AppContext {
    ComponentSet& components;
    SettingsStore& settings;
    Prompts& prompts;
    IShell& shell;
    ProgramLocations locations;
};
