#include "TagAccess.h"

#include "TagPicture.h"
#include "core/components/ComponentError.h"
#include "core/components/reader/ContainerContents.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <tuple>

#include <taglib/asffile.h>
#include <taglib/commentsframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2synchdata.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mp4file.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tpropertymap.h>
#include <taglib/unsynchronizedlyricsframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

namespace tagaccess {
namespace {

constexpr unsigned int kTagHeaderBytes = 10;

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

// ---- Fields beyond the seven: each format keeps them under its own names. ----

// The loudness fields under their ReplayGain/R128 names, in the order they are written.
struct LoudnessField {
    const char* name;
    QString LoudnessTags::*value;
};
constexpr LoudnessField kReplayGainFields[] = {{"REPLAYGAIN_TRACK_GAIN", &LoudnessTags::trackGain},
                                               {"REPLAYGAIN_TRACK_PEAK", &LoudnessTags::trackPeak},
                                               {"REPLAYGAIN_ALBUM_GAIN", &LoudnessTags::albumGain},
                                               {"REPLAYGAIN_ALBUM_PEAK", &LoudnessTags::albumPeak}};
constexpr LoudnessField kR128Fields[] = {{"R128_TRACK_GAIN", &LoudnessTags::r128TrackGain},
                                         {"R128_ALBUM_GAIN", &LoudnessTags::r128AlbumGain}};

// "3/12" as number and total; a missing part is 0.
std::pair<int, int> numberAndTotal(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    const int number = parts.value(0).trimmed().toInt();
    const int total = parts.size() > 1 ? parts.value(1).trimmed().toInt() : 0;
    return {std::max(number, 0), std::max(total, 0)};
}

QString numberWithTotal(int number, int total) {
    if (total > 0)
        return QStringLiteral("%1/%2").arg(number).arg(total);
    return number > 0 ? QString::number(number) : QString();
}

// The full date is written only while it still agrees with the plain year, which the tag editor may have changed
// since the file was read; a changed year wins.
QString dateToWrite(const TagValues& values) {
    if (values.date.isEmpty() || values.date.left(4).toInt() != values.year)
        return values.year > 0 ? QString::number(values.year) : QString();
    return values.date;
}

// Opus players apply only R128 gains, and every other format's players only ReplayGain ones. A gain known in one
// reference is carried into the other (R128 is relative to -23 LUFS, ReplayGain 2.0 to -18 LUFS), so copying
// between the two loses nothing; a peak has no R128 counterpart.
constexpr double kR128BelowReplayGainDb = 5.0;

QString replayGainFromR128(const QString& r128) {
    bool valid = false;
    const int q78 = r128.toInt(&valid);
    return valid ? QStringLiteral("%1 dB").arg(q78 / 256.0 + kR128BelowReplayGainDb, 0, 'f', 2) : QString();
}

QString r128FromReplayGain(const QString& gain) {
    QString number = gain.trimmed();
    if (number.endsWith(QLatin1String("dB"), Qt::CaseInsensitive))
        number.chop(2);
    bool valid = false;
    const double decibels = number.trimmed().toDouble(&valid);
    if (!valid)
        return {};
    const double q78 = std::round((decibels - kR128BelowReplayGainDb) * 256.0);
    return QString::number(static_cast<int>(std::clamp(q78, -32768.0, 32767.0)));
}

LoudnessTags loudnessForOutput(LoudnessTags tags, bool opusOutput) {
    if (opusOutput) {
        if (tags.r128TrackGain.isEmpty())
            tags.r128TrackGain = r128FromReplayGain(tags.trackGain);
        if (tags.r128AlbumGain.isEmpty())
            tags.r128AlbumGain = r128FromReplayGain(tags.albumGain);
        tags.trackGain.clear();
        tags.trackPeak.clear();
        tags.albumGain.clear();
        tags.albumPeak.clear();
    } else {
        if (tags.trackGain.isEmpty())
            tags.trackGain = replayGainFromR128(tags.r128TrackGain);
        if (tags.albumGain.isEmpty())
            tags.albumGain = replayGainFromR128(tags.r128AlbumGain);
        tags.r128TrackGain.clear();
        tags.r128AlbumGain.clear();
    }
    return tags;
}

QString firstValue(const TagLib::PropertyMap& properties, const char* key) {
    const auto found = properties.find(key);
    return found == properties.end() || found->second.isEmpty() ? QString() : toQString(found->second.front());
}

// The fields as TagLib names them for every format (ID3v2, Vorbis comments, MP4, ASF all map onto these keys).
void readExtras(const TagLib::PropertyMap& properties, TagValues& values) {
    values.albumArtist = firstValue(properties, "ALBUMARTIST");
    values.composer = firstValue(properties, "COMPOSER");
    values.date = firstValue(properties, "DATE");
    values.lyrics = firstValue(properties, "LYRICS");
    values.isrc = firstValue(properties, "ISRC");
    const auto [track, trackTotal] = numberAndTotal(firstValue(properties, "TRACKNUMBER"));
    const auto [disc, discTotal] = numberAndTotal(firstValue(properties, "DISCNUMBER"));
    values.trackTotal = trackTotal;
    values.discNumber = disc;
    values.discTotal = discTotal;
    // Vorbis comments keep the totals apart, under either of two names.
    for (const char* key : {"TRACKTOTAL", "TOTALTRACKS"})
        if (const int total = firstValue(properties, key).toInt(); values.trackTotal == 0 && total > 0)
            values.trackTotal = total;
    for (const char* key : {"DISCTOTAL", "TOTALDISCS"})
        if (const int total = firstValue(properties, key).toInt(); values.discTotal == 0 && total > 0)
            values.discTotal = total;
    if (values.track == 0)
        values.track = track;
    for (const auto& field : kReplayGainFields)
        values.loudness.*field.value = firstValue(properties, field.name);
    for (const auto& field : kR128Fields)
        values.loudness.*field.value = firstValue(properties, field.name);
}

// ID3v2 (MP3 and the id3 chunk of WAV): TPE2 TCOM TDRC TSRC TPOS TRCK n/N, USLT, TXXX for the loudness values.
void replaceId3v2Text(TagLib::ID3v2::Tag& tag, const char* frameId, const QString& text) {
    tag.removeFrames(frameId);
    if (text.isEmpty())
        return;
    auto frame = std::make_unique<TagLib::ID3v2::TextIdentificationFrame>(frameId, TagLib::String::UTF8);
    frame->setText(toTagString(text));
    tag.addFrame(frame.release());
}

void replaceId3v2UserText(TagLib::ID3v2::Tag& tag, const char* description, const QString& text) {
    // Tools differ in the letter case of the description; any spelling of the same name is the same value.
    const TagLib::ID3v2::FrameList frames = tag.frameList("TXXX");
    for (TagLib::ID3v2::Frame* frame : frames) {
        const auto* userText = dynamic_cast<TagLib::ID3v2::UserTextIdentificationFrame*>(frame);
        if (userText != nullptr && userText->description().upper() == TagLib::String(description))
            tag.removeFrame(frame);
    }
    if (!text.isEmpty())
        tag.addFrame(
            new TagLib::ID3v2::UserTextIdentificationFrame(description, toTagString(text), TagLib::String::UTF8));
}

void writeId3v2Loudness(TagLib::ID3v2::Tag& tag, const LoudnessTags& loudness) {
    for (const auto& field : kReplayGainFields)
        replaceId3v2UserText(tag, field.name, loudness.*field.value);
    for (const auto& field : kR128Fields)
        replaceId3v2UserText(tag, field.name, loudness.*field.value);
}

// Like the seven fields, a value the tag already holds is left as it is written ("03/06" stays "03/06").
void writeId3v2Extras(TagLib::ID3v2::Tag& tag, const TagValues& values, const TagValues& stored) {
    if (values.albumArtist != stored.albumArtist)
        replaceId3v2Text(tag, "TPE2", values.albumArtist);
    if (values.composer != stored.composer)
        replaceId3v2Text(tag, "TCOM", values.composer);
    if (dateToWrite(values) != dateToWrite(stored) || values.year != stored.year)
        replaceId3v2Text(tag, "TDRC", dateToWrite(values));
    if (values.isrc != stored.isrc)
        replaceId3v2Text(tag, "TSRC", values.isrc);
    if (values.discNumber != stored.discNumber || values.discTotal != stored.discTotal)
        replaceId3v2Text(tag, "TPOS", numberWithTotal(values.discNumber, values.discTotal));
    if (values.track != stored.track || values.trackTotal != stored.trackTotal)
        replaceId3v2Text(tag, "TRCK", numberWithTotal(values.track, values.trackTotal));
    if (values.lyrics != stored.lyrics) {
        if (auto* lyrics = TagLib::ID3v2::UnsynchronizedLyricsFrame::findByDescription(&tag, TagLib::String()))
            tag.removeFrame(lyrics);
        if (!values.lyrics.isEmpty()) {
            auto frame = std::make_unique<TagLib::ID3v2::UnsynchronizedLyricsFrame>(TagLib::String::UTF8);
            frame->setLanguage("eng");
            frame->setText(toTagString(values.lyrics));
            tag.addFrame(frame.release());
        }
    }
    const LoudnessTags loudness = loudnessForOutput(values.loudness, false);
    if (!(loudness == stored.loudness))
        writeId3v2Loudness(tag, loudness);
}

// Vorbis comments (Ogg Vorbis, Opus, FLAC): every field under its own name, the totals apart.
void replaceXiphField(TagLib::Ogg::XiphComment& comment, const char* key, const QString& text) {
    comment.removeFields(key);
    if (!text.isEmpty())
        comment.addField(key, toTagString(text));
}

void writeXiphLoudness(TagLib::Ogg::XiphComment& comment, const LoudnessTags& loudness) {
    for (const auto& field : kReplayGainFields)
        replaceXiphField(comment, field.name, loudness.*field.value);
    for (const auto& field : kR128Fields)
        replaceXiphField(comment, field.name, loudness.*field.value);
}

QString positive(int number) {
    return number > 0 ? QString::number(number) : QString();
}

void writeXiphExtras(TagLib::Ogg::XiphComment& comment, const TagValues& values, bool opusOutput) {
    replaceXiphField(comment, "ALBUMARTIST", values.albumArtist);
    replaceXiphField(comment, "COMPOSER", values.composer);
    replaceXiphField(comment, "DATE", dateToWrite(values));
    replaceXiphField(comment, "LYRICS", values.lyrics);
    replaceXiphField(comment, "ISRC", values.isrc);
    replaceXiphField(comment, "TRACKTOTAL", positive(values.trackTotal));
    comment.removeFields("TOTALTRACKS");
    replaceXiphField(comment, "DISCNUMBER", positive(values.discNumber));
    replaceXiphField(comment, "DISCTOTAL", positive(values.discTotal));
    comment.removeFields("TOTALDISCS");
    writeXiphLoudness(comment, loudnessForOutput(values.loudness, opusOutput));
}

// MP4 atoms: aART ©wrt ©day ©lyr, trkn and disk as number pairs, iTunes freeform items for ISRC and loudness.
const TagLib::String kItunesFreeform = "----:com.apple.iTunes:";

void replaceMp4Text(TagLib::MP4::Tag& tag, const TagLib::String& key, const QString& text) {
    if (text.isEmpty())
        tag.removeItem(key);
    else
        tag.setItem(key, TagLib::StringList(toTagString(text)));
}

void replaceMp4Pair(TagLib::MP4::Tag& tag, const char* key, int number, int total) {
    if (number <= 0 && total <= 0)
        tag.removeItem(key);
    else
        tag.setItem(key, TagLib::MP4::Item(number, total));
}

void writeMp4Loudness(TagLib::MP4::Tag& tag, const LoudnessTags& loudness) {
    for (const auto& field : kReplayGainFields)
        replaceMp4Text(tag, kItunesFreeform + field.name, loudness.*field.value);
}

QString mp4Text(const TagLib::MP4::Tag& tag, const TagLib::String& key) {
    const TagLib::StringList texts = tag.item(key).toStringList();
    return texts.isEmpty() ? QString() : toQString(texts.front());
}

void readMp4Loudness(const TagLib::MP4::Tag& tag, LoudnessTags& loudness) {
    for (const auto& field : kReplayGainFields)
        if (const QString text = mp4Text(tag, kItunesFreeform + field.name); !text.isEmpty())
            loudness.*field.value = text;
}

void writeMp4Extras(TagLib::MP4::Tag& tag, const TagValues& values) {
    replaceMp4Text(tag, "aART", values.albumArtist);
    replaceMp4Text(tag, "\251wrt", values.composer);
    replaceMp4Text(tag, "\251day", dateToWrite(values));
    replaceMp4Text(tag, "\251lyr", values.lyrics);
    replaceMp4Text(tag, kItunesFreeform + "ISRC", values.isrc);
    replaceMp4Pair(tag, "trkn", values.track, values.trackTotal);
    replaceMp4Pair(tag, "disk", values.discNumber, values.discTotal);
    writeMp4Loudness(tag, loudnessForOutput(values.loudness, false));
}

// ASF attributes: WM/AlbumArtist WM/Composer WM/Year WM/Lyrics WM/ISRC WM/PartOfSet, loudness under its own names.
void replaceAsfText(TagLib::ASF::Tag& tag, const TagLib::String& name, const QString& text) {
    if (text.isEmpty())
        tag.removeItem(name);
    else
        tag.setAttribute(name, TagLib::ASF::Attribute(toTagString(text)));
}

void writeAsfLoudness(TagLib::ASF::Tag& tag, const LoudnessTags& loudness) {
    for (const auto& field : kReplayGainFields) {
        tag.removeItem(toTagString(QString::fromLatin1(field.name).toLower()));
        replaceAsfText(tag, field.name, loudness.*field.value);
    }
}

void readAsfLoudness(const TagLib::ASF::Tag& tag, LoudnessTags& loudness) {
    for (const auto& field : kReplayGainFields) {
        for (const TagLib::String& name :
             {TagLib::String(field.name), toTagString(QString::fromLatin1(field.name).toLower())}) {
            const TagLib::ASF::AttributeList attributes = tag.attribute(name);
            if (!attributes.isEmpty() && loudness.*field.value == QString())
                loudness.*field.value = toQString(attributes.front().toString());
        }
    }
}

void writeAsfExtras(TagLib::ASF::Tag& tag, const TagValues& values) {
    replaceAsfText(tag, "WM/AlbumArtist", values.albumArtist);
    replaceAsfText(tag, "WM/Composer", values.composer);
    replaceAsfText(tag, "WM/Year", dateToWrite(values));
    replaceAsfText(tag, "WM/Lyrics", values.lyrics);
    replaceAsfText(tag, "WM/ISRC", values.isrc);
    replaceAsfText(tag, "WM/PartOfSet", numberWithTotal(values.discNumber, values.discTotal));
    // The total rides in the track number as "3/12", as TagLib's own mapping of ASF writes it; the plain number
    // stays when there is no total.
    if (values.trackTotal > 0)
        replaceAsfText(tag, "WM/TrackNumber", numberWithTotal(values.track, values.trackTotal));
    writeAsfLoudness(tag, loudnessForOutput(values.loudness, false));
}

// The Vorbis comment block of an Ogg or FLAC file; null for other formats.
TagLib::Ogg::XiphComment* xiphCommentOf(TagLib::File& file) {
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(&file))
        return flac->xiphComment(true);
    if (dynamic_cast<TagLib::Ogg::File*>(&file) != nullptr)
        return dynamic_cast<TagLib::Ogg::XiphComment*>(file.tag());
    return nullptr;
}

bool isOpus(const TagLib::File& file) {
    return dynamic_cast<const TagLib::Ogg::Opus::File*>(&file) != nullptr;
}

// The extra fields of formats whose generic tag TagLib maps onto canonical property names.
void readOtherExtras(TagLib::File& file, TagValues& values) {
    if (auto* comment = xiphCommentOf(file)) {
        readExtras(comment->properties(), values);
    } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(&file); mp4 != nullptr && mp4->tag() != nullptr) {
        readExtras(mp4->tag()->properties(), values);
        readMp4Loudness(*mp4->tag(), values.loudness);
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file); asf != nullptr && asf->tag() != nullptr) {
        readExtras(asf->tag()->properties(), values);
        readAsfLoudness(*asf->tag(), values.loudness);
    } else if (const TagLib::Tag* tag = file.tag(); tag != nullptr) {
        readExtras(tag->properties(), values);
    }
}

