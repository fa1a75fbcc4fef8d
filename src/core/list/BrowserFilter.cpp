#include "BrowserFilter.h"

#include "core/sources/SourceTypes.h"

namespace {
const QString AllEntry = QStringLiteral("== Audio and Video Formats ==");
const QString AudioEntry = QStringLiteral("== Audio Formats ==========");
const QString VideoEntry = QStringLiteral("== Video Formats==========");
const QString SheetEntry = QStringLiteral("== Cue Sheets =============");

QString joined(const QStringList& patterns) {
    return patterns.join(QLatin1Char(';'));
}
} // namespace

const QStringList& BrowserFilter::entries() {
    // The cue sheets come last, so that the stored index of an earlier entry still picks that entry.
    static const QStringList list{AllEntry,
                                  AudioEntry,
                                  QStringLiteral("*.wav;*.wave"),
                                  QStringLiteral("*.mp3;*.mp2;*.mp1;*.mpeg"),
                                  QStringLiteral("*.ogg"),
                                  QStringLiteral("*.wma"),
                                  QStringLiteral("*.avi"),
                                  QStringLiteral("*.g721;*.g723;*.g726"),
                                  QStringLiteral("*.dsp"),
                                  QStringLiteral("*.mpc;*.mp+"),
                                  QStringLiteral("*.vox"),
                                  QStringLiteral("*.raw"),
                                  QStringLiteral("*.aif;*.aiff;*.aifc"),
                                  QStringLiteral("*.au;*.snd"),
                                  VideoEntry,
                                  QStringLiteral("*.avi"),
                                  QStringLiteral("*.mpg;*.mpeg"),
                                  QStringLiteral("*.wmv; *.wma; *.asf"),
                                  QStringLiteral("*.mov; *.qt"),
                                  SheetEntry,
                                  QStringLiteral("*.cue")};
    return list;
}

QString BrowserFilter::filterFor(const QString& entryText) {
    if (entryText == AllEntry)
        return joined(SourceTypes::allPatterns());
    if (entryText == VideoEntry)
        return joined(SourceTypes::videoFilterPatterns());
    if (entryText == AudioEntry)
        return joined(SourceTypes::audioFilterPatterns());
    if (entryText == SheetEntry)
        return joined(SourceTypes::sheetPatterns());
    return entryText;
}

QStringList BrowserFilter::patterns(const QString& filter) {
    QStringList result;
    for (const QString& piece : filter.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = piece.trimmed();
        if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
            return {};
        if (!pattern.isEmpty() && !result.contains(pattern))
            result.append(pattern);
    }
    return result;
}
