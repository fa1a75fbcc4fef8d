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
// and with two that read the sources ahead side by side and make the outputs side by side.
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
    {"1/fixture.mp3", "46e04753cedd688689da58c0552cc097"},
    {"1/fixture.vox", "0b8eba846906a4bd66cb46df7005636c"},
    {"1/fixture_NEW.wav", "25b8f8cfd541820d6a1339ba9303745c"},
    {"2/duplicate_tags.mp3", "b09421cff98c7930efe4cfc30f1ab317"},
    {"2/duplicate_tags.vox", "dda3c46eea647b3f0a096350879dc681"},
    {"2/duplicate_tags_NEW.wav", "1e932b4821bbea012bed55cc76802726"},
    {"3/mp3_audio.mp3", "a91d11ad725873f24467e8389109697e"},
    {"3/mp3_audio.vox", "766d68850f3abcecfbf1deb678eb2096"},
    {"3/mp3_audio_NEW.wav", "5f3771b687eda551753dcca708977a70"},
    {"4/bug14462-wav-fmt.mp3", "4021390d05daf54df6ba439aee0b2414"},
    {"4/bug14462-wav-fmt.vox", "fa5120b8228fe6aa0747d9f7ec292ffd"},
    {"4/bug14462-wav-fmt_NEW.wav", "f1f9ed629debd36db360527bb81500fe"},
    {"5/v2.4-itunes-broken-syncsafe.vox", "806a74961a5e379419c65c3bc5140dfe"},
    {"5/v2.4-itunes-broken-syncsafe.wav", "2d92f2007733752137d24ea67c7c23d3"},
    {"5/v2.4-itunes-broken-syncsafe_NEW.mp3", "92159200631ec97ffb3e386ec222c673"},
    {"6/bug803.mp3", "4f4039a46e34178d4aabb418ec137235"},
    {"6/bug803.vox", "32628602b2fdc5f8869d558eab3502b7"},
    {"6/bug803.wav", "3fdfde9a1a1292dce4eba279e04eea62"},
    {"7/fixture.mp3", "ef56c1dff81088d96ab04d6f59edb7cb"},
    {"7/fixture.vox", "af6cd919b32143a09a0f6c7d8975a063"},
    {"7/fixture.wav", "4aa4cc1ea4ca3d5b0ca2179d1283ded5"},
    {"8/8k-4ch-1s-silence.mp3", "20094f045a8d1b9dfb99a7a8a88e6917"},
    {"8/8k-4ch-1s-silence.vox", "3ca268009ae4c2338173b911f4551e2c"},
    {"8/8k-4ch-1s-silence.wav", "2307352ff5d9536f63a387133aba9220"},
    {"9/fixture.wma.mp3", "3437b08731dd38fcd7637cb6e6b9c0a8"},
    {"9/fixture.wma.vox", "b8fee0504404d1f8a7b3a4a7b535dc03"},
    {"9/fixture.wma.wav", "89ff3d6bb8f73476ce80443664abafc3"},
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