// Writes the extra fields into formats other than MPEG and WAV; false when the format has no place for them.
bool writeOtherExtras(TagLib::File& file, const TagValues& values) {
    if (auto* comment = xiphCommentOf(file)) {
        writeXiphExtras(*comment, values, isOpus(file));
    } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(&file); mp4 != nullptr && mp4->tag() != nullptr) {
        writeMp4Extras(*mp4->tag(), values);
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file); asf != nullptr && asf->tag() != nullptr) {
        writeAsfExtras(*asf->tag(), values);
    } else {
        return false;
    }
    return true;
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
    readExtras(tag.properties(), values);
    return values;
}

// TagLib takes the size of every extended header as ID3v2.4 states it, counting its own four bytes; ID3v2.3 does not
// count them, so TagLib would look for the first frame four bytes early, find none, and read an empty tag. Such a
// tag is read from a copy without its extended header, which holds nothing the values come from.
std::optional<TagLib::ByteVector> id3v23WithoutExtendedHeader(TagLib::File& file) {
    constexpr char kExtendedHeaderFlag = 0x40;
    file.seek(0);
    TagLib::ByteVector header = file.readBlock(kTagHeaderBytes);
    if (header.size() < kTagHeaderBytes || !header.startsWith("ID3") || header[3] != 3 ||
        (header[5] & kExtendedHeaderFlag) == 0)
        return std::nullopt;
    const TagLib::ByteVector body = file.readBlock(TagLib::ID3v2::SynchData::toUInt(header.mid(6, 4)));
    if (body.size() < 4)
        return std::nullopt;
    const unsigned int extendedSize = body.toUInt(0U, true) + 4;
    if (extendedSize > body.size())
        return std::nullopt;
    const TagLib::ByteVector frames = body.mid(extendedSize);
    header[5] = static_cast<char>(header[5] & ~kExtendedHeaderFlag);
    return header.mid(0, 6) + TagLib::ID3v2::SynchData::fromUInt(frames.size()) + frames;
}

