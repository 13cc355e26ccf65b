#include "ui/answer_box.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

namespace varnoq {

namespace {
bool isAnswerCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'-';
}
} // namespace

AnswerFilter::AnswerFilter(AnswerBox* box) : QValidator(box), box_(box) {}

QString AnswerFilter::filtered(const QString& before, const QString& after, int& position) {
    position = std::clamp(position, 0, int(after.size()));
    // Everything behind the cursor is what stood behind it before the edit.
    const int tail = std::min(int(after.size()) - position, int(before.size()));
    const QString beforeHead = before.left(before.size() - tail);
    int head = 0;
    while (head < position && head < beforeHead.size() && beforeHead[head] == after[head])
        ++head;

    QString inserted;
    for (QChar c : after.mid(head, position - head))
        if (isAnswerCharacter(c))
            inserted += c;
    const int room = std::max(0, MAX_CHARACTERS - head - tail);
    inserted.truncate(room);

    position = head + int(inserted.size());
    return after.left(head) + inserted + after.right(tail);
}

QValidator::State AnswerFilter::validate(QString& input, int& position) const {
    if (box_->handlingInput())
        input = filtered(box_->textBeforeEdit(), input, position);
    return Acceptable;
}

AnswerBox::AnswerBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setValidator(new AnswerFilter(this));
    // The style's flat frame gives way to the edge paintEvent draws.
    setFrame(false);
    setTextMargins(EDGE, EDGE, EDGE, EDGE);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { committed_ = text; });
}

bool AnswerBox::event(QEvent* event) {
    // Typing, pasting (by key or context menu), dropping and input methods all arrive here.
    ++handlingInput_;
    const bool handled = QLineEdit::event(event);
    --handlingInput_;
    return handled;
}

void AnswerBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit enterPressed();
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
}

} // namespace varnoq
