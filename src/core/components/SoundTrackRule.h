#pragma once

#include "core/components/SoundTrack.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Which sound track of a source with several a batch converts: the one the file flags as its default (else its
// first), the first in a list of languages (else the default), a number, or every one of them. A source of one
// sound track is converted as it is, whatever the rule.
class SoundTrackRule {
public:
    enum class Kind { Default, Languages, Number, All };

    SoundTrackRule() = default;
    [[nodiscard]] static SoundTrackRule languages(QStringList codes);
    [[nodiscard]] static SoundTrackRule number(int number);
    [[nodiscard]] static SoundTrackRule all();

    // "default", "all", a number from 1 ("2"), or "lang:" and comma-separated language codes ("lang:deu,eng").
    // Nothing, with the reason in whyNot, for anything else.
    [[nodiscard]] static std::optional<SoundTrackRule> parse(const QString& text, QString& whyNot);
    // The text parse takes back.
    [[nodiscard]] QString text() const;

    [[nodiscard]] Kind kind() const { return kind_; }
    [[nodiscard]] const QStringList& languageCodes() const { return languages_; }
    [[nodiscard]] bool isDefault() const { return kind_ == Kind::Default; }
    // The track a Number rule names, counted from 1; 0 for the other rules.
    [[nodiscard]] int trackNumber() const { return number_; }

    // The tracks (counted from 0) to convert of a source with these sound tracks: one, every one for All, and
    // none for a source of fewer than two (it is read as it is). Nothing when the rule names a number the source
    // does not have.
    [[nodiscard]] std::optional<std::vector<int>> choose(const SoundTracks& tracks) const;

    friend bool operator==(const SoundTrackRule&, const SoundTrackRule&) = default;

private:
    Kind kind_ = Kind::Default;
    QStringList languages_; // lower case, in the order of preference
    int number_ = 0;        // counted from 1
};

// The track (counted from 0) the file flags as its default, else its first.
[[nodiscard]] int defaultSoundTrack(const SoundTracks& tracks);

// Whether two language codes name one language: letter case aside, and the bibliographic and terminology forms of
// ISO 639-2 ("ger" and "deu") alike.
[[nodiscard]] bool sameLanguage(const QString& a, const QString& b);
