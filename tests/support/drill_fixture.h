#pragma once

#include "engine/engine.h"
#include "runtime/control_names.h"
#include "runtime/qt_controls.h"
#include "ui/main_window.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace varnoq::testing {

// The phases of a test, as the enabled controls and running timers show them.
enum class Phase { Ready, Running, Finished, Unknown };
const char* phaseName(Phase phase);

// A real main window over a fresh test state, with a seeded random source, and message boxes
// answered at once (their texts are kept in messages).
class DrillFixture {
public:
    explicit DrillFixture(std::uint32_t seed = 12345);
    ~DrillFixture();
    DrillFixture(const DrillFixture&) = delete;
    DrillFixture& operator=(const DrillFixture&) = delete;

    TestState state;
    RandomSource random;
    QtControls controls;
    Engine engine{state, controls, random};
    std::vector<std::string> messages;
    QPointer<MainWindow> window;

    QString text(std::string_view control);
    template <class Control> Control* get(std::string_view control) {
        return controls.findAs<Control>(WindowName::MainWindow, control);
    }
    QWidget* widget(std::string_view control) { return get<QWidget>(control); }
    bool enabled(std::string_view control) { return widget(control)->isEnabled(); }
    int position(std::string_view bar) { return controls.readPosition(WindowName::MainWindow, bar); }

    void click(std::string_view button);
    void choose(std::string_view dropDown, const QString& item);
    // Writes the answer box as a program would (unfiltered) and submits with Enter.
    void answer(const QString& text);
    // The right answer to the question on screen.
    std::int32_t rightAnswer();
    // Runs n ticks of a timer's handler at once, as a test of the time would wait for them.
    void testTicks(int n);
    void questionTicks(int n);
    // Starts, lets the whole test time pass and closes the time-up message.
    void runWholeTest();
    int period(std::string_view timer);
    // Which phase the controls show; Unknown when they match none.
    Phase phase();
};

} // namespace varnoq::testing
