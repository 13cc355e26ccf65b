#include "tests/support/drill_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QTest>

using namespace varnoq;
using namespace varnoq::names;
using varnoq::testing::DrillFixture;

namespace {

QAccessibleInterface* readerView(DrillFixture& drill, std::string_view control) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(drill.widget(control));
    Q_ASSERT(view);
    return view;
}

} // namespace

// What a screen reader finds in the main window, through Qt's accessibility tree.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAreNamed_data();
    void controlsAreNamed();
    void statesFollowThePhase();
    void countsAreReadAsNumbers();
    void questionIsReadAsAWhole();
};

void AccessibilityTest::controlsAreNamed_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("labelledBy");
    const auto row = [](const char* control, QAccessible::Role role, const char* name,
                        const char* description, const char* labelledBy = "") {
        QTest::newRow(control) << QString::fromUtf8(control) << int(role) << QString::fromUtf8(name)
                               << QString::fromUtf8(description) << QString::fromUtf8(labelledBy);
    };
    row("编辑框结果", QAccessible::EditableText, "答案", "");
    row("进度条1", QAccessible::ProgressBar, "测试用时", "");
    row("进度条2", QAccessible::ProgressBar, "本题用时", "");
    row("组合框运算方式", QAccessible::ComboBox, "+", "", "运算方式：");
    row("组合框最大数", QAccessible::ComboBox, "20", "", "题目中最大数：");
    row("组合框总时长", QAccessible::ComboBox, "30", "", "测试时长(秒)：");
    row("组合框单题时长", QAccessible::ComboBox, "5", "", "单题时长(秒)：");
    row("选择框1", QAccessible::CheckBox, "是", "", "启用单题计时：");
    row("按钮开始", QAccessible::Button, "开始", "");
    row("按钮下一题", QAccessible::Button, "下一题(Enter)", "");
    row("标签框等号", QAccessible::StaticText, "=", "等号");
    row("标签6", QAccessible::StaticText, "题数：", "");
}

void AccessibilityTest::controlsAreNamed() {
    QFETCH(QString, control);
    QFETCH(int, role);
    DrillFixture drill;
    QAccessibleInterface* view = readerView(drill, control.toStdString());
    QCOMPARE(int(view->role()), role);
    QTEST(view->text(QAccessible::Name), "name");
    QTEST(view->text(QAccessible::Description), "description");
    QFETCH(QString, labelledBy);
    // The group box labels everything in it too; the caption must be among the labels.
    QStringList labels;
    for (const auto& [other, relation] : view->relations(QAccessible::Label))
        if (other->object() != drill.widget(分组框设置))
            labels << other->text(QAccessible::Name);
    QCOMPARE(labels, labelledBy.isEmpty() ? QStringList() : QStringList{labelledBy});
}

void AccessibilityTest::statesFollowThePhase() {
    DrillFixture drill;
    QVERIFY(readerView(drill, 编辑框结果)->state().disabled);
    QVERIFY(readerView(drill, 按钮下一题)->state().disabled);
    QVERIFY(!readerView(drill, 按钮开始)->state().disabled);
    QVERIFY(readerView(drill, 按钮重置)->state().focused);
    QVERIFY(readerView(drill, 进度条2)->state().invisible);
    QVERIFY(!readerView(drill, 选择框1)->state().checked);

    drill.get<QCheckBox>(选择框1)->click();
    drill.click(按钮开始);
    QVERIFY(readerView(drill, 选择框1)->state().checked);
    QVERIFY(!readerView(drill, 进度条2)->state().invisible);
    QVERIFY(!readerView(drill, 编辑框结果)->state().disabled);
    QVERIFY(readerView(drill, 编辑框结果)->state().focused);
    QVERIFY(readerView(drill, 按钮开始)->state().disabled);
}

void AccessibilityTest::countsAreReadAsNumbers() {
    DrillFixture drill;
    drill.click(按钮开始);
    drill.answer(QString::number(drill.rightAnswer()));
    drill.answer(QString::number(drill.rightAnswer()));
    drill.answer(QStringLiteral("-"));
    const auto read = [&](std::string_view label) {
        QAccessibleInterface* view = readerView(drill, label);
        return view->text(QAccessible::Description) + "：" + view->text(QAccessible::Name);
    };
    QCOMPARE(read(标签总题数), QStringLiteral("题数：3"));
    QCOMPARE(read(标签正确数), QStringLiteral("正确题数：2"));
    QCOMPARE(read(标签错误数), QStringLiteral("错误题数：1"));
}

void AccessibilityTest::questionIsReadAsAWhole() {
    DrillFixture drill;
    drill.choose(组合框运算方式, QStringLiteral("×、÷"));
    drill.choose(组合框最大数, QStringLiteral("100"));
    drill.click(按钮开始);
    for (int n = 0; n < 10; ++n) {
        const QString shown = QStringLiteral("%1 %2 %3 =")
                                  .arg(drill.text(标签框数字1), drill.text(标签框运算符1),
                                       drill.text(标签框数字2));
        QCOMPARE(readerView(drill, 编辑框结果)->text(QAccessible::Description), shown);
        drill.answer(QStringLiteral("1"));
    }
    drill.click(按钮重置);
    QCOMPARE(readerView(drill, 编辑框结果)->text(QAccessible::Description), QString());
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
