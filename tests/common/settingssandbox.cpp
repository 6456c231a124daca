#include "settingssandbox.h"

#include "globalbas.h"
#include "settingsstore.h"

#include <QtGlobal>

SettingsSandbox::SettingsSandbox(Values values)
{
    // Without a folder of its own a test would use the real settings: stop.
    if (!m_dir.isValid())
        qFatal("No temporary folder for the settings: %s", qPrintable(m_dir.errorString()));
    platform::setSettingsFolderForTesting(m_dir.path());
    if (values != Values::Untouched)
        GLOBALbas::ResetProcessValues();
    if (values == Values::Loaded)
        GLOBALbas::LoadSettings();
}

SettingsSandbox::~SettingsSandbox()
{
    platform::setSettingsFolderForTesting(QString());
}
