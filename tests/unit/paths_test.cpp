#include "app/paths.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

TEST(Paths, programFolderEndsAtTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(programFolderOf(L"C:\\Tools\\Tandrel.exe"), L"C:\\Tools\\");
    EXPECT_EQ(programFolderOf(L"C:\\Tools/sub/Tandrel.exe"), L"C:\\Tools/sub/");
    EXPECT_EQ(programFolderOf(L"Tandrel.exe"), L"");
}

TEST(Paths, withBackslashAppendsOnlyWhenTheLastCharacterIsNotOne) {
    EXPECT_EQ(withBackslash(L"C:\\Tools\\"), L"C:\\Tools\\");
    EXPECT_EQ(withBackslash(L"C:\\Tools"), L"C:\\Tools\\");
    EXPECT_EQ(withBackslash(L"C:\\Tools/"), L"C:\\Tools/\\");
    EXPECT_EQ(withBackslash(L""), L"\\");
}

TEST(Paths, powerShellSitsInTheSystemDirectory) {
    EXPECT_EQ(powerShellPathIn(L"C:\\Windows\\system32"),
              L"C:\\Windows\\system32\\WindowsPowerShell\\V1.0\\Powershell.exe");
}

TEST(Paths, sysnativeReplacesEverySystem32Component) {
    EXPECT_EQ(sysnativePath(L"C:\\WINDOWS\\SYSTEM32\\WINDOWSPOWERSHELL\\V1.0\\POWERSHELL.EXE"),
              L"C:\\WINDOWS\\Sysnative\\WINDOWSPOWERSHELL\\V1.0\\POWERSHELL.EXE");
    EXPECT_EQ(sysnativePath(L"D:\\SYSTEM32\\A\\SYSTEM32\\X"), L"D:\\Sysnative\\A\\Sysnative\\X");
    // Only whole components: a name merely containing it stays.
    EXPECT_EQ(sysnativePath(L"C:\\MYSYSTEM32\\X"), L"C:\\MYSYSTEM32\\X");
}

struct WorkFolderCase {
    const wchar_t* roaming;
    const wchar_t* work;
    const wchar_t* jobScript;
    const wchar_t* snapshot;
    const wchar_t* created;
};

class WorkFolder : public testing::TestWithParam<WorkFolderCase> {};

TEST_P(WorkFolder, derivesEveryPathFromTheRoamingFolder) {
    const auto& c = GetParam();
    const std::wstring work = workFolderIn(c.roaming);
    EXPECT_EQ(work, c.work);
    EXPECT_EQ(jobScriptPathIn(work), c.jobScript);
    EXPECT_EQ(snapshotPathIn(work), c.snapshot);
    EXPECT_EQ(folderToCreate(work), c.created);
}

const WorkFolderCase kWorkFolderCases[] = {
    {L"C:\\Users\\test\\AppData\\Roaming\\", L"C:\\Users\\test\\AppData\\Roaming\\Tandrel",
     L"C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel.ps1",
     L"C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel1.txt",
     L"C:\\Users\\test\\AppData\\Roaming\\Tandrel"},
    {L"C:\\Users\\test\\AppData\\Roaming", L"C:\\Users\\test\\AppData\\Roaming\\Tandrel",
     L"C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel.ps1",
     L"C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel1.txt",
     L"C:\\Users\\test\\AppData\\Roaming\\Tandrel"},
    // No roaming folder: the work folder lands in the root of the current drive.
    {L"", L"\\Tandrel", L"\\Tandrel\\Tandrel.ps1", L"\\Tandrel\\Tandrel1.txt", L"\\Tandrel"},
};

INSTANTIATE_TEST_SUITE_P(Roaming, WorkFolder, testing::ValuesIn(kWorkFolderCases));

TEST(Paths, folderToCreateCutsTrailingSpacesAndSeparators) {
    EXPECT_EQ(folderToCreate(L"C:\\x\\ / \\"), L"C:\\x");
    EXPECT_EQ(folderToCreate(L" \\"), L"");
}

TEST(Paths, snapshotPathDoesNotDoubleABackslash) {
    EXPECT_EQ(snapshotPathIn(L"C:\\w\\"), L"C:\\w\\Tandrel1.txt");
}

} // namespace
} // namespace tandrel
