#include "core/profiles/WindowCoverage.h"
#include "core/batch/BatchOrder.h"
#include "core/batch/LoudnessNormalization.h"

#include <gtest/gtest.h>

namespace {

// Every setting the dialog makes is shown by controls that make it again, in each of the three modes.
TEST(WindowCoverage, OggVorbisSettingsOfTheDialogComeBackAsTheSameControls) {
    OggVorbisControls nominal;
    nominal.sampleRateIndex = sampleRateIndexOf(22050);
    nominal.channelIndex = 0;
    nominal.nominalPosition = 9;
    OggVorbisControls vbr = nominal;
    vbr.vbrEnabled = true;
    vbr.minimumPosition = 2;
    vbr.maximumPosition = 11;
    OggVorbisControls quality = nominal;
    quality.qualityEnabled = true;
    quality.quality = 730;
    for (const OggVorbisControls& controls : {nominal, vbr, quality}) {
        const OggVorbisSetting setting = oggVorbisSettingOf(controls);
        const OggVorbisControls shown = oggVorbisControlsOf(setting, OggVorbisControls{});
        EXPECT_EQ(oggVorbisSettingOf(shown), setting);
        EXPECT_EQ(shown.vbrEnabled, controls.vbrEnabled);
        EXPECT_EQ(shown.qualityEnabled, controls.qualityEnabled);
        BatchOrder order;
        order.formatSettings.oggVorbis = setting;
        EXPECT_TRUE(partsWithoutWindowControls(order, 30).isEmpty());
    }
    // The quality slider the quality mode does not read stays where the user left it.
    OggVorbisControls unread;
    unread.quality = 120;
    EXPECT_EQ(oggVorbisControlsOf(oggVorbisSettingOf(nominal), unread).quality, 120);
}

TEST(WindowCoverage, NamesWhatOnlyTheCommandLineOrAHandEditGives) {
    BatchOrder window;
    window.loudnessTarget = kDefaultLoudnessTarget;
    EXPECT_TRUE(partsWithoutWindowControls(window, 30).isEmpty());

    BatchOrder order{.treeRoot = QStringLiteral("/music"), .loudnessTarget = -16.0};
    order.formatSettings.mp3.lameSwitches.emplace(QStringLiteral("-V 2"));
    order.formatSettings.mp3.panelRate = true;
    order.formatSettings.oggVorbis.nominal = 100; // between two track bar positions
    order.formatSettings.pcmWav.bits = 32;
    order.formatSettings.panel.wmaProfile = 31;
    const QStringList parts = partsWithoutWindowControls(order, 30);
    EXPECT_EQ(parts.size(), 7) << parts.join('\n').toStdString();
    EXPECT_TRUE(parts.contains(QStringLiteral("the tree root \"/music\"")));
    EXPECT_TRUE(parts.contains(QStringLiteral("the loudness target -16 LUFS")));
    EXPECT_TRUE(parts.contains(QStringLiteral("the LAME switches \"-V 2\"")));
    EXPECT_TRUE(parts.contains(QStringLiteral("the WMA profile 31")));
    EXPECT_EQ(oggPositionOf(100), oggPositionOf(96)) << "the nearest position";
}

} // namespace
