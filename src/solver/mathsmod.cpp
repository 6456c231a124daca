#include "mathsmod.h"

#include "answerlist.h"
#include "boardselection.h"
#include "completelisting.h"
#include "globalbas.h"
#include "random.h"
#include "searchdisplay.h"
#include "solvercore.h"
#include "yield.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace MathsMod {

bool SearchRunning = false;
std::int32_t CombinationCount = 0;

namespace {

struct BoundControls
{
    QPointer<QListWidget> list;
    QPointer<QLabel> label;
    QPointer<QPushButton> button;
    QPointer<QLabel> target;

    bool complete() const { return list && label && button; }
};

BoundControls &bound()
{
    static BoundControls controls;
    return controls;
}

// The display of the search running now, if any: hits go through it.
SearchDisplay *activeDisplay = nullptr;

class ActiveDisplay
{
public:
    explicit ActiveDisplay(SearchDisplay &display) { activeDisplay = &display; }
    ~ActiveDisplay() { activeDisplay = nullptr; }
    ActiveDisplay(const ActiveDisplay &) = delete;
    ActiveDisplay &operator=(const ActiveDisplay &) = delete;
};

solver::SolverCore &core()
{
    static solver::SolverCore instance;
    return instance;
}

} // namespace

void BindControls(const SearchControls &controls)
{
    bound().list = controls.List1;
    bound().label = controls.LBa;
    bound().button = controls.cmdAnswer;
    bound().target = controls.lbTarget;
}

qint16 TargetFromRandom(double r, qint16 highest, qint16 lowest)
{
    const int span = int(highest) - int(lowest) + 1;
    const auto t = static_cast<int>(std::floor(r * span + lowest));
    // r just below 1 plus a large bound can round up to the next whole
    // number: keep the result between the bounds it was drawn from.
    return static_cast<qint16>(
        std::clamp(t, std::min<int>(lowest, highest), std::max<int>(lowest, highest)));
}

qint16 DrawTarget(qint16 &highest, qint16 &lowest, QList<qint32> & /*chosenNumbers*/)
{
    constexpr int Passes = 50;
    constexpr int PauseMs = 10;

    if (QListWidget *list = bound().list)
        list->clear();
    platform::randomize();
    qint16 target = 0;
    for (int pass = 0; pass < Passes; ++pass) {
        target = TargetFromRandom(platform::rnd(), highest, lowest);
        QLabel *label = bound().target;
        if (!label)
            continue; // the window went away: just finish the draw
        label->setText(QString::number(target));
        platform::yield();
        QThread::msleep(PauseMs);
    }
    return target;
}

bool IsSearching()
{
    return core().isSearching();
}

void AddAnswer(std::string &text)
{
    solver::AnswerList::stripOuterParentheses(text);
    const QString answer = QString::fromStdString(text);
    if (activeDisplay) {
        activeDisplay->addAnswer(answer);
        return;
    }
    QListWidget *list = bound().list;
    if (!list)
        return;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == answer)
            return;
    }
    list->addItem(answer);
}

void StartSearch(std::span<const std::int32_t> numbers, std::int32_t target)
{
    BoundControls &controls = bound();
    if (core().isSearching() || !controls.complete() || numbers.size() < 6 ||
        !solver::isBoardSelection(numbers.first(6)))
        return;

    controls.button->setText(QStringLiteral("Stop Search"));

    solver::SearchHooks hooks;
    {
        SearchDisplay display(controls.list, controls.label);
        const ActiveDisplay active(display);
        hooks.progress = [&display](std::int32_t count) { display.showProgress(count); };
        hooks.yield = [&display, &controls] {
            display.beforeYield();
            platform::yield();
            // The window went away during the yield: end the search at once.
            if (!controls.complete())
                SearchRunning = false;
        };
        hooks.hit = [](std::string &expression) { AddAnswer(expression); };
        core().search(numbers, target, SearchRunning, CombinationCount, hooks);
    } // every answer is in the list now, and the label paints again

    if (!controls.complete())
        return;
    const QString answers =
        QString::number(controls.list->count()) + QStringLiteral(" answers found.");
    if (SearchRunning) {
        controls.label->setText(QStringLiteral("Searched ") + QString::number(CombinationCount) +
                                QStringLiteral(" combinations: \n") + answers);
        controls.button->setText(QStringLiteral("Search Finished"));
        // Only a finished search that found nothing: the game's own answers
        // and a stopped search show exactly what they always did.
        if (GLOBALbas::CompleteSearch && controls.list->count() == 0)
            CompleteListing::Show(numbers, target, *controls.list, *controls.label);
    } else {
        controls.label->setText(QStringLiteral("Search Stopped at combination ") +
                                QString::number(CombinationCount) + QLatin1Char('\n') + answers);
        controls.button->setText(QStringLiteral("Show Answer(s)"));
    }
}

} // namespace MathsMod
