#include "TagTestFiles.h"
#include "core/tags/Id3v2Surplus.h"
#include "core/tags/TagEditorRules.h"
#include "core/tags/TagEditorSession.h"
#include "fakes/FakeAudioInformation2.h"
#include "fakes/FakePrompts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace tageditor;
using tagtest::audio;
using tagtest::id3v2Tag;
using tagtest::textFrame;

// An ID3v1.1 record with a title, track 7 and genre 26.
QByteArray id3v1Record() {
    QByteArray record("TAG");
    record += QByteArray("Old Title").leftJustified(30, '\0');
    record += QByteArray(30 + 30, '\0') + QByteArray("1999") + QByteArray(28, '\0');
    record += '\0';
    record += '\7';
    record += static_cast<char>(26);
    return record;
}

QByteArray simpleId3v2() {
    return id3v2Tag(textFrame("TIT2", "Title") + textFrame("TPE1", "Artist") + textFrame("TRCK", "3") +
                    textFrame("TYER", "2001") + textFrame("TCON", "(17)") + QByteArray(64, '\0'));
}

QByteArray pictureId3v2() {
    const QByteArray picture = QByteArray(1, '\0') + "image/png" + '\0' + '\3' + '\0' + QByteArray(40, '\x89');
    return id3v2Tag(textFrame("TIT2", "Title") + tagtest::frame("APIC", picture) + QByteArray(32, '\0'));
}

TEST(TagEditorRules, OnlyLowerCaseMp3AndMp2CountAsMpeg) {
    const std::vector<std::pair<QString, bool>> cases{
        {"/a/song.mp3", true},      {"/a/song.mp2", true},   {"/a/SONG.MP3", false}, {"/a/song.Mp3", false},
        {"/a/song.mp1", false},     {"/a/song.mpeg", false}, {"/a/song.wav", false}, {"/a.mp3/song.wav", false},
        {"/a/song.mp3.wav", false}, {"/a/.mp3", true}};
    for (const auto& [name, mpeg] : cases)
        EXPECT_EQ(hasMpegExtension(name), mpeg) << name.toStdString();
}

TEST(TagEditorRules, NumberFieldsAcceptWholeNumbersOnly) {
    using State = NumberField::State;
    const std::vector<std::tuple<QString, State, int>> cases{
        {"", State::Empty, 0},         {"7", State::Number, 7},       {" 7", State::Number, 7},
        {"+7", State::Number, 7},      {"-3", State::Number, -3},     {"$1F", State::Number, 31},
        {"0x10", State::Number, 16},   {"1999", State::Number, 1999}, {"7a", State::Invalid, 0},
        {"1/2", State::Invalid, 0},    {"7 ", State::Invalid, 0},     {" ", State::Invalid, 0},
        {"\u0663", State::Invalid, 0}, {"x", State::Invalid, 0}};
    for (const auto& [text, state, value] : cases) {
        const NumberField field = readNumberField(text);
        EXPECT_EQ(field.state, state) << text.toStdString();
        EXPECT_EQ(field.value, value) << text.toStdString();
    }
}

TEST(TagEditorRules, GenreEntriesAreGenreNumbersShiftedByTheEmptyEntry) {
    EXPECT_EQ(genreForEntry(-1), std::nullopt);
    EXPECT_EQ(genreForEntry(0), std::nullopt);
    EXPECT_EQ(genreForEntry(1), 0);
    EXPECT_EQ(genreForEntry(148), 147);
    EXPECT_EQ(genreForEntry(149), std::nullopt);
    EXPECT_EQ(entryForGenre(0), 1);
    EXPECT_EQ(entryForGenre(147), 148);
    EXPECT_EQ(entryForGenre(148), -1);
    EXPECT_EQ(entryForGenre(255), -1);
    EXPECT_EQ(entryForGenre(-1), -1);
}

TEST(TagEditorRules, LimitsStopTypingButNeverCutWhatIsThere) {
    EXPECT_EQ(textLimit(true), 30);
    EXPECT_GT(textLimit(false), 1000);
    EXPECT_EQ(limitKeeping(2, "7"), 2);
    EXPECT_EQ(limitKeeping(2, "123"), 3);
    EXPECT_EQ(limitKeeping(30, QString(60, 'x')), 60);
}

