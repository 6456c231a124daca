#include "settingssandbox.h"

#include "globalbas.h"
#include "settingsstore.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

SettingsSandbox::SettingsSandbox(Values values)
{
    // Without a folder of its own a test would use the real settings: stop.
    if (!m_dir.isValid())
        qFatal("No temporary folder for the settings: %s", qPrintable(m_dir.errorString()));
    platform::setSettingsFolderForTesting(m_dir.path());
    // The record of games is a file in the per-user data folder: the test's
    // own, empty one too.
#ifdef Q_OS_WIN
    // There the folder is Windows' own: the tests' one, emptied before and after.
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
#else
    m_dataHome = qgetenv("XDG_DATA_HOME");
    m_hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QDir(m_dir.path()).filePath(QStringLiteral("data")).toLocal8Bit());
#endif
    if (values != Values::Untouched)
        GLOBALbas::ResetProcessValues();
    if (values == Values::Loaded)
        GLOBALbas::LoadSettings();
}

SettingsSandbox::~SettingsSandbox()
{
    platform::setSettingsFolderForTesting(QString());
#ifdef Q_OS_WIN
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
#else
    if (m_hadDataHome)
        qputenv("XDG_DATA_HOME", m_dataHome);
    else
        qunsetenv("XDG_DATA_HOME");
#endif
}
