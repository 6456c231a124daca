// The main window's menu commands that open the other windows.

#include "aboutfrm.h"
#include "gamefrm.h"
#include "manualfrm.h"
#include "settingfrm.h"

void GameFrm::mnuSettings_Click()
{
    SettingFrm window({Timer1, [this] { GetSettings(); }, m_flow.settings(),
                       [this](const GameSettings &settings) {
                           m_flow.setSettings(settings);
                           nameClock();
                       }},
                      this);
    window.exec();
    takeBackFocus();
}

void GameFrm::mnuSetup_Click()
{
    // Its search would replace the one running, or the target being rolled.
    if (m_flow.isBusy())
        return;
    QList<qint32> numbers;
    qint32 target = 0;
    {
        ManualFrm window(this);
        if (window.exec() == QDialog::Accepted) {
            numbers = window.chosenNumbers();
            target = window.target();
        }
    }
    takeBackFocus();
    if (!numbers.isEmpty())
        m_flow.setUpBoard(numbers, target);
}

void GameFrm::mnuAbout_Click()
{
    AboutFrm window(this);
    window.exec();
    takeBackFocus();
}

void GameFrm::takeBackFocus()
{
    // A window manager would hand the keyboard back to the main window when
    // a dialog closes; without one, nothing does.
    if (isVisible())
        activateWindow();
}
