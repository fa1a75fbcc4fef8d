#include "TagPicture.h"

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/asfpicture.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4coverart.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/trueaudiofile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <memory>
#include <vector>

namespace tagpicture {
namespace {

constexpr int kFrontCover = 3;
constexpr int kOtherPicture = 0;
constexpr int kLastPictureType = 20; // ID3v2 and FLAC define the kinds 0 to 20
const char* const kAsfPictureAttribute = "WM/Picture";
const char* const kMp4CoverItem = "covr";

QByteArray bytesOf(const TagLib::ByteVector& data) {
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

TagLib::ByteVector byteVectorOf(const QByteArray& data) {
    return TagLib::ByteVector(data.constData(), static_cast<unsigned int>(data.size()));
}

QString textOf(const TagLib::String& text) {
    return QString::fromStdWString(text.toWString());
}

TagLib::String tagTextOf(const QString& text) {
    return TagLib::String(text.toStdWString());
}

// A damaged tag can state a kind of picture no format knows (a byte read as -16); written on as it is, it makes the
// output's picture block invalid for other readers, so such a picture is kept as "other".
TagPicture withKnownType(TagPicture picture) {
    if (picture.type < kOtherPicture || picture.type > kLastPictureType)
        picture.type = kOtherPicture;
    return picture;
}

// The front cover among the candidates, else the first; pictures that are empty or too large do not count.
std::optional<TagPicture> chosen(const std::vector<TagPicture>& candidates) {
    std::optional<TagPicture> first;
    for (const TagPicture& candidate : candidates) {
        if (candidate.data.isEmpty() || candidate.data.size() > kLargestPicture)
            continue;
        if (candidate.type == kFrontCover)
            return candidate;
        if (!first)
            first = withKnownType(candidate);
    }
    return first;
}

std::vector<TagPicture> id3v2Pictures(TagLib::ID3v2::Tag* tag) {
    std::vector<TagPicture> pictures;
    if (!tag)
        return pictures;
    for (TagLib::ID3v2::Frame* frame : tag->frameListMap()["APIC"]) {
        if (const auto* apic = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame))
            pictures.push_back({bytesOf(apic->picture()), textOf(apic->mimeType()), textOf(apic->description()),
                                static_cast<int>(apic->type())});
    }
    return pictures;
}

std::vector<TagPicture> flacPictures(const TagLib::List<TagLib::FLAC::Picture*>& list) {
    std::vector<TagPicture> pictures;
    for (const TagLib::FLAC::Picture* picture : list)
        pictures.push_back({bytesOf(picture->data()), textOf(picture->mimeType()), textOf(picture->description()),
                            static_cast<int>(picture->type())});
    return pictures;
}

std::vector<TagPicture> mp4Pictures(TagLib::MP4::Tag* tag) {
    std::vector<TagPicture> pictures;
    if (!tag || !tag->contains(kMp4CoverItem))
        return pictures;
    for (const TagLib::MP4::CoverArt& cover : tag->item(kMp4CoverItem).toCoverArtList()) {
        QString mimeType;
        switch (cover.format()) {
        case TagLib::MP4::CoverArt::PNG:
            mimeType = QStringLiteral("image/png");
            break;
        case TagLib::MP4::CoverArt::BMP:
            mimeType = QStringLiteral("image/bmp");
            break;
        case TagLib::MP4::CoverArt::GIF:
            mimeType = QStringLiteral("image/gif");
            break;
        default:
            mimeType = QStringLiteral("image/jpeg");
            break;
        }
        // MP4 says nothing of the kind of picture; "covr" is the cover.
        pictures.push_back({bytesOf(cover.data()), mimeType, QString(), kFrontCover});
    }
    return pictures;
}

std::vector<TagPicture> asfPictures(TagLib::ASF::Tag* tag) {
    std::vector<TagPicture> pictures;
    if (!tag || !tag->contains(kAsfPictureAttribute))
        return pictures;
    for (const TagLib::ASF::Attribute& attribute : tag->attribute(kAsfPictureAttribute)) {
        const TagLib::ASF::Picture picture = attribute.toPicture();
        if (picture.isValid())
            pictures.push_back({bytesOf(picture.picture()), textOf(picture.mimeType()), textOf(picture.description()),
                                static_cast<int>(picture.type())});
    }
    return pictures;
}

std::vector<TagPicture> picturesOf(TagLib::File& file) {
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file))
        return id3v2Pictures(mpeg->hasID3v2Tag() ? mpeg->ID3v2Tag() : nullptr);
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file))
        return id3v2Pictures(wav->hasID3v2Tag() ? wav->ID3v2Tag() : nullptr);
    if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(&file))
        return id3v2Pictures(aiff->hasID3v2Tag() ? aiff->tag() : nullptr);
    if (auto* trueAudio = dynamic_cast<TagLib::TrueAudio::File*>(&file))
        return id3v2Pictures(trueAudio->hasID3v2Tag() ? trueAudio->ID3v2Tag() : nullptr);
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(&file)) {
        std::vector<TagPicture> pictures = flacPictures(flac->pictureList());
        if (pictures.empty() && flac->hasXiphComment())
            pictures = flacPictures(flac->xiphComment()->pictureList());
        return pictures;
    }
    if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(&file))
        return mp4Pictures(mp4->tag());
    if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file))
        return asfPictures(asf->tag());
    if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file.tag()))
        return flacPictures(xiph->pictureList());
    return {};
}

