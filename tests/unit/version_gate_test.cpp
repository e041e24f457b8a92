#include "app/version_gate.h"

#include "tests/common/case_name.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

struct GateCase {
    const char* name;
    std::optional<OsVersion> version;
    bool supported;
};

constexpr unsigned kWin9x = 1, kNt = 2;
constexpr unsigned kWorkstation = 1, kServer = 3;

class VersionGate : public testing::TestWithParam<GateCase> {};

TEST_P(VersionGate, decidesByMajorMinorAndPlatform) {
    EXPECT_EQ(isSupportedWindows(GetParam().version), GetParam().supported);
}

const GateCase kGateCases[] = {
    {"Windows95", OsVersion{4, 0, kWin9x, 0}, false},
    {"Windows98", OsVersion{4, 10, kWin9x, 0}, false},
    {"WindowsMe", OsVersion{4, 90, kWin9x, 0}, false},
    {"Nt351", OsVersion{3, 51, kNt, kWorkstation}, false},
    {"Nt4", OsVersion{4, 0, kNt, kWorkstation}, false},
    {"Windows2000", OsVersion{5, 0, kNt, kWorkstation}, false},
    {"WindowsXp", OsVersion{5, 1, kNt, kWorkstation}, false},
    {"WindowsXp64", OsVersion{5, 2, kNt, kWorkstation}, false},
    {"Server2003", OsVersion{5, 2, kNt, kServer}, false},
    {"Vista", OsVersion{6, 0, kNt, kWorkstation}, false},
    {"Server2008", OsVersion{6, 0, kNt, kServer}, false},
    {"Windows7", OsVersion{6, 1, kNt, kWorkstation}, false},
    {"Server2008R2", OsVersion{6, 1, kNt, kServer}, false},
    {"Windows8", OsVersion{6, 2, kNt, kWorkstation}, true},
    {"Server2012", OsVersion{6, 2, kNt, kServer}, true},
    {"Windows81", OsVersion{6, 3, kNt, kWorkstation}, true},
    {"Unclassified64", OsVersion{6, 4, kNt, kWorkstation}, true},
    {"Windows10", OsVersion{10, 0, kNt, kWorkstation}, true},
    {"Eleven", OsVersion{11, 0, kNt, kWorkstation}, true},
    {"UnknownPlatform", OsVersion{6, 1, 3, 0}, true},
    {"Win9xUnknownMinor", OsVersion{4, 50, kWin9x, 0}, true},
    {"VersionUnreadable", std::nullopt, true},
};

INSTANTIATE_TEST_SUITE_P(Versions, VersionGate, testing::ValuesIn(kGateCases), test::CaseName());

} // namespace
} // namespace tandrel
