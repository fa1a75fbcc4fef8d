#include "Settings.h"

namespace {
const QString DefaultFolderSection = QStringLiteral("defaultfolder");
const QString ConversionSection = QStringLiteral("conversion");
const QString GeneralSection = QStringLiteral("general");
const QString BatchSection = QStringLiteral("batch");
const QString JobsKey = QStringLiteral("jobs");
const QString EvenLoudnessKey = QStringLiteral("evenloudness");
const QString ExistsKey = QStringLiteral("exists");

QString policyName(ExistingOutputPolicy policy) {
    switch (policy) {
    case ExistingOutputPolicy::New:
        return QStringLiteral("new");
    case ExistingOutputPolicy::Skip:
        return QStringLiteral("skip");
    case ExistingOutputPolicy::Replace:
        break;
    }
    return QStringLiteral("replace");
}

// A value out of range or of an unknown name keeps the default, so a hand-edited file never gives an odd batch.
BatchPreferences readBatchPreferences(const IniFile& file) {
    BatchPreferences batch;
    const int jobs = file.readInteger(BatchSection, JobsKey, batch.jobs);
    if (jobs >= 1 && jobs <= BatchPreferences::MaxJobs)
        batch.jobs = jobs;
    batch.evenLoudness = file.readBool(BatchSection, EvenLoudnessKey, batch.evenLoudness);
    batch.existing = existingOutputPolicyNamed(file.readString(BatchSection, ExistsKey, QString()).trimmed().toLower())
                         .value_or(batch.existing);
    return batch;
}
} // namespace

SettingsStore::SettingsStore(QString path) : file_(std::move(path)) {}

void SettingsStore::load() {
    const Settings defaults;
    values_.defaultFolder = file_.readString(DefaultFolderSection, QStringLiteral("defaultfolder"), QString());
    values_.checkItem = file_.readBool(ConversionSection, QStringLiteral("checkitem"), defaults.checkItem);
    values_.isOpenFolder = file_.readBool(ConversionSection, QStringLiteral("isopenfolder"), defaults.isOpenFolder);
    values_.copyTag = file_.readBool(ConversionSection, QStringLiteral("copytag"), defaults.copyTag);
    values_.saveState = file_.readBool(GeneralSection, QStringLiteral("savestate"), defaults.saveState);
    for (const OutputFormatFacts& facts : outputFormatTable()) {
        const auto i = static_cast<size_t>(facts.format);
        values_.formats[i] = file_.readBool(GeneralSection, QLatin1String(facts.iniKey), defaults.formats[i]);
    }
    values_.currentFolder = file_.readString(GeneralSection, QStringLiteral("currentfolder"), QString());
    values_.currentFilter = file_.readInteger(GeneralSection, QStringLiteral("currentfilter"), defaults.currentFilter);
    values_.batch = readBatchPreferences(file_);
}

void SettingsStore::storeOptions(const QString& defaultFolder, bool checkItem, bool isOpenFolder, bool copyTag,
                                 bool saveState) {
    values_.defaultFolder = defaultFolder;
    values_.checkItem = checkItem;
    values_.isOpenFolder = isOpenFolder;
    values_.copyTag = copyTag;
    values_.saveState = saveState;
    file_.writeString(DefaultFolderSection, QStringLiteral("defaultfolder"), defaultFolder);
    file_.writeBool(ConversionSection, QStringLiteral("checkitem"), checkItem);
    file_.writeBool(ConversionSection, QStringLiteral("isopenfolder"), isOpenFolder);
    file_.writeBool(ConversionSection, QStringLiteral("copytag"), copyTag);
    file_.writeBool(GeneralSection, QStringLiteral("savestate"), saveState);
}

void SettingsStore::storeBatchPreferences(const BatchPreferences& batch) {
    values_.batch = batch;
    file_.writeInteger(BatchSection, JobsKey, batch.jobs);
    file_.writeBool(BatchSection, EvenLoudnessKey, batch.evenLoudness);
    file_.writeString(BatchSection, ExistsKey, policyName(batch.existing));
}

void SettingsStore::storeClosingState(const ClosingState& state) {
    if (values_.saveState) {
        for (const OutputFormat format : outputFormatsInSaveOrder())
            file_.writeBool(GeneralSection, QLatin1String(factsOf(format).iniKey),
                            state.formats[static_cast<size_t>(format)]);
        file_.writeString(GeneralSection, QStringLiteral("currentfolder"), state.currentFolder);
    }
    file_.writeInteger(GeneralSection, QStringLiteral("currentfilter"), state.currentFilter);
}
