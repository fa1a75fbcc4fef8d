#include "BrowserFilter.h"

namespace {
const QString AllEntry = QStringLiteral("== Audio and Video Formats ==");
const QString AudioEntry = QStringLiteral("== Audio Formats ==========");
const QString VideoEntry = QStringLiteral("== Video Formats==========");

const QString AudioFilter = QStringLiteral("*.wav;*.wave;*.mp3;*.mp2;*.mp1;*.mpeg;*.ogg;*.wma;*.avi;*.g721;*.g723;"
                                           "*.g726;*.dsp;*.mpc;*.mp+;*.vox;*.raw;*.aif;*.aiff;*.aifc;*.au;*.snd;"
                                           "*.flac;*.m4a;*.aac;*.opus;*.wv;*.ape;*.ac3;*.eac3;*.dts;*.caf;*.w64;"
                                           "*.tta;*.amr");
const QString VideoFilter = QStringLiteral("*.avi;*.mpg;*.mpeg;*.wmv; *.wma; *.asf;*.mov; *.qt;"
                                           "*.mkv;*.webm;*.mp4;*.m4v;*.flv;*.3gp");
} // namespace

const QStringList& BrowserFilter::entries() {
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
                                  QStringLiteral("*.mov; *.qt")};
    return list;
}

QString BrowserFilter::filterFor(const QString& entryText) {
    if (entryText == AllEntry)
        return AudioFilter + QLatin1Char(';') + VideoFilter;
    if (entryText == VideoEntry)
        return VideoFilter;
    if (entryText == AudioEntry)
        return AudioFilter;
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
