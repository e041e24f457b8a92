#include "tests/common/case_name.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/inventory_status.h"
#include "tests/e2e/save_dialog.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/temp_folder.h"
#include "tests/e2e/trace_log_view.h"
#include "tests/e2e/user_input.h"
#include "tools/common/unique_handle.h"
#include "tools/common/utf8.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

constexpr std::wstring_view kDialogTitle = L"Wo soll das LOG abgespeichert werden?";
constexpr std::wstring_view kCancelledStatus = L"Das Abspeichern des Ablauflogs wurde abgebrochen!";
// A line of the tool list with a "ü", which UTF-8 writes as C3 BC.
constexpr std::string_view kTimerLineEnd = "K\xC3\xBC"
                                           "chen-Timer\r\n";

// What stands in a file that the program must leave alone.
constexpr std::string_view kEarlierContent = "vorher";

enum class Outcome { Saved, Refused, Cancelled };

// What is at the path the program writes to before it tries.
enum class Target {
    Free,
    Folder,
    // A file that the driver holds open without sharing, as another program may.
    LockedFile,
};

struct SaveCase {
    const char* name;
    std::wstring_view typed;
    int fileType; // 0 "Textdatei (*.txt)", 1 "Logdatei (*.log)"
    Target target;
    // The typed name with the extension the program appends.
    std::wstring_view written;
    Outcome outcome;
};

// The extension of the chosen file type is appended whatever the typed name ends in.
const SaveCase kCases[] = {
    {"NameWithoutExtensionGetsTxt", L"Bericht", 0, Target::Free, L"Bericht.txt", Outcome::Saved},
    {"TxtNameGetsTxtAgain", L"Bericht.txt", 0, Target::Free, L"Bericht.txt.txt", Outcome::Saved},
    {"TxtNameWithLogTypeGetsLog", L"Bericht.txt", 1, Target::Free, L"Bericht.txt.log", Outcome::Saved},
    {"FolderOfTheNameIsRefused", L"Ziel", 0, Target::Folder, L"Ziel.txt", Outcome::Refused},
    {"LockedFileIsRefused", L"Gesperrt", 1, Target::LockedFile, L"Gesperrt.log", Outcome::Refused},
    {"CancelWritesNothing", L"Bericht", 0, Target::Free, L"Bericht.txt", Outcome::Cancelled},
};

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::set<std::wstring> namesIn(const std::filesystem::path& folder) {
    std::set<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().wstring());
    }
    return names;
}

// The local time as the program writes it into its default file name: fourteen digits, year first.
std::wstring localTimeDigits() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    wchar_t digits[32];
    std::swprintf(digits, 32, L"%04u%02u%02u%02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return digits;
}

// Puts `target` at `path` for the length of a case.
class PreparedTarget {
public:
    PreparedTarget(const std::filesystem::path& path, Target target) {
        if (target == Target::Folder) {
            std::filesystem::create_directory(path);
        } else if (target == Target::LockedFile) {
            std::ofstream(path, std::ios::binary) << kEarlierContent;
            lock_.reset(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!lock_) {
                throw DriverError("cannot hold " + tools::toUtf8(path.wstring()) + " open");
            }
        }
    }
    void release() { lock_.reset(); }

private:
    tools::UniqueHandle lock_;
};

// One program for all cases; its log holds the tool-list block throughout, as menu 106 wrote it.
class SaveLog : public SharedTandrelTest<::testing::TestWithParam<SaveCase>> {
public:
    static void SetUpTestSuite() {
        SharedTandrelTest::SetUpTestSuite();
        chooseMenuItem(app().mainWindow, MenuToolList);
    }

protected:
    void SetUp() override {
        SharedTandrelTest::SetUp();
        ASSERT_TRUE(pollUntil([] { return traceLogText(app()) == expectedToolListBlock(); }))
            << "the log does not hold the tool-list block but " << traceLogText(app()).size()
            << " characters";
    }
};

TEST_P(SaveLog, WritesTheLogUnderTheTypedNameWithTheTypesExtension) {
    const SaveCase& c = GetParam();
    const TempFolder folder(L"Tandrel Ablauf");
    const std::filesystem::path written = folder.path() / c.written;
    PreparedTarget target(written, c.target);

    const std::wstring before = localTimeDigits();
    chooseMenuItem(app().mainWindow, MenuSaveLog);
    const HWND dialog = waitForSaveDialog(app().process.id(), kDialogTitle);
    const std::wstring after = localTimeDigits();
    const std::wstring defaultName = saveDialogFileName(dialog);
    EXPECT_EQ(defaultName.substr(0, 8), L"Tandrel ");
    EXPECT_TRUE(defaultName.size() == 22 && defaultName.substr(8) >= before && defaultName.substr(8) <= after)
        << tools::toUtf8(defaultName) << ": not 'Tandrel ' and the time between " << tools::toUtf8(before)
        << " and " << tools::toUtf8(after);
    EXPECT_EQ(saveDialogFileType(dialog), 0) << "the first file type is not preselected";

    enterSaveFileName(dialog, (folder.path() / c.typed).wstring());
    chooseSaveFileType(dialog, c.fileType);
    if (c.outcome == Outcome::Cancelled) {
        cancelSaveDialog(dialog);
    } else {
        confirmSaveDialog(dialog);
    }

    const std::wstring path = written.wstring();
    switch (c.outcome) {
    case Outcome::Saved: {
        ASSERT_TRUE(statusBecomes(app(), L"Das Ablauflog wurde unter '" + path + L"' abgespeichert!"));
        EXPECT_EQ(namesIn(folder.path()), std::set<std::wstring>{std::wstring(c.written)});
        const std::string bytes = fileBytes(written);
        EXPECT_EQ(bytes, tools::toUtf8(expectedToolListBlock()));
        // The same, in the words of the file format: UTF-8 without a byte-order mark, the log's
        // own last line break and none added.
        EXPECT_EQ(bytes.substr(0, 10), "Tool-Liste");
        EXPECT_NE(bytes.find(kTimerLineEnd), std::string::npos);
        EXPECT_EQ(bytes.substr(bytes.size() - 3), "_\r\n");
        break;
    }
    case Outcome::Refused:
        ASSERT_TRUE(
            statusBecomes(app(), L"Das Ablauflog konte nicht unter '" + path + L"' abgespeichert werden!"));
        target.release();
        EXPECT_EQ(namesIn(folder.path()), std::set<std::wstring>{std::wstring(c.written)});
        if (c.target == Target::Folder) {
            EXPECT_TRUE(std::filesystem::is_directory(written));
            EXPECT_TRUE(std::filesystem::is_empty(written));
        } else {
            EXPECT_EQ(fileBytes(written), kEarlierContent);
        }
        break;
    case Outcome::Cancelled:
        ASSERT_TRUE(statusBecomes(app(), kCancelledStatus));
        EXPECT_TRUE(namesIn(folder.path()).empty());
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveLog, ::testing::ValuesIn(kCases), test::CaseName());

} // namespace
} // namespace tandrel::e2e
