#pragma once

#include <QString>

// What a conversion reports while it runs. The progress window displays it; tonalith-cli prints it.
class ConversionObserver {
public:
    virtual ~ConversionObserver() = default;

    // The output file exists now: show source and destination, count one more started output.
    virtual void conversionStarted(const QString& sourceName, const QString& destinationName) = 0;
    // After every block, with the conversion's percentage 0..100; the place to process pending window events.
    virtual void progressChanged(int percent) = 0;
    // While the finished output is read back to check it, after every block, with the check's percentage 0..100;
    // like progressChanged, the place to process pending window events. mayContinue() is asked after it.
    virtual void checkProgressChanged(int /*percent*/) {}
    // The conversion stopped before its first block (output not created, source not opened): progress back to 0.
    virtual void progressReset() = 0;
    // Asked after every block; false stops the conversion (the batch was cancelled).
    virtual bool mayContinue() = 0;
    // A component rejected the source or the output: the text and caption of the user's error box.
    virtual void conversionFailed(const QString& message, const QString& caption) = 0;
    // The conversion stopped because mayContinue() said so; the progress window closes.
    virtual void conversionCancelled() = 0;
};
