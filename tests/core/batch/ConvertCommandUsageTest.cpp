#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

testsupport::ToolResult convert(const QStringList& arguments) {
    return testsupport::runTool(testsupport::cliPath(), QStringList{"convert"} + arguments);
}

TEST(ConvertCommandUsage, OptionsAFormatDoesNotTakeAreRefused) {
    const struct {
        QStringList arguments;
        const char* complaint;
    } refusals[] = {
        {{"--format", "dsp", "--rate", "8000", "a.wav"}, "--rate"},
        {{"--format", "g721", "--code-size", "4", "a.wav"}, "--code-size"},
        {{"--format", "pcm", "--profile", "3", "a.wav"}, "--profile"},
        {{"--format", "wma", "--channels", "1", "a.wav"}, "--channels"},
        {{"--format", "mp2", "--bits", "8", "a.wav"}, "--bits"},
        {{"--format", "ogg", "--preset", "9", "a.wav"}, "--preset"},
        {{"--format", "ape", "a.wav"}, "ape"},
        {{"--format", "pcm", "--loud", "a.wav"}, "--loud"},
        {{"--format", "pcm"}, "FILE"},
        {{"a.wav"}, "--format"},
        {{"--format", "pcm", "--rate", "12345", "a.wav"}, "--rate"},
        {{"--format", "pcm", "--channels", "3", "a.wav"}, "--channels"},
        {{"--format", "pcm", "--bits", "12", "a.wav"}, "--bits"},
        {{"--format", "g723", "--code-size", "4", "a.wav"}, "--code-size"},
        {{"--format", "g726", "--code-size=6", "a.wav"}, "--code-size"},
        {{"--format", "vox", "--volume", "201", "a.wav"}, "--volume"},
        {{"--format", "mp3", "--preset", "1", "--alt-preset", "1", "a.wav"}, "--alt-preset"},
        {{"--format", "mp3", "--preset", "12", "a.wav"}, "--preset"},
        {{"--format", "pcm", "--rate"}, "--rate"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.arguments.join(' ').toStdString());
        const testsupport::ToolResult result = convert(refusal.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(refusal.complaint)) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST(ConvertCommandUsage, HelpListsTheFormatsAndTheOutputLines) {
    const testsupport::ToolResult result = convert({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* text : {"pcm adpcm mp3 mp2 ogg wma dsp gsm vox raw g721 g723 g726",
                             "progress=", "output=", "error=", "cancelled=", "--verify", "SIGTERM", "143"})
        EXPECT_TRUE(result.out.contains(text)) << text;
}

TEST(ConvertCommandUsage, MissingSourceFailsThatOutputOnly) {
    const testsupport::ToolResult result = convert({"--format", "pcm", "/no/such/file.wav"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "error=Can not find out the source file:/no/such/file.wav\n");
}

} // namespace
