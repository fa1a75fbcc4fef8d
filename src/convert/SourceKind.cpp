#include "SourceKind.h"

#include <array>

SourceKind sourceKindOfFile(const QString& fileName) {
    static constexpr std::array<const char*, 7> kVideoExtensions{".avi", ".mpg", ".mpeg", ".wmv",
                                                                 ".asf", ".mov", ".qt"};
    for (const char* extension : kVideoExtensions) {
        if (fileName.endsWith(QLatin1String(extension), Qt::CaseSensitive))
            return SourceKind::Video;
    }
    return SourceKind::Audio;
}
