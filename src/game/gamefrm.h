#pragma once

#include <QByteArray>
#include <QMainWindow>

class QAction;
class QTimer;

namespace platform {
class SoundPlayer;
}

// The main window: the board, the clock and everything the player does. One
// instance lives for the whole process and is reachable through instance(),
// so the other windows and the solver can reach its controls.
class GameFrm : public QMainWindow
{
    Q_OBJECT

public:
    explicit GameFrm(QWidget *parent = nullptr);
    ~GameFrm() override;

    // The process-wide reference; null before the window exists and after it
    // has begun to close.
    static GameFrm *instance();

    // Re-reads the "ShowSeconds" switch from the settings store.
    void GetSettings();
    bool showSeconds() const { return m_showSeconds; }

    platform::SoundPlayer &sound() { return *m_sound; }

    // Controls and state the other windows and the solver reach directly.
    QTimer *Timer1 = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuSettings = nullptr;
    QAction *mnuSetup = nullptr;
    QAction *mnuAbout = nullptr;
    QByteArray SoundData;
    qint16 ElapsedSeconds = 0;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void mnuExit_Click();

    platform::SoundPlayer *m_sound = nullptr;
    bool m_showSeconds = false;
};
