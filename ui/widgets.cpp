#include "ui/widgets.h"

#include <QApplication>

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

QString qtext(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

} // namespace varnoq::widgets
