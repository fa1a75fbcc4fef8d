#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

// A write to an ini file that the system refused. The message names the file: "Unable to write to <path>".
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString& path);
    [[nodiscard]] const QString& message() const { return message_; }

private:
    QString message_;
};

// One key line of an ini file, with the section it stands in (empty before the first section).
struct IniEntry {
    QString section;
    QString key;
    QString value;
};

// A Windows-style ini file ("[section]" lines, then "key=value" lines) with the behaviour of the system's
// private-profile calls: sections and keys are found ignoring letter case, every read looks at the file as it is
// now, and every write reaches the file at once. Writes replace the whole file atomically, so a crash never leaves
// it half-written, and a value can never create keys or sections of its own.
class IniFile {
public:
    // Texts longer than this are cut on reading.
    static constexpr int MaxReadLength = 2047;

    explicit IniFile(QString path);

    [[nodiscard]] const QString& path() const { return path_; }

    // The stored text, or the default when the section or key is missing. Blanks around the value, and one pair
    // of matching quotes around it, are not part of it.
    [[nodiscard]] QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // Decimal, or hexadecimal with a "0x" or "$" prefix; the default when the key is missing or does not parse.
    [[nodiscard]] int readInteger(const QString& section, const QString& key, int fallback) const;
    // Read as an integer; any non-zero value is on.
    [[nodiscard]] bool readBool(const QString& section, const QString& key, bool fallback) const;

    // Every key line in the order of the file, its value read as readString reads it.
    [[nodiscard]] QList<IniEntry> entries() const;

    // Each throws IniWriteError when the file cannot be written.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    // The integer reading rule on its own, for values that come from elsewhere.
    [[nodiscard]] static int parseInteger(const QString& text, int fallback);

private:
    [[nodiscard]] QList<QByteArray> readRawLines() const;
    [[nodiscard]] QStringList readLines() const;
    [[nodiscard]] static QString lineText(const QByteArray& rawLine);

    QString path_;
};
