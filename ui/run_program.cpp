#include "ui/run_program.h"

#include "engine/test_state.h"
#include "runtime/qt_controls.h"
#include "runtime/random_source.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

namespace varnoq {

namespace {

// Without any display Qt aborts with a long plugin message; one clear line serves better.
bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

void setUpApplication() {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/varnoq/icon-64.png")));
    QApplication::setApplicationDisplayName(QString());
}

int runProgram(int argc, char** argv) {
#ifndef _WIN32
    if (!displayAvailable()) {
        std::fprintf(stderr, "varnoq: no display found (DISPLAY is not set); to run without a "
                             "screen use: xvfb-run -a varnoq\n");
        return 1;
    }
#endif
    TestState state;
    initTestState(state);
    // Runs at the end of this scope, after the event loop, also when it ends early.
    struct Release {
        TestState& state;
        ~Release() { releaseTestState(state); }
    } release{state};

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("varnoq"));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.varnoq.Varnoq"));
    setUpApplication();

    QtControls controls;
    Engine engine{state, controls, randomSource()};
    openMainWindow(engine, controls);
    return application.exec();
}

} // namespace varnoq
