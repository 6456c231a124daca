// The main window's menu commands that open the other windows.

#include "aboutfrm.h"
#include "gamefrm.h"
#include "manualfrm.h"
#include "settingfrm.h"

void GameFrm::mnuSettings_Click()
{
    const Running running(*this);
    SettingFrm window({Timer1, [this] { GetSettings(); }}, this);
    window.exec();
    takeBackFocus();
}

void GameFrm::mnuSetup_Click()
{
    const Running running(*this);
    // The window writes straight into the number labels and the target, so
    // it never opens while a roll or a search still reads them.
    if (m_flow.isBusy())
        return;
    {
        ManualFrm window({Label2, lbTarget}, this);
        window.exec();
    }
    takeBackFocus();
    m_flow.ManualSetupClosed();
}

void GameFrm::mnuAbout_Click()
{
    const Running running(*this);
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
