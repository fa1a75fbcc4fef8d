#include "CliCommands.h"
#include "LineText.h"

#include "core/tags/ID3v1.h"
#include "core/tags/ID3v2.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Tag bytes are shown as Latin-1; control bytes are written \xNN so that every value stays on its own line.
QString shownText(const QByteArray& bytes) {
    QString shown;
    shown.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x20) {
            static constexpr char kHexDigits[] = "0123456789ABCDEF";
            shown += QLatin1String("\\x");
            shown += QLatin1Char(kHexDigits[code >> 4]);
            shown += QLatin1Char(kHexDigits[code & 0xF]);
        } else {
            shown += QChar(code);
        }
    }
    return shown;
}

class FieldPrinter {
public:
    FieldPrinter(QTextStream& out, const char* prefix) : out_(out), prefix_(prefix) {}

    void number(const char* field, long long value) { out_ << prefix_ << field << '=' << value << '\n'; }
    void flag(const char* field, bool value) { number(field, value ? 1 : 0); }
    void text(const char* field, const QByteArray& value) {
        out_ << prefix_ << field << '=' << shownText(value) << '\n';
    }

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

void printId3v2(const QString& fileName, QTextStream& out) {
    TID3v2 tag;
    FieldPrinter print(out, "id3v2.");
    print.flag("Load", tag.Load(fileName));
    print.flag("TagFound", tag.TagFound());
    print.number("MajorVersion", tag.MajorVersion());
    print.number("TagSize", tag.TagSize());
    print.text("Title", tag.Title());
    print.text("Artist", tag.Artist());
    print.text("Album", tag.Album());
    print.number("Track", tag.Track());
    print.text("Year", tag.Year());
    print.text("Genre", tag.Genre());
    print.text("Comment", tag.Comment());
}

// Why the file cannot be read as a whole; empty when it can.
QString unreadableReason(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return QStringLiteral("The file \"%1\" does not exist.").arg(fileName);
    if (!info.isFile())
        return QStringLiteral("\"%1\" is not a regular file.").arg(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The file \"%1\" cannot be read: %2.").arg(fileName, file.errorString());
    return {};
}

} // namespace

int runId3Command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QStringList files = fileArguments(arguments);
    if (files.isEmpty()) {
        err << "usage: tonalith-cli id3 FILE...\n";
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
