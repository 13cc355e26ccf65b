#include "runtime/precise_timer.h"
#include "runtime/progress_bar.h"
#include "tests/support/drill_fixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void window();
    void initialState_data();
    void initialState();
    void fonts();
    void sunkenEdges();
    void dropDownOpensBelow_data();
    void dropDownOpensBelow();

    void answerFilter_data();
    void answerFilter();
    void programTextsAreNotFiltered();

    void enterInTheAnswerBoxSubmitsOnce_data();
    void enterInTheAnswerBoxSubmitsOnce();
    void enterOnAButtonDoesNothing();
    void escapeClosesFromAnyControl_data();
    void escapeClosesFromAnyControl();
    void escapeWithAModifierDoesNotClose();
    void escapeMidTestEndsWithoutAMessage();
    void tabFollowsTheScreen();
};

void MainWindowTest::window() {
    DrillFixture drill;
    MainWindow* window = drill.window;
    QCOMPARE(window->windowTitle(), QStringLiteral("Varnoq"));
    QCOMPARE(window->size(), MainWindow::CLIENT_SIZE);
    QCOMPARE(window->minimumSize(), window->maximumSize()); // fixed: no resizing, no maximizing
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowStaysOnTopHint));
    QCOMPARE(window->windowType(), Qt::Window); // a taskbar entry, not a tool window
    QCOMPARE(window->windowIcon().availableSizes().value(0), QSize(64, 64));
    QCOMPARE(window->palette().color(QPalette::Window), window->palette().color(QPalette::Button));

    const QRect screen = window->screen()->geometry();
    QCOMPARE(window->pos(), QPoint((screen.width() - 600) / 2, (screen.height() - 350) / 2));
}

void MainWindowTest::initialState_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("alignment");

    const QString window = QStringLiteral("MainWindow");
    const QString counts = QStringLiteral("分组框答题情况");
    const QString settings = QStringLiteral("分组框设置");
    const int centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    const int right = Qt::AlignRight | Qt::AlignVCenter;
    const auto row = [&](const char* name, const QString& parent, QRect place, const QString& text,
                         bool enabled, bool visible, int alignment = 0) {
        QTest::newRow(name) << QString::fromUtf8(name) << parent << place << text << enabled
                            << visible << alignment;
    };
    row("标签框数字1", window, {20, 15, 120, 80}, "", true, true, centred);
    row("标签框运算符1", window, {167, 35, 40, 40}, "", true, true, centred);
    row("标签框数字2", window, {234, 15, 120, 80}, "", true, true, centred);
    row("标签框等号", window, {381, 35, 40, 40}, "=", true, true, centred);
    row("编辑框结果", window, {447, 15, 130, 80}, "", false, true, centred);
    row("进度条2", window, {447, 100, 130, 10}, "", true, false);
    row("进度条1", window, {17, 115, 560, 10}, "", true, true);
    row("按钮开始", window, {362, 210, 90, 30}, "开始", true, true);
    row("按钮下一题", window, {477, 210, 90, 30}, "下一题(Enter)", false, true);
    row("按钮测试结果", window, {362, 260, 90, 30}, "测试结果", false, true);
    row("按钮重置", window, {477, 260, 90, 30}, "重置", true, true);
    row("分组框答题情况", window, {352, 140, 225, 40}, "", true, true);
    row("标签6", counts, {3, 12, 40, 20}, "题数：", true, true, right);
    row("标签总题数", counts, {50, 12, 30, 20}, "", true, true, left);
    row("标签7", counts, {88, 12, 25, 20}, "√：", true, true, right);
    row("标签正确数", counts, {119, 12, 30, 20}, "", true, true, left);
    row("标签8", counts, {157, 12, 25, 20}, "×：", true, true, right);
    row("标签错误数", counts, {189, 12, 30, 20}, "", true, true, left);
    row("分组框设置", window, {17, 140, 320, 160}, "设置", true, true);
    row("标签2", settings, {5, 44, 80, 20}, "运算方式：", true, true, left);
    row("组合框运算方式", settings, {92, 44, 70, 20}, "+", true, true);
    row("标签1", settings, {5, 108, 80, 20}, "题目中最大数：", true, true, left);
    row("组合框最大数", settings, {92, 108, 70, 20}, "20", true, true);
    row("标签5", settings, {180, 44, 80, 20}, "测试时长(秒)：", true, true, left);
    row("组合框总时长", settings, {265, 44, 48, 20}, "30", true, true);
    row("标签3", settings, {180, 76, 80, 20}, "启用单题计时：", true, true, left);
    row("选择框1", settings, {265, 76, 48, 20}, "是", true, true);
    row("标签4", settings, {180, 108, 80, 20}, "单题时长(秒)：", true, true, left);
    row("组合框单题时长", settings, {265, 108, 48, 20}, "5", false, true);
}

