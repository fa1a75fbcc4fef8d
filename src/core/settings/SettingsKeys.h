#pragma once

#include <QString>

// The names settings.ini is read and written under. Files of earlier runs rely on every letter, so each name is
// spelled here once and nowhere else.
namespace SettingsKeys {

inline const QString FileName = QStringLiteral("settings.ini");

inline const QString DefaultFolderSection = QStringLiteral("defaultfolder");
inline const QString DefaultFolder = QStringLiteral("defaultfolder");

inline const QString ConversionSection = QStringLiteral("conversion");
inline const QString CheckItem = QStringLiteral("checkitem");
inline const QString IsOpenFolder = QStringLiteral("isopenfolder");
inline const QString CopyTag = QStringLiteral("copytag");
inline const QString NotifyAtEnd = QStringLiteral("notifyatend");

// The format boxes are stored in this section too, each under the key of its format's table entry.
inline const QString GeneralSection = QStringLiteral("general");
inline const QString SaveState = QStringLiteral("savestate");
inline const QString CurrentFolder = QStringLiteral("currentfolder");
inline const QString CurrentFilter = QStringLiteral("currentfilter");
// The windows' language; absent until the user picks one, and then a catalogue code or empty for the desktop's.
inline const QString Language = QStringLiteral("language");

inline const QString BatchSection = QStringLiteral("batch");
inline const QString Jobs = QStringLiteral("jobs");
inline const QString EvenLoudness = QStringLiteral("evenloudness");
inline const QString ReplayGain = QStringLiteral("replaygain");
inline const QString Exists = QStringLiteral("exists");
inline const QString Verify = QStringLiteral("verify");
inline const QString SoundTrackLanguages = QStringLiteral("soundtracklanguages");
inline const QString HiddenTrack = QStringLiteral("hiddentrack");

// The "Mirror a Folder" dialog's last choices.
inline const QString MirrorSection = QStringLiteral("mirror");
inline const QString MirrorSource = QStringLiteral("source");
inline const QString MirrorDestination = QStringLiteral("destination");
inline const QString MirrorFormat = QStringLiteral("format");
inline const QString MirrorProfile = QStringLiteral("profile");
inline const QString MirrorLossy = QStringLiteral("lossy");
inline const QString MirrorSide = QStringLiteral("side");
inline const QString MirrorNames = QStringLiteral("names");
inline const QString MirrorPrune = QStringLiteral("prune");
inline const QString MirrorKeepTime = QStringLiteral("keeptime");
inline const QString MirrorJobs = QStringLiteral("jobs");

} // namespace SettingsKeys

// The names of the placement file: one section per window, named after the window.
namespace PlacementKeys {

inline const QString SectionSuffix = QStringLiteral(" Position");
inline const QString IsDesigned = QStringLiteral("isdesigned");
inline const QString Yes = QStringLiteral("y");
inline const QString No = QStringLiteral("n");
inline const QString WindowState = QStringLiteral("WindowState");
inline const QString Left = QStringLiteral("Left");
inline const QString Top = QStringLiteral("Top");
inline const QString Width = QStringLiteral("Width");
inline const QString Height = QStringLiteral("Height");

} // namespace PlacementKeys
