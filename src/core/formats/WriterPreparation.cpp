#include "WriterPreparation.h"

#include "core/components/ComponentSet.h"
#include "core/ports/Messages.h"

WriterPreparation::WriterPreparation(ComponentSet& components, FormatDialogs& dialogs)
    : components_(components), dialogs_(dialogs) {}

void WriterPreparation::prepare(OutputFormat format, const PanelValues& panel, SourceKind kind,
                                const QString& sourceName) {
    auto& writer = components_.writer;
    switch (format) {
    case OutputFormat::Pcm:
        dialogs_.applyPcmWav();
        break;
    case OutputFormat::Adpcm:
        writer->setAdpcmWav(panel.sampleRate, panel.channels);
        break;
    case OutputFormat::Mp3:
        dialogs_.applyMp3();
        break;
    case OutputFormat::Mp2:
        writer->setMp2(panel.sampleRate, kMp2Kbps, panel.channels);
        break;
    case OutputFormat::Ogg:
        dialogs_.applyOggVorbis();
        break;
    case OutputFormat::Wma:
        writer->setWmaProfile(panel.wmaProfile);
        if (kind == SourceKind::Audio)
            describeSourceToWmaWriter(sourceName);
        break;
    case OutputFormat::Dsp:
        writer->setDspWav();
        break;
    case OutputFormat::Gsm:
        writer->setGsmWav(panel.sampleRate);
        break;
    case OutputFormat::Vox:
        writer->setVox(panel.sampleRate);
        break;
    case OutputFormat::Raw:
        writer->setRaw(kRawSampleType, panel.sampleRate, panel.channels, kRawBits);
        break;
    case OutputFormat::G721:
        writer->setG721(panel.sampleRate);
        break;
    case OutputFormat::G723:
        writer->setG723(panel.sampleRate, panel.g723Bits);
        break;
    case OutputFormat::G726:
        writer->setG726(panel.sampleRate, panel.g726Bits);
        break;
    }
}

// The WMA writer chooses its stream layout when the file is created, so it must know its input before that.
void WriterPreparation::describeSourceToWmaWriter(const QString& sourceName) {
    auto& reader = components_.reader;
    reader->openForReading(sourceName, 0, 1);
    const int error = reader->lastError();
    if (error == LastError::Success) {
        const int sampleRate = reader->sampleRate();
        const int channels = reader->channelCount();
        components_.writer->describeInput(sampleRate, channels);
    }
    reader->close();
    if (error != LastError::Success)
        throw ComponentError(Messages::SourceCannotBeOpened.arg(error), error);
}
