#include "gui/tags/TagEditorWindow.h"
#include "core/components/ComponentSet.h"
#include "core/components/information/AudioInformationComponent.h"
#include "core/platform/Registration.h"
#include "core/settings/AppContext.h"
#include "core/settings/Settings.h"
#include "core/tags/TagTestFiles.h"
#include "fakes/FakeAudioInformation2.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/tags/TagEditorHelpWindow.h"
#include "support/TestSupport.h"
#include "ui_TagEditorWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

using testsupport::fixture;
using testsupport::runTool;

// Every tag an outside reader (ffprobe) finds in a file, keys in lower case, format and stream tags together.
QMap<QString, QString> probedTags(const QString& file) {
    const auto result =
        runTool("ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of", "json", file});
    if (result.exitCode != 0)
        qFatal("ffprobe failed on %s: %s", qPrintable(file), result.err.constData());
    QMap<QString, QString> tags;
    const QJsonObject root = QJsonDocument::fromJson(result.out).object();
    const auto take = [&](const QJsonObject& object) {
        for (auto it = object.begin(); it != object.end(); ++it)
            tags.insert(it.key().toLower(), it.value().toString());
    };
    take(root.value("format").toObject().value("tags").toObject());
    for (const QJsonValue& stream : root.value("streams").toArray())
        take(stream.toObject().value("tags").toObject());
    return tags;
}

// A checksum of the decoded samples: a tag may move the audio within the file but must never change it.
QByteArray decodedAudio(const QString& file) {
    const auto result = runTool("ffmpeg", {"-v", "error", "-nostdin", "-i", file, "-map", "0:a", "-f", "md5", "-"});
    if (result.exitCode != 0 || !result.out.startsWith("MD5="))
        qFatal("ffmpeg could not decode %s: %s", qPrintable(file), result.err.constData());
    return result.out.trimmed();
}

// An ID3v1.1 record: title, artist, album, year, comment, track, genre.
QByteArray id3v1Record(const QByteArray& title, int genre) {
    QByteArray record("TAG");
    record += title.leftJustified(30, '\0', true) + QByteArray("Old Artist").leftJustified(30, '\0') +
              QByteArray(30, '\0') + "1999" + QByteArray(28, '\0');
    record += '\0';
    record += '\5';
    record += static_cast<char>(genre);
    return record;
}

QByteArray pictureFrame() {
    return tagtest::frame("APIC", QByteArray(1, '\0') + "image/png" + '\0' + '\3' + '\0' + QByteArray(64, '\x89'));
}

// One editor over the real information component, a settings file of its own and recording prompts.
struct EditorRig {
    QTemporaryDir scratch;
    ComponentSet components;
    SettingsStore settings{scratch.filePath("settings.ini")};
    FakePrompts prompts;
    FakeShell shell;
    ComponentSetFactory unusedFactory;
    NoRegistrationTool unusedRegistration;
    AppContext context{components, settings, prompts, shell, ProgramLocations{}, unusedFactory, unusedRegistration};
    std::unique_ptr<TagEditorWindow> editor;

    EditorRig() {
        components.information.connect(std::make_unique<AudioInformationComponent>());
        editor = std::make_unique<TagEditorWindow>(context);
    }
    ~EditorRig() { editor->hide(); }

    Ui::TagEditorWindow& ui() { return editor->form(); }

    void open(const std::optional<QString>& listFile) {
        editor->hide();
        editor->setListFile(listFile);
        editor->show();
    }
    QString copy(const QString& fixturePath, const QString& name) {
        const QString target = scratch.filePath(name);
        QFile::remove(target);
        if (!QFile::copy(fixture("fixtures/" + fixturePath), target))
            qFatal("cannot copy %s", qPrintable(fixturePath));
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }
    QString write(const QString& name, const QByteArray& content) { return tagtest::writeFile(scratch, name, content); }
    int version() { return components.information->tagVersion(); }
    void apply() { ui().ApplyButton->click(); }
};

} // namespace

class TagEditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { TONALITH_QTEST_NEEDS_FIXTURES(); }

    void opensAtTheListFileOrTheStoredFolder() {
        EditorRig rig;
        const QString file = rig.copy("audio-scan/v1.1.mp3", "with v1.mp3");
        rig.open(file);
        QCOMPARE(rig.editor->browser().folder(), rig.scratch.path());
        QCOMPARE(rig.editor->browser().selectedPath(), file);
        QCOMPARE(rig.ui().TitleEdit->text(), QString("Track Title"));
        QVERIFY(rig.ui().tagVersionGroup->isEnabled());
        QVERIFY(rig.ui().id3v1Choice->isChecked());
        QVERIFY(!rig.ui().GenreComboBox->isHidden());
        QCOMPARE(rig.ui().GenreComboBox->currentText(), QString("Ambient"));
        QCOMPARE(rig.ui().TrackEdit->text(), QString("16"));
        QVERIFY(!rig.ui().formatLabel->text().isEmpty());

        // No row selected, or a row whose file has vanished: the stored folder, nothing selected, fields kept.
        QFile::remove(file);
        for (const std::optional<QString>& listFile : {std::optional<QString>(), std::optional<QString>(file)}) {
            rig.open(listFile);
            QVERIFY(rig.editor->browser().showsDesktop());
            QCOMPARE(rig.editor->browser().selectedPath(), std::nullopt);
            QCOMPARE(rig.ui().TitleEdit->text(), QString("Track Title"));
            QCOMPARE(rig.ui().TrackEdit->text(), QString("16"));
        }
        QVERIFY(rig.prompts.shown.isEmpty());
    }

    // The editor's list shows hidden files too, under a tool strip of its own height.
    void theListShowsHiddenFilesUnderItsToolStrip() {
        EditorRig rig;
        const QString hidden = rig.copy("audio-scan/v1.1.mp3", ".hidden take.mp3");
        const QString shown = rig.copy("audio-scan/v1.1.mp3", "shown.mp3");
        rig.open(shown);
        QTRY_VERIFY(rig.editor->browser().shownNames().contains(QStringLiteral("shown.mp3")));
        QTRY_VERIFY(rig.editor->browser().shownNames().contains(QStringLiteral(".hidden take.mp3")));
        QVERIFY(rig.editor->browser().selectFileNamed(QStringLiteral(".hidden take.mp3")));
        QCOMPARE(rig.editor->browser().selectedPath(), hidden);
        QCOMPARE(rig.ui().TitleEdit->text(), QString("Track Title"));
        auto* strip = rig.editor->findChild<QWidget*>(QStringLiteral("BrowserToolBar"));
        QVERIFY(strip != nullptr);
        QCOMPARE(strip->height(), 29);
    }

    void genreControlsAndVersionFollowTheLoadedTag() {
        EditorRig rig;
        QCOMPARE(rig.ui().GenreComboBox->count(), 149);
        QCOMPARE(rig.ui().GenreComboBox->itemText(0), QString());
        QCOMPARE(rig.ui().GenreComboBox->itemText(18), QString("Rock"));
        QVERIFY(rig.ui().GenreComboBox->isHidden() && !rig.ui().genreEdit->isHidden());

        const QString v2 = rig.copy("dhowden-tag/sample.id3v22.mp3", "v2.mp3");
        rig.open(v2);
        QCOMPARE(rig.version(), 2);
        QVERIFY(rig.ui().id3v2Choice->isChecked());
        QVERIFY(rig.ui().GenreComboBox->isHidden());
        QCOMPARE(rig.ui().genreEdit->text(), QString("Jazz"));

        // No tags: the version stays as the last file left it and the choice is locked.
        const QString none = rig.copy("dhowden-tag/sample.notags.mp3", "none.mp3");
        rig.open(none);
        QVERIFY(!rig.ui().tagVersionGroup->isEnabled());
        QCOMPARE(rig.version(), 2);
        QCOMPARE(rig.ui().TitleEdit->text(), QString());
        QCOMPARE(rig.ui().TrackEdit->text(), QString("0"));
        rig.ui().TitleEdit->setText("Tagged Now");
        rig.apply();
        QCOMPARE(probedTags(none).value("title"), QString("Tagged Now"));
        QVERIFY(tagtest::readFile(none).startsWith("ID3"));

        // An upper-case extension is not MPEG to the editor: no detection, and no genre number set by Apply.
        const QString upper = rig.copy("audio-scan/v1.1.mp3", "UPPER.MP3");
        rig.components.information->setTagVersion(1);
        rig.open(upper);
        QVERIFY(!rig.ui().tagVersionGroup->isEnabled());
        rig.ui().GenreComboBox->setCurrentIndex(18);
        rig.apply();
        QCOMPARE(probedTags(upper).value("genre"), QString("Ambient"));
    }

    void bothTagsAreEditedAsId3v1AndApplyStripsId3v2() {
        EditorRig rig;
        const QByteArray sound = tagtest::readFile(fixture("fixtures/dhowden-tag/sample.notags.mp3"));
        const QByteArray simpleV2 =
            tagtest::id3v2Tag(tagtest::textFrame("TIT2", "Same") + tagtest::textFrame("TPE1", "Old Artist"));
        const QString simple = rig.write("simple.mp3", simpleV2 + sound + id3v1Record("Same", 17));
        const QByteArray audioBefore = decodedAudio(simple);
        rig.open(simple);
        QVERIFY(rig.ui().id3v1Choice->isChecked());
        QCOMPARE(rig.ui().GenreComboBox->currentIndex(), 18);
        rig.ui().TitleEdit->setText("Newer");
        rig.apply();
        QVERIFY(rig.prompts.shown.isEmpty());
        const QByteArray stored = tagtest::readFile(simple);
        QVERIFY(!stored.startsWith("ID3"));
        QCOMPARE(stored.size(), sound.size() + 128);
        QCOMPARE(probedTags(simple).value("title"), QString("Newer"));
        QCOMPARE(decodedAudio(simple), audioBefore);

        // A picture in the ID3v2 tag: one question; No leaves the file alone, Yes goes ahead.
        const QByteArray pictured =
            tagtest::id3v2Tag(tagtest::textFrame("TIT2", "Same") + pictureFrame()) + sound + id3v1Record("Same", 17);
        const QString file = rig.write("pictured.mp3", pictured);
        rig.open(file);
        rig.ui().TitleEdit->setText("Changed");
        rig.prompts.confirmAnswers = {false};
        rig.apply();
        QCOMPARE(rig.prompts.shown.size(), 1);
        QVERIFY(rig.prompts.shown.front().contains("ID3v2"));
        QCOMPARE(tagtest::readFile(file), pictured);
        rig.prompts.confirmAnswers = {true};
        rig.apply();
        QCOMPARE(rig.prompts.shown.size(), 2);
        QVERIFY(!tagtest::readFile(file).startsWith("ID3"));
        QCOMPARE(probedTags(file).value("title"), QString("Changed"));
    }

    void version2CutsATrailingId3v1OffWavAndOgg() {
        EditorRig rig;
        struct Case {
            const char* fixture;
            const char* name;
        };
        for (const Case& c :
             {Case{"file-type/fixture.wav", "sound.wav"}, Case{"dhowden-tag/sample.tagged.ogg", "sound.ogg"}}) {
            const QString file = rig.copy(c.fixture, c.name);
            const QByteArray original = tagtest::readFile(file);
            QFile append(file);
            QVERIFY(append.open(QIODevice::Append));
            append.write(id3v1Record("Trailing", 3));
            append.close();
            rig.components.information->setTagVersion(2);
            rig.open(file);
            QVERIFY(!rig.ui().tagVersionGroup->isEnabled());
            rig.ui().genreEdit->setText("Chiptune");
            rig.apply();
            QVERIFY2(rig.prompts.shown.isEmpty(), qPrintable(rig.prompts.shown.join('\n')));
            QVERIFY(!tagtest::readFile(file).endsWith(id3v1Record("Trailing", 3)));
            QCOMPARE(probedTags(file).value("genre"), QString("Chiptune"));
            QCOMPARE(decodedAudio(file), decodedAudio(rig.write(QString("plain-") + c.name, original)));
        }
    }

    void refusedNumbersAndAnEmptyGenreEntryChangeNothing() {
        EditorRig rig;
        const QByteArray sound = tagtest::readFile(fixture("fixtures/dhowden-tag/sample.notags.mp3"));
        const QByteArray content = tagtest::id3v2Tag(tagtest::textFrame("TIT2", "T")) + sound + id3v1Record("Kept", 26);
        const QString file = rig.write("numbers.mp3", content);
        rig.open(file);
        rig.ui().TrackEdit->setText("1a");
        rig.apply();
        QCOMPARE(rig.prompts.shown, QStringList{"Error|Invalid Track Value!"});
        QCOMPARE(rig.editor->focusWidget(), rig.ui().TrackEdit);
        QCOMPARE(tagtest::readFile(file), content);
        rig.ui().TrackEdit->setText("9");
        rig.ui().YearEdit->setText("19y9");
        rig.apply();
        QCOMPARE(rig.prompts.shown.last(), QString("Error|Invalid Year Value!"));
        QCOMPARE(rig.editor->focusWidget(), rig.ui().YearEdit);
        QCOMPARE(tagtest::readFile(file), content);

        rig.ui().YearEdit->clear();
        rig.ui().GenreComboBox->setCurrentIndex(0);
        rig.apply();
        const auto tags = probedTags(file);
        QCOMPARE(tags.value("genre"), QString("Ambient"));
        QCOMPARE(tags.value("track"), QString("9"));
        QCOMPARE(tags.value("date"), QString("1999"));
    }

    void roundTripsReadBackByAnOutsideReader() {
        EditorRig rig;
        struct Case {
            const char* fixture;
            const char* name;
            int version;
            QString title;
        };
        const QString unicode = QString::fromUtf8("Ünïcødé ЪЭЯ 日本語 ♫");
        const std::vector<Case> cases{{"dhowden-tag/sample.id3v11.mp3", "v1.mp3", 1, "Plain Title"},
                                      {"dhowden-tag/sample.id3v22.mp3", "v2.mp3", 2, unicode},
                                      {"dhowden-tag/sample.tagged.ogg", "vorbis.ogg", 2, unicode},
                                      {"mutagen/silence-2.wma", "silence.wma", 2, unicode}};
        for (const Case& c : cases) {
            const QString file = rig.copy(c.fixture, c.name);
            const QByteArray audioBefore = decodedAudio(file);
            rig.open(file);
            QCOMPARE(rig.version(), c.version);
            rig.ui().TitleEdit->setText(c.title);
            rig.ui().ArtistEdit->setText(c.version == 1 ? "Artist" : "Артист");
            rig.ui().AlbumEdit->setText("Album");
            if (c.version == 1)
                rig.ui().GenreComboBox->setCurrentIndex(9);
            else
                rig.ui().genreEdit->setText("Jazz");
            rig.ui().TrackEdit->setText("7");
            rig.ui().YearEdit->setText("2024");
            rig.ui().CommentEdit->setText("Comment");
            rig.apply();
            QVERIFY2(rig.prompts.shown.isEmpty(), qPrintable(rig.prompts.shown.join('\n')));

            const auto tags = probedTags(file);
            QCOMPARE(tags.value("title"), c.title);
            QCOMPARE(tags.value("artist"), c.version == 1 ? QString("Artist") : QString("Артист"));
            QCOMPARE(tags.value("album"), QString("Album"));
            QCOMPARE(tags.value("genre"), QString("Jazz"));
            // A total the file held stays beside the number the user typed.
            QCOMPARE(tags.value("track").section('/', 0, 0), QString("7"));
            // ffprobe names the ASF year by its attribute.
            QCOMPARE(tags.value("date", tags.value("wm/year")), QString("2024"));
            QCOMPARE(tags.value("comment"), QString("Comment"));
            QCOMPARE(decodedAudio(file), audioBefore);
        }
    }

    void longId3v2TitleSurvivesResetAndApply() {
        EditorRig rig;
        const QByteArray title = "A title of sixty characters, twice the length ID3v1 can hold";
        QCOMPARE(title.size(), 60);
        const QByteArray sound = tagtest::readFile(fixture("fixtures/dhowden-tag/sample.notags.mp3"));
        const QString file = rig.write("long.mp3", tagtest::id3v2Tag(tagtest::textFrame("TIT2", title) +
                                                                     tagtest::textFrame("TPE1", QByteArray(45, 'b'))) +
                                                       sound);
        rig.open(file);
        QCOMPARE(rig.ui().TitleEdit->text(), QString(title));
        rig.ui().ResetButton->click();
        QCOMPARE(rig.ui().TitleEdit->text(), QString(title));
        rig.apply();
        QCOMPARE(probedTags(file).value("title"), QString(title));
        QCOMPARE(probedTags(file).value("artist"), QString(45, 'b'));

        // While ID3v1 is edited, typing stops at its 30 characters.
        const QString v1 = rig.copy("audio-scan/v1.mp3", "short.mp3");
        rig.open(v1);
        QCOMPARE(rig.ui().TitleEdit->maxLength(), 30);
        QCOMPARE(rig.ui().TrackEdit->maxLength(), 2);
    }

    void errorsGoToTheReportAndTheEditorStaysUsable() {
        // Storing into a file the component finds damaged.
        EditorRig rig;
        const QString broken = rig.write("broken.ogg", QByteArray("OggS") + tagtest::audio(300));
        rig.components.information->setTagVersion(2);
        rig.open(broken);
        rig.ui().TitleEdit->setText("Lost?");
        rig.apply();
        QCOMPARE(rig.prompts.shown.size(), 1);
        QVERIFY(rig.prompts.shown.front().startsWith("Tonalith|"));
        QCOMPARE(rig.ui().TitleEdit->text(), QString("Lost?"));

        const QString good = rig.copy("audio-scan/v1.mp3", "good.mp3");
        rig.open(good);
        QCOMPARE(rig.ui().TitleEdit->text(), QString("Track Title"));

        // Loading that fails: reported, the fields stay cleared, and the next load works.
        auto failing = std::make_unique<FakeAudioInformation2>(QStringLiteral("Info"));
        FakeAudioInformation2& fake = *failing;
        rig.components.information.connect(std::move(failing));
        fake.setFailure("loadTags", "The file cannot be read.");
        rig.ui().ResetButton->click();
        QCOMPARE(rig.prompts.shown.last(), QString("Tonalith|The file cannot be read."));
        QCOMPARE(rig.ui().TitleEdit->text(), QString());
        fake.setFailure("loadTags", QString());
        fake.setResult("title", QStringLiteral("Back"));
        rig.ui().ResetButton->click();
        QCOMPARE(rig.ui().TitleEdit->text(), QString("Back"));
        QCOMPARE(rig.prompts.shown.size(), 2);
    }

    // A file with both tags opens as ID3v1; choosing ID3v2 shows the ID3v2 values, and Apply without edits keeps
    // them whole. The ID3v1 tag, which holds an artist the ID3v2 tag does not, goes only when the user agrees.
    void choosingId3v2ForAFileWithBothTagsShowsAndKeepsTheId3v2Values() {
        EditorRig rig;
        const QByteArray sound = tagtest::readFile(fixture("fixtures/dhowden-tag/sample.notags.mp3"));
        const QByteArray title = "An ID3v2 title of forty-five characters, long";
        QCOMPARE(title.size(), 45);
        const QByteArray v2 =
            tagtest::id3v2Tag(tagtest::textFrame("TIT2", title) + tagtest::textFrame("TPE1", "New Artist") +
                              tagtest::textFrame("TRCK", "3/12") + tagtest::textFrame("TYER", "2021"));
        const QByteArray v1 = id3v1Record(title.left(30), 17);
        const QString file = rig.write("both.mp3", v2 + sound + v1);
        const QByteArray audioBefore = decodedAudio(file);
        rig.open(file);
        QVERIFY(rig.ui().id3v1Choice->isChecked());
        QCOMPARE(rig.ui().TitleEdit->text(), QString(title.left(30)));
        QCOMPARE(rig.ui().ArtistEdit->text(), QString("Old Artist"));

        rig.ui().id3v2Choice->click();
        QCOMPARE(rig.version(), 2);
        QCOMPARE(rig.ui().TitleEdit->text(), QString(title));
        QCOMPARE(rig.ui().ArtistEdit->text(), QString("New Artist"));
        QCOMPARE(rig.ui().TrackEdit->text(), QString("3"));
        QVERIFY(!rig.ui().genreEdit->isHidden() && rig.ui().GenreComboBox->isHidden());

        // "No": the ID3v1 tag stays byte for byte, the ID3v2 values are stored as they were.
        rig.prompts.confirmAnswers = {false};
        rig.apply();
        QCOMPARE(rig.prompts.shown.size(), 1);
        QVERIFY(rig.prompts.shown.front().contains("ID3v1"));
        QByteArray stored = tagtest::readFile(file);
        QVERIFY(stored.startsWith("ID3"));
        QVERIFY(stored.endsWith(v1));
        auto tags = probedTags(file);
        QCOMPARE(tags.value("title"), QString(title));
        QCOMPARE(tags.value("artist"), QString("New Artist"));
        QCOMPARE(tags.value("track"), QString("3/12"));
        QCOMPARE(decodedAudio(file), audioBefore);

        // An edit made before switching stays in its field; "Yes" removes the ID3v1 tag.
        rig.open(file);
        rig.ui().AlbumEdit->setText("Typed Album");
        rig.ui().id3v2Choice->click();
        QCOMPARE(rig.ui().AlbumEdit->text(), QString("Typed Album"));
        QCOMPARE(rig.ui().TitleEdit->text(), QString(title));
        rig.prompts.confirmAnswers = {true};
        rig.apply();
        QCOMPARE(rig.prompts.shown.size(), 2);
        stored = tagtest::readFile(file);
        QVERIFY(!stored.endsWith(v1));
        QVERIFY(!stored.right(128).startsWith("TAG"));
        tags = probedTags(file);
        QCOMPARE(tags.value("title"), QString(title));
        QCOMPARE(tags.value("album"), QString("Typed Album"));
        QCOMPARE(tags.value("track"), QString("3/12"));
        QCOMPARE(decodedAudio(file), audioBefore);
    }

    // ID3v2 chosen for a file with both tags, by the mouse or by a screen reader's toggle action, then Apply: the
    // ID3v2 title of 51 characters is stored whole, and so is what the user types after the choice.
    void id3v2ChosenByMouseOrScreenReaderStoresItsLongTitleWhole() {
        EditorRig rig;
        const QByteArray sound = tagtest::readFile(fixture("fixtures/dhowden-tag/sample.notags.mp3"));
        const QByteArray title = "A title of fifty-one characters that ID3v1 must cut";
        QCOMPARE(title.size(), 51);
        const std::function<void(QAbstractButton*)> choices[] = {
            [](QAbstractButton* choice) { QTest::mouseClick(choice, Qt::LeftButton); },
            [](QAbstractButton* choice) {
                QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(choice);
                QVERIFY(reader != nullptr && reader->actionInterface() != nullptr);
                reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            }};
        for (const auto& choose : choices) {
            const QString file = rig.write("both long.mp3", tagtest::id3v2Tag(tagtest::textFrame("TIT2", title)) +
                                                                sound + id3v1Record(title.left(30), 17));
            rig.open(file);
            QVERIFY(rig.ui().id3v1Choice->isChecked());
            choose(rig.ui().id3v2Choice);
            QVERIFY(rig.ui().id3v2Choice->isChecked());
            QCOMPARE(rig.version(), 2);
            QCOMPARE(rig.ui().TitleEdit->text(), QString(title));
            const QString typed = QStringLiteral("An album name typed after the choice, forty-nine");
            rig.ui().AlbumEdit->clear();
            QTest::keyClicks(rig.ui().AlbumEdit, typed);
            QCOMPARE(rig.ui().AlbumEdit->text(), typed);
            rig.prompts.confirmAnswers = {true};
            QTest::mouseClick(rig.ui().ApplyButton, Qt::LeftButton);
            const auto tags = probedTags(file);
            QCOMPARE(tags.value("title"), QString(title));
            QCOMPARE(tags.value("album"), typed);
            QVERIFY(!tagtest::readFile(file).right(128).startsWith("TAG"));
        }
    }

    // Apply without any edit writes every value back as the file holds it: track totals, full dates, the ID3v2.4
    // version; an edit of one field leaves the others so too.
    void applyWithoutEditsChangesNoValue() {
        EditorRig rig;
        const QByteArray sound = tagtest::readFile(fixture("fixtures/dhowden-tag/sample.notags.mp3"));
        const QByteArray body = tagtest::textFrame("TIT2", "Kept Title") + tagtest::textFrame("TRCK", "3/12") +
                                tagtest::textFrame("TDRC", "2021-05-04") + tagtest::textFrame("TCON", "Jazz");
        const QString file = rig.write("v24.mp3", tagtest::id3v2Tag(body, 4) + sound);
        const QByteArray audioBefore = decodedAudio(file);
        const auto before = probedTags(file);
        QCOMPARE(before.value("date"), QString("2021-05-04"));
        rig.open(file);
        QCOMPARE(rig.version(), 2);
        QCOMPARE(rig.ui().TrackEdit->text(), QString("3"));
        QCOMPARE(rig.ui().YearEdit->text(), QString("2021"));
        rig.apply();
        QVERIFY(rig.prompts.shown.isEmpty());
        QCOMPARE(probedTags(file), before);
        QCOMPARE(tagtest::readFile(file).at(3), '\4');

        rig.ui().TitleEdit->setText("Changed Title");
        rig.apply();
        auto after = probedTags(file);
        QCOMPARE(after.value("title"), QString("Changed Title"));
        after.insert("title", "Kept Title");
        QCOMPARE(after, before);
        QCOMPARE(tagtest::readFile(file).at(3), '\4');
        QCOMPARE(decodedAudio(file), audioBefore);

        // A real ID3v2.4 file from elsewhere: nothing changes that an outside reader sees.
        const QString fixtureFile = rig.copy("dhowden-tag/sample.id3v24.mp3", "fixture v24.mp3");
        const auto fixtureBefore = probedTags(fixtureFile);
        rig.open(fixtureFile);
        rig.apply();
        QCOMPARE(probedTags(fixtureFile), fixtureBefore);
        QCOMPARE(tagtest::readFile(fixtureFile).at(3), '\4');
    }

    void everyControlHasAnAccessibleName() {
        EditorRig rig;
        TagEditorHelpWindow help;
        // The editor's own controls; the browser names its controls itself.
        QList<QWidget*> controls = rig.ui().bottomPanel->findChildren<QWidget*>();
        controls += help.findChildren<QWidget*>();
        int named = 0;
        for (QWidget* control : controls) {
            const bool isControl = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                                   qobject_cast<QComboBox*>(control) || qobject_cast<QGroupBox*>(control) ||
                                   control->objectName() == "helpLink";
            if (!isControl)
                continue;
            ++named;
            QVERIFY2(!control->accessibleName().trimmed().isEmpty(),
                     qPrintable(control->window()->objectName() + "." + control->objectName() + "=" +
                                control->accessibleName()));
        }
        QCOMPARE(named, 16);
        QCOMPARE(rig.editor->size(), QSize(428, 424));
        QCOMPARE(help.size(), QSize(330, 200));
        QCOMPARE(rig.editor->windowTitle(), QString("Audio File Info Editor"));
        QCOMPARE(help.windowTitle(), QString("Help"));
    }
};

QTEST_MAIN(TagEditorWindowTest)
#include "TagEditorWindowTest.moc"
