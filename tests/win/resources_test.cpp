#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace tandrel {
namespace {

// The program's own resources, read from the built executable as data.
class ProgramResources : public testing::Test {
protected:
    HMODULE module_ = nullptr;
    void SetUp() override {
        const wchar_t* exe = _wgetenv(L"TANDREL_EXE");
        ASSERT_NE(exe, nullptr) << "TANDREL_EXE is not set";
        module_ = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_) {
            FreeLibrary(module_);
        }
    }
    std::string bytesOf(const wchar_t* name, const wchar_t* type) {
        const HRSRC found = FindResourceW(module_, name, type);
        if (!found) {
            return {};
        }
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(data, SizeofResource(module_, found));
    }
};

TEST_F(ProgramResources, manifestAsksForAdministratorAndKeepsClassicControls) {
    const std::string manifest = bytesOf(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
}

TEST_F(ProgramResources, logoIsA177By65TrueColourBitmap) {
    const std::string bitmap = bytesOf(L"PIC", MAKEINTRESOURCEW(2));
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, bitmap.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 177);
    EXPECT_EQ(std::abs(header.biHeight), 65);
    EXPECT_EQ(header.biBitCount, 24);
}

TEST_F(ProgramResources, iconOneLoadsAtSmallIconSize) {
    const HANDLE icon = LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    DestroyIcon(static_cast<HICON>(icon));
}

TEST_F(ProgramResources, versionResourceHasOneGermanUnicodeTranslation) {
    const std::string version = bytesOf(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    ASSERT_FALSE(version.empty());
    const std::wstring_view wide(reinterpret_cast<const wchar_t*>(version.data()), version.size() / 2);
    EXPECT_NE(wide.find(L"040704b0"), std::wstring_view::npos);
    EXPECT_EQ(wide.find(L"040704B0"), std::wstring_view::npos);
    const auto translation = wide.find(L"Translation");
    ASSERT_NE(translation, std::wstring_view::npos);
    // The value follows the key's NUL and padding: exactly one pair, 0x0407 and 0x04B0.
    const std::wstring_view rest = wide.substr(translation + 12);
    const auto pair = rest.find(L'\x0407');
    ASSERT_NE(pair, std::wstring_view::npos);
    EXPECT_EQ(rest[pair + 1], L'\x04B0');
    EXPECT_EQ(rest.size(), pair + 2) << "a second translation pair follows";
}

} // namespace
} // namespace tandrel
