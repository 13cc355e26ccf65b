#pragma once

#include "engine/engine.h"
#include "runtime/qt_controls.h"
#include "runtime/random_source.h"
#include "ui/main_window.h"

#include <QPointer>
#include <string>
#include <vector>

// The real main window over a fresh state, as the program opens it, for the benchmarks. Message
// boxes are answered at once.
namespace varnoq::bench {

struct BenchWindow {
    BenchWindow();
    ~BenchWindow();

    TestState state;
    RandomSource random;
    QtControls controls;
    Engine engine{state, controls, random};
    QPointer<MainWindow> window;

    QWidget* control(std::string_view name);
    void click(std::string_view button);
};

// Bytes the allocator has handed out and not had back.
std::size_t heapInUse();
// The resident set of this process, in bytes, after giving freed memory back to the system.
std::size_t residentBytes();

} // namespace varnoq::bench
