#include "Settings.h"

namespace {
const QString DefaultFolderSection = QStringLiteral("defaultfolder");
const QString ConversionSection = QStringLiteral("conversion");
const QString GeneralSection = QStringLiteral("general");
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

void SettingsStore::storeClosingState(const ClosingState& state) {
    if (values_.saveState) {
        for (const OutputFormat format : outputFormatsInSaveOrder())
            file_.writeBool(GeneralSection, QLatin1String(factsOf(format).iniKey),
                            state.formats[static_cast<size_t>(format)]);
        file_.writeString(GeneralSection, QStringLiteral("currentfolder"), state.currentFolder);
    }
    file_.writeInteger(GeneralSection, QStringLiteral("currentfilter"), state.currentFilter);
}
