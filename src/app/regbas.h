#pragma once

#include "variant.h"

#include <QList>
#include <QPair>
#include <QString>

namespace platform {
class SettingsKey;
}

// The five operations through which the program reaches its per-user
// settings store. None of them ever shows a message; statuses are the store's
// own numbers (0 for success), with -1 for a key that cannot be opened.
namespace REGbas {

// The root of the current user's settings.
inline constexpr qint32 HkeyCurrentUser = static_cast<qint32>(0x80000001u);

// Value types a write may ask for.
inline constexpr qint32 RegSz = 1;
inline constexpr qint32 RegBinary = 3;
inline constexpr qint32 RegDword = 4;

// The failures a write may report that a player can act on (the registry's
// own numbers, which the file store on Linux reports alike).
inline constexpr qint32 ErrorAccessDenied = 5;
inline constexpr qint32 ErrorDiskFull = 112;

// Creates (or opens) the key and closes it again; failures are ignored.
void CreateSettingsKey(qint32 root, const QString &keyPath);

// Writes one value into an open key: a text as its characters without a
// terminating zero (type 1), a 32-bit integer as 4 bytes (types 3 and 4).
// Any other type writes nothing and reports 0.
qint32 WriteValueData(platform::SettingsKey *key, const QString &name, qint32 type,
                      const Variant &value);

// Reads one value of an open key (null for a key that failed to open) into
// value. Returns 0, the store's status, or -1 for a key that cannot be read or
// a type the program does not know; value is untouched unless a read succeeds
// (a failed text read empties it).
qint32 ReadValueData(platform::SettingsKey *key, const QString &name, Variant &value);

// Opens the key, writes the value, closes the key; a failure is silent.
void StoreSetting(qint32 root, const QString &keyPath, const QString &name, const Variant &value,
                  qint32 type);

// Opens the key and writes several 32-bit numbers together, in one replace
// of the store's file where it is one (a page of settings is kept whole or
// not at all); closes the key. Returns 0, the store's failing status, or -1
// when the key cannot be opened: unlike StoreSetting, a failure is told.
qint32 StoreSettings(qint32 root, const QString &keyPath,
                     const QList<QPair<QString, qint32>> &numbers);

// Opens the key, reads the value into GLOBALbas::LastRegValue (empty whenever
// nothing was read), closes the key and returns the read's status.
qint32 FetchSetting(qint32 root, const QString &keyPath, const QString &name);

} // namespace REGbas
