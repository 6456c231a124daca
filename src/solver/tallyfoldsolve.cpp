// tallyfold-solve: the game's search from the command line, for six numbers of
// the board and a target of one's own, or with --complete the complete search;
// with --check, a player's answer held to the game's rules and scored; with
// --hint and --rate, the help the game gives a player and its board's rating;
// with --code and --board, the short code a board is handed on by and back.

#include "answercheck.h"
#include "answerlist.h"
#include "answerscore.h"
#include "boardcode.h"
#include "boardselection.h"
#include "bubblesort.h"
#include "coaching.h"
#include "completesearch.h"
#include "dailyboard.h"
#include "solveio.h"
#include "solvercore.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using solveio::jsonString;
using solveio::shown;

constexpr int kUsageError = 2;
constexpr int kRuleBroken = 3;

const char kUsage[] = "Usage: tallyfold-solve [--json] N1 N2 N3 N4 N5 N6 TARGET\n"
                      "       tallyfold-solve --complete [--json] [--limit N] N1..N6 TARGET\n"
                      "       tallyfold-solve --daily [YYYY-MM-DD] [--json]\n"
                      "       tallyfold-solve --check EXPR [--json] N1..N6 TARGET\n"
                      "       tallyfold-solve --hint LEVEL [--json] N1..N6 TARGET\n"
                      "       tallyfold-solve --rate [--json] N1..N6 TARGET\n"
                      "       tallyfold-solve --code [--json] N1..N6 TARGET\n"
                      "       tallyfold-solve --board CODE [--json]\n"
                      "\n"
                      "Lists every answer the Tallyfold game's search finds for six numbers of\n"
                      "the board and a target, in the order the game lists them, then the\n"
                      "game's finish message.\n"
                      "\n"
                      "  N1..N6   six numbers the board can give, in any order: 1 to 10 (each at\n"
                      "           most twice) and 25, 50, 75, 100 (each at most once)\n"
                      "  TARGET   a whole number from 1 to 2147483647\n"
                      "\n"
                      "Options:\n"
                      "  --json   print one JSON object instead: numbers (largest first),\n"
                      "           target, combinations, answers and message\n"
                      "  --complete  every distinct answer instead, simplest first; when\n"
                      "           the target cannot be reached, every way to the nearest\n"
                      "           value(s), as 'expression = value'; then a summary line\n"
                      "  --limit N   list at most N answers of --complete (default 500);\n"
                      "           the summary still counts them all\n"
                      "  --daily [YYYY-MM-DD]  the board of the day (today's local date\n"
                      "           without one), the same everywhere: its six numbers,\n"
                      "           largest first, then '->' and its target, on one line;\n"
                      "           with --json, an object with date, numbers and target\n"
                      "  --check EXPR  hold the answer EXPR, such as (100+3)x5+8, to the\n"
                      "           game's rules: its value and distance, the best value the\n"
                      "           numbers reach with its distance and one simplest way,\n"
                      "           and the points (10 for as near as the best, one less\n"
                      "           per unit further), and the answer nearest to it with\n"
                      "           where the two part; or the first rule it breaks\n"
                      "  --hint LEVEL  the game's hint of that level (1 to 3) from one\n"
                      "           simplest answer: 1 whether the target is reached and\n"
                      "           the fewest numbers, 2 also its operations and numbers,\n"
                      "           3 also its first step\n"
                      "  --rate   the board and target's rating (Easy, Medium, Hard or\n"
                      "           Very hard) and the figures it comes from\n"
                      "  --code   the code of the six numbers and a target from 1 to 999,\n"
                      "           such as TF-98X-KKC, to hand the board to someone else;\n"
                      "           with --json, an object with numbers, target and code\n"
                      "  --board CODE  the board a code names: its six numbers, largest\n"
                      "           first, then '->' and its target, on one line; letters\n"
                      "           in either case, spaces and dashes anywhere; with\n"
                      "           --json, an object with numbers, target and code\n"
                      "  --help   show this help and exit\n"
                      "  --version  show the program's version and exit\n"
                      "\n"
                      "Exit status: 0 after a search, 1 when the output cannot be\n"
                      "written, 2 for bad input, 3 when the --check answer breaks a rule.\n";

