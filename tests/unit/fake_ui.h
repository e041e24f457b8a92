#pragma once

#include "platform/ui.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace tandrel::test {

// An in-memory window: remembers what the program did to it and answers from that.
class FakeUi : public Ui {
public:
    // Every call that changes the window, in order, e.g. "enable InstallButton 0".
    std::vector<std::string> calls;
    std::map<Control, bool> enabled;
    std::map<Control, std::wstring> texts;
    std::map<Control, Rect> places;
    std::map<int, bool> menuEnabled;
    std::map<int, bool> menuChecked;
    std::map<Control, std::vector<std::vector<std::wstring>>> rows;
    std::map<Control, int> selected;
    // Per row of a list: the icon it was added with: a Shell32 row icon id, kImageIcon, or kNoIcon.
    std::map<Control, std::vector<int>> rowIcons;
    std::map<Control, std::vector<Image>> rowImages;
    static constexpr int kNoIcon = -1;
    static constexpr int kImageIcon = -2;
    std::deque<Event> events;
    std::vector<unsigned> waits;
    std::vector<std::wstring> statusTexts;
    std::vector<std::pair<std::wstring, std::wstring>> errorBoxes;
    std::vector<Beep> beeps;
    std::wstring title;
    SaveChoice saveAnswer;
    bool confirmAnswer = true;
    struct Asked {
        std::wstring title;
        std::wstring text;
        bool exclamation;
    };
    std::vector<Asked> confirmations;
    std::vector<SaveDialog> saveDialogs;
    Size client{800, 560 - 19};
    int menuBar = 19;
    bool windowExists = false;

    void initialise() override;
    void shutdown() override;
    void errorBox(const std::wstring& boxTitle, const std::wstring& text) override;
    void createMainWindow(const std::wstring& windowTitle, Size clientSize) override;
    void createMenuBar(std::span<const MenuEntry> entries) override;
    void createStatusBar(const std::wstring& text) override;
    void createControl(Control control, Rect place) override;
    void addColumns(Control list, std::span<const ListColumn> columns) override;
    void addTab(const TabEntry& tab) override;
    void loadRowIcons() override;
    void releaseImages() override;
    Event waitEvent(unsigned timeoutMs) override;
    void beep(Beep kind) override;
    void enableControl(Control control, bool on) override;
    int textLength(Control control) override;
    std::wstring text(Control control) override;
    void setText(Control control, const std::wstring& value) override;
    int selectedRow(Control list) override;
    std::wstring cellText(Control list, int row, int column) override;
    void clearList(Control list) override;
    void addRow(Control list, int index, const std::wstring& rowText, const Image* icon) override;
    void addRowWithRowIcon(Control list, int index, const std::wstring& rowText, int rowIcon) override;
    void setCellText(Control list, int row, int column, const std::wstring& text) override;
    Size smallIconSize() override { return {16, 16}; }
    void appendText(Control control, const std::wstring& text) override;
    bool endsWithLineBreak(Control control) override;
    SaveChoice askSavePath(const SaveDialog& dialog) override;
    bool confirm(const std::wstring& boxTitle, const std::wstring& text, bool exclamation) override;
    void infoBox(const std::wstring& boxTitle, const std::wstring& text) override;
    std::vector<std::pair<std::wstring, std::wstring>> infoBoxes;
    void setStatusText(const std::wstring& value) override;
    void enableMenuItem(int id, bool on) override;
    void setMenuChecked(int id, bool checked) override;
    Size clientSize() override;
    int menuBarHeight() override;
    Size outerSize(Control control) override;
    void moveControl(Control control, Rect place) override;
    void redockStatusBar() override;
};

const char* controlName(Control control);

} // namespace tandrel::test
