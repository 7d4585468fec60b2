#pragma once
// The owner-drawn icon menu: a menu tree built from a menu template whose popup items
// the program draws itself, with a small image beside a command (raised when the item
// is highlighted, embossed when it is disabled), check marks, radio dots, accelerators
// in one right-aligned column and mnemonics. The menu bar itself stays plain text.
//
// Installed in a dialog as a message hook, the menu answers WM_MEASUREITEM and
// WM_DRAWITEM for its own items and WM_MENUCHAR for its own popups.
#include "framework/Dialog.h"
#include "framework/Menu.h"
#include "menu/MenuLayout.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace iconmenu {
struct TemplateItem;
}

// One owner-drawn item, owned by the menu whose level holds it; the item's data.
struct IconMenuItem {
    IconMenuItem() = default;
    ~IconMenuItem();
    IconMenuItem(const IconMenuItem&) = delete;
    IconMenuItem& operator=(const IconMenuItem&) = delete;

    std::string AnsiText() const;

    std::wstring text; // may hold a tab followed by the accelerator text
    int imageIndex = -1;
    int bitmap = -1;
    UINT flags = 0;       // the menu flags the item was appended or modified with
    UINT_PTR command = 0; // the command, or the popup's menu handle
    int resyncMark = 0;   // set while the records are rebuilt
    HIMAGELIST images = nullptr;
};

class IconMenu : public framework::CMenu, public framework::MessageHook {
public:
    IconMenu() = default;
    ~IconMenu() override;

    // Builds the whole tree from a menu template resource of the program; false (and
    // no menu) when the resource is missing or malformed. The number form takes the low
    // 16 bits of its argument.
    virtual bool LoadMenu(UINT resource);
    virtual bool LoadMenu(const char* name);
    // Releases the records, the sub-menus and the menu handle (unless let go).
    virtual void DestroyMenu();

    // Appends an owner-drawn item to this level; command 0 makes a separator, the
    // popup flag takes `command` as the popup's handle. `bitmap` -1 for no image.
    void AppendItem(const wchar_t* text, UINT flags, UINT_PTR command, int bitmap);
    // Binds bitmap resource `bitmap` (and `text` unless null) to the item with
    // `command` anywhere in the tree, depth first, and makes it owner-drawn.
    void SetItemImage(const char* text, UINT command, int bitmap);

    void MeasureItem(MEASUREITEMSTRUCT* request) override;
    void DrawItem(DRAWITEMSTRUCT* request) override;
    // The answer to WM_MENUCHAR for one of this tree's popups: the position of the
    // first item whose text holds "&" and `character` (either case) in the low word
    // and MNC_EXECUTE in the high word; 0 when none matches or `flags` lack MF_POPUP.
    LRESULT FindMnemonic(UINT character, UINT flags, HMENU popup);

    bool OnHookedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) override;

    // This level's records, in position order.
    const std::vector<std::unique_ptr<IconMenuItem>>& Items() const { return items; }

    // Whether `menu` is a popup that an icon menu has appended (process-wide).
    static bool IsIconMenuPopup(HMENU menu);
    // The ANSI text of the item at `position`: from its record when an icon menu draws
    // it, else the menu's own string.
    static std::string ItemText(HMENU menu, int position);
    // The system class of the running system (see iconmenu::SystemClass); it decides
    // between the old and the new look. SetSystemClass draws in another look from now
    // on (the tests draw both).
    static int SystemClass();
    static void SetSystemClass(int systemClass);

private:
    void Build(const std::vector<iconmenu::TemplateItem>& level);
    void MakeTopLevelPlain();
    void PadAcceleratorTexts();
    void BindImage(IconMenuItem& item, UINT command, int bitmap);
    bool FindCommand(UINT command, IconMenu*& owner, int& position);
    IconMenu* OwnerOf(HMENU menu);
    IconMenu* OwnerOf(const IconMenuItem* item);
    template <class Request>
    bool PassToOwner(Request* request, void (IconMenu::*handle)(Request*), LRESULT& result);
    void ResyncItems();
    std::unique_ptr<IconMenuItem> NewRecordFor(int position, UINT_PTR command, HMENU popup);

    // Drawing (IconMenuDraw.cpp).
    void DrawImageColumn(HDC dc, const IconMenuItem& item, const iconmenu::ItemLayout& layout,
                         UINT state, bool newLook) const;
    void DrawEmbossedImage(HDC dc, const IconMenuItem& item, iconmenu::Point at,
                           bool newLook) const;
    void DrawMark(HDC dc, const DRAWITEMSTRUCT& request, const iconmenu::Rect& box,
                  bool newLook) const;
    void DrawItemText(HDC dc, const IconMenuItem& item, iconmenu::Rect box, UINT state,
                      COLORREF colour) const;

    std::vector<std::unique_ptr<IconMenuItem>> items;
    std::vector<HMENU> subMenus;
    std::vector<std::unique_ptr<IconMenu>> children; // the icon menus of subMenus
    int imageWidth = 16;
    int imageHeight = 15;
};
