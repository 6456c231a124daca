#include "statsfrm.h"

#include "recordmessage.h"
#include "scorekeeper.h"

#include "designfont.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");

bool askToReset(QWidget *parent)
{
    return QMessageBox::question(
               parent, StatsFrm::tr("Statistics"), StatsFrm::tr("Reset all statistics to zero?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

FallChart::FallChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setMinimumSize(300, PlayerStats::BandCount * (fontMetrics().height() + 6) + 6);
}

QString FallChart::bandName(int band)
{
    static const std::array<const char *, PlayerStats::BandCount> names{
        QT_TR_NOOP("Best possible"), QT_TR_NOOP("1 to 5 off"), QT_TR_NOOP("6 to 10 off"),
        QT_TR_NOOP("Over 10 off"), QT_TR_NOOP("No answer")};
    return tr(names.at(std::size_t(band)));
}

void FallChart::setBands(const std::array<qint32, PlayerStats::BandCount> &bands)
{
    m_bands = bands;
    QStringList spoken;
    for (int i = 0; i < PlayerStats::BandCount; ++i)
        spoken << QStringLiteral("%1: %2").arg(bandName(i)).arg(m_bands[std::size_t(i)]);
    // The bars say nothing to a screen reader; their counts do.
    setAccessibleName(tr("How far answers fell"));
    setAccessibleDescription(spoken.join(QStringLiteral(", ")));
    // The names, the shortest bar and the widest count side by side.
    setMinimumWidth(std::max(300, nameWidth() + countWidth() + 26));
    update();
}

int FallChart::nameWidth() const
{
    int width = 0;
    for (int i = 0; i < PlayerStats::BandCount; ++i)
        width = std::max(width, fontMetrics().horizontalAdvance(bandName(i)));
    return width;
}

int FallChart::countWidth() const
{
    // Room for five digits at least, so that the bars do not shift as the
    // first games are counted; more when a count needs it.
    int width = fontMetrics().horizontalAdvance(QStringLiteral("00000"));
    for (const qint32 count : m_bands)
        width = std::max(width, fontMetrics().horizontalAdvance(QString::number(count)));
    return width;
}

int FallChart::rowHeight() const
{
    return fontMetrics().height() + 6;
}

QRect FallChart::barRect(int band) const
{
    const int barSpace = std::max(10, width() - nameWidth() - countWidth() - 16);
    const qint32 largest = std::max(1, *std::max_element(m_bands.begin(), m_bands.end()));
    const int length = int(qint64(barSpace) * m_bands[std::size_t(band)] / largest);
    const int top = 3 + band * rowHeight();
    return QRect(nameWidth() + 8, top + 3, length, rowHeight() - 6);
}

QRect FallChart::countRect(int band) const
{
    return QRect(barRect(band).right() + 4, 3 + band * rowHeight(), countWidth(), rowHeight());
}

void FallChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < PlayerStats::BandCount; ++i) {
        const int top = 3 + i * rowHeight();
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, top, nameWidth(), rowHeight()), Qt::AlignVCenter | Qt::AlignLeft,
                         bandName(i));
        painter.fillRect(barRect(i),
                         i == PlayerStats::BestBand ? QColor(0, 128, 0) : QColor(0, 0, 160));
        painter.drawText(countRect(i), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::number(m_bands[std::size_t(i)]));
    }
}

StatsFrm::StatsFrm(ScoreKeeper &record, QWidget *parent, Confirm confirm)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_record(record)
    , m_stats(record.statistics())
    , m_confirm(confirm ? std::move(confirm) : Confirm(askToReset))
{
    setObjectName(QStringLiteral("StatsFrm"));
    setWindowTitle(tr("Statistics"));
    setFont(designFont(SansSerif, 8.25));

    lbFigures = new QLabel(this);
    lbFigures->setObjectName(QStringLiteral("lbFigures"));
    lbFigures->setTextFormat(Qt::PlainText);
    auto *chartTitle = new QLabel(tr("How far answers fell:"), this);
    chart = new FallChart(this);

    cmdReset = new QPushButton(tr("&Reset"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    // Enter presses the button with the focus; Close where none has it.
    cmdReset->setAutoDefault(true);
    cmdCopy = new QPushButton(tr("&Copy result"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setAutoDefault(true);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdReset, &QPushButton::clicked, this, &StatsFrm::Reset_Click);
    connect(cmdCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(GLOBALbas::dailySummary(m_stats)); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdReset);
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbFigures);
    layout->addWidget(chartTitle);
    layout->addWidget(chart);
    layout->addLayout(buttons);
    showStats();
}

void StatsFrm::showStats()
{
    const PlayerStats &s = m_stats;
    QStringList lines{
        tr("Games scored: %1").arg(s.gamesScored),
        tr("Answers declared: %1").arg(s.answersDeclared),
        tr("Best possible reached: %1").arg(s.bestReached),
        // The default locale is the language's (see translationchoice).
        tr("Points: %1 in all, %2 a game")
            .arg(s.pointsTotal)
            .arg(QLocale().toString(s.averagePoints(), 'f', 1)),
        tr("Best possible in a row: %1 now, %2 at most").arg(s.currentRun).arg(s.longestRun),
        tr("On the clock: %1, without the clock: %2").arg(s.timedGames).arg(s.untimedGames),
    };
    //: The days whose board of the day was played, and the run of them up to today.
    lines << tr("Days played: %1, in a row: %2").arg(s.daysPlayed).arg(s.dayStreak);
    if (s.hintsTaken > 0)
        lines << tr("Hints taken: %1").arg(s.hintsTaken);
    //: Two-player matches played to their last round.
    if (s.matchesPlayed > 0)
        lines << tr("Matches played: %1").arg(s.matchesPlayed);
    if (s.medianSolveMs && s.bestSolveMs) {
        const auto seconds = [](qint64 ms) {
            return QLocale().toString(double(ms) / 1000.0, 'f', 1);
        };
        //: The times from the target standing still to Declare, of the best
        //: possible answers in games on the clock: %1 the median, %2 the best.
        lines << tr("Time to solve: %1 s as a rule (median), %2 s at best")
                     .arg(seconds(*s.medianSolveMs), seconds(*s.bestSolveMs));
    }
    if (s.dailyDate.isValid())
        lines << tr("Board of the day: %1").arg(GLOBALbas::dailySummary(s));
    lbFigures->setText(lines.join(QLatin1Char('\n')));
    chart->setBands(s.bands);
    cmdCopy->setVisible(s.dailyDate.isValid());
}

void StatsFrm::Reset_Click()
{
    if (!m_confirm(this))
        return;
    m_record.resetCounts();
    tellRecordFailure(this, m_record);
    m_stats = m_record.statistics();
    showStats();
}
