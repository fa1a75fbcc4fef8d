#include "SourceTypes.h"

#include "core/components/reader/ContainerContents.h"

#include <array>

namespace {

using enum SourceKind;

// The audio filter also offers .avi and .mpeg, and the video filter .wma: the older Windows and MPEG containers
// often hold sound alone, so users look for them on both sides.
constexpr std::array kTypes{
    SourceType{".wav", Audio, true, false, true, "audio/x-wav;audio/wav;audio/vnd.wave"},
    SourceType{".wave", Audio, true, false, true, "audio/x-wav;audio/wav;audio/vnd.wave"},
    SourceType{".mp3", Audio, true, false, true, "audio/mpeg"},
    SourceType{".mp2", Audio, true, false, true, "audio/mp2"},
    SourceType{".mp1", Audio, true, false, true, "audio/mpeg"},
    SourceType{".ogg", Audio, true, false, true, "audio/ogg;audio/x-vorbis+ogg"},
    SourceType{".wma", Audio, true, true, true, "audio/x-ms-wma"},
    SourceType{".g721", Audio, true, false, true, ""},
    SourceType{".g723", Audio, true, false, false, ""},
    SourceType{".g726", Audio, true, false, false, ""},
    SourceType{".dsp", Audio, true, false, false, ""},
    SourceType{".mpc", Audio, true, false, true, "audio/x-musepack"},
    SourceType{".mp+", Audio, true, false, true, "audio/x-musepack"},
    SourceType{".vox", Audio, true, false, false, ""},
    SourceType{".raw", Audio, true, false, false, ""},
    SourceType{".aif", Audio, true, false, false, "audio/x-aiff"},
    SourceType{".aiff", Audio, true, false, false, "audio/x-aiff"},
    SourceType{".aifc", Audio, true, false, false, "audio/x-aifc"},
    SourceType{".au", Audio, true, false, false, "audio/basic"},
    SourceType{".snd", Audio, true, false, false, "audio/basic"},
    SourceType{".flac", Audio, true, false, false, "audio/flac"},
    SourceType{".m4a", Audio, true, false, false, "audio/mp4"},
    SourceType{".aac", Audio, true, false, false, "audio/aac"},
    SourceType{".opus", Audio, true, false, false, "audio/ogg"},
    SourceType{".wv", Audio, true, false, false, "audio/x-wavpack"},
    SourceType{".ape", Audio, true, false, false, "audio/x-ape"},
    SourceType{".ac3", Audio, true, false, false, "audio/ac3"},
    SourceType{".eac3", Audio, true, false, false, ""},
    SourceType{".dts", Audio, true, false, false, "audio/vnd.dts"},
    SourceType{".caf", Audio, true, false, false, ""},
    SourceType{".w64", Audio, true, false, false, ""},
    SourceType{".tta", Audio, true, false, false, "audio/x-tta"},
    SourceType{".amr", Audio, true, false, false, "audio/AMR"},
    SourceType{".dsf", Audio, true, false, false, "audio/x-dsf"},
    SourceType{".dff", Audio, true, false, false, "audio/x-dff"},
    SourceType{".avi", Video, true, true, true, "video/x-msvideo"},
    SourceType{".mpg", Video, false, true, false, "video/mpeg"},
    SourceType{".mpeg", Video, true, true, true, "video/mpeg"},
    SourceType{".wmv", Video, false, true, false, "video/x-ms-wmv"},
    SourceType{".asf", Video, false, true, false, "video/x-ms-asf;application/vnd.ms-asf"},
    SourceType{".mov", Video, false, true, false, "video/quicktime"},
    SourceType{".qt", Video, false, true, false, "video/quicktime"},
    SourceType{".mkv", Video, false, true, false, "video/x-matroska"},
    SourceType{".webm", Video, false, true, false, "video/webm"},
    SourceType{".mp4", Video, false, true, false, "video/mp4"},
    SourceType{".m4v", Video, false, true, false, "video/mp4"},
    SourceType{".flv", Video, false, true, false, "video/x-flv"},
    SourceType{".3gp", Video, false, true, false, "video/3gpp"},
};

// Music saved from the web comes in video containers (.webm, .mp4, .mkv) that hold nothing but sound; such a file
// is read like any sound file, tags included.
bool holdsSoundAlone(const QString& fileName) {
    const std::optional<ContainerContents> contents = readContainerContents(fileName);
    return contents && contents->soundTrack && !contents->movingPictures;
}

template <typename Wanted> QStringList patternsWhere(Wanted wanted) {
    QStringList patterns;
    for (const SourceType& type : kTypes) {
        if (wanted(type))
            patterns.append(QLatin1Char('*') + QLatin1String(type.extension));
    }
    return patterns;
}

} // namespace

std::span<const SourceType> SourceTypes::all() {
    return kTypes;
}

QStringList SourceTypes::audioFilterPatterns() {
    return patternsWhere([](const SourceType& type) { return type.inAudioFilter; });
}

QStringList SourceTypes::videoFilterPatterns() {
    return patternsWhere([](const SourceType& type) { return type.inVideoFilter; });
}

QStringList SourceTypes::allPatterns() {
    return patternsWhere([](const SourceType&) { return true; });
}

QStringList SourceTypes::sheetPatterns() {
    return {QStringLiteral("*.cue")};
}

QString SourceTypes::tagEditorMask() {
    return patternsWhere([](const SourceType& type) { return type.tagEditable; }).join(QLatin1Char(';'));
}

QString SourceTypes::videoExtensionsText() {
    QStringList extensions;
    for (const SourceType& type : kTypes) {
        if (type.kind == Video)
            extensions.append(QLatin1String(type.extension));
    }
    return extensions.join(QLatin1Char(' '));
}

QStringList SourceTypes::mimeTypes() {
    QStringList types;
    for (const SourceType& type : kTypes) {
        for (const QString& mime : QString::fromLatin1(type.mimeTypes).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!types.contains(mime))
                types.append(mime);
        }
    }
    return types;
}

SourceKind sourceKindOfFile(const QString& fileName) {
    for (const SourceType& type : kTypes) {
        if (fileName.endsWith(QLatin1String(type.extension), Qt::CaseSensitive))
            return type.kind == Video && holdsSoundAlone(fileName) ? Audio : type.kind;
    }
    return Audio;
}
