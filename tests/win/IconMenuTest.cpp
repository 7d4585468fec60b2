// The icon menu: the tree it builds from menu 142, the main window's images and message
// routing, and the pixels of its owner-drawn items in the old and the new look.
#include "menu/IconMenu.h"
#include "tests/win/MainWindowFixture.h"
#include "tests/win/MenuTestIds.h"

#include <set>
#include <utility>

namespace {

using namespace wintest;

const IconMenuItem* Record(HMENU menu, UINT item, bool byPosition) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE | MIIM_DATA;
    if (!GetMenuItemInfoA(menu, item, byPosition, &info) || !(info.fType & MFT_OWNERDRAW))
        return nullptr;
    return reinterpret_cast<const IconMenuItem*>(info.dwItemData);
}

bool OwnerDrawn(HMENU menu, int position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) &&
           (info.fType & MFT_OWNERDRAW);
}

// Width of an ANSI text in the system's menu font.
int MenuFontWidth(const std::string& text) {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

} // namespace

TEST(IconMenuTree, LoadMenuBuildsOwnerDrawnPopupsUnderAPlainBar) {
    IconMenu menu;
    EXPECT_EQ(nullptr, menu.Handle());
    ASSERT_TRUE(menu.LoadMenu(kMainMenu));
    HMENU bar = menu.Handle();
    ASSERT_EQ(3, GetMenuItemCount(bar));
    const char* titles[3] = {"ファイル(&F)", "メニュー(&M)", "ヘルプ(&H)"};
    const int counts[3] = {10, 6, 3};
    for (int position = 0; position < 3; ++position) {
        char text[64] = {};
        GetMenuStringA(bar, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(titles[position], std::string(text));
        EXPECT_FALSE(OwnerDrawn(bar, position));
        HMENU popup = GetSubMenu(bar, position);
        EXPECT_TRUE(IconMenu::IsIconMenuPopup(popup));
        ASSERT_EQ(counts[position], GetMenuItemCount(popup));
        for (int item = 0; item < counts[position]; ++item) {
            EXPECT_TRUE(OwnerDrawn(popup, item)) << position << "/" << item;
        }
    }
    EXPECT_FALSE(IconMenu::IsIconMenuPopup(bar));
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(kLoadCommand, GetMenuItemID(file, 0));
    EXPECT_EQ(0u, GetMenuItemID(file, 2)); // separator
    EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(kExitCommand, GetMenuItemID(file, 9));
    EXPECT_EQ(kMsw4Command, GetMenuItemID(GetSubMenu(bar, 1), 5));
    EXPECT_EQ(kAboutCommand, GetMenuItemID(GetSubMenu(bar, 2), 2));
}

TEST(IconMenuTree, AcceleratorsStartInOneColumn) {
    IconMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kMainMenu));
    HMENU file = GetSubMenu(menu.Handle(), 0);
    // The widest text before a tab plus one blank sets the column.
    int column = 0;
    for (int position = 0; position < GetMenuItemCount(file); ++position) {
        std::string text = WithoutPadding(IconMenu::ItemText(file, position));
        column = std::max(column, MenuFontWidth(text.substr(0, text.find('\t')) + " "));
    }
    const int blank = MenuFontWidth(" ");
    ASSERT_GT(blank, 0);
    for (int position : {0, 1, 3, 4, 5, 7, 9}) {
        const std::string text = IconMenu::ItemText(file, position);
        const std::size_t tab = text.find('\t');
        ASSERT_NE(std::string::npos, tab) << position;
        const int width = MenuFontWidth(text.substr(0, tab));
        EXPECT_GE(width, column) << text;
        EXPECT_LT(width, column + blank) << text;
    }
    // The short exit text is padded; the accelerators themselves are kept.
    const std::string exitText = IconMenu::ItemText(file, 9);
    EXPECT_NE("終了(&X)\tAlt+F4", exitText);
    EXPECT_EQ("終了(&X)  ", exitText.substr(0, 10));
    EXPECT_EQ("\tAlt+F4", exitText.substr(exitText.find('\t')));
}

TEST(IconMenuTree, DestroyMenuEmptiesThePopupList) {
    IconMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kMainMenu));
    HMENU bar = menu.Handle();
    std::vector<HMENU> popups;
    for (int position = 0; position < 3; ++position) popups.push_back(GetSubMenu(bar, position));
    for (HMENU popup : popups) ASSERT_TRUE(IconMenu::IsIconMenuPopup(popup));
    menu.DestroyMenu();
    for (HMENU popup : popups) EXPECT_FALSE(IconMenu::IsIconMenuPopup(popup));
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_EQ(nullptr, menu.Handle());
    EXPECT_TRUE(menu.Items().empty());
}

