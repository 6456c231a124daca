// Every text the player can see fits its control, in each language the game
// speaks, on the screen named in TALLYFOLD_TEST_SCREEN: the windows keep
// fixed layouts drawn for the English texts, so a longer translation is cut
// off instead of making room for itself. Every window is opened the way the
// player opens it, and every caption, label, box, button, tab and menu item
// shown is measured in its control's own font against the room it has. The
// access keys (Alt and a letter) shown together must differ, or a key reaches
// only one of its controls.

#include "accesskey.h"
#include "answerfrm.h"
#include "answerscore.h"
#include "buttonex.h"
#include "dailyboard.h"
#include "fonts.h"
#include "gamepresentation.h"
#include "gamewindowholder.h"
#include "lighttab.h"
#include "settingfrm.h"
#include "settingssandbox.h"
#include "testscreen.h"
#include "translationchoice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>

#include <cmath>
#include <functional>
#include <optional>

namespace {

QSize g_screen(1024, 768);

QString describe(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// A control's name as the report gives it: its own, or its kind inside the
// nearest named parent for the ones made without a name.
QString nameOf(const QWidget *control)
{
    if (!control->objectName().isEmpty())
        return control->objectName();
    QString parent;
    for (const QWidget *up = control->parentWidget(); up && parent.isEmpty();
         up = up->parentWidget())
        parent = up->objectName();
    return QString::fromLatin1(control->metaObject()->className()) + QStringLiteral(" in ") +
           parent;
}

// The room a text gets, against what it needs.
struct Fit
{
    QString text;
    QSize needed;
    QSize room;
    bool wraps = false;
};

// A single line is measured across only: a font's full height may reach
// past a tight box where its letters do not. Lines under each other must all
// be inside.
bool fits(const Fit &fit)
{
    const bool lines = fit.wraps || fit.text.contains(QLatin1Char('\n'));
    return fit.needed.width() <= fit.room.width() &&
           (!lines || fit.needed.height() <= fit.room.height());
}

// A plain text in `font`: on one line or the lines it holds, or wrapped to
// the room's width. The accelerator's '&' takes no room where it is
// underlined instead.
Fit plainText(const QString &text, const QFont &font, QSize room, bool wrap, bool mnemonic)
{
    const QFontMetrics metrics(font);
    const int flags = (wrap ? Qt::TextWordWrap : 0) | (mnemonic ? Qt::TextShowMnemonic : 0);
    const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), room), flags, text);
    return {text, needed.size(), room, wrap};
}

// A label's text in the room its frame and margin leave: rich text laid out
// as the label lays it out, plain text as drawn.
Fit labelText(const QLabel *label)
{
    const QSize room =
        label->contentsRect()
            .adjusted(label->margin(), label->margin(), -label->margin(), -label->margin())
            .size();
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (!rich)
        return plainText(text, label->font(), room, label->wordWrap(), label->buddy() != nullptr);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    document.setHtml(text);
    if (label->wordWrap())
        document.setTextWidth(room.width());
    const QSize needed(
        int(std::ceil(label->wordWrap() ? document.idealWidth() : document.size().width())),
        int(std::ceil(document.size().height())));
    return {document.toPlainText(), needed, room, label->wordWrap()};
}

// Check boxes lose the indicator and the gap beside it; push buttons the
// margin and frame their style asks for around a caption.
Fit checkBoxText(const QCheckBox *box)
{
    const QStyle *style = box->style();
    const int taken = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                      style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    return plainText(box->text(), box->font(), box->contentsRect().size() - QSize(taken, 0), false,
                     true);
}

Fit pushButtonText(const QPushButton *button, const QString &text)
{
    const QStyle *style = button->style();
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return plainText(text, button->font(), button->size() - QSize(margin, margin), false, true);
}

Fit groupBoxTitle(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The title stands as far in from the right edge as from the left.
    const QSize room(box->width() - 2 * label.left(), box->height());
    return plainText(box->title(), box->font(), room, false, true);
}

// The self-drawn button centres its caption, in its own caption font,
// between its two-pixel raised edges.
Fit buttonExCaption(const ButtonEx *button)
{
    const QString text = button::withoutFirstAmpersand(button->caption());
    const QFontMetrics metrics(button->controlFont());
    return {button->caption(), QSize(metrics.horizontalAdvance(text), metrics.height()),
            button->size() - QSize(4, 4)};
}

} // namespace

class TestTextFits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyTextFitsItsControl_data();
    void everyTextFitsItsControl();

