#include "FormatStrings.h"

#include "core/components/IAudioFile2.h"

namespace {

constexpr int kLowestG726Bits = 2;

} // namespace

void describeOtherFormats(IAudioFile2& writer, const PanelValues& panel,
                          const std::function<void(OtherFormat, const QString&)>& show) {
    const auto describe = [&](OtherFormat format) { show(format, writer.formatString()); };
    writer.setAdpcmWav(panel.sampleRate, panel.channels);
    describe(OtherFormat::Adpcm);
    writer.setGsmWav(panel.sampleRate);
    describe(OtherFormat::Gsm);
    writer.setDspWav();
    describe(OtherFormat::Dsp);
    writer.setVox(panel.sampleRate);
    describe(OtherFormat::Vox);
    writer.setRaw(kRawSampleType, panel.sampleRate, panel.channels, kRawBits);
    describe(OtherFormat::Raw);
    // Described with the bit rate the MP2 output is really made with, so the string tells what the file will be.
    writer.setMp2(panel.sampleRate, kMp2Kbps, panel.channels);
    describe(OtherFormat::Mp2);
    writer.setG723(panel.sampleRate, panel.g723Bits);
    describe(OtherFormat::G723);
    writer.setG726(panel.sampleRate, panel.g726Bits);
    describe(OtherFormat::G726);
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
    return {QStringLiteral("3 bit"), QStringLiteral("5 bit")};
}

QStringList g726BitsItems() {
    return {QStringLiteral("2 bit"), QStringLiteral("3 bit"), QStringLiteral("4 bit"), QStringLiteral("5 bit")};
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
