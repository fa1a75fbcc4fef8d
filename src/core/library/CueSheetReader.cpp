#include "CueSheetReader.h"

#include "CueSheetText.h"
#include "core/components/ComponentError.h"
#include "core/sources/SourceTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr int kMaxTrackNumber = 99;

// One line of a sheet split into its command and the rest. Sheets quote arguments with spaces, but programs also
// write names with spaces unquoted, and titles holding quotes without escaping them, so the rest is kept as written
// and each command takes what it needs from it.
struct SheetLine {
    int number = 0;
    QString command;
    QString rest;
};

QString unquoted(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype first = trimmed.indexOf(QLatin1Char('"'));
    const qsizetype last = trimmed.lastIndexOf(QLatin1Char('"'));
    if (first == 0 && last > first)
        return trimmed.mid(1, last - 1);
    return trimmed;
}

class SheetParser {
public:
    explicit SheetParser(const QString& sheetPath) : name_(QFileInfo(sheetPath).fileName()) { sheet_.path = sheetPath; }

    // A sheet kept inside an audio file describes that file, whatever its FILE line names (often the image it was
    // ripped to before being encoded), so its one image is the file itself.
    static SheetParser insideFile(const QString& filePath) {
        SheetParser parser(filePath);
        parser.ownImage_ = true;
        parser.sheet_.images.push_back(CueImage{QFileInfo(filePath).fileName(), filePath, 0});
        return parser;
    }

    CueSheet parse(const QString& text) {
        const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        for (qsizetype at = 0; at < lines.size(); ++at) {
            // Tabs separate words as spaces do; a title holding one loses nothing a player would show.
            const QString trimmed = QString(lines[at]).replace(QLatin1Char('\t'), QLatin1Char(' ')).trimmed();
            if (trimmed.isEmpty() || trimmed == QLatin1String("\x1a"))
                continue;
            const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
            SheetLine line{int(at + 1), (space < 0 ? trimmed : trimmed.left(space)).toUpper(),
                           space < 0 ? QString() : trimmed.mid(space + 1).trimmed()};
            handle(line);
        }
        finishTrack(int(lines.size()));
        if (sheet_.tracks.empty())
            throw ComponentError(
                QCoreApplication::translate("Library", "%1 is not a usable cue sheet: it lists no tracks.").arg(name_));
        return std::move(sheet_);
    }

private:
    [[noreturn]] void fail(int line, const QString& what) const {
        throw ComponentError(
            QCoreApplication::translate("Library", "%1, line %2: %3").arg(name_, QString::number(line), what));
    }

    CueTrack* track() { return inTrack_ ? &sheet_.tracks.back() : nullptr; }

    void handle(const SheetLine& line) {
        const QString& c = line.command;
        if (c == QLatin1String("REM"))
            remark(line);
        else if (c == QLatin1String("FILE"))
            file(line);
        else if (c == QLatin1String("TRACK"))
            trackLine(line);
        else if (c == QLatin1String("INDEX"))
            index(line);
        else if (c == QLatin1String("TITLE"))
            (track() ? track()->title : sheet_.title) = unquoted(line.rest);
        else if (c == QLatin1String("PERFORMER"))
            (track() ? track()->performer : sheet_.performer) = unquoted(line.rest);
        else if (c == QLatin1String("SONGWRITER"))
            (track() ? track()->songwriter : sheet_.songwriter) = unquoted(line.rest);
        else if (c == QLatin1String("ISRC") && track())
            track()->isrc = unquoted(line.rest);
        else if (c == QLatin1String("CATALOG"))
            sheet_.catalog = unquoted(line.rest);
        // FLAGS, PREGAP, POSTGAP, CDTEXTFILE and commands of other programs say nothing about the audio in the
        // image (PREGAP and POSTGAP are silence a burner would add), so they are passed over.
    }

    void remark(const SheetLine& line) {
        const qsizetype space = line.rest.indexOf(QLatin1Char(' '));
        const QString key = (space < 0 ? line.rest : line.rest.left(space)).toUpper();
        const QString value = space < 0 ? QString() : unquoted(line.rest.mid(space + 1));
        if (key.startsWith(QLatin1String("REPLAYGAIN_"))) {
            (track() ? track()->replayGain : sheet_.replayGain)[key] = value;
            return;
        }
        if (track())
            return;
        if (key == QLatin1String("DATE"))
            sheet_.date = value;
        else if (key == QLatin1String("GENRE"))
            sheet_.genre = value;
        else if (key == QLatin1String("COMMENT"))
            sheet_.comment = value;
        else if (key == QLatin1String("DISCNUMBER"))
            sheet_.discNumber = value;
        else if (key == QLatin1String("TOTALDISCS"))
            sheet_.totalDiscs = value;
    }

