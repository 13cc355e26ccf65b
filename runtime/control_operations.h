#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What the engine may do to the controls of the two windows. Every operation names its window and
// control and takes effect before it returns. An unknown name, or a control of the wrong kind,
// throws std::invalid_argument naming it: a typo must never pass silently.
namespace varnoq {

enum class WindowName { MainWindow, ResultsWindow };

class ControlOperations {
public:
    virtual ~ControlOperations() = default;

    // Labels, the answer box and drop-downs (the selected item's text); "" when empty.
    virtual std::string readText(WindowName window, std::string_view control) = 0;
    virtual void writeText(WindowName window, std::string_view control, const std::string& text) = 0;
    virtual std::int32_t readSelectedIndex(WindowName window, std::string_view control) = 0;
    // 1 when checked, 0 otherwise.
    virtual std::int32_t readChecked(WindowName window, std::string_view control) = 0;

    virtual void enable(WindowName window, std::string_view control) = 0;
    virtual void disable(WindowName window, std::string_view control) = 0;
    virtual void show(WindowName window, std::string_view control) = 0;
    virtual void hide(WindowName window, std::string_view control) = 0;
    virtual void setFocus(WindowName window, std::string_view control) = 0;
    virtual void repaintNow(WindowName window, std::string_view control) = 0;

    // Negative counts as 0; 0 stops; the current period changes nothing; any other period restarts
    // the timer with its first tick one full period later.
    virtual void setPeriod(WindowName window, std::string_view timer, std::int32_t milliseconds) = 0;

    // Progress bars store every value clamped to 0 ... POSITION_LIMIT and read back what they
    // stored, while showing the position clamped into minimum ... maximum.
    virtual void writeMinimum(WindowName window, std::string_view bar, std::int32_t value) = 0;
    virtual void writeMaximum(WindowName window, std::string_view bar, std::int32_t value) = 0;
    virtual void writePosition(WindowName window, std::string_view bar, std::int32_t value) = 0;
    virtual std::int32_t readPosition(WindowName window, std::string_view bar) = 0;

    virtual void appendRow(WindowName window, std::string_view list, const std::string& firstCell) = 0;
    virtual void setCellText(WindowName window, std::string_view list, std::int32_t row,
                             std::int32_t column, const std::string& text) = 0;

    // Caption "信息：", one OK button, modal to the whole program; returns once it is closed.
    virtual void messageBox(const std::string& text) = 0;
};

inline constexpr std::int32_t POSITION_LIMIT = 32767;

} // namespace varnoq
