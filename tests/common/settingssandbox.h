#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A settings store and a record of games of the test's own for as long as
// the object lives: the user's part of the store is an empty temporary folder, so a test neither
// reads nor changes the settings of whoever runs it, and sees nothing an
// earlier test stored. On request the process-wide values start afresh too,
// as in a new process (Reset), and are then loaded from the empty store the
// way the start-up does (Loaded).
class SettingsSandbox
{
public:
    enum class Values { Untouched, Reset, Loaded };

    explicit SettingsSandbox(Values values = Values::Untouched);
    // Points the store back at the user's own folder.
    ~SettingsSandbox();
    SettingsSandbox(const SettingsSandbox &) = delete;
    SettingsSandbox &operator=(const SettingsSandbox &) = delete;

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_dataHome;
    bool m_hadDataHome = false;
};
