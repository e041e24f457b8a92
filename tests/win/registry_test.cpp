#include "app/state.h"
#include "platform/win32/registry_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tandrel {
namespace {

constexpr wchar_t kTestRoot[] = L"SOFTWARE\\TandrelTest";
constexpr unsigned kEnumerateAndQuery = kKeyEnumerateSubKeys | kKeyQueryValue;
// What the program adds to the sizes RegQueryInfoKeyW reports.
constexpr unsigned kSpare = 100;

// Created in this order; the registry hands them out sorted without regard to case.
const wchar_t* const kFamilies[] = {L"Beta", L"alpha", L"Gamma.LongestFamilyName_8wekyb3d8bbwe"};
constexpr unsigned kLongestFamilyName = 37;

// 32767 characters and the closing NUL: 64 KB of value data.
const std::wstring kLarge(32767, L'L');
constexpr unsigned kLargeBytes = 65536;

void createKey(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS)
        << "cannot create " << testing::PrintToString(path);
    RegCloseKey(key);
}

// `bytes` bytes of `data`, whatever they hold: the registry stores what it is given.
void setValue(const std::wstring& path, const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, path.c_str(), name, type, data, bytes), ERROR_SUCCESS)
        << name;
}

void setText(const std::wstring& path, const wchar_t* name, DWORD type, const std::wstring& text) {
    setValue(path, name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// A key the test opened through the seam, closed again at the end of the scope.
class SeamKey {
public:
    SeamKey(Registry& registry, std::optional<RegistryKey> key) : registry_(registry), key_(key) {}
    SeamKey(const SeamKey&) = delete;
    SeamKey& operator=(const SeamKey&) = delete;
    ~SeamKey() {
        if (key_) {
            registry_.close(*key_);
        }
    }
    explicit operator bool() const { return key_.has_value(); }
    RegistryKey get() const { return key_.value(); }

private:
    Registry& registry_;
    std::optional<RegistryKey> key_;
};

class RegistryTest : public testing::Test {
protected:
    const std::wstring families_ = std::wstring(kTestRoot) + L"\\Families";
    const std::wstring values_ = std::wstring(kTestRoot) + L"\\Values";
    Win32Registry registry_;

    void SetUp() override {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTestRoot); // left over by an aborted run
        for (const wchar_t* family : kFamilies) {
            ASSERT_NO_FATAL_FAILURE(createKey(HKEY_LOCAL_MACHINE, families_ + L"\\" + family));
        }
        ASSERT_NO_FATAL_FAILURE(createKey(HKEY_LOCAL_MACHINE, values_));
        setText(values_, L"DisplayName", REG_SZ, L"Rechner f\u00fcr alle");
        setText(values_, L"Expand", REG_EXPAND_SZ, L"%SystemRoot%\\Apps");
        setText(values_, L"Large", REG_SZ, kLarge);
        setText(values_, L"Empty", REG_SZ, L"");
        const DWORD number = 0x00630062; // "b", "c" read as text
        setValue(values_, L"Number", REG_DWORD, &number, sizeof(number));
        const wchar_t binary[] = L"bin";
        setValue(values_, L"Binary", REG_BINARY, binary, sizeof(binary));
        // A character follows the counted ones, so Windows does not count in a NUL of its own accord.
        const wchar_t unterminated[] = L"abcZ";
        setValue(values_, L"NoNul", REG_SZ, unterminated, 3 * sizeof(wchar_t));
        setValue(values_, L"OddBytes", REG_SZ, unterminated, 3 * sizeof(wchar_t) + 1);
        const wchar_t inner[] = L"ab\0cd";
        setValue(values_, L"InnerNul", REG_SZ, inner, sizeof(inner));
    }

    void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTestRoot); }

    SeamKey open(const std::wstring& path, unsigned access = kEnumerateAndQuery) {
        return SeamKey(registry_, registry_.open(RegistryRoot::LocalMachine, path, access));
    }
};

