#pragma once

#include <string>
#include <string_view>

// A part of the settings store that belongs to one test: a folder of its own
// for the file store, a key of its own in the registry. It is removed, with
// everything in it, when the sandbox goes.
class StoreSandbox
{
public:
    StoreSandbox();
    ~StoreSandbox();
    StoreSandbox(const StoreSandbox &) = delete;
    StoreSandbox &operator=(const StoreSandbox &) = delete;

    // The store path of a key inside the sandbox.
    std::string path(std::string_view leaf) const;

    // Removes a key behind the store's back, as another program would.
    void removeKey(std::string_view leaf);

private:
    std::string m_root;
};
