#pragma once

#include "ConvertArguments.h"
#include "core/batch/ProfileStore.h"

#include <QTextStream>

// The profiles of this copy of the program: beside its settings.ini, found as the window finds it, so the window
// and tonalith-cli of one installation share them.
[[nodiscard]] ProfileStore programProfiles();

// Says on err which settings of a profile this version did not know (they were ignored).
void warnAboutUnknownKeys(const LoadedProfile& profile, QTextStream& err);

// Loads the orders of --use-profile from programProfiles(), warning on err; a profile that cannot be read is a
// refused value.
[[nodiscard]] ProfileOrderLoader profileOrderLoader(QTextStream& err);
