#include "mathsmod.h"

#include "completelisting.h"
#include "completesearch.h"
#include "globalbas.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <array>
#include <functional>
#include <memory>

namespace {

using Numbers = std::array<std::int32_t, 7>;
const Numbers kBoard523{100, 75, 8, 5, 3, 2, 0};

// Runs a function at every yield of the search: an event re-posted each time
// it is delivered reaches it once per pass over the queue.
class YieldProbe : public QObject
{
public:
    explicit YieldProbe(std::function<void()> onYield)
        : onYield_(std::move(onYield))
    {
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
    int deliveries = 0;

protected:
    void customEvent(QEvent *) override
    {
        ++deliveries;
        if (onYield_)
            onYield_();
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

private:
    std::function<void()> onYield_;
};

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

QStringList items(const QListWidget &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

} // namespace

class TestSolverMathsMod : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void finishedSearch();
    void finishedWithoutAnswers();
    void completeSearchWhenNothingFound_data();
    void completeSearchWhenNothingFound();
    void stoppedSearchShowsNoCompleteSearch();
    void completeListingKeepsTheSimplest100();
    void labelAndButtonDuringSearch();
    void stopThroughNestedClick();
    void restartAfterStopKeepsAnswers();
    void nestedStartIsIgnored();
    void labelRepaintsAtMostOncePerFrame();
    void controlsDestroyedDuringSearch();
    void addAnswerStripsAndSkipsDuplicates();
    void refusesWhatItCannotSearch();

private:
    // What the main window does on a click of the answer button.
    void answerClicked();
    void search(const std::array<std::int32_t, 7> &numbers, std::int32_t target);

    std::unique_ptr<QWidget> window_;
    QListWidget *list_ = nullptr;
    QLabel *label_ = nullptr;
    QPushButton *button_ = nullptr;
    std::array<std::int32_t, 7> numbers_ = kBoard523;
    std::int32_t target_ = 523;
};

void TestSolverMathsMod::init()
{
    window_ = std::make_unique<QWidget>();
    window_->resize(640, 480);
    button_ = new QPushButton(QStringLiteral("Show Answer(s)"), window_.get());
    button_->setGeometry(10, 10, 240, 40);
    label_ = new QLabel(window_.get());
    label_->setGeometry(260, 10, 250, 40);
    list_ = new QListWidget(window_.get());
    list_->setGeometry(10, 60, 400, 400);
    connect(button_, &QPushButton::clicked, this, &TestSolverMathsMod::answerClicked);
    window_->show();
    MathsMod::BindControls({list_, label_, button_});
    MathsMod::SearchRunning = false;
    MathsMod::CombinationCount = 0;
    numbers_ = kBoard523;
    target_ = 523;
}

void TestSolverMathsMod::cleanup()
{
    window_.reset();
    MathsMod::BindControls({});
    GLOBALbas::CompleteSearch = false;
}

void TestSolverMathsMod::answerClicked()
{
    if (button_->text() == QLatin1String("Show Answer(s)")) {
        MathsMod::CombinationCount = 0;
        button_->setText(QStringLiteral("Stop Search"));
        label_->setText(QStringLiteral("Searching..."));
        QCoreApplication::processEvents();
        MathsMod::StartSearch(numbers_, target_);
    } else if (button_->text() == QLatin1String("Stop Search")) {
        MathsMod::SearchRunning = false;
    }
}

void TestSolverMathsMod::search(const std::array<std::int32_t, 7> &numbers, std::int32_t target)
{
    numbers_ = numbers;
    target_ = target;
    QTest::mouseClick(button_, Qt::LeftButton);
}

void TestSolverMathsMod::finishedSearch()
{
    search(kBoard523, 523);
    QVERIFY(MathsMod::SearchRunning);
    QCOMPARE(MathsMod::CombinationCount, 210492);
    QCOMPARE(label_->text(), QStringLiteral("Searched 210492 combinations: \n32 answers found."));
    QCOMPARE(button_->text(), QStringLiteral("Search Finished"));
    const QStringList answers = items(*list_);
    QCOMPARE(answers.size(), 32);
    QCOMPARE(answers.mid(0, 3),
             (QStringList{"((100+75)x3)-2", "(((100+75)+2)x3)-8", "(((100+8)-3)x5)-2"}));
    QVERIFY(answers.contains("((100+3)x5)+8"));
    QVERIFY(!MathsMod::IsSearching());
}

void TestSolverMathsMod::finishedWithoutAnswers()
{
    search({3, 3, 2, 2, 1, 1, 0}, 999);
    QCOMPARE(label_->text(), QStringLiteral("Searched 56885 combinations: \n0 answers found."));
    QCOMPARE(button_->text(), QStringLiteral("Search Finished"));
    QCOMPARE(list_->count(), 0);
}

void TestSolverMathsMod::completeSearchWhenNothingFound_data()
{
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<std::int32_t>("target");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("answers"); // the first few
    QTest::addColumn<int>("count");
    const QString none999 = QStringLiteral("Searched 56885 combinations: \n0 answers found.");
    const QString none742 = QStringLiteral("Searched 219056 combinations: \n0 answers found.");
    QTest::newRow("unreachable") << Numbers{3, 3, 2, 2, 1, 1, 0} << 999 << true
                                 << none999 + "\nNo exact answer: the nearest is 81 (918 away)."
                                 << QStringList{"(((2+1)x(2+1))x3)x3 = 81"} << 1;
    QTest::newRow("beyond the game's search")
        << Numbers{100, 75, 50, 25, 6, 3, 0} << 742 << true
        << none742 + "\nA complete search found 2 answers."
        << QStringList{"(((75x3)-50)x(100+6))/25", "(((75x6)-100)x(50+3))/25"} << 2;
    QTest::newRow("switched off") << Numbers{100, 75, 50, 25, 6, 3, 0} << 742 << false << none742
                                  << QStringList{} << 0;
    // The game's own answers stand alone.
    const QStringList game523 = QStringList{"((100+75)x3)-2", "(((100+75)+2)x3)-8"};
    QTest::newRow("the game found answers")
        << kBoard523 << 523 << true
        << QStringLiteral("Searched 210492 combinations: \n32 answers found.") << game523 << 32;
}

void TestSolverMathsMod::completeSearchWhenNothingFound()
{
    QFETCH(Numbers, numbers);
    QFETCH(std::int32_t, target);
    QFETCH(bool, on);
    QFETCH(QString, label);
    QFETCH(QStringList, answers);
    QFETCH(int, count);
    GLOBALbas::CompleteSearch = on;
    search(numbers, target);
    QCOMPARE(label_->text(), label);
    QCOMPARE(button_->text(), QStringLiteral("Search Finished"));
    QCOMPARE(items(*list_).mid(0, static_cast<int>(answers.size())), answers);
    QCOMPARE(list_->count(), count);
    // A third line gets its room, short of the answers list.
    QVERIFY(label_->height() >= label_->sizeHint().height());
    QVERIFY(label_->geometry().bottom() < list_->geometry().top());
}

void TestSolverMathsMod::stoppedSearchShowsNoCompleteSearch()
{
    GLOBALbas::CompleteSearch = true;
    bool clicked = false;
    YieldProbe probe([&] {
        if (!clicked && MathsMod::IsSearching() && MathsMod::CombinationCount > 0) {
            clicked = true;
            QTest::mouseClick(button_, Qt::LeftButton);
        }
    });
    search({3, 3, 2, 2, 1, 1, 0}, 999);
    QVERIFY(clicked);
    QVERIFY(label_->text().startsWith("Search Stopped at combination "));
    QVERIFY(label_->text().endsWith("\n0 answers found."));
    QCOMPARE(list_->count(), 0);
}

void TestSolverMathsMod::completeListingKeepsTheSimplest100()
{
    const std::array<std::int32_t, 6> numbers{10, 9, 8, 7, 6, 5};
    const solver::CompleteResult result = solver::completeSearch(numbers, 150);
    const QStringList lines = CompleteListing::Lines(result);
    QCOMPARE(lines.size(), 100);
    for (int i : {0, 99})
        QCOMPARE(lines.at(i), QString::fromStdString(result.answers.at(std::size_t(i)).text));
    QCOMPARE(CompleteListing::Summary(result),
             QStringLiteral("A complete search found 126 answers."));
    solver::CompleteResult one = result;
    one.answers.resize(1);
    QCOMPARE(CompleteListing::Summary(one), QStringLiteral("A complete search found 1 answer."));
}

void TestSolverMathsMod::labelAndButtonDuringSearch()
{
    // At every yield the label shows the current count and the button offers
    // the stop.
    int checked = 0;
    QString wrong;
    YieldProbe probe([&] {
        if (!MathsMod::IsSearching())
            return;
        ++checked;
        const QString expected =
            MathsMod::CombinationCount == 0
                ? QStringLiteral("Searching...")
                : QStringLiteral("Searching... %1").arg(MathsMod::CombinationCount);
        if (wrong.isEmpty() && label_->text() != expected)
            wrong = label_->text() + QStringLiteral(" instead of ") + expected;
        if (wrong.isEmpty() && button_->text() != QLatin1String("Stop Search"))
            wrong = button_->text();
    });
    search(kBoard523, 523);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QVERIFY(checked > 1000);
}

void TestSolverMathsMod::stopThroughNestedClick()
{
    // The click lands in the yield that follows the first report (12, after
    // the first extended combination): the split's two other second pairs
    // still run to their first extended combination.
    bool clicked = false;
    YieldProbe probe([&] {
        if (!clicked && MathsMod::CombinationCount == 12) {
            clicked = true;
            QTest::mouseClick(button_, Qt::LeftButton);
        }
    });
    search(kBoard523, 523);
    QVERIFY(clicked);
    QVERIFY(!MathsMod::SearchRunning);
    QCOMPARE(label_->text(), QStringLiteral("Search Stopped at combination 36\n0 answers found."));
    QCOMPARE(button_->text(), QStringLiteral("Show Answer(s)"));
    QVERIFY(!MathsMod::IsSearching());
}

void TestSolverMathsMod::restartAfterStopKeepsAnswers()
{
    // Stopped past the middle of the search, when some answers are found.
    bool clicked = false;
    YieldProbe probe([&] {
        if (!clicked && MathsMod::IsSearching() && MathsMod::CombinationCount >= 150000) {
            clicked = true;
            QTest::mouseClick(button_, Qt::LeftButton);
        }
    });
    search(kBoard523, 523);
    QVERIFY(clicked);
    const QStringList kept = items(*list_);
    QVERIFY(!kept.isEmpty());
    QVERIFY(kept.size() < 32);
    const std::int32_t stoppedAt = MathsMod::CombinationCount;
    QVERIFY(stoppedAt >= 150000 && stoppedAt < 210492);
    QCOMPARE(label_->text(), QStringLiteral("Search Stopped at combination %1\n%2 answers found.")
                                 .arg(stoppedAt)
                                 .arg(kept.size()));

    // The next click searches anew from 0; the kept answers are not listed
    // twice, and the finish message counts every line.
    search(kBoard523, 523);
    QCOMPARE(MathsMod::CombinationCount, 210492);
    QCOMPARE(label_->text(), QStringLiteral("Searched 210492 combinations: \n32 answers found."));
    QCOMPARE(items(*list_).mid(0, static_cast<int>(kept.size())), kept);
    QCOMPARE(list_->count(), 32);
    const QStringList all = items(*list_);
    QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), 32);
}

