#include "CliCommands.h"
#include "CommandUsage.h"
#include "LineText.h"

#include "core/components/information/TagAccess.h"
#include "core/ports/Messages.h"
#include "core/tags/ID3v1.h"
#include "core/tags/ID3v2.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Control characters are written \xNN so that every value stays on its own line.
QString shownText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code < 0x20) {
            static constexpr char kHexDigits[] = "0123456789ABCDEF";
            shown += QLatin1String("\\x");
            shown += QLatin1Char(kHexDigits[code >> 4]);
            shown += QLatin1Char(kHexDigits[code & 0xF]);
        } else {
            shown += character;
        }
    }
    return shown;
}

class FieldPrinter {
public:
    FieldPrinter(QTextStream& out, const char* prefix) : out_(out), prefix_(prefix) {}

    void number(const char* field, long long value) { out_ << prefix_ << field << '=' << value << '\n'; }
    void flag(const char* field, bool value) { number(field, value ? 1 : 0); }
    // ID3v1 bytes are shown as Latin-1, the tag's own character set.
    void text(const char* field, const QByteArray& value) { text(field, QString::fromLatin1(value)); }
    void text(const char* field, const QString& value) { out_ << prefix_ << field << '=' << shownText(value) << '\n'; }

private:
    QTextStream& out_;
    const char* prefix_;
};

void printId3v1(const QString& fileName, QTextStream& out) {
    TID3v1 tag;
    FieldPrinter print(out, "id3v1.");
    print.flag("Load", tag.Load(fileName));
    print.flag("TagFound", tag.TagFound());
    print.number("SubVersion", tag.SubVersion());
    print.text("Title", tag.Title());
    print.text("Artist", tag.Artist());
    print.text("Album", tag.Album());
    print.text("Year", tag.Year());
    print.text("Comment", tag.Comment());
    print.number("Track", tag.Track());
    print.number("GenreNumber", tag.GenreNumber());
}

// The values are those the tag editor shows for the tag: every ID3v2 version, extended headers and character sets
// included.
void printId3v2(const QString& fileName, QTextStream& out) {
    TID3v2 tag;
    FieldPrinter print(out, "id3v2.");
    print.flag("Load", tag.Load(fileName));
    print.flag("TagFound", tag.TagFound());
    print.number("MajorVersion", tag.MajorVersion());
    print.number("TagSize", tag.TagSize());
    const TagValues values = tag.TagFound() ? tagaccess::readId3v2Tag(fileName) : TagValues{};
    print.text("Title", values.title);
    print.text("Artist", values.artist);
    print.text("Album", values.album);
    print.number("Track", values.track);
    print.text("Year", values.year > 0 ? QString::number(values.year) : QString());
    print.text("Genre", values.genreText);
    print.text("Comment", values.comments);
}

// Why the file cannot be read as a whole; empty when it can.
QString unreadableReason(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return Messages::FileDoesNotExist().arg(fileName);
    if (!info.isFile())
        return Messages::NotARegularFile().arg(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Messages::FileCannotBeReadBecause().arg(fileName, file.errorString());
    return {};
}

} // namespace

int runId3Command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QStringList files = fileArguments(arguments);
    if (files.isEmpty()) {
        err << CommandUsage::Id3;
        return 2;
    }
    int status = 0;
    for (const QString& fileName : files) {
        out << "file=" << oneLine(fileName) << '\n';
        // The tag units read what they can and give no reason; a file they cannot read at all is reported here.
        // A pipe or device is not handed to them, as it could block them for ever.
        const QString problem = unreadableReason(fileName);
        const QFileInfo info(fileName);
        if (problem.isEmpty() || !info.exists() || info.isDir()) {
            printId3v1(fileName, out);
            printId3v2(fileName, out);
        }
        if (!problem.isEmpty()) {
            out << "error=" << oneLine(problem) << '\n';
            err << "cannot read " << fileName << '\n';
            status = 1;
        }
    }
    return status;
}