struct Request
{
    std::array<std::int32_t, 6> numbers{};
    std::int32_t target = 0;
    bool json = false;
    bool complete = false;
    std::optional<std::int64_t> limit;
    std::optional<std::string> check; // the answer of --check
    int hint = 0;                     // the level of --hint
    bool rate = false;
    bool code = false; // --code
};

constexpr std::int64_t kDefaultLimit = 500;

// Whole decimal numbers only; anything beyond the 64-bit range saturates,
// which is far enough outside every range checked below.
std::optional<std::int64_t> parseWhole(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (value < INT64_MAX / 10)
            value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// Fills request, or returns the one line that names what is wrong.
std::string parseArguments(const std::vector<std::string_view> &arguments, Request &request)
{
    std::vector<std::string_view> values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--json") {
            request.json = true;
        } else if (argument == "--complete") {
            request.complete = true;
        } else if (argument == "--limit") {
            if (i + 1 == arguments.size())
                return "--limit needs a number (see --help)";
            const std::optional<std::int64_t> limit = parseWhole(arguments[++i]);
            if (!limit || *limit < 0 || *limit > INT32_MAX) {
                return "--limit '" + shown(arguments[i]) + "' is not a number from 0 to " +
                       std::to_string(INT32_MAX);
            }
            request.limit = limit;
        } else if (argument == "--check") {
            if (i + 1 == arguments.size())
                return "--check needs an answer to check (see --help)";
            request.check = std::string(arguments[++i]);
        } else if (argument == "--hint") {
            if (i + 1 == arguments.size())
                return "--hint needs a level from 1 to " + std::to_string(solver::kHintLevels) +
                       " (see --help)";
            const std::optional<std::int64_t> level = parseWhole(arguments[++i]);
            if (!level || *level < 1 || *level > solver::kHintLevels) {
                return "--hint '" + shown(arguments[i]) + "' is not a level from 1 to " +
                       std::to_string(solver::kHintLevels);
            }
            request.hint = static_cast<int>(*level);
        } else if (argument == "--rate") {
            request.rate = true;
        } else if (argument == "--code") {
            request.code = true;
        } else if (argument.size() > 1 && argument.front() == '-' && !parseWhole(argument)) {
            return "unknown option '" + shown(argument) + "' (see --help)";
        } else {
            values.push_back(argument);
        }
    }
    if (request.check && request.complete)
        return "--check does not go with --complete (see --help)";
    if (request.hint && request.rate)
        return "--hint does not go with --rate (see --help)";
    if (request.code && (request.hint || request.rate))
        return std::string("--code does not go with ") + (request.hint ? "--hint" : "--rate") +
               " (see --help)";
    for (const auto &[mode, on] : {std::pair{"--hint", request.hint != 0},
                                   {"--rate", request.rate},
                                   {"--code", request.code}}) {
        if (on && request.complete)
            return std::string(mode) + " does not go with --complete (see --help)";
        if (on && request.check)
            return std::string(mode) + " does not go with --check (see --help)";
    }
    if (request.limit && !request.complete)
        return "--limit works only with --complete (see --help)";
    if (values.size() != 7) {
        return "expected six numbers and a target (7 values), got " +
               std::to_string(values.size()) + " (see --help)";
    }
    for (std::size_t i = 0; i < 7; ++i) {
        const std::optional<std::int64_t> value = parseWhole(values[i]);
        const std::string what = i < 6 ? "number " + std::to_string(i + 1) : std::string("target");
        if (!value)
            return what + " '" + shown(values[i]) + "' is not a whole number";
        if (i == 6) {
            // A code names the targets the game deals and a few more, not all.
            const std::int64_t last = request.code ? solver::kCodeTargetLast : INT32_MAX;
            if (*value < 1 || *value > last) {
                return "target '" + shown(values[i]) + "' is outside 1 to " + std::to_string(last) +
                       (request.code ? ", the targets a code names" : "");
            }
            request.target = static_cast<std::int32_t>(*value);
        } else {
            if (*value < 1 || *value > 100 ||
                solver::boardTilesWith(static_cast<std::int32_t>(*value)) == 0) {
                return what + " '" + shown(values[i]) +
                       "' is not a number of the board (it has 1 to 10, 25, 50, 75 and 100)";
            }
            request.numbers[i] = static_cast<std::int32_t>(*value);
        }
    }
    std::string problem = solver::boardSelectionProblem(request.numbers);
    if (!problem.empty())
        return problem;
    return {};
}