    void file(const SheetLine& line) {
        // A FILE line between a track's INDEX 00 and its INDEX 01 means the track starts in the next file and its
        // pregap lies at the end of the file before, where it stays with the track before.
        const bool trackGoesOn = inTrack_ && !hasStart_;
        if (!trackGoesOn)
            finishTrack(line.number);
        QString rest = line.rest;
        QString named;
        if (rest.startsWith(QLatin1Char('"')) && rest.lastIndexOf(QLatin1Char('"')) > 0) {
            named = rest.mid(1, rest.lastIndexOf(QLatin1Char('"')) - 1);
        } else {
            // Unquoted: the name is everything before the file type, which is one word at the end.
            const qsizetype space = rest.lastIndexOf(QLatin1Char(' '));
            named = space < 0 ? rest : rest.left(space).trimmed();
        }
        if (named.isEmpty())
            fail(line.number, QCoreApplication::translate("Library", "FILE names no file."));
        if (ownImage_) {
            if (fileLines_++ > 0)
                fail(line.number, QCoreApplication::translate(
                                      "Library", "a sheet kept inside a file can describe only that file, but this "
                                                 "one names a second."));
            sheet_.images.front().line = line.number;
            return;
        }
        sheet_.images.push_back(CueImage{named, QString(), line.number});
        if (trackGoesOn) {
            track()->image = int(sheet_.images.size() - 1);
            track()->pregapStart.reset();
        }
    }

    void trackLine(const SheetLine& line) {
        finishTrack(line.number);
        if (sheet_.images.empty())
            fail(line.number, QCoreApplication::translate("Library", "TRACK comes before any FILE line."));
        bool ok = false;
        const int number = line.rest.section(QLatin1Char(' '), 0, 0).toInt(&ok);
        if (!ok || number < 1 || number > kMaxTrackNumber)
            fail(line.number,
                 QCoreApplication::translate("Library", "“%1” is no track number (1 to 99).").arg(line.rest));
        if (sheet_.tracks.size() >= size_t(kMaxTrackNumber))
            fail(line.number, QCoreApplication::translate("Library", "a sheet holds at most 99 tracks."));
        CueTrack added;
        added.number = number;
        added.image = int(sheet_.images.size() - 1);
        added.line = line.number;
        sheet_.tracks.push_back(added);
        inTrack_ = true;
        hasStart_ = false;
    }

    CueFrames time(const SheetLine& line, const QString& text) const {
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4}):(\\d{1,2}):(\\d{1,2})$"));
        const QRegularExpressionMatch match = pattern.match(text);
        if (!match.hasMatch() || match.captured(2).toInt() >= 60 || match.captured(3).toInt() >= kCueFramesPerSecond)
            fail(line.number,
                 QCoreApplication::translate("Library", "“%1” is no time (minutes:seconds:frames).").arg(text));
        return (CueFrames(match.captured(1).toInt()) * 60 + match.captured(2).toInt()) * kCueFramesPerSecond +
               match.captured(3).toInt();
    }

    void index(const SheetLine& line) {
        CueTrack* current = track();
        if (!current)
            fail(line.number, QCoreApplication::translate("Library", "INDEX comes before any TRACK line."));
        const QStringList parts = line.rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok = false;
        const int number = parts.isEmpty() ? -1 : parts[0].toInt(&ok);
        if (parts.size() != 2 || !ok || number < 0 || number > 99)
            fail(line.number,
                 QCoreApplication::translate("Library", "“%1” is no index (a number and a time).").arg(line.rest));
        const CueFrames at = time(line, parts[1]);
        const std::optional<CueFrames> previous = previousStartOnImage();
        if (number == 0) {
            if (current->pregapStart || hasStart_)
                fail(line.number, QCoreApplication::translate("Library", "INDEX 00 is out of order in track %1.")
                                      .arg(current->number));
            if (previous && at <= *previous)
                fail(line.number, QCoreApplication::translate(
                                      "Library", "INDEX 00 of track %1 lies before the start of the track before it.")
                                      .arg(current->number));
            current->pregapStart = at;
        } else if (number == 1) {
            if (hasStart_)
                fail(line.number,
                     QCoreApplication::translate("Library", "track %1 has INDEX 01 twice.").arg(current->number));
            if (current->pregapStart && at < *current->pregapStart)
                fail(line.number,
                     QCoreApplication::translate("Library", "INDEX 01 of track %1 lies before its INDEX 00.")
                         .arg(current->number));
            if (previous && at <= *previous)
                fail(line.number,
                     QCoreApplication::translate(
                         "Library", "INDEX 01 of track %1 does not come after the start of the track before it.")
                         .arg(current->number));
            current->start = at;
            current->startLine = line.number;
            hasStart_ = true;
        } else if (!hasStart_) {
            // Sub-indexes (02 and on) only mark points inside a track; they must merely follow its start.
            fail(line.number, QCoreApplication::translate("Library", "INDEX %1 of track %2 comes before its INDEX 01.")
                                  .arg(parts[0])
                                  .arg(current->number));
        }
    }

    // The start of the track before the current one, when both come from the same image.
    std::optional<CueFrames> previousStartOnImage() const {
        if (sheet_.tracks.size() < 2)
            return std::nullopt;
        const CueTrack& before = sheet_.tracks[sheet_.tracks.size() - 2];
        if (before.image != sheet_.tracks.back().image)
            return std::nullopt;
        return before.start;
    }

    void finishTrack(int line) {
        if (inTrack_ && !hasStart_)
            fail(sheet_.tracks.back().line,
                 QCoreApplication::translate("Library", "track %1 has no INDEX 01 (checked up to line %2).")
                     .arg(sheet_.tracks.back().number)
                     .arg(line));
        inTrack_ = false;
    }

    CueSheet sheet_;
    QString name_;
    bool inTrack_ = false;
    bool hasStart_ = false;
    bool ownImage_ = false;
    int fileLines_ = 0;
};

