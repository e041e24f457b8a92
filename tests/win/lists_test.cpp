#include "app/window_content.h"
#include "platform/win32/handles_win.h"
#include "platform/win32/icons_win.h"
#include "platform/win32/ui_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tandrel {
namespace {

constexpr wchar_t kTitle[] = L"Tandrel Listentest";
constexpr std::uint32_t kOpaqueBlue = 0xFF0000FF;
constexpr std::uint32_t kAlpha = 0xFF000000;
constexpr std::uint32_t kWhite = 0x00FFFFFF; // as FillRect leaves it in a 32-bit DIB

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK stopAtId(HWND child, LPARAM argument) {
    auto& search = *reinterpret_cast<IdSearch*>(argument);
    if (GetDlgCtrlID(child) != search.id) {
        return TRUE;
    }
    search.found = child;
    return FALSE;
}

HWND descendantWithId(HWND parent, int id) {
    IdSearch search{id, nullptr};
    EnumChildWindows(parent, &stopAtId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int rowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int rowImage(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

HIMAGELIST smallImagesOf(HWND list) {
    return reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
}

BITMAPINFO topDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The pixels of one area of a bitmap as 0xAARRGGBB, top row first.
std::vector<std::uint32_t> bitmapPixels(HBITMAP bitmap, const RECT& area) {
    BITMAP header{};
    GetObjectW(bitmap, sizeof(header), &header);
    BITMAPINFO info = topDown32(header.bmWidth, header.bmHeight);
    std::vector<std::uint32_t> all(static_cast<std::size_t>(header.bmWidth) *
                                   static_cast<std::size_t>(header.bmHeight));
    const WindowDc screen(nullptr);
    GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(header.bmHeight), all.data(), &info, DIB_RGB_COLORS);
    std::vector<std::uint32_t> pixels;
    for (LONG y = area.top; y < area.bottom; ++y) {
        const auto row = all.begin() + y * header.bmWidth;
        pixels.insert(pixels.end(), row + area.left, row + area.right);
    }
    return pixels;
}

// What `draw` paints over a white square of `size`.
std::vector<std::uint32_t> rendered(Size size, const std::function<void(HDC)>& draw) {
    const BITMAPINFO info = topDown32(size.width, size.height);
    void* bits = nullptr;
    const BitmapOwner canvas(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDcOwner dc(CreateCompatibleDC(nullptr));
    {
        const Selection selected(dc.get(), canvas.get());
        const RECT all{0, 0, size.width, size.height};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        draw(dc.get());
        GdiFlush();
    }
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.width) *
                                      static_cast<std::size_t>(size.height));
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
    return pixels;
}

// Equal but for the rounding of two ways of blending: no channel more than 2 apart.
bool looksAlike(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t index = 0; index < a.size(); ++index) {
        for (int shift = 0; shift < 32; shift += 8) {
            const int one = static_cast<int>((a[index] >> shift) & 0xFFu);
            const int other = static_cast<int>((b[index] >> shift) & 0xFFu);
            if (std::abs(one - other) > 2) {
                return false;
            }
        }
    }
    return true;
}

// Opaque blue with three corners that tell orientation and alpha apart.
Image cornerLogo(Size size) {
    Image logo{size.width, size.height,
               std::vector<std::uint32_t>(static_cast<std::size_t>(size.width * size.height), kOpaqueBlue)};
    const auto at = [&](int x, int y) -> std::uint32_t& {
        return logo.pixels.at(static_cast<std::size_t>(y * size.width + x));
    };
    at(0, 0) = 0xFFFF0000;              // opaque red
    at(size.width - 1, 0) = 0x8000FF00; // half-transparent green
    at(0, size.height - 1) = 0;         // transparent
    return logo;
}

// The two lists on their tab pages, built in the program's order, with the real Windows layer.
struct ListWindow {
    Win32Ui ui;
    HWND installed = nullptr;
    HWND provisioned = nullptr;

