// The target roll: its range, the 50 values the player sees spin past, the
// pause between them, and the answers list it clears.

#include "mathsmod.h"
#include "random.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

// Remembers every text it was drawn with.
class RecordingLabel : public QLabel
{
public:
    QStringList shown;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (!text().isEmpty() && (shown.isEmpty() || shown.last() != text()))
            shown << text();
        QLabel::paintEvent(event);
    }
};

} // namespace

class TestDrawTarget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { platform::resetRandomForTesting(); }

    void rollsFiftyValuesAndStopsOnTheLast();
    void rangeOfOneValue();
    void oneRollCoversTheWholeRange_data();
    void oneRollCoversTheWholeRange();
};

void TestDrawTarget::rollsFiftyValuesAndStopsOnTheLast()
{
    RecordingLabel target;
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    QListWidget answers;
    answers.addItems({"old answer", "another"});
    QLabel status;
    QPushButton button;
    MathsMod::BindControls({&answers, &status, &button, &target});

    // The values the generator will give, worked out beforehand.
    constexpr quint64 Seed = 2024;
    platform::seedRandomForTesting(Seed);
    QStringList expected;
    for (int pass = 0; pass < 50; ++pass) {
        const QString value =
            QString::number(MathsMod::TargetFromRandom(platform::rnd(), 999, 101));
        if (expected.isEmpty() || expected.last() != value)
            expected << value;
    }
    platform::seedRandomForTesting(Seed);

    qint16 highest = 999;
    qint16 lowest = 101;
    QList<qint32> chosen{0};
    QElapsedTimer clock;
    clock.start();
    const qint16 result = MathsMod::DrawTarget(highest, lowest, chosen);
    QVERIFY(clock.elapsed() >= 50 * 10);
    QCOMPARE(answers.count(), 0);
    QCOMPARE(target.text(), QString::number(result));
    QCOMPARE(target.shown, expected); // every value reached the screen
    for (const QString &value : target.shown)
        QVERIFY(value.toInt() >= 101 && value.toInt() <= 999);
    MathsMod::BindControls({});
}

void TestDrawTarget::rangeOfOneValue()
{
    QLabel target;
    QListWidget answers;
    QLabel status;
    QPushButton button;
    MathsMod::BindControls({&answers, &status, &button, &target});
    qint16 bound = 500;
    QList<qint32> chosen{0};
    QCOMPARE(MathsMod::DrawTarget(bound, bound, chosen), qint16(500));
    QCOMPARE(target.text(), QStringLiteral("500"));
    MathsMod::BindControls({});
}

void TestDrawTarget::oneRollCoversTheWholeRange_data()
{
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("lowest");
    QTest::newRow("default") << 999 << 101;
    QTest::newRow("one value") << 500 << 500;
    // Bounds the settings store could hold: the span does not fit 16 bits.
    QTest::newRow("whole 16-bit range") << 32767 << -32768;
}

void TestDrawTarget::oneRollCoversTheWholeRange()
{
    QFETCH(int, highest);
    QFETCH(int, lowest);
    const auto h = qint16(highest);
    const auto l = qint16(lowest);
    QCOMPARE(MathsMod::TargetFromRandom(0.0, h, l), l);
    QCOMPARE(MathsMod::TargetFromRandom(std::nextafter(1.0, 0.0), h, l), h);
    QCOMPARE(MathsMod::TargetFromRandom(0.5, h, l),
             qint16(std::floor(0.5 * (highest - lowest + 1) + lowest)));
    for (int i = 0; i < 2000; ++i) {
        const qint16 t = MathsMod::TargetFromRandom(platform::rnd(), h, l);
        QVERIFY(t >= l && t <= h);
    }
}

QTEST_MAIN(TestDrawTarget)
#include "tst_drawtarget.moc"
