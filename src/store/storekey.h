#pragma once

// The per-user settings store beneath the settings module, in plain C++ so
// that its Windows side builds and is tested without Qt.
//
// A key is named by a registry-style path such as "Software\\Vantor\\Tallyfold\\".
// On Windows it is that key under HKEY_CURRENT_USER, reached through the
// registry's narrow (ANSI) functions. Elsewhere it is one small text file per
// key in the user's configuration folder ("Vantor/Tallyfold.conf") that
// follows the registry's rules: every value keeps its type and bytes, names
// match without regard to case, and the statuses are the registry's own. The
// file is replaced atomically on every write, so a crash never loses the
// previous settings. A damaged line reads as that value missing, the others
// kept; the damaged file is only replaced when a value is written, kept
// beside it as "<file>.bad-<date and time>", one copy for each. A write that
// would take the file past its size limit fails. The lock a write takes is
// held for milliseconds and waited for briefly; one left behind empty by a
// process killed while taking it does not hold later writes.
//
// Names are in the platform's narrow encoding: the ANSI code page on Windows,
// UTF-8 elsewhere.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// Value types and status codes: the registry's own numbers, so that the
// settings module above reports them unchanged on every platform.
namespace RegType {
inline constexpr std::uint32_t Sz = 1;
inline constexpr std::uint32_t ExpandSz = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiSz = 7;
} // namespace RegType

namespace RegStatus {
inline constexpr std::int32_t Success = 0;
inline constexpr std::int32_t FileNotFound = 2;
inline constexpr std::int32_t AccessDenied = 5;
inline constexpr std::int32_t InvalidHandle = 6;
inline constexpr std::int32_t InvalidData = 13;
inline constexpr std::int32_t WriteFault = 29;
inline constexpr std::int32_t DiskFull = 112;
inline constexpr std::int32_t MoreData = 234;
inline constexpr std::int32_t BadKey = 1010;
inline constexpr std::int32_t KeyDeleted = 1018;
} // namespace RegStatus

// One stored value: its type and its raw bytes.
struct StoreValue
{
    std::uint32_t type = 0;
    std::string data;

    friend bool operator==(const StoreValue &, const StoreValue &) = default;
};

class StoreKey
{
public:
    ~StoreKey();
    StoreKey(const StoreKey &) = delete;
    StoreKey &operator=(const StoreKey &) = delete;

    // The key opened for reading and writing, or null when it does not exist
    // or cannot be opened with full access.
    static std::unique_ptr<StoreKey> open(std::string_view path);

    // Creates the key without values, or leaves an existing one alone.
    static bool create(std::string_view path);

    // Success and the value, FileNotFound when the key has no such value,
    // KeyDeleted when the key went away after it was opened, or another
    // status when the store cannot be read.
    std::int32_t query(std::string_view name, StoreValue *value) const;

    // Writes (or replaces) one value; Success or the failing status. A text
    // value (Sz, ExpandSz, MultiSz) whose last byte is not zero is stored with
    // a terminating zero added, as the registry does when a caller's count
    // leaves it out.
    std::int32_t set(std::string_view name, const StoreValue &value);

    // Writes (or replaces) several values at once. Where the key is a file,
    // in one replace of it, so that they are kept together or not at all;
    // the registry takes them one by one. Success or the first failing status.
    using NamedValue = std::pair<std::string, StoreValue>;
    std::int32_t setMany(const std::vector<NamedValue> &values);

private:
    struct Private;
    explicit StoreKey(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d;
};

// Tests point the store at a folder of their own; an empty folder restores
// the user's configuration folder. On Windows the folder's name picks a key
// of the test's own under HKEY_CURRENT_USER\Software\Tallyfold tests, empty
// at first and deleted when the test lets go of it.
void setStoreFolderForTesting(std::string folder);

// The file that holds the key: empty on Windows, where the registry does, and
// for a path that names no file of the store.
std::string storeFileForKey(std::string_view path);

} // namespace platform
