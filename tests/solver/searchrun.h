#pragma once

// Runs the core once and records what a host would see: the progress counts,
// the yields, the raw hits and the answers as listed.

#include "answerlist.h"
#include "solvercore.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct SearchRun
{
    solver::SearchOutcome outcome = solver::SearchOutcome::Finished;
    std::int32_t count = 0;
    bool running = false;
    std::vector<std::int32_t> reports;
    std::vector<std::string> hits;
    std::vector<std::string> answers;
    // The number of answers listed when each yield happened.
    std::vector<std::size_t> answersAtYield;
    int yields = 0;
};

// onYield is called with the yield's number (from 1) and may clear the switch.
inline SearchRun runSearch(solver::SolverCore &core, const std::vector<std::int32_t> &numbers,
                           std::int32_t target,
                           const std::function<void(int, bool &)> &onYield = {})
{
    SearchRun run;
    solver::AnswerList list;
    solver::SearchHooks hooks;
    hooks.progress = [&run](std::int32_t count) { run.reports.push_back(count); };
    hooks.yield = [&] {
        ++run.yields;
        run.answersAtYield.push_back(list.size());
        if (onYield)
            onYield(run.yields, run.running);
    };
    hooks.hit = [&](std::string &expression) {
        run.hits.push_back(expression);
        list.add(expression);
    };
    run.outcome = core.search(numbers, target, run.running, run.count, hooks);
    run.answers = list.items();
    return run;
}

inline SearchRun runSearch(const std::vector<std::int32_t> &numbers, std::int32_t target,
                           const std::function<void(int, bool &)> &onYield = {})
{
    solver::SolverCore core;
    return runSearch(core, numbers, target, onYield);
}

// Texts as a QStringList, so that QCOMPARE prints them when they differ.
inline QStringList toList(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list << QString::fromStdString(text);
    return list;
}
