#include "TagAccess.h"

#include "TagPicture.h"

#include <QFile>
#include <QStringDecoder>
#include <memory>

#include <taglib/asffile.h>
#include <taglib/commentsframe.h>
#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>

namespace tagaccess {
namespace {

QString toQString(const TagLib::String& text) {
    return QString::fromStdWString(text.toWString()).trimmed();
}

TagLib::String toTagString(const QString& text) {
    return TagLib::String(text.toStdWString());
}

// ID3v1 holds Latin-1 bytes; characters outside it become '?' instead of the stray bytes TagLib would cut them to.
QString latin1Only(QString text) {
    for (QChar& character : text) {
        if (character.unicode() > 0xFF) {
            character = QLatin1Char('?');
        }
    }
    return text;
}

// RIFF INFO texts declare no character set. UTF-8 is what current tools write and read there; older files with
// Latin-1 bytes are still read as Latin-1 because they are not valid UTF-8.
class InfoTextHandler : public TagLib::RIFF::Info::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override {
        const QByteArray bytes(data.data(), static_cast<qsizetype>(data.size()));
        const QByteArray text = bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString decoded = utf8.decode(text);
        if (utf8.hasError()) {
            decoded = QString::fromLatin1(text);
        }
        return toTagString(decoded);
    }
    TagLib::ByteVector render(const TagLib::String& text) const override { return text.data(TagLib::String::UTF8); }
};

void useUtf8InfoTexts() {
    // TagLib keeps one handler for all INFO tags; ours is stateless, so installing it once is enough.
    static const InfoTextHandler handler;
    static const bool installed = [] {
        TagLib::RIFF::Info::Tag::setStringHandler(&handler);
        return true;
    }();
    (void)installed;
}

template <typename FileType> TagLib::FileRef openAs(const QByteArray& name) {
    return TagLib::FileRef(new FileType(name.constData())); // the reference owns the file
}

TagLib::FileRef openOgg(const QByteArray& name) {
    // Each TagLib class refuses an Ogg stream of another codec, so the first valid one is the stream's.
    for (auto* opener : {&openAs<TagLib::Ogg::Vorbis::File>, &openAs<TagLib::Ogg::Opus::File>,
                         &openAs<TagLib::Ogg::Speex::File>, &openAs<TagLib::Ogg::FLAC::File>}) {
        if (TagLib::FileRef file = opener(name); !file.isNull()) {
            return file;
        }
    }
    return {};
}

TagValues readGeneric(const TagLib::Tag& tag) {
    TagValues values;
    values.title = toQString(tag.title());
    values.artist = toQString(tag.artist());
    values.album = toQString(tag.album());
    values.comments = toQString(tag.comment());
    values.genreText = toQString(tag.genre());
    values.genreNumber = genreNumberForText(values.genreText);
    values.year = static_cast<int>(tag.year());
    values.track = static_cast<int>(tag.track());
    return values;
}

TagValues readId3v1(const TagLib::ID3v1::Tag& tag) {
    TagValues values = readGeneric(tag);
    values.genreNumber = static_cast<int>(tag.genreNumber());
    values.genreText = genreName(values.genreNumber);
    return values;
}

// The comment a user means is the one without a description; players park their own data in described ones.
TagLib::ID3v2::CommentsFrame* plainComment(const TagLib::ID3v2::Tag& tag) {
    return TagLib::ID3v2::CommentsFrame::findByDescription(&tag, TagLib::String());
}

TagValues readId3v2(const TagLib::ID3v2::Tag& tag) {
    TagValues values = readGeneric(tag);
    if (const auto* comment = plainComment(tag)) {
        values.comments = toQString(comment->text());
    }
    // A genre given by number ("(8)" or "8") is named from our own table, as the ID3v1 genre is.
    const auto& genreFrames = tag.frameListMap()["TCON"];
    if (!genreFrames.isEmpty()) {
        if (const auto* frame = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(genreFrames.front())) {
            const TagLib::StringList fields = frame->fieldList();
            bool isNumber = false;
            const int number = fields.isEmpty() ? -1 : toQString(fields.front()).toInt(&isNumber);
            if (isNumber && number >= 0 && number < kGenreCount) {
                values.genreNumber = number;
                values.genreText = genreName(number);
            }
        }
    }
    return values;
}

TagValues readMpeg(TagLib::MPEG::File& file, int tagVersion) {
    const bool hasV1 = file.hasID3v1Tag();
    const bool hasV2 = file.hasID3v2Tag();
    const bool useV1 = tagVersion == kId3v1 ? hasV1 : !hasV2;
    if (!hasV1 && !hasV2) {
        return {};
    }
    return useV1 ? readId3v1(*file.ID3v1Tag()) : readId3v2(*file.ID3v2Tag());
}

// Everything but the comment, which ID3v2 keeps in frames of its own kind. A value the tag already holds, as read
// back by us (stored), is left alone: setting it again would rewrite it in TagLib's plain form, turning a track
// "3/12" into "3" and a date "2021-05-04" into "2021".
void writeAllButComment(TagLib::Tag& tag, const TagValues& values, const TagValues& stored) {
    if (values.title != stored.title)
        tag.setTitle(toTagString(values.title));
    if (values.artist != stored.artist)
        tag.setArtist(toTagString(values.artist));
    if (values.album != stored.album)
        tag.setAlbum(toTagString(values.album));
    if (values.genreText != stored.genreText)
        tag.setGenre(toTagString(values.genreText));
    if (values.year != stored.year)
        tag.setYear(static_cast<unsigned int>(values.year));
    if (values.track != stored.track)
        tag.setTrack(static_cast<unsigned int>(values.track));
}

// Values missing from the first tag are taken from the second, as a player showing both would.
TagValues merged(TagValues values, const TagValues& fallback) {
    for (auto field : {&TagValues::title, &TagValues::artist, &TagValues::album, &TagValues::comments}) {
        if ((values.*field).isEmpty()) {
            values.*field = fallback.*field;
        }
    }
    if (values.genreText.isEmpty()) {
        values.genreText = fallback.genreText;
        values.genreNumber = fallback.genreNumber;
    }
    for (auto field : {&TagValues::year, &TagValues::track}) {
        if (values.*field == 0) {
            values.*field = fallback.*field;
        }
    }
    return values;
}

// TagLib's generic tag of a WAV file is only its ID3v2 chunk; the INFO list, which we write, comes first.
TagValues readWav(TagLib::RIFF::WAV::File& file) {
    const TagValues info = file.hasInfoTag() ? readGeneric(*file.InfoTag()) : TagValues{};
    return file.hasID3v2Tag() ? merged(info, readId3v2(*file.ID3v2Tag())) : info;
}

void writeGeneric(TagLib::Tag& tag, const TagValues& values, const TagValues& stored) {
    writeAllButComment(tag, values, stored);
    if (values.comments != stored.comments) {
        tag.setComment(toTagString(values.comments));
    }
}

void writeGeneric(TagLib::Tag& tag, const TagValues& values) {
    writeGeneric(tag, values, readGeneric(tag));
}

void writeId3v1(TagLib::ID3v1::Tag& tag, TagValues values) {
    for (auto field : {&TagValues::title, &TagValues::artist, &TagValues::album, &TagValues::comments}) {
        values.*field = latin1Only(values.*field);
    }
    writeGeneric(tag, values, readId3v1(tag));
    tag.setGenreNumber(static_cast<unsigned int>(values.genreNumber)); // our number, not TagLib's reading of the text
}

void writeId3v2(TagLib::ID3v2::Tag& tag, const TagValues& values) {
    const TagValues stored = readId3v2(tag);
    writeAllButComment(tag, values, stored);
    if (values.comments == stored.comments) {
        return;
    }
    // Only the plain comment is replaced; described ones (players' own data) stay.
    if (auto* comment = plainComment(tag)) {
        tag.removeFrame(comment);
    }
    if (!values.comments.isEmpty()) {
        auto frame = std::make_unique<TagLib::ID3v2::CommentsFrame>(TagLib::String::Latin1);
        frame->setLanguage("eng");
        frame->setText(toTagString(values.comments));
        tag.addFrame(frame.release());
    }
}

// An ID3v2.4 tag stays 2.4: its dates and frames have no 2.3 form. A new or older tag is written as 2.3, which
// every player reads.
TagLib::ID3v2::Version id3v2VersionToKeep(const TagLib::ID3v2::Tag* existing) {
    return existing != nullptr && existing->header()->majorVersion() == 4 ? TagLib::ID3v2::v4 : TagLib::ID3v2::v3;
}

bool writeMpeg(TagLib::MPEG::File& file, const TagValues& values, int tagVersion) {
    const TagLib::ID3v2::Version version = id3v2VersionToKeep(file.hasID3v2Tag() ? file.ID3v2Tag() : nullptr);
    if (tagVersion == kId3v1) {
        writeId3v1(*file.ID3v1Tag(true), values);
        return file.save(TagLib::MPEG::File::ID3v1, TagLib::File::StripNone, version, TagLib::File::DoNotDuplicate);
    }
    writeId3v2(*file.ID3v2Tag(true), values);
    return file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, version, TagLib::File::DoNotDuplicate);
}