    ListWindow() {
        ui.initialise();
        ui.createMainWindow(kTitle, {800, 560});
        ui.createControl(Control::TabPanel, {5, 70, 780, 460});
        ui.addTab(tabEntry(0));
        ui.createControl(Control::InstalledList, {5, 5, 760, 300});
        ui.addColumns(Control::InstalledList, installedColumns());
        ui.loadRowIcons();
        ui.addTab(tabEntry(1));
        ui.createControl(Control::ProvisionedList, {5, 5, 760, 300});
        ui.addColumns(Control::ProvisionedList, provisionedColumns());
        const HWND main = FindWindowW(L"TandrelMain", kTitle);
        installed = descendantWithId(main, controlWindowId(Control::InstalledList));
        provisioned = descendantWithId(main, controlWindowId(Control::ProvisionedList));
    }
    ListWindow(const ListWindow&) = delete;
    ListWindow& operator=(const ListWindow&) = delete;
    ~ListWindow() {
        ui.releaseImages();
        ui.shutdown();
    }
};

class MainWindowLists : public testing::Test {
protected:
    // One window for a whole suite: without a window manager, Wine takes a second or two to destroy one.
    static void SetUpTestSuite() { window_ = std::make_unique<ListWindow>(); }
    static void TearDownTestSuite() { window_.reset(); }

    void SetUp() override {
        ASSERT_NE(installed_, nullptr);
        ASSERT_NE(provisioned_, nullptr);
        ui_.clearList(Control::InstalledList);
        ui_.clearList(Control::ProvisionedList);
    }

    static inline std::unique_ptr<ListWindow> window_;
    Win32Ui& ui_ = window_->ui;
    const HWND installed_ = window_->installed;
    const HWND provisioned_ = window_->provisioned;

    std::vector<std::wstring> row(Control list, int index, int columns) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            cells.push_back(ui_.cellText(list, index, column));
        }
        return cells;
    }
};

struct RowCase {
    const wchar_t* rowText;
    std::vector<std::wstring> cells; // all six columns of the installed list
};

class RowTexts : public MainWindowLists, public testing::WithParamInterface<RowCase> {};

TEST_P(RowTexts, fillTheFirstColumnsFromTheLineFeedSeparatedText) {
    ui_.addRow(Control::InstalledList, 0, GetParam().rowText, nullptr);
    ASSERT_EQ(rowCount(installed_), 1);
    EXPECT_EQ(row(Control::InstalledList, 0, 6), GetParam().cells);
}

const RowCase kRowTexts[] = {
    {L"Rechner\nMicrosoft.WindowsCalculator\nMicrosoft.WindowsCalculator_11.2_x64__8wekyb3d8bbwe\n"
     L"C:\\Program Files\\WindowsApps\\Rechner",
     {L"Rechner", L"Microsoft.WindowsCalculator", L"Microsoft.WindowsCalculator_11.2_x64__8wekyb3d8bbwe",
      L"C:\\Program Files\\WindowsApps\\Rechner", L"", L""}},
    {L"\n\nPaket_1.0_neutral__id\n", {L"", L"", L"Paket_1.0_neutral__id", L"", L"", L""}},
    {L"Nur Name", {L"Nur Name", L"", L"", L"", L"", L""}},
    {L"", {L"", L"", L"", L"", L"", L""}},
    {L"  Leer zeichen \n\tTab", {L"  Leer zeichen ", L"\tTab", L"", L"", L"", L""}},
};

INSTANTIATE_TEST_SUITE_P(Texts, RowTexts, testing::ValuesIn(kRowTexts));

