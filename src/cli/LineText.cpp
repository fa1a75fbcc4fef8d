#include "LineText.h"

#include <QByteArray>

#include <algorithm>

QString oneLine(const QString& text) {
    const auto isControl = [](QChar character) { return character.category() == QChar::Other_Control; };
    if (std::none_of(text.begin(), text.end(), isControl))
        return text;
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    QString line;
    line.reserve(text.size() + 8);
    for (const QChar character : text) {
        if (!isControl(character)) {
            line += character;
            continue;
        }
        for (const char byte : QString(character).toUtf8()) {
            const auto code = static_cast<unsigned char>(byte);
            line += QLatin1String("\\x");
            line += QLatin1Char(kHexDigits[code >> 4]);
            line += QLatin1Char(kHexDigits[code & 0xF]);
        }
    }
    return line;
}
