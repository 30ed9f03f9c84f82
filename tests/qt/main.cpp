// The desktop backend's tests run on Qt's offscreen platform: one
// QApplication for the whole program, made before any test.
#include <gtest/gtest.h>

#include <QApplication>

// Under the sanitizers: what the system's font and GUI libraries keep for the
// life of the process is not ours to free.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6\nleak:libdbus\nleak:libglib\nleak:libxcb\n";
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
