#include "OrderFromControls.h"
#include "core/batch/WindowSources.h"
#include "core/settings/Settings.h"

#include "gui/batch/ConvertGroup.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"
#include "gui/list/ConversionListPanel.h"

BatchOrder orderFromControls(const OrderControls& controls) {
    BatchOrder order;
    order.formats = controls.formats.checkedFormats();
    order.formatSettings.panel = controls.pane.panelValues();
    order.formatSettings.pcmWav = controls.wav.choice();
    // The plain run's encoder gets the MP3 dialog's controls before every MP3 output; each worker's encoder gets the
    // same controls.
    order.formatSettings.mp3.dialog = controls.mp3.controls();
    order.formatSettings.oggVorbis = oggVorbisSettingOf(controls.oggVorbis.controls());
    order.volumePercent = controls.pane.volumeChange();
    order.folderText = controls.convert.outputFolder();
    order.copyTags = controls.settings.copyTag;
    order.openFolder = controls.settings.isOpenFolder;
    controls.settings.batch.applyTo(order);
    return order;
}

std::vector<BatchSource> checkedSources(const ConversionListPanel& list) {
    std::vector<BatchSource> sources;
    for (const int row : list.checkedRows()) {
        for (BatchSource& source : batchSourcesOfRow(list.row(row)))
            sources.push_back(std::move(source));
    }
    return sources;
}