bool writeWav(TagLib::RIFF::WAV::File& file, const TagValues& values) {
    const TagLib::ID3v2::Version version = id3v2VersionToKeep(file.hasID3v2Tag() ? file.ID3v2Tag() : nullptr);
    writeGeneric(*file.InfoTag(), values);
    // An ID3v2 chunk that some tools add would otherwise go on showing the old values beside the new INFO list;
    // a picture can only travel in such a chunk, so it gets one.
    const bool keepsId3v2 = file.hasID3v2Tag() || values.picture.has_value();
    if (keepsId3v2) {
        writeId3v2(*file.ID3v2Tag(), values);
    }
    return file.save(keepsId3v2 ? TagLib::RIFF::WAV::File::AllTags : TagLib::RIFF::WAV::File::Info,
                     TagLib::File::StripNone, version);
}

} // namespace

TagLib::FileRef open(const QString& fileName, TagFileKind kind) {
    useUtf8InfoTexts();
    const QByteArray name = QFile::encodeName(fileName);
    TagLib::FileRef file;
    switch (kind) {
    case TagFileKind::None:
        break;
    case TagFileKind::Mpeg:
        file = openAs<TagLib::MPEG::File>(name);
        break;
    case TagFileKind::Ogg:
        file = openOgg(name);
        break;
    case TagFileKind::Asf:
        file = openAs<TagLib::ASF::File>(name);
        break;
    case TagFileKind::Wav:
        file = openAs<TagLib::RIFF::WAV::File>(name);
        break;
    case TagFileKind::Mpc:
        file = openAs<TagLib::MPC::File>(name);
        break;
    case TagFileKind::Other:
        file = TagLib::FileRef(name.constData());
        break;
    }
    return file.isNull() ? TagLib::FileRef() : file;
}

TagValues read(TagLib::File& file, int tagVersion) {
    TagValues values;
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file)) {
        values = readMpeg(*mpeg, tagVersion);
    } else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file)) {
        values = readWav(*wav);
    } else if (const TagLib::Tag* tag = file.tag(); tag != nullptr) {
        values = readGeneric(*tag);
    }
    values.picture = tagpicture::read(file);
    return values;
}

bool write(TagLib::File& file, const TagValues& values, int tagVersion) {
    // ID3v1 has no room for a picture; every other tag we write takes one along with the texts.
    const bool id3v1Only = tagVersion == kId3v1 && dynamic_cast<TagLib::MPEG::File*>(&file) != nullptr;
    if (values.picture && !id3v1Only) {
        tagpicture::addIfNone(file, *values.picture);
    }
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file)) {
        return writeMpeg(*mpeg, values, tagVersion);
    }
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file)) {
        return writeWav(*wav, values);
    }
    TagLib::Tag* tag = file.tag();
    if (tag == nullptr) {
        return false;
    }
    writeGeneric(*tag, values);
    return file.save();
}

} // namespace tagaccess
