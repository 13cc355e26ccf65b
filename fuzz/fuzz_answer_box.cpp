// The real answer box, offscreen, under any sequence of what a user can do to it: type any
// character, delete, move and select, cut, copy, paste any text, undo and redo, commit text from
// an input method, press Enter (which empties the box, as submitting does). Whatever happens, the
// box holds at most four characters, only digits and "-"; a typed character replaces the
// selection and is taken exactly when it is an answer character and there is room.
//
// Input: a stream of operations, one byte each, some followed by argument bytes.
#include "fuzz/fuzz_check.h"
#include "ui/answer_box.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace varnoq;
using namespace varnoq::fuzz;

namespace {

QApplication* application = nullptr;
AnswerBox* box = nullptr;

// Digits and "-" in both widths, letters, signs, a point, spaces, CJK and a character outside
// the basic plane.
const QString kCharacters = QStringLiteral("0123456789-+.eEdD x,a\u3000\uFF10\uFF15\uFF0D\u4E00错"
                                           "\U0001F600");

bool isAnswerCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'-';
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool atEnd() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    // A short text of characters from the table.
    QString text() {
        QString out;
        for (int n = next() % 8; n > 0; --n)
            out += kCharacters.mid(next() % kCharacters.size(), 1);
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(box, Qt::Key(code), modifiers);
}

// Types one character the way a keyboard or keyboard layout delivers it: a key press with text.
void type(QChar c) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &release);
}

void checkContent(const char* after, int operation) {
    const QString text = box->text();
    const std::string detail = std::string("after ") + after + " (operation " +
                               std::to_string(operation) + "): \"" + utf8(text) + "\"";
    require(text.size() <= AnswerFilter::MAX_CHARACTERS, "at most four characters", detail);
    for (QChar c : text)
        require(isAnswerCharacter(c), "only digits and '-'", detail);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = new QApplication(*argc, *argv);
    // Fonts, the clipboard and the input method are set up on first use and kept for the life of
    // the process; a first box does that here, so that leak checks see only what inputs leave.
    AnswerBox warmUp(QStringLiteral("编辑框结果"), nullptr);
    warmUp.show();
    QTest::keyClicks(&warmUp, QStringLiteral("1-"));
    QApplication::clipboard()->setText(QStringLiteral("1"));
    QTest::keyClick(&warmUp, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A new box for every input: the undo history must not carry over from one input to the next.
    AnswerBox fresh(QStringLiteral("编辑框结果"), nullptr);
    box = &fresh;
    // As in the main window: submitting empties the box, from inside the Enter key's event.
    QObject::connect(box, &AnswerBox::enterPressed, box, [] { box->setText(QString()); });
    // Not shown: key and input method events reach a hidden box alike, and a window per input
    // would make the run twenty times slower.
    QApplication::clipboard()->clear();
    // FUZZ_TRACE=1 with one input prints the box after every operation, to see how a finding came.
    static const bool trace = std::getenv("FUZZ_TRACE") != nullptr;
    Reader input(data, size);
    bool selectionUnreliable = false;
    for (int operation = 0; !input.atEnd(); ++operation) {
        const std::uint8_t op = input.next();
        switch (op % 20) {
        case 0:
        case 1:
        case 2: {
            const QChar c = kCharacters[input.next() % (kCharacters.size() - 2)];
            const QString before = box->text();
            const int cursor = box->cursorPosition();
            const int start = box->hasSelectedText() ? box->selectionStart() : cursor;
            const int length = box->hasSelectedText() ? int(box->selectedText().size()) : 0;
            type(c);
            QString expected = before;
            expected.remove(start, length);
            // Qt inserts at the cursor once the selection is gone. The cursor is normally at one
            // end of the selection, but an input method's commit can leave it elsewhere.
            const int at = cursor >= start + length ? cursor - length : std::min(cursor, start);
            if (isAnswerCharacter(c) && expected.size() < AnswerFilter::MAX_CHARACTERS)
                expected.insert(at, c);
            // After an undo, a redo or an input method's replacement, Qt 6.4's own selection can
            // disagree with where it edits: a plain QLineEdit given "1", Shift+Left, "0", Ctrl+A,
            // Ctrl+Z, Ctrl+Shift+Z and "1" ends up empty too. From then on only the box's content
            // is checked.
            require(selectionUnreliable || box->text() == expected,
                    "a typed character replaces the selection, if taken",
                    "\"" + utf8(before) + "\" cursor " + std::to_string(cursor) + " selection " +
                        std::to_string(start) + "+" + std::to_string(length) + " + '" +
                        utf8(QString(c)) + "' -> \"" + utf8(box->text()) + "\", expected \"" +
                        utf8(expected) + "\"");
            break;
        }
        case 3:
            key(Qt::Key_Backspace);
            break;
        case 4:
            key(Qt::Key_Delete);
            break;
        case 5:
            key(input.next() % 2 ? Qt::Key_Left : Qt::Key_Right,
                input.next() % 2 ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 6:
            key(input.next() % 2 ? Qt::Key_Home : Qt::Key_End,
                input.next() % 2 ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 7:
            key(Qt::Key_A, Qt::ControlModifier);
            break;
        case 8:
            selectionUnreliable = true;
            key(Qt::Key_Z, Qt::ControlModifier);
            break;
        case 9:
            selectionUnreliable = true;
            key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case 10:
            selectionUnreliable = true;
            key(Qt::Key_Y, Qt::ControlModifier);
            break;
        case 11:
            QApplication::clipboard()->setText(input.text());
            key(Qt::Key_V, Qt::ControlModifier);
            break;
        case 12:
            QApplication::clipboard()->setText(input.text());
            key(Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case 13:
            key(Qt::Key_X, Qt::ControlModifier);
            break;
        case 14:
            key(Qt::Key_C, Qt::ControlModifier);
            key(Qt::Key_V, Qt::ControlModifier);
            break;
        case 15: {
            // An input method replacing part of the text around the cursor by its commit string.
            // The range stays inside the text, as the box reports it to input methods: Qt moves
            // the cursor past the end for a start beyond it.
            QInputMethodEvent event;
            selectionUnreliable = true;
            const int cursor = box->cursorPosition();
            const int size = int(box->text().size());
            const int from = int(input.next() % (size + 1)) - cursor;
            const int length = input.next() % (size - (cursor + from) + 1);
            event.setCommitString(input.text(), from, length);
            QApplication::sendEvent(box, &event);
            break;
        }
        case 16: {
            // A composition shown in the box, then committed (or cancelled, committing nothing).
            // Keys go to the input method while it composes, so nothing else comes between.
            QInputMethodEvent composing(input.text(), {});
            QApplication::sendEvent(box, &composing);
            checkContent("a composition", 16);
            QInputMethodEvent commit;
            commit.setCommitString(input.text());
            QApplication::sendEvent(box, &commit);
            break;
        }
        case 17:
            key(input.next() % 2 ? Qt::Key_Return : Qt::Key_Enter);
            break;
        case 18:
            key(input.next() % 2 ? Qt::Key_Backspace : Qt::Key_Delete, Qt::ControlModifier);
            break;
        case 19:
            // What submitting does after Enter, and Reset.
            box->setText(QString());
            break;
        }
        checkContent("an operation", op % 20);
        if (trace)
            std::fprintf(stderr, "operation %d (%d): \"%s\" cursor %d\n", operation, op % 20,
                         utf8(box->text()).c_str(), box->cursorPosition());
    }
    return 0;
}
