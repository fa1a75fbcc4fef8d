#include "TagValues.h"

int genreNumberForText(const QString& text) {
    const QString wanted = text.trimmed();
    const auto& names = genreTable();
    for (int number = 0; number < kGenreCount; ++number) {
        if (wanted.compare(QLatin1String(names[static_cast<std::size_t>(number)]), Qt::CaseInsensitive) == 0) {
            return number;
        }
    }
    return kNoGenre;
}
