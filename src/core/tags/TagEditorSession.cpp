#include "TagEditorSession.h"

#include "Id3v2Surplus.h"
#include "TagEditorRules.h"
#include "core/components/common/GenreTable.h"
#include "core/components/information/TagFileKind.h"
#include "core/components/information/TagValues.h"
#include "core/ports/Messages.h"
#include "core/ports/Prompts.h"

#include <QCoreApplication>
#include <QFile>

namespace tageditor {
namespace {

QByteArray fileHead(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.read(16) : QByteArray();
}

} // namespace

TagEditorSession::TagEditorSession(TAudioInformation2& information, Prompts& prompts)
    : information_(information), prompts_(prompts) {}

QStringList TagEditorSession::genreEntries() {
    QStringList entries{QString()};
    for (int genre = 0; genre < kGenreCount; ++genre)
        entries.append(information_->genreName(genre));
    return entries;
}

std::optional<int> TagEditorSession::detectVersion(const QString& fileName) {
    if (!hasMpegExtension(fileName) || !id3v1_.Load(fileName))
        return std::nullopt;
    if (id3v1_.TagFound()) {
        information_->setTagVersion(kTagVersionId3v1);
        return kTagVersionId3v1;
    }
    if (id3v2_.Load(fileName) && id3v2_.TagFound()) {
        information_->setTagVersion(kTagVersionId3v2);
        return kTagVersionId3v2;
    }
    return std::nullopt;
}

LoadedTags TagEditorSession::load(const QString& fileName) {
    information_->loadTags(fileName);
    LoadedTags loaded;
    loaded.formatText = information_->formatDescription();
    TagFields& fields = loaded.fields;
    fields.title = information_->title();
    fields.artist = information_->artist();
    fields.album = information_->album();
    loaded.genreAsList = information_->tagVersion() == kTagVersionId3v1;
    if (loaded.genreAsList)
        fields.genreEntry = entryForGenre(information_->genreNumber());
    else
        fields.genreText = information_->genreText();
    fields.track = QString::number(information_->track());
    fields.year = QString::number(information_->year());
    fields.comment = information_->comments();
    loaded_ = fields;
    return loaded;
}

LoadedTags TagEditorSession::reloadKeepingEdits(const QString& fileName, const TagFields& shown) {
    const TagFields before = loaded_;
    LoadedTags reloaded = load(fileName);
    TagFields& fields = reloaded.fields;
    for (auto field : {&TagFields::title, &TagFields::artist, &TagFields::album, &TagFields::track, &TagFields::year,
                       &TagFields::comment}) {
        if (shown.*field != before.*field)
            fields.*field = shown.*field;
    }
    // The genre changes its control with the version: a list entry for ID3v1, free text for ID3v2. A genre the
    // user chose goes along by name.
    if (shown.genreEntry != before.genreEntry) {
        const std::optional<int> genre = genreForEntry(shown.genreEntry);
        fields.genreText = genre ? information_->genreName(*genre) : QString();
        fields.genreEntry = shown.genreEntry;
    } else if (shown.genreText != before.genreText) {
        fields.genreText = shown.genreText;
        fields.genreEntry = entryForGenre(genreNumberForText(shown.genreText));
    }
    return reloaded;
}

bool TagEditorSession::storesAsId3v1(const QString& fileName) {
    return information_->tagVersion() == kTagVersionId3v1 &&
           tagFileKind(fileName, fileHead(fileName)) == TagFileKind::Mpeg;
}

void TagEditorSession::chooseVersion(int version) {
    information_->setTagVersion(version);
}

bool TagEditorSession::userKeepsId3v2(const QString& fileName) {
    if (!id3v2_.Load(fileName) || !id3v2_.TagFound() || !id3v2HoldsMoreThanId3v1(fileName))
        return false;
    return !prompts_.confirm(
        QCoreApplication::translate("Tags", "Audio File Info Editor"),
        QCoreApplication::translate(
            "Tags", "The ID3v2 tag of this file holds more than an ID3v1 tag can keep (such as pictures, long "
                    "texts or further fields). Storing the information as ID3v1 removes the ID3v2 tag and all of "
                    "that with it.\n\nRemove the ID3v2 tag and store the information as ID3v1?"));
}

bool TagEditorSession::id3v1HoldsMoreThan(const TagFields& fields) const {
    // ID3v1 texts are cut at 30 bytes, so a longer text that begins with one holds it.
    const auto holds = [](const QString& field, const QByteArray& id3v1Text) {
        const QString text = QString::fromLatin1(id3v1Text).trimmed();
        return text.isEmpty() || field.trimmed().startsWith(text);
    };
    if (!holds(fields.title, id3v1_.Title()) || !holds(fields.artist, id3v1_.Artist()) ||
        !holds(fields.album, id3v1_.Album()) || !holds(fields.comment, id3v1_.Comment()))
        return true;
    const QString year = QString::fromLatin1(id3v1_.Year()).trimmed();
    if (!year.isEmpty() && fields.year.trimmed() != year)
        return true;
    const NumberField track = readNumberField(fields.track.trimmed());
    if (id3v1_.Track() != 0 && (track.state != NumberField::State::Number || track.value != id3v1_.Track()))
        return true;
    return id3v1_.GenreNumber() < kGenreCount &&
           fields.genreText.trimmed().compare(information_->genreName(id3v1_.GenreNumber()), Qt::CaseInsensitive) != 0;
}

bool TagEditorSession::userKeepsId3v1(const QString& fileName, const TagFields& fields) {
    if (!id3v1_.Load(fileName) || !id3v1_.TagFound() || !id3v1HoldsMoreThan(fields))
        return false;
    return !prompts_.confirm(
        QCoreApplication::translate("Tags", "Audio File Info Editor"),
        QCoreApplication::translate(
            "Tags", "This file also ends with an ID3v1 tag, which holds information that the ID3v2 tag will not "
                    "hold.\n\nRemove the ID3v1 tag? Choose No to keep it beside the ID3v2 tag."));
}

ApplyResult TagEditorSession::apply(const QString& fileName, const TagFields& fields) {
    const NumberField track = readNumberField(fields.track);
    if (track.state == NumberField::State::Invalid) {
        prompts_.message(Messages::ErrorCaption(), QCoreApplication::translate("Tags", "Invalid Track Value!"),
                         Prompts::Icon::Warning);
        return ApplyResult::InvalidTrack;
    }
    const NumberField year = readNumberField(fields.year);
    if (year.state == NumberField::State::Invalid) {
        prompts_.message(Messages::ErrorCaption(), QCoreApplication::translate("Tags", "Invalid Year Value!"),
                         Prompts::Icon::Warning);
        return ApplyResult::InvalidYear;
    }
    const bool mpeg = hasMpegExtension(fileName);
    // Asked before anything is set, so that "No" leaves the file and the component's values as they were.
    if (mpeg && information_->tagVersion() == kTagVersionId3v1 && userKeepsId3v2(fileName))
        return ApplyResult::Declined;

    information_->setTextProperty(QStringLiteral("infoTitle"), fields.title);
    information_->setTextProperty(QStringLiteral("infoArtist"), fields.artist);
    information_->setTextProperty(QStringLiteral("infoAlbum"), fields.album);
    if (mpeg && information_->tagVersion() == kTagVersionId3v1) {
        // A failed removal is not fatal: the ID3v1 tag is still stored, and the file keeps both tags.
        if (id3v2_.Load(fileName) && id3v2_.TagFound())
            (void)id3v2_.Strip(fileName);
        if (const std::optional<int> genre = genreForEntry(fields.genreEntry))
            information_->setGenreNumber(*genre);
    }
    if (information_->tagVersion() == kTagVersionId3v2) {
        if (id3v1_.Load(fileName) && id3v1_.TagFound() && !(mpeg && userKeepsId3v1(fileName, fields)))
            (void)id3v1_.Strip(fileName);
        information_->setTextProperty(QStringLiteral("infoGenreS"), fields.genreText);
    }
    if (track.state == NumberField::State::Number)
        information_->setTrack(track.value);
    if (year.state == NumberField::State::Number)
        information_->setYear(year.value);
    information_->setTextProperty(QStringLiteral("infoComments"), fields.comment);
    information_->storeTags(fileName);
    loaded_ = fields;
    return ApplyResult::Stored;
}

} // namespace tageditor
