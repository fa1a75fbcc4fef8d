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

    FakeAudioFile2* reader = nullptr;
    FakeAudioFile2* writer = nullptr;
    FakeAudioFile2LameEnc* mp3Encoder = nullptr;
    FakeAudioPlayer2* player = nullptr;
    FakeAudioTransform2* transform = nullptr;
    FakeAudioInformation2* information = nullptr;
    FakeVideoFile* video = nullptr;

    std::unique_ptr<ComponentSet> create() override {
        ++creations;
        log->append(QStringLiteral("factory.create()"));
        if (failuresLeft > 0) {
            --failuresLeft;
            throw ComponentError(QStringLiteral("Class not registered"));
        }
        auto set = std::make_unique<ComponentSet>();
        set->reader.connect(make(reader, QStringLiteral("reader")));
        set->writer.connect(make(writer, QStringLiteral("writer")));
        set->mp3Encoder.connect(make(mp3Encoder, QStringLiteral("mp3Encoder")));
        set->player.connect(make(player, QStringLiteral("player")));
        set->transform.connect(make(transform, QStringLiteral("transform")));
        set->information.connect(make(information, QStringLiteral("information")));
        set->video.connect(make(video, QStringLiteral("video")));
        return set;
    }

private:
    template <typename Fake> std::unique_ptr<Fake> make(Fake*& view, const QString& name) {
        auto fake = std::make_unique<Fake>(name, log);
        view = fake.get();
        return fake;
    }
};