TEST_F(RegistryTest, enumeratesSubkeysSortedWithoutRegardToCase) {
    const SeamKey key = open(families_);
    ASSERT_TRUE(key);
    const auto info = registry_.queryInfo(key.get());
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->subKeys, 3u);
    EXPECT_EQ(info->longestSubKeyName, kLongestFamilyName);
    std::vector<std::wstring> names;
    for (unsigned index = 0; index < info->subKeys; ++index) {
        names.push_back(registry_.enumKey(key.get(), index, info->longestSubKeyName + kSpare).value_or(L"?"));
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{kFamilies[1], kFamilies[0], kFamilies[2]}));
}

struct EnumCase {
    unsigned index;
    unsigned capacity; // characters
    std::optional<std::wstring> expected;
};

class RegistryEnumeration : public RegistryTest, public testing::WithParamInterface<EnumCase> {};

TEST_P(RegistryEnumeration, namesFitTheBufferWithTheirNul) {
    const SeamKey key = open(families_);
    ASSERT_TRUE(key);
    EXPECT_EQ(registry_.enumKey(key.get(), GetParam().index, GetParam().capacity), GetParam().expected);
}

const EnumCase kEnumCases[] = {
    {0, 6, L"alpha"},
    {0, 5, std::nullopt}, // no room for the NUL
    {0, 0, std::nullopt},
    {2, kLongestFamilyName + 1, kFamilies[2]},
    {2, kLongestFamilyName, std::nullopt},
    {3, kLongestFamilyName + kSpare, std::nullopt}, // past the end
};

INSTANTIATE_TEST_SUITE_P(Cases, RegistryEnumeration, testing::ValuesIn(kEnumCases));

TEST_F(RegistryTest, reportsTheLongestValueInBytes) {
    const SeamKey key = open(values_, kKeyQueryValue);
    ASSERT_TRUE(key);
    const auto info = registry_.queryInfo(key.get());
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->subKeys, 0u);
    EXPECT_EQ(info->longestSubKeyName, 0u);
    EXPECT_EQ(info->longestValueData, kLargeBytes);
}

struct StringCase {
    const wchar_t* value;
    unsigned capacityBytes;
    std::optional<std::wstring> expected;
};

void PrintTo(const StringCase& entry, std::ostream* out) {
    *out << testing::PrintToString(entry.value) << " in " << entry.capacityBytes << " bytes";
}

class RegistryStrings : public RegistryTest, public testing::WithParamInterface<StringCase> {};

TEST_P(RegistryStrings, readsTextValuesAsStored) {
    const SeamKey key = open(values_, kKeyQueryValue);
    ASSERT_TRUE(key);
    EXPECT_EQ(registry_.queryString(key.get(), GetParam().value, GetParam().capacityBytes),
              GetParam().expected);
}