private:
    void checkWindow(const QWidget *window, const QString &where);
    void checkControl(const QWidget *control, const QString &where);
    void checkTabStrip(const LightTab *strip, const QString &where);
    void checkMenuBar(const QMenuBar *bar, const QString &where);
    void checkAccessKeys(const QStringList &captions, const QString &where);
    void offend(const QString &where, const QWidget *control, const Fit &fit);
    // Opens a window through its menu command, as the player does, and
    // hands it over while it is open; false when no window opened.
    bool whileOpen(QAction *command, const std::function<void(QDialog &)> &look);
    void checkSettingsPages(QDialog &window);

    std::optional<SettingsSandbox> m_settings;
    QString m_language;
    QStringList m_offenders;
};

void TestTextFits::init()
{
    m_settings.emplace(SettingsSandbox::Values::Loaded);
    m_offenders.clear();
}

void TestTextFits::cleanup()
{
    // Back to English: the translators are the application's children.
    qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    m_settings.reset();
}

void TestTextFits::offend(const QString &where, const QWidget *control, const Fit &fit)
{
    if (fits(fit))
        return;
    m_offenders << QStringLiteral("%1 %2 [%3, %4]: \"%5\" needs %6%7, has %8")
                       .arg(where, nameOf(control), m_language, describe(g_screen), fit.text,
                            describe(fit.needed),
                            fit.wraps ? QStringLiteral(" wrapped") : QString(), describe(fit.room));
}

void TestTextFits::checkControl(const QWidget *control, const QString &where)
{
    if (const auto *box = qobject_cast<const QCheckBox *>(control)) {
        offend(where, box, checkBoxText(box));
    } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        offend(where, button, pushButtonText(button, button->text()));
    } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
        // The target shrinks its number to fit, which the screens' test measures.
        if (!label->text().isEmpty() && !label->inherits("TargetLabel"))
            offend(where, label, labelText(label));
    } else if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        offend(where, group, groupBoxTitle(group));
    } else if (const auto *tile = qobject_cast<const ButtonEx *>(control)) {
        offend(where, tile, buttonExCaption(tile));
    } else if (const auto *strip = qobject_cast<const LightTab *>(control)) {
        checkTabStrip(strip, where);
    } else if (const auto *bar = qobject_cast<const QMenuBar *>(control)) {
        checkMenuBar(bar, where);
    } else if (const auto *tabs = qobject_cast<const QTabBar *>(control)) {
        // A bar too narrow for its tabs elides them or scrolls them.
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
        offend(where, tabs,
               {texts.join(QLatin1String(" | ")), tabs->sizeHint(),
                QSize(tabs->parentWidget()->width(), tabs->sizeHint().height())});
    } else if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QSize room =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .size();
        for (int i = 0; i < combo->count(); ++i)
            offend(where, combo, plainText(combo->itemText(i), combo->font(), room, false, false));
    }
}

// The tabs are as wide as their captions; the raised box over the active one
// reaches five pixels past a tab's end, and the whole row must stay on the
// strip.
void TestTextFits::checkTabStrip(const LightTab *strip, const QString &where)
{
    QStringList captions;
    for (int i = 0; i < strip->numberOfTabs(); ++i)
        captions << strip->caption(i);
    const QFontMetrics metrics(strip->tabStripSurface().font());
    offend(where, strip,
           {captions.join(QLatin1String(" | ")), QSize(strip->tabRow().end() + 5, metrics.height()),
            QSize(strip->tabStripWidget()->width(), LightTab::kStripHeight)});
}

// An item the bar has no room for goes into an overflow menu, with no place
// on the bar.
void TestTextFits::checkMenuBar(const QMenuBar *bar, const QString &where)
{
    for (QAction *item : bar->actions()) {
        if (!item->isVisible() || item->isSeparator())
            continue;
        const QRect place = bar->actionGeometry(item);
        const QSize needed = QFontMetrics(bar->font()).size(Qt::TextShowMnemonic, item->text());
        const QSize room =
            place.isEmpty() ? QSize(0, 0) : QSize(bar->width() - place.left(), place.height());
        offend(where, bar, {item->text(), needed, room});
    }
}

// The captions that give their controls an access key, as Qt reads it from
// the caption: the letter after its first single '&'.
QStringList captionsWithKeys(const QWidget *control)
{
    QStringList captions;
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        captions << button->text();
    } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->buddy())
            captions << label->text();
    } else if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        captions << group->title();
    } else if (const auto *tile = qobject_cast<const ButtonEx *>(control)) {
        captions << tile->caption();
    } else if (const auto *strip = qobject_cast<const LightTab *>(control)) {
        for (int i = 0; i < strip->numberOfTabs(); ++i)
            captions << strip->caption(i);
    } else if (const auto *tabs = qobject_cast<const QTabBar *>(control)) {
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
    } else if (const auto *bar = qobject_cast<const QMenuBar *>(control)) {
        for (const QAction *item : bar->actions()) {
            if (item->isVisible())
                captions << item->text();
        }
    }
    return captions;
}

