#include "runtime/precise_timer.h"
#include "runtime/progress_bar.h"
#include "runtime/report_list.h"
#include "tests/support/drill_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <stdexcept>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;

namespace {

// Keeps the thread busy without handling events, as a long handler would.
void stayBusy(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
    }
}

} // namespace

class ControlOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void timerTicksOnePeriodAfterStart();
    void timerSamePeriodChangesNothing();
    void timerStopDeliversNothingMore();
    void timerNegativePeriodStops();
    void timerMergesTicksWhileBusy();

    void progressBarStoresClamped_data();
    void progressBarStoresClamped();
    void progressBarWithEmptyRangeStandsStill();

    void unknownNamesFailLoudly_data();
    void unknownNamesFailLoudly();
    void closedWindowFailsLoudly();

    void messageBoxIsModalWithOneOkButton();
    void messageBoxSeamAnswersWithoutAPerson();
};

void ControlOperationsTest::timerTicksOnePeriodAfterStart() {
    PreciseTimer timer(QStringLiteral("t"));
    QSignalSpy ticks(&timer, &PreciseTimer::ticked);
    QElapsedTimer clock;
    clock.start();
    timer.setPeriod(100);
    QVERIFY(ticks.wait(1000));
    const qint64 first = clock.elapsed();
    QVERIFY2(first >= 95 && first < 160, qPrintable(QString::number(first)));
    QTRY_COMPARE_WITH_TIMEOUT(ticks.count(), 3, 1000);
    QVERIFY(clock.elapsed() >= 295);
}

void ControlOperationsTest::timerSamePeriodChangesNothing() {
    PreciseTimer timer(QStringLiteral("t"));
    QSignalSpy ticks(&timer, &PreciseTimer::ticked);
    QElapsedTimer clock;
    clock.start();
    timer.setPeriod(150);
    QTest::qWait(80);
    timer.setPeriod(150); // a restart would put the first tick at 230 ms
    QVERIFY(ticks.wait(1000));
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));

    // A different period restarts: the next tick comes a full new period later.
    ticks.clear();
    QTest::qWait(50);
    clock.restart();
    timer.setPeriod(120);
    QVERIFY(ticks.wait(1000));
    QVERIFY2(clock.elapsed() >= 115, qPrintable(QString::number(clock.elapsed())));
}

void ControlOperationsTest::timerStopDeliversNothingMore() {
    PreciseTimer timer(QStringLiteral("t"));
    QSignalSpy ticks(&timer, &PreciseTimer::ticked);
    timer.setPeriod(20);
    stayBusy(60); // a tick is now due
    timer.setPeriod(0);
    QTest::qWait(100);
    QCOMPARE(ticks.count(), 0);
    QCOMPARE(timer.period(), 0);
}

void ControlOperationsTest::timerNegativePeriodStops() {
    PreciseTimer timer(QStringLiteral("t"));
    QSignalSpy ticks(&timer, &PreciseTimer::ticked);
    timer.setPeriod(20);
    timer.setPeriod(-5);
    QCOMPARE(timer.period(), 0);
    QTest::qWait(80);
    QCOMPARE(ticks.count(), 0);
}

void ControlOperationsTest::timerMergesTicksWhileBusy() {
    PreciseTimer timer(QStringLiteral("t"));
    QSignalSpy ticks(&timer, &PreciseTimer::ticked);
    timer.setPeriod(20);
    stayBusy(210); // ten periods pass without the event loop
    QCoreApplication::processEvents();
    QCOMPARE(ticks.count(), 1);
}

void ControlOperationsTest::progressBarStoresClamped_data() {
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("storedMinimum");
    QTest::addColumn<int>("storedMaximum");
    QTest::addColumn<int>("readBack");
    QTest::addColumn<int>("shown");

    QTest::newRow("inside") << 0 << 150 << 75 << 0 << 150 << 75 << 75;
    QTest::newRow("past the maximum reads back") << 0 << 150 << 151 << 0 << 150 << 151 << 150;
    QTest::newRow("negative writes are 0") << -5 << 10 << -3 << 0 << 10 << 0 << 0;
    QTest::newRow("limit is 32767") << 0 << 40000 << 32768 << 0 << 32767 << 32767 << 32767;
    QTest::newRow("below the minimum shows the minimum") << 20 << 40 << 5 << 20 << 40 << 5 << 20;
    QTest::newRow("empty range") << 0 << 0 << 7 << 0 << 0 << 7 << 0;
}

