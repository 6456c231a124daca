#include "answerfrm.h"

#include "answerscore.h"
#include "coaching.h"
#include "designfont.h"
#include "ratingnames.h"

#include <QAccessible>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");

struct OperationButton
{
    solver::Operation operation;
    const char *caption;
    const char *spoken;
};
const std::array<OperationButton, 4> Operations{{
    {solver::Operation::Add, "+", QT_TRANSLATE_NOOP("AnswerFrm", "plus")},
    {solver::Operation::Subtract, "-", QT_TRANSLATE_NOOP("AnswerFrm", "minus")},
    {solver::Operation::Multiply, "x", QT_TRANSLATE_NOOP("AnswerFrm", "times")},
    {solver::Operation::Divide, "/", QT_TRANSLATE_NOOP("AnswerFrm", "divided by")},
}};

QString numbersText(std::span<const std::int32_t> numbers)
{
    QStringList texts;
    for (const std::int32_t n : numbers)
        texts << QString::number(n);
    return texts.join(QLatin1Char(' '));
}

QPushButton *newButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter presses the button that has the focus, as Space does; the
    // default button (Declare, then Close) takes it where no button has it.
    button->setAutoDefault(true);
    return button;
}

} // namespace

AnswerFrm::AnswerFrm(std::span<const std::int32_t> numbers, std::int32_t target, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_numbers(numbers.begin(), numbers.end())
    , m_target(target)
    , m_steps(numbers)
{
    setObjectName(QStringLiteral("AnswerFrm"));
    setWindowTitle(tr("Your answer"));
    setFont(designFont(SansSerif, 8.25));

    lbBoard = new QLabel(tr("Your numbers: %1    Target: %2").arg(numbersText(numbers)).arg(target),
                         this);
    lbBoard->setObjectName(QStringLiteral("lbBoard"));
    lbBoard->setFont(designFont(SansSerif, 12, QFont::Bold));

    pages = new QStackedWidget(this);
    pages->addWidget(createAnswerPage());
    pages->addWidget(createResultPage());
    pages->addWidget(createHandOverPage());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbBoard);
    layout->addWidget(pages);
    setMinimumWidth(460);
    showSteps();
}

AnswerFrm::~AnswerFrm() = default;

QWidget *AnswerFrm::createAnswerPage()
{
    auto *page = new QWidget(this);
    tabWays = new QTabWidget(page);
    tabWays->setObjectName(QStringLiteral("tabWays"));
    tabWays->addTab(createStepsPage(), tr("&Step by step"));
    tabWays->addTab(createTypedPage(), tr("&Type it"));
    // The line under the pages speaks of the page shown: a typed answer's
    // value or fault is no refusal of a step.
    connect(tabWays, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 0)
            lbCheck->clear();
        else
            typedChanged();
    });

    lbCheck = new QLabel(page);
    lbCheck->setObjectName(QStringLiteral("lbCheck"));
    lbCheck->setWordWrap(true);
    lbCheck->setMinimumHeight(2 * fontMetrics().height());

    cmdDeclare = newButton(QStringLiteral("cmdDeclare"), tr("&Declare"), page);
    cmdDeclare->setDefault(true);
    cmdNoAnswer = newButton(QStringLiteral("cmdNoAnswer"), tr("&No answer"), page);
    connect(cmdDeclare, &QPushButton::clicked, this, &AnswerFrm::Declare_Click);
    connect(cmdNoAnswer, &QPushButton::clicked, this, &AnswerFrm::NoAnswer_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDeclare);
    buttons->addWidget(cmdNoAnswer);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabWays);
    layout->addWidget(lbCheck);
    layout->addLayout(buttons);
    return page;
}

