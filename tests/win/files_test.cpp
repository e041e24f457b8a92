#include "platform/win32/files_win.h"
#include "platform/win32/handles_win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace tandrel {
namespace {

struct ScratchFolder : testing::Test {
    std::filesystem::path root = std::filesystem::temp_directory_path() / L"tandrel-win-tests";
    Win32Files files;
    ScratchFolder() {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    ~ScratchFolder() override { std::filesystem::remove_all(root); }

    std::filesystem::path write(const wchar_t* name, const std::vector<std::uint8_t>& bytes) {
        const auto path = root / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    // A file of `size` bytes that reads as zeros, without writing them.
    std::filesystem::path sized(const wchar_t* name, std::uintmax_t size) {
        const auto path = root / name;
        std::ofstream(path, std::ios::binary).flush();
        std::filesystem::resize_file(path, size);
        return path;
    }
};

TEST_F(ScratchFolder, createsOnlyTheLastLevelAndIgnoresWhatExists) {
    files.createDirectory((root / L"work").wstring());
    files.createDirectory((root / L"work").wstring());
    files.createDirectory((root / L"missing" / L"work").wstring());
    EXPECT_TRUE(files.exists((root / L"work").wstring()));
    EXPECT_FALSE(files.exists((root / L"missing").wstring()));
}

TEST_F(ScratchFolder, deletingAZoneMarkKeepsTheFileItself) {
    const auto exe = root / L"Tandrel64.exe";
    std::ofstream(exe) << "MZ";
    files.deleteFile(exe.wstring() + L":Zone.Identifier");
    EXPECT_TRUE(files.exists(exe.wstring()));
    files.deleteFile(exe.wstring());
    EXPECT_FALSE(files.exists(exe.wstring()));
    files.deleteFile(exe.wstring()); // a missing file is no error
}

TEST_F(ScratchFolder, readsAFileByteForByte) {
    // Line ends, a zero byte and bytes above 0x7F come back untouched: the reader decides what they mean.
    const std::vector<std::uint8_t> bytes = {'<', '?', 'x', 0x0D, 0x0A, 0x00, 0xC3, 0xA4, 0xFF, 0x0A};
    EXPECT_EQ(files.readFile(write(L"AppxManifest.xml", bytes).wstring()), bytes);
}

TEST_F(ScratchFolder, readsAnEmptyFileAsNoBytes) {
    const auto content = files.readFile(write(L"empty.xml", {}).wstring());
    ASSERT_TRUE(content.has_value());
    EXPECT_TRUE(content->empty());
}

TEST_F(ScratchFolder, readsFiftyMegabytesWhole) {
    std::vector<std::uint8_t> bytes(std::size_t{50} << 20);
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        bytes[index] = static_cast<std::uint8_t>(index * 7 % 251); // no period that divides a read size
    }
    const auto content = files.readFile(write(L"large.xml", bytes).wstring());
    ASSERT_TRUE(content.has_value());
    ASSERT_EQ(content->size(), bytes.size());
    EXPECT_TRUE(*content == bytes);
}

TEST_F(ScratchFolder, readsUpTo256MiBAndRefusesMore) {
    constexpr std::uintmax_t kLimit = std::uintmax_t{256} << 20;
    const auto atLimit = files.readFile(sized(L"limit.xml", kLimit).wstring());
    ASSERT_TRUE(atLimit.has_value());
    EXPECT_EQ(atLimit->size(), kLimit);
    EXPECT_EQ(files.readFile(sized(L"over.xml", kLimit + 1).wstring()), std::nullopt);
}

TEST_F(ScratchFolder, readsNothingFromWhatIsNoReadableFile) {
    EXPECT_EQ(files.readFile((root / L"missing.xml").wstring()), std::nullopt);
    EXPECT_EQ(files.readFile((root / L"missing" / L"AppxManifest.xml").wstring()), std::nullopt);
    EXPECT_EQ(files.readFile(root.wstring()), std::nullopt);
    EXPECT_EQ(files.readFile(root.wstring() + L"\\"), std::nullopt);
    EXPECT_EQ(files.readFile(L""), std::nullopt);
}

// Share mode 0: a file someone else has open is not read, even when they allow reading.
TEST_F(ScratchFolder, readsNothingWhileTheFileIsOpenElsewhere) {
    const auto path = write(L"busy.xml", {'x'});
    const HandleOwner other(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(other);
    EXPECT_EQ(files.readFile(path.wstring()), std::nullopt);
}

} // namespace
} // namespace tandrel
