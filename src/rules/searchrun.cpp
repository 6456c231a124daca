#include "searchrun.h"

#include "answerlist.h"
#include "boardselection.h"
#include "completesearch.h"
#include "solvercore.h"

#include <QSet>

#include <chrono>
#include <utility>

SearchRun::SearchRun(QObject *parent)
    : QObject(parent)
{}

SearchRun::~SearchRun()
{
    // Before the object goes: the thread posts to it until it returns.
    stopAndWait();
}

bool SearchRun::start(const Request &request)
{
    if (m_running || !solver::isBoardSelection(request.numbers))
        return false;
    join(); // the last search has reported its end; its thread is returning
    m_stop = false;
    m_running = true;
    m_thread = std::thread(&SearchRun::work, this, request, ++m_generation);
    return true;
}

void SearchRun::requestStop()
{
    m_stop = true;
}

void SearchRun::stopAndWait()
{
    m_stop = true;
    join();
    ++m_generation; // whatever it queued before it saw the stop is dropped
    m_running = false;
}

void SearchRun::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void SearchRun::work(Request request, quint64 generation)
{
    using Clock = std::chrono::steady_clock;
    QSet<QString> listed(request.listed.begin(), request.listed.end());
    QStringList pending;
    std::int32_t combinations = 0;
    bool running = true;
    Clock::time_point lastReport = Clock::now();

    const auto reportWhenDue = [&] {
        const Clock::time_point now = Clock::now();
        if (now - lastReport < std::chrono::milliseconds(FrameMs))
            return;
        lastReport = now;
        post(generation, std::exchange(pending, {}), combinations);
    };
    // The solver stops at its next check once its switch is off.
    const auto checkStop = [&] {
        if (m_stop.load(std::memory_order_relaxed))
            running = false;
    };

    solver::SearchHooks hooks;
    hooks.progress = [&](std::int32_t) {
        checkStop();
        reportWhenDue();
    };
    hooks.yield = [&] {
        checkStop();
        reportWhenDue();
    };
    hooks.hit = [&](std::string &expression) {
        solver::AnswerList::stripOuterParentheses(expression);
        QString answer = QString::fromStdString(expression);
        if (listed.contains(answer))
            return;
        listed.insert(answer);
        pending.append(std::move(answer));
    };

    solver::SolverCore core;
    const solver::SearchOutcome outcome =
        core.search(request.numbers, request.target, running, combinations, hooks);

    End end;
    end.finished = outcome == solver::SearchOutcome::Finished;
    end.combinations = combinations;
    end.newAnswers = std::move(pending);
    // Only a finished search that found nothing, kept answers included: a
    // stopped search shows exactly what it found.
    if (end.finished && request.completeWhenEmpty && listed.isEmpty() && !m_stop) {
        end.complete = std::make_shared<const solver::CompleteResult>(
            solver::completeSearch(request.numbers, request.target));
    }
    postEnd(generation, std::move(end));
}

void SearchRun::post(quint64 generation, QStringList answers, std::int32_t combinations)
{
    QMetaObject::invokeMethod(
        this,
        [this, generation, answers = std::move(answers), combinations] {
            if (generation == m_generation)
                emit progressed(answers, combinations);
        },
        Qt::QueuedConnection);
}

void SearchRun::postEnd(quint64 generation, End end)
{
    QMetaObject::invokeMethod(
        this,
        [this, generation, end = std::move(end)]() mutable {
            if (generation != m_generation)
                return;
            join(); // it posted this as its last act
            m_running = false;
            // A stop asked for while the search showed as running is what the
            // player sees answered, even when the thread had just got to its
            // end: "Stop Search" never turns into "Search Finished", and a
            // finished search never lacks the complete search it was due.
            if (m_stop) {
                end.finished = false;
                end.complete.reset();
            }
            emit ended(end);
        },
        Qt::QueuedConnection);
}
