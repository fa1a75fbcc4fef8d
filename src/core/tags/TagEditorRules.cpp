#include "TagEditorRules.h"

#include "ID3v2.h"
#include "core/components/common/GenreTable.h"

#include <QFileInfo>
#include <algorithm>

namespace tageditor {

bool hasMpegExtension(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    return name.endsWith(QLatin1String(".mp3"), Qt::CaseSensitive) ||
           name.endsWith(QLatin1String(".mp2"), Qt::CaseSensitive);
}

NumberField readNumberField(const QString& text) {
    if (text.isEmpty())
        return {};
    // Any character outside ASCII is no digit; UTF-8 keeps it a non-digit byte, so the parse fails as it should.
    const std::optional<std::int32_t> number = parseWholeNumber(text.toUtf8());
    if (!number)
        return {NumberField::State::Invalid, 0};
    return {NumberField::State::Number, *number};
}

std::optional<int> genreForEntry(int entryIndex) {
    if (entryIndex < 1 || entryIndex > kGenreCount)
        return std::nullopt;
    return entryIndex - 1;
}

int entryForGenre(int genreNumber) {
    if (genreNumber < 0 || genreNumber >= kGenreCount)
        return -1;
    return genreNumber + 1;
}

int textLimit(bool storedAsId3v1) {
    return storedAsId3v1 ? kId3v1TextLimit : kUnlimitedText;
}

int limitKeeping(int limit, const QString& text) {
    return std::max(limit, static_cast<int>(text.size()));
}

} // namespace tageditor