TEST(IconMenuTree, MissingMenuResourceFailsQuietly) {
    IconMenu menu;
    EXPECT_FALSE(menu.LoadMenu(9999u));
    EXPECT_FALSE(menu.LoadMenu("NO_SUCH_MENU"));
    EXPECT_EQ(nullptr, menu.Handle());
}

class IconMenuWindowTest : public MainWindowFixture {
protected:
    HMENU Popup(int position) const { return GetSubMenu(GetMenu(window.Handle()), position); }
    LRESULT MenuChar(char character, HMENU popup, UINT flags = MF_POPUP) const {
        return SendMessageA(window.Handle(), WM_MENUCHAR,
                            MAKEWPARAM(static_cast<BYTE>(character), flags),
                            reinterpret_cast<LPARAM>(popup));
    }
};

TEST_F(IconMenuWindowTest, TwelveCommandsCarryTheirImagesAndThreeNone) {
    Run({[&] {
        HMENU bar = GetMenu(window.Handle());
        EXPECT_FALSE(OwnerDrawn(bar, 0));
        char title[64] = {};
        GetMenuStringA(bar, 1, title, sizeof title, MF_BYPOSITION);
        EXPECT_EQ("メニュー(&M)", std::string(title));
        for (const CommandImage& expected : kCommandImages) {
            const IconMenuItem* item = Record(bar, expected.command, false);
            ASSERT_NE(nullptr, item) << expected.command;
            EXPECT_EQ(expected.bitmap, item->bitmap) << expected.command;
            EXPECT_NE(nullptr, item->images) << expected.command;
            EXPECT_EQ(0, item->imageIndex) << expected.command;
            EXPECT_EQ(1, ImageList_GetImageCount(item->images)) << expected.command;
        }
        for (unsigned command : {kExitCommand, kHelpCommand, kAboutCommand}) {
            const IconMenuItem* item = Record(bar, command, false);
            ASSERT_NE(nullptr, item) << command;
            EXPECT_EQ(-1, item->bitmap) << command;
            EXPECT_EQ(nullptr, item->images) << command;
            EXPECT_EQ(-1, item->imageIndex) << command;
        }
    }});
}

TEST_F(IconMenuWindowTest, WindowMeasuresSeparatorsAndItemsThroughTheMenu) {
    Run({[&] {
        const IconMenuItem* separator = Record(Popup(0), 2, true);
        ASSERT_NE(nullptr, separator);
        MEASUREITEMSTRUCT request = {};
        request.CtlType = ODT_MENU;
        request.itemData = reinterpret_cast<ULONG_PTR>(separator);
        request.itemWidth = request.itemHeight = 777;
        EXPECT_EQ(TRUE, SendMessageA(window.Handle(), WM_MEASUREITEM, 0,
                                     reinterpret_cast<LPARAM>(&request)));
        EXPECT_EQ(0u, request.itemWidth);
        EXPECT_EQ(static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2), request.itemHeight);

        const IconMenuItem* about = Record(Popup(2), 2, true);
        ASSERT_NE(nullptr, about);
        request.itemData = reinterpret_cast<ULONG_PTR>(about);
        SendMessageA(window.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ(static_cast<UINT>(MenuFontWidth("バージョン情報(&A)...") + 33),
                  request.itemWidth);
        EXPECT_EQ(static_cast<UINT>(std::max(GetSystemMetrics(SM_CYMENU), 19)),
                  request.itemHeight);
    }});
}

TEST_F(IconMenuWindowTest, MnemonicsChooseTheItemInEitherCase) {
    Run({[&] {
        HMENU pages = Popup(1);
        const LRESULT first = MAKELRESULT(0, 2);
        EXPECT_EQ(first, MenuChar('k', pages));
        EXPECT_EQ(first, MenuChar('K', pages));
        EXPECT_EQ(MAKELRESULT(1, 2), MenuChar('p', pages)); // "（&P）"
        EXPECT_EQ(MAKELRESULT(5, 2), MenuChar('4', pages));
        EXPECT_EQ(0, MenuChar('x', pages));
        EXPECT_EQ(0, MenuChar('k', pages, 0)); // not from a popup
        EXPECT_EQ(MAKELRESULT(9, 2), MenuChar('X', Popup(0)));

        // An item added behind the menu's back is taken into its records first.
        ASSERT_TRUE(AppendMenuA(pages, MF_STRING, 40000, "追加(&Z)"));
        ASSERT_FALSE(OwnerDrawn(pages, 6));
        EXPECT_EQ(MAKELRESULT(6, 2), MenuChar('z', pages));
        EXPECT_TRUE(OwnerDrawn(pages, 6));
        EXPECT_EQ("追加(&Z)", IconMenu::ItemText(pages, 6));
        EXPECT_EQ(first, MenuChar('K', pages));
    }});
}

