#include "tests/e2e/job_registry_backup.h"

#include "tests/e2e/driver_error.h"
#include "tools/common/utf8.h"
#include "tools/powershell_standin/registry_key.h"

namespace tandrel::e2e {
namespace {

using Key = RegistryBackup::Key;
using Value = RegistryBackup::Value;

std::vector<Value> valuesOf(HKEY key) {
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD largestData = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName,
                     &largestData, nullptr, nullptr);
    std::vector<Value> values;
    for (DWORD index = 0; index < count; ++index) {
        std::wstring name(longestName + 1, L'\0');
        DWORD nameLength = longestName + 1;
        Value value;
        value.data.resize(largestData);
        DWORD bytes = largestData;
        if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &value.type, value.data.data(),
                          &bytes) != ERROR_SUCCESS) {
            throw DriverError("cannot read a registry value for the backup");
        }
        name.resize(nameLength);
        value.name = name;
        value.data.resize(bytes);
        values.push_back(std::move(value));
    }
    return values;
}

Key read(HKEY parent, const std::wstring& name) {
    const tools::UniqueKey key = tools::openKey(parent, name);
    if (!key) {
        throw DriverError("cannot open the registry key " + tools::toUtf8(name) + " for the backup");
    }
    Key saved{name, valuesOf(key.get()), {}};
    for (const std::wstring& subkey : tools::subkeyNames(key.get())) {
        saved.subkeys.push_back(read(key.get(), subkey));
    }
    return saved;
}

void write(HKEY parent, const Key& saved) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(parent, saved.name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    const tools::UniqueKey key(created);
    for (const Value& value : saved.values) {
        RegSetValueExW(key.get(), value.name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    }
    for (const Key& subkey : saved.subkeys) {
        write(key.get(), subkey);
    }
}

} // namespace

RegistryBackup::RegistryBackup(HKEY root, std::wstring path) : root_(root), path_(std::move(path)) {
    if (tools::openKey(root_, path_)) {
        saved_ = read(root_, path_);
    }
}

RegistryBackup::~RegistryBackup() {
    RegDeleteTreeW(root_, path_.c_str());
    if (saved_) {
        write(root_, *saved_);
    }
}

} // namespace tandrel::e2e
