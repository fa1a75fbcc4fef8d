#pragma once

#include "core/batch/BatchOrder.h"

#include <vector>

class ConversionListPanel;
class ConvertGroup;
class FormatBoxes;
class FormatOptionsPane;
class Mp3OptionsDialog;
class OggVorbisOptionsDialog;
class WavOptionsDialog;
struct Settings;

// The main window's controls a batch order is read from.
struct OrderControls {
    const FormatBoxes& formats;
    const FormatOptionsPane& pane;
    const WavOptionsDialog& wav;
    const Mp3OptionsDialog& mp3;
    const OggVorbisOptionsDialog& oggVorbis;
    const ConvertGroup& convert;
    const Settings& settings;
};

// The order the window's controls stand for, without sources: the checked formats, the panel's values and volume
// change, the option dialogs' choices, the output folder as typed ("~" and all), tag copying and opening the folder,
// and the Options dialog's batch choices. Saved under a name it is a profile; a batch adds the checked rows.
[[nodiscard]] BatchOrder orderFromControls(const OrderControls& controls);

// The list's checked rows as a batch's sources, in list order.
[[nodiscard]] std::vector<BatchSource> checkedSources(const ConversionListPanel& list);
