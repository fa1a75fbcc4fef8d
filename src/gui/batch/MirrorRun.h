#pragma once

#include "core/batch/LibrarySync.h"

struct ComponentSet;
class ProgressWindow;

// How a mirror started from the window ended.
struct MirrorRun {
    SyncResult result;
    bool stopped = false; // Cancel in the progress window
};

// Mirrors a folder as the window does: files are copied and removed on the UI thread, the conversions run in the
// progress window with its bars and its Cancel; after Cancel nothing more is copied or removed. The main components
// probe the sources when outputs run side by side.
[[nodiscard]] MirrorRun runMirror(const SyncSetup& setup, const BatchOrder& order, ComponentSet& components,
                                  ProgressWindow& window);
