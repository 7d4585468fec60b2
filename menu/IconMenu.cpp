#include "menu/IconMenu.h"

#include "framework/System.h"
#include "menu/MenuTemplate.h"

#include <algorithm>

namespace {

// Resource type of a toolbar that lists the commands of a button bitmap.
const WORD kToolbarResource = 241;

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

std::vector<HMENU>& PopupList() {
    static std::vector<HMENU> popups;
    return popups;
}

void Forget(HMENU popup) {
    std::vector<HMENU>& popups = PopupList();
    popups.erase(std::remove(popups.begin(), popups.end(), popup), popups.end());
}

std::wstring Widen(const std::string& text) {
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &ansi[0], size,
                        nullptr, nullptr);
    return ansi;
}

int QuerySystemClass() {
    const framework::WindowsVersion version = framework::RunningWindows();
    return iconmenu::SystemClass(version.platformId, version.major);
}

int& SystemClassSlot() {
    static int systemClass = QuerySystemClass();
    return systemClass;
}

// The screen's drawing context with the system's menu font selected, for measuring.
class MenuFontContext {
public:
    MenuFontContext() : dc(GetDC(nullptr)) {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        font = CreateFontIndirectA(&metrics.lfMenuFont);
        previous = SelectObject(dc, font);
    }
    ~MenuFontContext() {
        SelectObject(dc, previous);
        DeleteObject(font);
        ReleaseDC(nullptr, dc);
    }
    MenuFontContext(const MenuFontContext&) = delete;
    MenuFontContext& operator=(const MenuFontContext&) = delete;

