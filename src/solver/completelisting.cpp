#include "solver/completelisting.h"

#include "solver/completesearch.h"

#include <QLabel>
#include <QListWidget>

namespace CompleteListing {

QStringList Lines(const solver::CompleteResult &result)
{
    QStringList lines;
    for (const solver::CompleteAnswer &answer : result.answers) {
        if (lines.size() == MaxListed)
            break;
        QString line = QString::fromStdString(answer.text);
        if (!result.exact)
            line += QStringLiteral(" = ") + QString::number(answer.value);
        lines.append(line);
    }
    return lines;
}

QString Summary(const solver::CompleteResult &result)
{
    if (result.exact) {
        return QStringLiteral("A complete search found ") +
               QString::number(qsizetype(result.answers.size())) + QStringLiteral(" answers.");
    }
    return QStringLiteral("No exact answer: the nearest is ") +
           QString::fromStdString(solver::nearestText(result)) + QStringLiteral(" (") +
           QString::number(result.distance) + QStringLiteral(" away).");
}

void Show(std::span<const std::int32_t> numbers, std::int32_t target, QListWidget &list,
          QLabel &label)
{
    const solver::CompleteResult result = solver::completeSearch(numbers.first(6), target);
    list.addItems(Lines(result));
    label.setText(label.text() + QLatin1Char('\n') + Summary(result));
}

} // namespace CompleteListing
