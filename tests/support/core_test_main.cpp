#include <QCoreApplication>
#include <gtest/gtest.h>

// Core tests get a QCoreApplication so Qt's event loop and timers are available.
int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
