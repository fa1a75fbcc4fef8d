#pragma once

#include <QByteArray>

// Tag texts are raw bytes of the tag; these trims treat every byte of value 0x20 or less (blanks, zero fill, control
// bytes) as padding.
namespace tagtext {

inline bool isPadding(char byte) {
    return static_cast<unsigned char>(byte) <= 0x20;
}

// Removes padding at the end only; leading blanks and inner zero bytes stay.
inline QByteArray trimmedEnd(QByteArray text) {
    qsizetype length = text.size();
    while (length > 0 && isPadding(text[length - 1]))
        --length;
    text.truncate(length);
    return text;
}

// Removes padding at both ends.
inline QByteArray trimmedBoth(const QByteArray& text) {
    qsizetype start = 0;
    while (start < text.size() && isPadding(text[start]))
        ++start;
    return trimmedEnd(text.mid(start));
}

} // namespace tagtext