void MainWindowTest::initialState() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(int, alignment);
    DrillFixture drill;
    const std::string control = name.toStdString();
    QWidget* widget = drill.widget(control);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), place);
    QTEST(widget->isEnabled(), "enabled");
    QTEST(widget->isVisible(), "visible");

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(int(label->alignment()), alignment);
        QVERIFY(!label->wordWrap());
        QCOMPARE(label->textFormat(), Qt::PlainText); // "&" is shown as itself
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), text);
        QVERIFY(!button->isChecked());
        if (auto* push = qobject_cast<QPushButton*>(widget))
            QVERIFY(!push->isDefault() && !push->autoDefault());
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QCOMPARE(list->currentText(), text);
        QVERIFY(!list->isEditable());
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        QCOMPARE(box->title(), text);
    } else if (auto* answer = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(answer->text(), text);
        QCOMPARE(int(answer->alignment() & Qt::AlignHorizontal_Mask), int(Qt::AlignHCenter));
    } else if (auto* bar = qobject_cast<ProgressBar*>(widget)) {
        QCOMPARE(bar->readPosition(), 0);
        QCOMPARE(bar->storedMinimum(), 0);
        QCOMPARE(bar->storedMaximum(), name == QStringLiteral("进度条1") ? 10 : 0);
    } else {
        QFAIL("unexpected kind of control");
    }
}

void MainWindowTest::fonts() {
    DrillFixture drill;
    const auto pixels = [&](std::string_view name) {
        return drill.widget(name)->font().pixelSize();
    };
    for (auto name : {标签框数字1, 标签框数字2, 标签框运算符1, 标签框等号, 编辑框结果})
        QCOMPARE(pixels(name), 56);
    for (auto name : {按钮开始, 按钮重置, 选择框1, 标签总题数, 标签2})
        QCOMPARE(pixels(name), 12);
    QVERIFY(drill.widget(标签框数字1)->font().families().contains(QStringLiteral("微软雅黑")));
    QVERIFY(!drill.widget(标签框等号)->font().families().contains(QStringLiteral("微软雅黑")));
    // Drop-downs and group boxes keep the default dialog font.
    QCOMPARE(drill.widget(组合框运算方式)->font(), QApplication::font());
    QCOMPARE(drill.widget(分组框设置)->font(), QApplication::font());
    // A Chinese face is really there to draw the captions.
    QFontInfo used(drill.widget(按钮开始)->font());
    QVERIFY2(QFontMetrics(drill.widget(按钮开始)->font()).inFont(QChar(u'开')),
             qPrintable(used.family()));
}

void MainWindowTest::sunkenEdges() {
    DrillFixture drill;
    drill.click(按钮开始); // the answer box is white once it takes input
    for (auto name : {编辑框结果, 进度条1}) {
        const QImage image = drill.widget(name)->grab().toImage();
        const QColor topLeft = image.pixelColor(0, 0);
        const QColor bottomRight = image.pixelColor(image.width() - 1, image.height() - 1);
        QVERIFY2(topLeft.lightness() < bottomRight.lightness(), name.data());
    }
    const QImage answer = drill.widget(编辑框结果)->grab().toImage();
    QCOMPARE(answer.pixelColor(answer.width() / 2, 4), QColor(Qt::white));
}