// Draws single items into a 32-bit memory bitmap prefilled with a colour no item uses.
class IconMenuPixels : public testing::Test {
protected:
    static constexpr int kWidth = 200, kHeight = 19;
    const COLORREF kUntouched = RGB(1, 2, 3);

    IconMenuPixels() : previousClass(IconMenu::SystemClass()) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        oldBitmap = SelectObject(dc, bitmap);
        menu.Attach(CreatePopupMenu());
        menu.AppendItem(L"機能選択(&K)\tCtrl+K", 0, kSelectCommand, 167);
        menu.AppendItem(L"終了(&X)\tAlt+F4", 0, kExitCommand, -1);
    }
    ~IconMenuPixels() override {
        IconMenu::SetSystemClass(previousClass);
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }

    // Draws item `position` of the test menu with `state` in the given look.
    void Draw(int position, UINT state, bool newLook) {
        IconMenu::SetSystemClass(newLook ? 3 : 2);
        RECT all = {0, 0, kWidth, kHeight};
        HBRUSH brush = CreateSolidBrush(kUntouched);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        DRAWITEMSTRUCT request = {};
        request.CtlType = ODT_MENU;
        request.itemID = GetMenuItemID(menu.Handle(), position);
        request.itemAction = ODA_DRAWENTIRE;
        request.itemState = state;
        request.hwndItem = reinterpret_cast<HWND>(menu.Handle());
        request.hDC = dc;
        request.rcItem = all;
        request.itemData = reinterpret_cast<ULONG_PTR>(menu.Items()[position].get());
        menu.DrawItem(&request);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    // How many pixels of the rectangle have `colour`.
    int Count(COLORREF colour, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) count += At(x, y) == colour;
        }
        return count;
    }

    IconMenu menu;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    int previousClass;
};

TEST_F(IconMenuPixels, HighlightedItemWithImageHasARaisedFrameInTheNewLook) {
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    for (bool newLook : {true, false}) {
        Draw(0, ODS_SELECTED, newLook);
        // The highlight starts 21 pixels in and runs over the whole height.
        EXPECT_EQ(highlight, At(21, 0)) << newLook;
        EXPECT_EQ(highlight, At(21, 18)) << newLook;
        EXPECT_EQ(highlight, At(199, 9)) << newLook;
        EXPECT_NE(highlight, At(20, 9)) << newLook;
        EXPECT_EQ(0, Count(highlight, 0, 0, 21, kHeight)) << newLook;
        // The image is drawn inside the 20 x 19 frame.
        EXPECT_GT(Count(GetSysColor(COLOR_BTNTEXT), 2, 2, 18, 17), 0) << newLook;
        const COLORREF top = newLook ? light : GetSysColor(COLOR_MENU);
        const COLORREF bottom = newLook ? shadow : GetSysColor(COLOR_MENU);
        EXPECT_EQ(top, At(10, 0)) << newLook;
        EXPECT_EQ(top, At(0, 9)) << newLook;
        EXPECT_EQ(bottom, At(19, 9)) << newLook;
        EXPECT_EQ(bottom, At(10, 18)) << newLook;
    }
}

TEST_F(IconMenuPixels, HighlightedItemWithoutImageIsHighlightedWhole) {
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    for (bool newLook : {true, false}) {
        Draw(1, 0, newLook);
        EXPECT_EQ(0, Count(highlight, 0, 0, kWidth, kHeight)) << newLook;
        Draw(1, ODS_SELECTED, newLook);
        EXPECT_EQ(highlight, At(0, 0)) << newLook;
        EXPECT_EQ(highlight, At(10, 9)) << newLook;
        EXPECT_EQ(highlight, At(199, 18)) << newLook;
        // Its text is drawn in the highlight text colour.
        EXPECT_GT(Count(GetSysColor(COLOR_HIGHLIGHTTEXT), 25, 0, kWidth, kHeight), 0) << newLook;
    }
}

