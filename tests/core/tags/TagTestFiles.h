#pragma once

#include "support/TestSupport.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>

// Small helpers that write tag files byte by byte into a temporary folder.
namespace tagtest {

// A value as four bytes, most significant first, each holding bitsPerByte bits.
inline QByteArray fourBytes(std::uint32_t value, int bitsPerByte) {
    QByteArray bytes(4, '\0');
    const std::uint32_t mask = (1u << bitsPerByte) - 1;
    for (int index = 3; index >= 0; --index) {
        bytes[index] = static_cast<char>(value & mask);
        value >>= bitsPerByte;
    }
    return bytes;
}

inline QByteArray bigEndian(std::uint32_t value) {
    return fourBytes(value, 8);
}

// One ID3v2.3 frame: identifier, plain 32-bit size (taken from the data unless given), two flag bytes, data.
inline QByteArray frame(const QByteArray& identifier, const QByteArray& data, std::int64_t declaredSize = -1) {
    const auto size = static_cast<std::uint32_t>(declaredSize >= 0 ? declaredSize : data.size());
    return identifier + bigEndian(size) + QByteArray(2, '\0') + data;
}

// A text frame with encoding byte 0.
inline QByteArray textFrame(const QByteArray& identifier, const QByteArray& text) {
    return frame(identifier, QByteArray(1, '\0') + text);
}

// The four 7-bit size digits of a tag header.
inline QByteArray syncSafe(std::uint32_t value) {
    return fourBytes(value, 7);
}

// A tag whose header declares the body's size (or declaredBodySize when given), followed by the body.
inline QByteArray id3v2Tag(const QByteArray& body, std::uint8_t majorVersion = 3, std::uint8_t flags = 0,
                           std::int64_t declaredBodySize = -1) {
    const auto size = static_cast<std::uint32_t>(declaredBodySize >= 0 ? declaredBodySize : body.size());
    return QByteArray("ID3") + static_cast<char>(majorVersion) + '\0' + static_cast<char>(flags) + syncSafe(size) +
           body;
}

// Audio stand-in: bytes that look like nothing a tag routine would take for a marker.
inline QByteArray audio(int size) {
    QByteArray bytes(size, '\0');
    for (int index = 0; index < size; ++index)
        bytes[index] = static_cast<char>(0x80 + index % 61);
    return bytes;
}

// Files are written and read back through the tests' common helpers.
using testsupport::readFile;
using testsupport::writeFile;

} // namespace tagtest
