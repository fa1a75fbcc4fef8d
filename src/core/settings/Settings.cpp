#include "Settings.h"

#include "SettingsKeys.h"
#include "core/batch/BatchOrder.h"

namespace {
using namespace SettingsKeys;

// A value out of range or of an unknown name keeps the default, so a hand-edited file never gives an odd batch.
BatchOptions readBatchOptions(const IniFile& file) {
    BatchOptions batch;
    const int jobs = file.readInteger(BatchSection, Jobs, batch.jobs);
    if (jobs >= 1 && jobs <= BatchOrder::MaxJobs)
        batch.jobs = jobs;
    batch.evenLoudness = file.readBool(BatchSection, EvenLoudness, batch.evenLoudness);
    batch.replayGain = file.readBool(BatchSection, ReplayGain, batch.replayGain);
    batch.existing = existingOutputPolicyNamed(file.readString(BatchSection, Exists, QString()).trimmed().toLower())
                         .value_or(batch.existing);
    batch.verifyOutputs = file.readBool(BatchSection, Verify, batch.verifyOutputs);
    QString languagesWhyNot;
    batch.soundTrackLanguages = BatchOptions::tidySoundTrackLanguages(
                                    file.readString(BatchSection, SoundTrackLanguages, QString()), languagesWhyNot)
                                    .value_or(batch.soundTrackLanguages);
    batch.hiddenTrack = file.readBool(BatchSection, HiddenTrack, batch.hiddenTrack);
    return batch;
}
} // namespace

SettingsStore::SettingsStore(QString path) : file_(std::move(path)) {}

void SettingsStore::load() {
    const Settings defaults;
    values_.defaultFolder = file_.readString(DefaultFolderSection, DefaultFolder, QString());
    values_.checkItem = file_.readBool(ConversionSection, CheckItem, defaults.checkItem);
    values_.isOpenFolder = file_.readBool(ConversionSection, IsOpenFolder, defaults.isOpenFolder);
    values_.copyTag = file_.readBool(ConversionSection, CopyTag, defaults.copyTag);
    values_.notifyAtEnd = file_.readBool(ConversionSection, NotifyAtEnd, defaults.notifyAtEnd);
    values_.saveState = file_.readBool(GeneralSection, SaveState, defaults.saveState);
    for (const OutputFormatFacts& facts : outputFormatTable()) {
        const auto i = static_cast<size_t>(facts.format);
        values_.formats[i] = file_.readBool(GeneralSection, QLatin1String(facts.iniKey), defaults.formats[i]);
    }
    values_.currentFolder = file_.readString(GeneralSection, CurrentFolder, QString());
    values_.currentFilter = file_.readInteger(GeneralSection, CurrentFilter, defaults.currentFilter);
    values_.batch = readBatchOptions(file_);
    values_.language = file_.readString(GeneralSection, Language, QString()).trimmed();
}

void SettingsStore::storeOptions(const QString& defaultFolder, bool checkItem, bool isOpenFolder, bool copyTag,
                                 bool saveState) {
    values_.defaultFolder = defaultFolder;
    values_.checkItem = checkItem;
    values_.isOpenFolder = isOpenFolder;
    values_.copyTag = copyTag;
    values_.saveState = saveState;
    file_.writeString(DefaultFolderSection, DefaultFolder, defaultFolder);
    file_.writeBool(ConversionSection, CheckItem, checkItem);
    file_.writeBool(ConversionSection, IsOpenFolder, isOpenFolder);
    file_.writeBool(ConversionSection, CopyTag, copyTag);
    file_.writeBool(GeneralSection, SaveState, saveState);
}

void SettingsStore::storeBatchOptions(const BatchOptions& batch) {
    values_.batch = batch;
    file_.writeInteger(BatchSection, Jobs, batch.jobs);
    file_.writeBool(BatchSection, EvenLoudness, batch.evenLoudness);
    file_.writeBool(BatchSection, ReplayGain, batch.replayGain);
    file_.writeString(BatchSection, Exists, existingOutputPolicyName(batch.existing));
    file_.writeBool(BatchSection, Verify, batch.verifyOutputs);
    // Files of users who never chose languages keep the lines they had.
    if (!batch.soundTrackLanguages.isEmpty() ||
        !file_.readString(BatchSection, SoundTrackLanguages, QString()).isEmpty())
        file_.writeString(BatchSection, SoundTrackLanguages, batch.soundTrackLanguages);
    file_.writeBool(BatchSection, HiddenTrack, batch.hiddenTrack);
}

void SettingsStore::storeLanguage(const QString& language) {
    if (language == values_.language)
        return;
    values_.language = language;
    file_.writeString(GeneralSection, Language, language);
}

// Files of users who never turned the notification off keep the lines they had.
void SettingsStore::storeNotifyAtEnd(bool notify) {
    values_.notifyAtEnd = notify;
    if (notify != Settings().notifyAtEnd || !file_.readString(ConversionSection, NotifyAtEnd, QString()).isEmpty())
        file_.writeBool(ConversionSection, NotifyAtEnd, notify);
}

void SettingsStore::storeClosingState(const ClosingState& state) {
    if (values_.saveState) {
        for (const OutputFormat format : outputFormatsInSaveOrder())
            file_.writeBool(GeneralSection, QLatin1String(factsOf(format).iniKey),
                            state.formats[static_cast<size_t>(format)]);
        file_.writeString(GeneralSection, CurrentFolder, state.currentFolder);
    }
    file_.writeInteger(GeneralSection, CurrentFilter, state.currentFilter);
}
