#include "CueSheetText.h"

#include "core/components/ComponentError.h"

#include <QStringDecoder>
#include <iconv.h>
#include <memory>
#include <optional>
#include <uchardet/uchardet.h>

namespace {

struct UchardetFree {
    void operator()(uchardet_t detector) const { uchardet_delete(detector); }
};
using Detector = std::unique_ptr<std::remove_pointer_t<uchardet_t>, UchardetFree>;

struct IconvClose {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvClose>;

// Most sheets without a byte order mark are in the Windows code page of Western Europe; it is also what a guess
// that finds nothing falls back to, since every byte has a meaning in it.
const char* const kFallbackEncoding = "WINDOWS-1252";

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark) {
    if (bytes.size() < qsizetype(mark.size()))
        return false;
    qsizetype at = 0;
    for (unsigned char byte : mark)
        if (static_cast<unsigned char>(bytes[at++]) != byte)
            return false;
    return true;
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8(bytes);
    return !utf8.hasError();
}

QString guessedEncoding(const QByteArray& bytes) {
    const Detector detector(uchardet_new());
    if (!detector || uchardet_handle_data(detector.get(), bytes.constData(), size_t(bytes.size())) != 0)
        return QLatin1String(kFallbackEncoding);
    uchardet_data_end(detector.get());
    const QString name = QString::fromLatin1(uchardet_get_charset(detector.get())).toUpper();
    // An empty answer means plain ASCII or nothing recognisable; both read correctly in the fallback.
    return name.isEmpty() ? QLatin1String(kFallbackEncoding) : name;
}

// glibc's iconv knows every code page uchardet can name; Qt alone knows only the Unicode ones.
std::optional<QString> convert(const QByteArray& bytes, const QString& encoding) {
    iconv_t opened = iconv_open("UTF-8", encoding.toLatin1().constData());
    if (opened == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    const Converter converter(opened);
    QByteArray input = bytes;
    QByteArray output(bytes.size() * 4 + 16, Qt::Uninitialized);
    char* in = input.data();
    size_t inLeft = size_t(input.size());
    char* out = output.data();
    size_t outLeft = size_t(output.size());
    if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == size_t(-1))
        return std::nullopt;
    output.truncate(output.size() - qsizetype(outLeft));
    return QString::fromUtf8(output);
}

} // namespace

namespace CueSheetText {

QString encodingOf(const QByteArray& bytes) {
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return QStringLiteral("UTF-8");
    if (startsWith(bytes, {0xFF, 0xFE}))
        return QStringLiteral("UTF-16LE");
    if (startsWith(bytes, {0xFE, 0xFF}))
        return QStringLiteral("UTF-16BE");
    if (isUtf8(bytes))
        return QStringLiteral("UTF-8");
    return guessedEncoding(bytes);
}

QString decode(const QByteArray& bytes, const QString& sheetName) {
    const QString encoding = encodingOf(bytes);
    const bool unicode = encoding.startsWith(QLatin1String("UTF-"));
    if (!unicode && bytes.contains('\0'))
        throw ComponentError(QStringLiteral("%1 is not a cue sheet: it holds binary data.").arg(sheetName));

    QString text;
    if (encoding == QLatin1String("UTF-16LE") || encoding == QLatin1String("UTF-16BE")) {
        QStringDecoder utf16(encoding == QLatin1String("UTF-16LE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        text = utf16(bytes.mid(2));
        if (utf16.hasError())
            throw ComponentError(QStringLiteral("%1 is not a cue sheet: its text is damaged.").arg(sheetName));
    } else if (unicode) {
        text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    } else {
        std::optional<QString> converted = convert(bytes, encoding);
        if (!converted)
            converted = convert(bytes, QLatin1String(kFallbackEncoding));
        text = converted.value_or(QString::fromLatin1(bytes));
    }

    for (const QChar c : text) {
        const bool control = c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
                             c != QLatin1Char('\r') && c.unicode() != 0x1A;
        if (control)
            throw ComponentError(QStringLiteral("%1 is not a cue sheet: it holds binary data.").arg(sheetName));
    }
    return text;
}

} // namespace CueSheetText
