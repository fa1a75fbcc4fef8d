#include "core/sources/SourceTypes.h"
#include "core/list/BrowserFilter.h"
#include "core/list/ConversionList.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString readSource(const char* path) {
    QFile file(QString::fromUtf8(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(SourceTypes, EveryTypeIsListedOnceAndOfferedByTheBrowser) {
    QSet<QString> seen;
    for (const SourceType& type : SourceTypes::all()) {
        const QString extension = QLatin1String(type.extension);
        EXPECT_TRUE(extension.startsWith(QLatin1Char('.')) && extension.size() > 1) << type.extension;
        EXPECT_FALSE(seen.contains(extension)) << type.extension << " is listed twice";
        seen.insert(extension);
        EXPECT_TRUE(type.inAudioFilter || type.inVideoFilter) << type.extension << " cannot be found in the browser";
        EXPECT_EQ(sourceKindOfFile(QStringLiteral("/some/folder/name") + extension), type.kind) << type.extension;
    }
    for (const char* video : {".mp4", ".mkv", ".webm", ".m4v", ".flv", ".3gp", ".avi", ".mpg", ".mov"})
        EXPECT_EQ(sourceKindOfFile(QStringLiteral("clip") + QLatin1String(video)), SourceKind::Video) << video;
    for (const char* audio : {"clip.MP4", "clip.Avi", "noextension", "/dir.mkv/song", "a.mkv.flac", "song.m4a"})
        EXPECT_EQ(sourceKindOfFile(QLatin1String(audio)), SourceKind::Audio) << audio;
    EXPECT_EQ(SourceTypes::videoExtensionsText(),
              QStringLiteral(".avi .mpg .mpeg .wmv .asf .mov .qt .mkv .webm .mp4 .m4v .flv .3gp"))
        << "the command line's help prints this list; scripts and users know it in this order";
}

// The filter entries are fixed texts the user knows; they must not offer a type the program does not read, and an
// entry below a header must be part of that header's combined filter.
TEST(SourceTypes, BrowserEntriesAndAddDialogTypesOfferOnlyTableTypes) {
    const QStringList all = SourceTypes::allPatterns();
    const QStringList read = all + SourceTypes::sheetPatterns();
    QStringList section;
    for (const QString& entry : BrowserFilter::entries()) {
        if (entry.startsWith(QLatin1String("=="))) {
            section = BrowserFilter::patterns(BrowserFilter::filterFor(entry));
            continue;
        }
        for (const QString& pattern : BrowserFilter::patterns(BrowserFilter::filterFor(entry)))
            EXPECT_TRUE(section.contains(pattern)) << entry.toStdString();
    }
    EXPECT_EQ(BrowserFilter::patterns(BrowserFilter::filterFor(BrowserFilter::entries().front())), all);

    const auto& types = addDialogFileTypes();
    ASSERT_FALSE(types.empty());
    EXPECT_EQ(BrowserFilter::patterns(types.front().second), all) << "the first type offers every source type";
    for (const auto& [text, patterns] : types) {
        for (const QString& pattern : BrowserFilter::patterns(patterns))
            EXPECT_TRUE(read.contains(pattern)) << text.toStdString();
    }
    for (const QString& pattern : BrowserFilter::patterns(SourceTypes::tagEditorMask()))
        EXPECT_TRUE(all.contains(pattern)) << pattern.toStdString();
}

TEST(SourceTypes, DesktopEntryOffersExactlyTheMimeTypesOfTheTable) {
    const QString entry = readSource(TONALITH_DESKTOP_ENTRY);
    const QRegularExpressionMatch line = QRegularExpression(QStringLiteral("\nMimeType=([^\n]*)\n")).match(entry);
    ASSERT_TRUE(line.hasMatch()) << "no MimeType line in " << TONALITH_DESKTOP_ENTRY;
    const QStringList offered = line.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    EXPECT_EQ(QSet<QString>(offered.begin(), offered.end()).size(), offered.size()) << "a MIME type is offered twice";

    const QStringList table = SourceTypes::mimeTypes();
    for (const QString& mime : table)
        EXPECT_TRUE(offered.contains(mime)) << mime.toStdString() << " is missing from the desktop entry";
    for (const QString& mime : offered)
        EXPECT_TRUE(table.contains(mime)) << mime.toStdString() << " belongs to no source type";
}

TEST(SourceTypes, ManualPageNamesTheVideoTypesOfTheTable) {
    const QString page = readSource(TONALITH_MANUAL_PAGE);
    const qsizetype start = page.indexOf(QStringLiteral("Files ending in\n"));
    const qsizetype end = page.indexOf(QStringLiteral("are video sources"), start);
    ASSERT_TRUE(start >= 0 && end > start) << "no list of video types in " << TONALITH_MANUAL_PAGE;
    QStringList named;
    static const QRegularExpression extension(QStringLiteral("^\\.BR? (\\.\\S+?)( ,)?$"),
                                              QRegularExpression::MultilineOption);
    for (auto match = extension.globalMatch(page.mid(start, end - start)); match.hasNext();)
        named.append(match.next().captured(1));
    EXPECT_EQ(named.join(QLatin1Char(' ')), SourceTypes::videoExtensionsText());
}

} // namespace