const StringCase kStringCases[] = {
    {L"DisplayName", kLargeBytes + kSpare, L"Rechner f\u00fcr alle"},
    {L"Expand", kLargeBytes + kSpare, L"%SystemRoot%\\Apps"}, // not expanded
    {L"Empty", kLargeBytes + kSpare, L""},
    {L"Number", kLargeBytes + kSpare, std::nullopt},
    {L"Binary", kLargeBytes + kSpare, std::nullopt},
    {L"Missing", kLargeBytes + kSpare, std::nullopt},
    // Exactly the stored bytes: a reader that looked for a NUL would run past the buffer.
    {L"NoNul", 6, L"abc"},
    {L"NoNul", 6 + kSpare, L"abc"},
    {L"NoNul", 5, std::nullopt},
    {L"OddBytes", 7, L"abc"},
    {L"OddBytes", 7 + kSpare, L"abc"},
    {L"InnerNul", 12 + kSpare, L"ab"},
    {L"Large", kLargeBytes + kSpare, kLarge},
    {L"Large", kLargeBytes, kLarge},
    {L"Large", kLargeBytes - 1, std::nullopt},
    {L"Large", 0, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Cases, RegistryStrings, testing::ValuesIn(kStringCases));

TEST_F(RegistryTest, opensSubkeysOfAnOpenKey) {
    const SeamKey families = open(families_);
    ASSERT_TRUE(families);
    const SeamKey family(registry_, registry_.openSubKey(families.get(), L"BETA", kEnumerateAndQuery));
    ASSERT_TRUE(family);
    EXPECT_EQ(registry_.queryInfo(family.get())->subKeys, 0u);
    const SeamKey missing(registry_, registry_.openSubKey(families.get(), L"Delta", kEnumerateAndQuery));
    EXPECT_FALSE(missing);
}

TEST_F(RegistryTest, missingKeysDoNotOpen) {
    EXPECT_FALSE(open(std::wstring(kTestRoot) + L"\\NoSuchKey"));
    EXPECT_FALSE(
        SeamKey(registry_, registry_.open(RegistryRoot::ClassesRoot, L"TandrelNoSuchKey", kKeyQueryValue)));
}

TEST_F(RegistryTest, theViewFlagTravelsWithTheAccessRights) {
    EXPECT_TRUE(open(families_, kEnumerateAndQuery | kKeyWow64_64Key));
}

// The rights asked for are the rights granted: without KEY_ENUMERATE_SUB_KEYS there is no enumeration.
TEST_F(RegistryTest, keysOpenWithExactlyTheRightsAskedFor) {
    const SeamKey key = open(families_, kKeyQueryValue);
    ASSERT_TRUE(key);
    EXPECT_EQ(registry_.enumKey(key.get(), 0, kLongestFamilyName + kSpare), std::nullopt);
}

TEST_F(RegistryTest, aClosedKeyNoLongerAnswers) {
    const auto key = registry_.open(RegistryRoot::LocalMachine, families_, kEnumerateAndQuery);
    ASSERT_TRUE(key.has_value());
    ASSERT_TRUE(registry_.queryInfo(*key).has_value());
    registry_.close(*key);
    EXPECT_FALSE(registry_.queryInfo(*key).has_value());
}

// Wine keeps HKEY_CLASSES_ROOT in HKEY_LOCAL_MACHINE\Software\Classes, writable by the tests.
class ClassesRootTest : public testing::Test {
protected:
    static constexpr wchar_t kPackages[] =
        L"Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\AppModel\\Repository\\Packages";
    const std::wstring package_ = std::wstring(kPackages) + L"\\Tandrel.Test_1.0.0.0_x64__8wekyb3d8bbwe";
    std::wstring firstCreated_; // the top of what SetUp created, so that TearDown removes no more
    Win32Registry registry_;

    void SetUp() override {
        firstCreated_ = firstMissingKey(package_);
        ASSERT_NO_FATAL_FAILURE(createKey(HKEY_CLASSES_ROOT, package_));
        const std::wstring name = L"Tandrel Testpaket";
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, package_.c_str(), L"DisplayName", REG_SZ, name.c_str(),
                                  static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CLASSES_ROOT, firstCreated_.c_str()); }

    static std::wstring firstMissingKey(const std::wstring& path) {
        for (std::size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
            const std::wstring prefix = path.substr(0, end);
            HKEY key = nullptr;
            if (RegOpenKeyExW(HKEY_CLASSES_ROOT, prefix.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
                return prefix;
            }
            RegCloseKey(key);
            if (end == std::wstring::npos) {
                return path;
            }
        }
    }
};

TEST_F(ClassesRootTest, packageKeysOpenUnderLocalSettings) {
    const SeamKey key(registry_, registry_.open(RegistryRoot::ClassesRoot, package_, kKeyQueryValue));
    ASSERT_TRUE(key);
    const auto info = registry_.queryInfo(key.get());
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(registry_.queryString(key.get(), L"DisplayName", info->longestValueData + kSpare),
              L"Tandrel Testpaket");
}

} // namespace
} // namespace tandrel
