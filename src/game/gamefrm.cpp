#include "gamefrm.h"
#include "gamelog.h"

#include "answerfrm.h"
#include "buttonex.h"
#include "colour.h"
#include "designfont.h"
#include "globalbas.h"
#include "gradientpanel.h"
#include "labelaccessible.h"
#include "menucommandaccessible.h"
#include "propertybag.h"
#include "soundplayer.h"
#include "targetlabel.h"
#include "velcprog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using platform::rgbColour;

namespace {

// The clock music and the clock face's stored design, built into the program.
const QString MusicResource = QStringLiteral(":/sounds/Count30.wav");
const QString ClockFaceResource = QStringLiteral(":/forms/gamefrm-cp1.json");

// Marked here, translated where it is shown (after start-up has loaded the
// player's language).
const char *const Instructions = QT_TRANSLATE_NOOP(
    "GameFrm", "Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the "
               "last row contains the numbers 25, 50, 75 and 100.");

enum class Background { Filled, SeeThrough };

void setColours(QWidget *widget, platform::OleColour text, platform::OleColour back,
                Background background)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, platform::toQColor(text));
    colours.setColor(QPalette::Window, platform::toQColor(back));
    widget->setPalette(colours);
    widget->setAutoFillBackground(background == Background::Filled);
}

QLabel *newLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setContentsMargins(0, 0, 0, 0);
    return label;
}

// The clock face's stored values; a damaged resource leaves the control's
// own defaults, which still make a working clock.
void loadClockFace(VelCProg &dial)
{
    const auto bag = platform::PropertyBag::fromDesignFile(ClockFaceResource);
    if (!bag)
        return;
    if (const auto error = dial.readProperties(bag.value()))
        qCWarning(lcGame, "clock face design: %s", qPrintable(error->message));
}
} // namespace

GameFrm::GameFrm(const GameSettings &settings, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint)
    , m_flow(settings)
{
    createControls();
    Form_Load();
}

GameFrm::~GameFrm() = default;

