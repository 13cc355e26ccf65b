#pragma once

#include <QLineEdit>
#include <QValidator>

namespace varnoq {

class AnswerBox;

// Takes only digits and "-" from whatever enters the box (typed keys, pastes, drops, input
// method commits) and holds the box to four characters: the filter runs on the inserted text
// before the length is checked, so pasting "12A-34" gives "12-3".
class AnswerFilter : public QValidator {
    Q_OBJECT
public:
    static constexpr int MAX_CHARACTERS = 4;

    explicit AnswerFilter(AnswerBox* box);
    State validate(QString& input, int& position) const override;

    // Applies the rule to the edit that turned `before` into `after`, the cursor standing at
    // `position` after the inserted text.
    static QString filtered(const QString& before, const QString& after, int& position);

private:
    AnswerBox* box_;
};

// The single-line answer box, with a sunken two-pixel edge. Enter, main or keypad and with any
// modifiers, raises enterPressed once and leaves the text as it is.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int EDGE = 2;

    AnswerBox(const QString& name, QWidget* parent);
    const QString& textBeforeEdit() const { return committed_; }
    // Whether the box is handling one of its own events: only what the user enters is filtered,
    // not the texts the program writes.
    bool handlingInput() const { return handlingInput_ > 0; }

signals:
    void enterPressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString committed_;
    int handlingInput_ = 0;
};

} // namespace varnoq
