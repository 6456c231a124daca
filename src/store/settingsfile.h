#pragma once

#include "storekey.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

// The text form of one settings key where there is no registry: the bytes of
// the key's file turned into its values and back, with no file I/O, so the
// reader can be tested and fuzzed on its own.
//
// Each line holds one value: "name=dword:<unsigned decimal>" for a 4-byte
// DWORD, or "name=hex(<type>):<bytes as hex>" for anything else. Names are
// percent-encoded UTF-8. Blank lines and lines starting with "#" are ignored.
// A malformed line, or a name equal to an earlier one without regard to case,
// is left out alone: one damaged value never takes the others with it.
namespace platform::settingsfile {

// Far beyond a handful of values; a bigger file is not ours.
inline constexpr qsizetype MaxFileSize = 1 << 20;

using Entries = std::vector<std::pair<QString, StoreValue>>;

// Damaged: some lines were left out; Corrupt: the file is not ours at all.
enum class ParseResult { Ok, Damaged, Corrupt };

// The values of a key file in file order, those of damaged lines left out.
// On Corrupt, `entries` is empty.
ParseResult parse(QByteArrayView content, Entries *entries);

// The file text for `entries`, which parse() reads back unchanged as long as
// the names are unique without regard to case.
QByteArray format(const Entries &entries);

} // namespace platform::settingsfile
