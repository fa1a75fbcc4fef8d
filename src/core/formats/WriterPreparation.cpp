#include "WriterPreparation.h"

#include "core/components/ComponentSet.h"
#include "core/ports/Messages.h"

WriterPreparation::WriterPreparation(ComponentSet& components, FormatDialogs& dialogs)
    : components_(components), dialogs_(dialogs) {}

void WriterPreparation::prepare(OutputFormat format, const PanelValues& panel, SourceKind kind,
                                const QString& sourceName) {
    setFormat(format, panel);
    const OutputFormatFacts& facts = factsOf(format);
    if (facts.writerNeedsSourceShape && kind == SourceKind::Audio)
        describeSourceToWriter(sourceName, facts.keepsSourceSamples);
}

void WriterPreparation::prepare(OutputFormat format, const PanelValues& panel, int sampleRate, int channels, int bits,
                                qint64 frames) {
    setFormat(format, panel);
    const OutputFormatFacts& facts = factsOf(format);
    if (!facts.writerNeedsSourceShape)
        return;
    components_.writer->describeInput(sampleRate, channels);
    if (facts.keepsSourceSamples)
        components_.writer->describeSource(bits, frames);
}

void WriterPreparation::setFormat(OutputFormat format, const PanelValues& panel) {
    const OutputFormatFacts& facts = factsOf(format);
    switch (facts.dialog) {
    case SettingDialog::PcmWav:
        dialogs_.applyPcmWav();
        break;
    case SettingDialog::Mp3:
        dialogs_.applyMp3();
        break;
    case SettingDialog::OggVorbis:
        dialogs_.applyOggVorbis();
        break;
    case SettingDialog::None:
        facts.setOnWriter(*components_.writer, panel);
        break;
    }
}

// Opens the source only to read its rate and channels; when the reader cannot open it the output fails before any
// file is created.
void WriterPreparation::describeSourceToWriter(const QString& sourceName, bool withSamples) {
    auto& reader = components_.reader;
    reader->openForReading(sourceName, 0, 1);
    const int error = reader->lastError();
    if (error == LastError::Success) {
        const int sampleRate = reader->sampleRate();
        const int channels = reader->channelCount();
        components_.writer->describeInput(sampleRate, channels);
        if (withSamples) {
            const int bits = reader->bitsPerSample();
            const qint64 frames = reader->lengthInSamples();
            components_.writer->describeSource(bits, frames);
        }
    }
    reader->close();
    if (error != LastError::Success)
        throw ComponentError(Messages::SourceCannotBeOpened().arg(error), error);
}
