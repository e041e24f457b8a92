#pragma once

#include "platform/registry.h"

#include <map>
#include <set>
#include <vector>

namespace tandrel::test {

// A registry in memory. Keys keep their subkeys in insertion order, which is the order
// enumeration yields; names compare without case, as Windows compares them.
struct FakeKey {
    std::wstring name;
    std::vector<FakeKey> subKeys;
    // A value without text stands for one of another type (a REG_DWORD, say).
    std::map<std::wstring, std::optional<std::wstring>> values;
    bool refuseOpen = false;
    std::set<unsigned> refuseEnum; // subkey indexes whose enumeration fails

    FakeKey* find(const std::wstring& subKeyName);
    FakeKey& add(const std::wstring& subKeyName);
};

class FakeRegistry : public Registry {
public:
    FakeKey classesRoot;
    FakeKey localMachine;
    std::vector<unsigned> accessMasks;

    // The key at a backslash-separated path, made when missing.
    FakeKey& key(RegistryRoot root, const std::wstring& path);
    std::size_t openKeys() const { return open_.size(); }
    int closes() const { return closes_; }

    std::optional<RegistryKey> open(RegistryRoot root, const std::wstring& path, unsigned access) override;
    std::optional<RegistryKey> openSubKey(RegistryKey parent, const std::wstring& name,
                                          unsigned access) override;
    std::optional<KeyInfo> queryInfo(RegistryKey key) override;
    std::optional<std::wstring> enumKey(RegistryKey key, unsigned index, unsigned capacity) override;
    std::optional<std::wstring> queryString(RegistryKey key, const std::wstring& value,
                                            unsigned capacityBytes) override;
    void close(RegistryKey key) override;

private:
    std::optional<RegistryKey> openAt(FakeKey& from, const std::wstring& path, unsigned access);
    FakeKey& at(RegistryKey key);

    std::map<RegistryKey, FakeKey*> open_;
    RegistryKey next_ = 1;
    int closes_ = 0;
};

} // namespace tandrel::test