TEST_F(MainWindowLists, rowsStandWhereTheyWereInserted) {
    ui_.addRow(Control::InstalledList, 0, L"erste\n1", nullptr);
    ui_.addRow(Control::InstalledList, 1, L"zweite\n2", nullptr);
    ui_.addRow(Control::InstalledList, 0, L"davor\n0", nullptr);
    // Past the end the list appends; the later columns follow the row to where it went.
    ui_.addRow(Control::InstalledList, 7, L"hinten\n3", nullptr);
    ASSERT_EQ(rowCount(installed_), 4);
    const std::vector<std::vector<std::wstring>> expected = {
        {L"davor", L"0"}, {L"erste", L"1"}, {L"zweite", L"2"}, {L"hinten", L"3"}};
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(row(Control::InstalledList, index, 2), expected.at(static_cast<std::size_t>(index)));
    }
}

TEST_F(MainWindowLists, cellTextReplacesOneCellOfOneRow) {
    ui_.addRow(Control::InstalledList, 0, L"a\nb\nc\nd", nullptr);
    ui_.addRow(Control::InstalledList, 1, L"e\nf\ng\nh", nullptr);
    ui_.setCellText(Control::InstalledList, 0, 4, L"Microsoft.WindowsCalculator_8wekyb3d8bbwe");
    ui_.setCellText(Control::InstalledList, 0, 5, L"C:\\Apps\\Rechner\\AppxManifest.xml");
    ui_.setCellText(Control::InstalledList, 1, 5, L"lang genug, um ersetzt zu werden");
    ui_.setCellText(Control::InstalledList, 1, 5, L"kurz");
    EXPECT_EQ(row(Control::InstalledList, 0, 6),
              (std::vector<std::wstring>{L"a", L"b", L"c", L"d", L"Microsoft.WindowsCalculator_8wekyb3d8bbwe",
                                         L"C:\\Apps\\Rechner\\AppxManifest.xml"}));
    EXPECT_EQ(row(Control::InstalledList, 1, 6),
              (std::vector<std::wstring>{L"e", L"f", L"g", L"h", L"", L"kurz"}));
}

TEST_F(MainWindowLists, theImageListsHaveSmallIconSize) {
    const Size size = ui_.smallIconSize();
    EXPECT_GT(size.width, 0);
    EXPECT_GT(size.height, 0);
    for (const HWND list : {installed_, provisioned_}) {
        int width = 0;
        int height = 0;
        ASSERT_TRUE(ImageList_GetIconSize(smallImagesOf(list), &width, &height));
        EXPECT_EQ((Size{width, height}), size);
    }
}

TEST_F(MainWindowLists, aLogoBecomesTheRowIconPixelForPixel) {
    const Image logo = cornerLogo(ui_.smallIconSize());
    ui_.addRow(Control::InstalledList, 0, L"ohne Logo", nullptr);
    ui_.addRow(Control::InstalledList, 1, L"mit Logo", &logo);
    const HIMAGELIST images = smallImagesOf(installed_);
    ASSERT_EQ(ImageList_GetImageCount(images), 1);
    EXPECT_EQ(rowImage(installed_, 1), 0);
    // A row without a logo must not borrow the first one.
    EXPECT_EQ(rowImage(installed_, 0), I_IMAGENONE);

    IMAGEINFO stored{};
    ASSERT_TRUE(ImageList_GetImageInfo(images, 0, &stored));
    // Straight alpha, top row first, as the image holds it.
    EXPECT_EQ(bitmapPixels(stored.hbmImage, stored.rcImage), logo.pixels);
}

// Without any alpha the list goes by the mask: a logo transparent all over must stay invisible.
TEST_F(MainWindowLists, aLogoTransparentAllOverDrawsNothing) {
    const Size size = ui_.smallIconSize();
    const std::size_t pixels = static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
    const Image clear{size.width, size.height, std::vector<std::uint32_t>(pixels, kOpaqueBlue & ~kAlpha)};
    ui_.addRow(Control::InstalledList, 0, L"unsichtbar", &clear);
    const HIMAGELIST images = smallImagesOf(installed_);
    ASSERT_EQ(rowImage(installed_, 0), 0);
    EXPECT_EQ(rendered(size, [&](HDC dc) { ImageList_Draw(images, 0, dc, 0, 0, ILD_NORMAL); }),
              std::vector<std::uint32_t>(pixels, kWhite));
}

