#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of a cue sheet into text. Sheets come in whatever the ripping program and its system used:
// UTF-8 with or without a byte order mark, UTF-16 with one, or a legacy code page that only a guess can tell
// (Windows-1251, Shift-JIS, ...). Raises ComponentError, naming `sheetName`, for bytes that are no text at all.
namespace CueSheetText {

[[nodiscard]] QString decode(const QByteArray& bytes, const QString& sheetName);

// The name of the encoding decode() would use: "UTF-8", "UTF-16LE", "UTF-16BE" or the guess, e.g. "WINDOWS-1251".
[[nodiscard]] QString encodingOf(const QByteArray& bytes);

} // namespace CueSheetText
