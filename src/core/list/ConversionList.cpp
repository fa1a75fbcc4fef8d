#include "ConversionList.h"

#include "BrowserFilter.h"
#include "core/sources/SourceTypes.h"

#include <algorithm>

bool ConversionList::contains(const QString& fullName) const {
    return std::any_of(rows_.cbegin(), rows_.cend(),
                       [&](const ConversionRow& row) { return !row.track && row.fullName == fullName; });
}

bool ConversionList::containsTrack(const QString& sheet, int number) const {
    return std::any_of(rows_.cbegin(), rows_.cend(), [&](const ConversionRow& row) {
        return row.track && row.track->sheet == sheet && row.track->number == number;
    });
}

QString RowText::number(int rowCount) {
    const QString digits = QString::number(rowCount);
    return digits.size() == 1 ? QLatin1Char('0') + digits : digits;
}

QString RowText::size(qint64 bytes, QChar decimalPoint) {
    constexpr qint64 megabyte = 1048576;
    const qint64 positive = std::max<qint64>(bytes, 0);
    // Split before multiplying so that no size a file system can hold overflows.
    const qint64 whole = positive / megabyte;
    const qint64 thousandths = positive % megabyte * 1000 / megabyte;
    QString text = QString::number(whole);
    if (thousandths > 0) {
        QString decimals = QStringLiteral("%1").arg(thousandths, 3, 10, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += decimalPoint + decimals;
    }
    return text + QStringLiteral(" MB");
}

QString RowText::time(qint64 milliseconds) {
    const qint64 minutes = milliseconds / 60000;
    const qint64 seconds = milliseconds % 60000 / 1000;
    return QStringLiteral("%1:%2").arg(minutes).arg(seconds, 2, 10, QLatin1Char('0'));
}

const std::vector<std::pair<QString, QString>>& addDialogFileTypes() {
    static const std::vector<std::pair<QString, QString>> types{
        {"Audio and Video Formats", SourceTypes::allPatterns().join(QLatin1Char(';'))},
        {"Wav Files (*.wav;*.wave)", "*.wav;*.wave"},
        {"MPEG Files (*.mp3;*.mp2;*.mp1;*.mpeg)", "*.mp3;*.mp2;*.mp1;*.mpeg"},
        {"Ogg Vorbis Files (*.ogg)", "*.ogg"},
        {"WMA Files (*.wma)", "*.wma"},
        {"AVI Files (*.avi)", "*.avi"},
        {"VOX Files (*.vox)", "*.vox"},
        {"RAW Files (*.raw)", "*.raw"},
        {"G72x Files (*.g721;*.g723;*.g726)", "*.g721;*.g723;*.g726"},
        {"DSP Files (*.dsp)", "*.dsp"},
        {"MPPlus Files (*.mpc;*.mp+)", "*.mpc;*.mp+"},
        {"Apple Audio Files (*.aif;*.aiff;*.aifc)", "*.aif;*.aiff;*.aifc"},
        {"Unix Audio Files (*.au;*.snd)", "*.au;*.snd"},
        {"MPEG Files (*.mpg;*.mpeg)", "*.mpg;*.mpeg"},
        {"WMV Files (*.wmv; *.asf)", "*.wmv; *.asf"},
        {"Quick Time Files (*.mov; *.qt)", "*.mov; *.qt"},
        {"Cue Sheets (*.cue)", "*.cue"},
        // Last, for a file whose name does not tell its type: the program reads it if its content is sound.
        {"All files (*)", "*"}};
    return types;
}

QStringList addDialogFilters() {
    QStringList filters;
    for (const auto& [text, patterns] : addDialogFileTypes()) {
        // The dialog reads the patterns from the last pair of brackets, blank-separated; the name keeps its own.
        const qsizetype bracket = text.indexOf(QStringLiteral(" ("));
        const QString name = bracket < 0 ? text : text.left(bracket);
        // No patterns means every file.
        const QStringList names = BrowserFilter::patterns(patterns);
        filters.append(
            QStringLiteral("%1 (%2)").arg(name, names.isEmpty() ? QStringLiteral("*") : names.join(QLatin1Char(' '))));
    }
    return filters;
}
