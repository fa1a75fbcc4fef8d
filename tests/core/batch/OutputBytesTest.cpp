#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

// Outputs keep their bytes when the way sources are opened changes: a fixed sample of sources (plain and cut PCM
// WAV, MP3 in WAV, MP3, Ogg Vorbis, FLAC in Ogg, AIFF with four channels, WMA), each converted to PCM WAV, MP3 and
// VOX in one batch, must give exactly the outputs recorded before opening sources was made quicker; with one worker,
// and with two that read the sources ahead side by side and make the outputs side by side. The outputs of sources
// that change rate, and the 16-bit ones of sources not already on the 16-bit grid, were recorded again when rate
// changes moved to the SoX resampler and 16-bit outputs got dither.
namespace {

const char* const kSources[] = {
    "file-type/fixture.wav",
    "taglib/duplicate_tags.wav",
    "tinytag/mp3_audio.wav",
    "audio-scan/bug14462-wav-fmt.wav",
    "audio-scan/v2.4-itunes-broken-syncsafe.mp3",
    "audio-scan/bug803.ogg",
    "file-type/fixture.oga",
    "mutagen/8k-4ch-1s-silence.aif",
    "file-type/fixture.wma.asf",
};

// Outputs beside their sources, each source in a folder named by its place in the list above.
const std::map<QString, QByteArray> kRecordedDigests{
    {"1/fixture.mp3", "2e59d356970ce23f184ac9b3bfcbe5e5"},
    {"1/fixture.vox", "5b63c35828a85972490c816e45d43fcc"},
    {"1/fixture_NEW.wav", "ccc781ed91839416f01957c54d372275"},
    {"2/duplicate_tags.mp3", "b09421cff98c7930efe4cfc30f1ab317"},
    {"2/duplicate_tags.vox", "dda3c46eea647b3f0a096350879dc681"},
    {"2/duplicate_tags_NEW.wav", "1e932b4821bbea012bed55cc76802726"},
    {"3/mp3_audio.mp3", "a91d11ad725873f24467e8389109697e"},
    {"3/mp3_audio.vox", "766d68850f3abcecfbf1deb678eb2096"},
    {"3/mp3_audio_NEW.wav", "5f3771b687eda551753dcca708977a70"},
    {"4/bug14462-wav-fmt.mp3", "c8e0184b3fbf3dce39736a66bb43b2cf"},
    {"4/bug14462-wav-fmt.vox", "efd49d9a2650695c9068ce5e5653729c"},
    {"4/bug14462-wav-fmt_NEW.wav", "cce366e0b0ab59f29bc9d04a7d8e546c"},
    {"5/v2.4-itunes-broken-syncsafe.vox", "806a74961a5e379419c65c3bc5140dfe"},
    {"5/v2.4-itunes-broken-syncsafe.wav", "623d36ff50ac2c05bcdd14d8f702e556"},
    {"5/v2.4-itunes-broken-syncsafe_NEW.mp3", "92159200631ec97ffb3e386ec222c673"},
    {"6/bug803.mp3", "4f4039a46e34178d4aabb418ec137235"},
    {"6/bug803.vox", "32628602b2fdc5f8869d558eab3502b7"},
    {"6/bug803.wav", "dccf1347bb9f3514ed39e471696942af"},
    {"7/fixture.mp3", "6126e3d3c2693c2334f1dda4b3612b26"},
    {"7/fixture.vox", "853825500eeb6cb27b8b14e35e6a667d"},
    {"7/fixture.wav", "d404a94efa48902c3279126624f70b4e"},
    {"8/8k-4ch-1s-silence.mp3", "20094f045a8d1b9dfb99a7a8a88e6917"},
    {"8/8k-4ch-1s-silence.vox", "3ca268009ae4c2338173b911f4551e2c"},
    {"8/8k-4ch-1s-silence.wav", "2307352ff5d9536f63a387133aba9220"},
    {"9/fixture.wma.mp3", "3437b08731dd38fcd7637cb6e6b9c0a8"},
    {"9/fixture.wma.vox", "b8fee0504404d1f8a7b3a4a7b535dc03"},
    {"9/fixture.wma.wav", "1e76f09452d481fdfdf95f02ca82fc87"},
};

using testsupport::md5Of;

class OutputBytes : public ::testing::TestWithParam<const char*> {};

TEST_P(OutputBytes, SampleOfConversionsKeepsTheRecordedBytes) {
    if (!testsupport::fixturesPresent())
        GTEST_SKIP() << "the shared fixtures are not there";
    QTemporaryDir folder;
    QStringList sources;
    int place = 0;
    for (const char* source : kSources) {
        const QString original = testsupport::fixture(QStringLiteral("fixtures/") + QString::fromLatin1(source));
        const QString copy = folder.filePath(QStringLiteral("%1/%2").arg(++place).arg(QFileInfo(original).fileName()));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(copy).path()));
        ASSERT_TRUE(QFile::copy(original, copy)) << source;
        sources << copy;
    }
    const testsupport::CliRun run = testsupport::runCli(
        QStringList{"convert", "--no-tags", "--format", "pcm", "--format", "mp3", "--format", "vox", "-j", GetParam()} +
        sources);
    EXPECT_EQ(run.exitCode, 0) << run.errors.join('\n').toStdString();
    EXPECT_EQ(run.outputs.size(), static_cast<qsizetype>(kRecordedDigests.size()));
    for (const auto& [output, digest] : kRecordedDigests)
        EXPECT_EQ(md5Of(folder.filePath(output)), digest) << output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Jobs, OutputBytes, ::testing::Values("1", "2"),
                         [](const ::testing::TestParamInfo<const char*>& jobs) {
                             return std::string("j") + jobs.param;
                         });

} // namespace