// The values of an MPEG file's ID3v2 tag, which it has.
TagValues readMpegId3v2(TagLib::MPEG::File& file) {
    if (const std::optional<TagLib::ByteVector> plain = id3v23WithoutExtendedHeader(file)) {
        TagLib::ByteVectorStream stream(*plain);
        TagLib::MPEG::File copy(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        if (copy.isValid() && copy.hasID3v2Tag())
            return readId3v2(*copy.ID3v2Tag());
    }
    return readId3v2(*file.ID3v2Tag());
}

TagValues readMpeg(TagLib::MPEG::File& file, int tagVersion) {
    const bool hasV1 = file.hasID3v1Tag();
    const bool hasV2 = file.hasID3v2Tag();
    const bool useV1 = tagVersion == kId3v1 ? hasV1 : !hasV2;
    if (!hasV1 && !hasV2) {
        return {};
    }
    return useV1 ? readId3v1(*file.ID3v1Tag()) : readMpegId3v2(file);
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
    writeId3v2Extras(tag, values, stored);
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

// Whether the values hold anything beyond the seven fields and the picture.
bool hasExtras(const TagValues& values) {
    TagValues plain = values;
    plain.albumArtist.clear();
    plain.composer.clear();
    plain.date.clear();
    plain.lyrics.clear();
    plain.isrc.clear();
    plain.trackTotal = plain.discNumber = plain.discTotal = 0;
    plain.loudness = {};
    return !(plain == values);
}

bool writeWav(TagLib::RIFF::WAV::File& file, const TagValues& values) {
    const TagLib::ID3v2::Version version = id3v2VersionToKeep(file.hasID3v2Tag() ? file.ID3v2Tag() : nullptr);
    writeGeneric(*file.InfoTag(), values);
    // An ID3v2 chunk that some tools add would otherwise go on showing the old values beside the new INFO list;
    // a picture can only travel in such a chunk, so it gets one.
    const bool keepsId3v2 = file.hasID3v2Tag() || values.picture.has_value() || hasExtras(values);
    if (keepsId3v2) {
        writeId3v2(*file.ID3v2Tag(), values);
    }
    return file.save(keepsId3v2 ? TagLib::RIFF::WAV::File::AllTags : TagLib::RIFF::WAV::File::Info,
                     TagLib::File::StripNone, version);
}

// A date as FFmpeg passes on what download tools write ("20210504") in the form tags use ("2021-05-04").
QString tagDate(const QString& text) {
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    const QRegularExpressionMatch parts = compact.match(text);
    return parts.hasMatch() ? QStringLiteral("%1-%2-%3").arg(parts.captured(1), parts.captured(2), parts.captured(3))
                            : text;
}

// The values of FFmpeg's tags, keys in lower case as FFmpeg names them for every container.
TagValues valuesOfContainerTags(const QMap<QString, QString>& tags) {
    const auto first = [&tags](std::initializer_list<const char*> keys) {
        for (const char* key : keys)
            if (const QString value = tags.value(QLatin1String(key)).trimmed(); !value.isEmpty())
                return value;
        return QString();
    };
    TagValues values;
    values.title = first({"title"});
    values.artist = first({"artist", "author"});
    values.album = first({"album"});
    values.comments = first({"comment"});
    values.genreText = first({"genre"});
    values.genreNumber = genreNumberForText(values.genreText);
    values.albumArtist = first({"album_artist"});
    values.composer = first({"composer"});
    values.lyrics = first({"lyrics"});
    values.isrc = first({"isrc"});
    values.date = tagDate(first({"date", "date_released", "year"}));
    values.year = std::max(values.date.left(4).toInt(), 0);
    std::tie(values.track, values.trackTotal) = numberAndTotal(first({"track"}));
    std::tie(values.discNumber, values.discTotal) = numberAndTotal(first({"disc"}));
    if (values.trackTotal == 0)
        values.trackTotal = std::max(first({"tracktotal", "totaltracks"}).toInt(), 0);
    if (values.discTotal == 0)
        values.discTotal = std::max(first({"disctotal", "totaldiscs"}).toInt(), 0);
    for (const auto& field : kReplayGainFields)
        values.loudness.*field.value = tags.value(QString::fromLatin1(field.name).toLower()).trimmed();
    for (const auto& field : kR128Fields)
        values.loudness.*field.value = tags.value(QString::fromLatin1(field.name).toLower()).trimmed();
    return values;
}

} // namespace

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
    for (auto field :
         {&TagValues::albumArtist, &TagValues::composer, &TagValues::date, &TagValues::lyrics, &TagValues::isrc}) {
        if ((values.*field).isEmpty()) {
            values.*field = fallback.*field;
        }
    }
    for (auto field :
         {&TagValues::year, &TagValues::track, &TagValues::trackTotal, &TagValues::discNumber, &TagValues::discTotal}) {
        if (values.*field == 0) {
            values.*field = fallback.*field;
        }
    }
    if (values.loudness.empty()) {
        values.loudness = fallback.loudness;
    }
    return values;
}

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
        readOtherExtras(file, values);
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
    writeOtherExtras(file, values);
    return file.save();
}

