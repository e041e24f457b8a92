#include "fake_registry.h"

#include "inventory/text_case.h"

#include <algorithm>
#include <stdexcept>

namespace tandrel::test {
namespace {

bool sameName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameLetterIgnoringCase);
}

std::vector<std::wstring> components(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring part;
    for (wchar_t c : path + L'\\') {
        if (c == L'\\') {
            if (!part.empty()) {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part += c;
        }
    }
    return parts;
}

unsigned bytesOf(const std::wstring& text) {
    return static_cast<unsigned>((text.size() + 1) * 2);
}

} // namespace

FakeKey* FakeKey::find(const std::wstring& subKeyName) {
    for (auto& k : subKeys) {
        if (sameName(k.name, subKeyName)) {
            return &k;
        }
    }
    return nullptr;
}

FakeKey& FakeKey::add(const std::wstring& subKeyName) {
    if (FakeKey* existing = find(subKeyName)) {
        return *existing;
    }
    subKeys.push_back(FakeKey{subKeyName, {}, {}, false, {}});
    return subKeys.back();
}

FakeKey& FakeRegistry::key(RegistryRoot root, const std::wstring& path) {
    FakeKey* k = root == RegistryRoot::ClassesRoot ? &classesRoot : &localMachine;
    for (const auto& part : components(path)) {
        k = &k->add(part);
    }
    return *k;
}

std::optional<RegistryKey> FakeRegistry::openAt(FakeKey& from, const std::wstring& path, unsigned access) {
    accessMasks.push_back(access);
    FakeKey* k = &from;
    for (const auto& part : components(path)) {
        k = k->find(part);
        if (!k) {
            return std::nullopt;
        }
    }
    if (k->refuseOpen) {
        return std::nullopt;
    }
    open_[next_] = k;
    return next_++;
}

FakeKey& FakeRegistry::at(RegistryKey key) {
    const auto it = open_.find(key);
    if (it == open_.end()) {
        throw std::logic_error("registry key used after close or never opened");
    }
    return *it->second;
}

std::optional<RegistryKey> FakeRegistry::open(RegistryRoot root, const std::wstring& path, unsigned access) {
    return openAt(root == RegistryRoot::ClassesRoot ? classesRoot : localMachine, path, access);
}

std::optional<RegistryKey> FakeRegistry::openSubKey(RegistryKey parent, const std::wstring& name,
                                                    unsigned access) {
    return openAt(at(parent), name, access);
}

std::optional<KeyInfo> FakeRegistry::queryInfo(RegistryKey key) {
    const FakeKey& k = at(key);
    KeyInfo info;
    info.subKeys = static_cast<unsigned>(k.subKeys.size());
    for (const auto& sub : k.subKeys) {
        info.longestSubKeyName = std::max(info.longestSubKeyName, static_cast<unsigned>(sub.name.size()));
    }
    for (const auto& [name, text] : k.values) {
        info.longestValueData = std::max(info.longestValueData, text ? bytesOf(*text) : 4u);
    }
    return info;
}

// Like RegEnumKeyW: a name that does not fit the buffer with its NUL is not returned.
std::optional<std::wstring> FakeRegistry::enumKey(RegistryKey key, unsigned index, unsigned capacity) {
    const FakeKey& k = at(key);
    if (index >= k.subKeys.size() || k.refuseEnum.count(index) != 0 ||
        k.subKeys[index].name.size() + 1 > capacity) {
        return std::nullopt;
    }
    return k.subKeys[index].name;
}

std::optional<std::wstring> FakeRegistry::queryString(RegistryKey key, const std::wstring& value,
                                                      unsigned capacityBytes) {
    const FakeKey& k = at(key);
    for (const auto& [name, text] : k.values) {
        if (sameName(name, value)) {
            if (!text || bytesOf(*text) > capacityBytes) {
                return std::nullopt;
            }
            return *text;
        }
    }
    return std::nullopt;
}

void FakeRegistry::close(RegistryKey key) {
    at(key);
    open_.erase(key);
    ++closes_;
}

} // namespace tandrel::test
