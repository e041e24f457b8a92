#pragma once

#include "app/ids.h"
#include "app/window_content.h"
#include "inventory/image/image.h"
#include "platform/geometry.h"

#include <span>
#include <string>

namespace tandrel {

enum class Beep { Ok, Information };

// What the save dialog asks: its title, the name it offers, and pairs of filter description
// and pattern separated by "|".
struct SaveDialog {
    std::wstring title;
    std::wstring initialName;
    std::wstring filter;
};

// The path the user confirmed (empty when cancelled) and the filter pair selected then, from 0.
struct SaveChoice {
    std::wstring path;
    int filterIndex = 0;
};

// The seam to the Windows user interface. The program decides what is shown
// and when; an implementation only translates each call into window messages.
class Ui {
public:
    virtual ~Ui() = default;

    // Common controls, COM and the rich edit library, before the first window.
    virtual void initialise() = 0;
    // Destroys the windows and releases what initialise() took.
    virtual void shutdown() = 0;
    // A modal box with one OK button and the error icon; works without a main window.
    virtual void errorBox(const std::wstring& title, const std::wstring& text) = 0;

    // Building the main window, one step at a time so that the caller keeps the order.
    virtual void createMainWindow(const std::wstring& title, Size clientSize) = 0;
    virtual void createMenuBar(std::span<const MenuEntry> entries) = 0;
    virtual void createStatusBar(const std::wstring& text) = 0;
    // Creates a control at its place; its kind, style and text follow from the id.
    virtual void createControl(Control control, Rect place) = 0;
    virtual void addColumns(Control list, std::span<const ListColumn> columns) = 0;
    virtual void addTab(const TabEntry& tab) = 0;
    // The two small icons that rows of the provisioned list show.
    virtual void loadRowIcons() = 0;
    // Shutdown step 1: the forum logo bitmap, row and menu icons.
    virtual void releaseImages() = 0;

    // The event loop.
    virtual Event waitEvent(unsigned timeoutMs) = 0;
    virtual void beep(Beep kind) = 0;

    virtual void enableControl(Control control, bool enabled) = 0;
    virtual int textLength(Control control) = 0;
    // A multi-line control's text has its lines joined by CR LF.
    virtual std::wstring text(Control control) = 0;
    virtual void setText(Control control, const std::wstring& text) = 0;
    // The first selected row of a list, or -1.
    virtual int selectedRow(Control list) = 0;
    virtual std::wstring cellText(Control list, int row, int column) = 0;
    virtual void clearList(Control list) = 0;
    // Inserts a row at `index`; `rowText` holds the first columns' texts separated by line feeds.
    // The icon, when given, joins the list's small image list (which keeps its own copy).
    virtual void addRow(Control list, int index, const std::wstring& rowText, const Image* icon) = 0;
    // The same with one of the two row icons loaded by loadRowIcons (a Shell32 icon id).
    virtual void addRowWithRowIcon(Control list, int index, const std::wstring& rowText, int rowIcon) = 0;
    virtual void setCellText(Control list, int row, int column, const std::wstring& text) = 0;
    // GetSystemMetrics(SM_CXSMICON) by GetSystemMetrics(SM_CYSMICON).
    virtual Size smallIconSize() = 0;
    // Inserts text at the end of a multi-line control; its line breaks are CR LF. The caret ends
    // up after it. May be called from another thread: the control's own thread carries it out.
    virtual void appendText(Control control, const std::wstring& text) = 0;
    virtual bool endsWithLineBreak(Control control) = 0;
    // A modal box with the information icon and an OK button.
    virtual void infoBox(const std::wstring& title, const std::wstring& text) = 0;
    // A modal Yes/No box with the question mark, or the exclamation mark; true for Yes.
    virtual bool confirm(const std::wstring& title, const std::wstring& text, bool exclamation) = 0;
    // The common save dialog, modal to the main window.
    virtual SaveChoice askSavePath(const SaveDialog& dialog) = 0;
    // Text and tooltip of the status bar's one part.
    virtual void setStatusText(const std::wstring& text) = 0;

    virtual void enableMenuItem(int id, bool enabled) = 0;
    virtual void setMenuChecked(int id, bool checked) = 0;

    virtual Size clientSize() = 0;
    virtual int menuBarHeight() = 0;
    // Outer size of a control (its window rectangle).
    virtual Size outerSize(Control control) = 0;
    virtual void moveControl(Control control, Rect place) = 0;
    // Lets the status bar dock itself again at the bottom edge.
    virtual void redockStatusBar() = 0;
};

} // namespace tandrel
