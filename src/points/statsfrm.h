#pragma once

#include "playerstats.h"

#include <QDialog>

#include <functional>

class QLabel;
class ScoreKeeper;
class QPushButton;

// The bars of how far answers fell short of the best possible, drawn to
// scale of the largest, each with its count.
class FallChart : public QWidget
{
    Q_OBJECT

public:
    explicit FallChart(QWidget *parent = nullptr);
    void setBands(const std::array<qint32, PlayerStats::BandCount> &bands);
    static QString bandName(int band);
    // Where a band's count is written.
    QRect countRect(int band) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int nameWidth() const;
    int countWidth() const;
    int rowHeight() const;
    QRect barRect(int band) const;

    std::array<qint32, PlayerStats::BandCount> m_bands{};
};

// "Statistics": the scored games so far, with Reset (after a confirmation)
// and, once the board of the day has a result, "Copy result".
class StatsFrm : public QDialog
{
    Q_OBJECT

public:
    // Asks whether to reset; the tests answer it themselves.
    using Confirm = std::function<bool(QWidget *parent)>;

    // The statistics are the record's, read when the window opens.
    explicit StatsFrm(ScoreKeeper &record, QWidget *parent = nullptr, Confirm confirm = {});

    void Reset_Click();

    QLabel *lbFigures = nullptr;
    FallChart *chart = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdClose = nullptr;

private:
    void showStats();

    ScoreKeeper &m_record;
    PlayerStats m_stats;
    Confirm m_confirm;
};