TEST(Id3v2Surplus, TellsWhatAnId3v1TagCouldNotKeep) {
    QTemporaryDir dir;
    const QByteArray sound = audio(600);
    const std::vector<std::pair<QByteArray, bool>> cases{
        {sound, false},
        {simpleId3v2() + sound, false},
        {id3v2Tag(textFrame("TIT2", "") + textFrame("TALB", "") + QByteArray(16, '\0')) + sound, false},
        {pictureId3v2() + sound, true},
        {id3v2Tag(textFrame("TIT2", QByteArray(31, 'a'))) + sound, true},
        {id3v2Tag(textFrame("TIT2", "a") + textFrame("TIT2", "b")) + sound, true},
        {id3v2Tag(textFrame("TXXX", QByteArray("gain") + '\0' + "-3 dB")) + sound, true},
        {id3v2Tag(textFrame("TRCK", "3/12")) + sound, true},
        {id3v2Tag(textFrame("TCON", "Podcast")) + sound, true},
        {id3v2Tag(textFrame("TCON", "Rock")) + sound, false},
        {id3v2Tag(tagtest::frame("TIT2", QByteArray("\x03") + "\xd0\xaa\xd0\xad")) + sound, true},
        {id3v2Tag(tagtest::frame("COMM", QByteArray(1, '\0') + "eng" + "desc" + '\0' + "text")) + sound, true},
        {id3v2Tag(tagtest::frame("COMM", QByteArray(1, '\0') + "eng" + '\0' + "text")) + sound, false},
        // A size beyond the file: removal keeps the whole file, so nothing would be lost.
        {QByteArray("ID3\3\0\0\x7f\x7f\x7f\x7f") + sound, false}};
    int index = 0;
    for (const auto& [content, holdsMore] : cases) {
        const QString file = tagtest::writeFile(dir, QStringLiteral("case%1.mp3").arg(index++), content);
        EXPECT_EQ(id3v2HoldsMoreThanId3v1(file), holdsMore) << "case " << index - 1;
    }
}

// The session against a recording component: which calls Apply makes for which file and version.
class TagEditorSessionTest : public ::testing::Test {
protected:
    TagEditorSessionTest() {
        auto fake = std::make_unique<FakeAudioInformation2>(QStringLiteral("Info"));
        info = fake.get();
        wrapper.connect(std::move(fake));
    }

    QString write(const QString& name, const QByteArray& content) { return tagtest::writeFile(dir, name, content); }
    [[nodiscard]] bool called(const QString& call) const { return info->calls().contains("Info." + call); }
    [[nodiscard]] bool calledAny(const QString& method) const {
        return std::any_of(info->calls().cbegin(), info->calls().cend(),
                           [&](const QString& entry) { return entry.startsWith("Info." + method + "("); });
    }

    QTemporaryDir dir;
    TAudioInformation2 wrapper;
    FakeAudioInformation2* info = nullptr;
    FakePrompts prompts;
    TagEditorSession session{wrapper, prompts};
};

TEST_F(TagEditorSessionTest, DetectionPrefersId3v1AndLeavesTheVersionAloneWithoutTags) {
    const QByteArray sound = audio(400);
    struct Case {
        QString name;
        QByteArray content;
        std::optional<int> version;
    };
    const std::vector<Case> cases{{"both.mp3", simpleId3v2() + sound + id3v1Record(), 1},
                                  {"v2.mp2", simpleId3v2() + sound, 2},
                                  {"v1.mp3", sound + id3v1Record(), 1},
                                  {"none.mp3", sound, std::nullopt},
                                  {"upper.MP3", sound + id3v1Record(), std::nullopt},
                                  {"tiny.mp3", "ID3", std::nullopt},
                                  {"tagged.wav", simpleId3v2() + sound + id3v1Record(), std::nullopt}};
    for (const Case& c : cases) {
        info->clearCalls();
        EXPECT_EQ(session.detectVersion(write(c.name, c.content)), c.version) << c.name.toStdString();
        const QStringList expected =
            c.version ? QStringList{QStringLiteral("Info.setTagVersion(%1)").arg(*c.version)} : QStringList{};
        EXPECT_EQ(info->calls(), expected) << c.name.toStdString();
    }
}

TEST_F(TagEditorSessionTest, RefusedNumbersSetAndWriteNothing) {
    const QByteArray content = simpleId3v2() + audio(400) + id3v1Record();
    const QString file = write("song.mp3", content);
    TagFields fields;
    fields.track = "1a";
    EXPECT_EQ(session.apply(file, fields), ApplyResult::InvalidTrack);
    fields.track = "12";
    fields.year = "20x0";
    EXPECT_EQ(session.apply(file, fields), ApplyResult::InvalidYear);
    EXPECT_EQ(prompts.shown, (QStringList{"Error|Invalid Track Value!", "Error|Invalid Year Value!"}));
    EXPECT_TRUE(info->calls().isEmpty());
    EXPECT_EQ(tagtest::readFile(file), content);
}

