// Format operations, their nearest legal values, format strings, the Ogg setting test and the WMA profiles.

#include "WriterTestSupport.h"
#include "core/components/AudioFile2Component.h"
#include "core/components/ComponentError.h"
#include "core/components/writer/EncoderAvailability.h"
#include "core/components/writer/FfmpegBackend.h"
#include "core/components/writer/FormatRules.h"
#include "fakes/FakeAudioFile2LameEnc.h"

#include <gtest/gtest.h>

using namespace writertest;

namespace {

TEST(WriterFormatStrings, StateWhatWillReallyBeWritten) {
    AudioWriter writer;
    const auto described = [&](const std::function<void()>& set) {
        set();
        return writer.formatString();
    };
    EXPECT_EQ(described([&] { writer.setPcmWav(44100, 2, 16); }), "PCM 16-bit, 44100 Hz, Stereo");
    EXPECT_EQ(described([&] { writer.setMp3(44100, 128, 2); }),
              "MPEG-1 Layer III, 128 kbit/s CBR, 44100 Hz, Joint Stereo");
    EXPECT_EQ(described([&] { writer.setOggVorbis(44100, 2, 0, 0, 0, 500); }),
              "Ogg Vorbis, quality 0.50 (VBR), 44100 Hz, Stereo");
    EXPECT_EQ(described([&] { writer.setOggVorbis(44100, 2, 128, 0, 0, -1); }),
              "Ogg Vorbis, 128 kbit/s nominal (VBR), 44100 Hz, Stereo");
    EXPECT_EQ(described([&] { writer.setG726(8000, 4); }), "G.726 4-bit (32 kbit/s) in Sun AU, 8000 Hz, Mono");
    EXPECT_EQ(described([&] { writer.setWmaProfile(28); }), "WMA 128 kbps, 44 kHz, stereo CBR");
    EXPECT_EQ(described([&] { writer.setGsmWav(8000); }), "GSM 6.10, 13.0 kbit/s, 8000 Hz, Mono");

    writer.setDescriptionDetail(0);
    EXPECT_EQ(described([&] { writer.setMp2(44100, 192, 2); }), "MPEG-1 Layer II");
    writer.setDescriptionDetail(-1);
    EXPECT_EQ(writer.formatString(), "MPEG-1 Layer II, 192 kbit/s CBR, 44100 Hz, Stereo");
}

TEST(WriterFormatRules, IllegalRequestsMoveToTheNearestLegalValue) {
    AudioWriter writer;
    // MP2: 192 kbit/s is not a half-rate bit rate, so 22.05 kHz moves up to MPEG-1 at 32 kHz.
    writer.setMp2(22050, 192, 2);
    EXPECT_EQ(writer.formatString(), "MPEG-1 Layer II, 192 kbit/s CBR, 32000 Hz, Stereo");
    writer.setMp2(8000, 64, 1);
    EXPECT_EQ(writer.formatString(), "MPEG-2 Layer II, 64 kbit/s CBR, 16000 Hz, Mono");
    writer.setMp2(44100, 48, 2); // 48 kbit/s is a mono-only MPEG-1 rate
    EXPECT_EQ(writer.formatString(), "MPEG-1 Layer II, 64 kbit/s CBR, 44100 Hz, Stereo");
    // MP3: LAME's own limits, read back from the encoder.
    writer.setMp3(8000, 320, 1);
    EXPECT_EQ(writer.formatString(), "MPEG-2.5 Layer III, 64 kbit/s CBR, 8000 Hz, Mono");
    writer.setMp3(96000, 128, 2);
    EXPECT_TRUE(writer.formatString().contains(QStringLiteral("48000 Hz"))) << writer.formatString().toStdString();
    // GSM takes the four ACM rates; anything else is telephone rate.
    writer.setGsmWav(16000);
    EXPECT_TRUE(writer.formatString().contains(QStringLiteral("8000 Hz")));
    // Ogg bit-rate mode: outside 8..50 kHz the rate moves; a nominal rate outside the window moves into it.
    writer.setOggVorbis(96000, 2, 128, 0, 0, -1);
    EXPECT_EQ(writer.formatString(), "Ogg Vorbis, 128 kbit/s nominal (VBR), 48000 Hz, Stereo");
    writer.setOggVorbis(8000, 1, 128, 0, 0, -1);
    const QString clamped = writer.formatString();
    EXPECT_TRUE(clamped.contains(QStringLiteral("8000 Hz, Mono"))) << clamped.toStdString();
    EXPECT_TRUE(writer.testOggSetting(8000, 1, clamped.section(' ', 2, 2).toInt(), 0, 0)) << clamped.toStdString();
    // PCM sizes and G.72x code sizes.
    writer.setPcmWav(44100, 2, 12);
    EXPECT_EQ(writer.formatString(), "PCM 16-bit, 44100 Hz, Stereo");
    writer.setG723(8000, 4);
    EXPECT_EQ(writer.formatString(), "G.723 5-bit (40 kbit/s) in Sun AU, 8000 Hz, Mono");
    writer.setG726(44100, 2);
    EXPECT_EQ(writer.formatString(), "G.726 2-bit (16 kbit/s) in WAV, 8000 Hz, Mono");
    EXPECT_THROW(writer.setRaw(1, 44100, 2, 8), ComponentError);
}

TEST(WriterOggSettingTest, RefusesWhatLibvorbisRefusesAndDisorderedLimits) {
    AudioWriter writer;
    EXPECT_NE(writer.testOggSetting(44100, 2, 128, 0, 0), 0);
    EXPECT_NE(writer.testOggSetting(44100, 2, 128, 48, 320), 0);
    EXPECT_NE(writer.testOggSetting(44100, 2, 128, 128, 128), 0); // hard CBR
    EXPECT_NE(writer.testOggSetting(44100, 2, 128, -1, -1), 0);
    EXPECT_EQ(writer.testOggSetting(44100, 2, 128, 160, 96), 0); // libvorbis itself takes this
    EXPECT_EQ(writer.testOggSetting(44100, 2, 96, 128, 0), 0);   // nominal below minimum
    EXPECT_EQ(writer.testOggSetting(44100, 2, 320, 0, 256), 0);  // nominal above maximum
    EXPECT_EQ(writer.testOggSetting(6000, 1, 16, 0, 0), 0);      // below 8 kHz
    EXPECT_EQ(writer.testOggSetting(96000, 2, 128, 0, 0), 0);    // above 50 kHz
    EXPECT_EQ(writer.testOggSetting(8000, 1, 128, 0, 0), 0);     // outside the 8 kHz mono window
    EXPECT_EQ(writer.testOggSetting(44100, 2, 0, 0, 0), 0);      // nothing set
    EXPECT_EQ(writer.testOggSetting(44100, 2, 1000, 0, 0), 0);
}

TEST(WriterWmaProfiles, TwentyEightByQualityEndingWith128kStereo) {
    AudioWriter writer;
    ASSERT_EQ(writer.wmaProfileCount(), 28);
    const auto profiles = formatrules::wmaProfiles();
    for (std::size_t index = 1; index < profiles.size(); ++index)
        EXPECT_LE(profiles[index - 1].kbps, profiles[index].kbps) << "profile " << index + 1;
    writer.setWmaProfile(28);
    EXPECT_EQ(writer.formatString(), "WMA 128 kbps, 44 kHz, stereo CBR");
    writer.setWmaProfile(1);
    EXPECT_EQ(writer.formatString(), "WMA 24 kbps, 8 kHz, mono CBR");
}

TEST(WriterWmaProfiles, EveryProfileEncodesAndDecodesWithItsParameters) {
    QTemporaryDir folder;
    AudioWriter writer;
    const auto profiles = formatrules::wmaProfiles();
    for (int number = 1; number <= static_cast<int>(profiles.size()); ++number) {
        const auto& profile = profiles[static_cast<std::size_t>(number - 1)];
        writer.setWmaProfile(number);
        const QString path = folder.filePath(QStringLiteral("p%1.wma").arg(number));
        writeFile(writer, path, tone(44100, 2, 1.0), 44100, 2);
        const Probe probe = writertest::probe(path);
        EXPECT_EQ(probe.codec, QStringLiteral("wmav2")) << number;
        EXPECT_EQ(probe.sampleRate, profile.sampleRate) << number;
        EXPECT_EQ(probe.channels, profile.channels) << number;
        const std::vector<float> decoded = decodeWithFfmpeg(path);
        const double seconds = static_cast<double>(decoded.size()) / profile.channels / profile.sampleRate;
        EXPECT_NEAR(seconds, 1.0, 0.1) << number;
        EXPECT_GE(sineFitSnr(channel(decoded, profile.channels, 0), profile.sampleRate), 44.0) << number;
    }
}

TEST(WriterWmaProfiles, PacketSizeHoldsWholeFramesWithLittlePadding) {
    EXPECT_EQ(asfPacketSizeFor(743), 12 + 4 * 760); // 128 kbit/s at 44.1 kHz
    EXPECT_EQ(asfPacketSizeFor(5000), 12 + 5017);   // a frame bigger than the usual packet
}

TEST(WriterSampleFormat, TakesPcmWavParametersAndRefusesOtherFiles) {
    QTemporaryDir folder;
    AudioWriter writer;
    writer.setPcmWav(22050, 1, 24);
    const QString sample = folder.filePath(QStringLiteral("sample.wav"));
    writeFile(writer, sample, tone(22050, 1, 0.1), 22050, 1);
    writer.setMp3(44100, 128, 2);
    writer.setFormatFromSampleWav(sample);
    EXPECT_EQ(writer.formatString(), "PCM 24-bit, 22050 Hz, Mono");

    writer.setAdpcmWav(8000, 1);
    const QString adpcmFormat = writer.formatString();
    const QString adpcm = folder.filePath(QStringLiteral("a.wav"));
    writeFile(writer, adpcm, tone(8000, 1, 0.1), 8000, 1);
    EXPECT_THROW(writer.setFormatFromSampleWav(adpcm), ComponentError);
    EXPECT_THROW(writer.setFormatFromSampleWav(folder.filePath(QStringLiteral("none.wav"))), ComponentError);
    EXPECT_EQ(writer.formatString(), adpcmFormat); // unchanged by the refusals
}

TEST(WriterMp3Settings, TheSettingsObjectDecidesTheNextMp3Output) {
    FakeAudioFile2LameEnc settings(QStringLiteral("mp3Encoder"));
    const std::vector<std::pair<Mp3Setting, int>> cbrMono{
        {Mp3Setting::VbrMode, -1},          {Mp3Setting::ChannelMode, 0},          {Mp3Setting::Channels, 1},
        {Mp3Setting::Bitrate, 192},         {Mp3Setting::OutputSampleRate, 32000}, {Mp3Setting::Quality, 5},
        {Mp3Setting::VbrHeader, -1},        {Mp3Setting::BitReservoir, -1},        {Mp3Setting::LowpassFrequency, -1},
        {Mp3Setting::HighpassFrequency, -1}};
    for (const auto& [which, value] : cbrMono)
        settings.setSetting(which, value);
    AudioWriter writer;
    writer.useMp3EncoderSettings(settings);
    EXPECT_EQ(writer.formatString(), "MPEG-1 Layer III, 192 kbit/s CBR, 32000 Hz, Mono");
    settings.setSetting(Mp3Setting::Bitrate, 64); // later changes need a new hand-over
    EXPECT_TRUE(writer.formatString().contains(QStringLiteral("192 kbit/s")));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("s.mp3"));
    writeFile(writer, path, tone(44100, 2, 2.0), 44100, 2);
    const Probe probe = writertest::probe(path);
    EXPECT_EQ(probe.codec, QStringLiteral("mp3"));
    EXPECT_EQ(probe.sampleRate, 32000);
    EXPECT_EQ(probe.channels, 1);
    // The LAME tag tells the decoder the encoder delay and padding, so the decoded length is exact.
    EXPECT_NEAR(static_cast<double>(decodeWithFfmpeg(path).size()) / 32000, 2.0, 0.002);
}

TEST(WriterComponent, RecordsLastErrorOfCreateAndForwardsTheWriter) {
    QTemporaryDir folder;
    AudioFile2Component component;
    component.setDescriptionDetail(-1);
    component.setPcmWav(44100, 2, 16);
    EXPECT_EQ(component.formatString(), "PCM 16-bit, 44100 Hz, Stereo");
    EXPECT_THROW(component.createOutput(folder.filePath(QStringLiteral("no/such/folder/x.wav")), 0), ComponentError);
    EXPECT_EQ(component.lastError(), LastError::FileNotFound);
    component.createOutput(folder.filePath(QStringLiteral("x.wav")), 0);
    EXPECT_EQ(component.lastError(), LastError::Success);
    component.close();
}

TEST(WriterEncoders, EverythingTheWriterNeedsIsLinked) {
    EXPECT_TRUE(missingEncoders().isEmpty()) << missingEncoders().join(QStringLiteral("; ")).toStdString();
}

} // namespace
