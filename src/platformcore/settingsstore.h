#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace platform {

// Value types and status codes of the per-user settings store. They are the
// registry's own numbers so that the settings module above can report them
// unchanged on every platform.
namespace RegType {
inline constexpr quint32 Sz = 1;
inline constexpr quint32 Binary = 3;
inline constexpr quint32 Dword = 4;
} // namespace RegType

namespace RegStatus {
inline constexpr qint32 Success = 0;
inline constexpr qint32 FileNotFound = 2;
inline constexpr qint32 AccessDenied = 5;
inline constexpr qint32 InvalidHandle = 6;
inline constexpr qint32 InvalidData = 13;
inline constexpr qint32 WriteFault = 29;
inline constexpr qint32 MoreData = 234;
inline constexpr qint32 BadKey = 1010;
} // namespace RegStatus

// One stored value: its type and its raw bytes, exactly as written.
struct StoredValue
{
    quint32 type = 0;
    QByteArray data;

    friend bool operator==(const StoredValue &, const StoredValue &) = default;
};

// An open key of the current user's settings store, named by a registry-style
// path such as "Software\\Vantor\\Tallyfold\\". On Windows this is the key under
// HKEY_CURRENT_USER; elsewhere it is one small text file per key in the user's
// configuration folder ("Vantor/Tallyfold.conf"), which keeps every value's
// type and bytes, matches names without regard to case, and is replaced
// atomically on every write so that a crash never loses the previous settings.
// A file that cannot be parsed reads as a key without values; it is only
// replaced when a value is written, and then kept beside it as "<file>.bad".
// A write that would take the file past its size limit fails instead.
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

private:
    struct Private;
    explicit SettingsKey(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d;
};

// Tests point the user's part of the store at a folder of their own. An empty
// folder restores the user's configuration folder. (No effect on Windows.)
void setSettingsFolderForTesting(const QString &folder);

// The file that holds the key (empty on Windows, where the registry does).
QString settingsFileForKey(const QString &path);

} // namespace platform
