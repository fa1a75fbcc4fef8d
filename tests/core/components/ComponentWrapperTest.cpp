#include "core/components/Components.h"
#include "fakes/FakeComponentSet.h"

#include <gtest/gtest.h>

TEST(ComponentWrapper, UnconnectedWrapperRaisesTheConnectionError) {
    TAudioFile2 wrapper;
    EXPECT_FALSE(wrapper.isConnected());
    try {
        wrapper->close();
        FAIL() << "expected ComponentError";
    } catch (const ComponentError& error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("DefaultInterface is NULL.")));
    }
}

TEST(ComponentWrapper, LazyConnectionHappensAtFirstUseOnly) {
    int connections = 0;
    TAudioFile2LameEnc wrapper;
    wrapper.connectOnFirstUse([&] {
        ++connections;
        return std::make_unique<FakeAudioFile2LameEnc>(QStringLiteral("mp3Encoder"));
    });
    EXPECT_EQ(connections, 0);
    wrapper->setSetting(Mp3Setting::Bitrate, 192);
    EXPECT_EQ(wrapper->setting(Mp3Setting::Bitrate), 192);
    EXPECT_EQ(connections, 1);
}

TEST(FakeComponentSet, SharesOneCallLogAcrossComponents) {
    FakeComponentSetFactory factory;
    factory.failuresLeft = 1;
    EXPECT_THROW((void)factory.create(), ComponentError);
    auto set = factory.create();
    set->reader->openForReading(QStringLiteral("a.wav"), 0, 1);
    set->writer->setPcmWav(44100, 2, 16);
    const QStringList expected{QStringLiteral("factory.create()"), QStringLiteral("factory.create()"),
                               QStringLiteral("reader.openForReading(a.wav,0,1)"),
                               QStringLiteral("writer.setPcmWav(44100,2,16)")};
    EXPECT_EQ(factory.log->join('|'), expected.join('|'));
}
