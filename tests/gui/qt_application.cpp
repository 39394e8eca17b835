#include <gtest/gtest.h>

#include <QApplication>

// Widgets need a QApplication for the whole test program, made after gtest has taken its own
// arguments. Listing the tests needs no display, so none is made for that.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