void TestTextFits::checkAccessKeys(const QStringList &captions, const QString &where)
{
    QMap<QString, QStringList> taken;
    for (const QString &caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty())
            taken[key.toString()] << caption;
    }
    for (auto it = taken.cbegin(); it != taken.cend(); ++it) {
        if (it.value().size() > 1)
            m_offenders << QStringLiteral("%1 [%2]: %3 is the key of \"%4\"")
                               .arg(where, m_language, it.key(),
                                    it.value().join(QLatin1String("\", \"")));
    }
}

void TestTextFits::checkWindow(const QWidget *window, const QString &where)
{
    QList<const QWidget *> controls{window};
    for (const QWidget *child : window->findChildren<QWidget *>())
        controls << child;
    QStringList captions;
    for (const QWidget *control : controls) {
        if (control->isVisible()) {
            checkControl(control, where);
            captions << captionsWithKeys(control);
        }
    }
    checkAccessKeys(captions, where);
}

bool TestTextFits::whileOpen(QAction *command, const std::function<void(QDialog &)> &look)
{
    bool opened = false;
    // Gone with the call, should the command open nothing to look at.
    QTimer waiting;
    waiting.setSingleShot(true);
    connect(&waiting, &QTimer::timeout, this, [&] {
        auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!window || !QTest::qWaitForWindowExposed(window))
            return;
        opened = true;
        look(*window);
        window->reject();
    });
    waiting.start(0);
    command->trigger();
    return opened;
}

void TestTextFits::checkSettingsPages(QDialog &window)
{
    auto &settings = static_cast<SettingFrm &>(window);
    const QStringList pages{QStringLiteral("difficulty"), QStringLiteral("timing"),
                            QStringLiteral("general")};
    for (qint16 page = 0; page < qint16(pages.size()); ++page) {
        // As a click on the page's tab.
        settings.LightTab1->setActiveTab(page);
        QCoreApplication::processEvents();
        checkWindow(&window, QStringLiteral("SettingFrm (%1 page)").arg(pages.at(page)));
    }
}