// Sheets are often moved with their image after it was re-encoded (album.wav became album.flac), or written on
// another system with a different path or letter case; so an image not found by its name is looked for beside the
// sheet by its file name, then by its base name with any audio extension we read.
QString findImage(const QString& named, const QDir& folder) {
    const QString slashed = QString(named).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo direct(QDir::isAbsolutePath(slashed) ? slashed : folder.filePath(slashed));
    if (direct.isFile() && direct.isReadable())
        return direct.absoluteFilePath();

    const QFileInfo wanted(slashed);
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Readable);
    for (const QFileInfo& entry : entries)
        if (entry.fileName().compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return entry.absoluteFilePath();
    for (const SourceType& type : SourceTypes::all()) {
        if (type.kind != SourceKind::Audio)
            continue;
        const QString candidate = wanted.completeBaseName() + QLatin1String(type.extension);
        for (const QFileInfo& entry : entries)
            if (entry.fileName().compare(candidate, Qt::CaseInsensitive) == 0)
                return entry.absoluteFilePath();
    }
    return QString();
}

void resolveImages(CueSheet& sheet) {
    const QDir folder = QFileInfo(sheet.path).absoluteDir();
    const QString name = QFileInfo(sheet.path).fileName();
    for (CueImage& image : sheet.images) {
        image.path = findImage(image.named, folder);
        if (image.path.isEmpty())
            throw ComponentError(
                QCoreApplication::translate("Library", "%1, line %2: the image “%3” cannot be read, and there is no "
                                                       "readable audio file of that name beside the sheet.")
                    .arg(name, QString::number(image.line), image.named));
    }
}

} // namespace

CueSheet CueSheetReader::parse(const QByteArray& bytes, const QString& sheetPath) {
    const QString name = QFileInfo(sheetPath).fileName();
    if (bytes.size() > kMaxSheetBytes)
        throw ComponentError(QCoreApplication::translate("Library", "%1 is not a cue sheet: it is %2 bytes long.")
                                 .arg(name, QString::number(bytes.size())));
    CueSheet sheet = SheetParser(sheetPath).parse(CueSheetText::decode(bytes, name));
    resolveImages(sheet);
    return sheet;
}

CueSheet CueSheetReader::parseInsideFile(const QByteArray& bytes, const QString& filePath) {
    if (bytes.size() > kMaxSheetBytes)
        throw ComponentError(
            QCoreApplication::translate("Library", "The cue sheet inside %1 is %2 bytes long; it cannot be one.")
                .arg(QFileInfo(filePath).fileName(), QString::number(bytes.size())));
    return SheetParser::insideFile(filePath).parse(CueSheetText::decode(bytes, QFileInfo(filePath).fileName()));
}

CueSheet CueSheetReader::readFile(const QString& sheetPath) {
    QFile file(sheetPath);
    const QString name = QFileInfo(sheetPath).fileName();
    if (!file.open(QIODevice::ReadOnly))
        throw ComponentError(
            QCoreApplication::translate("Library", "%1 cannot be read: %2").arg(name, file.errorString()));
    if (file.size() > kMaxSheetBytes)
        throw ComponentError(QCoreApplication::translate("Library", "%1 is not a cue sheet: it is %2 bytes long.")
                                 .arg(name, QString::number(file.size())));
    return parse(file.read(kMaxSheetBytes + 1), sheetPath);
}