// The complete search's answers (at most limit of them) and its summary line,
// or the same as one JSON object.
std::string completeOutput(const Request &request)
{
    const solver::CompleteResult result = solver::completeSearch(request.numbers, request.target);
    const std::size_t shown = std::min<std::size_t>(
        result.answers.size(), static_cast<std::size_t>(request.limit.value_or(kDefaultLimit)));
    std::string out;
    if (!request.json) {
        for (std::size_t i = 0; i < shown; ++i) {
            const solver::CompleteAnswer &answer = result.answers[i];
            out += answer.text;
            if (!result.exact)
                out += " = " + std::to_string(answer.value);
            out += '\n';
        }
        return out + solver::completeSummary(result) + '\n';
    }
    out = "{\"numbers\": [";
    for (std::size_t i = 0; i < 6; ++i)
        out += (i ? ", " : "") + std::to_string(request.numbers[i]);
    out += "], \"target\": " + std::to_string(request.target);
    out += ", \"mode\": \"complete\", \"exact\": ";
    out += result.exact ? "true" : "false";
    out += ", \"nearest\": [";
    for (std::size_t i = 0; i < result.nearest.size(); ++i)
        out += (i ? ", " : "") + std::to_string(result.nearest[i]);
    out += "], \"distance\": " + std::to_string(result.distance);
    out += ", \"count\": " + std::to_string(result.answers.size()) + ", \"answers\": [";
    for (std::size_t i = 0; i < shown; ++i) {
        const solver::CompleteAnswer &answer = result.answers[i];
        out += (i ? ", " : "") + std::string("{\"text\": ") + jsonString(answer.text) +
               ", \"value\": " + std::to_string(answer.value) +
               ", \"numbers_used\": " + std::to_string(answer.numbersUsed) + "}";
    }
    return out + "]}\n";
}

// --check: the answer's value, its distance, the best possible and the
// points, or the first rule the answer breaks; the same as one JSON object
// with --json. Returns the exit status.
int checkOutput(const Request &request)
{
    const solver::CheckResult checked = solver::checkAnswer(*request.check, request.numbers);
    const solver::BestPossible best = solver::bestPossible(request.numbers, request.target);
    const std::int64_t distance = checked.value > request.target ? checked.value - request.target
                                                                 : request.target - checked.value;
    const int points = solver::pointsFor(distance, best.distance);
    // The sentence repeats the character at fault as typed, which may be
    // one a terminal would act on.
    solver::CheckResult echoed = checked;
    echoed.stepText = shown(checked.stepText);
    const std::string message = solver::checkMessage(echoed);
    std::string bestValues;
    for (const std::int64_t value : best.values)
        bestValues += (bestValues.empty() ? "" : " or ") + std::to_string(value);
    const solver::NearMiss miss = solver::nearMiss(request.numbers, request.target, *request.check);
    std::string out;
    if (!request.json) {
        if (!checked.valid) {
            out = message + '\n';
        } else {
            out = "value: " + std::to_string(checked.value) + " (" + std::to_string(distance) +
                  " away)\nbest: " + bestValues + " (" + std::to_string(best.distance) +
                  " away)\nway: " + best.way + " = " + std::to_string(best.value) +
                  "\npoints: " + std::to_string(points) + "\nclosest: " + miss.closest;
            if (miss.partedAt == 0)
                out += ", shares no step with yours\n";
            else if (std::size_t(miss.partedAt) > miss.playerSteps.size())
                out += ", takes all your steps\n";
            else
                out += ", parts at your step " + std::to_string(miss.partedAt) + '\n';
        }
    } else {
        // Without a valid answer there is no value to measure or score.
        const auto orNull = [&](std::int64_t n) {
            return checked.valid ? std::to_string(n) : std::string("null");
        };
        out = "{\"numbers\": [";
        for (std::size_t i = 0; i < 6; ++i)
            out += (i ? ", " : "") + std::to_string(request.numbers[i]);
        out += "], \"target\": " + std::to_string(request.target);
        out += ", \"expression\": " + jsonString(*request.check);
        out += ", \"valid\": " + std::string(checked.valid ? "true" : "false");
        out += ", \"value\": " + orNull(checked.value) + ", \"distance\": " + orNull(distance);
        out += ", \"best\": " + std::to_string(best.value);
        out += ", \"best_distance\": " + std::to_string(best.distance);
        out += ", \"best_way\": " + jsonString(best.way) + ", \"points\": " + orNull(points);
        // The answer nearest to the player's (the simplest way when there is
        // no valid one), the player's steps it shares and where they part.
        out += ", \"closest\": " + jsonString(miss.closest) +
               ", \"parted_at\": " + std::to_string(miss.partedAt) + ", \"shared\": [";
        for (std::size_t i = 0; i < miss.shared.size(); ++i)
            out += (i ? ", " : "") + std::to_string(miss.shared[i]);
        out += "]";
        if (!checked.valid) {
            // step: the failing step's text ("8 / 3"), or the number or
            // character at fault; number: its place in the working (0 when
            // the fault is no step).
            out += ", \"error\": {\"step\": " + jsonString(checked.stepText) +
                   ", \"number\": " + std::to_string(checked.step) +
                   ", \"message\": " + jsonString(message) + "}";
        }
        out += "}\n";
    }
    std::cout << out;
    return checked.valid ? 0 : kRuleBroken;
}

