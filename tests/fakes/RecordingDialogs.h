#pragma once

#include "core/formats/WriterPreparation.h"

#include <QStringList>
#include <memory>
#include <stdexcept>

// Format dialogs that only write each apply into the fakes' shared call log, so a test sees when a batch applies
// which dialog among the components' calls. throwOnMp3 makes the MP3 dialog fail as broken encoder settings would.
class RecordingDialogs : public FormatDialogs {
public:
    explicit RecordingDialogs(std::shared_ptr<QStringList> log) : log_(std::move(log)) {}
    bool throwOnMp3 = false;

    void applyPcmWav() override { log_->append(QStringLiteral("Dialogs.applyPcmWav()")); }
    void applyMp3() override {
        if (throwOnMp3)
            throw std::runtime_error("the encoder settings are broken");
        log_->append(QStringLiteral("Dialogs.applyMp3()"));
    }
    void applyOggVorbis() override { log_->append(QStringLiteral("Dialogs.applyOggVorbis()")); }

private:
    std::shared_ptr<QStringList> log_;
};
