#include "tools/menu_probe/menu_report.h"

#include "tools/common/utf8.h"

#include <charconv>
#include <utility>

// One record a line, fields separated by tabs; texts escaped so that neither a tab nor a line
// end inside a menu text can break a record:
//   tandrel-menu-report 1
//   error<TAB>text                         (only when the probe failed)
//   menu<TAB>text
//   item<TAB>id<TAB>flag,flag,...|-<TAB>text
//   end
// The closing "end" tells a complete report from one still being written.

namespace tandrel::tools {
namespace {

constexpr std::string_view kHeader = "tandrel-menu-report 1";
constexpr std::string_view kEnd = "end";

struct Flag {
    std::string_view name;
    bool MenuItemRecord::*member;
};
constexpr Flag kFlags[] = {
    {"separator", &MenuItemRecord::separator}, {"checked", &MenuItemRecord::checked},
    {"grayed", &MenuItemRecord::grayed},       {"ownerdraw", &MenuItemRecord::ownerDrawn},
    {"icon", &MenuItemRecord::icon},           {"bitmap", &MenuItemRecord::bitmap},
};

std::string escape(std::wstring_view text) {
    std::string result;
    for (const char c : toUtf8(text)) {
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::optional<std::wstring> unescape(std::string_view text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
        case '\\':
            bytes += '\\';
            break;
        case 't':
            bytes += '\t';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 'r':
            bytes += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return fromUtf8(bytes);
}

std::string formatFlags(const MenuItemRecord& item) {
    std::string result;
    for (const Flag& flag : kFlags) {
        if (item.*flag.member) {
            result += result.empty() ? "" : ",";
            result += flag.name;
        }
    }
    return result.empty() ? "-" : result;
}

bool parseFlags(std::string_view text, MenuItemRecord& item) {
    if (text == "-") {
        return true;
    }
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        bool known = false;
        for (const Flag& flag : kFlags) {
            if (flag.name == name) {
                item.*flag.member = true;
                known = true;
            }
        }
        if (!known) {
            return false;
        }
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return true;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<MenuItemRecord> parseItem(const std::vector<std::string_view>& fields) {
    MenuItemRecord item;
    const std::string_view id = fields[1];
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), item.id);
    if (error != std::errc{} || end != id.data() + id.size() || !parseFlags(fields[2], item)) {
        return std::nullopt;
    }
    auto text = unescape(fields[3]);
    if (!text) {
        return std::nullopt;
    }
    item.text = std::move(*text);
    return item;
}

} // namespace

std::string formatMenuReport(const MenuReport& report) {
    std::string result{kHeader};
    result += '\n';
    if (!report.error.empty()) {
        result += "error\t" + escape(report.error) + '\n';
    }
    for (const MenuRecord& menu : report.menus) {
        result += "menu\t" + escape(menu.text) + '\n';
        for (const MenuItemRecord& item : menu.items) {
            result += "item\t" + std::to_string(item.id) + '\t' + formatFlags(item) + '\t' +
                      escape(item.text) + '\n';
        }
    }
    result += kEnd;
    result += '\n';
    return result;
}

std::optional<MenuReport> parseMenuReport(std::string_view text) {
    std::vector<std::string_view> lines = split(text, '\n');
    // The last line end leaves one empty part behind it.
    if (lines.size() < 3 || lines.front() != kHeader || !lines.back().empty() ||
        lines[lines.size() - 2] != kEnd) {
        return std::nullopt;
    }
    MenuReport report;
    for (size_t i = 1; i + 2 < lines.size(); ++i) {
        const std::vector<std::string_view> fields = split(lines[i], '\t');
        if (fields[0] == "error" && fields.size() == 2) {
            auto error = unescape(fields[1]);
            if (!error) {
                return std::nullopt;
            }
            report.error = std::move(*error);
        } else if (fields[0] == "menu" && fields.size() == 2) {
            auto menuText = unescape(fields[1]);
            if (!menuText) {
                return std::nullopt;
            }
            report.menus.push_back({std::move(*menuText), {}});
        } else if (fields[0] == "item" && fields.size() == 4 && !report.menus.empty()) {
            auto item = parseItem(fields);
            if (!item) {
                return std::nullopt;
            }
            report.menus.back().items.push_back(std::move(*item));
        } else {
            return std::nullopt;
        }
    }
    return report;
}

std::filesystem::path menuReportPath(const std::filesystem::path& probeDll, unsigned long processId) {
    std::filesystem::path path = probeDll;
    path += L"." + std::to_wstring(processId) + L".txt";
    return path;
}

} // namespace tandrel::tools
