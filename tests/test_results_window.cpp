#include "engine/test_report.h"
#include "runtime/report_list.h"
#include "tests/support/drill_fixture.h"
#include "ui/results_window.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;

namespace {

struct ShownReport {
    QStringList rows;   // "序号|算式|错误标识"
    QStringList values; // 标签9 ... 标签16
};

ShownReport readReport(ResultsWindow* window) {
    ShownReport report;
    const ReportListModel& rows = window->list()->rows();
    for (int row = 0; row < rows.rowCount(); ++row)
        report.rows << rows.cellText(row, 0) + "|" + rows.cellText(row, 1) + "|" +
                           rows.cellText(row, 2);
    for (int n = 9; n <= 16; ++n)
        report.values << window->findChild<QLabel*>(QStringLiteral("标签%1").arg(n))->text();
    return report;
}

// Clicks 测试结果 and, once the results window is up, runs `whileOpen` on it, then presses Esc.
void openResults(DrillFixture& drill, const std::function<void(ResultsWindow*)>& whileOpen) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<ResultsWindow*>(QApplication::activeModalWidget());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        whileOpen(window);
        ran = true;
        QTest::keyClick(window, Qt::Key_Escape);
    });
    drill.click(按钮测试结果);
    QVERIFY(ran);
}

// Puts a question of our choosing on screen, as the generator would have.
void showQuestion(DrillFixture& drill, int operand1, int operand2) {
    drill.state.operand1 = operand1;
    drill.state.operand2 = operand2;
    drill.controls.writeText(WindowName::MainWindow, 标签框数字1, std::to_string(operand1));
    drill.controls.writeText(WindowName::MainWindow, 标签框数字2, std::to_string(operand2));
}

} // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void statistics_data();
    void statistics();
    void layout();
    void listAfterARealTest();
    void emptyTestGivesAnEmptyList();
    void tabKeepsTheListAsItIs();
    void listFollowsTheWindowSize();
    void mainWindowTakesNoInputWhileOpen();
};

void ResultsWindowTest::statistics_data() {
    QTest::addColumn<QList<int>>("summary");
    QTest::addColumn<QStringList>("shown");
    const auto row = [](const char* name, QList<int> summary, QStringList shown) {
        QTest::newRow(name) << summary << shown;
    };
    row("23 of 40 rounds up, rates add to 101", {40, 23, 17, 120, 0},
        {"40", "23", "17", "58%", "43%", "120", "20", "0"});
    row("1 of 8", {8, 1, 7, 30, 0}, {"8", "1", "7", "13%", "88%", "30", "16", "0"});
    row("half a percent", {200, 1, 199, 600, 3},
        {"200", "1", "199", "1%", "100%", "600", "20", "3"});
    row("thirds", {3, 1, 2, 60, 2}, {"3", "1", "2", "33%", "67%", "60", "3", "2"});
    row("all correct", {7, 7, 0, 120, 0}, {"7", "7", "0", "100%", "0%", "120", "4", "0"});
    row("25 in 30 s", {25, 20, 5, 30, 0}, {"25", "20", "5", "80%", "20%", "30", "50", "0"});
    row("10 in 180 s", {10, 5, 5, 180, 1}, {"10", "5", "5", "50%", "50%", "180", "3", "1"});
    row("1 in 600 s", {1, 0, 1, 600, 1}, {"1", "0", "1", "0%", "100%", "600", "0", "1"});
    row("no answer", {0, 0, 0, 30, 0}, {"0", "0", "0", "0%", "0%", "30", "0", "0"});
}

void ResultsWindowTest::statistics() {
    QFETCH(QList<int>, summary);
    DrillFixture drill;
    drill.state.summaryValues.assign(summary.begin(), summary.end());
    // The live counters differ on purpose: the report reads the recorded summary.
    drill.state.answeredCount = 999;
    drill.state.correctCount = 999;
    ResultsWindow window(drill.controls);
    showTestReport(drill.engine);
    QTEST(readReport(&window).values, "shown");
}