QWidget *AnswerFrm::createStepsPage()
{
    auto *page = new QWidget;
    // The six numbers on one row, each step's result on the row under them,
    // so that eleven buttons never share one row's room and every number
    // shows whole.
    auto *numberRow = new QGridLayout;
    numberRow->setObjectName(QStringLiteral("numberRow"));
    auto *operationRow = new QHBoxLayout;
    for (std::size_t i = 0; i < Operations.size(); ++i) {
        const OperationButton &op = Operations[i];
        auto *button = newButton(QStringLiteral("cmdOperation%1").arg(i),
                                 QString::fromLatin1(op.caption), page);
        button->setAccessibleName(tr(op.spoken));
        button->setCheckable(true);
        // Toggled, not clicked: a screen reader's Toggle action only toggles.
        connect(button, &QPushButton::toggled, this, [this, op] {
            if (m_showing)
                return;
            m_steps.chooseOperation(op.operation);
            lbCheck->clear();
            showSteps();
        });
        cmdOperation[i] = button;
        operationRow->addWidget(button);
    }
    cmdUndo = newButton(QStringLiteral("cmdUndo"), tr("&Undo"), page);
    connect(cmdUndo, &QPushButton::clicked, this, [this] {
        m_steps.undo();
        lbCheck->clear();
        showSteps();
        // Undo may have nothing left to take back and be disabled: the
        // keyboard goes on from the numbers, the step's first free one.
        for (QPushButton *number : std::as_const(cmdNumber)) {
            if (number->isEnabled()) {
                number->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    });
    operationRow->addStretch();
    operationRow->addWidget(cmdUndo);

    lstSteps = new QListWidget(page);
    lstSteps->setObjectName(QStringLiteral("lstSteps"));
    lstSteps->setAccessibleName(tr("Steps"));
    lstSteps->setMinimumHeight(4 * fontMetrics().height());

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(numberRow);
    layout->addLayout(operationRow);
    layout->addWidget(lstSteps);
    return page;
}

QWidget *AnswerFrm::createTypedPage()
{
    auto *page = new QWidget;
    auto *label = new QLabel(tr("&Answer (digits, + - x / and parentheses):"), page);
    txtAnswer = new QLineEdit(page);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer->setAccessibleName(tr("Answer"));
    txtAnswer->setMaxLength(200);
    label->setBuddy(txtAnswer);
    connect(txtAnswer, &QLineEdit::textChanged, this, &AnswerFrm::typedChanged);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addWidget(txtAnswer);
    layout->addStretch();
    return page;
}

QWidget *AnswerFrm::createResultPage()
{
    auto *page = new QWidget(this);
    lbResult = new QLabel(page);
    lbResult->setObjectName(QStringLiteral("lbResult"));
    lbResult->setWordWrap(true);
    lbResult->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lbResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbResult->setFont(designFont(SansSerif, 10));
    cmdCopy = newButton(QStringLiteral("cmdCopy"), tr("&Copy result"), page);
    cmdCopy->hide();
    connect(cmdCopy, &QPushButton::clicked, this, [this] {
        if (m_summary)
            QGuiApplication::clipboard()->setText(m_summary());
    });
    cmdClose = newButton(QStringLiteral("cmdClose"), tr("Close"), page);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lbResult, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget *AnswerFrm::createHandOverPage()
{
    auto *page = new QWidget(this);
    lbHandOver = new QLabel(page);
    lbHandOver->setObjectName(QStringLiteral("lbHandOver"));
    lbHandOver->setWordWrap(true);
    lbHandOver->setAlignment(Qt::AlignCenter);
    lbHandOver->setFont(designFont(SansSerif, 12, QFont::Bold));
    cmdReady = newButton(QStringLiteral("cmdReady"), tr("&Ready"), page);
    connect(cmdReady, &QPushButton::clicked, this, [this] {
        pages->setCurrentIndex(0);
        cmdDeclare->setDefault(true);
        // The keyboard starts where a player starts: the first number.
        if (tabWays->currentIndex() == 0 && !cmdNumber.isEmpty())
            cmdNumber.first()->setFocus(Qt::OtherFocusReason);
        else
            txtAnswer->setFocus(Qt::OtherFocusReason);
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReady);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(lbHandOver);
    layout->addLayout(buttons);
    layout->addStretch();
    return page;
}

void AnswerFrm::setMatchTurn(const QString &handOver)
{
    m_matchTurn = true;
    lbHandOver->setText(handOver);
    // Read with the button that has the focus, as the result is with Close.
    cmdReady->setAccessibleDescription(handOver);
    pages->setCurrentIndex(2);
    cmdReady->setDefault(true);
    cmdReady->setFocus(Qt::OtherFocusReason);
}

void AnswerFrm::showRoundResult(const QStringList &lines)
{
    showResult(lines);
}

void AnswerFrm::showSteps()
{
    // One button per number there is to use: the six, then each result.
    const QScopedValueRollback showing(m_showing, true);
    const auto &items = m_steps.items();
    auto *rows = findChild<QGridLayout *>(QStringLiteral("numberRow"));
    while (cmdNumber.size() > qsizetype(items.size()))
        delete cmdNumber.takeLast();
    while (cmdNumber.size() < qsizetype(items.size())) {
        const int item = int(cmdNumber.size());
        auto *button =
            newButton(QStringLiteral("cmdNumber%1").arg(item), QString(), tabWays->widget(0));
        button->setCheckable(true);
        connect(button, &QPushButton::toggled, this, [this, item] {
            if (!m_showing)
                numberClicked(item);
        });
        const int dealt = int(m_numbers.size());
        rows->addWidget(button, item < dealt ? 0 : 1, item < dealt ? item : item - dealt);
        cmdNumber.append(button);
    }
    for (qsizetype i = 0; i < cmdNumber.size(); ++i) {
        const AnswerSteps::Item &item = items[std::size_t(i)];
        QPushButton *button = cmdNumber[i];
        button->setText(QString::number(item.value));
        // Never narrower than its number, which a crowded row would cut.
        const QFontMetrics metrics(button->font());
        button->setMinimumWidth(metrics.horizontalAdvance(button->text()) +
                                2 * metrics.averageCharWidth());
        // Set only when it changes: each setting tells a screen reader anew.
        const QString name =
            item.isResult ? tr("Result %1").arg(item.value) : QString::number(item.value);
        if (button->accessibleName() != name)
            button->setAccessibleName(name);
        button->setEnabled(!item.used);
        button->setChecked(m_steps.chosen() == std::size_t(i));
    }
    // Tab goes along the numbers, then the operations, Undo and the steps, as
    // they are drawn, whatever order the buttons were made in.
    QWidget *previous = tabWays->tabBar();
    for (QWidget *next : QList<QWidget *>(cmdNumber.begin(), cmdNumber.end()) +
                             QList<QWidget *>{cmdOperation.begin(), cmdOperation.end()} +
                             QList<QWidget *>{cmdUndo, lstSteps}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (std::size_t i = 0; i < Operations.size(); ++i) {
        cmdOperation[i]->setEnabled(m_steps.chosen().has_value());
        cmdOperation[i]->setChecked(m_steps.operation() == Operations[i].operation);
    }
    cmdUndo->setEnabled(m_steps.canUndo());
    lstSteps->clear();
    for (const AnswerSteps::Step &step : m_steps.steps())
        lstSteps->addItem(QString::fromStdString(m_steps.describe(step)));
}

void AnswerFrm::numberClicked(int item)
{
    const solver::CheckResult refusal = m_steps.choose(std::size_t(item));
    showSteps();
    if (refusal.problem != solver::CheckProblem::None) {
        refuse(checkSentence(refusal));
        return;
    }
    lbCheck->clear();
    // After a step the keyboard goes on from its result.
    if (!m_steps.steps().empty() && !m_steps.chosen() &&
        m_steps.steps().back().second == std::size_t(item))
        cmdNumber.last()->setFocus();
}

void AnswerFrm::typedChanged()
{
    const std::string text = txtAnswer->text().toStdString();
    if (txtAnswer->text().trimmed().isEmpty()) {
        lbCheck->clear();
        return;
    }
    const solver::CheckResult check = solver::checkAnswer(text, m_numbers);
    lbCheck->setText(check.valid ? QStringLiteral("= %1").arg(check.value) : checkSentence(check));
}

void AnswerFrm::refuse(const QString &why)
{
    lbCheck->setText(why);
}

void AnswerFrm::Declare_Click()
{
    if (m_scored)
        return;
    if (tabWays->currentIndex() == 0) {
        if (!m_steps.declared()) {
            refuse(tr("Choose a number, or make a step, to declare."));
            return;
        }
        score(m_steps.items()[*m_steps.declared()].value,
              QString::fromStdString(m_steps.expression()));
        return;
    }
    const solver::CheckResult check =
        solver::checkAnswer(txtAnswer->text().toStdString(), m_numbers);
    if (!check.valid) {
        refuse(checkSentence(check));
        txtAnswer->setFocus();
        return;
    }
    score(check.value, txtAnswer->text().simplified());
}

void AnswerFrm::NoAnswer_Click()
{
    if (!m_scored)
        score(std::nullopt, QString());
}

void AnswerFrm::reject()
{
    // Escape or the close box before declaring gives the answer up and, as
    // No answer does, shows the best possible first; afterwards they close.
    if (!m_scored) {
        score(std::nullopt, QString());
        return;
    }
    QDialog::reject();
}

void AnswerFrm::closeGivingUp()
{
    if (!m_scored)
        score(std::nullopt, QString());
    QDialog::reject();
}

void AnswerFrm::addNote(const QString &note)
{
    m_result += QLatin1Char('\n') + note;
    lbResult->setText(m_result);
    cmdClose->setAccessibleDescription(m_result.split(QLatin1Char('\n')).join(QLatin1Char(' ')));
}

void AnswerFrm::score(std::optional<std::int64_t> declared, const QString &answer)
{
    // Read first: the time to solve ends as the player declares.
    const qint64 solveMs = declared && m_round.stood.isValid() ? m_round.stood.elapsed() : -1;
    const solver::BestPossible best = solver::bestPossible(m_numbers, m_target);
    m_game = scoreAnswer(m_numbers, m_target, best, declared, answer, m_round.hintsTaken);
    m_game.timed = m_round.timed;
    if (solveMs >= 0)
        m_game.solveMs = solveMs;
    const solver::RatingFigures rating = solver::rateBoard(m_numbers, m_target);
    m_game.rating = int(rating.rating) + 1;
    const ScoredRound &outcome = m_game.round;
    const std::int64_t value = m_game.value;
    m_scored = true;
    emit scored();
    // A match shows its round once both players have answered, not one
    // player's score to the other.
    if (m_matchTurn)
        return;

    QStringList lines;
    if (!declared)
        lines << tr("No answer.");
    else if (outcome.distance == 0)
        lines << tr("You reached %1 exactly.").arg(value);
    else
        lines << tr("You reached %1, %2 away from %3.")
                     .arg(value)
                     .arg(outcome.distance)
                     .arg(m_target);
    const QString way = QString::fromStdString(best.way);
    QStringList bestValues; // one, or the one below and the one above
    for (const std::int64_t v : best.values)
        bestValues << QString::number(v);
    if (best.distance == 0)
        lines << tr("Best possible: %1, for example %2.").arg(best.value).arg(way);
    else
        lines << tr("Best possible: %1, %2 away, for example %3 = %4.")
                     .arg(bestValues.join(tr(" or ")))
                     .arg(best.distance)
                     .arg(way)
                     .arg(best.value);
    if (declared && outcome.distance > outcome.bestDistance)
        lines << nearMissLines(answer);
    //: %1: a rating, such as "Hard".
    lines << tr("This board and target are rated %1.").arg(RatingNames::name(m_game.rating));
    if (m_game.solveMs)
        //: %1: seconds, with one decimal.
        lines << tr("Time to solve: %1 seconds.")
                     .arg(QLocale().toString(double(*m_game.solveMs) / 1000.0, 'f', 1));
    if (m_game.hints == 1)
        lines << tr("1 hint taken: 1 point less.");
    else if (m_game.hints > 1)
        lines << tr("%n hints taken: %n points less.", nullptr, m_game.hints);
    lines << (outcome.points == 1 ? tr("1 point.") : tr("%n points.", nullptr, outcome.points));
    showResult(lines);
}

void AnswerFrm::showResult(const QStringList &lines)
{
    m_result = lines.join(QLatin1Char('\n'));
    lbResult->setText(m_result);
    pages->setCurrentIndex(1);
    // The result is what the player waits for: the focus moves to Close,
    // which carries it as its description, so a screen reader reads it out.
    cmdClose->setAccessibleDescription(lines.join(QLatin1Char(' ')));
    cmdClose->setDefault(true);
    cmdClose->setFocus();
}

QStringList AnswerFrm::nearMissLines(const QString &answer) const
{
    // A few milliseconds: every answer to the best value, held against the
    // player's steps.
    const solver::NearMiss miss = solver::nearMiss(m_numbers, m_target, answer.toStdString());
    if (miss.closest.empty())
        return {};
    const auto stepText = [](const solver::AnswerStep &step) {
        return QString::fromStdString(solver::stepWithResult(step));
    };
    const int shared = int(miss.shared.size());
    QStringList lines;
    const QString closest = QString::fromStdString(miss.closest);
    //: %1: an answer in the game's notation.
    if (shared == 0)
        lines << tr("Closest to yours: %1, which shares none of your steps.").arg(closest);
    else if (shared == 1)
        lines << tr("Closest to yours: %1, which shares 1 of your steps.").arg(closest);
    else
        lines << tr("Closest to yours: %1, which shares %n of your steps.", nullptr, shared)
                     .arg(closest);
    const int steps = int(miss.playerSteps.size());
    if (miss.partedAt >= 1 && miss.partedAt <= steps && miss.instead) {
        //: %1: the step's number; %2: the player's step; %3: the answer's step instead.
        lines << tr("Your step %1, %2, is where the two part: it takes %3.")
                     .arg(miss.partedAt)
                     .arg(stepText(miss.playerSteps[std::size_t(miss.partedAt - 1)]),
                          stepText(*miss.instead));
    } else if (miss.partedAt > steps && miss.instead) {
        lines << tr("It takes all your steps, then %1.").arg(stepText(*miss.instead));
    } else if (miss.instead) {
        lines << tr("Its first step is %1.").arg(stepText(*miss.instead));
    }
    return lines;
}

QString AnswerFrm::resultText() const
{
    return m_result;
}

QString AnswerFrm::checkSentence(const solver::CheckResult &check)
{
    // The checker's own message is English for the command line; the window
    // words the same facts itself so that they can be translated.
    const QString text = QString::fromStdString(check.stepText);
    const QString at = QString::number(check.position + 1);
    const QString step = QString::number(check.step);
    switch (check.problem) {
    case solver::CheckProblem::None:
        return {};
    case solver::CheckProblem::Empty:
        return tr("The answer is empty.");
    case solver::CheckProblem::UnexpectedCharacter:
        return tr("'%1' at character %2 is not a number, an operation or a bracket.").arg(text, at);
    case solver::CheckProblem::MissingNumber:
        if (text.isEmpty())
            return tr("A number is missing at the end.");
        return tr("A number is missing before '%1' at character %2.").arg(text, at);
    case solver::CheckProblem::MissingOperation:
        return tr("An operation is missing before '%1' at character %2.").arg(text, at);
    case solver::CheckProblem::UnbalancedParentheses:
        if (text == QLatin1String("("))
            return tr("The bracket at character %1 is never closed.").arg(at);
        return tr("The bracket at character %1 closes nothing.").arg(at);
    case solver::CheckProblem::NumberTooLarge:
        return tr("%1 is far too large to be one of your numbers.").arg(text);
    case solver::CheckProblem::NotOnBoard:
        return tr("%1 is not one of your numbers.").arg(text);
    case solver::CheckProblem::UsedTooOften:
        return tr("%1 is used more often than you have it.").arg(text);
    case solver::CheckProblem::NotWhole:
        return tr("Step %1, %2: the division is not exact.").arg(step, text);
    case solver::CheckProblem::NotPositive:
        return tr("Step %1, %2: the result must be a positive whole number.").arg(step, text);
    case solver::CheckProblem::StepTooLarge:
        return tr("Step %1, %2: the result is too large.").arg(step, text);
    }
    return {};
}

void AnswerFrm::offerCopy(std::function<QString()> summary)
{
    m_summary = std::move(summary);
    cmdCopy->setVisible(bool(m_summary));
}
