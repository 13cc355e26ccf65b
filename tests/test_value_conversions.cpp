#include "runtime/value_conversions.h"

#include <QtTest>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

using namespace varnoq;

namespace {

quint64 bitsOf(double x) {
    return std::bit_cast<quint64>(x);
}
double fromBits(quint64 bits) {
    return std::bit_cast<double>(bits);
}

// Bits and value together, so a mismatch in the last bit or the sign of a zero fails with a
// readable message.
QString describe(double x) {
    return QStringLiteral("%1 (%2)")
        .arg(bitsOf(x), 16, 16, QLatin1Char('0'))
        .arg(QString::number(x, 'g', 17));
}

std::string_view view(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTwoTo31 = 2147483648.0;
constexpr double kTwoTo63 = 9223372036854775808.0;
constexpr quint64 kInvalidNaNBits = 0xFFF8000000000000ULL;

} // namespace

class TestValueConversions : public QObject {
    Q_OBJECT

private slots:
    void toNumber_data();
    void toNumber();
    void holdsNumber_data();
    void holdsNumber();
    void normalizeNumberText_data();
    void normalizeNumberText();
    void conversionsIgnoreLocale();
    void toTextInteger_data();
    void toTextInteger();
    void toTextReal_data();
    void toTextReal();
    void roundHalfAway_data();
    void roundHalfAway();
    void floorToInt_data();
    void floorToInt();
    void truncToInt_data();
    void truncToInt();
    void squareRoot_data();
    void squareRoot();
    void realRemainder_data();
    void realRemainder();
    void compareText_data();
    void compareText();
    void concatText();
};

void TestValueConversions::toNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("42") << QByteArray("42") << 42.0;
    QTest::newRow("space before") << QByteArray(" 42") << 42.0;
    QTest::newRow("ideographic space before") << QByteArray("　42") << 42.0;
    QTest::newRow("all white space kinds before") << QByteArray("\t\n\v\f\r 7") << 7.0;
    QTest::newRow("full-width digits") << QByteArray("４２") << 42.0;
    QTest::newRow("full-width minus") << QByteArray("－５") << -5.0;
    QTest::newRow("full-width plus and point") << QByteArray("＋３．５") << 3.5;
    QTest::newRow("full-width exponent e") << QByteArray("１ｅ２") << 100.0;
    QTest::newRow("full-width exponent D and minus") << QByteArray("２Ｄ－１") << 0.2;
    QTest::newRow("3.5") << QByteArray("3.5") << 3.5;
    QTest::newRow(".5") << QByteArray(".5") << 0.5;
    QTest::newRow("5.") << QByteArray("5.") << 5.0;
    QTest::newRow("+.5e1") << QByteArray("+.5e1") << 5.0;
    QTest::newRow("1e2") << QByteArray("1e2") << 100.0;
    QTest::newRow("1d2") << QByteArray("1d2") << 100.0;
    QTest::newRow("1E+2") << QByteArray("1E+2") << 100.0;
    QTest::newRow("1D-2") << QByteArray("1D-2") << 0.01;
    QTest::newRow("1e") << QByteArray("1e") << 1.0;
    QTest::newRow("1e+") << QByteArray("1e+") << 1.0;
    QTest::newRow("1e-x") << QByteArray("1e-x") << 1.0;
    QTest::newRow("1ee2") << QByteArray("1ee2") << 1.0;
    QTest::newRow("exponent has no point") << QByteArray("1e2.5") << 100.0;
    QTest::newRow("second point ends") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("12abc") << QByteArray("12abc") << 12.0;
    QTest::newRow("1 2") << QByteArray("1 2") << 1.0;
    QTest::newRow("ideographic space inside") << QByteArray("１　２") << 1.0;
    QTest::newRow("other character ends") << QByteArray("7×2") << 7.0;
    QTest::newRow("abc") << QByteArray("abc") << 0.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("minus alone") << QByteArray("-") << 0.0;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("minus point") << QByteArray("-.") << 0.0;
    QTest::newRow("space after sign") << QByteArray("- 5") << 0.0;
    QTest::newRow("minus letters is plus zero") << QByteArray("-abc") << 0.0;
    QTest::newRow("0x10") << QByteArray("0x10") << 0.0;
    QTest::newRow("inf word") << QByteArray("inf") << 0.0;
    QTest::newRow("nan word") << QByteArray("nan") << 0.0;
    QTest::newRow("-0 keeps sign") << QByteArray("-0") << -0.0;
    QTest::newRow("toText output 1e+013") << QByteArray("1e+013") << 1e13;
    QTest::newRow("toText output 1.5e-007") << QByteArray("1.5e-007") << 1.5e-7;
    QTest::newRow("toText output 0.3333333333333")
        << QByteArray("0.3333333333333") << 0.3333333333333;

