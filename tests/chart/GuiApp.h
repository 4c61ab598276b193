#pragma once
#include <QGuiApplication>

namespace kelra::test {

// The chart needs fonts and painting, not widgets: one QGuiApplication.
inline void EnsureGuiApp() {
    static int argc = 1;
    static char name[] = "chart_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

}  // namespace kelra::test