std::string numbersJson(const std::array<std::int32_t, 6> &numbers, std::int32_t target)
{
    std::string out = "{\"numbers\": [";
    for (std::size_t i = 0; i < 6; ++i)
        out += (i ? ", " : "") + std::to_string(numbers[i]);
    return out + "], \"target\": " + std::to_string(target);
}

// --code and --board with --json: the board largest first, its target and
// its code as --code writes it.
std::string codeJson(const std::array<std::int32_t, 6> &numbers, std::int32_t target,
                     const std::string &code)
{
    return numbersJson(numbers, target) + ", \"code\": " + jsonString(code) + "}\n";
}

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string> &items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += i + 1 == items.size() ? " and " : ", ";
        out += items[i];
    }
    return out;
}

// --hint LEVEL: the hint of that level and those below it, a few sentences or
// one JSON object.
std::string hintOutput(const Request &request)
{
    const solver::Hint hint = solver::hintFor(request.numbers, request.target);
    std::vector<std::string> operations;
    for (const solver::Operation op : hint.operations)
        operations.push_back(solver::operationSign(op));
    std::vector<std::string> uses;
    for (const std::int32_t n : hint.uses)
        uses.push_back(std::to_string(n));
    const std::string step = hint.firstStep ? solver::stepWithResult(*hint.firstStep) : "";
    if (!request.json) {
        std::string out = hint.exact ? "The target can be reached exactly.\n"
                                     : "The nearest you can reach is " + std::to_string(hint.best) +
                                           " (" + std::to_string(hint.bestDistance) + " away).\n";
        out += "The simplest answer uses " + std::to_string(hint.fewestNumbers) +
               (hint.fewestNumbers == 1 ? " number.\n" : " numbers.\n");
        if (request.hint >= 2) {
            out += operations.empty()
                       ? "It uses no operation, only " + listed(uses) + ".\n"
                       : "It uses " + listed(operations) + ", with " + listed(uses) + ".\n";
        }
        if (request.hint >= 3)
            out += hint.firstStep ? "Its first step: " + step + '\n' : "It takes no step.\n";
        return out;
    }
    const auto array = [](const std::vector<std::string> &items, bool quoted) {
        std::string out = "[";
        for (std::size_t i = 0; i < items.size(); ++i)
            out += (i ? ", " : "") + (quoted ? jsonString(items[i]) : items[i]);
        return out + "]";
    };
    std::string out = numbersJson(request.numbers, request.target) +
                      ", \"level\": " + std::to_string(request.hint);
    out += ", \"exact\": " + std::string(hint.exact ? "true" : "false");
    out += ", \"best\": " + std::to_string(hint.best);
    out += ", \"best_distance\": " + std::to_string(hint.bestDistance);
    out += ", \"fewest_numbers\": " + std::to_string(hint.fewestNumbers);
    if (request.hint >= 2)
        out += ", \"operations\": " + array(operations, true) + ", \"uses\": " + array(uses, false);
    if (request.hint >= 3)
        out += ", \"step\": " + (hint.firstStep ? jsonString(step) : std::string("null"));
    return out + "}\n";
}