void TestSolverMathsMod::nestedStartIsIgnored()
{
    bool tried = false;
    YieldProbe probe([&] {
        if (!tried && MathsMod::CombinationCount > 1000) {
            tried = true;
            MathsMod::StartSearch(std::array<std::int32_t, 7>{3, 3, 2, 2, 1, 1, 0}, 999);
        }
    });
    search(kBoard523, 523);
    QVERIFY(tried);
    QCOMPARE(MathsMod::CombinationCount, 210492);
    QCOMPARE(list_->count(), 32);
    QCOMPARE(label_->text(), QStringLiteral("Searched 210492 combinations: \n32 answers found."));
    QCOMPARE(button_->text(), QStringLiteral("Search Finished"));
}

void TestSolverMathsMod::labelRepaintsAtMostOncePerFrame()
{
    // Every report sets the text and every hit is taken, but the label paints
    // and the list grows no more often than a screen refreshes, and both do
    // so while the search runs. This board lists hundreds of answers.
    PaintCounter counter;
    QCoreApplication::processEvents();
    label_->installEventFilter(&counter);
    int paints = 0;
    int growths = 0;
    int lastCount = 0;
    int yields = 0;
    YieldProbe probe([&] {
        if (!MathsMod::IsSearching())
            return;
        ++yields;
        // However fast the machine, the search spans many frames.
        QThread::usleep(50);
        paints = counter.paints;
        growths += list_->count() != lastCount;
        lastCount = list_->count();
    });
    QElapsedTimer clock;
    clock.start();
    search({100, 75, 50, 25, 10, 10, 0}, 500);
    const qint64 frames = clock.elapsed() / 16 + 3;
    QCoreApplication::processEvents();
    QVERIFY(yields > 1000);
    QVERIFY2(paints >= 1 && paints <= frames,
             qPrintable(QStringLiteral("%1 paints, %2 frames").arg(paints).arg(frames)));
    QVERIFY2(growths >= 1 && growths <= frames,
             qPrintable(QStringLiteral("%1 growths, %2 frames").arg(growths).arg(frames)));
    QVERIFY(lastCount > 0);
    // Whatever was held back when the search ended is in the list, each
    // answer once, and the finish message is painted.
    QCOMPARE(
        label_->text(),
        QStringLiteral("Searched 256347 combinations: \n%1 answers found.").arg(list_->count()));
    QVERIFY(list_->count() >= lastCount);
    const QStringList all = items(*list_);
    QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), all.size());
    QVERIFY(counter.paints > paints);
    QVERIFY(label_->updatesEnabled());
}