TEST_F(TagEditorSessionTest, Id3v1StripsASimpleId3v2TagWithoutAsking) {
    const QByteArray sound = audio(400);
    const QString file = write("song.mp3", simpleId3v2() + sound + id3v1Record());
    info->setResult("tagVersion", 1);
    TagFields fields;
    fields.title = "New";
    fields.genreEntry = 18;
    fields.track = "4";
    EXPECT_EQ(session.apply(file, fields), ApplyResult::Stored);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(tagtest::readFile(file), sound + id3v1Record());
    EXPECT_TRUE(called("setTextProperty(infoTitle,New)"));
    EXPECT_TRUE(called("setGenreNumber(17)"));
    EXPECT_TRUE(called("setTrack(4)"));
    EXPECT_FALSE(calledAny("setYear"));
    EXPECT_FALSE(calledAny("setTextProperty(infoGenreS"));
    EXPECT_EQ(info->calls().constLast(), "Info.storeTags(" + file + ")");
}

TEST_F(TagEditorSessionTest, Id3v1AsksBeforeStrippingAPictureAndNoWritesNothing) {
    const QByteArray content = pictureId3v2() + audio(400) + id3v1Record();
    const QString file = write("song.mp3", content);
    info->setResult("tagVersion", 1);
    prompts.confirmAnswers = {false, true};
    EXPECT_EQ(session.apply(file, {}), ApplyResult::Declined);
    EXPECT_EQ(prompts.count("ID3v2"), 1);
    EXPECT_FALSE(calledAny("setTextProperty") || calledAny("storeTags"));
    EXPECT_EQ(tagtest::readFile(file), content);

    EXPECT_EQ(session.apply(file, {}), ApplyResult::Stored);
    EXPECT_FALSE(tagtest::readFile(file).startsWith("ID3"));
    EXPECT_TRUE(calledAny("storeTags"));
}

TEST_F(TagEditorSessionTest, UpperCaseMpegAndEmptyGenreEntryLeaveTheGenreNumber) {
    const QByteArray content = pictureId3v2() + audio(400) + id3v1Record();
    info->setResult("tagVersion", 1);
    TagFields chosenGenre;
    chosenGenre.genreEntry = 5;
    const QString upper = write("SONG.MP3", content);
    EXPECT_EQ(session.apply(upper, chosenGenre), ApplyResult::Stored);
    EXPECT_EQ(tagtest::readFile(upper), content); // not MPEG to the editor: nothing removed, nothing asked
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_FALSE(calledAny("setGenreNumber"));

    const QString lower = write("song.mp3", audio(400) + id3v1Record());
    EXPECT_EQ(session.apply(lower, TagFields{}), ApplyResult::Stored);
    EXPECT_FALSE(calledAny("setGenreNumber"));
}

TEST_F(TagEditorSessionTest, Id3v2CutsATrailingId3v1OffAnyFileAndSetsTheGenreText) {
    const QByteArray sound = QByteArray("RIFF") + audio(400);
    const QString file = write("sound.wav", sound + id3v1Record());
    info->setResult("tagVersion", 2);
    TagFields fields;
    fields.genreText = "Chiptune";
    fields.genreEntry = 3;
    EXPECT_EQ(session.apply(file, fields), ApplyResult::Stored);
    EXPECT_EQ(tagtest::readFile(file), sound);
    EXPECT_TRUE(called("setTextProperty(infoGenreS,Chiptune)"));
    EXPECT_FALSE(calledAny("setGenreNumber"));
}

TEST_F(TagEditorSessionTest, LoadPutsTheGenreWhereTheVersionKeepsIt) {
    info->setResult("title", QStringLiteral("T"));
    info->setResult("genreNumber", 255);
    info->setResult("genreText", QStringLiteral("Dub"));
    info->setResult("track", 0);
    info->setResult("year", 2004);
    info->setResult("tagVersion", 1);
    LoadedTags loaded = session.load("/any/file.mp3");
    EXPECT_TRUE(loaded.genreAsList);
    EXPECT_EQ(loaded.fields.genreEntry, -1);
    EXPECT_EQ(loaded.fields.genreText, QString());
    EXPECT_EQ(loaded.fields.track, "0");
    EXPECT_EQ(loaded.fields.year, "2004");
    info->setResult("tagVersion", 2);
    loaded = session.load("/any/file.mp3");
    EXPECT_FALSE(loaded.genreAsList);
    EXPECT_EQ(loaded.fields.genreEntry, 0);
    EXPECT_EQ(loaded.fields.genreText, "Dub");
}

} // namespace
