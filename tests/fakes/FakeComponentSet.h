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
        set->AudioFile1.connect(make(audioFile1, QStringLiteral("AudioFile1")));
        set->AudioFile2.connect(make(audioFile2, QStringLiteral("AudioFile2")));
        set->LameEnc1.connect(make(lameEnc1, QStringLiteral("LameEnc1")));
        set->AudioPlayer1.connect(make(audioPlayer1, QStringLiteral("AudioPlayer1")));
        set->AudioTransform1.connect(make(audioTransform1, QStringLiteral("AudioTransform1")));
        set->AudioInformation1.connect(make(audioInformation1, QStringLiteral("AudioInformation1")));
        set->VideoFile1.connect(make(videoFile1, QStringLiteral("VideoFile1")));
        return set;
    }

private:
    template <typename Fake> std::unique_ptr<Fake> make(Fake*& view, const QString& name) {
        auto fake = std::make_unique<Fake>(name, log);
        view = fake.get();
        return fake;
    }
};
