// The answer box's filter on any edit: the result holds at most four characters, only digits and
// "-", keeps every character of the text before the edit that the edit did not replace, and takes
// the answer characters of the inserted text, in order, as far as there is room; the cursor ends
// after them. Texts and positions that no edit could give must not make it fail either.
//
// Input: two bytes choose the edit (which part of the text before is replaced), the bytes up to
// a 0xFF separator give the text before, the rest the inserted text, read two bytes per UTF-16
// unit so that any unit, surrogates included, can be inserted.
#include "fuzz/fuzz_check.h"
#include "ui/answer_box.h"

#include <QString>
#include <cstdint>

using namespace varnoq;
using namespace varnoq::fuzz;

namespace {

bool isAnswerCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'-';
}

std::string describe(const QString& before, const QString& after, int position,
                     const QString& result) {
    const auto hex = [](const QString& s) {
        std::string out = "\"";
        for (QChar c : s) {
            char unit[12];
            std::snprintf(unit, sizeof unit, c.unicode() < 0x80 && c.isPrint() ? "%c" : "\\u%04X",
                          c.unicode());
            out += unit;
        }
        return out + "\"";
    };
    return "before " + hex(before) + ", after " + hex(after) + ", position " +
           std::to_string(position) + " -> " + hex(result);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t first = data[0];
    const std::uint8_t second = data[1];
    data += 2;
    size -= 2;

    // The text before the edit: what the box can hold, up to four answer characters.
    QString before;
    std::size_t i = 0;
    for (; i < size && data[i] != 0xFF; ++i)
        if (before.size() < AnswerFilter::MAX_CHARACTERS)
            before += QChar(u"0123456789-"[data[i] % 11]);
    if (i < size)
        ++i;
    QString inserted;
    for (; i + 1 < size; i += 2)
        inserted += QChar(char16_t(data[i] | (data[i + 1] << 8)));

    // Any edit: the characters from `from` to `to` of the text before replaced by `inserted`.
    const int from = first % (before.size() + 1);
    const int to = from + second % (before.size() - from + 1);
    const QString after = before.left(from) + inserted + before.mid(to);
    int position = from + int(inserted.size());
    const int given = position;
    const QString result = AnswerFilter::filtered(before, after, position);
    const std::string detail = describe(before, after, given, result);

    require(result.size() <= AnswerFilter::MAX_CHARACTERS, "at most four characters", detail);
    for (QChar c : result)
        require(isAnswerCharacter(c), "only digits and '-'", detail);
    require(result.startsWith(before.left(from)), "the text before the edit is kept", detail);
    require(result.endsWith(before.mid(to)), "the text after the edit is kept", detail);

    QString kept;
    for (QChar c : inserted)
        if (isAnswerCharacter(c))
            kept += c;
    kept.truncate(AnswerFilter::MAX_CHARACTERS - (before.size() - (to - from)));
    require(result == before.left(from) + kept + before.mid(to),
            "the inserted answer characters are taken in order, as far as there is room", detail);
    require(position == from + kept.size(), "the cursor stands after what was taken",
            detail + ", cursor " + std::to_string(position));

    // Texts no edit could give, and any cursor: no failure, a cursor inside the result.
    QString loose;
    for (std::size_t j = 0; j + 1 < size; j += 2)
        loose += QChar(char16_t(data[j] | (data[j + 1] << 8)));
    int anywhere = int(std::int8_t(first)) * 3 + int(std::int8_t(second));
    const QString looseResult = AnswerFilter::filtered(inserted, loose, anywhere);
    require(anywhere >= 0 && anywhere <= looseResult.size(), "the cursor stays in the text",
            describe(inserted, loose, anywhere, looseResult));
    return 0;
}
