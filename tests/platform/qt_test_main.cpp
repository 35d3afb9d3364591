// The main of the Qt test programs: one QApplication for every test, on
// the offscreen platform unless the environment names another.

#include <gtest/gtest.h>

#include <QApplication>

#if defined(__SANITIZE_ADDRESS__)
#define ROLVANTA_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ROLVANTA_LEAK_CHECK 1
#endif
#endif
#ifdef ROLVANTA_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#ifdef ROLVANTA_LEAK_CHECK
    // Look for leaks while the OpenGL driver is still loaded: once it is
    // unloaded at exit its frames can no longer be named, and its own
    // allocations can no longer be told from the program's.
    __lsan_do_leak_check();
#endif
    return result;
}
