#include "runtime/random_source.h"

#include <QtTest>
#include <array>
#include <chrono>
#include <limits>
#include <thread>
#include <vector>

using namespace varnoq;

namespace {

std::vector<std::int32_t> draws(RandomSource& source, int count, std::int32_t lo, std::int32_t hi) {
    std::vector<std::int32_t> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        values.push_back(source.randomInt(lo, hi));
    }
    return values;
}

} // namespace

class TestRandomSource : public QObject {
    Q_OBJECT

private slots:
    void equalBoundsDoNotAdvance_data();
    void equalBoundsDoNotAdvance();
    void drawsStayInRange_data();
    void drawsStayInRange();
    void oneToTwentyIsUniform_data();
    void oneToTwentyIsUniform();
    void seedsAccumulate_data();
    void seedsAccumulate();
    void generatorFollowsSeed();
    void tickCountAdvances();
    void programWideSource();
};

void TestRandomSource::equalBoundsDoNotAdvance_data() {
    QTest::addColumn<qint32>("lo");
    QTest::addColumn<qint32>("hi");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("5 and 5") << 5 << 5 << 5;
    QTest::newRow("0 and 0") << 0 << 0 << 0;
    QTest::newRow("two negatives count as 0") << -4 << -9 << 0;
    QTest::newRow("negative and 0") << -1 << 0 << 0;
    QTest::newRow("largest") << std::numeric_limits<qint32>::max()
                             << std::numeric_limits<qint32>::max()
                             << std::numeric_limits<qint32>::max();
}

void TestRandomSource::equalBoundsDoNotAdvance() {
    QFETCH(qint32, lo);
    QFETCH(qint32, hi);
    QFETCH(qint32, expected);

    RandomSource plain;
    RandomSource interleaved;
    plain.seedRandom(4242);
    interleaved.seedRandom(4242);

    for (int i = 0; i < 200; ++i) {
        QCOMPARE(interleaved.randomInt(lo, hi), expected);
        QCOMPARE(interleaved.randomInt(1, 1000), plain.randomInt(1, 1000));
    }
}

void TestRandomSource::drawsStayInRange_data() {
    QTest::addColumn<qint32>("lo");
    QTest::addColumn<qint32>("hi");
    QTest::addColumn<qint32>("smallest");
    QTest::addColumn<qint32>("largest");

    QTest::newRow("3 to 7") << 3 << 7 << 3 << 7;
    QTest::newRow("7 and 3 swapped") << 7 << 3 << 3 << 7;
    QTest::newRow("-4 and 2") << -4 << 2 << 0 << 2;
    QTest::newRow("2 and -4") << 2 << -4 << 0 << 2;
    QTest::newRow("1 and 0") << 1 << 0 << 0 << 1;
    QTest::newRow("near the top") << std::numeric_limits<qint32>::max() - 3
                                  << std::numeric_limits<qint32>::max()
                                  << std::numeric_limits<qint32>::max() - 3
                                  << std::numeric_limits<qint32>::max();
}

void TestRandomSource::drawsStayInRange() {
    QFETCH(qint32, lo);
    QFETCH(qint32, hi);
    QFETCH(qint32, smallest);
    QFETCH(qint32, largest);

    RandomSource source;
    source.seedRandom(77);
    std::vector<int> seen(static_cast<std::size_t>(largest - smallest) + 1, 0);
    for (std::int32_t value : draws(source, 2000, lo, hi)) {
        QVERIFY2(value >= smallest && value <= largest, qPrintable(QString::number(value)));
        ++seen[static_cast<std::size_t>(value - smallest)];
    }
    for (std::size_t offset = 0; offset < seen.size(); ++offset) {
        QVERIFY2(seen[offset] > 0, qPrintable(QString::number(smallest + qint32(offset))));
    }
}

void TestRandomSource::oneToTwentyIsUniform_data() {
    QTest::addColumn<quint32>("tick");

    QTest::newRow("tick 0") << 0u;
    QTest::newRow("tick 123456") << 123456u;
    QTest::newRow("tick 4294967295") << 4294967295u;
}

void TestRandomSource::oneToTwentyIsUniform() {
    QFETCH(quint32, tick);

    constexpr int kDraws = 20000;
    RandomSource source;
    source.seedRandom(tick);
    std::array<int, 21> counts{};
    for (std::int32_t value : draws(source, kDraws, 1, 20)) {
        QVERIFY2(value >= 1 && value <= 20, qPrintable(QString::number(value)));
        ++counts[static_cast<std::size_t>(value)];
    }
    // 1000 expected per value with a standard deviation near 31, and 10000 odd with one near 71:
    // the margins are about eight standard deviations wide.
    int odd = 0;
    for (std::int32_t value = 1; value <= 20; ++value) {
        QVERIFY2(counts[value] > 750 && counts[value] < 1250,
                 qPrintable(QStringLiteral("%1 drawn %2 times").arg(value).arg(counts[value])));
        if (value % 2 == 1) {
            odd += counts[value];
        }
    }
    QVERIFY2(odd > kDraws / 2 - 550 && odd < kDraws / 2 + 550,
             qPrintable(QStringLiteral("%1 odd of %2").arg(odd).arg(kDraws)));
}

void TestRandomSource::seedsAccumulate_data() {
    QTest::addColumn<quint32>("tick");
    QTest::addColumn<quint32>("firstSeed");
    QTest::addColumn<quint32>("secondSeed");

    QTest::newRow("tick 0") << 0u << 0u << 100u;
    QTest::newRow("tick 1000") << 1000u << 1000u << 1332u;
    QTest::newRow("wraps around") << 4294967295u << 4294967295u << 354u;
}

void TestRandomSource::seedsAccumulate() {
    QFETCH(quint32, tick);
    QFETCH(quint32, firstSeed);
    QFETCH(quint32, secondSeed);

    RandomSource source;
    source.seedRandom(tick);
    QCOMPARE(source.seed(), firstSeed);
    source.seedRandom(tick);
    QCOMPARE(source.seed(), secondSeed);
}

void TestRandomSource::generatorFollowsSeed() {
    RandomSource twice;
    twice.seedRandom(5000);
    const std::vector<std::int32_t> afterFirst = draws(twice, 50, 1, 1000000);
    twice.seedRandom(5000);
    const std::vector<std::int32_t> afterSecond = draws(twice, 50, 1, 1000000);

    RandomSource fresh;
    fresh.seedRandom(5000);
    QCOMPARE(draws(fresh, 50, 1, 1000000), afterFirst);

    RandomSource direct;
    direct.seedRandom(twice.seed());
    QCOMPARE(draws(direct, 50, 1, 1000000), afterSecond);
    QVERIFY(afterSecond != afterFirst);
}

void TestRandomSource::tickCountAdvances() {
    const std::uint32_t before = tickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::uint32_t elapsed = tickCount() - before;
    QVERIFY2(elapsed >= 29 && elapsed < 60000, qPrintable(QString::number(elapsed)));
}

void TestRandomSource::programWideSource() {
    const std::uint32_t before = tickCount();
    varnoq::seedRandom();
    const std::uint32_t after = tickCount();
    // The first seeding of the program: the seed is the tick count itself.
    QVERIFY(randomSource().seed() - before <= after - before);

    RandomSource copy = randomSource();
    for (int i = 0; i < 100; ++i) {
        QCOMPARE(varnoq::randomInt(1, 20), copy.randomInt(1, 20));
    }
}

QTEST_APPLESS_MAIN(TestRandomSource)
#include "test_random_source.moc"
