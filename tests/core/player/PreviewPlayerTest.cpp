#include "core/player/PreviewPlayer.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace {

struct Row {
    QString fullName;
    bool audio = true;
};

class FakeRows : public PreviewRows {
public:
    std::vector<Row> rows;
    int selected = -1;

    int rowCount() const override { return static_cast<int>(rows.size()); }
    int selectedRow() const override { return selected; }
    void selectRow(int row) override { selected = row; }
    QString fullName(int row) const override { return rows.at(static_cast<std::size_t>(row)).fullName; }
    bool isAudio(int row) const override { return rows.at(static_cast<std::size_t>(row)).audio; }
};

class FakeSlider : public PreviewPosition {
public:
    int value = 0;
    int position() const override { return value; }
    void setPosition(int percent) override { value = percent; }
};

class PreviewPlayerTest : public ::testing::Test {
protected:
    PreviewPlayerTest() {
        for (const char* name : {"one.wav", "two.wav", "three.wav", "clip.avi"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        rows.rows = {{dir.filePath(QStringLiteral("one.wav"))},
                     {dir.filePath(QStringLiteral("two.wav"))},
                     {dir.filePath(QStringLiteral("three.wav"))},
                     {dir.filePath(QStringLiteral("clip.avi")), false}};
        file().setResult(QStringLiteral("lengthInSamples"), 1000000);
        file().setResult(QStringLiteral("sampleRate"), 44100);
        file().setResult(QStringLiteral("channelCount"), 2);
        factory.player->setResult(QStringLiteral("blockLength"), 8000);
        factory.log->clear();
    }

    FakeAudioFile2& file() { return *factory.writer; }
    QStringList log() const { return *factory.log; }
    void playRow(int row) {
        rows.selected = row;
        player.play();
    }
    [[nodiscard]] qsizetype countOf(const QString& call) const { return log().count(call); }

    QTemporaryDir dir;
    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    FakeRows rows;
    FakeSlider slider;
    FakePrompts prompts;
    PreviewPlayer player{*components, rows, slider, prompts};
};

TEST_F(PreviewPlayerTest, PlayOpensTheRowThroughTheWriterAndQueuesTwoBlocks) {
    slider.value = 40;
    playRow(1);
    const QString name = rows.rows[1].fullName;
    const QStringList expected{
        "writer.openForReading(" + name + ",0,1)",
        "writer.lastError()",
        "writer.lengthInSamples()",
        "writer.sampleRate()",
        "writer.channelCount()",
        "player.setFormat(44100,2)",
        "player.blockLength(4000)",
        "player.openOutput()",
        "player.play()",
        "writer.readBlock(8000)",
        "player.queueBlock(block[0])",
        "writer.readBlock(8000)",
        "player.queueBlock(block[0])",
    };
    EXPECT_EQ(log(), expected);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(slider.value, 0);
    EXPECT_EQ(player.blockLength(), 8000);

    // Each player event loads one more block.
    factory.log->clear();
    player.onBlockPlayed();
    player.onMoreDataWanted();
    EXPECT_EQ(countOf("player.queueBlock(block[0])"), 2);
}

TEST_F(PreviewPlayerTest, PlayingTheSameRowAgainRestartsFromTheBeginning) {
    playRow(0);
    player.onTimer(500000);
    EXPECT_EQ(slider.value, 50);
    factory.log->clear();
    player.play();
    EXPECT_EQ(log().mid(0, 3), (QStringList{"player.stop()", "writer.close()",
                                            "writer.openForReading(" + rows.rows[0].fullName + ",0,1)"}));
    EXPECT_EQ(slider.value, 0);
    EXPECT_EQ(player.seekOffset(), 0);
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(PreviewPlayerTest, RowsThatCannotPlay) {
    // A video row: the message, and what plays goes on.
    playRow(0);
    factory.log->clear();
    playRow(3);
    EXPECT_EQ(prompts.shown, QStringList{"|Con not play video files!"});
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(player.isPlaying());

    // A vanished file stops the preview without a word.
    QFile::remove(rows.rows[1].fullName);
    playRow(1);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(log(), (QStringList{"player.stop()", "writer.close()"}));
    EXPECT_EQ(prompts.shown.size(), 1);

    // A file of no length plays nothing and does not stay open in the writer.
    factory.log->clear();
    file().setResult(QStringLiteral("lengthInSamples"), 0);
    playRow(2);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(countOf("player.openOutput()"), 0);
    EXPECT_EQ(log().last(), "writer.close()");

    // No selected row: Play does nothing.
    factory.log->clear();
    rows.selected = -1;
    player.play();
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(PreviewPlayerTest, SeekingWithThePositionSlider) {
    playRow(0);
    player.sliderPressed();
    slider.value = 50;
    player.onTimer(10);
    EXPECT_EQ(slider.value, 50) << "the timer leaves the slider alone while it is dragged";

    file().setResult(QStringLiteral("seek"), 500000);
    factory.log->clear();
    player.sliderReleased();
    EXPECT_EQ(log().mid(0, 5), (QStringList{"player.stop()", "writer.lengthInSamples()", "writer.seek(500000,3)",
                                            "player.openOutput()", "player.play()"}));
    EXPECT_EQ(countOf("player.queueBlock(block[0])"), 2);
    EXPECT_EQ(countOf("player.setFormat(44100,2)"), 0) << "format and block length stay as Play set them";
    EXPECT_EQ(player.seekOffset(), 500000);
    EXPECT_FALSE(player.isDragging());

    // The position counts from where the seek landed.
    player.onTimer(100000);
    EXPECT_EQ(slider.value, 60);
    player.onTimer(900000);
    EXPECT_EQ(slider.value, 100) << "more than the length shows 100";

    // Released while stopped: the slider stays where the user put it.
    player.stopPreview();
    player.sliderPressed();
    slider.value = 70;
    factory.log->clear();
    player.sliderReleased();
    EXPECT_EQ(slider.value, 70);
    EXPECT_TRUE(log().isEmpty());
    EXPECT_FALSE(player.isDragging());
}

TEST_F(PreviewPlayerTest, PercentagesSurviveHugeAndEmptyLengths) {
    constexpr qint64 kHuge = std::numeric_limits<qint64>::max();
    EXPECT_EQ(sampleAtPercent(kHuge, 50), kHuge / 2);
    EXPECT_EQ(sampleAtPercent(1000000, 50), 500000);
    EXPECT_EQ(sampleAtPercent(0, 50), 0);
    EXPECT_EQ(sampleAtPercent(1000, 150), 1000);

    playRow(0);
    // A length whose product with 100 overflows 64 bits.
    file().setResult(QStringLiteral("lengthInSamples"), 4000000000000000000);
    player.onTimer(1000000000000000000);
    EXPECT_EQ(slider.value, 25);
    file().setResult(QStringLiteral("lengthInSamples"), 0);
    player.onTimer(12345);
    EXPECT_EQ(slider.value, 0);
}

TEST_F(PreviewPlayerTest, PreviousAndNextWrapAroundTheList) {
    rows.rows.pop_back(); // three audio rows
    playRow(2);
    player.next();
    EXPECT_EQ(rows.selected, 0);
    EXPECT_TRUE(player.isPlaying());
    player.previous();
    EXPECT_EQ(rows.selected, 2);
    player.previous();
    EXPECT_EQ(rows.selected, 1);

    factory.log->clear();
    rows.selected = -1;
    player.next();
    player.previous();
    EXPECT_EQ(rows.selected, -1);
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(PreviewPlayerTest, StoppingWithAndWithoutASelectedRow) {
    playRow(0);
    rows.selected = -1;
    factory.log->clear();
    player.stop();
    EXPECT_TRUE(player.isPlaying()) << "the Stop button needs a selected row";
    EXPECT_TRUE(log().isEmpty());

    // What the batch and the options pane use stops whatever the selection, and frees the writer.
    player.stopPreview();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(log(), (QStringList{"player.stop()", "writer.close()"}));

    // The end of the sound stops the preview even when the list lost its selection meanwhile.
    playRow(0);
    rows.selected = -1;
    factory.log->clear();
    player.onPlayEnded();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(log(), (QStringList{"player.stop()", "writer.close()"}));
}

TEST_F(PreviewPlayerTest, AComponentErrorLeavesThePlayerStopped) {
    playRow(0);
    file().setFailure(QStringLiteral("readBlock"), QStringLiteral("disk gone"));
    factory.log->clear();
    EXPECT_THROW(player.onMoreDataWanted(), ComponentError);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_TRUE(log().contains("player.stop()"));
    EXPECT_EQ(log().last(), "writer.close()");

    // Failing while starting: nothing keeps playing either.
    file().setFailure(QStringLiteral("readBlock"), QString());
    factory.player->setFailure(QStringLiteral("play"), QStringLiteral("no device"));
    EXPECT_THROW(playRow(1), ComponentError);
    EXPECT_FALSE(player.isPlaying());

    // A failing stop still closes the file.
    factory.player->setFailure(QStringLiteral("play"), QString());
    playRow(1);
    factory.player->setFailure(QStringLiteral("stop"), QStringLiteral("stuck"));
    factory.log->clear();
    EXPECT_THROW(player.stopPreview(), ComponentError);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(log().last(), "writer.close()");
}

TEST_F(PreviewPlayerTest, EventsRunThroughTheDispatcher) {
    int dispatched = 0;
    player.bindEvents([&](const std::function<void()>& handler) {
        ++dispatched;
        handler();
    });
    playRow(0);
    factory.player->events().onTimer(250000, 0, 0);
    factory.player->events().onEndArrayPlay();
    factory.player->events().onEndPlay();
    EXPECT_EQ(dispatched, 3);
    EXPECT_EQ(slider.value, 0);
    EXPECT_FALSE(player.isPlaying());
}

} // namespace
