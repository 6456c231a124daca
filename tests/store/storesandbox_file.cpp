// The file store's sandbox: a temporary folder the store is pointed at.

#include "storekey.h"
#include "storesandbox.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

StoreSandbox::StoreSandbox()
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tallyfold-store.XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_root = pattern;
    platform::setStoreFolderForTesting(m_root);
}

StoreSandbox::~StoreSandbox()
{
    platform::setStoreFolderForTesting({});
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

std::string StoreSandbox::path(std::string_view leaf) const
{
    return "Software\\Tallyfold tests\\" + std::string(leaf);
}

void StoreSandbox::removeKey(std::string_view leaf)
{
    std::filesystem::remove(platform::storeFileForKey(path(leaf)));
}
