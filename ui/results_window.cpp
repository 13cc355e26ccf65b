#include "ui/results_window.h"

#include "engine/test_report.h"
#include "runtime/control_names.h"
#include "runtime/qt_controls.h"
#include "runtime/report_list.h"
#include "ui/main_window.h"
#include "ui/widgets.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <algorithm>

namespace varnoq {

using namespace names;
using widgets::qtext;

ResultsWindow::ResultsWindow(QtControls& controls)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      controls_(controls) {
    setObjectName(QStringLiteral("ResultsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("测试结果"));
    widgets::useButtonFace(this);
    // Without a frame (offscreen, a bare X server) the outer size is the client size; a window
    // manager's frame is subtracted once it is known.
    resize(OUTER_SIZE);

    auto* box = new widgets::GroupBox(qtext(分组框1), {}, {15, 8, 464, 85}, this);

    const auto label = [](QWidget* parent, std::string_view name, QRect geometry,
                          const QString& text) {
        widgets::makeLabel(parent, qtext(name), geometry, text, Qt::AlignLeft)
            ->setFocusPolicy(Qt::NoFocus);
    };
    label(box, 标签1, {25, 8, 64, 24}, QStringLiteral("答题总数："));
    label(box, 标签2, {25, 32, 64, 24}, QStringLiteral("正确题数："));
    label(box, 标签3, {25, 56, 64, 24}, QStringLiteral("错误题数："));
    label(box, 标签4, {140, 32, 64, 24}, QStringLiteral("正确率："));
    label(box, 标签5, {140, 56, 64, 24}, QStringLiteral("错误率："));
    label(box, 标签6, {250, 8, 90, 24}, QStringLiteral("总时长（秒）："));
    label(box, 标签7, {250, 32, 90, 24}, QStringLiteral("每分钟答题数："));
    label(box, 标签8, {250, 56, 90, 24}, QStringLiteral("单题计时漏答："));
    label(box, 标签9, {89, 8, 35, 24}, QStringLiteral("0"));
    // These belong to the window, drawn over the group box's frame.
    label(this, 标签10, {104, 40, 35, 24}, QStringLiteral("0"));
    label(this, 标签11, {104, 64, 35, 24}, QStringLiteral("0"));
    label(this, 标签12, {208, 40, 35, 24}, QStringLiteral("0%"));
    label(this, 标签13, {208, 64, 35, 24}, QStringLiteral("0%"));
    label(this, 标签14, {352, 16, 35, 24}, QStringLiteral("0"));
    label(this, 标签15, {352, 40, 35, 24}, QStringLiteral("0"));
    label(this, 标签16, {352, 64, 35, 24}, QStringLiteral("0"));

    list_ =
        new ReportList(qtext(超级列表框1),
                       {QStringLiteral("序号"), QStringLiteral("算式"), QStringLiteral("错误标识")},
                       {50, 200, 100}, this);
    list_->setFont(widgets::defaultFaceFont(12));
    list_->setGeometry(15, 100, 464, 460);

    controls_.registerWindow(WindowName::ResultsWindow, this);
}

ResultsWindow::~ResultsWindow() {
    controls_.unregisterWindow(WindowName::ResultsWindow);
}

void ResultsWindow::keyPressEvent(QKeyEvent* event) {
    const auto modifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ResultsWindow::fitOuterSize() {
    const QSize margins = frameGeometry().size() - geometry().size();
    if (margins == frameMargins_ || !isVisible())
        return;
    frameMargins_ = margins;
    if (windowState() == Qt::WindowNoState)
        resize(OUTER_SIZE - margins);
}

void ResultsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitOuterSize();
    // Dragging the frame changes nothing: only maximize and restore change the size.
    if (windowState() == Qt::WindowNoState && isVisible() && size() != OUTER_SIZE - frameMargins_) {
        resize(OUTER_SIZE - frameMargins_);
        return;
    }
    resultsWindowResized(*this);
}

void ResultsWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fitOuterSize();
}

void ResultsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitOuterSize();
}

void ResultsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        resultsWindowResized(*this);
}

void resultsWindowResized(ResultsWindow& window) {
    const QSize outer = window.frameGeometry().size();
    const auto limited = [](int value) {
        return std::clamp(value, 0, ResultsWindow::LIST_SIZE_LIMIT);
    };
    const int width = limited(outer.width() - ResultsWindow::LIST_WIDTH_MARGIN);
    const int height = limited(outer.height() - ResultsWindow::LIST_HEIGHT_MARGIN);
    window.list()->resize(width, height);
}

void openResultsWindow(Engine& engine, QtControls& controls) {
    auto* window = new ResultsWindow(controls);
    centreOnScreen(window, ResultsWindow::OUTER_SIZE);
    showTestReport(engine);
    resultsWindowResized(*window);
    QtControls::openModally(window);
}

} // namespace varnoq
