#pragma once
// The one QApplication of a Qt test executable, created on first use (offscreen platform).
#include <QApplication>

namespace lumaro::testing {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "lumaro-test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

}  // namespace lumaro::testing