namespace {

// Rewrites the loudness fields of an open file; false when its format keeps none or TagLib could not save.
bool saveLoudness(TagLib::File& file, const LoudnessTags& loudness) {
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file)) {
        if (!mpeg->hasID3v2Tag() && loudness.empty())
            return true;
        writeId3v2Loudness(*mpeg->ID3v2Tag(true), loudnessForOutput(loudness, false));
        return mpeg->save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v3,
                          TagLib::File::DoNotDuplicate);
    }
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file)) {
        if (!wav->hasID3v2Tag() && loudness.empty())
            return true;
        writeId3v2Loudness(*wav->ID3v2Tag(), loudnessForOutput(loudness, false));
        return wav->save(TagLib::RIFF::WAV::File::AllTags, TagLib::File::StripNone, TagLib::ID3v2::v3);
    }
    if (auto* comment = xiphCommentOf(file)) {
        writeXiphLoudness(*comment, loudnessForOutput(loudness, isOpus(file)));
    } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(&file); mp4 != nullptr && mp4->tag() != nullptr) {
        writeMp4Loudness(*mp4->tag(), loudnessForOutput(loudness, false));
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file); asf != nullptr && asf->tag() != nullptr) {
        writeAsfLoudness(*asf->tag(), loudnessForOutput(loudness, false));
    } else {
        return true;
    }
    return file.save();
}

} // namespace

