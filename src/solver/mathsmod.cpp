#include "solver/mathsmod.h"

#include "platform/yield.h"
#include "solver/answerlist.h"
#include "solver/boardselection.h"
#include "solver/solvercore.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include <optional>

namespace MathsMod {

bool SearchRunning = false;
std::int32_t CombinationCount = 0;

namespace {

struct BoundControls
{
    QPointer<QListWidget> list;
    QPointer<QLabel> label;
    QPointer<QPushButton> button;

    bool complete() const { return list && label && button; }
};

BoundControls &bound()
{
    static BoundControls controls;
    return controls;
}

// Keeps the status label's text current at every progress report but lets it
// repaint at most once a frame: between frames its updates are off, so
// setting the text only marks it, and the first report of the next frame
// turns them back on (which repaints it at the following yield).
class FramedLabel
{
public:
    explicit FramedLabel(QLabel *label)
        : label_(label)
    {
        frame_.start();
    }
    ~FramedLabel()
    {
        if (label_)
            label_->setUpdatesEnabled(true);
    }
    FramedLabel(const FramedLabel &) = delete;
    FramedLabel &operator=(const FramedLabel &) = delete;

    void setText(const QString &text)
    {
        if (!label_)
            return;
        const bool due = frame_.hasExpired(kFrameMs);
        if (!due && label_->updatesEnabled())
            label_->setUpdatesEnabled(false);
        label_->setText(text);
        if (due) {
            label_->setUpdatesEnabled(true);
            frame_.restart();
        }
    }

private:
    static constexpr qint64 kFrameMs = 16;
    QPointer<QLabel> label_;
    QElapsedTimer frame_;
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
}

bool IsSearching()
{
    return core().isSearching();
}

void AddAnswer(std::string &text)
{
    solver::AnswerList::stripOuterParentheses(text);
    QListWidget *list = bound().list;
    if (!list)
        return;
    const QString answer = QString::fromStdString(text);
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == answer)
            return;
    }
    // No repaint here: the search yields again soon, and that paint shows
    // the new line together with whatever else has changed.
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
    std::optional<FramedLabel> status(std::in_place, controls.label.data());
    hooks.progress = [&status](std::int32_t count) {
        status->setText(QStringLiteral("Searching... ") + QString::number(count));
    };
    hooks.yield = [&controls] {
        platform::yield();
        // The window went away during the yield: end the search at once.
        if (!controls.complete())
            SearchRunning = false;
    };
    hooks.hit = [](std::string &expression) { AddAnswer(expression); };
    core().search(numbers, target, SearchRunning, CombinationCount, hooks);
    status.reset(); // the finish message paints at once

    if (!controls.complete())
        return;
    const QString answers =
        QString::number(controls.list->count()) + QStringLiteral(" answers found.");
    if (SearchRunning) {
        controls.label->setText(QStringLiteral("Searched ") + QString::number(CombinationCount) +
                                QStringLiteral(" combinations: \n") + answers);
        controls.button->setText(QStringLiteral("Search Finished"));
    } else {
        controls.label->setText(QStringLiteral("Search Stopped at combination ") +
                                QString::number(CombinationCount) + QLatin1Char('\n') + answers);
        controls.button->setText(QStringLiteral("Show Answer(s)"));
    }
}

} // namespace MathsMod
