#include "core/batch/OutputNaming.h"
#include "OrderOf.h"
#include "RecordingObserver.h"
#include "core/batch/BatchPlan.h"
#include "core/batch/SingleConversion.h"
#include "core/sources/SourceKind.h"
#include "fakes/FakeComponentSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// The names a batch plans for sources that need not exist.
QStringList destinationsOf(const QStringList& sources, const std::set<OutputFormat>& formats, const QString& folder) {
    QStringList names;
    for (const BatchOutput& output :
         orderOf(sources, formats, folder).plan([](const QString&, SourceKind, bool) { return SourceFacts{}; }))
        names.append(output.destinationName);
    return names;
}

TEST(OutputNaming, OutputsFollowTheFixedFormatOrderWithTheirSuffixes) {
    const std::set<OutputFormat> formats{OutputFormat::G726, OutputFormat::Mp3, OutputFormat::Adpcm};
    const QStringList expected{"/d/out/song_ADPCM.wav", "/d/out/song.mp3", "/d/out/song.g726"};
    EXPECT_EQ(destinationsOf({"/e/a/song.mp3"}, formats, "/d/out"), expected);
    EXPECT_EQ(destinationsOf({"/e/a/song.mp3"}, formats, "/d/out/"), expected);
    // Sources outside, formats inside; without a folder every output lands beside its source.
    EXPECT_EQ(destinationsOf({"/e/a/one.wav", "/f/two.tar.ogg"},
                             {OutputFormat::Raw, OutputFormat::Dsp, OutputFormat::Gsm}, QString()),
              QStringList({"/e/a/one_DSP.wav", "/e/a/one_GSM.wav", "/e/a/one.raw", "/f/two.tar_DSP.wav",
                           "/f/two.tar_GSM.wav", "/f/two.tar.raw"}));

    std::set<OutputFormat> all(kOutputFormatsInOrder.begin(), kOutputFormatsInOrder.end());
    EXPECT_EQ(destinationsOf({"/m/s.wav"}, all, "/o"),
              QStringList({"/o/s.wav", "/o/s_ADPCM.wav", "/o/s.mp3", "/o/s.mp2", "/o/s.ogg", "/o/s.wma", "/o/s_DSP.wav",
                           "/o/s_GSM.wav", "/o/s.vox", "/o/s.raw", "/o/s.g721", "/o/s.g723", "/o/s.g726", "/o/s.flac",
                           "/o/s_ALAC.m4a", "/o/s.m4a", "/o/s.opus"}));
}

TEST(OutputNaming, NewMarkerGoesBeforeTheExtensionOfTheFileName) {
    EXPECT_EQ(withNewMarker("/music/song.wav"), "/music/song_NEW.wav");
    EXPECT_EQ(withNewMarker("/music/song.tar.wav"), "/music/song.tar_NEW.wav");
    EXPECT_EQ(withNewMarker("/music.d/song"), "/music.d/song_NEW");
    EXPECT_EQ(withNewMarker("song.wav"), "song_NEW.wav");
}

TEST(OutputNaming, VideoSourcesAreKnownByTheirExactExtension) {
    for (const char* video : {"a.avi", "a.mpg", "a.mpeg", "a.wmv", "a.asf", "a.mov", "a.qt", "a.mkv", "a.webm", "a.mp4",
                              "a.m4v", "a.flv", "a.3gp"})
        EXPECT_EQ(sourceKindOfFile(QLatin1String(video)), SourceKind::Video) << video;
    for (const char* audio : {"a.AVI", "a.mp3", "a.wav", "a.qtx", "avi", "a.MP4", "a.m4a", "a.mkv.flac"})
        EXPECT_EQ(sourceKindOfFile(QLatin1String(audio)), SourceKind::Audio) << audio;
}

// Real files: the conversion removes and names outputs on disk, while the fake writer creates nothing.
class OutputOnDiskTest : public ::testing::Test {
protected:
    OutputOnDiskTest() {
        factory.log->clear();
        source = folder.filePath("song.wav");
        write(source, "the source");
    }

