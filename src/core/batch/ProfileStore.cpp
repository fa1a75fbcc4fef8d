#include "ProfileStore.h"

#include "core/components/ComponentError.h"
#include "core/formats/FormatScales.h"
#include "core/formats/PcmWavChoice.h"
#include "core/platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <functional>
#include <map>

namespace {

// The version written into every profile. A file of a later version loads as long as the keys we know still read;
// the keys it adds are named to the user.
constexpr int kProfileVersion = 1;
// A profile is a few dozen short lines; anything far larger is not one, and is not read into memory.
constexpr qint64 kLargestProfileBytes = 64 * 1024;
constexpr int kLongestName = 100;

const QString kProfileSection = QStringLiteral("profile");
const QString kNameKey = QStringLiteral("name");
const QString kVersionKey = QStringLiteral("version");

using Reading = std::function<std::optional<QString>(BatchOrder&, const QString&)>; // why the text is refused
using Writing = std::function<std::optional<QString>(const BatchOrder&)>;           // nothing: the key is left out

// One stored value: where it is written, how it is written, and how it is read back and checked.
struct ProfileField {
    QString section;
    QString key;
    Writing write;
    Reading read;
};

QString rangeText(int lowest, int highest) {
    return QCoreApplication::translate("Batch", "a whole number from %1 to %2").arg(lowest).arg(highest);
}

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// An int member of the order, kept within a range.
template <typename Access> ProfileField integer(QString section, QString key, Access at, int lowest, int highest) {
    return {std::move(section), std::move(key),
            [at](const BatchOrder& order) -> std::optional<QString> { return QString::number(at(order)); },
            [at, lowest, highest](BatchOrder& order, const QString& text) -> std::optional<QString> {
                const std::optional<int> value = wholeNumber(text);
                if (!value || *value < lowest || *value > highest)
                    return rangeText(lowest, highest);
                at(order) = *value;
                return std::nullopt;
            }};
}

template <typename Access> ProfileField integer(QString section, QString key, Access at, ValueRange range) {
    return integer(std::move(section), std::move(key), at, range.lowest, range.highest);
}

// An int member of the order that takes one of a few values.
template <typename Access, typename Values>
ProfileField oneOf(QString section, QString key, Access at, const Values& allowed) {
    QStringList names;
    for (const int value : allowed)
        names.append(QString::number(value));
    return {std::move(section), std::move(key),
            [at](const BatchOrder& order) -> std::optional<QString> { return QString::number(at(order)); },
            [at, allowed, names](BatchOrder& order, const QString& text) -> std::optional<QString> {
                const std::optional<int> value = wholeNumber(text);
                if (!value || std::find(allowed.begin(), allowed.end(), *value) == allowed.end())
                    return QCoreApplication::translate("Batch", "one of %1").arg(names.join(QStringLiteral(", ")));
                at(order) = *value;
                return std::nullopt;
            }};
}

template <typename Access> ProfileField flag(QString section, QString key, Access at) {
    return {std::move(section), std::move(key),
            [at](const BatchOrder& order) -> std::optional<QString> {
                return at(order) ? QStringLiteral("1") : QStringLiteral("0");
            },
            [at](BatchOrder& order, const QString& text) -> std::optional<QString> {
                const QString value = text.trimmed();
                if (value != QLatin1String("0") && value != QLatin1String("1"))
                    return QCoreApplication::translate("Batch", "0 or 1");
                at(order) = value == QLatin1String("1");
                return std::nullopt;
            }};
}

// An optional int member: an empty value stands for nothing.
template <typename Access>
ProfileField optionalInteger(QString section, QString key, Access at, int lowest, int highest) {
    return {std::move(section), std::move(key),
            [at](const BatchOrder& order) -> std::optional<QString> {
                const std::optional<int>& value = at(order);
                return value ? QString::number(*value) : QString();
            },
            [at, lowest, highest](BatchOrder& order, const QString& text) -> std::optional<QString> {
                if (text.trimmed().isEmpty()) {
                    at(order).reset();
                    return std::nullopt;
                }
                const std::optional<int> value = wholeNumber(text);
                if (!value || *value < lowest || *value > highest)
                    return QCoreApplication::translate("Batch", "empty or ") + rangeText(lowest, highest);
                at(order) = *value;
                return std::nullopt;
            }};
}

template <typename Access> ProfileField optionalText(QString section, QString key, Access at) {
    return {std::move(section), std::move(key),
            [at](const BatchOrder& order) -> std::optional<QString> { return at(order).value_or(QString()); },
            [at](BatchOrder& order, const QString& text) -> std::optional<QString> {
                if (text.isEmpty())
                    at(order).reset();
                else
                    at(order) = text;
                return std::nullopt;
            }};
}

// The MP3 dialog's controls are kept only when the order has them; reading any of their keys gives the order the
// dialog's controls, each key not stored keeping the dialog's default.
ProfileField onlyWithMp3Dialog(ProfileField field) {
    field.write = [write = std::move(field.write)](const BatchOrder& order) -> std::optional<QString> {
        return order.formatSettings.mp3.dialog ? write(order) : std::nullopt;
    };
    field.read = [read = std::move(field.read)](BatchOrder& order, const QString& text) {
        if (!order.formatSettings.mp3.dialog)
            order.formatSettings.mp3.dialog.emplace();
        return read(order, text);
    };
    return field;
}

// A channel choice, stored as "keep", "2" or "1"; an optional one is empty for nothing.
template <typename Access> ProfileField channelChoice(QString section, QString key, Access at) {
    return {std::move(section), std::move(key),
            [at](const BatchOrder& order) -> std::optional<QString> { return channelChoiceWord(at(order)); },
            [at](BatchOrder& order, const QString& text) -> std::optional<QString> {
                const std::optional<ChannelChoice> choice = channelChoiceNamed(text);
                if (!choice)
                    return QCoreApplication::translate("Batch", "keep, 2 or 1");
                at(order) = *choice;
                return std::nullopt;
            }};
}

template <typename Access> ProfileField optionalChannelChoice(QString section, QString key, Access at) {
    return {std::move(section), std::move(key),
            [at](const BatchOrder& order) -> std::optional<QString> {
                const std::optional<ChannelChoice>& choice = at(order);
                return choice ? channelChoiceWord(*choice) : QString();
            },
            [at](BatchOrder& order, const QString& text) -> std::optional<QString> {
                if (text.trimmed().isEmpty()) {
                    at(order).reset();
                    return std::nullopt;
                }
                const std::optional<ChannelChoice> choice = channelChoiceNamed(text);
                if (!choice)
                    return QCoreApplication::translate("Batch", "empty, keep, 2 or 1");
                at(order) = *choice;
                return std::nullopt;
            }};
}

ProfileField text(QString section, QString key, QString& (*at)(BatchOrder&),
                  const QString& (*read)(const BatchOrder&)) {
    return {std::move(section), std::move(key),
            [read](const BatchOrder& order) -> std::optional<QString> { return read(order); },
            [at](BatchOrder& order, const QString& value) -> std::optional<QString> {
                at(order) = value;
                return std::nullopt;
            }};
}

std::vector<ProfileField> makeFields() {
    const QString output = QStringLiteral("output");
    const QString sound = QStringLiteral("sound");
    const QString batch = QStringLiteral("batch");
    const QString panel = QStringLiteral("panel");
    const QString pcm = QStringLiteral("pcmwav");
    const QString mp3 = QStringLiteral("mp3");
    const QString ogg = QStringLiteral("oggvorbis");
    std::vector<ProfileField> fields;

    fields.push_back({output, QStringLiteral("formats"),
                      [](const BatchOrder& order) -> std::optional<QString> {
                          QStringList names;
                          for (const OutputFormat format : kOutputFormatsInOrder) {
                              if (order.formats.count(format) != 0)
                                  names.append(outputFormatName(format));
                          }
                          return names.join(QLatin1Char(' '));
                      },
                      [](BatchOrder& order, const QString& text) -> std::optional<QString> {
                          std::set<OutputFormat> formats;
                          for (const QString& name : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                              const std::optional<OutputFormat> format = outputFormatNamed(name);
                              if (!format)
                                  return QCoreApplication::translate(
                                             "Batch", "format names such as \"mp3 flac\" (\"%1\" is none)")
                                      .arg(name);
                              formats.insert(*format);
                          }
                          order.formats = std::move(formats);
                          return std::nullopt;
                      }});
    fields.push_back(text(
        output, QStringLiteral("folder"), [](BatchOrder& order) -> QString& { return order.folderText; },
        [](const BatchOrder& order) -> const QString& { return order.folderText; }));
    fields.push_back(optionalText(
        output, QStringLiteral("tree"), [](auto& order) -> auto& { return order.treeRoot; }));
    fields.push_back({output, QStringLiteral("name"),
                      [](const BatchOrder& order) -> std::optional<QString> {
                          return order.baseNames ? order.baseNames->text() : QString();
                      },
                      [](BatchOrder& order, const QString& text) -> std::optional<QString> {
                          if (text.isEmpty()) {
                              order.baseNames.reset();
                              return std::nullopt;
                          }
                          QString whyNot;
                          order.baseNames = NameTemplate::parse(text, whyNot);
                          if (!order.baseNames)
                              return QCoreApplication::translate("Batch", "a name template (%1)").arg(whyNot);
                          return std::nullopt;
                      }});
    fields.push_back(
        {output, QStringLiteral("exists"),
         [](const BatchOrder& order) -> std::optional<QString> { return existingOutputPolicyName(order.existing); },
         [](BatchOrder& order, const QString& text) -> std::optional<QString> {
             const auto policy = existingOutputPolicyNamed(text.trimmed());
             if (!policy)
                 return QCoreApplication::translate("Batch", "replace, new or skip");
             order.existing = *policy;
             return std::nullopt;
         }});

    fields.push_back(optionalInteger(
        sound, QStringLiteral("volume"), [](auto& order) -> auto& { return order.volumePercent; },
        BatchOrder::VolumePercentRange.lowest, BatchOrder::VolumePercentRange.highest));
    fields.push_back({sound, QStringLiteral("normalize"),
                      [](const BatchOrder& order) -> std::optional<QString> {
                          return order.loudnessTarget ? QString::number(*order.loudnessTarget) : QString();
                      },
                      [](BatchOrder& order, const QString& text) -> std::optional<QString> {
                          if (text.trimmed().isEmpty()) {
                              order.loudnessTarget.reset();
                              return std::nullopt;
                          }
                          bool ok = false;
                          const double target = text.trimmed().toDouble(&ok);
                          if (!ok || target < BatchOrder::QuietestLoudnessTarget ||
                              target > BatchOrder::LoudestLoudnessTarget)
                              return QCoreApplication::translate("Batch", "empty or a loudness from -70 to -5 LUFS");
                          order.loudnessTarget = target;
                          return std::nullopt;
                      }});
    fields.push_back(flag(
        sound, QStringLiteral("replaygain"), [](auto& order) -> auto& { return order.replayGain; }));

    fields.push_back(flag(
        batch, QStringLiteral("copytags"), [](auto& order) -> auto& { return order.copyTags; }));
    fields.push_back(flag(
        batch, QStringLiteral("verify"), [](auto& order) -> auto& { return order.verifyOutputs; }));
    fields.push_back(integer(
        batch, QStringLiteral("jobs"), [](auto& order) -> auto& { return order.jobs; }, 1, BatchOrder::MaxJobs));
    fields.push_back(flag(
        batch, QStringLiteral("openfolder"), [](auto& order) -> auto& { return order.openFolder; }));

    const auto panelValue = [](int PanelValues::*member) {
        return [member](auto& order) -> auto& {
            return order.formatSettings.panel.*member;
        };
    };
    fields.push_back(oneOf(panel, QStringLiteral("samplerate"), panelValue(&PanelValues::sampleRate), kSampleRates));
    fields.push_back(integer(panel, QStringLiteral("channels"), panelValue(&PanelValues::channels), kChannelsRange));
    fields.push_back(oneOf(panel, QStringLiteral("g723bits"), panelValue(&PanelValues::g723Bits), std::array{3, 5}));
    fields.push_back(integer(panel, QStringLiteral("g726bits"), panelValue(&PanelValues::g726Bits), kG726BitsRange));
    fields.push_back(
        integer(panel, QStringLiteral("wmaprofile"), panelValue(&PanelValues::wmaProfile), kWmaProfileRange));
    fields.push_back(integer(panel, QStringLiteral("flaclevel"), panelValue(&PanelValues::flacLevel), kFlacLevelRange));
    fields.push_back(integer(panel, QStringLiteral("aackbps"), panelValue(&PanelValues::aacKbps), kAacKbpsRange));
    fields.push_back(integer(panel, QStringLiteral("opuskbps"), panelValue(&PanelValues::opusKbps), kOpusKbpsRange));
    fields.push_back(flag(
        panel, QStringLiteral("opusspeech"),
        [](auto& order) -> auto& { return order.formatSettings.panel.opusSpeech; }));
    fields.push_back(channelChoice(
        panel, QStringLiteral("flacchannels"),
        [](auto& order) -> auto& { return order.formatSettings.panel.flacChannels; }));
    fields.push_back(channelChoice(
        panel, QStringLiteral("alacchannels"),
        [](auto& order) -> auto& { return order.formatSettings.panel.alacChannels; }));
    fields.push_back(optionalChannelChoice(
        panel, QStringLiteral("aacchannels"),
        [](auto& order) -> auto& { return order.formatSettings.panel.aacChannels; }));
    fields.push_back(optionalChannelChoice(
        panel, QStringLiteral("opuschannels"),
        [](auto& order) -> auto& { return order.formatSettings.panel.opusChannels; }));

    fields.push_back(oneOf(
        pcm, QStringLiteral("samplerate"), [](auto& order) -> auto& { return order.formatSettings.pcmWav.sampleRate; },
        kSampleRates));
    fields.push_back(integer(
        pcm, QStringLiteral("channels"), [](auto& order) -> auto& { return order.formatSettings.pcmWav.channels; }, 1,
        2));
    fields.push_back(oneOf(
        pcm, QStringLiteral("bits"), [](auto& order) -> auto& { return order.formatSettings.pcmWav.bits; },
        kPcmBitsChoices));
    fields.push_back(flag(
        pcm, QStringLiteral("keepchannels"),
        [](auto& order) -> auto& { return order.formatSettings.pcmWav.keepChannels; }));

    fields.push_back(optionalInteger(
        mp3, QStringLiteral("preset"), [](auto& order) -> auto& { return order.formatSettings.mp3.preset; }, 1, 11));
    fields.push_back(optionalInteger(
        mp3, QStringLiteral("altpreset"), [](auto& order) -> auto& { return order.formatSettings.mp3.altPreset; }, 1,
        5));
    fields.push_back(optionalText(
        mp3, QStringLiteral("lame"), [](auto& order) -> auto& { return order.formatSettings.mp3.lameSwitches; }));
    fields.push_back(flag(
        mp3, QStringLiteral("panelrate"), [](auto& order) -> auto& { return order.formatSettings.mp3.panelRate; }));
    fields.push_back(flag(
        mp3, QStringLiteral("panelchannels"),
        [](auto& order) -> auto& { return order.formatSettings.mp3.panelChannels; }));

    const QString dialog = QStringLiteral("mp3dialog");
    const auto controls = [](auto& order) -> auto& {
        return *order.formatSettings.mp3.dialog;
    };
    const auto dialogInteger = [&](const char* key, int Mp3Controls::*member, int lowest, int highest) {
        return onlyWithMp3Dialog(integer(
            dialog, QLatin1String(key), [ controls, member ](auto& order) -> auto& { return controls(order).*member; },
            lowest, highest));
    };
    const auto dialogFlag = [&](const char* key, bool Mp3Controls::*member) {
        return onlyWithMp3Dialog(flag(
            dialog, QLatin1String(key),
            [ controls, member ](auto& order) -> auto& { return controls(order).*member; }));
    };
    const auto lastItem = [](const QStringList& items) { return static_cast<int>(items.size()) - 1; };
    const int lastBitrate = static_cast<int>(kMp3BitrateScale.size());
    fields.push_back(onlyWithMp3Dialog({dialog, QStringLiteral("page"),
                                        [](const BatchOrder& order) -> std::optional<QString> {
                                            return QString::number(
                                                static_cast<int>(order.formatSettings.mp3.dialog->page));
                                        },
                                        [](BatchOrder& order, const QString& value) -> std::optional<QString> {
                                            const std::optional<int> page = wholeNumber(value);
                                            if (!page || *page < 0 || *page > static_cast<int>(Mp3Page::CommandLine))
                                                return rangeText(0, static_cast<int>(Mp3Page::CommandLine));
                                            order.formatSettings.mp3.dialog->page = static_cast<Mp3Page>(*page);
                                            return std::nullopt;
                                        }}));
    fields.push_back(dialogInteger("channelitem", &Mp3Controls::channelItem, 0, lastItem(mp3ChannelItems())));
    fields.push_back(dialogInteger("quality", &Mp3Controls::quality, 0, 9));
    fields.push_back(
        dialogInteger("samplerateindex", &Mp3Controls::sampleRateIndex, 0, static_cast<int>(kSampleRates.size()) - 1));
    fields.push_back(dialogInteger("bitrateposition", &Mp3Controls::bitratePosition, 0, lastBitrate));
    fields.push_back(dialogFlag("highpass", &Mp3Controls::highpassOn));
    fields.push_back(dialogInteger("highpassfrequency", &Mp3Controls::highpassFrequency, 0, 96000));
    fields.push_back(dialogInteger("highpasswidth", &Mp3Controls::highpassWidth, 0, 96000));
    fields.push_back(dialogFlag("lowpass", &Mp3Controls::lowpassOn));
    fields.push_back(dialogInteger("lowpassfrequency", &Mp3Controls::lowpassFrequency, 0, 96000));
    fields.push_back(dialogInteger("lowpasswidth", &Mp3Controls::lowpassWidth, 0, 96000));
    fields.push_back(dialogInteger("vbrmodeitem", &Mp3Controls::vbrModeItem, 0, lastItem(mp3VbrModeItems())));
    fields.push_back(dialogInteger("maxvbrposition", &Mp3Controls::maxVbrPosition, 0, lastBitrate));
    fields.push_back(dialogFlag("vbrheader", &Mp3Controls::vbrHeader));
    fields.push_back(dialogFlag("enforceminbitrate", &Mp3Controls::enforceMinBitrate));
    fields.push_back(dialogInteger("vbrquality", &Mp3Controls::vbrQuality, 0, 9));
    fields.push_back(dialogInteger("abrbitrate", &Mp3Controls::abrBitrate, 8, 320));
    fields.push_back(dialogFlag("crc", &Mp3Controls::crc));
    fields.push_back(dialogFlag("strictiso", &Mp3Controls::strictIso));
    fields.push_back(dialogFlag("differentblocktypes", &Mp3Controls::differentBlockTypes));
    fields.push_back(dialogFlag("shortblocks", &Mp3Controls::shortBlocks));
    fields.push_back(dialogFlag("bitreservoir", &Mp3Controls::bitReservoir));
    fields.push_back(dialogInteger("athitem", &Mp3Controls::athItem, 0, lastItem(mp3AthItems())));
    fields.push_back(dialogInteger("deemphasisitem", &Mp3Controls::deEmphasisItem, 0, lastItem(mp3DeEmphasisItems())));
    fields.push_back(dialogFlag("preseton", &Mp3Controls::presetOn));
    fields.push_back(dialogInteger("presetitem", &Mp3Controls::presetItem, 0, lastItem(mp3PresetItems())));
    fields.push_back(dialogFlag("altpreseton", &Mp3Controls::altPresetOn));
    fields.push_back(dialogInteger("altpresetitem", &Mp3Controls::altPresetItem, 0, lastItem(mp3AltPresetItems())));
    fields.push_back(onlyWithMp3Dialog(text(
        dialog, QStringLiteral("commandline"),
        [](BatchOrder& order) -> QString& { return order.formatSettings.mp3.dialog->commandLine; },
        [](const BatchOrder& order) -> const QString& { return order.formatSettings.mp3.dialog->commandLine; })));

    const auto oggValue = [](int OggVorbisSetting::*member) {
        return [member](auto& order) -> auto& {
            return order.formatSettings.oggVorbis.*member;
        };
    };
    fields.push_back(oneOf(ogg, QStringLiteral("samplerate"), oggValue(&OggVorbisSetting::sampleRate), kSampleRates));
    fields.push_back(integer(ogg, QStringLiteral("channels"), oggValue(&OggVorbisSetting::channels), 1, 2));
    fields.push_back(integer(ogg, QStringLiteral("nominal"), oggValue(&OggVorbisSetting::nominal), 0, 500));
    fields.push_back(integer(ogg, QStringLiteral("minimum"), oggValue(&OggVorbisSetting::minimum), 0, 500));
    fields.push_back(integer(ogg, QStringLiteral("maximum"), oggValue(&OggVorbisSetting::maximum), 0, 500));
    fields.push_back(integer(ogg, QStringLiteral("quality"), oggValue(&OggVorbisSetting::quality), -1, 1000));
    fields.push_back(flag(
        ogg, QStringLiteral("refuseunaccepted"),
        [](auto& order) -> auto& { return order.formatSettings.oggVorbis.refuseUnaccepted; }));
    fields.push_back(flag(
        ogg, QStringLiteral("keepchannels"),
        [](auto& order) -> auto& { return order.formatSettings.oggVorbis.keepChannels; }));
    return fields;
}

const std::vector<ProfileField>& profileFields() {
    static const std::vector<ProfileField> fields = makeFields();
    return fields;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString damaged(const QString& path, const QString& why) {
    return QCoreApplication::translate("Batch", "The profile \"%1\" is damaged: %2. Nothing was changed.")
        .arg(path, why);
}

// Reads the file's bytes once, refusing what cannot be a profile before parsing it.
void checkReadable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw ComponentError(QCoreApplication::translate("Batch", "The profile file \"%1\" does not exist.").arg(path));
    if (!info.isFile())
        throw ComponentError(damaged(path, QCoreApplication::translate("Batch", "it is not a plain file")));
    if (info.size() > kLargestProfileBytes)
        throw ComponentError(damaged(
            path,
            QCoreApplication::translate("Batch", "it is %1 bytes long, far more than a profile").arg(info.size())));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ComponentError(QCoreApplication::translate("Batch", "The profile file \"%1\" cannot be read.").arg(path));
    const QByteArray bytes = file.read(kLargestProfileBytes + 1);
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        throw ComponentError(damaged(path, QCoreApplication::translate("Batch", "it is not text")));
}

QString profileText(const QString& name, const BatchOrder& order) {
    QString text;
    const auto line = [&text](const QString& key, const QString& value) {
        text += key + QLatin1Char('=') + value + QLatin1Char('\n');
    };
    text += QLatin1Char('[') + kProfileSection + QStringLiteral("]\n");
    line(kNameKey, name);
    line(kVersionKey, QString::number(kProfileVersion));
    QString section = kProfileSection;
    for (const ProfileField& field : profileFields()) {
        const std::optional<QString> value = field.write(order);
        if (!value)
            continue;
        if (field.section != section) {
            section = field.section;
            text += QStringLiteral("\n[%1]\n").arg(section);
        }
        // A line break in a value would end its line and let the rest pose as keys of their own.
        if (value->contains(QLatin1Char('\n')) || value->contains(QLatin1Char('\r')))
            throw ComponentError(
                QCoreApplication::translate("Batch", "The profile cannot keep \"%1\": it holds a line break.")
                    .arg(*value));
        line(field.key, *value);
    }
    return text;
}

} // namespace

