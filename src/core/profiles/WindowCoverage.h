#pragma once

#include "core/formats/OggVorbisChoice.h"

#include <QStringList>

struct BatchOrder;

// The Ogg Vorbis track bar position of a bit rate: the rate's own position on the scale, or the nearest one.
[[nodiscard]] int oggPositionOf(int kbps);

// The Ogg Vorbis dialog's controls that make the setting: the rate, the channels, the mode and the values the mode
// reads. The controls the mode does not read are taken from unread, so that choosing a profile leaves them where the
// user put them.
[[nodiscard]] OggVorbisControls oggVorbisControlsOf(const OggVorbisSetting& setting, OggVorbisControls unread);

// What a saved order holds that the main window's controls cannot show, each named for the user ("the name template",
// "the MP3 preset 3", ...): settings only the command line gives (a tree root, a name template, MP3 presets and LAME
// switches, another loudness target than the window's), a rate, channel count or bit depth the lists do not offer, an
// Ogg Vorbis setting the dialog's track bars cannot make, a WMA profile past the panel's list. Empty when the window
// can show all of it.
[[nodiscard]] QStringList partsWithoutWindowControls(const BatchOrder& order, int wmaProfileCount);
