#pragma once

#include "core/batch/BatchOrder.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

enum class ConvertOptionId {
    Format,
    UseProfile,
    Rate,
    Channels,
    Bits,
    Profile,
    CodeSize,
    Preset,
    AltPreset,
    Lame,
    Compression,
    Bitrate,
    Speech,
    Volume,
    Normalize,
    ReplayGain,
    Out,
    KeepTree,
    Name,
    Exists,
    Verify,
    Jobs,
    Summary,
    NoTags,
    Tracks,
    HiddenTrack,
};

// Whether an option is followed by a value: never (a switch), always (as the next argument or after "="), or
// only after "=" (--normalize=LUFS).
enum class OptionValue { None, Required, Optional };

// What a value must be.
enum class ValueType { Switch, Integer, Number, Word, Text };

// The values an option takes, for every format or for one of them. A range is a list of values, bounds, or words.
struct OptionRange {
    std::optional<OutputFormat> format; // nothing: for every format that takes the option
    std::vector<int> listed;
    std::optional<std::pair<double, double>> bounds;
    QStringList words;

    [[nodiscard]] bool accepts(double value) const;
    [[nodiscard]] bool accepts(const QString& word) const { return words.contains(word); }
    [[nodiscard]] QString text() const; // "1 or 2", "0 to 8", "text or json", "aac 96 to 320"
};

// One option of tonalith-cli convert: how it is spelt and what follows it, its default and range, the formats that
// take it, and its help. Parsing, the checks of values, --help and the manual page's option list all read this.
struct ConvertOption {
    ConvertOptionId id;
    const char* name;      // "--rate"
    const char* shortName; // "-j", or nullptr
    OptionValue takes;
    ValueType type;
    const char* valueName;              // "R", "LUFS"; empty for a switch
    std::optional<FormatChoice> choice; // the format choice it makes; nothing for the options of every format
    std::function<QString()> defaultText;
    std::vector<OptionRange> ranges;
    const char* refusalHint; // closes the refusal of a bad value, with {range}: "(text or json)"; or nullptr
    const char* help;        // with {default} and {range}; one paragraph
    const char* manualMore;  // what the manual page says beyond the help, or nullptr

    // The text with {default} and {range} replaced by this option's.
    [[nodiscard]] QString filledIn(const QString& text) const;
    // Whether the format makes the choice this option sets.
    [[nodiscard]] bool takenBy(OutputFormat format) const;
};

// In the order the help lists them: the format options first, then those of every format.
[[nodiscard]] const std::vector<ConvertOption>& convertOptions();
[[nodiscard]] const ConvertOption& convertOption(ConvertOptionId id);

// The text of tonalith-cli convert --help.
[[nodiscard]] QString convertHelpText();
// The options as the manual page lists them: one .TP entry each, in the order of the help.
[[nodiscard]] QString convertManualOptions();