ProfileStore::ProfileStore(QString folder) : folder_(std::move(folder)) {}

QString ProfileStore::folderBeside(const QString& settingsPath) {
    return QFileInfo(settingsPath).absoluteDir().filePath(QStringLiteral("profiles"));
}

QStringList ProfileStore::names() const {
    QStringList names;
    const QDir folder(folder_);
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.ini")}, QDir::Files)) {
        const QString name = file.completeBaseName();
        if (!whyNotAName(name))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

bool ProfileStore::contains(const QString& name) const {
    return !whyNotAName(name) && QFileInfo(pathOf(name)).isFile();
}

LoadedProfile ProfileStore::load(const QString& name) const {
    if (const auto why = whyNotAName(name))
        throw ComponentError(*why);
    if (!contains(name))
        throw ComponentError(QCoreApplication::translate("Batch", "There is no profile named \"%1\".").arg(name));
    LoadedProfile profile = readFile(pathOf(name));
    profile.name = name; // the file's name is the profile's, whatever a copied file says inside
    return profile;
}

void ProfileStore::save(const QString& name, const BatchOrder& order) const {
    if (const auto why = whyNotAName(name))
        throw ComponentError(*why);
    if (!QDir().mkpath(folder_))
        throw ComponentError(
            QCoreApplication::translate("Batch", "The profiles folder \"%1\" cannot be made.").arg(folder_));
    writeFile(pathOf(name), name, order);
}

void ProfileStore::remove(const QString& name) const {
    if (const auto why = whyNotAName(name))
        throw ComponentError(*why);
    if (!contains(name))
        throw ComponentError(QCoreApplication::translate("Batch", "There is no profile named \"%1\".").arg(name));
    if (!QFile::remove(pathOf(name)))
        throw ComponentError(QCoreApplication::translate("Batch", "The profile \"%1\" cannot be deleted.").arg(name));
}

std::optional<QString> ProfileStore::whyNotAName(const QString& name) {
    const QString why = QCoreApplication::translate("Batch", "\"%1\" cannot name a profile: ").arg(name);
    if (name.trimmed().isEmpty())
        return why + QCoreApplication::translate("Batch", "the name is empty.");
    if (name.size() > kLongestName)
        return why + QCoreApplication::translate("Batch", "a name has at most %1 characters.").arg(kLongestName);
    if (name != name.trimmed())
        return why + QCoreApplication::translate("Batch", "a name does not start or end with a blank.");
    if (name.startsWith(QLatin1Char('.')))
        return why + QCoreApplication::translate("Batch", "a name does not start with a dot.");
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return why +
                   QCoreApplication::translate("Batch", "a name holds no folder separator and no control character.");
    }
    return std::nullopt;
}

