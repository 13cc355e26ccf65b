#pragma once

#include "engine/engine.h"

#include <QWidget>

namespace varnoq {

class QtControls;
class ReportList;

// The report of the test that has just ended: eight statistics over a list of every answer.
// A new one is built at every opening and destroyed when it closes.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize OUTER_SIZE{500, 600};
    static constexpr int LIST_WIDTH_MARGIN = 30;
    static constexpr int LIST_HEIGHT_MARGIN = 140;
    static constexpr int LIST_SIZE_LIMIT = 32627;

    explicit ResultsWindow(QtControls& controls);
    ~ResultsWindow() override;

    ReportList* list() const { return list_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitOuterSize();

    QtControls& controls_;
    ReportList* list_ = nullptr;
    QSize frameMargins_;
};

// Keeps the list 30 pixels narrower and 140 lower than the window's outer size.
void resultsWindowResized(ResultsWindow& window);

// Opens a new results window over the main window, filled with the report, and returns once the
// user has closed it.
void openResultsWindow(Engine& engine, QtControls& controls);

} // namespace varnoq