    // 2^53 + 1 lies halfway between two doubles, so one digit past it decides the rounding.
    QTest::newRow("25th digit counts")
        << QByteArray("9007199254740993.000000001") << 9007199254740994.0;
    QTest::newRow("26th digit ignored")
        << QByteArray("9007199254740993.0000000001") << 9007199254740992.0;
    QTest::newRow("leading zeros are not significant")
        << QByteArray("0.00009007199254740993000000000001e20") << 9007199254740992.0;
    QTest::newRow("ignored digits shift magnitude")
        << QByteArray("1234567890123456789012345678") << 1.234567890123456789012345e27;

    QTest::newRow("1e999") << QByteArray("1e999") << kInf;
    QTest::newRow("-1e999") << QByteArray("-1e999") << -kInf;
    QTest::newRow("largest double")
        << QByteArray("1.7976931348623157e308") << std::numeric_limits<double>::max();
    QTest::newRow("just below overflow halfway")
        << QByteArray("1.7976931348623158e308") << std::numeric_limits<double>::max();
    QTest::newRow("just above overflow halfway") << QByteArray("1.7976931348623159e308") << kInf;
    QTest::newRow("smallest normal")
        << QByteArray("2.2250738585072014e-308") << std::numeric_limits<double>::min();
    QTest::newRow("subnormal") << QByteArray("1e-310") << 1e-310;
    QTest::newRow("smallest subnormal")
        << QByteArray("4.9406564584124654e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("rounds up to smallest subnormal")
        << QByteArray("3e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("underflows to zero") << QByteArray("2e-324") << 0.0;
    QTest::newRow("underflows to minus zero") << QByteArray("-1e-400") << -0.0;

    QTest::newRow("huge exponent") << bytes("1e" + std::string(1000, '9')) << kInf;
    QTest::newRow("huge negative exponent") << bytes("-1e-" + std::string(1000, '9')) << -0.0;
    QTest::newRow("zero with huge exponent") << bytes("0e" + std::string(1000, '9')) << 0.0;
    QTest::newRow("400 integer digits") << bytes("1" + std::string(400, '0')) << kInf;
    QTest::newRow("fraction zeros undone by exponent")
        << bytes("0." + std::string(320, '0') + "1e330") << 1e9;
    QTest::newRow("integer digits undone by exponent")
        << bytes("25" + std::string(500, '0') + "e-500") << 25.0;
}

void TestValueConversions::toNumber() {
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(describe(varnoq::toNumber(view(text))), describe(expected));
}

void TestValueConversions::holdsNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("minus alone") << QByteArray("-") << false;
    QTest::newRow("two minus signs") << QByteArray("--") << false;
    QTest::newRow("letters") << QByteArray("abc") << false;
    QTest::newRow("point alone") << QByteArray(" .") << false;
    QTest::newRow("sign, space, digit") << QByteArray("- 5") << false;
    QTest::newRow("exponent without mantissa") << QByteArray("e5") << false;
    QTest::newRow("ideographic space alone") << QByteArray("　") << false;
    QTest::newRow("-0") << QByteArray("-0") << true;
    QTest::newRow("07") << QByteArray("07") << true;
    QTest::newRow("0-") << QByteArray("0-") << true;
    QTest::newRow("point then digit") << QByteArray(".5") << true;
    QTest::newRow("digit then point") << QByteArray("5.") << true;
    QTest::newRow("full-width after ideographic space") << QByteArray("　－０") << true;
    QTest::newRow("zero underflowing exponent") << QByteArray("1e-999") << true;
}

void TestValueConversions::holdsNumber() {
    QFETCH(QByteArray, text);
    QFETCH(bool, expected);
    QCOMPARE(varnoq::holdsNumber(view(text)), expected);
}

void TestValueConversions::normalizeNumberText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("ASCII unchanged") << QByteArray("a 1.5e-3 $~*") << QByteArray("a 1.5e-3 $~*");
    QTest::newRow("ideographic space") << QByteArray("x　y") << QByteArray("x y");
    QTest::newRow("wave dash") << QByteArray("～") << QByteArray("~");
    QTest::newRow("stars") << QByteArray("☆★") << QByteArray("**");
    QTest::newRow("full-width digits and signs")
        << QByteArray("０１２３４５６７８９＋－．") << QByteArray("0123456789+-.");
    QTest::newRow("full-width letters") << QByteArray("ｅＥｄＤａＺ") << QByteArray("eEdDaZ");
    QTest::newRow("ends of the full-width row") << QByteArray("！｝") << QByteArray("!}");
    QTest::newRow("full-width dollar unchanged") << QByteArray("＄5") << QByteArray("＄5");
    QTest::newRow("yen sign to dollar") << QByteArray("￥5") << QByteArray("$5");
    QTest::newRow("macron to tilde") << QByteArray("￣") << QByteArray("~");
    QTest::newRow("neighbours of the row unchanged")
        << QByteArray("\xEF\xBC\x80\xEF\xBD\x9F") << QByteArray("\xEF\xBC\x80\xEF\xBD\x9F");
    QTest::newRow("other characters unchanged") << QByteArray("×÷错") << QByteArray("×÷错");
    QTest::newRow("four-byte character unchanged") << QByteArray("𝟘") << QByteArray("𝟘");
    QTest::newRow("ordinary spaces kept") << QByteArray(" 1 ") << QByteArray(" 1 ");
    QTest::newRow("cut-off character dropped") << QByteArray("５\xEF\xBC") << QByteArray("5");
    QTest::newRow("lone lead byte at end dropped") << QByteArray("5\xE3") << QByteArray("5");
    QTest::newRow("malformed lead byte kept") << QByteArray("\xE3"
                                                            "5")
                                              << QByteArray("\xE3"
                                                            "5");
    QTest::newRow("stray continuation byte kept") << QByteArray("\x80"
                                                                "1")
                                                  << QByteArray("\x80"
                                                                "1");
}