TEST_F(MainWindowLists, aLogoOfAnotherSizeLeavesTheRowWithoutIcon) {
    const Size size = ui_.smallIconSize();
    const Image wide = cornerLogo({size.width * 2, size.height});
    const Image empty;
    ui_.addRow(Control::InstalledList, 0, L"breit", &wide);
    ui_.addRow(Control::InstalledList, 1, L"leer", &empty);
    EXPECT_EQ(rowCount(installed_), 2);
    EXPECT_EQ(ImageList_GetImageCount(smallImagesOf(installed_)), 0);
    EXPECT_EQ(rowImage(installed_, 0), I_IMAGENONE);
}

TEST_F(MainWindowLists, refreshesDoNotGrowTheInstalledImages) {
    const Image logo = cornerLogo(ui_.smallIconSize());
    for (int refresh = 0; refresh < 3; ++refresh) {
        ui_.clearList(Control::InstalledList);
        EXPECT_EQ(rowCount(installed_), 0);
        EXPECT_EQ(ImageList_GetImageCount(smallImagesOf(installed_)), 0);
        ui_.addRow(Control::InstalledList, 0, L"eins", &logo);
        ui_.addRow(Control::InstalledList, 1, L"zwei", nullptr);
        ui_.addRow(Control::InstalledList, 2, L"drei", &logo);
        EXPECT_EQ(rowImage(installed_, 2), 1);
        EXPECT_EQ(ImageList_GetImageCount(smallImagesOf(installed_)), 2);
    }
}

TEST_F(MainWindowLists, rowIconsShowTheShell32IconOfTheirId) {
    const Size size = ui_.smallIconSize();
    ui_.addRowWithRowIcon(Control::ProvisionedList, 0, L"Rechner\nlang\nkurz\npfad", kRowIconPackage);
    ui_.addRowWithRowIcon(Control::ProvisionedList, 1, L"\nlang", kRowIconNoDisplayName);
    const HIMAGELIST images = smallImagesOf(provisioned_);
    ASSERT_EQ(ImageList_GetImageCount(images), 2);
    EXPECT_EQ(row(Control::ProvisionedList, 0, 4),
              (std::vector<std::wstring>{L"Rechner", L"lang", L"kurz", L"pfad"}));

    std::vector<std::vector<std::uint32_t>> shell32;
    for (const int id : {kRowIconPackage, kRowIconNoDisplayName}) {
        const IconOwner icon = loadShell32Icon(id);
        ASSERT_TRUE(icon) << "Shell32 icon " << id;
        shell32.push_back(rendered(size, [&](HDC dc) {
            DrawIconEx(dc, 0, 0, icon.get(), size.width, size.height, 0, nullptr, DI_NORMAL);
        }));
    }
    ASSERT_FALSE(looksAlike(shell32[0], shell32[1])) << "the test cannot tell these two icons apart";
    for (int index = 0; index < 2; ++index) {
        const int image = rowImage(provisioned_, index);
        EXPECT_TRUE(
            looksAlike(rendered(size, [&](HDC dc) { ImageList_Draw(images, image, dc, 0, 0, ILD_NORMAL); }),
                       shell32.at(static_cast<std::size_t>(index))))
            << "row " << index;
    }
}

TEST_F(MainWindowLists, clearingTheProvisionedListKeepsItsRowIcons) {
    ui_.addRowWithRowIcon(Control::ProvisionedList, 0, L"a", kRowIconPackage);
    ui_.clearList(Control::ProvisionedList);
    EXPECT_EQ(rowCount(provisioned_), 0);
    EXPECT_EQ(ImageList_GetImageCount(smallImagesOf(provisioned_)), 2);
    ui_.addRowWithRowIcon(Control::ProvisionedList, 0, L"b", kRowIconNoDisplayName);
    EXPECT_EQ(rowImage(provisioned_, 0), 1);
}

} // namespace
} // namespace tandrel
