#include "bench/bench_window.h"

#include "ui/run_program.h"

#include <QApplication>
#include <QTest>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace varnoq::bench {

BenchWindow::BenchWindow() {
    setUpApplication();
    initTestState(state);
    controls.setMessageBoxResponder([](const std::string&) {});
    window = openMainWindow(engine, controls);
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window))
        qWarning("the main window was not exposed");
}

BenchWindow::~BenchWindow() {
    delete window.data();
    releaseTestState(state);
}

QWidget* BenchWindow::control(std::string_view name) {
    return controls.findAs<QWidget>(WindowName::MainWindow, name);
}

void BenchWindow::click(std::string_view button) {
    QTest::mouseClick(control(button), Qt::LeftButton);
}

std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::size_t residentBytes() {
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0;
    std::size_t resident = 0;
    statm >> size >> resident;
    return resident * std::size_t(sysconf(_SC_PAGESIZE));
}

} // namespace varnoq::bench
