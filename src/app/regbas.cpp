#include "regbas.h"

#include "globalbas.h"
#include "settingsstore.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <QtEndian>

#include <cmath>
#include <limits>
#include <memory>

namespace REGbas {

namespace {

std::unique_ptr<platform::SettingsKey> openKey(qint32 root, const QString &keyPath)
{
    if (root != HkeyCurrentUser)
        return nullptr;
    return platform::SettingsKey::open(keyPath);
}

// A value converted for a 32-bit write: a number as it is, a whole-number text
// within range; nothing for anything else.
std::optional<qint32> toInt32(const Variant &value)
{
    if (value.isEmpty())
        return 0;
    const auto n = value.toNumber();
    if (!n)
        return std::nullopt;
    const double r = std::nearbyint(*n);
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(r);
}

} // namespace

void CreateSettingsKey(qint32 root, const QString &keyPath)
{
    if (root == HkeyCurrentUser)
        platform::SettingsKey::create(keyPath);
}

qint32 WriteValueData(platform::SettingsKey *key, const QString &name, qint32 type,
                      const Variant &value)
{
    platform::StoredValue stored;
    stored.type = static_cast<quint32>(type);
    switch (type) {
    case RegSz:
        // Characters only: the stored size is the text's length, with no
        // terminating zero.
        stored.data = value.toText().toLatin1();
        break;
    case RegBinary:
    case RegDword: {
        const auto n = toInt32(value);
        if (!n)
            return platform::RegStatus::InvalidData;
        stored.data.resize(4);
        qToLittleEndian(static_cast<quint32>(*n), stored.data.data());
        break;
    }
    default:
        return 0;
    }
    if (!key)
        return platform::RegStatus::InvalidHandle;
    return key->set(name, stored);
}

qint32 ReadValueData(platform::SettingsKey *key, const QString &name, Variant &value)
{
    if (!key)
        return -1; // what a key that failed to open gives
    platform::StoredValue stored;
    const qint32 status = key->query(name, &stored);
    if (status == platform::RegStatus::BadKey || status == platform::RegStatus::InvalidHandle)
        return -1;
    if (status != platform::RegStatus::Success)
        return status;
    switch (stored.type) {
    case RegSz:
        // Every stored byte becomes a character, a stored terminating zero too.
        value = QString::fromLatin1(stored.data);
        return 0;
    case RegBinary:
    case RegDword: {
        // Exactly four bytes fit the integer; any other size is a failed read
        // that leaves the value as it was.
        if (stored.data.size() > 4)
            return platform::RegStatus::MoreData;
        if (stored.data.size() < 4)
            return platform::RegStatus::InvalidData;
        value = qFromLittleEndian<qint32>(stored.data.constData());
        return 0;
    }
    default:
        return -1;
    }
}

void StoreSetting(qint32 root, const QString &keyPath, const QString &name, const Variant &value,
                  qint32 type)
{
    const auto key = openKey(root, keyPath);
    if (key)
        WriteValueData(key.get(), name, type, value);
}

namespace {

// Why a key's file could not be made, where the folder it goes in can tell:
// a full disk, or a folder the game may not write in; -1 otherwise (and on
// Windows, whose registry says for itself).
qint32 keyFailure(const QString &keyPath)
{
    const QString file = platform::settingsFileForKey(keyPath);
    if (file.isEmpty())
        return -1;
    QString folder = QFileInfo(file).absolutePath();
    while (!QFileInfo::exists(folder) && QFileInfo(folder).path() != folder)
        folder = QFileInfo(folder).path();
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.bytesAvailable() < 64 * 1024)
        return ErrorDiskFull;
    if (disk.isReadOnly() || !QFileInfo(folder).isWritable())
        return ErrorAccessDenied;
    return -1;
}

} // namespace

qint32 StoreSettings(qint32 root, const QString &keyPath,
                     const QList<QPair<QString, qint32>> &numbers)
{
    // A first run's key exists from the start-up on; one removed since is
    // made again rather than losing the page.
    if (root == HkeyCurrentUser)
        platform::SettingsKey::create(keyPath);
    const auto key = openKey(root, keyPath);
    if (!key)
        return keyFailure(keyPath);
    QList<QPair<QString, platform::StoredValue>> values;
    for (const auto &[name, number] : numbers) {
        QByteArray bytes(4, '\0');
        qToLittleEndian<qint32>(number, bytes.data());
        values.append({name, platform::StoredValue{RegDword, bytes}});
    }
    return key->setMany(values);
}

qint32 FetchSetting(qint32 root, const QString &keyPath, const QString &name)
{
    const auto key = openKey(root, keyPath);
    Variant value;
    const qint32 status = ReadValueData(key.get(), name, value);
    GLOBALbas::LastRegValue = value;
    return status;
}

} // namespace REGbas
