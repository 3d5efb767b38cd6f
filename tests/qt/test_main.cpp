// The window tests need a QApplication before the first test; they always
// run on the offscreen platform, never with a desktop theme's dialogs, and
// draw with the fonts the package brings and no others.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    qputenv("FONTCONFIG_FILE", VELK_TEST_FONTCONFIG);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
