#pragma once

#include "engine/engine.h"

#include <QWidget>

namespace varnoq {

class QtControls;

// The window in which a whole test is taken. It holds no logic of the test: its events run the
// engine's handlers, and the engine acts on its controls by name.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The outer size the layout is drawn for, and the client area a common desktop frame leaves
    // of it; the controls keep their places relative to the client area.
    static constexpr QSize OUTER_SIZE{600, 350};
    static constexpr QSize CLIENT_SIZE{584, 311};

    MainWindow(Engine& engine, QtControls& controls);
    ~MainWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildQuestion();
    void buildCounts();
    void buildSettings();
    void buildButtons();
    void wireEvents();
    void setTabOrder();
    void describeForScreenReaders();
    void describeQuestion();

    Engine& engine_;
    QtControls& controls_;
};

// Builds the window, runs its created event and shows it, centred. It deletes itself when closed.
MainWindow* openMainWindow(Engine& engine, QtControls& controls);

// Places a window of the given outer size in the middle of its screen.
void centreOnScreen(QWidget* window, QSize outerSize);

} // namespace varnoq