    int Width(const std::string& text) const {
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    int Width(const std::wstring& text) const {
        SIZE size = {};
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    HDC dc;
    HFONT font;
    HGDIOBJ previous;
};

} // namespace

IconMenuItem::~IconMenuItem() {
    if (images) ImageList_Destroy(images);
}

std::string IconMenuItem::AnsiText() const {
    return Narrow(text);
}

IconMenu::~IconMenu() {
    DestroyMenu();
}

bool IconMenu::LoadMenu(UINT resource) {
    return LoadMenu(MAKEINTRESOURCEA(LOWORD(resource)));
}

bool IconMenu::LoadMenu(const char* name) {
    HRSRC found = FindResourceA(Module(), name, reinterpret_cast<LPCSTR>(RT_MENU));
    HGLOBAL loaded = found ? LoadResource(Module(), found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    std::vector<iconmenu::TemplateItem> topLevel;
    if (!data || !iconmenu::ParseMenuTemplate(static_cast<const unsigned char*>(data),
                                               SizeofResource(Module(), found), topLevel))
        return false;
    DestroyMenu();
    Attach(CreateMenu());
    Build(topLevel);
    MakeTopLevelPlain();
    return true;
}

void IconMenu::Build(const std::vector<iconmenu::TemplateItem>& level) {
    for (const iconmenu::TemplateItem& entry : level) {
        const std::wstring text(entry.text.begin(), entry.text.end());
        if (!entry.IsPopup()) {
            AppendItem(text.c_str(), entry.flags, entry.id, -1);
            continue;
        }
        auto popup = std::make_unique<IconMenu>();
        popup->Attach(CreatePopupMenu());
        IconMenu& child = *popup;
        children.push_back(std::move(popup));
        AppendItem(text.c_str(), entry.flags, reinterpret_cast<UINT_PTR>(child.Handle()), -1);
        child.Build(entry.items);
    }
    PadAcceleratorTexts();
}

void IconMenu::MakeTopLevelPlain() {
    for (std::size_t position = 0; position < items.size(); ++position) {
        IconMenuItem& item = *items[position];
        item.flags = MF_BYPOSITION | MF_STRING | (item.flags & MF_POPUP);
        ModifyMenuA(Handle(), static_cast<UINT>(position), item.flags, item.command,
                    item.AnsiText().c_str());
    }
}

void IconMenu::PadAcceleratorTexts() {
    MenuFontContext context;
    std::vector<std::string> texts;
    for (const auto& item : items) texts.push_back(item->AnsiText());
    texts = iconmenu::PadAcceleratorTexts(
        texts, [&context](const std::string& text) { return context.Width(text); });
    for (std::size_t i = 0; i < items.size(); ++i) items[i]->text = Widen(texts[i]);
}

void IconMenu::AppendItem(const wchar_t* text, UINT flags, UINT_PTR command, int bitmap) {
    if (command == 0) {
        flags = MF_SEPARATOR | MF_OWNERDRAW | (flags & MF_BYPOSITION);
    } else {
        flags |= MF_OWNERDRAW;
    }
    if (flags & MF_POPUP) {
        PopupList().push_back(reinterpret_cast<HMENU>(command));
        subMenus.push_back(reinterpret_cast<HMENU>(command));
    }
    auto item = std::make_unique<IconMenuItem>();
    item->text = text ? text : L"";
    item->flags = flags;
    item->command = command;
    if (bitmap != -1) BindImage(*item, static_cast<UINT>(command), bitmap);
    AppendMenuA(Handle(), flags, command, reinterpret_cast<LPCSTR>(item.get()));
    items.push_back(std::move(item));
}

void IconMenu::BindImage(IconMenuItem& item, UINT command, int bitmap) {
    int index = 0;
    HRSRC toolbar =
        FindResourceA(Module(), MAKEINTRESOURCEA(bitmap), MAKEINTRESOURCEA(kToolbarResource));
    HGLOBAL loaded = toolbar ? LoadResource(Module(), toolbar) : nullptr;
    if (const void* data = loaded ? LockResource(loaded) : nullptr) {
        index = std::max(index, iconmenu::ToolbarImageIndex(static_cast<const unsigned char*>(data),
                                                            SizeofResource(Module(), toolbar),
                                                            command));
    }
    if (item.images) ImageList_Destroy(item.images);
    item.images = ImageList_Create(imageWidth, imageHeight, ILC_COLOR | ILC_MASK, 1, 1);
    // Black, dark grey, light grey and white become the system's button colours.
    HBITMAP image = CreateMappedBitmap(Module(), bitmap, 0, nullptr, 0);
    if (!image) {
        ImageList_Destroy(item.images);
        item.images = nullptr;
        item.imageIndex = -1;
        item.bitmap = -1;
        return;
    }
    ImageList_AddMasked(item.images, image, GetSysColor(COLOR_BTNFACE));
    DeleteObject(image);
    item.imageIndex = index;
    item.bitmap = bitmap;
}

void IconMenu::SetItemImage(const char* text, UINT command, int bitmap) {
    IconMenu* owner = this;
    int position = -1;
    IconMenuItem* item;
    if (FindCommand(command, owner, position)) {
        if (owner->items.size() != static_cast<std::size_t>(GetMenuItemCount(owner->Handle())))
            owner->ResyncItems();
        item = owner->items[static_cast<std::size_t>(position)].get();
    } else {
        owner = this;
        items.push_back(std::make_unique<IconMenuItem>());
        item = items.back().get();
    }
    if (text) item->text = Widen(text);
    BindImage(*item, command, bitmap);
    // Keep whatever state the item has (greyed, checked) while it turns owner-drawn.
    UINT state = position < 0 ? 0
                              : GetMenuState(owner->Handle(), command, MF_BYCOMMAND) &
                                    (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    item->flags = MF_OWNERDRAW;
    item->command = command;
    ModifyMenuA(owner->Handle(), command, MF_BYCOMMAND | MF_OWNERDRAW | state, command,
                reinterpret_cast<LPCSTR>(item));
}

bool IconMenu::FindCommand(UINT command, IconMenu*& owner, int& position) {
    const int count = GetMenuItemCount(Handle());
    for (int at = 0; at < count; ++at) {
        if (IconMenu* popup = OwnerOf(GetSubMenu(Handle(), at))) {
            if (popup != this && popup->FindCommand(command, owner, position)) return true;
        }
        if (GetMenuItemID(Handle(), at) == command) {
            owner = this;
            position = at;
            return true;
        }
    }
    return false;
}

IconMenu* IconMenu::OwnerOf(HMENU menu) {
    if (!menu) return nullptr;
    if (menu == Handle()) return this;
    for (const auto& child : children) {
        if (IconMenu* owner = child->OwnerOf(menu)) return owner;
    }
    return nullptr;
}

IconMenu* IconMenu::OwnerOf(const IconMenuItem* item) {
    for (const auto& own : items) {
        if (own.get() == item) return this;
    }
    for (const auto& child : children) {
        if (IconMenu* owner = child->OwnerOf(item)) return owner;
    }
    return nullptr;
}

void IconMenu::DestroyMenu() {
    Forget(Handle());
    for (HMENU popup : subMenus) {
        Forget(popup);
        for (auto child = children.begin(); child != children.end(); ++child) {
            if ((*child)->Handle() != popup) continue;
            // The popup goes with this menu's handle (or the window that holds it).
            (*child)->Detach();
            children.erase(child);
            break;
        }
    }
    subMenus.clear();
    children.clear();
    items.clear();
    if (HMENU menu = Detach()) ::DestroyMenu(menu);
}

void IconMenu::MeasureItem(MEASUREITEMSTRUCT* request) {
    const auto* item = reinterpret_cast<const IconMenuItem*>(request->itemData);
    iconmenu::Size size;
    if (item->flags & MF_SEPARATOR) {
        size = iconmenu::SeparatorSize(GetSystemMetrics(SM_CYMENU));
    } else {
        size = iconmenu::ItemSize(MenuFontContext().Width(item->text), GetSystemMetrics(SM_CYMENU),
                                  imageWidth, imageHeight);
    }
    request->itemWidth = static_cast<UINT>(size.width);
    request->itemHeight = static_cast<UINT>(size.height);
}

LRESULT IconMenu::FindMnemonic(UINT character, UINT flags, HMENU popup) {
    IconMenu* owner = OwnerOf(popup);
    if (!(flags & MF_POPUP) || !owner) return 0;
    if (owner->items.size() != static_cast<std::size_t>(GetMenuItemCount(popup)))
        owner->ResyncItems();
    std::vector<std::u16string> texts;
    for (const auto& item : owner->items) texts.emplace_back(item->text.begin(), item->text.end());
    const std::wstring key = Widen(std::string(1, static_cast<char>(character)));
    const int position = iconmenu::FindMnemonic(texts, key.empty() ? 0 : key[0]);
    return position < 0 ? 0 : MAKELRESULT(position, MNC_EXECUTE);
}

void IconMenu::ResyncItems() {
    for (const auto& item : items) item->resyncMark = 1;
    std::vector<std::unique_ptr<IconMenuItem>> synced;
    const int count = GetMenuItemCount(Handle());
    for (int position = 0; position < count; ++position) {
        HMENU popup = GetSubMenu(Handle(), position);
        const UINT_PTR command =
            popup ? reinterpret_cast<UINT_PTR>(popup) : GetMenuItemID(Handle(), position);
        auto free = std::find_if(items.begin(), items.end(), [command](const auto& item) {
            return item && item->resyncMark && item->command == command;
        });
        std::unique_ptr<IconMenuItem> item;
        if (free != items.end()) {
            item = std::move(*free);
            item->resyncMark = 0;
        } else {
            item = NewRecordFor(position, command, popup);
        }
        ModifyMenuA(Handle(), static_cast<UINT>(position), MF_BYPOSITION | item->flags, command,
                    reinterpret_cast<LPCSTR>(item.get()));
        synced.push_back(std::move(item));
    }
    items = std::move(synced); // records still free are deleted here
}

std::unique_ptr<IconMenuItem> IconMenu::NewRecordFor(int position, UINT_PTR command, HMENU popup) {
    auto item = std::make_unique<IconMenuItem>();
    item->command = command;
    const UINT state = GetMenuState(Handle(), static_cast<UINT>(position), MF_BYPOSITION);
    item->text = Widen(ItemText(Handle(), position));
    if (popup) {
        item->flags = MF_OWNERDRAW | MF_BYPOSITION | MF_POPUP;
    } else if (state & MF_SEPARATOR) {
        item->flags = MF_OWNERDRAW | MF_BYPOSITION | MF_SEPARATOR;
    } else {
        item->flags = MF_OWNERDRAW | MF_BYPOSITION | (state & (MF_GRAYED | MF_DISABLED | MF_CHECKED));
    }
    return item;
}

// Hands an owner-drawn item's request to the menu that owns the item; false for an item
// of no icon menu.
template <class Request>
bool IconMenu::PassToOwner(Request* request, void (IconMenu::*handle)(Request*),
                           LRESULT& result) {
    IconMenu* owner = request->CtlType == ODT_MENU
                          ? OwnerOf(reinterpret_cast<const IconMenuItem*>(request->itemData))
                          : nullptr;
    if (!owner) return false;
    (owner->*handle)(request);
    result = TRUE;
    return true;
}

bool IconMenu::OnHookedMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& result) {
    switch (message) {
    case WM_MEASUREITEM:
        return PassToOwner(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), &IconMenu::MeasureItem,
                           result);
    case WM_DRAWITEM:
        return PassToOwner(reinterpret_cast<DRAWITEMSTRUCT*>(lParam), &IconMenu::DrawItem, result);
    case WM_MENUCHAR: {
        HMENU popup = reinterpret_cast<HMENU>(lParam);
        if (!IsIconMenuPopup(popup) || !OwnerOf(popup)) return false;
        result = FindMnemonic(LOWORD(wParam), HIWORD(wParam), popup);
        return true;
    }
    default:
        return false;
    }
}

bool IconMenu::IsIconMenuPopup(HMENU menu) {
    const std::vector<HMENU>& popups = PopupList();
    return menu && std::find(popups.begin(), popups.end(), menu) != popups.end();
}

std::string IconMenu::ItemText(HMENU menu, int position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE | MIIM_DATA;
    if (GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) &&
        (info.fType & MFT_OWNERDRAW) && info.dwItemData && IsIconMenuPopup(menu)) {
        return reinterpret_cast<const IconMenuItem*>(info.dwItemData)->AnsiText();
    }
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

int IconMenu::SystemClass() {
    return SystemClassSlot();
}

void IconMenu::SetSystemClass(int systemClass) {
    SystemClassSlot() = systemClass;
}
