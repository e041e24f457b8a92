#include "tests/e2e/inventory_sample_data.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/inventory_json.h"
#include "tools/common/utf8.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tandrel::e2e {
namespace {

constexpr wchar_t kVariable[] = L"TANDREL_SAMPLE_DATA";

// ctest hands a Unix path over; Wine's drive Z: is the Unix root.
std::filesystem::path summaryPath() {
    const DWORD length = GetEnvironmentVariableW(kVariable, nullptr, 0);
    if (length <= 1) {
        throw DriverError("TANDREL_SAMPLE_DATA is not set; run the e2e tests as scripts/test does, after "
                          "tools/sample_data/install_sample_data.sh");
    }
    std::wstring value(length, L'\0');
    value.resize(GetEnvironmentVariableW(kVariable, value.data(), length));
    if (value.front() == L'/') {
        value.insert(0, L"Z:");
    }
    return std::filesystem::path(value).make_preferred();
}

std::wstring text(const JsonValue& row, const char* key) {
    const JsonValue& value = row[key];
    if (value.kind != JsonValue::Kind::String) {
        throw DriverError(std::string("sample data: '") + key + "' is not a string");
    }
    return tools::fromUtf8(value.text);
}

const JsonValue& rows(const JsonValue& summary, const char* key) {
    const JsonValue& list = summary[key];
    if (list.kind != JsonValue::Kind::Array || list.items.empty()) {
        throw DriverError(std::string("sample data: '") + key + "' is no list of rows");
    }
    return list;
}

// The *_default lists carry no "selected": every row of them is shown with the option on.
bool selected(const JsonValue& row) {
    return !row.has("selected") || row["selected"].boolean;
}

std::vector<InstalledPackage> installed(const JsonValue& summary, const char* key) {
    std::vector<InstalledPackage> result;
    for (const JsonValue& row : rows(summary, key).items) {
        result.push_back({text(row, "display_name"), text(row, "package_name"), text(row, "full_name"),
                          text(row, "root_folder"), text(row, "family"), text(row, "manifest_path"),
                          row["icon"].kind == JsonValue::Kind::String, selected(row)});
    }
    return result;
}

std::vector<ProvisionedPackage> provisioned(const JsonValue& summary, const char* key) {
    std::vector<ProvisionedPackage> result;
    for (const JsonValue& row : rows(summary, key).items) {
        result.push_back({text(row, "display_name"), text(row, "long_name"), text(row, "package_name"),
                          text(row, "manifest_path"), static_cast<int>(row["icon"].number), selected(row)});
    }
    return result;
}

SampleData load() {
    const std::filesystem::path path = summaryPath();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw DriverError("cannot read the sample data summary " + tools::toUtf8(path.wstring()));
    }
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const JsonValue summary = parseJson(content);
    return {installed(summary, "installed_default"), installed(summary, "installed_all"),
            provisioned(summary, "provisioned_default"), provisioned(summary, "provisioned_all")};
}

} // namespace

const SampleData& sampleData() {
    static const SampleData data = load();
    return data;
}

std::wstring expectedToolList(const std::vector<InstalledPackage>& packages) {
    std::wstring list;
    const auto line = [&list](std::wstring_view label, const std::wstring& value) {
        list.append(label).append(value).append(L"\r\n");
    };
    for (const InstalledPackage& package : packages) {
        line(L"Familienname der App:       ", package.family);
        line(L"Kurzer Paketname der App:   ", package.packageName);
        line(L"Voller Paketname der App:   ", package.fullName);
        if (!package.rootFolder.empty()) {
            line(L"Installationspfad:          ", package.rootFolder);
            line(L"Name der App     :          ", package.displayName);
            line(L"Manifestdatei:     :        ", package.manifestPath);
        }
        list += L"\r\n";
    }
    return list;
}

} // namespace tandrel::e2e
