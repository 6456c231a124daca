#include "completelisting.h"

#include "completesearch.h"

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
        const qsizetype count = qsizetype(result.answers.size());
        return QStringLiteral("A complete search found ") + QString::number(count) +
               (count == 1 ? QStringLiteral(" answer.") : QStringLiteral(" answers."));
    }
    return QStringLiteral("No exact answer: the nearest is ") +
           QString::fromStdString(solver::nearestText(result)) + QStringLiteral(" (") +
           QString::number(result.distance) + QStringLiteral(" away).");
}

namespace {

// The main window lays the label out for the two lines of a finish message;
// the third gets its room by growing the label about its centre, no further
// down than the answers list below it.
void makeRoom(QLabel &label, const QListWidget &list)
{
    const int needed =
        label.hasHeightForWidth() ? label.heightForWidth(label.width()) : label.sizeHint().height();
    QRect room = label.geometry();
    if (needed <= room.height())
        return;
    room.setTop(room.center().y() - needed / 2);
    room.setHeight(needed);
    QWidget *parent = label.parentWidget();
    if (parent && parent->isAncestorOf(&list)) {
        const int listTop = list.mapTo(parent, QPoint(0, 0)).y();
        if (room.bottom() >= listTop - 1 && listTop > room.top())
            room.moveBottom(listTop - 2);
    }
    label.setGeometry(room);
}

} // namespace

void Show(std::span<const std::int32_t> numbers, std::int32_t target, QListWidget &list,
          QLabel &label)
{
    const solver::CompleteResult result = solver::completeSearch(numbers.first(6), target);
    list.addItems(Lines(result));
    label.setText(label.text() + QLatin1Char('\n') + Summary(result));
    makeRoom(label, list);
}

} // namespace CompleteListing
