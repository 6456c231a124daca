#include "daysfrm.h"

#include "recordmessage.h"
#include "scorekeeper.h"

#include "designfont.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The week starts where the player's language starts it.
int columnOf(QDate day)
{
    const int first = int(QLocale().firstDayOfWeek());
    return (day.dayOfWeek() - first + 7) % 7;
}

} // namespace

DaysFrm::DaysFrm(ScoreKeeper &record, QDate today, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_record(record)
    , m_today(std::max(today, firstDailyDay()))
{
    setObjectName(QStringLiteral("DaysFrm"));
    setWindowTitle(tr("Past days"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));

    cmdPrevious = new QToolButton(this);
    cmdPrevious->setObjectName(QStringLiteral("cmdPrevious"));
    cmdPrevious->setArrowType(Qt::LeftArrow);
    cmdPrevious->setAccessibleName(tr("Previous month"));
    cmdNext = new QToolButton(this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setArrowType(Qt::RightArrow);
    cmdNext->setAccessibleName(tr("Next month"));
    lbMonth = new QLabel(this);
    lbMonth->setObjectName(QStringLiteral("lbMonth"));
    lbMonth->setAlignment(Qt::AlignCenter);
    connect(cmdPrevious, &QToolButton::clicked, this, [this] { showDay(m_month.addMonths(-1)); });
    connect(cmdNext, &QToolButton::clicked, this, [this] { showDay(m_month.addMonths(1)); });

    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    const QLocale locale;
    for (int column = 0; column < 7; ++column) {
        const int weekday = (int(locale.firstDayOfWeek()) - 1 + column) % 7 + 1;
        auto *name = new QLabel(locale.dayName(weekday, QLocale::ShortFormat), this);
        name->setAlignment(Qt::AlignCenter);
        grid->addWidget(name, 0, column);
    }
    const int side = std::max(fontMetrics().horizontalAdvance(tr("%1 pts").arg(10)),
                              fontMetrics().horizontalAdvance(QStringLiteral("00"))) +
                     12;
    for (int cell = 0; cell < Cells; ++cell) {
        auto *day = new QToolButton(this);
        day->setObjectName(QStringLiteral("cmdDay%1").arg(cell));
        day->setFixedSize(side, fontMetrics().lineSpacing() * 2 + 10);
        day->setAutoRaise(false);
        day->installEventFilter(this);
        connect(day, &QToolButton::clicked, this, [this, cell] { dayClicked(cell); });
        grid->addWidget(day, 1 + cell / 7, cell % 7);
        cmdDay.at(std::size_t(cell)) = day;
    }

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(cmdPrevious);
    top->addWidget(lbMonth, 1);
    top->addWidget(cmdNext);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    showDay(m_today);
}

QDate DaysFrm::dayAt(int cell) const
{
    const QDate day = m_month.addDays(cell - columnOf(m_month));
    return day.month() == m_month.month() ? day : QDate();
}

void DaysFrm::showDay(QDate day)
{
    day = std::clamp(day, firstDailyDay(), m_today);
    m_month = QDate(day.year(), day.month(), 1);
    m_focused = day;
    const QLocale locale;
    // The month's name as it stands alone, not as it is inflected inside a
    // date: "marzec 2026" in Polish, where "MMMM yyyy" writes "marca 2026".
    lbMonth->setText(QStringLiteral("%1 %2").arg(locale.standaloneMonthName(m_month.month()),
                                                 QString::number(m_month.year())));
    cmdPrevious->setEnabled(m_month > firstDailyDay());
    cmdNext->setEnabled(m_month.addMonths(1) <= m_today);

    const QMap<QDate, DayResult> results =
        m_record.dayResults(m_month, m_month.addMonths(1).addDays(-1));
    tellRecordFailure(this, m_record);
    for (int cell = 0; cell < Cells; ++cell) {
        QToolButton *button = cmdDay.at(std::size_t(cell));
        const QDate shown = dayAt(cell);
        button->setVisible(shown.isValid());
        if (!shown.isValid())
            continue;
        const auto found = results.constFind(shown);
        const DayResult *result = found == results.cend() ? nullptr : &*found;
        //: Under a day of the calendar: the points of its result, in short.
        const QString points = result ? tr("%1 pts").arg(result->round.points) : QString();
        button->setText(QString::number(shown.day()) + QLatin1Char('\n') + points);
        button->setAccessibleName(dayName(shown, result));
        button->setToolTip(button->accessibleName());
        button->setEnabled(shown >= firstDailyDay() && shown <= m_today);
        // One day takes the keyboard with Tab; the arrows move it among the others.
        button->setFocusPolicy(shown == m_focused ? Qt::StrongFocus : Qt::ClickFocus);
        if (shown == m_focused && isVisible())
            button->setFocus(Qt::OtherFocusReason);
    }
    if (!isVisible())
        cmdDay.at(std::size_t(columnOf(m_month) + m_focused.day() - 1))->setFocus();
}

QString DaysFrm::dayName(QDate day, const DayResult *result)
{
    const QString date = QLocale().toString(day, QLocale::LongFormat);
    if (!result)
        //: %1: a date, as "Friday, 11 December 2026".
        return tr("%1: not played").arg(date);
    const ScoredRound &round = result->round;
    QString points = round.points == 1 ? tr("1 point") : tr("%1 points").arg(round.points);
    if (!round.declared)
        //: %1: a date; %2: its points ("0 points").
        return tr("%1: %2, no answer").arg(date, points);
    if (round.distance == 0)
        return tr("%1: %2, exact").arg(date, points);
    //: %1: a date; %2: its points; %3: how far the answer was from the target.
    return tr("%1: %2, %3 away").arg(date, points, QString::number(round.distance));
}

void DaysFrm::dayClicked(int cell)
{
    const QDate day = dayAt(cell);
    if (!day.isValid() || day < firstDailyDay() || day > m_today)
        return;
    m_chosen = day;
    accept();
}

bool DaysFrm::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(cmdDay.begin(), cmdDay.end(), watched);
    if (found == cmdDay.end() || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int cell = int(found - cmdDay.begin());
    const auto *key = static_cast<QKeyEvent *>(event);
    const QDate day = dayAt(cell);
    switch (key->key()) {
    case Qt::Key_Left:
        showDay(day.addDays(-1));
        return true;
    case Qt::Key_Right:
        showDay(day.addDays(1));
        return true;
    case Qt::Key_Up:
        showDay(day.addDays(-7));
        return true;
    case Qt::Key_Down:
        showDay(day.addDays(7));
        return true;
    case Qt::Key_PageUp:
        showDay(day.addMonths(-1));
        return true;
    case Qt::Key_PageDown:
        showDay(day.addMonths(1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dayClicked(cell);
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}
