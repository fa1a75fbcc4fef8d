#pragma once

#include "FakeAudioFile2.h"
#include "FakeAudioFile2LameEnc.h"
#include "FakeAudioInformation2.h"
#include "FakeAudioPlayer2.h"
#include "FakeAudioTransform2.h"
#include "FakeVideoFile.h"
#include "core/components/ComponentSet.h"

// A factory of component sets made of recording fakes that share one call log. It can be told to fail the next
// creations, and it keeps raw views of the fakes of the set it made last so a test can script and inspect them.
class FakeComponentSetFactory : public IComponentSetFactory {
public:
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    int failuresLeft = 0;
    int creations = 0;

    FakeAudioFile2* audioFile1 = nullptr;
    FakeAudioFile2* audioFile2 = nullptr;
    FakeAudioFile2LameEnc* lameEnc1 = nullptr;
    FakeAudioPlayer2* audioPlayer1 = nullptr;
    FakeAudioTransform2* audioTransform1 = nullptr;
    FakeAudioInformation2* audioInformation1 = nullptr;
    FakeVideoFile* videoFile1 = nullptr;

    std::unique_ptr<ComponentSet> create() override {
        ++creations;
        log->append(QStringLiteral("factory.create()"));
        if (failuresLeft > 0) {
            --failuresLeft;
            throw ComponentError(QStringLiteral("Class not registered"));
        }
        auto set = std::make_unique<ComponentSet>();
        set->reader.connect(make(audioFile1, QStringLiteral("reader")));
        set->writer.connect(make(audioFile2, QStringLiteral("writer")));
        set->mp3Encoder.connect(make(lameEnc1, QStringLiteral("mp3Encoder")));
        set->player.connect(make(audioPlayer1, QStringLiteral("player")));
        set->transform.connect(make(audioTransform1, QStringLiteral("transform")));
        set->information.connect(make(audioInformation1, QStringLiteral("information")));
        set->video.connect(make(videoFile1, QStringLiteral("video")));
        return set;
    }

private:
    template <typename Fake> std::unique_ptr<Fake> make(Fake*& view, const QString& name) {
        auto fake = std::make_unique<Fake>(name, log);
        view = fake.get();
        return fake;
    }
};
