#pragma once

#include <QString>

// Text as it goes onto one line of tonalith-cli's results. A control character (newline, carriage return, tab,
// DEL, ...) in a file name or a reason would break the line, or the columns of the text summary, so each byte of
// its UTF-8 encoding is written \xNN in upper-case hex: a newline becomes \x0A. Every other character is written
// as it is, so a name without control characters comes out byte for byte.
[[nodiscard]] QString oneLine(const QString& text);