// --rate: the rating's name on the first line, then the figures; or one JSON
// object.
std::string rateOutput(const Request &request)
{
    const solver::RatingFigures figures = solver::rateBoard(request.numbers, request.target);
    const auto yesNo = [json = request.json](bool value) {
        return json ? (value ? "true" : "false") : (value ? "yes" : "no");
    };
    if (!request.json) {
        return std::string(solver::ratingName(figures.rating)) +
               "\nbest: " + std::to_string(figures.best) + " (" +
               std::to_string(figures.bestDistance) +
               " away)\nfewest numbers: " + std::to_string(figures.fewestNumbers) +
               "\ndistinct answers: " + std::to_string(figures.distinctAnswers) +
               "\nneeds a division: " + yesNo(figures.needsDivision) + "\nneeds a value above " +
               std::to_string(solver::kLargeValue) + ": " + yesNo(figures.needsLargeValue) +
               "\nscore: " + std::to_string(figures.score) + '\n';
    }
    std::string out = numbersJson(request.numbers, request.target);
    out += ", \"rating\": " + jsonString(solver::ratingName(figures.rating));
    out += ", \"exact\": " + std::string(yesNo(figures.exact));
    out += ", \"best\": " + std::to_string(figures.best);
    out += ", \"best_distance\": " + std::to_string(figures.bestDistance);
    out += ", \"fewest_numbers\": " + std::to_string(figures.fewestNumbers);
    out += ", \"distinct_answers\": " + std::to_string(figures.distinctAnswers);
    out += ", \"needs_division\": " + std::string(yesNo(figures.needsDivision));
    out += ", \"needs_large_value\": " + std::string(yesNo(figures.needsLargeValue));
    return out + ", \"score\": " + std::to_string(figures.score) + "}\n";
}

int refuse(const std::string &problem)
{
    std::cerr << "tallyfold-solve: " << problem << '\n';
    return kUsageError;
}

// --board CODE [--json], on its own: the board the code names, on one line as
// --daily prints a board, or the same as a JSON object with the code.
int board(const std::vector<std::string_view> &arguments)
{
    bool json = false;
    // A code typed with spaces and not quoted reaches the program in pieces,
    // which are put back together as typed.
    std::string text;
    for (const std::string_view argument : arguments) {
        if (argument == "--json") {
            json = true;
        } else if (argument.starts_with("--") && argument != "--board") {
            return refuse("--board takes a code and --json, not '" + shown(argument) +
                          "' (see --help)");
        } else if (argument != "--board") {
            text += (text.empty() ? "" : " ") + std::string(argument);
        }
    }
    if (text.empty())
        return refuse("--board needs a code, such as TF-98X-KKC (see --help)");
    solver::ReadCode read = solver::readBoardCode(text);
    if (read.fault != solver::CodeFault::None) {
        read.character = shown(read.character);
        return refuse("code '" + shown(text) + "': " + solver::codeFaultMessage(read));
    }
    std::string out;
    if (json) {
        out = codeJson(read.numbers, read.target, read.code);
    } else {
        for (const std::int32_t n : read.numbers)
            out += std::to_string(n) + ' ';
        out += "-> " + std::to_string(read.target) + '\n';
    }
    std::cout << out;
    return solveio::finishOutput();
}

// --daily [YYYY-MM-DD] [--json], on its own: the board of that date, or of
// today's local date. Prints "N1 N2 N3 N4 N5 N6 -> TARGET", or the same as a
// JSON object with the date.
int daily(const std::vector<std::string_view> &arguments)
{
    bool json = false;
    std::optional<std::string_view> date;
    for (const std::string_view argument : arguments) {
        if (argument == "--json")
            json = true;
        else if (argument != "--daily" && !date && !argument.starts_with('-'))
            date = argument;
        else if (argument != "--daily")
            return refuse("--daily takes one date YYYY-MM-DD and --json, not '" + shown(argument) +
                          "' (see --help)");
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (date) {
        const auto digits = [&](std::size_t from, std::size_t count, int &value) {
            value = 0;
            for (std::size_t i = from; i < from + count; ++i) {
                if ((*date)[i] < '0' || (*date)[i] > '9')
                    return false;
                value = value * 10 + ((*date)[i] - '0');
            }
            return true;
        };
        if (date->size() != 10 || (*date)[4] != '-' || (*date)[7] != '-' || !digits(0, 4, year) ||
            !digits(5, 2, month) || !digits(8, 2, day) || !solver::validDate(year, month, day)) {
            return refuse("date '" + shown(*date) +
                          "' is not a date YYYY-MM-DD from 0001-01-01 to 9999-12-31");
        }
    } else {
        const std::time_t now = std::time(nullptr);
        const std::tm *local = std::localtime(&now);
        if (!local) {
            std::cerr << "tallyfold-solve: cannot read today's date\n";
            return 1;
        }
        year = local->tm_year + 1900;
        month = local->tm_mon + 1;
        day = local->tm_mday;
    }
    const solver::DailyBoard board = solver::dailyBoard(year, month, day);
    std::string out;
    if (json) {
        char text[40]; // room for any int, though the date is valid
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        out = "{\"date\": \"" + std::string(text) + "\", \"numbers\": [";
        for (std::size_t i = 0; i < 6; ++i)
            out += (i ? ", " : "") + std::to_string(board.numbers[i]);
        out += "], \"target\": " + std::to_string(board.target) + "}\n";
    } else {
        for (const std::int32_t n : board.numbers)
            out += std::to_string(n) + ' ';
        out += "-> " + std::to_string(board.target) + '\n';
    }
    std::cout << out;
    return solveio::finishOutput();
}

} // namespace

