// The GUI tests need a QApplication around them.
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Listing the tests happens without a display too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
