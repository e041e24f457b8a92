#pragma once

#include "platform/ui.h"
#include "platform/win32/forum_link_win.h"
#include "platform/win32/handles_win.h"
#include "platform/win32/menu_win.h"
#include "platform/win32/tab_pages_win.h"

#include <array>
#include <deque>
#include <optional>

namespace tandrel {

// The main window with the real API. The window procedure turns what Windows reports into program
// events and queues them; waitEvent hands them out one at a time.
class Win32Ui final : public Ui {
public:
    Win32Ui();

    void initialise() override;
    void shutdown() override;
    void errorBox(const std::wstring& title, const std::wstring& text) override;

    void createMainWindow(const std::wstring& title, Size clientSize) override;
    void createMenuBar(std::span<const MenuEntry> entries) override;
    void createStatusBar(const std::wstring& text) override;
    void createControl(Control control, Rect place) override;
    void addColumns(Control list, std::span<const ListColumn> columns) override;
    void addTab(const TabEntry& tab) override;
    void loadRowIcons() override;
    void releaseImages() override;

    Event waitEvent(unsigned timeoutMs) override;
    void beep(Beep kind) override;

    void enableControl(Control control, bool enabled) override;
    int textLength(Control control) override;
    std::wstring text(Control control) override;
    void setText(Control control, const std::wstring& text) override;
    int selectedRow(Control list) override;
    std::wstring cellText(Control list, int row, int column) override;
    void clearList(Control list) override;
    void addRow(Control list, int index, const std::wstring& rowText, const Image* icon) override;
    void addRowWithRowIcon(Control list, int index, const std::wstring& rowText, int rowIcon) override;
    void setCellText(Control list, int row, int column, const std::wstring& text) override;
    Size smallIconSize() override;
    void appendText(Control control, const std::wstring& text) override;
    bool endsWithLineBreak(Control control) override;
    void infoBox(const std::wstring& title, const std::wstring& text) override;
    bool confirm(const std::wstring& title, const std::wstring& text, bool exclamation) override;
    SaveChoice askSavePath(const SaveDialog& dialog) override;
    void setStatusText(const std::wstring& text) override;

    void enableMenuItem(int id, bool enabled) override;
    void setMenuChecked(int id, bool checked) override;

    Size clientSize() override;
    int menuBarHeight() override;
    Size outerSize(Control control) override;
    void moveControl(Control control, Rect place) override;
    void redockStatusBar() override;

private:
    // The rich edit's length and text with CR LF between its paragraphs.
    int traceLogLength() const;
    std::wstring traceLogText() const;
    static LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onNotify(const NMHDR& header);
    void onSize();
    void queue(Event event);
    void queueControlEvent(Control control);
    std::optional<Event> takeQueued();
    void dispatchOneMessage(MSG& message);

    HWND window(Control control) const;
    std::optional<Control> controlOf(HWND window) const;
    void setUpControl(Control control, HWND window);
    HIMAGELIST smallImages(Control list) const;
    std::optional<int> rowIconImage(int rowIcon) const;

    HINSTANCE instance_;
    ComOwner com_;
    ModuleOwner richEdit_;
    const wchar_t* richEditClass_ = L"RichEdit20W";
    WindowClassOwner mainClass_;
    WindowOwner main_;
    MenuBar menu_;
    std::array<HWND, kControlCount> controls_{}; // children of the main window, destroyed with it
    TabPages tabs_;
    ForumLink forumLink_;
    BitmapOwner logo_;
    // The lists share their small image lists (LVS_SHAREIMAGELISTS), so the program destroys them. They
    // exist before the lists do: the row icons join the provisioned list's before that list is made.
    ImageListOwner installedImages_;
    ImageListOwner provisionedImages_;
    std::array<IconOwner, 2> rowIcons_;
    std::array<int, 2> rowIconImages_{-1, -1}; // each row icon's index in provisionedImages_
    IconOwner traceLogTabIcon_;
    std::deque<Event> events_;
};

} // namespace tandrel
