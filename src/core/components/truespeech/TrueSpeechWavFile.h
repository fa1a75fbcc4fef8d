#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <span>

// A DSP Group TrueSpeech file in RIFF/WAVE (format tag 0x0022, 8000 Hz mono, 32-byte blocks of 240 samples),
// written as samples arrive. The caller delivers 8000 Hz mono 16-bit samples (downmixing and resampling are
// the caller's); close() encodes the last, zero-padded block and writes the final header sizes and fact chunk.
class TrueSpeechWavFile {
public:
    TrueSpeechWavFile();
    ~TrueSpeechWavFile();
    TrueSpeechWavFile(const TrueSpeechWavFile&) = delete;
    TrueSpeechWavFile& operator=(const TrueSpeechWavFile&) = delete;

    // Raises ComponentError (code LastError::CannotCreate) when the file cannot be made.
    void create(const QString& fileName);
    void write(std::span<const std::int16_t> samples);
    void close(); // nothing when no file is open
    [[nodiscard]] bool isOpen() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