void addToId3v2(TagLib::ID3v2::Tag& tag, const TagPicture& picture) {
    if (!tag.frameListMap()["APIC"].isEmpty())
        return;
    auto frame = std::make_unique<TagLib::ID3v2::AttachedPictureFrame>();
    frame->setMimeType(tagTextOf(picture.mimeType));
    frame->setDescription(tagTextOf(picture.description));
    frame->setType(static_cast<TagLib::ID3v2::AttachedPictureFrame::Type>(picture.type));
    frame->setPicture(byteVectorOf(picture.data));
    tag.addFrame(frame.release()); // the tag owns its frames
}

std::unique_ptr<TagLib::FLAC::Picture> pictureBlockOf(const TagPicture& picture) {
    auto block = std::make_unique<TagLib::FLAC::Picture>();
    block->setMimeType(tagTextOf(picture.mimeType));
    block->setDescription(tagTextOf(picture.description));
    block->setType(static_cast<TagLib::FLAC::Picture::Type>(picture.type));
    block->setData(byteVectorOf(picture.data));
    return block;
}

void addToXiphComment(TagLib::Ogg::XiphComment& comment, const TagPicture& picture) {
    if (!comment.pictureList().isEmpty())
        return;
    comment.addPicture(pictureBlockOf(picture).release()); // the comment owns its pictures
}

// FLAC keeps its picture in a metadata block of its own, which every FLAC reader looks at first.
void addToFlac(TagLib::FLAC::File& file, const TagPicture& picture) {
    if (!file.pictureList().isEmpty())
        return;
    file.addPicture(pictureBlockOf(picture).release()); // the file owns its pictures
}

TagLib::MP4::CoverArt::Format coverFormatOf(const QString& mimeType) {
    if (mimeType == QLatin1String("image/png"))
        return TagLib::MP4::CoverArt::PNG;
    if (mimeType == QLatin1String("image/bmp"))
        return TagLib::MP4::CoverArt::BMP;
    if (mimeType == QLatin1String("image/gif"))
        return TagLib::MP4::CoverArt::GIF;
    return TagLib::MP4::CoverArt::JPEG;
}

void addToMp4(TagLib::MP4::Tag& tag, const TagPicture& picture) {
    if (tag.contains(kMp4CoverItem))
        return;
    TagLib::MP4::CoverArtList covers;
    covers.append(TagLib::MP4::CoverArt(coverFormatOf(picture.mimeType), byteVectorOf(picture.data)));
    tag.setItem(kMp4CoverItem, TagLib::MP4::Item(covers));
}

void addToAsf(TagLib::ASF::Tag& tag, const TagPicture& picture) {
    if (tag.contains(kAsfPictureAttribute))
        return;
    TagLib::ASF::Picture asfPicture;
    asfPicture.setMimeType(tagTextOf(picture.mimeType));
    asfPicture.setDescription(tagTextOf(picture.description));
    asfPicture.setType(static_cast<TagLib::ASF::Picture::Type>(picture.type));
    asfPicture.setPicture(byteVectorOf(picture.data));
    tag.setAttribute(kAsfPictureAttribute, TagLib::ASF::Attribute(asfPicture));
}

} // namespace

std::optional<TagPicture> read(TagLib::File& file) {
    return chosen(picturesOf(file));
}

void addIfNone(TagLib::File& file, const TagPicture& picture) {
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file))
        addToId3v2(*mpeg->ID3v2Tag(true), picture);
    else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file))
        addToId3v2(*wav->ID3v2Tag(), picture);
    else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file))
        addToAsf(*asf->tag(), picture);
    else if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(&file))
        addToFlac(*flac, picture);
    else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(&file))
        addToMp4(*mp4->tag(), picture);
    else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file.tag()))
        addToXiphComment(*xiph, picture);
}

} // namespace tagpicture
