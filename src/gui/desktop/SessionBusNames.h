#pragma once

#include <QString>

// Where the program is found on the session bus. The service is the application id of the desktop entry, so the
// desktop and the program agree on one name.
namespace SessionBusNames {

inline const QString Service = QStringLiteral("example.tonalith.Tonalith");
inline const QString WindowPath = QStringLiteral("/org/tonalith/window");
inline const QString WindowInterface = QStringLiteral("example.tonalith.Tonalith");
inline const QString OpenFiles = QStringLiteral("OpenFiles");
inline const QString LauncherPath = QStringLiteral("/org/tonalith/launcher");

} // namespace SessionBusNames