TagValues readFile(const QString& fileName) {
    QFile head(fileName);
    if (!QFileInfo(fileName).isFile() || !head.open(QIODevice::ReadOnly))
        return {};
    const TagFileKind kind = tagFileKind(fileName, head.read(16));
    head.close();
    const TagLib::FileRef file = open(fileName, kind);
    const TagValues values = file.isNull() ? TagValues{} : read(*file.file(), kId3v2);
    return kind == TagFileKind::Other ? merged(values, readContainer(fileName)) : values;
}

TagValues readId3v2Tag(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        return {};
    const QByteArray name = QFile::encodeName(fileName);
    TagLib::MPEG::File file(name.constData(), false);
    return file.isValid() && file.hasID3v2Tag() ? readMpegId3v2(file) : TagValues{};
}

TagValues readContainer(const QString& fileName) {
    const std::optional<ContainerContents> contents = readContainerContents(fileName);
    return contents ? valuesOfContainerTags(contents->tags) : TagValues{};
}

void replaceLoudness(const QString& fileName, const LoudnessTags& loudness) {
    if (!QFileInfo(fileName).isFile())
        return;
    QFile head(fileName);
    if (!head.open(QIODevice::ReadOnly))
        throw ComponentError(Messages::FileCannotBeRead().arg(fileName), LastError::AccessDenied);
    const TagFileKind kind = tagFileKind(fileName, head.read(16));
    head.close();
    const TagLib::FileRef file = open(fileName, kind);
    if (file.isNull()) {
        if (kind == TagFileKind::None || kind == TagFileKind::Other)
            return; // no tag format we know, so no loudness fields to rewrite
        throw ComponentError(Messages::FileTagsDamaged().arg(fileName), LastError::CorruptData);
    }
    if (file.file()->readOnly() || !saveLoudness(*file.file(), loudness))
        throw ComponentError(
            QCoreApplication::translate("Components", "The loudness tags cannot be written to \"%1\".").arg(fileName),
            LastError::AccessDenied);
}

} // namespace tagaccess
