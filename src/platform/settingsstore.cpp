#include "settingsstore.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <utility>
#endif

namespace platform {

#ifdef Q_OS_WIN

// ---- Windows: the registry itself -------------------------------------------

struct SettingsKey::Private
{
    HKEY key = nullptr;
};

namespace {
QByteArray nativePath(const QString &path)
{
    QString p = path;
    while (p.endsWith(QLatin1Char('\\')))
        p.chop(1);
    return p.toLocal8Bit();
}
} // namespace

SettingsKey::SettingsKey(std::unique_ptr<Private> p)
    : d(std::move(p))
{}

SettingsKey::~SettingsKey()
{
    if (d && d->key)
        RegCloseKey(d->key);
}

std::unique_ptr<SettingsKey> SettingsKey::open(const QString &path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, nativePath(path).constData(), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    auto p = std::make_unique<Private>();
    p->key = key;
    return std::unique_ptr<SettingsKey>(new SettingsKey(std::move(p)));
}

bool SettingsKey::create(const QString &path)
{
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, nativePath(path).constData(), 0, nullptr,
                                        0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

qint32 SettingsKey::query(const QString &name, StoredValue *value) const
{
    const QByteArray n = name.toLocal8Bit();
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(d->key, n.constData(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS)
        return status;
    QByteArray data(static_cast<qsizetype>(size), '\0');
    status = RegQueryValueExA(d->key, n.constData(), nullptr, &type,
                              reinterpret_cast<BYTE *>(data.data()), &size);
    if (status != ERROR_SUCCESS)
        return status;
    data.truncate(static_cast<qsizetype>(size));
    value->type = type;
    value->data = data;
    return RegStatus::Success;
}

qint32 SettingsKey::set(const QString &name, const StoredValue &value)
{
    return RegSetValueExA(d->key, name.toLocal8Bit().constData(), 0, value.type,
                          reinterpret_cast<const BYTE *>(value.data.constData()),
                          static_cast<DWORD>(value.data.size()));
}

void setSettingsFolderForTesting(const QString &) {}

QString settingsFileForKey(const QString &)
{
    return {};
}

#else

// ---- Elsewhere: one text file per key ----------------------------------------
//
// The file's text form lives in settingsfile.h; this part only reads and
// replaces the file.

namespace {

using settingsfile::Entries;

QString &folderOverride()
{
    static QString folder;
    return folder;
}

enum class ReadResult { Ok, Missing, Corrupt, Unreadable };

ReadResult readEntries(const QString &fileName, Entries *entries)
{
    entries->clear();
    QFile file(fileName);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Unreadable;
    if (file.size() > settingsfile::MaxFileSize)
        return ReadResult::Corrupt;
    const QByteArray content = file.read(settingsfile::MaxFileSize + 1);
    return settingsfile::parse(content, entries) == settingsfile::ParseResult::Ok
               ? ReadResult::Ok
               : ReadResult::Corrupt;
}

bool writeEntries(const QString &fileName, const Entries &entries)
{
    const QByteArray content = settingsfile::format(entries);
    // A file over the limit would read back as damaged: better to refuse the
    // one write than to lose every value at the next start.
    if (content.size() > settingsfile::MaxFileSize)
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

struct SettingsKey::Private
{
    QString fileName;
};

SettingsKey::SettingsKey(std::unique_ptr<Private> p)
    : d(std::move(p))
{}

SettingsKey::~SettingsKey() = default;

QString settingsFileForKey(const QString &path)
{
    QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() &&
        parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.isEmpty())
        return {};
    for (const QString &part : std::as_const(parts)) {
        // A key name never leaves the store's folder.
        if (part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('/')))
            return {};
    }
    const QString base =
        folderOverride().isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            : folderOverride();
    return base + QLatin1Char('/') + parts.join(QLatin1Char('/')) + QLatin1String(".conf");
}

void setSettingsFolderForTesting(const QString &folder)
{
    folderOverride() = folder;
}

std::unique_ptr<SettingsKey> SettingsKey::open(const QString &path)
{
    const QString fileName = settingsFileForKey(path);
    if (fileName.isEmpty())
        return nullptr;
    const QFileInfo info(fileName);
    if (!info.isFile() || !info.isReadable() || !info.isWritable())
        return nullptr;
    auto p = std::make_unique<Private>();
    p->fileName = fileName;
    return std::unique_ptr<SettingsKey>(new SettingsKey(std::move(p)));
}

bool SettingsKey::create(const QString &path)
{
    const QString fileName = settingsFileForKey(path);
    if (fileName.isEmpty())
        return false;
    if (QFileInfo::exists(fileName))
        return QFileInfo(fileName).isFile();
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QLockFile lock(fileName + QLatin1String(".lock"));
    if (!lock.tryLock(2000))
        return false;
    if (QFileInfo::exists(fileName)) // created by another instance meanwhile
        return true;
    return writeEntries(fileName, {});
}

qint32 SettingsKey::query(const QString &name, StoredValue *value) const
{
    Entries entries;
    switch (readEntries(d->fileName, &entries)) {
    case ReadResult::Missing: // the key went away after it was opened
        return RegStatus::BadKey;
    case ReadResult::Unreadable:
        return RegStatus::AccessDenied;
    case ReadResult::Corrupt: // reads as a key without values
        return RegStatus::FileNotFound;
    case ReadResult::Ok:
        break;
    }
    for (const auto &[n, v] : entries) {
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            *value = v;
            return RegStatus::Success;
        }
    }
    return RegStatus::FileNotFound;
}

qint32 SettingsKey::set(const QString &name, const StoredValue &value)
{
    QLockFile lock(d->fileName + QLatin1String(".lock"));
    if (!lock.tryLock(2000))
        return RegStatus::AccessDenied;
    Entries entries;
    switch (readEntries(d->fileName, &entries)) {
    case ReadResult::Missing:
        return RegStatus::BadKey;
    case ReadResult::Unreadable:
        return RegStatus::AccessDenied;
    case ReadResult::Corrupt: {
        // The user is writing settings over a file we cannot read: keep the
        // old one for inspection rather than losing it without a trace.
        const QString keep = d->fileName + QLatin1String(".bad");
        QFile::remove(keep);
        if (!QFile::copy(d->fileName, keep))
            return RegStatus::WriteFault;
        entries.clear();
        break;
    }
    case ReadResult::Ok:
        break;
    }
    bool replaced = false;
    for (auto &[n, v] : entries) {
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            v = value; // the name keeps the spelling it was first written with
            replaced = true;
            break;
        }
    }
    if (!replaced)
        entries.emplace_back(name, value);
    return writeEntries(d->fileName, entries) ? RegStatus::Success : RegStatus::WriteFault;
}

#endif

} // namespace platform
