#pragma once

#include "WriterPreparation.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <span>
#include <vector>

class IAudioFile2;

// The format strings of the options pane. Each is the writer's own description of a format: the format is set on
// the writer and its description read back. The program never composes or parses these texts; every description
// replaces the writer's current format, which the conversion sets again before each output.

// The formats whose strings the pane shows under "Other Format", in the order they are described.
[[nodiscard]] std::vector<OutputFormat> otherFormatsInPaneOrder();

// Describes those formats with the panel values, handing each description to show as soon as it is read; the
// writer is left at the last of them. An error of the writer is raised unchanged; the descriptions shown before it
// stay.
void describeOtherFormats(IAudioFile2& writer, const PanelValues& panel,
                          const std::function<void(OutputFormat, const QString&)>& show);

// The description of one WMA profile (counted from 1), and of all of them in ascending order.
[[nodiscard]] QString describeWmaProfile(IAudioFile2& writer, int profile);
[[nodiscard]] QStringList describeWmaProfiles(IAudioFile2& writer);

// The item lists of the panel's code-size choices and the values they stand for.
[[nodiscard]] QStringList g723BitsItems();
[[nodiscard]] QStringList g726BitsItems();
[[nodiscard]] int g723BitsAt(int item, int current); // no selection keeps the current size
[[nodiscard]] int g723ItemOf(int bits);
[[nodiscard]] int g726BitsAt(int item);
[[nodiscard]] int g726ItemOf(int bits);

// The bit rates the pane offers for AAC and Opus (kbit/s, ascending), their items ("160 kbit/s"), and the item of a
// rate (the nearest offered one).
[[nodiscard]] std::span<const int> aacKbpsChoices();
[[nodiscard]] std::span<const int> opusKbpsChoices();
[[nodiscard]] QStringList kbpsItems(std::span<const int> choices);
[[nodiscard]] int kbpsItemOf(std::span<const int> choices, int kbps);
// Opus is tuned for music (item 0) or speech (item 1).
[[nodiscard]] QStringList opusContentItems();
