#pragma once

#include "fake_processes.h"
#include "fake_registry.h"
#include "fake_ui.h"
#include "platform/platform.h"

#include <set>

namespace tandrel::test {

// One log for every service, so that tests can check the order across them.
using CallLog = std::vector<std::string>;

std::string narrow(const std::wstring& text);

class FakeSystem : public SystemInfo {
public:
    explicit FakeSystem(CallLog& log) : log_(log) {}
    std::optional<OsVersion> version = OsVersion{10, 0, 2, 1};
    std::wstring systemDir = L"C:\\Windows\\system32";
    std::wstring module = L"C:\\Tools\\Tandrel64.exe";
    bool wow64 = false;
    bool admin = true;

    std::optional<OsVersion> osVersion() override { return version; }
    std::wstring systemDirectory() override { return systemDir; }
    std::wstring moduleFileName() override { return module; }
    bool isWow64() override { return wow64; }
    bool isAdministrator() override { return admin; }
    void loadLibrary(const std::wstring& path) override { log_.push_back("loadLibrary " + narrow(path)); }
    std::wstring upperCase(const std::wstring& text) override;
    LocalTime localTime() override { return time; }
    LocalTime time{2017, 9, 23, 14, 15, 16};

private:
    CallLog& log_;
};

class FakeFiles : public Files {
public:
    explicit FakeFiles(CallLog& log) : log_(log) {}
    std::set<std::wstring> present;
    std::map<std::wstring, std::vector<std::uint8_t>> contents;
    std::vector<std::wstring> reads;
    // Paths where a write fails: nothing can be created there, or not all of it written.
    std::set<std::wstring> unwritable;

    void write(const std::wstring& path, const std::string& bytes) {
        contents[path] = std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }
    bool exists(const std::wstring& path) override {
        return present.count(path) != 0 || contents.count(path) != 0;
    }
    bool writeFile(const std::wstring& path, const std::string& bytes) override {
        log_.push_back("write " + narrow(path));
        if (unwritable.count(path) != 0) {
            return false;
        }
        write(path, bytes);
        return true;
    }
    std::string textOf(const std::wstring& path) const {
        const auto& bytes = contents.at(path);
        return std::string(bytes.begin(), bytes.end());
    }
    std::optional<std::vector<std::uint8_t>> readFile(const std::wstring& path) override {
        reads.push_back(path);
        const auto it = contents.find(path);
        return it == contents.end() ? std::nullopt : std::optional(it->second);
    }
    void deleteFile(const std::wstring& path) override {
        log_.push_back("delete " + narrow(path));
        present.erase(path);
    }
    void createDirectory(const std::wstring& path) override {
        log_.push_back("mkdir " + narrow(path));
        present.insert(path);
    }

private:
    CallLog& log_;
};

class FakeShell : public Shell {
public:
    explicit FakeShell(CallLog& log) : log_(log) {}
    std::wstring appData = L"C:\\Users\\test\\AppData\\Roaming";

    std::wstring specialFolder(int csidl) override { return csidl == kCsidlAppData ? appData : L""; }
    // What SHLoadIndirectString would give for a reference; nothing, as under Wine, by default.
    std::map<std::wstring, std::wstring> indirect;

    void open(const std::wstring& file) override { log_.push_back("open " + narrow(file)); }
    std::wstring loadIndirectString(const std::wstring& source) override {
        const auto it = indirect.find(source);
        return it == indirect.end() ? L"" : it->second;
    }

private:
    CallLog& log_;
};

// A version resource reduced to what the program queries: block paths and their bytes.
class FakeVersionInfo : public VersionInfo {
public:
    bool hasResource = true;
    std::map<std::wstring, std::vector<std::uint8_t>> blocks;
    std::vector<std::wstring> queries;

    std::optional<std::vector<std::uint8_t>> load(const std::wstring&) override;
    std::optional<std::vector<std::uint8_t>> query(const std::vector<std::uint8_t>&,
                                                   const std::wstring& subBlock) override;
    void setTranslation(std::uint16_t language, std::uint16_t codePage);
    void setString(const std::wstring& table, const std::wstring& key, const std::wstring& value);
};

struct FakePlatform {
    FakeUi ui;
    FakeSystem system{ui.calls};
    FakeFiles files{ui.calls};
    FakeProcesses processes;
    FakeRegistry registry;
    FakeShell shell{ui.calls};
    FakeVersionInfo versions;
    Platform platform{system, files, processes, registry, shell, versions, ui};

    FakePlatform();
};

} // namespace tandrel::test
