#include "FormatStrings.h"

#include "core/components/IAudioFile2.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int kLowestG726Bits = 2;
constexpr std::array kAacKbps{96, 112, 128, 160, 192, 224, 256, 320};
constexpr std::array kOpusKbps{32, 48, 64, 80, 96, 112, 128, 160, 192, 224, 256};

} // namespace

std::vector<OutputFormat> otherFormatsInPaneOrder() {
    std::vector<const OutputFormatFacts*> shown;
    for (const OutputFormatFacts& facts : outputFormatTable()) {
        if (facts.paneStringOrder >= 0)
            shown.push_back(&facts);
    }
    std::sort(shown.begin(), shown.end(), [](const OutputFormatFacts* left, const OutputFormatFacts* right) {
        return left->paneStringOrder < right->paneStringOrder;
    });
    std::vector<OutputFormat> formats;
    for (const OutputFormatFacts* facts : shown)
        formats.push_back(facts->format);
    return formats;
}

void describeOtherFormats(IAudioFile2& writer, const PanelValues& panel,
                          const std::function<void(OutputFormat, const QString&)>& show) {
    for (const OutputFormat format : otherFormatsInPaneOrder()) {
        factsOf(format).setOnWriter(writer, panel);
        show(format, writer.formatString());
    }
}

QString describeWmaProfile(IAudioFile2& writer, int profile) {
    writer.setDescriptionDetail(-1);
    writer.setWmaProfile(profile);
    return writer.formatString();
}

QStringList describeWmaProfiles(IAudioFile2& writer) {
    QStringList descriptions;
    writer.setDescriptionDetail(-1);
    const int count = writer.wmaProfileCount();
    for (int profile = 1; profile <= count; ++profile)
        descriptions.append(describeWmaProfile(writer, profile));
    return descriptions;
}

QStringList g723BitsItems() {
    return {QCoreApplication::translate("Formats", "3 bit"), QCoreApplication::translate("Formats", "5 bit")};
}

QStringList g726BitsItems() {
    return {QCoreApplication::translate("Formats", "2 bit"), QCoreApplication::translate("Formats", "3 bit"),
            QCoreApplication::translate("Formats", "4 bit"), QCoreApplication::translate("Formats", "5 bit")};
}

int g723BitsAt(int item, int current) {
    if (item == 0)
        return 3;
    if (item == 1)
        return 5;
    return current;
}

int g723ItemOf(int bits) {
    return bits == 3 ? 0 : 1;
}

int g726BitsAt(int item) {
    return item + kLowestG726Bits;
}

int g726ItemOf(int bits) {
    return bits - kLowestG726Bits;
}

std::span<const int> aacKbpsChoices() {
    return kAacKbps;
}

std::span<const int> opusKbpsChoices() {
    return kOpusKbps;
}

QStringList kbpsItems(std::span<const int> choices) {
    QStringList items;
    for (const int kbps : choices)
        items.append(QCoreApplication::translate("Formats", "%1 kbit/s").arg(kbps));
    return items;
}

int kbpsItemOf(std::span<const int> choices, int kbps) {
    const auto nearest = std::min_element(choices.begin(), choices.end(),
                                          [kbps](int a, int b) { return std::abs(a - kbps) < std::abs(b - kbps); });
    return static_cast<int>(nearest - choices.begin());
}

QStringList opusContentItems() {
    return {QCoreApplication::translate("Formats", "Music"), QCoreApplication::translate("Formats", "Speech")};
}