LoadedProfile ProfileStore::readFile(const QString& path) {
    checkReadable(path);
    const IniFile file(path);
    const QList<IniEntry> entries = file.entries();
    const auto header = std::find_if(entries.begin(), entries.end(), [](const IniEntry& entry) {
        return sameName(entry.section, kProfileSection) && sameName(entry.key, kVersionKey);
    });
    if (header == entries.end() || !wholeNumber(header->value) || *wholeNumber(header->value) < 1)
        throw ComponentError(
            damaged(path, QCoreApplication::translate("Batch", "it has no [profile] section with its version")));

    LoadedProfile profile;
    profile.name = file.readString(kProfileSection, kNameKey, QFileInfo(path).completeBaseName());
    std::set<std::pair<QString, QString>> seen;
    for (const IniEntry& entry : entries) {
        const std::pair<QString, QString> id{entry.section.toLower(), entry.key.toLower()};
        if (!seen.insert(id).second)
            throw ComponentError(
                damaged(path, QCoreApplication::translate("Batch", "%1/%2 is given twice").arg(id.first, id.second)));
        if (sameName(entry.section, kProfileSection) &&
            (sameName(entry.key, kNameKey) || sameName(entry.key, kVersionKey)))
            continue;
        const auto field =
            std::find_if(profileFields().begin(), profileFields().end(), [&entry](const ProfileField& f) {
                return sameName(f.section, entry.section) && sameName(f.key, entry.key);
            });
        if (field == profileFields().end()) {
            profile.unknownKeys.append(id.first + QLatin1Char('/') + id.second);
            continue;
        }
        if (const auto why = field->read(profile.order, entry.value))
            throw ComponentError(
                damaged(path, QCoreApplication::translate("Batch", "%1/%2 is \"%3\", where it takes %4")
                                  .arg(field->section, field->key, entry.value, *why)));
    }
    return profile;
}

void ProfileStore::writeFile(const QString& path, const QString& name, const BatchOrder& order) {
    const QByteArray bytes = profileText(name, order).toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ComponentError(QCoreApplication::translate("Batch", "The profile cannot be written to \"%1\": %2")
                                 .arg(path, file.errorString()));
}

QString ProfileStore::pathOf(const QString& name) const {
    return QDir(folder_).filePath(name + QStringLiteral(".ini"));
}