void TestValueConversions::normalizeNumberText() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(varnoq::normalizeNumberText(view(text))), expected);
}

void TestValueConversions::conversionsIgnoreLocale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        QSKIP("the de_DE.UTF-8 locale is not available");
    }
    const std::string decimalPoint = std::localeconv()->decimal_point;
    const double number = varnoq::toNumber("3.5");
    const std::string text = varnoq::toText(0.5);
    std::setlocale(LC_ALL, "C");

    QCOMPARE(decimalPoint, std::string(","));
    QCOMPARE(describe(number), describe(3.5));
    QCOMPARE(text, std::string("0.5"));
}

void TestValueConversions::toTextInteger_data() {
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("0") << 0 << QByteArray("0");
    QTest::newRow("-7") << -7 << QByteArray("-7");
    QTest::newRow("no group separators") << 1000000 << QByteArray("1000000");
    QTest::newRow("largest") << std::numeric_limits<qint32>::max() << QByteArray("2147483647");
    QTest::newRow("smallest") << std::numeric_limits<qint32>::min() << QByteArray("-2147483648");
}

void TestValueConversions::toTextInteger() {
    QFETCH(qint32, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(varnoq::toText(std::int32_t{value})), expected);
}

void TestValueConversions::toTextReal_data() {
    QTest::addColumn<quint64>("bits");
    QTest::addColumn<QByteArray>("expected");

    volatile double zero = 0.0;
    volatile double one = 1.0;

    QTest::newRow("67") << bitsOf(67.0) << QByteArray("67");
    QTest::newRow("100") << bitsOf(100.0) << QByteArray("100");
    QTest::newRow("0.5") << bitsOf(0.5) << QByteArray("0.5");
    QTest::newRow("1/3") << bitsOf(one / 3.0) << QByteArray("0.3333333333333");
    QTest::newRow("2/3") << bitsOf(2.0 * one / 3.0) << QByteArray("0.6666666666667");
    QTest::newRow("0.1+0.2") << bitsOf(0.1 * one + 0.2) << QByteArray("0.3");
    QTest::newRow("13 digits") << bitsOf(1234567890123.0) << QByteArray("1234567890123");
    QTest::newRow("14 digits") << bitsOf(12345678901234.0) << QByteArray("1.234567890123e+013");
    QTest::newRow("carry to 1e+013") << bitsOf(9999999999999.5) << QByteArray("1e+013");
    QTest::newRow("largest plain") << bitsOf(9999999999999.0) << QByteArray("9999999999999");
    QTest::newRow("1e12") << bitsOf(1e12) << QByteArray("1000000000000");
    QTest::newRow("1e13") << bitsOf(1e13) << QByteArray("1e+013");
    QTest::newRow("0.0001") << bitsOf(0.0001) << QByteArray("0.0001");
    QTest::newRow("0.00001") << bitsOf(0.00001) << QByteArray("1e-005");
    QTest::newRow("0.0000999") << bitsOf(0.0000999) << QByteArray("9.99e-005");
    QTest::newRow("carry back to plain form")
        << bitsOf(0.000099999999999995) << QByteArray("0.0001");
    QTest::newRow("negative carry back to plain form")
        << bitsOf(-0.000099999999999995) << QByteArray("-0.0001");
    QTest::newRow("1.5e-007") << bitsOf(1.5e-7) << QByteArray("1.5e-007");
    QTest::newRow("2.5e+100") << bitsOf(2.5e100) << QByteArray("2.5e+100");
    QTest::newRow("1e-100") << bitsOf(1e-100) << QByteArray("1e-100");
    QTest::newRow("-1e-005") << bitsOf(-1e-5) << QByteArray("-1e-005");
    QTest::newRow("-7.25") << bitsOf(-7.25) << QByteArray("-7.25");
    QTest::newRow("123456.789") << bitsOf(123456.789) << QByteArray("123456.789");
    QTest::newRow("carry into a new digit") << bitsOf(9.99999999999995) << QByteArray("10");
    QTest::newRow("half rounds up, not to even")
        << bitsOf(1234567890122.5) << QByteArray("1234567890123");
    // Its exact digits are 1.66933300640949999..., but 17 digits come first: ...095000.
    QTest::newRow("17 digits first") << bitsOf(1.6693330064095) << QByteArray("1.66933300641");
    QTest::newRow("largest double")
        << bitsOf(std::numeric_limits<double>::max()) << QByteArray("1.797693134862e+308");
    QTest::newRow("smallest subnormal")
        << bitsOf(std::numeric_limits<double>::denorm_min()) << QByteArray("4.940656458412e-324");
    QTest::newRow("zero") << bitsOf(0.0) << QByteArray("0");
    QTest::newRow("minus zero") << bitsOf(-0.0) << QByteArray("0");
    QTest::newRow("1/0") << bitsOf(one / zero) << QByteArray("1.#INF");
    QTest::newRow("-infinity") << bitsOf(-kInf) << QByteArray("-1.#INF");
    QTest::newRow("0/0 at run time") << bitsOf(zero / zero) << QByteArray("-1.#IND");
    QTest::newRow("invalid-operation NaN")
        << bitsOf(invalidOperationNaN()) << QByteArray("-1.#IND");
    QTest::newRow("positive quiet NaN") << Q_UINT64_C(0x7FF8000000000000) << QByteArray("1.#QNAN");
    QTest::newRow("quiet NaN with payload")
        << Q_UINT64_C(0x7FFFFFFFFFFFFFFF) << QByteArray("1.#QNAN");
    QTest::newRow("negative quiet NaN, not the invalid one")
        << Q_UINT64_C(0xFFF8000000000001) << QByteArray("-1.#QNAN");
    QTest::newRow("signalling NaN") << Q_UINT64_C(0x7FF0000000000001) << QByteArray("1.#SNAN");
    QTest::newRow("negative signalling NaN")
        << Q_UINT64_C(0xFFF4000000000000) << QByteArray("-1.#SNAN");
}

