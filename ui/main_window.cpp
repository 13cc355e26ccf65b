#include "ui/main_window.h"

#include "engine/answer_evaluation.h"
#include "engine/test_flow.h"
#include "runtime/control_names.h"
#include "runtime/precise_timer.h"
#include "runtime/progress_bar.h"
#include "runtime/qt_controls.h"
#include "ui/answer_box.h"
#include "ui/results_window.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace varnoq {

using namespace names;
using widgets::makeLabel;
using widgets::qtext;

namespace {

constexpr int SMALL = 12;
constexpr int LARGE = 56;

template <class Control> Control* child(QWidget* window, std::string_view name) {
    return window->findChild<Control*>(qtext(name));
}

widgets::DropDownList* makeDropDown(QWidget* parent, std::string_view name, const QRect& geometry,
                                    const QStringList& items, int selected) {
    return new widgets::DropDownList(qtext(name), geometry, items, selected, parent);
}

QPushButton* makeButton(QWidget* parent, std::string_view name, const QRect& geometry,
                        const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(qtext(name));
    button->setGeometry(geometry);
    button->setFont(widgets::yaheiFont(SMALL));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

MainWindow::MainWindow(Engine& engine, QtControls& controls)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      engine_(engine), controls_(controls) {
    setObjectName(QStringLiteral("MainWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Varnoq"));
    setWindowIcon(QIcon(QStringLiteral(":/varnoq/icon-64.png")));
    setFixedSize(CLIENT_SIZE);
    widgets::useButtonFace(this);

    buildQuestion();
    buildSettings();
    buildCounts();
    buildButtons();
    new PreciseTimer(qtext(时钟1), this);
    new PreciseTimer(qtext(时钟单题2), this);

    setTabOrder();
    wireEvents();
    describeForScreenReaders();
    controls_.registerWindow(WindowName::MainWindow, this);
    controls_.setTextWrittenObserver([this](WindowName window, std::string_view control) {
        if (window == WindowName::MainWindow &&
            (control == 标签框数字1 || control == 标签框运算符1 || control == 标签框数字2))
            describeQuestion();
    });
}

MainWindow::~MainWindow() {
    controls_.setTextWrittenObserver({});
    controls_.unregisterWindow(WindowName::MainWindow);
}

void MainWindow::describeForScreenReaders() {
    // Controls without a text of their own are named; labels that show a number keep it as what
    // is read, and say what the number is in their description.
    const std::pair<std::string_view, const char*> names[] = {
        {编辑框结果, "答案"},
        {进度条1, "测试用时"},
        {进度条2, "本题用时"},
        {组合框运算方式, "运算方式"},
        {组合框最大数, "题目中最大数"},
        {组合框总时长, "测试时长(秒)"},
        {组合框单题时长, "单题时长(秒)"},
    };
    for (const auto& [control, name] : names)
        child<QWidget>(this, control)->setAccessibleName(QString::fromUtf8(name));
    // Qt reads out a drop-down's current item as its name; its caption comes as the label that
    // a screen reader announces with it.
    const std::pair<std::string_view, std::string_view> captions[] = {
        {标签2, 组合框运算方式}, {标签1, 组合框最大数},   {标签5, 组合框总时长},
        {标签3, 选择框1},        {标签4, 组合框单题时长},
    };
    for (const auto& [caption, control] : captions)
        child<QLabel>(this, caption)->setBuddy(child<QWidget>(this, control));
    const std::pair<std::string_view, const char*> descriptions[] = {
        {标签框数字1, "第一个数"}, {标签框运算符1, "运算符"}, {标签框数字2, "第二个数"},
        {标签框等号, "等号"},      {标签总题数, "题数"},      {标签正确数, "正确题数"},
        {标签错误数, "错误题数"},
    };
    for (const auto& [control, description] : descriptions)
        child<QWidget>(this, control)->setAccessibleDescription(QString::fromUtf8(description));
}

void MainWindow::describeQuestion() {
    // The answer box, where the focus is during a test, reads out the whole question.
    const auto shown = [this](std::string_view label) {
        return child<QLabel>(this, label)->text();
    };
    const QString first = shown(标签框数字1);
    QString question;
    if (!first.isEmpty())
        question =
            QStringLiteral("%1 %2 %3 =").arg(first, shown(标签框运算符1), shown(标签框数字2));
    child<QWidget>(this, 编辑框结果)->setAccessibleDescription(question);
}

void MainWindow::buildQuestion() {
    const QFont large = widgets::yaheiFont(LARGE);
    const QFont largeDefault = widgets::defaultFaceFont(LARGE);
    makeLabel(this, qtext(标签框数字1), {20, 15, 120, 80}, {}, Qt::AlignHCenter)->setFont(large);
    makeLabel(this, qtext(标签框运算符1), {167, 35, 40, 40}, {}, Qt::AlignHCenter)
        ->setFont(largeDefault);
    makeLabel(this, qtext(标签框数字2), {234, 15, 120, 80}, {}, Qt::AlignHCenter)->setFont(large);
    makeLabel(this, qtext(标签框等号), {381, 35, 40, 40}, QStringLiteral("="), Qt::AlignHCenter)
        ->setFont(largeDefault);

    auto* answer = new AnswerBox(qtext(编辑框结果), this);
    answer->setGeometry(447, 15, 130, 80);
    answer->setFont(largeDefault);
    answer->setAlignment(Qt::AlignCenter);

    auto* questionBar = new ProgressBar(qtext(进度条2), ProgressBar::Look::Segmented, this);
    questionBar->setGeometry(447, 100, 130, 10);
    questionBar->hide();
    auto* testBar = new ProgressBar(qtext(进度条1), ProgressBar::Look::Continuous, this);
    testBar->setGeometry(17, 115, 560, 10);
    testBar->writeMaximum(10);
}

void MainWindow::buildCounts() {
    auto* box = new widgets::GroupBox(qtext(分组框答题情况), {}, {352, 140, 225, 40}, this);

    const QFont small = widgets::yaheiFont(SMALL);
    const auto label = [&](std::string_view name, QRect geometry, const QString& text,
                           Qt::Alignment alignment) {
        makeLabel(box, qtext(name), geometry, text, alignment)->setFont(small);
    };
    label(标签6, {3, 12, 40, 20}, QStringLiteral("题数："), Qt::AlignRight);
    label(标签总题数, {50, 12, 30, 20}, {}, Qt::AlignLeft);
    label(标签7, {88, 12, 25, 20}, QStringLiteral("√："), Qt::AlignRight);
    label(标签正确数, {119, 12, 30, 20}, {}, Qt::AlignLeft);
    label(标签8, {157, 12, 25, 20}, QStringLiteral("×："), Qt::AlignRight);
    label(标签错误数, {189, 12, 30, 20}, {}, Qt::AlignLeft);
}

void MainWindow::buildSettings() {
    auto* box =
        new widgets::GroupBox(qtext(分组框设置), QStringLiteral("设置"), {17, 140, 320, 160}, this);

    const QFont small = widgets::yaheiFont(SMALL);
    const auto caption = [&](std::string_view name, QRect geometry, const QString& text) {
        makeLabel(box, qtext(name), geometry, text, Qt::AlignLeft)->setFont(small);
    };
    caption(标签2, {5, 44, 80, 20}, QStringLiteral("运算方式："));
    makeDropDown(box, 组合框运算方式, {92, 44, 70, 20},
                 {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("×"),
                  QStringLiteral("÷"), QStringLiteral("+、-"), QStringLiteral("×、÷")},
                 0);
    caption(标签1, {5, 108, 80, 20}, QStringLiteral("题目中最大数："));
    makeDropDown(box, 组合框最大数, {92, 108, 70, 20},
                 {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50"),
                  QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("1000")},
                 1);
    caption(标签5, {180, 44, 80, 20}, QStringLiteral("测试时长(秒)："));
    makeDropDown(box, 组合框总时长, {265, 44, 48, 20},
                 {QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("120"),
                  QStringLiteral("180"), QStringLiteral("300"), QStringLiteral("600")},
                 0);
    caption(标签3, {180, 76, 80, 20}, QStringLiteral("启用单题计时："));
    auto* perQuestion = new QCheckBox(QStringLiteral("是"), box);
    perQuestion->setObjectName(qtext(选择框1));
    perQuestion->setGeometry(265, 76, 48, 20);
    perQuestion->setFont(small);
    perQuestion->setChecked(false);
    widgets::useButtonFace(perQuestion);
    caption(标签4, {180, 108, 80, 20}, QStringLiteral("单题时长(秒)："));
    makeDropDown(box, 组合框单题时长, {265, 108, 48, 20},
                 {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"),
                  QStringLiteral("20"), QStringLiteral("30")},
                 0)
        ->setEnabled(false);
}

void MainWindow::buildButtons() {
    makeButton(this, 按钮开始, {362, 210, 90, 30}, QStringLiteral("开始"));
    makeButton(this, 按钮下一题, {477, 210, 90, 30}, QStringLiteral("下一题(Enter)"));
    makeButton(this, 按钮测试结果, {362, 260, 90, 30}, QStringLiteral("测试结果"));
    makeButton(this, 按钮重置, {477, 260, 90, 30}, QStringLiteral("重置"));
}

void MainWindow::setTabOrder() {
    // Top to bottom: the answer, the settings column by column, then the buttons row by row.
    const std::string_view order[] = {编辑框结果,   组合框运算方式, 组合框最大数, 组合框总时长,
                                      选择框1,      组合框单题时长, 按钮开始,     按钮下一题,
                                      按钮测试结果, 按钮重置};
    QWidget* previous = nullptr;
    for (std::string_view name : order) {
        QWidget* current = child<QWidget>(this, name);
        current->setFocusPolicy(Qt::StrongFocus);
        current->installEventFilter(this);
        if (previous)
            QWidget::setTabOrder(previous, current);
        previous = current;
    }
    installEventFilter(this);
}

void MainWindow::wireEvents() {
    Engine& engine = engine_;
    connect(child<QPushButton>(this, 按钮开始), &QPushButton::clicked, this,
            [&engine] { startTest(engine); });
    connect(child<QPushButton>(this, 按钮下一题), &QPushButton::clicked, this,
            [&engine] { submitAnswer(engine); });
    connect(child<AnswerBox>(this, 编辑框结果), &AnswerBox::enterPressed, this,
            [&engine] { submitAnswer(engine); });
    connect(child<QPushButton>(this, 按钮重置), &QPushButton::clicked, this,
            [&engine] { resetTest(engine); });
    connect(child<QPushButton>(this, 按钮测试结果), &QPushButton::clicked, this,
            [this] { openResultsWindow(engine_, controls_); });
    connect(child<QCheckBox>(this, 选择框1), &QCheckBox::clicked, this,
            [&engine] { perQuestionTimingToggled(engine); });
    connect(child<PreciseTimer>(this, 时钟1), &PreciseTimer::ticked, this,
            [&engine] { testTimerTick(engine); });
    connect(child<PreciseTimer>(this, 时钟单题2), &PreciseTimer::ticked, this,
            [&engine] { questionTimerTick(engine); });
}

namespace {

bool isInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
        return true;
    default:
        return false;
    }
}

} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // While the results window or a message box is open this window takes no input, whichever
    // way the input arrives.
    if (isInput(event)) {
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != this)
            return true;
    }
    // The window looks at every key before the focused control: Esc alone closes it.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers =
            key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // No tick may run between closing and the end of the event loop.
    child<PreciseTimer>(this, 时钟1)->setPeriod(0);
    child<PreciseTimer>(this, 时钟单题2)->setPeriod(0);
    event->accept();
}

void centreOnScreen(QWidget* window, QSize outerSize) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // A window larger than its screen (the results window at a display scale of 2) keeps its
    // caption bar on the screen, where the user can reach it.
    window->move(area.left() + std::max(0, (area.width() - outerSize.width()) / 2),
                 area.top() + std::max(0, (area.height() - outerSize.height()) / 2));
}

MainWindow* openMainWindow(Engine& engine, QtControls& controls) {
    auto* window = new MainWindow(engine, controls);
    centreOnScreen(window, MainWindow::OUTER_SIZE);
    mainWindowCreated(engine);
    window->show();
    return window;
}

} // namespace varnoq
