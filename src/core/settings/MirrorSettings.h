#pragma once

#include "core/batch/MirrorChoices.h"

class IniFile;

// The "Mirror a Folder" dialog's last choices in settings.ini, under [mirror], written only once the dialog has been
// used. What is missing or unreadable keeps its default, and jobs default to the window's own.
[[nodiscard]] MirrorChoices readMirrorChoices(const IniFile& file, int windowJobs);
// Throws IniWriteError.
void writeMirrorChoices(IniFile& file, const MirrorChoices& choices);