void TestValueConversions::toTextReal() {
    QFETCH(quint64, bits);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(varnoq::toText(fromBits(bits))), expected);
}

void TestValueConversions::roundHalfAway_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<qint32>("places");
    QTest::addColumn<double>("expected");

    volatile double forty = 40.0;
    const double nan = fromBits(0x7FF8000000000123ULL);

    QTest::newRow("12.5") << 12.5 << 0 << 13.0;
    QTest::newRow("-12.5") << -12.5 << 0 << -13.0;
    QTest::newRow("12.4999") << 12.4999 << 0 << 12.0;
    QTest::newRow("2.5") << 2.5 << 0 << 3.0;
    QTest::newRow("-2.5") << -2.5 << 0 << -3.0;
    QTest::newRow("nudged over the half") << 0.4999999999995 << 0 << 1.0;
    QTest::newRow("too far below the half") << 0.499999999998 << 0 << 0.0;
    QTest::newRow("57.49999999999999") << 57.49999999999999 << 0 << 58.0;
    QTest::newRow("23/40*100") << 23.0 / forty * 100.0 << 0 << 58.0;
    QTest::newRow("half at 2^52") << 4503599627370495.5 << 0 << 4503599627370496.0;
    QTest::newRow("zero") << 0.0 << 0 << 0.0;
    QTest::newRow("minus zero") << -0.0 << 0 << -0.0;
    QTest::newRow("negative to minus zero") << -0.3 << 0 << -0.0;
    QTest::newRow("NaN unchanged") << nan << 0 << nan;
    QTest::newRow("invalid NaN unchanged")
        << fromBits(kInvalidNaNBits) << 2 << fromBits(kInvalidNaNBits);
    QTest::newRow("infinity") << kInf << 0 << kInf;
    QTest::newRow("-infinity") << -kInf << 0 << -kInf;
    QTest::newRow("1.005 to 2 places") << 1.005 << 2 << 1.01;
    QTest::newRow("2.675 to 2 places") << 2.675 << 2 << 2.68;
    QTest::newRow("-1234.5678 to 2 places") << -1234.5678 << 2 << -1234.57;
    QTest::newRow("15 to tens") << 15.0 << -1 << 20.0;
    QTest::newRow("14.9 to tens") << 14.9 << -1 << 10.0;
    QTest::newRow("150 to hundreds") << 150.0 << -2 << 200.0;
    QTest::newRow("-4 to tens is minus zero") << -4.0 << -1 << -0.0;
}