void ResultsWindowTest::layout() {
    DrillFixture drill;
    ResultsWindow window(drill.controls);
    QCOMPARE(window.windowTitle(), QStringLiteral("测试结果"));
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);

    const struct {
        const char* name;
        const char* parent;
        QRect place;
        const char* text;
    } labels[] = {
        {"标签1", "分组框1", {25, 8, 64, 24}, "答题总数："},
        {"标签6", "分组框1", {250, 8, 90, 24}, "总时长（秒）："},
        {"标签8", "分组框1", {250, 56, 90, 24}, "单题计时漏答："},
        {"标签9", "分组框1", {89, 8, 35, 24}, "0"},
        {"标签10", "ResultsWindow", {104, 40, 35, 24}, "0"},
        {"标签13", "ResultsWindow", {208, 64, 35, 24}, "0%"},
        {"标签16", "ResultsWindow", {352, 64, 35, 24}, "0"},
    };
    for (const auto& expected : labels) {
        auto* label = window.findChild<QLabel*>(QString::fromUtf8(expected.name));
        QVERIFY2(label, expected.name);
        QCOMPARE(label->parentWidget()->objectName(), QString::fromUtf8(expected.parent));
        QCOMPARE(label->geometry(), expected.place);
        QCOMPARE(label->text(), QString::fromUtf8(expected.text));
        QCOMPARE(int(label->alignment()), int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(label->font(), QApplication::font());
    }
    // The window's own labels are drawn over the group box, not under it.
    auto* box = window.findChild<QGroupBox*>(QStringLiteral("分组框1"));
    QCOMPARE(box->geometry(), QRect(15, 8, 464, 85));
    const QObjectList& order = window.children();
    QVERIFY(order.indexOf(box) <
            order.indexOf(window.findChild<QLabel*>(QStringLiteral("标签10"))));

    ReportList* list = window.list();
    QCOMPARE(list->pos(), QPoint(15, 100));
    QHeaderView* header = list->horizontalHeader();
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("序号"));
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("算式"));
    QCOMPARE(list->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("错误标识"));
    QCOMPARE(header->sectionSize(0), 50);
    QCOMPARE(header->sectionSize(1), 200);
    QCOMPARE(header->sectionSize(2), 100);
    QVERIFY(!header->sectionsClickable());
    QVERIFY(!header->sectionsMovable());
    QVERIFY(!list->isSortingEnabled());
    QVERIFY(list->showGrid());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(list->font().pixelSize(), 12);
    const QImage drawn = list->grab().toImage(); // a sunken edge: dark above, light below
    QVERIFY(drawn.pixelColor(0, 0).lightness() <
            drawn.pixelColor(0, drawn.height() - 1).lightness());
    QVERIFY(list->focusPolicy() & Qt::TabFocus);
    for (QLabel* label : window.findChildren<QLabel*>())
        QVERIFY(!(label->focusPolicy() & Qt::TabFocus));
}

void ResultsWindowTest::listAfterARealTest() {
    DrillFixture drill;
    drill.choose(组合框最大数, QStringLiteral("10"));
    drill.click(按钮开始);
    showQuestion(drill, 3, 4);
    QTest::keyClicks(drill.widget(编辑框结果), QStringLiteral("07"));
    QTest::keyClick(drill.widget(编辑框结果), Qt::Key_Return);
    QStringList expected{QStringLiteral("1|3+4=07|")};
    for (int n = 2; n <= 12; ++n) {
        const QString question =
            drill.text(标签框数字1) + drill.text(标签框运算符1) + drill.text(标签框数字2) + "=";
        const bool right = n % 4 != 0;
        const QString answer = right ? QString::number(drill.rightAnswer()) : QStringLiteral("99");
        expected << QStringLiteral("%1|%2%3|%4")
                        .arg(n)
                        .arg(question, answer, right ? QString() : QStringLiteral("错"));
        QTest::keyClicks(drill.widget(编辑框结果), answer);
        QTest::keyClick(drill.widget(编辑框结果), Qt::Key_Return);
    }
    drill.testTicks(151);

    ShownReport first, second;
    openResults(drill, [&](ResultsWindow* window) { first = readReport(window); });
    QPointer<QWidget> stillOpen = QApplication::activeModalWidget();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!stillOpen);
    openResults(drill, [&](ResultsWindow* window) { second = readReport(window); });

    QCOMPARE(first.rows, expected);
    QCOMPARE(first.values, (QStringList{"12", "9", "3", "75%", "25%", "30", "24", "0"}));
    QCOMPARE(second.rows, first.rows); // a new window, each answer once
    QCOMPARE(second.values, first.values);
}

