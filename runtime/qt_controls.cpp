#include "runtime/qt_controls.h"

#include "runtime/precise_timer.h"
#include "runtime/progress_bar.h"
#include "runtime/report_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <stdexcept>

namespace varnoq {

namespace {

QString toQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
std::string toStdString(const QString& text) { return text.toUtf8().toStdString(); }

} // namespace

const char* windowNameText(WindowName window) {
    switch (window) {
    case WindowName::MainWindow:
        return "MainWindow";
    case WindowName::ResultsWindow:
        return "ResultsWindow";
    }
    return "?";
}

void QtControls::registerWindow(WindowName window, QWidget* root) {
    Registered registered;
    registered.root = root;
    for (QObject* child : root->findChildren<QObject*>()) {
        const QString name = child->objectName();
        // Qt names some of its own inner widgets ("qt_..."); ours are the layout's names.
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            registered.controls.emplace(toStdString(name), child);
    }
    windows_[window] = std::move(registered);
}

void QtControls::unregisterWindow(WindowName window) { windows_.erase(window); }

QWidget* QtControls::window(WindowName window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.root.data();
}

void QtControls::setMessageBoxResponder(MessageBoxResponder responder) {
    messageBoxResponder_ = std::move(responder);
}

QObject* QtControls::find(WindowName window, std::string_view control) const {
    const auto registered = windows_.find(window);
    if (registered == windows_.end() || !registered->second.root)
        throw std::invalid_argument(std::string("window ") + windowNameText(window) +
                                    " is not open (asked for control " + std::string(control) + ")");
    const auto found = registered->second.controls.find(control);
    if (found == registered->second.controls.end() || !found->second)
        throw std::invalid_argument(std::string("no control named ") + std::string(control) +
                                    " in " + windowNameText(window));
    return found->second.data();
}

void QtControls::wrongKind(WindowName window, std::string_view control, const char* operation) {
    throw std::invalid_argument(std::string("control ") + std::string(control) + " in " +
                                windowNameText(window) + " does not support " + operation);
}

QWidget* QtControls::widget(WindowName window, std::string_view control) const {
    return findAs<QWidget>(window, control);
}

std::string QtControls::readText(WindowName window, std::string_view control) {
    QObject* found = find(window, control);
    if (auto* label = qobject_cast<QLabel*>(found))
        return toStdString(label->text());
    if (auto* edit = qobject_cast<QLineEdit*>(found))
        return toStdString(edit->text());
    if (auto* list = qobject_cast<QComboBox*>(found))
        return toStdString(list->currentText());
    wrongKind(window, control, "read text");
}

void QtControls::writeText(WindowName window, std::string_view control, const std::string& text) {
    QObject* found = find(window, control);
    if (auto* label = qobject_cast<QLabel*>(found))
        label->setText(toQString(text));
    else if (auto* edit = qobject_cast<QLineEdit*>(found))
        edit->setText(toQString(text));
    else
        wrongKind(window, control, "write text");
    if (textWrittenObserver_)
        textWrittenObserver_(window, control);
}

void QtControls::setTextWrittenObserver(TextWrittenObserver observer) {
    textWrittenObserver_ = std::move(observer);
}

std::int32_t QtControls::readSelectedIndex(WindowName window, std::string_view control) {
    return findAs<QComboBox>(window, control)->currentIndex();
}

std::int32_t QtControls::readChecked(WindowName window, std::string_view control) {
    return findAs<QAbstractButton>(window, control)->isChecked() ? 1 : 0;
}

void QtControls::enable(WindowName window, std::string_view control) {
    widget(window, control)->setEnabled(true);
}

void QtControls::disable(WindowName window, std::string_view control) {
    widget(window, control)->setEnabled(false);
}

void QtControls::show(WindowName window, std::string_view control) {
    widget(window, control)->setVisible(true);
}

void QtControls::hide(WindowName window, std::string_view control) {
    widget(window, control)->setVisible(false);
}

void QtControls::setFocus(WindowName window, std::string_view control) {
    widget(window, control)->setFocus(Qt::OtherFocusReason);
}

void QtControls::repaintNow(WindowName window, std::string_view control) {
    widget(window, control)->repaint();
}

void QtControls::setPeriod(WindowName window, std::string_view timer, std::int32_t milliseconds) {
    findAs<PreciseTimer>(window, timer)->setPeriod(milliseconds);
}

void QtControls::writeMinimum(WindowName window, std::string_view bar, std::int32_t value) {
    findAs<ProgressBar>(window, bar)->writeMinimum(value);
}

void QtControls::writeMaximum(WindowName window, std::string_view bar, std::int32_t value) {
    findAs<ProgressBar>(window, bar)->writeMaximum(value);
}

void QtControls::writePosition(WindowName window, std::string_view bar, std::int32_t value) {
    findAs<ProgressBar>(window, bar)->writePosition(value);
}

std::int32_t QtControls::readPosition(WindowName window, std::string_view bar) {
    return findAs<ProgressBar>(window, bar)->readPosition();
}

void QtControls::appendRow(WindowName window, std::string_view list, const std::string& firstCell) {
    findAs<ReportList>(window, list)->rows().appendRow(toQString(firstCell));
}

void QtControls::setCellText(WindowName window, std::string_view list, std::int32_t row,
                             std::int32_t column, const std::string& text) {
    findAs<ReportList>(window, list)->rows().setCellText(row, column, toQString(text));
}

void QtControls::messageBox(const std::string& text) {
    if (messageBoxResponder_)
        return messageBoxResponder_(text);

    QWidget* owner = window(WindowName::MainWindow);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), toQString(text),
                    QMessageBox::NoButton, owner);
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtControls::openModally(QWidget* window) {
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    if (guard)
        loop.exec(QEventLoop::DialogExec);
}

} // namespace varnoq