void ControlOperationsTest::progressBarStoresClamped() {
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, position);
    DrillFixture drill;
    // Through the control operations, by name, as the engine writes them.
    drill.controls.writeMinimum(WindowName::MainWindow, 进度条1, minimum);
    drill.controls.writeMaximum(WindowName::MainWindow, 进度条1, maximum);
    drill.controls.writePosition(WindowName::MainWindow, 进度条1, position);

    auto* bar = drill.get<ProgressBar>(进度条1);
    QTEST(bar->storedMinimum(), "storedMinimum");
    QTEST(bar->storedMaximum(), "storedMaximum");
    QTEST(drill.controls.readPosition(WindowName::MainWindow, 进度条1), "readBack");
    QTEST(bar->shownPosition(), "shown");
}

void ControlOperationsTest::progressBarWithEmptyRangeStandsStill() {
    DrillFixture drill;
    auto* bar = drill.get<ProgressBar>(进度条2);
    QCOMPARE(bar->storedMaximum(), 0);
    // Qt's own bar turns busy (animated) when its minimum equals its maximum.
    QVERIFY(bar->minimum() != bar->maximum());
    QCOMPARE(bar->filledFraction(), 0.0);

    drill.controls.writeMaximum(WindowName::MainWindow, 进度条2, 25);
    drill.controls.writePosition(WindowName::MainWindow, 进度条2, 30);
    QCOMPARE(bar->filledFraction(), 1.0);
    QCOMPARE(bar->value(), 25);
}

void ControlOperationsTest::unknownNamesFailLoudly_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("operation");
    QTest::newRow("misspelt label") << QStringLiteral("标签正确树") << 0;
    QTest::newRow("empty name") << QString() << 0;
    QTest::newRow("results control in main") << QStringLiteral("超级列表框1") << 1;
    QTest::newRow("timer name typo") << QStringLiteral("时钟3") << 2;
    QTest::newRow("wrong kind: text of a timer") << QStringLiteral("时钟1") << 0;
    QTest::newRow("wrong kind: period of a label") << QStringLiteral("标签总题数") << 2;
    QTest::newRow("wrong kind: position of a button") << QStringLiteral("按钮开始") << 3;
}

void ControlOperationsTest::unknownNamesFailLoudly() {
    QFETCH(QString, control);
    QFETCH(int, operation);
    DrillFixture drill;
    const std::string name = control.toStdString();
    try {
        switch (operation) {
        case 0:
            drill.controls.readText(WindowName::MainWindow, name);
            break;
        case 1:
            drill.controls.appendRow(WindowName::MainWindow, name, "1");
            break;
        case 2:
            drill.controls.setPeriod(WindowName::MainWindow, name, 200);
            break;
        case 3:
            drill.controls.readPosition(WindowName::MainWindow, name);
            break;
        }
        QFAIL("no exception");
    } catch (const std::invalid_argument& failure) {
        QVERIFY2(std::string(failure.what()).find(name) != std::string::npos, failure.what());
    }
}

void ControlOperationsTest::closedWindowFailsLoudly() {
    DrillFixture drill;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             drill.controls.writeText(WindowName::ResultsWindow, 标签9, "1"));
    delete drill.window.data();
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             drill.controls.readText(WindowName::MainWindow, 标签总题数));
}

void ControlOperationsTest::messageBoxIsModalWithOneOkButton() {
    DrillFixture drill;
    drill.controls.setMessageBoxResponder({});
    QString caption, text;
    QStringList buttons;
    bool modal = false;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        caption = box->windowTitle();
        text = box->text();
        modal = box->windowModality() == Qt::ApplicationModal;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        box->buttons().first()->click();
    });
    QElapsedTimer clock;
    clock.start();
    drill.controls.messageBox("时间结束！");
    QVERIFY(clock.elapsed() >= 45); // the caller waited for the box
    QCOMPARE(caption, QStringLiteral("信息："));
    QCOMPARE(text, QStringLiteral("时间结束！"));
    QCOMPARE(buttons, QStringList{QStringLiteral("确定")});
    QVERIFY(modal);
    QVERIFY(!QApplication::activeModalWidget());
}

void ControlOperationsTest::messageBoxSeamAnswersWithoutAPerson() {
    DrillFixture drill;
    drill.controls.messageBox("选择错误！");
    drill.controls.messageBox("时间结束！");
    QCOMPARE(drill.messages, (std::vector<std::string>{"选择错误！", "时间结束！"}));
}

QTEST_MAIN(ControlOperationsTest)
#include "test_control_operations.moc"