void ResultsWindowTest::emptyTestGivesAnEmptyList() {
    DrillFixture drill;
    drill.runWholeTest();
    openResults(drill, [&](ResultsWindow* window) {
        QCOMPARE(window->list()->rows().rowCount(), 0);
        QVERIFY(!window->list()->horizontalHeader()->isHidden());
        QCOMPARE(readReport(window).values,
                 (QStringList{"0", "0", "0", "0%", "0%", "30", "0", "0"}));
    });
}

void ResultsWindowTest::tabKeepsTheListAsItIs() {
    DrillFixture drill;
    drill.click(按钮开始);
    for (int n = 0; n < 3; ++n)
        drill.answer(QString::number(drill.rightAnswer()));
    drill.testTicks(151);
    openResults(drill, [&](ResultsWindow* window) {
        ReportList* list = window->list();
        QTRY_VERIFY(list->hasFocus()); // the one control Tab visits
        for (const auto modifier : {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier})
            QTest::keyClick(list, Qt::Key_Tab, modifier);
        QVERIFY(list->hasFocus());
        QVERIFY(!list->selectionModel()->hasSelection());
        QTest::keyClick(list, Qt::Key_Down); // the arrow keys still move through the rows
        QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    });
}

void ResultsWindowTest::listFollowsTheWindowSize() {
    DrillFixture drill;
    drill.runWholeTest();
    openResults(drill, [&](ResultsWindow* window) {
        ReportList* list = window->list();
        QCOMPARE(window->frameGeometry().size(), ResultsWindow::OUTER_SIZE);
        QCOMPARE(list->geometry(), QRect(15, 100, 470, 460));

        window->showMaximized();
        QTRY_VERIFY(window->isMaximized());
        QTRY_VERIFY(window->frameGeometry().width() > 500);
        const QSize maximized = window->frameGeometry().size();
        QTRY_COMPARE(list->size(), maximized - QSize(30, 140));
        QCOMPARE(list->pos(), QPoint(15, 100));

        window->showNormal();
        QTRY_COMPARE(list->geometry(), QRect(15, 100, 470, 460));

        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        window->showNormal();
        QTRY_COMPARE(list->geometry(), QRect(15, 100, 470, 460));

        // Dragging the frame does not resize the window.
        window->resize(700, 700);
        QTRY_COMPARE(window->frameGeometry().size(), ResultsWindow::OUTER_SIZE);
        QCOMPARE(list->size(), QSize(470, 460));
    });
}

void ResultsWindowTest::mainWindowTakesNoInputWhileOpen() {
    DrillFixture drill;
    drill.runWholeTest();
    openResults(drill, [&](ResultsWindow*) {
        QTest::mouseClick(drill.widget(按钮重置), Qt::LeftButton);
        QTest::keyClick(drill.window, Qt::Key_Escape);
        QCOMPARE(drill.state.summaryValues.size(), size_t(5));
        QVERIFY(drill.window);
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Esc closed the results window only; the main window takes input again.
    QVERIFY(drill.window && drill.window->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    drill.click(按钮重置);
    QVERIFY(drill.state.summaryValues.empty());
}

QTEST_MAIN(ResultsWindowTest)
#include "test_results_window.moc"
