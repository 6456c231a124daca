// The store on Windows: the current user's registry, through its narrow
// functions, which turn text values into the registry's UTF-16 and back.

#include "storekey.h"

#include <windows.h>

#include <limits>
#include <utility>

namespace platform {

struct StoreKey::Private
{
    HKEY key = nullptr;
};

namespace {

// The tests' keys go under this one of the current user.
constexpr const char *kTestsKey = "Software\\Tallyfold tests";

// Where a test has put the store: a key of its own under the current user,
// or empty for the user's real settings.
std::string &testRoot()
{
    static std::string root;
    return root;
}

// The settings module names its key with a trailing separator, which the
// registry's own paths do not carry.
std::string nativePath(std::string_view path)
{
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    const std::string &root = testRoot();
    return root.empty() ? std::string(path) : root + "\\" + std::string(path);
}

} // namespace

StoreKey::StoreKey(std::unique_ptr<Private> p)
    : d(std::move(p))
{}

StoreKey::~StoreKey()
{
    if (d && d->key)
        RegCloseKey(d->key);
}

std::unique_ptr<StoreKey> StoreKey::open(std::string_view path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, nativePath(path).c_str(), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    auto p = std::make_unique<Private>();
    p->key = key;
    return std::unique_ptr<StoreKey>(new StoreKey(std::move(p)));
}

bool StoreKey::create(std::string_view path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, nativePath(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::int32_t StoreKey::query(std::string_view name, StoreValue *value) const
{
    const std::string n(name);
    // The size first, then the bytes. Another program may make the value
    // longer in between: then ask again, a few times at most.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        LONG status = RegQueryValueExA(d->key, n.c_str(), nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS)
            return status;
        std::string data(size, '\0');
        if (size > 0) {
            status = RegQueryValueExA(d->key, n.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE *>(data.data()), &size);
            if (status == ERROR_MORE_DATA)
                continue;
            if (status != ERROR_SUCCESS)
                return status;
            data.resize(size);
        }
        value->type = type;
        value->data = std::move(data);
        return RegStatus::Success;
    }
    return RegStatus::MoreData;
}

std::int32_t StoreKey::set(std::string_view name, const StoreValue &value)
{
    // Parenthesised: windows.h defines max() as a macro for MSVC.
    if (value.data.size() > (std::numeric_limits<DWORD>::max)())
        return RegStatus::InvalidData;
    // The bytes are passed with the zero that std::string keeps after them,
    // so the registry adds a text value's missing terminator from it.
    return RegSetValueExA(d->key, std::string(name).c_str(), 0, value.type,
                          reinterpret_cast<const BYTE *>(value.data.c_str()),
                          static_cast<DWORD>(value.data.size()));
}

std::int32_t StoreKey::setMany(const std::vector<NamedValue> &values)
{
    for (const auto &[name, value] : values) {
        if (const std::int32_t status = set(name, value); status != RegStatus::Success)
            return status;
    }
    return RegStatus::Success;
}

void setStoreFolderForTesting(std::string folder)
{
    // The registry has no folders: a test's folder names a key of its own,
    // empty at first and deleted with everything in it when the test lets go.
    std::string &root = testRoot();
    if (!root.empty()) {
        RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
        // The tests' parent key goes with the last of them (a key that
        // still has subkeys is not deleted).
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestsKey);
    }
    root.clear();
    if (folder.empty())
        return;
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    const std::size_t slash = folder.find_last_of("/\\");
    root = std::string(kTestsKey) + "\\" + std::to_string(GetCurrentProcessId()) + "-" +
           folder.substr(slash == std::string::npos ? 0 : slash + 1);
    RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str()); // left by a crashed run
}

std::string storeFileForKey(std::string_view)
{
    return {};
}

} // namespace platform