void TestValueConversions::roundHalfAway() {
    QFETCH(double, x);
    QFETCH(qint32, places);
    QFETCH(double, expected);
    QCOMPARE(describe(varnoq::roundHalfAway(x, places)), describe(expected));
}

void TestValueConversions::floorToInt_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("sqrt 10") << std::sqrt(10.0) << 3;
    QTest::newRow("sqrt 20") << std::sqrt(20.0) << 4;
    QTest::newRow("sqrt 50") << std::sqrt(50.0) << 7;
    QTest::newRow("sqrt 100") << std::sqrt(100.0) << 10;
    QTest::newRow("sqrt 200") << std::sqrt(200.0) << 14;
    QTest::newRow("sqrt 1000") << std::sqrt(1000.0) << 31;
    QTest::newRow("sqrt of largest int") << std::sqrt(2147483647.0) << 46340;
    QTest::newRow("noise below 4") << 3.9999999999995 << 4;
    QTest::newRow("just beyond the tolerance") << 3.9999999999992 << 4;
    QTest::newRow("just within the tolerance") << 3.9999999999985 << 3;
    QTest::newRow("3.99") << 3.99 << 3;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("NaN") << fromBits(kInvalidNaNBits) << 0;
    QTest::newRow("infinity") << kInf << 0;
    QTest::newRow("below 2^31") << 2147483647.5 << 2147483647;
    QTest::newRow("2^31 keeps low bits") << kTwoTo31 << std::numeric_limits<qint32>::min();
    QTest::newRow("2^32 + 5") << 4294967301.25 << 5;
    QTest::newRow("below 2^63") << kTwoTo63 - 1024.0 << -1024;
    QTest::newRow("2^63") << kTwoTo63 << 0;
}

void TestValueConversions::floorToInt() {
    QFETCH(double, x);
    QFETCH(qint32, expected);
    QCOMPARE(varnoq::floorToInt(x), expected);
}

void TestValueConversions::truncToInt_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("3.7") << 3.7 << 3;
    QTest::newRow("-3.7") << -3.7 << -3;
    QTest::newRow("0.9999") << 0.9999 << 0;
    QTest::newRow("minus zero") << -0.0 << 0;
    QTest::newRow("NaN") << fromBits(kInvalidNaNBits) << 0;
    QTest::newRow("infinity") << kInf << 0;
    QTest::newRow("-infinity") << -kInf << 0;
    QTest::newRow("2^31 - 1") << kTwoTo31 - 1.0 << std::numeric_limits<qint32>::max();
    QTest::newRow("2^31 keeps low bits") << kTwoTo31 << std::numeric_limits<qint32>::min();
    QTest::newRow("-2^31") << -kTwoTo31 << std::numeric_limits<qint32>::min();
    QTest::newRow("-2^31 - 1 keeps low bits")
        << -kTwoTo31 - 1.5 << std::numeric_limits<qint32>::max();
    QTest::newRow("2^32 + 5") << 4294967301.75 << 5;
    QTest::newRow("below 2^63") << kTwoTo63 - 1024.0 << -1024;
    QTest::newRow("2^63") << kTwoTo63 << 0;
    QTest::newRow("above -2^63") << -kTwoTo63 + 1024.0 << 1024;
    QTest::newRow("-2^63") << -kTwoTo63 << 0;
    QTest::newRow("below -2^63") << -kTwoTo63 - 2048.0 << 0;
    QTest::newRow("1e300") << 1e300 << 0;
}

