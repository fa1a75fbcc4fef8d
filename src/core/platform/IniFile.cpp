#include "IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

struct KeyLine {
    QString key;
    QString value;
};

std::optional<QString> sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype end = trimmed.indexOf(QLatin1Char(']'));
    return (end < 0 ? trimmed.mid(1) : trimmed.mid(1, end - 1)).trimmed();
}

std::optional<KeyLine> keyLine(const QString& line) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    return KeyLine{line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString withoutQuotes(const QString& value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// Line breaks would end the line early and let the rest of the text pose as keys or sections; in a name an "="
// or a "]" would move the boundary between name and value. Such characters become blanks.
QString singleLine(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0))
            c = QLatin1Char(' ');
    }
    return text;
}

QString safeName(const QString& name) {
    QString safe = singleLine(name);
    for (QChar& c : safe) {
        if (c == QLatin1Char('=') || c == QLatin1Char(']'))
            c = QLatin1Char(' ');
    }
    return safe.trimmed();
}

} // namespace

IniWriteError::IniWriteError(const QString& path)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(path).toStdString()),
      message_(QCoreApplication::translate("Settings", "Unable to write to %1").arg(path)) {}

IniFile::IniFile(QString path) : path_(std::move(path)) {}

// The file's lines as stored, each with its own line end. Writes put back every line they do not change byte for
// byte, so text in an encoding other than UTF-8 survives a write.
QList<QByteArray> IniFile::readRawLines() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype end = data.indexOf('\n', start);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        lines.append(data.mid(start, next - start));
        start = next;
    }
    return lines;
}

QString IniFile::lineText(const QByteArray& rawLine) {
    QByteArray line = rawLine;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

QStringList IniFile::readLines() const {
    QStringList lines;
    for (const QByteArray& raw : readRawLines())
        lines.append(lineText(raw));
    return lines;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const {
    bool inSection = false;
    for (const QString& line : readLines()) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto entry = keyLine(line);
        if (entry && sameName(entry->key, key))
            return withoutQuotes(entry->value).left(MaxReadLength);
    }
    return fallback;
}

QList<IniEntry> IniFile::entries() const {
    QList<IniEntry> entries;
    QString section;
    for (const QString& line : readLines()) {
        if (const auto name = sectionName(line)) {
            section = *name;
            continue;
        }
        if (const auto entry = keyLine(line); entry && !entry->key.isEmpty())
            entries.append({section, entry->key, withoutQuotes(entry->value).left(MaxReadLength)});
    }
    return entries;
}

int IniFile::parseInteger(const QString& text, int fallback) {
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.front() == QLatin1Char('-');
        digits.remove(0, 1);
    }
    int base = 10;
    if (digits.size() > 2 && (digits.startsWith(QLatin1String("0x")) || digits.startsWith(QLatin1String("0X")))) {
        base = 16;
        digits.remove(0, 2);
    } else if (digits.startsWith(QLatin1Char('$'))) {
        base = 16;
        digits.remove(0, 1);
    }
    const auto isDigit = [base](QChar c) {
        return c.isDigit() || (base == 16 && QStringLiteral("abcdefABCDEF").contains(c));
    };
    if (digits.isEmpty() || !std::all_of(digits.cbegin(), digits.cend(), isDigit))
        return fallback;
    bool ok = false;
    const qlonglong magnitude = digits.toLongLong(&ok, base);
    if (!ok)
        return fallback;
    // Hexadecimal texts name a 32-bit pattern, so $FFFFFFFF is -1 as it is on the system this format comes from.
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL)
        return static_cast<int>(static_cast<quint32>(magnitude));
    const qlonglong value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return fallback;
    return static_cast<int>(value);
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const {
    const QString text = readString(section, key, QString());
    return text.isEmpty() ? fallback : parseInteger(text, fallback);
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QString sectionText = safeName(section);
    const QString keyText = safeName(key);
    const QString entry = keyText + QLatin1Char('=') + singleLine(value);

    QList<QByteArray> raw = readRawLines();
    const QStringList lines = [&] {
        QStringList texts;
        for (const QByteArray& line : raw)
            texts.append(lineText(line));
        return texts;
    }();
    // New lines end the way the file's lines already do.
    const QByteArray lineEnd = !raw.isEmpty() && raw.front().endsWith("\r\n") ? "\r\n" : "\n";
    const auto encoded = [&](const QString& text) { return text.toUtf8() + lineEnd; };
    if (!raw.isEmpty() && !raw.back().endsWith('\n'))
        raw.back().append(lineEnd);
    qsizetype sectionStart = -1;
    qsizetype sectionEnd = lines.size();
    qsizetype existing = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (sectionStart >= 0) {
                sectionEnd = i;
                break;
            }
            if (sameName(*name, sectionText))
                sectionStart = i;
            continue;
        }
        if (sectionStart < 0 || existing >= 0)
            continue;
        const auto found = keyLine(lines[i]);
        if (found && sameName(found->key, keyText))
            existing = i;
    }
    if (existing >= 0) {
        raw[existing] = encoded(entry);
    } else if (sectionStart >= 0) {
        // After the section's last key line, so blank lines that separate sections stay where they are.
        qsizetype at = sectionEnd;
        while (at > sectionStart + 1 && lines[at - 1].trimmed().isEmpty())
            --at;
        raw.insert(at, encoded(entry));
    } else {
        raw.append(encoded(QLatin1Char('[') + sectionText + QLatin1Char(']')));
        raw.append(encoded(entry));
    }

    // A file the system marks read-only stays unwritten even though its folder would let us replace it.
    const QFileInfo info(path_);
    if (info.exists() && !info.isWritable())
        throw IniWriteError(path_);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        throw IniWriteError(path_);
    const QByteArray bytes = raw.join();
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw IniWriteError(path_);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
