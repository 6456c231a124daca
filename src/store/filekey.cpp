// The store where there is no registry: one text file per key, in the form
// settingsfile.h describes; this part only reads and replaces the file, under
// a lock, with the registry's statuses.

#include "settingsfile.h"
#include "storekey.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>

#include <utility>

namespace platform {

namespace {

using settingsfile::Entries;

QString &folderOverride()
{
    static QString folder;
    return folder;
}

QString fromNarrow(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fileForKey(std::string_view path)
{
    QStringList parts = fromNarrow(path).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
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

enum class ReadResult { Ok, Damaged, Missing, Corrupt, Unreadable };

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
    switch (settingsfile::parse(content, entries)) {
    case settingsfile::ParseResult::Ok:
        return ReadResult::Ok;
    case settingsfile::ParseResult::Damaged:
        return ReadResult::Damaged;
    case settingsfile::ParseResult::Corrupt:
        break;
    }
    return ReadResult::Corrupt;
}

// Keeps the damaged file for inspection before it is replaced: a copy of its
// own for each damage, never over an earlier one.
bool keepDamaged(const QString &fileName)
{
    const QString stem = fileName + QLatin1String(".bad-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString keep = stem;
    for (int n = 2; QFileInfo::exists(keep); ++n)
        keep = stem + QLatin1Char('-') + QString::number(n);
    return QFile::copy(fileName, keep);
}

// A write holds the lock for the few milliseconds it takes, so it is waited
// for only briefly. A lock file left empty by a process killed between
// creating and filling it names no owner that could ever release it: once it
// is old enough not to be one being filled right now, it is taken over.
constexpr int LockWaitMs = 50;
constexpr int StaleLockMs = 5000;
constexpr int UnfilledLockMs = 1000;

bool lockBriefly(QLockFile &lock)
{
    lock.setStaleLockTime(StaleLockMs);
    if (lock.tryLock(LockWaitMs))
        return true;
    qint64 pid = 0;
    QString host, application;
    const QString lockName = lock.fileName();
    if (lock.error() != QLockFile::LockFailedError || lock.getLockInfo(&pid, &host, &application) ||
        QFileInfo(lockName).lastModified().msecsTo(QDateTime::currentDateTime()) < UnfilledLockMs)
        return false;
    lock.removeStaleLockFile();
    return lock.tryLock(LockWaitMs);
}

// Why a write failed, as the registry would say: a full disk, a folder the
// game may not write in, or any other fault.
std::int32_t failedWrite(const QString &fileName, const QSaveFile &file)
{
    // A full disk shows as a short write or a failed commit, whatever the
    // error's kind: told so when the disk has next to nothing left.
    constexpr qint64 nearlyFull = 64 * 1024;
    const QStorageInfo disk(QFileInfo(fileName).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < nearlyFull)
        return RegStatus::DiskFull;
    if (file.error() == QFileDevice::PermissionsError || disk.isReadOnly())
        return RegStatus::AccessDenied;
    return RegStatus::WriteFault;
}

std::int32_t writeEntries(const QString &fileName, const Entries &entries)
{
    const QByteArray content = settingsfile::format(entries);
    // A file over the limit would read back as damaged: better to refuse the
    // one write than to lose every value at the next start.
    if (content.size() > settingsfile::MaxFileSize)
        return RegStatus::WriteFault;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failedWrite(fileName, file);
    if (file.write(content) != content.size()) {
        const std::int32_t status = failedWrite(fileName, file);
        file.cancelWriting();
        return status;
    }
    return file.commit() ? RegStatus::Success : failedWrite(fileName, file);
}

bool isText(std::uint32_t type)
{
    return type == RegType::Sz || type == RegType::ExpandSz || type == RegType::MultiSz;
}

} // namespace

struct StoreKey::Private
{
    QString fileName;
};

StoreKey::StoreKey(std::unique_ptr<Private> p)
    : d(std::move(p))
{}

StoreKey::~StoreKey() = default;

std::string storeFileForKey(std::string_view path)
{
    return fileForKey(path).toStdString();
}

void setStoreFolderForTesting(std::string folder)
{
    folderOverride() = QString::fromStdString(folder);
}

std::unique_ptr<StoreKey> StoreKey::open(std::string_view path)
{
    const QString fileName = fileForKey(path);
    if (fileName.isEmpty())
        return nullptr;
    const QFileInfo info(fileName);
    if (!info.isFile() || !info.isReadable() || !info.isWritable())
        return nullptr;
    auto p = std::make_unique<Private>();
    p->fileName = fileName;
    return std::unique_ptr<StoreKey>(new StoreKey(std::move(p)));
}

bool StoreKey::create(std::string_view path)
{
    const QString fileName = fileForKey(path);
    if (fileName.isEmpty())
        return false;
    if (QFileInfo::exists(fileName))
        return QFileInfo(fileName).isFile();
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QLockFile lock(fileName + QLatin1String(".lock"));
    if (!lockBriefly(lock))
        return false;
    if (QFileInfo::exists(fileName)) // created by another instance meanwhile
        return true;
    return writeEntries(fileName, {}) == RegStatus::Success;
}

std::int32_t StoreKey::query(std::string_view name, StoreValue *value) const
{
    Entries entries;
    switch (readEntries(d->fileName, &entries)) {
    case ReadResult::Missing: // the key went away after it was opened
        return RegStatus::KeyDeleted;
    case ReadResult::Unreadable:
        return RegStatus::AccessDenied;
    case ReadResult::Corrupt: // reads as a key without values
        return RegStatus::FileNotFound;
    case ReadResult::Damaged: // the values that can be read are there
    case ReadResult::Ok:
        break;
    }
    const QString wanted = fromNarrow(name);
    for (const auto &[n, v] : entries) {
        if (n.compare(wanted, Qt::CaseInsensitive) == 0) {
            *value = v;
            return RegStatus::Success;
        }
    }
    return RegStatus::FileNotFound;
}

std::int32_t StoreKey::set(std::string_view name, const StoreValue &value)
{
    return setMany({{std::string(name), value}});
}

std::int32_t StoreKey::setMany(const std::vector<NamedValue> &values)
{
    QLockFile lock(d->fileName + QLatin1String(".lock"));
    if (!lockBriefly(lock))
        return RegStatus::AccessDenied;
    Entries entries;
    switch (readEntries(d->fileName, &entries)) {
    case ReadResult::Missing:
        return RegStatus::KeyDeleted;
    case ReadResult::Unreadable:
        return RegStatus::AccessDenied;
    case ReadResult::Damaged:
    case ReadResult::Corrupt:
        // Written over a file with damage: the old one is kept for
        // inspection rather than lost without a trace; the values that could
        // be read are written back with the new one.
        if (!keepDamaged(d->fileName))
            return RegStatus::WriteFault;
        break;
    case ReadResult::Ok:
        break;
    }
    for (const auto &[name, value] : values) {
        StoreValue stored = value;
        // The registry counts a text value's terminating zero in when the
        // caller's count leaves it out; so does the file, so that a value
        // reads back alike on every platform.
        if (isText(stored.type) && !stored.data.empty() && stored.data.back() != '\0')
            stored.data.push_back('\0');
        const QString wanted = fromNarrow(name);
        bool replaced = false;
        for (auto &[n, v] : entries) {
            if (n.compare(wanted, Qt::CaseInsensitive) == 0) {
                v = std::move(stored); // the name keeps the spelling it was first written with
                replaced = true;
                break;
            }
        }
        if (!replaced)
            entries.emplace_back(wanted, std::move(stored));
    }
    return writeEntries(d->fileName, entries);
}

} // namespace platform