void TestTextFits::everyTextFitsItsControl_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString &language : translationchoice::offeredLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTextFits::everyTextFitsItsControl()
{
    QFETCH(QString, language);
    m_language = language.isEmpty() ? QStringLiteral("en") : language;
    if (!language.isEmpty())
        QVERIFY(translationchoice::installLanguage(*qApp, language));

    // Played for points: the menu bar carries every item, and a stopped
    // clock opens the answer window.
    GameSettings game;
    game.playForPoints = true;
    game.noSounds = true;
    const auto window = GameWindowHolder::shown(game);
    QVERIFY(window);
    const GameFrmControls &c = window->controls();
    checkWindow(window.get(), QStringLiteral("GameFrm (picking)"));
    QStringList codeCommands;
    for (const QAction *command : c.mnuCodes->menu()->actions())
        codeCommands << command->text();
    checkAccessKeys(codeCommands, QStringLiteral("GameFrm (board codes menu)"));

    const QList<std::pair<QAction *, std::function<void(QDialog &)>>> dialogs{
        {c.mnuSettings, [this](QDialog &w) { checkSettingsPages(w); }},
        {c.mnuSetup, [this](QDialog &w) { checkWindow(&w, QStringLiteral("ManualFrm")); }},
        {c.mnuAbout, [this](QDialog &w) { checkWindow(&w, QStringLiteral("AboutFrm")); }},
        {c.mnuPlayCode, [this](QDialog &w) { checkWindow(&w, QStringLiteral("CodeFrm")); }},
        {c.mnuDays, [this](QDialog &w) { checkWindow(&w, QStringLiteral("DaysFrm")); }},
        {c.mnuMatch, [this](QDialog &w) { checkWindow(&w, QStringLiteral("MatchFrm")); }},
    };
    for (const auto &[command, look] : dialogs)
        QVERIFY2(whileOpen(command, look), qPrintable(command->text()));

    // Today's board, started and stopped at once: the answer window opens.
    c.mnuDaily->trigger();
    QTest::keyClick(c.Command1, Qt::Key_Space); // START
    QVERIFY(QTest::qWaitFor([&] { return window->flow().state() == GameFlow::State::Running; }));
    checkWindow(window.get(), QStringLiteral("GameFrm (running)"));
    QTest::keyClick(c.Command1, Qt::Key_Space); // STOP
    AnswerFrm *answer = window->answerWindow();
    QVERIFY(answer);
    QVERIFY(QTest::qWaitForWindowExposed(answer));
    for (int page = 0; page < answer->tabWays->count(); ++page) {
        answer->tabWays->setCurrentIndex(page);
        checkWindow(answer, QStringLiteral("AnswerFrm (page %1)").arg(page + 1));
    }
    // A refused step shows why beside the steps: the numbers come largest
    // first, and the smaller less the larger is no step.
    answer->tabWays->setCurrentIndex(0);
    answer->cmdNumber.at(1)->click();
    answer->cmdOperation.at(1)->click();
    answer->cmdNumber.at(0)->click();
    checkWindow(answer, QStringLiteral("AnswerFrm (step refused)"));
    const QDate today = QDate::currentDate();
    const solver::DailyBoard daily = solver::dailyBoard(today.year(), today.month(), today.day());
    answer->tabWays->setCurrentIndex(1);
    answer->txtAnswer->setText(
        QString::fromStdString(solver::bestPossible(daily.numbers, daily.target).way));
    answer->Declare_Click();
    checkWindow(answer, QStringLiteral("AnswerFrm (result)"));
    answer->close();
    QVERIFY(QTest::qWaitFor([&] { return !window->answerWindow(); }));
    checkWindow(window.get(), QStringLiteral("GameFrm (clock stopped)"));

    QVERIFY(
        whileOpen(c.mnuStats, [this](QDialog &w) { checkWindow(&w, QStringLiteral("StatsFrm")); }));

    // The answers, once searched for: the click returns when the search has.
    click(c.cmdAnswer);
    QVERIFY(QTest::qWaitFor([&] { return c.List1->isVisible() && !window->flow().isBusy(); }));
    checkWindow(window.get(), QStringLiteral("GameFrm (answers)"));

    // What the two buttons and the status line say in the moments no player
    // waits for, and the status at its longest: in the controls that show
    // them, which keep their places throughout a game.
    const QString passing = QStringLiteral("GameFrm (every state)");
    for (const GameCaption &caption :
         {GameCaptions::Start, GameCaptions::Stop, GameCaptions::PlayAgain})
        offend(passing, c.Command1, pushButtonText(c.Command1, caption.text()));
    for (const GameCaption &caption : {GameCaptions::ShowAnswers, GameCaptions::StopSearch,
                                       GameCaptions::SearchFinished, GameCaptions::Searching})
        offend(passing, c.cmdAnswer, pushButtonText(c.cmdAnswer, caption.text()));
    const QSize status = c.LBa->contentsRect().size();
    for (const QString &text :
         {searchStoppedStatus(999999, 999), searchFinishedStatus(999999, 999)})
        offend(passing, c.LBa, plainText(text, c.LBa->font(), status, c.LBa->wordWrap(), false));

    // A match's line beside the target, with long names in its longest
    // states, and the answer window asking for the keyboard to be passed.
    TwoPlayerMatch match({QStringLiteral("Christopher"), QStringLiteral("Maximiliane")},
                         TwoPlayerMatch::MostRounds, TwoPlayerMatch::Boards::Picked);
    const QString playing = match.scoreLine() + QLatin1Char('\n') + match.pickLine(5);
    match.leave();
    const QSize line = c.lbMatch->contentsRect().size();
    for (const QString &text : {playing, match.resultLine()})
        offend(QStringLiteral("GameFrm (a match)"), c.lbMatch,
               plainText(text, c.lbMatch->font(), line, c.lbMatch->wordWrap(), false));
    AnswerFrm turn(daily.numbers, daily.target, window.get());
    turn.setMatchTurn(match.handOver(1));
    turn.show();
    QVERIFY(QTest::qWaitForWindowExposed(&turn));
    checkWindow(&turn, QStringLiteral("AnswerFrm (hand-over)"));

    QVERIFY2(m_offenders.isEmpty(), qPrintable(m_offenders.join(QLatin1String("\n"))));
}

int main(int argc, char *argv[])
{
    const QTemporaryDir folder;
    g_screen = useTestScreen(folder);
    if (g_screen.isEmpty())
        return 1;
    QApplication app(argc, argv);
    // The faces the windows were designed in are replaced as the start-up
    // replaces them, before any window is made.
    platform::registerFontSubstitutions();
    TestTextFits test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textfits.moc"
