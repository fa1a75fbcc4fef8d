#pragma once

// The first line of a command's usage: printed alone when the command is given no file, and above the command's
// summary for --help.
namespace CommandUsage {

inline constexpr const char* Info = "usage: tonalith-cli info FILE...\n";
inline constexpr const char* Id3 = "usage: tonalith-cli id3 FILE...\n";
inline constexpr const char* Summary = "usage: tonalith-cli summary merge SUMMARY.json...\n";

} // namespace CommandUsage
