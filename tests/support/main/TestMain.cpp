#include <QApplication>

#include <gtest/gtest.h>

// Test discovery runs this binary too, so the platform is chosen before QApplication exists.
int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUILLORA_TEST_SCREEN_CONFIG);
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
