#include "game/gamefrm.h"

#include "app/globalbas.h"
#include "platform/soundplayer.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QMenuBar>
#include <QTimer>

namespace {
GameFrm *g_gameFrm = nullptr;

// The clock music, built into the program.
const QString MusicResource = QStringLiteral(":/sounds/Count30.wav");
} // namespace

GameFrm::GameFrm(QWidget *parent)
    : QMainWindow(parent)
{
    g_gameFrm = this;
    createControls();
    Form_Load();
}

GameFrm::~GameFrm()
{
    if (g_gameFrm == this)
        g_gameFrm = nullptr;
}

GameFrm *GameFrm::instance()
{
    return g_gameFrm;
}

void GameFrm::createControls()
{
    setWindowTitle(QStringLiteral("The Numbers Game"));
    setObjectName(QStringLiteral("GameFrm"));

    m_sound = new platform::SoundPlayer(this);

    // The clock starts disabled; its period is set from the settings at load.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(950);

    // Four top-level commands, left to right, with no drop-down menus.
    QMenuBar *bar = menuBar();
    mnuExit = bar->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuSettings = bar->addAction(QStringLiteral("&Setting"));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    mnuSetup = bar->addAction(QStringLiteral("&Manual setup"));
    mnuSetup->setObjectName(QStringLiteral("mnuSetup"));
    mnuAbout = bar->addAction(QStringLiteral("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuExit, &QAction::triggered, this, &GameFrm::mnuExit_Click);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    resize(800, 600);
}

void GameFrm::Form_Load()
{
    GetSettings();
    Timer1->setInterval(GLOBALbas::TimerInterval); // stays disabled until a game starts

    QFile music(MusicResource);
    if (music.open(QIODevice::ReadOnly))
        SoundData = music.readAll();
}

void GameFrm::GetSettings()
{
    m_showSeconds = GLOBALbas::FetchShowSeconds();
}

void GameFrm::mnuExit_Click()
{
    close();
}

void GameFrm::closeEvent(QCloseEvent *event)
{
    // Closing is never refused: the music stops and the window lets go of
    // the process-wide reference.
    m_sound->purge();
    if (g_gameFrm == this)
        g_gameFrm = nullptr;
    event->accept();
}
