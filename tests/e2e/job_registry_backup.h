#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tandrel::e2e {

// Keeps a registry key with everything below it and puts it back as it was at the end, whatever
// happened to it meanwhile: the stand-in removes packages as the cmdlets would, and the tests
// after this one need the sample data whole.
class RegistryBackup {
public:
    RegistryBackup(HKEY root, std::wstring path);
    RegistryBackup(const RegistryBackup&) = delete;
    RegistryBackup& operator=(const RegistryBackup&) = delete;
    ~RegistryBackup();

    struct Value {
        std::wstring name;
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };
    struct Key {
        std::wstring name;
        std::vector<Value> values;
        std::vector<Key> subkeys;
    };

private:
    HKEY root_;
    std::wstring path_;
    // Nothing when the key did not exist: then it is only deleted at the end.
    std::optional<Key> saved_;
};

} // namespace tandrel::e2e
