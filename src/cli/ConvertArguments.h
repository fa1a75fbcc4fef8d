#pragma once

#include "ConvertOptions.h"
#include "ConvertSummary.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <set>
#include <vector>

// A wrong command line: the text names the option and the value at fault. Raised before any source is opened.
class UsageError {
public:
    explicit UsageError(QString text) : text_(std::move(text)) {}
    [[nodiscard]] const QString& text() const { return text_; }

private:
    QString text_;
};

// The order a command line starts from when it names no profile: the panel's start-up values, every format's
// default choices, and one job per processor core.
[[nodiscard]] BatchOrder commandLineStartOrder();

// A convert command line, read and checked.
struct ConvertArguments {
    BatchOrder order;
    std::optional<SummaryKind> summary;
    std::optional<QString> profileName;  // --use-profile
    std::vector<ConvertOptionId> given;  // the options on the line, in their order, each once
    std::optional<std::set<int>> tracks; // --tracks: the track numbers of cue sheets to convert
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
[[nodiscard]] ConvertArguments parseConvertArguments(const QStringList& arguments, LineKind kind,
                                                     const ProfileOrderLoader& loadProfile);
