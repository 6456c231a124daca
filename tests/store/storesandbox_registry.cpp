// The registry's sandbox: a key named after the process under the current
// user's Software key, deleted with its subkeys at the end.

#include "storesandbox.h"

#include <windows.h>

StoreSandbox::StoreSandbox()
    : m_root("Software\\Tallyfold tests\\" + std::to_string(GetCurrentProcessId()))
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_root.c_str()); // left by a crashed run
}

StoreSandbox::~StoreSandbox()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_root.c_str());
}

std::string StoreSandbox::path(std::string_view leaf) const
{
    return m_root + "\\" + std::string(leaf);
}

void StoreSandbox::removeKey(std::string_view leaf)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, path(leaf).c_str());
}
