#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace varnoq::widgets {

QFont yaheiFont(int characterHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(characterHeight);
    font.setWeight(QFont::Normal);
    return font;
}

QFont defaultFaceFont(int characterHeight) {
    QFont font = QApplication::font();
    font.setPixelSize(characterHeight);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

void useButtonFace(QWidget* widget) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
                  Qt::Alignment horizontal) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setAlignment(horizontal | Qt::AlignVCenter);
    label->setGeometry(geometry);
    useButtonFace(label);
    return label;
}

GroupBox::GroupBox(const QString& name, const QString& title, const QRect& geometry,
                   QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(name);
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft);
    useButtonFace(this);
}

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QPalette& colours = palette();
    // An etched line: dark, with a light one just inside it, as classic desktops draw it.
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(colours.color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title().isEmpty())
        return;
    const QRect titleArea(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(titleArea, colours.color(QPalette::Window));
    painter.setPen(
        colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(titleArea, Qt::AlignCenter | Qt::TextSingleLine, title());
}

DropDownList::DropDownList(const QString& name, const QRect& geometry, const QStringList& items,
                           int selected, QWidget* parent)
    : QComboBox(parent) {
    setObjectName(name);
    setEditable(false);
    addItems(items);
    setCurrentIndex(selected);
    setGeometry(geometry);
    setMaxVisibleItems(int(items.size()));
    // A disabled list keeps the style's grey, as a disabled input field does.
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Button, Qt::white);
        colours.setColor(group, QPalette::Base, Qt::white);
        colours.setColor(group, QPalette::ButtonText, Qt::black);
    }
    setPalette(colours);
}

void DropDownList::showPopup() {
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (popup == window())
        return;
    const int listHeight = DROPPED_HEIGHT - height();
    QRect placed(mapToGlobal(QPoint(0, height())), QSize(width(), listHeight));
    // Where the screen ends below the control, the list opens upwards instead.
    if (const QScreen* display = screen();
        display && placed.bottom() > display->availableGeometry().bottom())
        placed.moveBottom(mapToGlobal(QPoint(0, 0)).y() - 1);
    popup->setGeometry(placed);
}

QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace varnoq::widgets
