#include "Id3v2Surplus.h"

#include "ID3v2.h"
#include "TagEditorRules.h"
#include "core/components/common/GenreTable.h"

#include <QFile>
#include <QSet>
#include <algorithm>

#include <taglib/commentsframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

namespace {

QString toQString(const TagLib::String& text) {
    return QString::fromStdWString(text.toWString());
}

bool fitsId3v1Text(const QString& text, int limit) {
    if (text.size() > limit)
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar character) { return character.unicode() <= 0xFF; });
}

bool isGenreNumberText(const QString& text) {
    // "(17)" and "17" are ID3v1 numbers in ID3v2 clothing; a name counts when it is one of the table's.
    QString bare = text.trimmed();
    if (bare.startsWith(QLatin1Char('(')) && bare.endsWith(QLatin1Char(')')))
        bare = bare.mid(1, bare.size() - 2);
    bool isNumber = false;
    const int number = bare.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < kGenreCount;
    for (int genre = 0; genre < kGenreCount; ++genre) {
        if (text.trimmed().compare(genreName(genre), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isYearText(const QString& text) {
    const QString year = text.trimmed();
    return year.size() <= tageditor::kYearLimit &&
           std::all_of(year.cbegin(), year.cend(), [](QChar character) { return character.isDigit(); });
}

bool isTrackText(const QString& text) {
    bool isNumber = false;
    const int track = text.trimmed().toInt(&isNumber);
    return text.trimmed().isEmpty() || (isNumber && track >= 0 && track <= 255);
}

// Whether one frame of the editor's seven fields fits ID3v1 as it stands.
bool frameFitsId3v1(const QByteArray& id, const TagLib::ID3v2::Frame& frame) {
    using tageditor::kId3v1TextLimit;
    if (id == "COMM") {
        const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(&frame);
        return comment != nullptr && comment->description().isEmpty() &&
               fitsId3v1Text(toQString(comment->text()), kId3v1TextLimit);
    }
    const auto* text = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(&frame);
    if (text == nullptr)
        return false;
    const TagLib::StringList fields = text->fieldList();
    if (fields.size() > 1)
        return id == "TCON" && fields.size() == 2 && isGenreNumberText(toQString(fields[0])) &&
               isGenreNumberText(toQString(fields[1]));
    const QString value = fields.isEmpty() ? QString() : toQString(fields.front());
    if (id == "TRCK")
        return isTrackText(value);
    if (id == "TYER" || id == "TDRC")
        return isYearText(value);
    if (id == "TCON")
        return value.trimmed().isEmpty() || isGenreNumberText(value);
    return fitsId3v1Text(value, kId3v1TextLimit);
}

} // namespace

bool id3v2HoldsMoreThanId3v1(const QString& fileName) {
    TID3v2 header;
    if (!header.Load(fileName) || !header.TagFound())
        return false;
    const QByteArray name = QFile::encodeName(fileName);
    TagLib::MPEG::File file(name.constData(), false);
    if (!file.isValid() || !file.hasID3v2Tag())
        return true;
    static const QSet<QByteArray> shownFields{"TIT2", "TPE1", "TALB", "TRCK", "TYER", "TDRC", "TCON", "COMM"};
    QSet<QByteArray> seen;
    for (const TagLib::ID3v2::Frame* frame : file.ID3v2Tag()->frameList()) {
        const QByteArray id(frame->frameID().data(), static_cast<qsizetype>(frame->frameID().size()));
        if (!shownFields.contains(id) || seen.contains(id) || !frameFitsId3v1(id, *frame))
            return true;
        seen.insert(id);
    }
    return false;
}
