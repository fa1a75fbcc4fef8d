#pragma once

#include <QString>
#include <memory>
#include <optional>

class AsciiSpelling;

// Which file systems the names of a mirrored library must suit.
enum class PathRules {
    Posix, // any name but "/" and NUL; at most 255 bytes of UTF-8 per component
    Fat,   // FAT32, exFAT and the cards of phones: no \ : * ? " < > |, no control characters, no trailing dot or
           // blank, no DOS device names, at most 255 UTF-16 units per component
    Ascii, // as Fat, with letters beyond ASCII spelt in ASCII ("Ä" becomes "A", "ß" becomes "ss")
};

[[nodiscard]] std::optional<PathRules> pathRulesNamed(const QString& name);
[[nodiscard]] QString pathRulesName(PathRules rules);

// Makes the relative paths of a mirrored tree valid under one set of rules. A component too long is cut at a
// character boundary before its extension, so the extension survives. Transliteration goes through ICU
// ("Any-Latin; Latin-ASCII"); what even that leaves beyond ASCII becomes "_".
class PathFitter {
public:
    explicit PathFitter(PathRules rules);
    ~PathFitter();
    PathFitter(const PathFitter&) = delete;
    PathFitter& operator=(const PathFitter&) = delete;

    [[nodiscard]] PathRules rules() const { return rules_; }
    // One file or folder name.
    [[nodiscard]] QString component(const QString& name) const;
    // A path of components separated by "/"; empty components are dropped.
    [[nodiscard]] QString path(const QString& relativePath) const;
    // The name cut to the component limit with "_NEW" (and a number above 1) before its extension: the free names
    // a taken one falls back to.
    [[nodiscard]] QString withMarker(const QString& name, int number) const;

private:
    [[nodiscard]] QString cutToLimit(const QString& name) const;
    [[nodiscard]] bool fits(const QString& name) const;

    PathRules rules_;
    std::unique_ptr<AsciiSpelling> ascii_; // only for PathRules::Ascii
};