TEST_F(IconMenuPixels, GreyedItemWithImageIsEmbossed) {
    const COLORREF black = GetSysColor(COLOR_BTNTEXT), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), grey = GetSysColor(COLOR_GRAYTEXT);
    for (bool newLook : {true, false}) {
        Draw(0, 0, newLook);
        ASSERT_GT(Count(black, 2, 2, 18, 17), 0) << newLook;
        ASSERT_GT(Count(GetSysColor(COLOR_MENUTEXT), 25, 0, kWidth, kHeight), 0) << newLook;
        Draw(0, ODS_GRAYED, newLook);
        // The image in the shadow colour with its highlight one pixel down and right.
        EXPECT_EQ(0, Count(black, 0, 0, 21, kHeight)) << newLook;
        EXPECT_GT(Count(shadow, 2, 2, 18, 17), 0) << newLook;
        EXPECT_GT(Count(light, 3, 3, 19, 18), 0) << newLook;
        // The text likewise: grey with a highlight, no text colour.
        EXPECT_EQ(0, Count(GetSysColor(COLOR_MENUTEXT), 25, 0, kWidth, kHeight)) << newLook;
        EXPECT_GT(Count(grey, 25, 0, kWidth, kHeight), 0) << newLook;
        EXPECT_GT(Count(light, 26, 0, kWidth, kHeight), 0) << newLook;
        // Highlighted, the greyed text takes the menu colour on the highlight.
        Draw(0, ODS_GRAYED | ODS_SELECTED, newLook);
        EXPECT_EQ(0, Count(grey, 25, 0, kWidth, kHeight)) << newLook;
        EXPECT_GT(Count(GetSysColor(COLOR_MENU), 25, 0, kWidth, kHeight), 0) << newLook;
    }
}

TEST_F(IconMenuPixels, CheckedItemWithoutImageShowsTheCheckMarkOrTheRadioDot) {
    const COLORREF mark = GetSysColor(COLOR_MENUTEXT);
    // The mark box runs from (1, 2); the mark starts 4 pixels right of and below it.
    std::set<std::pair<int, int>> expected;
    const int rows[7][2] = {{2, 4}, {3, 5}, {4, 6}, {3, 5}, {2, 4}, {1, 3}, {0, 2}};
    for (int column = 0; column < 7; ++column) {
        for (int row = rows[column][0]; row <= rows[column][1]; ++row) {
            expected.insert({5 + column, 6 + row});
        }
    }
    for (bool newLook : {true, false}) {
        Draw(1, 0, newLook);
        EXPECT_EQ(0, Count(mark, 0, 0, 21, kHeight)) << newLook;
        Draw(1, ODS_CHECKED, newLook);
        std::set<std::pair<int, int>> marked;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < 21; ++x) {
                if (At(x, y) == mark) marked.insert({x, y});
            }
        }
        EXPECT_EQ(expected, marked) << newLook;
        // The new look sinks the box; the old one leaves the menu colour around it.
        EXPECT_EQ(newLook ? GetSysColor(COLOR_BTNSHADOW) : GetSysColor(COLOR_MENU), At(5, 1))
            << newLook;
    }
    // A radio-style item (a bitmap for its checked state) gets a 6 x 6 dot instead.
    HBITMAP checkedState = CreateBitmap(8, 8, 1, 1, nullptr);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    info.hbmpChecked = checkedState;
    ASSERT_TRUE(SetMenuItemInfoA(menu.Handle(), kExitCommand, FALSE, &info));
    for (bool newLook : {true, false}) {
        Draw(1, ODS_CHECKED, newLook);
        EXPECT_EQ(mark, At(9, 9)) << newLook;   // the dot's middle: (6, 6) + (3, 3)
        EXPECT_NE(mark, At(5, 8)) << newLook;   // no check mark
        EXPECT_NE(mark, At(13, 9)) << newLook;  // right of the dot
        EXPECT_NE(mark, At(9, 13)) << newLook;  // below the dot
        EXPECT_GE(Count(mark, 6, 6, 12, 12), 16) << newLook;
        EXPECT_EQ(0, Count(mark, 0, 0, 6, kHeight)) << newLook;
    }
    DeleteObject(checkedState);
}

TEST_F(IconMenuWindowTest, WindowDrawsItsItemsThroughTheMenu) {
    Run({[&] {
        HDC dc = CreateCompatibleDC(nullptr);
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 19);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        DRAWITEMSTRUCT request = {};
        request.CtlType = ODT_MENU;
        request.itemID = kLoadCommand;
        request.itemState = ODS_SELECTED;
        request.hwndItem = reinterpret_cast<HWND>(Popup(0));
        request.hDC = dc;
        request.rcItem = {0, 0, 200, 19};
        request.itemData = reinterpret_cast<ULONG_PTR>(Record(Popup(0), 0, true));
        ASSERT_NE(0u, request.itemData);
        EXPECT_EQ(TRUE,
                  SendMessageA(window.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request)));
        EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), GetPixel(dc, 100, 9));
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }});
}
