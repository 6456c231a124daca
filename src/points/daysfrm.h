#pragma once

#include "gamehistory.h"

#include <QDate>
#include <QDialog>
#include <QMap>

#include <array>

class QLabel;
class QPushButton;
class QToolButton;
class ScoreKeeper;

// "Past days": a month of the boards of the day, from the first one to
// today, each day with its result or none. Choosing a day closes the window
// with it, to be played as today's board is; its first result is that day's.
// The days are buttons named with their date and result, so that a screen
// reader reads the month as it looks; the arrows move among them, Page Up
// and Page Down go a month back and on.
class DaysFrm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Cells = 42; // six weeks of seven days
    DaysFrm(ScoreKeeper &record, QDate today, QWidget *parent = nullptr);

    // The day chosen, once the window is accepted.
    QDate chosenDay() const { return m_chosen; }
    QDate shownMonth() const { return m_month; }
    // Shows the month of `day` (kept within the archive's months) and gives
    // the keyboard to that day, or the nearest day that can be played.
    void showDay(QDate day);
    // The day a cell shows in the month shown; invalid for a cell outside it.
    QDate dayAt(int cell) const;
    // A day's name for a screen reader: its date and its result.
    static QString dayName(QDate day, const DayResult *result);

    QToolButton *cmdPrevious = nullptr;
    QToolButton *cmdNext = nullptr;
    QLabel *lbMonth = nullptr;
    std::array<QToolButton *, Cells> cmdDay{};
    QPushButton *cmdClose = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dayClicked(int cell);

    ScoreKeeper &m_record;
    QDate m_today;
    QDate m_month;   // its first day
    QDate m_focused; // the day that has (or takes) the keyboard
    QDate m_chosen;
};
