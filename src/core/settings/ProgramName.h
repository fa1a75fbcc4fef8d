#pragma once

#include <QString>

// The program's name as the user sees it: the application name, the caption of error reports, window titles.
inline const QString ProgramName = QStringLiteral("Tonalith");
