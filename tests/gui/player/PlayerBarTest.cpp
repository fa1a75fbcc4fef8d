#include "gui/player/PlayerBar.h"
#include "support/RealMainWindow.h"

#include <QSlider>
#include <QtTest>

#include <limits>

// The player group in the main window, on the real components with the silent clock running fast.
class PlayerBarTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RealMainWindow> app;

    QSlider& positionSlider() { return *app->main().findChild<QSlider*>(QStringLiteral("positionSlider")); }
    const PreviewPlayer& player() { return app->main().playerBar().player(); }

private slots:
    void initTestCase() { qputenv("TONALITH_AUDIO_SPEED", "20"); }
    void init() { app = std::make_unique<RealMainWindow>(); }
    void cleanup() { app.reset(); }

    void doubleClickPlaysFromTheStartEveryTime() {
        app->addRow(app->tone(QStringLiteral("ten.wav"), 10));
        app->list().selectRow(0);
        emit app->list().rowDoubleClicked(0);
        QVERIFY(player().isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(positionSlider().value() >= 5, 5000);
        emit app->list().rowDoubleClicked(0);
        QCOMPARE(positionSlider().value(), 0);
        QVERIFY(player().isPlaying());
        QCOMPARE(player().seekOffset(), 0);
    }

    void aVideoRowIsRefusedAndPlaybackGoesOn() {
        const QString tone = app->tone(QStringLiteral("tone.wav"), 10);
        const QString video = app->dir.filePath(QStringLiteral("clip.avi"));
        QVERIFY(QFile::copy(tone, video));
        app->addRow(tone);
        app->addRow(video, true);
        app->list().selectRow(0);
        app->main().playerBar().play();
        app->list().selectRow(1);
        app->main().playerBar().play();
        QCOMPARE(app->prompts.shown, QStringList{QStringLiteral("|Con not play video files!")});
        QVERIFY(player().isPlaying());
    }

    // 1 000 000 samples at 8000 Hz; the slider dragged to 50 seeks to sample 500 000, with any mouse button.
    void seekingWithThePositionSlider() {
        app->addRow(app->tone(QStringLiteral("long.wav"), 125));
        app->list().selectRow(0);
        app->main().playerBar().play();
        QTest::mousePress(&positionSlider(), Qt::RightButton);
        QVERIFY(player().isDragging());
        positionSlider().setValue(50);
        app->main().playerBar().showPlayedSamples(8000);
        QCOMPARE(positionSlider().value(), 50);
        QTest::mouseRelease(&positionSlider(), Qt::RightButton);
        QTRY_COMPARE(player().seekOffset(), qint64{500000});
        QVERIFY(!player().isDragging());
        QVERIFY(player().isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(positionSlider().value() > 50, 5000);

        // A timer value past the end shows 100.
        app->main().playerBar().showPlayedSamples(std::numeric_limits<qint64>::max() / 2);
        QCOMPARE(positionSlider().value(), 100);

        // Released while stopped, the slider stays where the user left it.
        app->main().playerBar().stop();
        QVERIFY(!player().isPlaying());
        app->main().playerBar().beginSeek();
        positionSlider().setValue(70);
        app->main().playerBar().endSeek();
        QCOMPARE(positionSlider().value(), 70);
        QCOMPARE(player().seekOffset(), 0);
    }

    void previousAndNextWrapAround() {
        for (const char* name : {"a.wav", "b.wav", "c.wav"})
            app->addRow(app->tone(QLatin1String(name), 3));
        app->list().selectRow(2);
        app->main().playerBar().playNext();
        QCOMPARE(app->list().selectedRow(), 0);
        QVERIFY(player().isPlaying());
        app->main().playerBar().playPrevious();
        QCOMPARE(app->list().selectedRow(), 2);
        QVERIFY(player().isPlaying());
    }

    // At the end of the sound the preview stops and the writer instance is free again.
    void theEndOfTheSoundStopsThePreview() {
        app->addRow(app->tone(QStringLiteral("short.wav"), 0.5));
        app->list().selectRow(0);
        app->main().playerBar().play();
        QVERIFY(player().isPlaying());
        app->list().selectRow(-1);
        QTRY_VERIFY_WITH_TIMEOUT(!player().isPlaying(), 5000);
        QCOMPARE(positionSlider().value(), 0);
        QVERIFY(app->prompts.shown.isEmpty());
    }
};

QTEST_MAIN(PlayerBarTest)
#include "PlayerBarTest.moc"
