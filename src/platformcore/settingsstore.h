#pragma once

#include "storekey.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

namespace platform {

// One stored value: its type and its raw bytes, exactly as read or written.
struct StoredValue
{
    quint32 type = 0;
    QByteArray data;

    friend bool operator==(const StoredValue &, const StoredValue &) = default;
};

// An open key of the current user's settings store (storekey.h says where it
// lives and which rules it follows), with Qt's text and bytes. Names and
// paths cross to the store in the platform's narrow encoding.
class SettingsKey
{
public:
    ~SettingsKey();
    SettingsKey(const SettingsKey &) = delete;
    SettingsKey &operator=(const SettingsKey &) = delete;

    // The key opened for reading and writing, or null when it does not exist
    // or cannot be opened with full access.
    static std::unique_ptr<SettingsKey> open(const QString &path);

    // Creates the key without values, or leaves an existing one alone.
    static bool create(const QString &path);

    // Success and the value, FileNotFound when the key has no such value, or
    // another status when the store cannot be read.
    qint32 query(const QString &name, StoredValue *value) const;

    // Writes (or replaces) one value; Success or the failing status.
    qint32 set(const QString &name, const StoredValue &value);
    // Writes several values together: in one replace where the store is a
    // file, so that a page of settings is kept whole. Success or the first
    // failing status.
    qint32 setMany(const QList<QPair<QString, StoredValue>> &values);

private:
    explicit SettingsKey(std::unique_ptr<StoreKey> key);
    std::unique_ptr<StoreKey> m_key;
};

// Tests point the user's part of the store at a folder of their own. An empty
// folder restores the user's configuration folder. (On Windows: a registry
// key of the test's own; storekey.h says which.)
void setSettingsFolderForTesting(const QString &folder);

// The file that holds the key (empty on Windows, where the registry does).
QString settingsFileForKey(const QString &path);

} // namespace platform