void MainWindowTest::dropDownOpensBelow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("items");
    QTest::newRow("operation") << QStringLiteral("组合框运算方式") << 6;
    QTest::newRow("largest number") << QStringLiteral("组合框最大数") << 6;
    QTest::newRow("test length") << QStringLiteral("组合框总时长") << 6;
    QTest::newRow("question limit") << QStringLiteral("组合框单题时长") << 5;
}

void MainWindowTest::dropDownOpensBelow() {
    QFETCH(QString, name);
    QFETCH(int, items);
    DrillFixture drill;
    drill.click(选择框1); // enables the question-limit list
    auto* list = drill.get<QComboBox>(name.toStdString());
    QVERIFY(list->isEnabled());
    QCOMPARE(list->palette().color(QPalette::Active, QPalette::Button), QColor(Qt::white));

    list->showPopup();
    QWidget* popup = list->view()->window();
    QVERIFY(popup != drill.window);
    QTRY_VERIFY(popup->isVisible());
    const QPoint top = list->mapToGlobal(QPoint(0, 0));
    // The open list hangs under the control, not over it, and both together are 160 pixels tall.
    QCOMPARE(popup->geometry(), QRect(top.x(), top.y() + 20, list->width(), 140));
    // Every item shows without scrolling.
    const QModelIndex last = list->model()->index(items - 1, 0);
    QVERIFY(list->view()->visualRect(last).bottom() < list->view()->viewport()->height());
    // Esc closes the open list only, not the window.
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!popup->isVisible());
    QVERIFY(drill.window && drill.window->isVisible());
}

enum class Entry { Typed, Pasted, InputMethod, TypedAtStart };

// Types each character as a key press carrying it, also characters without a key of their own.
void type(QWidget* box, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void MainWindowTest::answerFilter_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const char* before, Entry entry, const char* entered,
                        const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(before) << int(entry) << QString::fromUtf8(entered)
                            << QString::fromUtf8(expected);
    };
    row("letter dropped, fifth refused", "", Entry::Typed, "12A-34", "12-3");
    row("minus inside", "", Entry::Typed, "1-2", "1-2");
    row("only minus signs", "", Entry::Typed, "--", "--");
    row("nothing but junk", "", Entry::Typed, "a b.+*", "");
    row("full-width digits are not typed digits", "", Entry::Typed, "１２", "");
    row("full box refuses", "", Entry::Typed, "98765", "9876");
    row("full box refuses at the start", "1234", Entry::TypedAtStart, "5", "1234");
    row("insert at the start", "234", Entry::TypedAtStart, "1", "1234");
    row("paste filtered before the limit", "", Entry::Pasted, "12A-34", "12-3");
    row("long paste held to four", "", Entry::Pasted, "31415926535897932384", "3141");
    row("paste into a partly filled box", "12", Entry::Pasted, " 3 4 5 ", "1234");
    row("paste of junk", "7", Entry::Pasted, "answer", "7");
    row("input method commit", "", Entry::InputMethod, "５x6-", "6-");
    row("input method commit held to four", "99", Entry::InputMethod, "123", "9912");
}

void MainWindowTest::answerFilter() {
    QFETCH(QString, before);
    QFETCH(int, entry);
    QFETCH(QString, entered);
    DrillFixture drill;
    drill.click(按钮开始);
    auto* box = drill.get<QLineEdit>(编辑框结果);
    QTest::keyClicks(box, before);
    QCOMPARE(box->text(), before);

    switch (Entry(entry)) {
    case Entry::Typed:
        type(box, entered);
        break;
    case Entry::TypedAtStart:
        QTest::keyClick(box, Qt::Key_Home);
        type(box, entered);
        break;
    case Entry::Pasted:
        QGuiApplication::clipboard()->setText(entered);
        QTest::keySequence(box, QKeySequence::Paste);
        break;
    case Entry::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(entered);
        QApplication::sendEvent(box, &commit);
        break;
    }
    }
    QTEST(box->text(), "expected");
    QCOMPARE(drill.state.answeredCount, 0); // no key here submits
}

