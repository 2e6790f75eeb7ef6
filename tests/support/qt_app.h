#pragma once
// The one QApplication of a Qt test executable, created on first use (offscreen platform).
// It is never destroyed: Qt's own process-wide objects (input devices made by QTest, for
// instance) are torn down by exit handlers in an order that crashes when the application
// object is destroyed among them.
#include <QApplication>

namespace lumaro::testing {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "lumaro-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace lumaro::testing
