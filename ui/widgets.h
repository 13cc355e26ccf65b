#pragma once

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QString>

// Small pieces both windows are built from.
namespace varnoq::widgets {

// "微软雅黑" where installed, else the first CJK face found, at a character height in pixels.
QFont yaheiFont(int characterHeight);
// The toolkit's default face at a character height in pixels.
QFont defaultFaceFont(int characterHeight);

// One line of text, never wrapped, cut at its edges, "&" shown as itself, vertically centred,
// over a background filled with the button-face colour.
QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
                  Qt::Alignment horizontal);

// A frame with its title at the top left, its inside the button face like everything around it.
// Qt's styles tint a group box's inside, which would leave the labels in it as lighter patches.
class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    GroupBox(const QString& name, const QString& title, const QRect& geometry, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A drop-down list without an edit field, white like an input field, whose open list hangs below
// it so that control and list together are DROPPED_HEIGHT tall. Qt's styles lay the open list
// over the control instead.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    static constexpr int DROPPED_HEIGHT = 160;

    DropDownList(const QString& name, const QRect& geometry, const QStringList& items, int selected,
                 QWidget* parent);

    void showPopup() override;
};

// Gives a window or control the button-face background.
void useButtonFace(QWidget* widget);

QString qtext(std::string_view utf8);

} // namespace varnoq::widgets
