// Times a whole search through the window binding, with real yields and label
// updates: from the answer button's "Show Answer(s)" click to "Search
// Finished", and the longest stretch the window goes without a yield.
//
// Usage: search_responsiveness [runs [N1 N2 N3 N4 N5 N6 TARGET]]
// (offscreen unless QT_QPA_PLATFORM says otherwise; the board defaults to
// 100 75 8 5 3 2 and 523, and must be given largest first)

#include "mathsmod.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Re-posts an event to itself each time one is delivered. Events posted while
// the queue is being sent wait for the next pass, so each delivery marks one
// yield of the search, and the time between deliveries is the time the
// window went without one.
class YieldProbe : public QObject
{
public:
    void start()
    {
        active_ = true;
        deliveries_ = 0;
        longestGapNs_ = 0;
        clock_.start();
        last_ = 0;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
    void stop() { active_ = false; }
    long long deliveries() const { return deliveries_; }
    double longestGapMs() const { return static_cast<double>(longestGapNs_) / 1e6; }

protected:
    void customEvent(QEvent *) override
    {
        if (!active_)
            return;
        const qint64 now = clock_.nsecsElapsed();
        longestGapNs_ = std::max(longestGapNs_, now - last_);
        last_ = now;
        ++deliveries_;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

private:
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longestGapNs_ = 0;
    long long deliveries_ = 0;
    bool active_ = false;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    // Placed as the main window places them: fixed geometry, no layout.
    QWidget window;
    window.resize(800, 600);
    auto *answer = new QPushButton(QStringLiteral("Show Answer(s)"), &window);
    answer->setGeometry(20, 20, 243, 43);
    answer->setFont(QFont(QStringLiteral("Sans Serif"), 18, QFont::Bold));
    auto *status = new QLabel(&window);
    status->setGeometry(267, 22, 200, 40);
    status->setFont(QFont(QStringLiteral("Sans Serif"), 12, QFont::Bold));
    status->setAutoFillBackground(true);
    status->setStyleSheet(QStringLiteral("background: white; color: rgb(128, 128, 128)"));
    auto *list = new QListWidget(&window);
    list->setGeometry(20, 70, 400, 400);
    list->setFont(QFont(QStringLiteral("Sans Serif"), 18, QFont::Bold));
    window.show();
    MathsMod::BindControls({list, status, answer});

    std::array<std::int32_t, 7> numbers{100, 75, 8, 5, 3, 2, 0};
    std::int32_t target = 523;
    if (argc >= 9) {
        for (std::size_t i = 0; i < 6; ++i)
            numbers[i] = std::atoi(argv[i + 2]);
        target = std::atoi(argv[8]);
    }
    YieldProbe probe;
    QElapsedTimer clock;
    std::vector<double> totals;
    std::vector<double> gaps;
    long long yields = 0;

    // What the game window does on "Show Answer(s)" and "Stop Search".
    QObject::connect(answer, &QPushButton::clicked, [&] {
        if (answer->text() == QLatin1String("Stop Search")) {
            MathsMod::SearchRunning = false;
            return;
        }
        if (answer->text() != QLatin1String("Show Answer(s)"))
            return;
        clock.start();
        MathsMod::CombinationCount = 0;
        answer->setText(QStringLiteral("Stop Search"));
        status->setText(QStringLiteral("Searching..."));
        QCoreApplication::processEvents();
        probe.start();
        MathsMod::StartSearch(numbers, target);
        probe.stop();
        totals.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        gaps.push_back(probe.longestGapMs());
        yields = probe.deliveries();
    });

    for (int run = 0; run < runs; ++run) {
        list->clear();
        answer->setText(QStringLiteral("Show Answer(s)"));
        QCoreApplication::processEvents();
        answer->click();
        if (answer->text() != QLatin1String("Search Finished")) {
            std::fprintf(stderr, "the search did not finish: %s\n", qPrintable(status->text()));
            return 1;
        }
    }
    std::sort(totals.begin(), totals.end());
    std::sort(gaps.begin(), gaps.end());
    std::printf("runs %d, yields per search %lld\n", runs, yields);
    std::printf("Show Answer(s) to Search Finished: median %.1f ms (min %.1f, max %.1f)\n",
                totals[totals.size() / 2], totals.front(), totals.back());
    std::printf("longest gap between yields: median %.2f ms (max %.2f)\n", gaps[gaps.size() / 2],
                gaps.back());
    std::printf("status: %s\n", qPrintable(status->text().replace(QLatin1Char('\n'), " / ")));
    return 0;
}