void TestSolverMathsMod::controlsDestroyedDuringSearch()
{
    // The window goes away in the middle of a search: the search ends at its
    // next check and touches none of the destroyed controls.
    bool destroyed = false;
    YieldProbe probe([&] {
        if (!destroyed && MathsMod::CombinationCount > 5000) {
            destroyed = true;
            window_.reset();
        }
    });
    search(kBoard523, 523);
    QVERIFY(destroyed);
    QVERIFY(!MathsMod::SearchRunning);
    QVERIFY(MathsMod::CombinationCount < 210492);
    QVERIFY(!MathsMod::IsSearching());
}

void TestSolverMathsMod::addAnswerStripsAndSkipsDuplicates()
{
    list_->addItem(QStringLiteral("(100+75)x3"));
    std::string hit = "(((100+3)x5)+8)";
    MathsMod::AddAnswer(hit);
    QCOMPARE(hit, std::string("((100+3)x5)+8"));
    std::string again = "(((100+3)x5)+8)";
    MathsMod::AddAnswer(again);
    std::string listed = "((100+75)x3)";
    MathsMod::AddAnswer(listed);
    std::string other = "((100+3)x(5+8))";
    MathsMod::AddAnswer(other);
    QCOMPARE(items(*list_), (QStringList{"(100+75)x3", "((100+3)x5)+8", "(100+3)x(5+8)"}));
}

void TestSolverMathsMod::refusesWhatItCannotSearch()
{
    // Three 5s are not a selection of the board: nothing changes.
    button_->setText(QStringLiteral("Show Answer(s)"));
    label_->setText(QStringLiteral("lba"));
    MathsMod::StartSearch(std::array<std::int32_t, 7>{5, 5, 5, 3, 2, 1, 0}, 20);
    QCOMPARE(button_->text(), QStringLiteral("Show Answer(s)"));
    QCOMPARE(label_->text(), QStringLiteral("lba"));
    QVERIFY(!MathsMod::SearchRunning);
    // Without controls there is nowhere to show a search.
    MathsMod::BindControls({});
    MathsMod::StartSearch(kBoard523, 523);
    QCOMPARE(MathsMod::CombinationCount, 0);
    QCOMPARE(button_->text(), QStringLiteral("Show Answer(s)"));
}

QTEST_MAIN(TestSolverMathsMod)
#include "tst_solvermathsmod.moc"
