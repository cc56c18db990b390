#pragma once

#include <QApplication>

namespace zefa::test {

// The one application object of the widget tests, made on first use.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace zefa::test
