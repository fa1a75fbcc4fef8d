#pragma once

#include "ConvertSummary.h"
#include "core/batch/BatchOrder.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// A wrong command line: the text names the option and the value at fault. Raised before any source is opened.
class UsageError {
public:
    explicit UsageError(QString text) : text_(std::move(text)) {}
    [[nodiscard]] const QString& text() const { return text_; }

private:
    QString text_;
};

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
};

// In the order the help lists them: the format options first, then those of every format.
[[nodiscard]] const std::vector<ConvertOption>& convertOptions();
[[nodiscard]] const ConvertOption& convertOption(ConvertOptionId id);

// The order a command line starts from when it names no profile: the panel's start-up values, every format's
// default choices, and one job per processor core.
[[nodiscard]] BatchOrder commandLineStartOrder();

// A convert command line, read and checked.
struct ConvertLine {
    BatchOrder order;
    std::optional<SummaryKind> summary;
    std::optional<QString> profileName; // --use-profile
    std::vector<ConvertOptionId> given; // the options on the line, in their order, each once
    [[nodiscard]] bool has(ConvertOptionId id) const;
};

// The order a profile holds; raises UsageError when there is none of that name or it cannot be read.
using ProfileOrderLoader = std::function<BatchOrder(const QString& name)>;

enum class LineKind {
    Batch,   // FILEs are the sources; at least one is needed
    Profile, // no FILE: the order is kept as a profile
};

// Reads the arguments into an order and checks every value, the formats that take each option and the options
// that exclude each other, in that order, before anything is opened or made. The order starts from the named
// profile, or from commandLineStartOrder(); an option on the line replaces what the profile says, --format on the
// line replaces the profile's formats, and one of --volume, --normalize, --replaygain (or --preset, --alt-preset)
// on the line replaces what the profile chose of them.
[[nodiscard]] ConvertLine parseConvertLine(const QStringList& arguments, LineKind kind,
                                           const ProfileOrderLoader& loadProfile);

// The text of tonalith-cli convert --help.
[[nodiscard]] QString convertHelpText();
// The options as the manual page lists them: one .TP entry each, in the order of the help.
[[nodiscard]] QString convertManualOptions();

// The options that make the order from commandLineStartOrder(), each option and its value as separate arguments,
// in the order of the help. Settings no option can make (the window's MP3 and Ogg Vorbis dialogs, the PCM WAV
// dialog's own rate, opening the folder at the end) are described in `withoutOption`, one text each.
[[nodiscard]] QStringList optionsMaking(const BatchOrder& order, QStringList& withoutOption);