void TestValueConversions::truncToInt() {
    QFETCH(double, x);
    QFETCH(qint32, expected);
    QCOMPARE(varnoq::truncToInt(x), expected);
}

void TestValueConversions::squareRoot_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");

    QTest::newRow("4") << 4.0 << 2.0;
    QTest::newRow("2") << 2.0 << 1.4142135623730951;
    QTest::newRow("1000") << 1000.0 << 31.622776601683793;
    QTest::newRow("minus zero") << -0.0 << -0.0;
    QTest::newRow("infinity") << kInf << kInf;
    QTest::newRow("-1") << -1.0 << fromBits(kInvalidNaNBits);
    QTest::newRow("smallest negative")
        << -std::numeric_limits<double>::denorm_min() << fromBits(kInvalidNaNBits);
    QTest::newRow("-infinity") << -kInf << fromBits(kInvalidNaNBits);
}

void TestValueConversions::squareRoot() {
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(describe(varnoq::squareRoot(x)), describe(expected));
}

void TestValueConversions::realRemainder_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");

    QTest::newRow("7 by 2") << 7.0 << 2.0 << 1.0;
    QTest::newRow("8 by 2") << 8.0 << 2.0 << 0.0;
    QTest::newRow("-7 by 2") << -7.0 << 2.0 << -1.0;
    QTest::newRow("-8 by 2 is minus zero") << -8.0 << 2.0 << -0.0;
    QTest::newRow("7.5 by 2") << 7.5 << 2.0 << 1.5;
    QTest::newRow("sign of the dividend") << 5.5 << -2.0 << 1.5;
    QTest::newRow("exact for large dividends") << 1e17 << 3.0 << 1.0;
    QTest::newRow("0.3 by 0.1") << 0.3 << 0.1 << 0.09999999999999998;
}

void TestValueConversions::realRemainder() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QCOMPARE(describe(varnoq::realRemainder(a, b)), describe(expected));
}

void TestValueConversions::compareText_data() {
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("times equal") << QByteArray("×") << QByteArray("×") << 0;
    QTest::newRow("both empty") << QByteArray("") << QByteArray("") << 0;
    QTest::newRow("empty before plus") << QByteArray("") << QByteArray("+") << -1;
    QTest::newRow("plus after empty") << QByteArray("+") << QByteArray("") << 1;
    QTest::newRow("first byte smaller") << QByteArray("a") << QByteArray("b") << -1;
    QTest::newRow("first byte larger") << QByteArray("b") << QByteArray("a") << 1;
    QTest::newRow("proper prefix smaller") << QByteArray("ab") << QByteArray("abc") << -1;
    QTest::newRow("longer larger") << QByteArray("abc") << QByteArray("ab") << 1;
    QTest::newRow("difference decides, not length") << QByteArray("b") << QByteArray("ab") << 1;
    QTest::newRow("bytes are unsigned") << QByteArray("\x80") << QByteArray("a") << 1;
    QTest::newRow("times before divide") << QByteArray("×") << QByteArray("÷") << -1;
    QTest::newRow("minus differs from plus") << QByteArray("-") << QByteArray("+") << 1;
}

void TestValueConversions::compareText() {
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(qint32, expected);
    QCOMPARE(varnoq::compareText(view(a), view(b)), expected);
}

void TestValueConversions::concatText() {
    QCOMPARE(varnoq::concatText({"12", "×", "3", "=", "36"}), std::string("12×3=36"));
    QCOMPARE(varnoq::concatText({"50", "%"}), std::string("50%"));
    QCOMPARE(varnoq::concatText({"", "错", ""}), std::string("错"));
    QCOMPARE(varnoq::concatText({"", ""}), std::string());
}

QTEST_APPLESS_MAIN(TestValueConversions)
#include "test_value_conversions.moc"
