#include "TrueSpeechWavFile.h"

#include "components/ComponentError.h"

struct TrueSpeechWavFile::Impl {};

TrueSpeechWavFile::TrueSpeechWavFile() = default;
TrueSpeechWavFile::~TrueSpeechWavFile() = default;

void TrueSpeechWavFile::create(const QString&) {
    throw ComponentError(QStringLiteral("DSP WAV (TrueSpeech) output is not available in this build."),
                         LastError::UnsupportedFormat);
}
void TrueSpeechWavFile::write(std::span<const std::int16_t>) {}
void TrueSpeechWavFile::close() {}
bool TrueSpeechWavFile::isOpen() const { return false; }
