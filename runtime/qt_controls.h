#pragma once

#include "runtime/control_operations.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

namespace varnoq {

// The control operations over Qt Widgets. A window registers itself once all its controls exist;
// from then on its controls are found by their object names.
class QtControls final : public ControlOperations {
public:
    // Replaces the message box: tests answer it without a person. Empty restores the real box.
    using MessageBoxResponder = std::function<void(const std::string& text)>;

    void registerWindow(WindowName window, QWidget* root);
    void unregisterWindow(WindowName window);
    QWidget* window(WindowName window) const;

    void setMessageBoxResponder(MessageBoxResponder responder);

    // Called after every text the program writes, so a window can keep what depends on several
    // controls (the question a screen reader reads) up to date. One observer; empty removes it.
    using TextWrittenObserver = std::function<void(WindowName window, std::string_view control)>;
    void setTextWrittenObserver(TextWrittenObserver observer);

    // Shows the window modal to the whole program and returns when it has been destroyed, events
    // going on meanwhile. The window must delete itself on close.
    static void openModally(QWidget* window);

    std::string readText(WindowName window, std::string_view control) override;
    void writeText(WindowName window, std::string_view control, const std::string& text) override;
    std::int32_t readSelectedIndex(WindowName window, std::string_view control) override;
    std::int32_t readChecked(WindowName window, std::string_view control) override;
    void enable(WindowName window, std::string_view control) override;
    void disable(WindowName window, std::string_view control) override;
    void show(WindowName window, std::string_view control) override;
    void hide(WindowName window, std::string_view control) override;
    void setFocus(WindowName window, std::string_view control) override;
    void repaintNow(WindowName window, std::string_view control) override;
    void setPeriod(WindowName window, std::string_view timer, std::int32_t milliseconds) override;
    void writeMinimum(WindowName window, std::string_view bar, std::int32_t value) override;
    void writeMaximum(WindowName window, std::string_view bar, std::int32_t value) override;
    void writePosition(WindowName window, std::string_view bar, std::int32_t value) override;
    std::int32_t readPosition(WindowName window, std::string_view bar) override;
    void appendRow(WindowName window, std::string_view list, const std::string& firstCell) override;
    void setCellText(WindowName window, std::string_view list, std::int32_t row,
                     std::int32_t column, const std::string& text) override;
    void messageBox(const std::string& text) override;

    // The control itself, for the windows and tests; throws like the operations do.
    QObject* find(WindowName window, std::string_view control) const;
    template <class Control> Control* findAs(WindowName window, std::string_view control) const;

private:
    struct Registered {
        QPointer<QWidget> root;
        std::map<std::string, QPointer<QObject>, std::less<>> controls;
    };
    [[noreturn]] static void wrongKind(WindowName window, std::string_view control,
                                       const char* operation);
    QWidget* widget(WindowName window, std::string_view control) const;

    std::map<WindowName, Registered> windows_;
    MessageBoxResponder messageBoxResponder_;
    TextWrittenObserver textWrittenObserver_;
};

const char* windowNameText(WindowName window);

template <class Control>
Control* QtControls::findAs(WindowName window, std::string_view control) const {
    auto* found = qobject_cast<Control*>(find(window, control));
    if (!found)
        wrongKind(window, control, Control::staticMetaObject.className());
    return found;
}

} // namespace varnoq