void GameFrm::createMenus()
{
    // Four top-level commands, left to right, with no drop-down menus (six
    // while games are played for points).
    QMenuBar *bar = menuBar();
    mnuExit = bar->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuSettings = bar->addAction(tr("&Setting"));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    mnuSetup = bar->addAction(tr("&Manual setup"));
    mnuSetup->setObjectName(QStringLiteral("mnuSetup"));
    mnuAbout = bar->addAction(tr("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuExit, &QAction::triggered, this, &GameFrm::mnuExit_Click);
    connect(mnuSettings, &QAction::triggered, this, &GameFrm::mnuSettings_Click);
    connect(mnuSetup, &QAction::triggered, this, &GameFrm::mnuSetup_Click);
    connect(mnuAbout, &QAction::triggered, this, &GameFrm::mnuAbout_Click);
    // Made once, put on the bar only while games are played for points.
    mnuDaily = new QAction(tr("&Today's board"), this);
    mnuDaily->setObjectName(QStringLiteral("mnuDaily"));
    mnuStats = new QAction(tr("Stat&istics"), this);
    mnuStats->setObjectName(QStringLiteral("mnuStats"));
    connect(mnuDaily, &QAction::triggered, this, &GameFrm::mnuDaily_Click);
    mnuDays = new QAction(tr("Past &days"), this);
    mnuDays->setObjectName(QStringLiteral("mnuDays"));
    connect(mnuDays, &QAction::triggered, this, &GameFrm::mnuDays_Click);
    connect(mnuStats, &QAction::triggered, this, &GameFrm::mnuStats_Click);
    mnuHint = new QAction(tr("&Hint"), this);
    mnuHint->setObjectName(QStringLiteral("mnuHint"));
    mnuHint->setEnabled(false);
    connect(mnuHint, &QAction::triggered, this, &GameFrm::mnuHint_Click);
    // The bar's commands act at once; the codes are two, so they share a menu.
    auto *codes = new QMenu(tr("Board &codes"), this);
    codes->setObjectName(QStringLiteral("mnuCodesMenu"));
    mnuCodes = codes->menuAction();
    mnuCodes->setObjectName(QStringLiteral("mnuCodes"));
    mnuCopyCode = codes->addAction(tr("&Copy board code"));
    mnuCopyCode->setObjectName(QStringLiteral("mnuCopyCode"));
    mnuCopyCode->setEnabled(false);
    mnuPlayCode = codes->addAction(tr("&Play a board code..."));
    mnuPlayCode->setObjectName(QStringLiteral("mnuPlayCode"));
    connect(mnuCopyCode, &QAction::triggered, this, &GameFrm::mnuCopyCode_Click);
    connect(mnuPlayCode, &QAction::triggered, this, &GameFrm::mnuPlayCode_Click);
    mnuMatch = new QAction(tr("T&wo players"), this);
    mnuMatch->setObjectName(QStringLiteral("mnuMatch"));
    connect(mnuMatch, &QAction::triggered, this, &GameFrm::mnuMatch_Click);
    mnuEndMatch = new QAction(tr("&End match"), this);
    mnuEndMatch->setObjectName(QStringLiteral("mnuEndMatch"));
    mnuEndMatch->setVisible(false);
    connect(mnuEndMatch, &QAction::triggered, this, &GameFrm::mnuEndMatch_Click);
    showPointsMenu();
    queueAccessiblePresses(*bar);
}

void GameFrm::createControls()
{
    setWindowTitle(tr("The Numbers Game"));
    setObjectName(QStringLiteral("GameFrm"));
    m_sound = new platform::SoundPlayer(this);

    // The clock is the game's: it runs while the game does, at the settings' period.
    Timer1 = m_flow.clockTimer();

    createMenus();

    // Peach at the bottom rising to light blue at the top.
    m_client = new GradientPanel(rgbColour(192, 192, 255), rgbColour(255, 224, 192), 2,
                                 GradientPanel::Extent::Window, this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    createPanels();
    createGameControls();

    connect(&m_flow, &GameFlow::changed, this, &GameFrm::present);
    connect(&m_flow, &GameFlow::clockStopped, this, &GameFrm::showClockStopped);
    connect(&m_flow, &GameFlow::answersCleared, List1, &QListWidget::clear);
    connect(&m_flow, &GameFlow::answersAdded, this, &GameFrm::addAnswers);
    connect(&m_flow, &GameFlow::searchEnded, this, &GameFrm::showSearchEnd);
    connect(&m_flow, &GameFlow::musicStarted, this, [this] {
        if (!SoundData.isEmpty())
            m_sound->play(SoundData);
    });
    connect(&m_flow, &GameFlow::musicStopped, m_sound, &platform::SoundPlayer::purge);
    // The audio output is loaded while the target rolls, off this thread, so
    // that the music starts on its tick without the program loading it at
    // start-up. A game played without the clock or without music never does.
    connect(&m_flow, &GameFlow::changed, m_sound, [this] {
        if (m_flow.state() == GameFlow::State::Rolling && m_flow.isRoundTimed() &&
            !m_flow.settings().noSounds && !SoundData.isEmpty())
            m_sound->prepare();
    });
}

void GameFrm::createPanels()
{
    // The number panel: brown at the bottom rising to peach.
    Picture4 = new GradientPanel(rgbColour(255, 224, 192), rgbColour(128, 64, 0), 2,
                                 GradientPanel::Extent::Self, m_client);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    for (int i = 0; i < NumberBoard::LabelCount; ++i) {
        QLabel *label = newLabel(Picture4, QStringLiteral("Label2_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        setAccessibleTitle(*label, tr("Chosen number %1").arg(i + 1));
        setColours(label, rgbColour(255, 255, 255), rgbColour(6, 120, 255), Background::Filled);
        Label2[i] = label;
    }

    // The target panel, drawn above the number panel: peach rising to orange,
    // around a black frame holding the green target.
    Picture3 = new GradientPanel(rgbColour(255, 128, 0), rgbColour(255, 224, 192), 2,
                                 GradientPanel::Extent::Self, m_client);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture2 = new QWidget(Picture3);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    setColours(Picture2, rgbColour(0, 0, 0), rgbColour(0, 0, 0), Background::Filled);
    lbTarget = new TargetLabel(Picture2);
    lbTarget->setObjectName(QStringLiteral("lbTarget"));
    setAccessibleTitle(*lbTarget, tr("Target"));
    lbTarget->setContentsMargins(0, 0, 0, 0);
    lbTarget->setAlignment(Qt::AlignCenter);
    setColours(lbTarget, rgbColour(0, 255, 0), rgbColour(0, 0, 0), Background::Filled);

    // Left of the target's frame, on the number panel's own gradient: named
    // by its text, so that a screen reader hears the score as it changes.
    lbMatch = newLabel(Picture4, QStringLiteral("lbMatch"));
    lbMatch->setWordWrap(true);
    lbMatch->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbMatch->setTextFormat(Qt::PlainText);
    setColours(lbMatch, rgbColour(0, 0, 0), rgbColour(255, 224, 192), Background::SeeThrough);
    lbMatch->hide();
}

void GameFrm::createGameControls()
{
    lbinst = newLabel(m_client, QStringLiteral("lbinst"));
    lbinst->setText(tr(Instructions));
    lbinst->setWordWrap(true);
    lbinst->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(lbinst, rgbColour(128, 128, 128), rgbColour(255, 224, 192), Background::SeeThrough);

    cmdAnswer = new QPushButton(GameCaptions::ShowAnswers, m_client);
    cmdAnswer->setObjectName(QStringLiteral("cmdAnswer"));
    cmdAnswer->hide();
    connect(cmdAnswer, &QPushButton::clicked, this, &GameFrm::cmdAnswer_Click);

    LBa = newLabel(m_client, QStringLiteral("LBa"));
    LBa->setText(QStringLiteral("lba"));
    // Its design caption is never shown; until a search speaks through it,
    // a listener hears what it is for. Each status sets its own name again.
    LBa->setAccessibleName(tr("Search status"));
    LBa->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColours(LBa, rgbColour(128, 128, 128), rgbColour(255, 255, 255), Background::Filled);
    LBa->hide();

    lbHint = newLabel(m_client, QStringLiteral("lbHint"));
    lbHint->setWordWrap(true);
    lbHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(lbHint, rgbColour(0, 0, 0), rgbColour(255, 255, 255), Background::Filled);
    lbHint->setMargin(6);
    lbHint->hide();

    List1 = new QListWidget(m_client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Answers"));
    List1->hide();

    cp1 = new VelCProg(m_client);
    cp1->setObjectName(QStringLiteral("cp1"));
    loadClockFace(*cp1);
    cp1->hide(); // shown once the layout has fitted it

    Command1 = new QPushButton(GameCaptions::Start, m_client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setEnabled(false);
    connect(Command1, &QPushButton::clicked, this, &GameFrm::Command1_Click);

    // Tile 0 as the window's design has it; the layout makes the others.
    btnPick[0] = createTile(0);
    btnPick[0]->setBackColor(rgbColour(255, 128, 0));
    btnPick[0]->setBorderStyle(2);
    btnPick[0]->setCaption(QString());
    btnPick[0]->setControlFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
}

ButtonEx *GameFrm::createTile(int index)
{
    auto *tile = new ButtonEx(m_client);
    tile->setObjectName(QStringLiteral("btnPick_%1").arg(index));
    // Rows of ten, ten and four, as the layout places them.
    tile->setAccessibleName(
        tr("Face-down tile %1, row %2").arg(index % 10 + 1).arg(index / 10 + 1));
    connect(tile, &ButtonEx::Click, this, [this, index] { btnPick_Click(qint16(index)); });
    connect(tile, &ButtonEx::KeyDown, this,
            [this, index](short keyCode, short) { btnPick_KeyDown(qint16(index), keyCode); });
    return tile;
}

void GameFrm::Form_Load()
{
    // The window fills the screen; without a window manager to maximize it,
    // it takes the screen's room itself.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    ResizeControls();
    setUpKeyboard();
    GetSettings();
    nameClock();
    ScrambleNos();

    // The music is stored uncompressed in the program: its bytes are used
    // where they lie, so a game that never plays it never reads them.
    const QResource music(MusicResource);
    if (music.isValid() && music.compressionAlgorithm() == QResource::NoCompression) {
        SoundData = QByteArray::fromRawData(reinterpret_cast<const char *>(music.data()),
                                            qsizetype(music.size()));
    } else if (QFile file(MusicResource); file.open(QIODevice::ReadOnly)) {
        SoundData = file.readAll();
    }
}

void GameFrm::GetSettings()
{
    cp1->setShowValue(GLOBALbas::FetchShowSeconds());
}

bool GameFrm::showSeconds() const
{
    return cp1->showValue();
}

void GameFrm::ScrambleNos()
{
    m_flow.ScrambleNos();
    present();
}

void GameFrm::btnPick_Click(qint16 index)
{
    m_flow.btnPick_Click(index);
}

void GameFrm::Command1_Click()
{
    const GameFlow::State before = m_flow.state();
    m_flow.Command1_Click();
    // A match's line stays until the game goes on without it; PLAY AGAIN
    // in a match deals its next round.
    const bool started = before == GameFlow::State::Ready && m_flow.state() != before;
    const bool again = (before == GameFlow::State::Over || before == GameFlow::State::Searched) &&
                       m_flow.state() == GameFlow::State::Picking;
    if (m_match && m_match->isOver() && (started || again)) {
        m_match.reset();
        showMatch();
    } else if (m_match && again) {
        startMatchRound();
    }
    // After PLAY AGAIN the board is back and the game button disabled: the
    // keyboard starts again at the first tile.
    if (m_flow.state() == GameFlow::State::Picking && m_flow.picks().isEmpty())
        btnPick[0]->setFocus(Qt::OtherFocusReason);
}

void GameFrm::Timer1_Timer()
{
    m_flow.Timer1_Timer();
}

void GameFrm::cmdAnswer_Click()
{
    m_flow.cmdAnswer_Click();
}

void GameFrm::mnuExit_Click()
{
    close();
}

void GameFrm::closeEvent(QCloseEvent *event)
{
    // Closing is never refused: the roll, the music and the clock stop, a
    // running search is stopped and waited for, every open dialog and box is
    // cancelled.
    m_flow.Form_Unload();
    m_closing = true;
    // An answer not yet declared is given up, as No answer; a day's board
    // dealt and never played counts the same.
    if (AnswerFrm *answer = answerWindow())
        answer->closeGivingUp();
    leaveMatch();
    abandonDailyBoard();
    closeWindowsOver();
    event->accept();
    // Deleted from the loop that runs the game, never from a dialog's or a
    // box's own loop: that would delete dialogs that still live on the stack.
    if (m_modalDepth > 0)
        m_deleteWhenUnwound = true;
    else
        deleteLater();
}

void GameFrm::closeWindowsOver()
{
    // How many windows up from a dialog this one is; 0 for one not over it.
    const auto depth = [this](const QWidget *widget) {
        int n = 0;
        for (; widget && widget != this; widget = widget->parentWidget())
            ++n;
        return widget ? n : 0;
    };
    QList<QDialog *> open;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (dialog && dialog->isVisible() && depth(dialog) > 0)
            open.append(dialog);
    }
    // A box shown by a dialog is a descendant of it: the deepest goes first.
    std::stable_sort(open.begin(), open.end(),
                     [&depth](const QDialog *a, const QDialog *b) { return depth(a) > depth(b); });
    for (const QPointer<QDialog> dialog : open) {
        if (dialog && dialog->isVisible())
            dialog->reject();
    }
}

int GameFrm::execOver(QDialog &dialog)
{
    ++m_modalDepth;
    const int result = dialog.exec();
    if (--m_modalDepth == 0 && m_deleteWhenUnwound)
        deleteLater();
    return result;
}