int main(int argc, char **argv)
{
    // The output often goes into a pipe to a reader that may stop early, as
    // head(1) does: that is a failed write like any other, with its status.
    solveio::failWritesToClosedPipes();
    solveio::writeUtf8ToTheConsole();
    const std::vector<std::string> utf8 = solveio::utf8Arguments(argc, argv);
    std::vector<std::string_view> arguments(utf8.begin(), utf8.end());
    // Whatever else the command line holds, the help first, then the version.
    for (const std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return solveio::finishOutput();
        }
    }
    if (std::find(arguments.begin(), arguments.end(), "--version") != arguments.end()) {
        std::cout << "tallyfold-solve " TALLYFOLD_VERSION "\n";
        return solveio::finishOutput();
    }
    if (std::find(arguments.begin(), arguments.end(), "--daily") != arguments.end())
        return daily(arguments);
    if (std::find(arguments.begin(), arguments.end(), "--board") != arguments.end())
        return board(arguments);
    Request request;
    if (const std::string problem = parseArguments(arguments, request); !problem.empty()) {
        std::cerr << "tallyfold-solve: " << problem << '\n';
        return kUsageError;
    }

    solver::BubbleSort(request.numbers);
    if (request.check) {
        const int status = checkOutput(request);
        const int written = solveio::finishOutput();
        return written != 0 ? written : status;
    }
    if (request.complete) {
        std::cout << completeOutput(request);
        return solveio::finishOutput();
    }
    if (request.hint) {
        std::cout << hintOutput(request);
        return solveio::finishOutput();
    }
    if (request.rate) {
        std::cout << rateOutput(request);
        return solveio::finishOutput();
    }
    if (request.code) {
        const std::string code = solver::boardCode(request.numbers, request.target);
        std::cout << (request.json ? codeJson(request.numbers, request.target, code) : code + '\n');
        return solveio::finishOutput();
    }
    solver::AnswerList answers;
    solver::SearchHooks hooks;
    hooks.hit = [&answers](std::string &expression) { answers.add(expression); };
    solver::SolverCore core;
    bool running = false;
    std::int32_t combinations = 0;
    core.search(request.numbers, request.target, running, combinations, hooks);

    // The two lines the game's status label shows when a search finishes; its
    // first line ends in a space there, which a JSON value has no use for.
    const std::string counted = std::to_string(answers.size()) + " answers found.";
    const std::string searched = "Searched " + std::to_string(combinations) + " combinations:";
    if (request.json) {
        std::string out = "{\"numbers\":[";
        for (std::size_t i = 0; i < 6; ++i)
            out += (i ? "," : "") + std::to_string(request.numbers[i]);
        out += "],\"target\":" + std::to_string(request.target);
        out += ",\"combinations\":" + std::to_string(combinations) + ",\"answers\":[";
        for (std::size_t i = 0; i < answers.size(); ++i)
            out += (i ? "," : "") + jsonString(answers.items()[i]);
        out += "],\"message\":" + jsonString(searched + '\n' + counted) + "}\n";
        std::cout << out;
    } else {
        for (const std::string &answer : answers.items())
            std::cout << answer << '\n';
        std::cout << searched << " \n" << counted << '\n';
    }
    return solveio::finishOutput();
}