    static void write(const QString& name, const QByteArray& content) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QByteArray contentOf(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The writer creates an output under a hidden pending name beside it; this is the name that stands for.
    QString createdName() const {
        for (const QString& call : *factory.log) {
            if (call.startsWith("writer.createOutput(")) {
                const QFileInfo pending(call.mid(call.indexOf(QLatin1Char('(')) + 1).section(',', 0, 0));
                QString name = pending.fileName().mid(1);
                name.replace(QRegularExpression(QStringLiteral("\\.[0-9a-f]{24}\\.part(?=\\.[^.]*$|$)")), QString());
                return pending.path() + QLatin1Char('/') + name;
            }
        }
        return {};
    }
    // A source with a little sound, so that every conversion finishes and its output takes its name.
    QString convertTo(const QString& destination) {
        factory.log->clear();
        factory.reader->setResult(QStringLiteral("sampleRate"), 4);
        factory.reader->setResult(QStringLiteral("channelCount"), 2);
        factory.reader->setResult(QStringLiteral("lengthInSamples"), 8);
        factory.reader->queueReadBlock(SampleBlock(std::size_t{8}));
        factory.reader->queueReadBlock(SampleBlock());
        return conversion.convert(source, destination, {SourceKind::Audio, {}, false}).destination;
    }

    QTemporaryDir folder;
    QString source;
    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    RecordingObserver observer{factory.log};
    SingleConversion conversion{*components, observer};
};

TEST_F(OutputOnDiskTest, OutputNamedLikeItsSourceGetsTheNewMarker) {
    EXPECT_EQ(convertTo(source), folder.filePath("song_NEW.wav"));
    EXPECT_EQ(createdName(), folder.filePath("song_NEW.wav"));
    EXPECT_EQ(contentOf(source), "the source");
}

TEST_F(OutputOnDiskTest, ExistingOutputIsReplaced) {
    const QString output = folder.filePath("song.mp3");
    write(output, "old output");
    EXPECT_EQ(convertTo(output), output);
    EXPECT_EQ(createdName(), output);
    EXPECT_EQ(contentOf(output), QByteArray()) << "the finished output takes the old file's place";
}

TEST_F(OutputOnDiskTest, SourceIsSparedWhateverTheSpellingOfTheOutputName) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    ASSERT_TRUE(QFile::link(source, folder.filePath("link.wav")));
    ASSERT_TRUE(QFile::link(folder.path(), folder.filePath("alias")));
    ASSERT_EQ(::link(QFile::encodeName(source).constData(), QFile::encodeName(folder.filePath("hard.wav")).constData()),
              0);
    const struct {
        QString destination;
        QString expected;
    } spellings[] = {
        {folder.path() + "/./song.wav", folder.path() + "/./song_NEW.wav"},
        {folder.path() + "/sub/../song.wav", folder.path() + "/sub/../song_NEW.wav"},
        {folder.path() + "//song.wav", folder.path() + "//song_NEW.wav"},
        {folder.filePath("alias/song.wav"), folder.filePath("alias/song_NEW.wav")},
        {folder.filePath("link.wav"), folder.filePath("link_NEW.wav")},
        {folder.filePath("hard.wav"), folder.filePath("hard_NEW.wav")},
    };
    for (const auto& spelling : spellings) {
        SCOPED_TRACE(spelling.destination.toStdString());
        EXPECT_EQ(convertTo(spelling.destination), spelling.expected);
        EXPECT_EQ(QDir::cleanPath(createdName()), QDir::cleanPath(spelling.expected));
        EXPECT_EQ(contentOf(source), "the source");
    }
    EXPECT_TRUE(QFileInfo(folder.filePath("link.wav")).isSymLink());
    EXPECT_TRUE(QFile::exists(folder.filePath("hard.wav")));
}

TEST_F(OutputOnDiskTest, NewNameThatAlsoLeadsToTheSourceIsMarkedAgain) {
    ASSERT_TRUE(QFile::link(source, folder.filePath("song_NEW.wav")));
    EXPECT_EQ(convertTo(source), folder.filePath("song_NEW_NEW.wav"));
    EXPECT_EQ(contentOf(source), "the source");
}

TEST_F(OutputOnDiskTest, OutputThatIsALinkToAnotherFileReplacesTheLinkNotItsTarget) {
    const QString other = folder.filePath("other.mp3");
    write(other, "someone else's file");
    const QString output = folder.filePath("song.mp3");
    ASSERT_TRUE(QFile::link(other, output));
    EXPECT_EQ(convertTo(output), output);
    EXPECT_FALSE(QFileInfo(output).isSymLink());
    EXPECT_EQ(contentOf(other), "someone else's file");
}

} // namespace