void MainWindowTest::programTextsAreNotFiltered() {
    DrillFixture drill;
    drill.click(按钮开始);
    drill.controls.writeText(WindowName::MainWindow, 编辑框结果, "12a345");
    QCOMPARE(drill.text(编辑框结果), QStringLiteral("12a345"));
}

void MainWindowTest::enterInTheAnswerBoxSubmitsOnce_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier);
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
    QTest::newRow("Alt+keypad Enter")
        << int(Qt::Key_Enter) << int(Qt::AltModifier | Qt::KeypadModifier);
}

void MainWindowTest::enterInTheAnswerBoxSubmitsOnce() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    DrillFixture drill;
    drill.click(按钮开始);
    QWidget* box = drill.widget(编辑框结果);
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, QString::number(drill.rightAnswer()));
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(drill.state.answeredCount, 1);
    QCOMPARE(drill.state.correctCount, 1);
    QCOMPARE(drill.text(编辑框结果), QString());
    QCOMPARE(QApplication::focusWidget(), box);
}

void MainWindowTest::enterOnAButtonDoesNothing() {
    DrillFixture drill;
    QWidget* start = drill.widget(按钮开始);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);
    QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(drill.enabled(按钮开始));
    QCOMPARE(drill.period(时钟1), 0);
    QTest::keyClick(start, Qt::Key_Space); // Space clicks it
    QVERIFY(!drill.enabled(按钮开始));
    QCOMPARE(drill.period(时钟1), 200);
}

void MainWindowTest::escapeClosesFromAnyControl_data() {
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"编辑框结果", "组合框运算方式", "组合框最大数", "组合框总时长", "选择框1",
          "组合框单题时长", "按钮开始", "按钮下一题", "按钮测试结果", "按钮重置"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void MainWindowTest::escapeClosesFromAnyControl() {
    QFETCH(QString, control);
    DrillFixture drill;
    drill.click(按钮开始);
    drill.widget(选择框1)->setEnabled(true);
    QWidget* target = drill.widget(control.toStdString());
    // Controls disabled in this phase are enabled here to show that the key never gets past the
    // window, whichever control holds the focus.
    target->setEnabled(true);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(drill.window.isNull());
    QCOMPARE(drill.state.answeredCount, 0);
}

void MainWindowTest::escapeWithAModifierDoesNotClose() {
    DrillFixture drill;
    for (auto modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
        QTest::keyClick(drill.widget(按钮重置), Qt::Key_Escape, modifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!drill.window.isNull());
    QVERIFY(drill.window->isVisible());
}

void MainWindowTest::escapeMidTestEndsWithoutAMessage() {
    DrillFixture drill;
    drill.get<QCheckBox>(选择框1)->click();
    drill.click(按钮开始);
    drill.testTicks(20);
    QTest::keyClicks(drill.widget(编辑框结果), QStringLiteral("1"));
    QTest::keyClick(drill.widget(编辑框结果), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(drill.window.isNull());
    // No window is left open, so the event loop ends and with it the program.
    for (QWidget* topLevel : QApplication::topLevelWidgets())
        QVERIFY2(!topLevel->isVisible(), qPrintable(topLevel->objectName()));
    QTest::qWait(450); // two periods: no tick may come any more
    QVERIFY(drill.messages.empty());
    QCOMPARE(drill.state.answeredCount, 0);
    QVERIFY(drill.state.summaryValues.empty());
}

void MainWindowTest::tabFollowsTheScreen() {
    DrillFixture drill;
    drill.get<QCheckBox>(选择框1)->click(); // enables the per-question drop-down
    drill.click(按钮开始);
    const std::string_view order[] = {组合框运算方式, 组合框最大数, 组合框总时长, 选择框1,
                                      组合框单题时长, 按钮下一题,   按钮重置,     编辑框结果};
    QCOMPARE(QApplication::focusWidget(), drill.widget(编辑框结果));
    for (std::string_view name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), drill.widget(按钮重置));
    QCOMPARE(drill.state.answeredCount, 0); // Tab in the answer box submits nothing
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
