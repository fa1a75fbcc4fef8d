#include "SourceKind.h"

#include <array>

SourceKind sourceKindOfFile(const QString& fileName) {
    static constexpr std::array<const char*, 13> kVideoExtensions{
        ".avi", ".mpg", ".mpeg", ".wmv", ".asf", ".mov", ".qt", ".mkv", ".webm", ".mp4", ".m4v", ".flv", ".3gp"};
    for (const char* extension : kVideoExtensions) {
        if (fileName.endsWith(QLatin1String(extension), Qt::CaseSensitive))
            return SourceKind::Video;
    }
    return SourceKind::Audio;
}
