// Painting of the icon menu's owner-drawn items.
#include "menu/IconMenu.h"

using iconmenu::ItemLayout;
using iconmenu::Point;
using iconmenu::Rect;

namespace {

// Raster operation that paints the selected brush where the monochrome source is
// black and keeps the destination where it is white.
const DWORD kPaintWhereBlack = 0x00B8074A;

COLORREF Sys(int index) {
    return GetSysColor(index);
}

RECT ToRect(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

void Fill(HDC dc, const Rect& r, COLORREF colour) {
    RECT area = ToRect(r);
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// A one-pixel frame: `topLeft` along the top and left edges, `bottomRight` along the
// bottom and right edges.
void Frame(HDC dc, const Rect& r, COLORREF topLeft, COLORREF bottomRight) {
    Fill(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    Fill(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

void DrawPart(HDC dc, const std::string& text, Rect box, UINT align, COLORREF colour) {
    RECT area = ToRect(box);
    SetTextColor(dc, colour);
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area,
              align | DT_SINGLELINE | DT_VCENTER);
}

Rect Moved(Rect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

} // namespace

void IconMenu::DrawItem(DRAWITEMSTRUCT* request) {
    const auto* item = reinterpret_cast<const IconMenuItem*>(request->itemData);
    HDC dc = request->hDC;
    const Rect box = {request->rcItem.left, request->rcItem.top, request->rcItem.right,
                      request->rcItem.bottom};
    if (item->flags & MF_SEPARATOR) {
        RECT line = ToRect(iconmenu::SeparatorLine(box));
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool newLook = iconmenu::IsNewLook(SystemClass());
    const UINT state = request->itemState;
    const bool hasImage = item->images && item->imageIndex >= 0;
    const ItemLayout layout = iconmenu::LayoutItem(box, imageWidth, imageHeight);

    COLORREF textColour = Sys(COLOR_MENUTEXT);
    if (!(state & ODS_SELECTED)) {
        Fill(dc, box, Sys(COLOR_MENU));
    } else {
        Rect highlight = box;
        if (hasImage || (state & ODS_CHECKED)) highlight.left = layout.highlightLeft;
        Fill(dc, highlight, Sys(COLOR_HIGHLIGHT));
        textColour = Sys(COLOR_HIGHLIGHTTEXT);
    }
    if (hasImage) {
        DrawImageColumn(dc, *item, layout, state, newLook);
    } else if (state & ODS_CHECKED) {
        DrawMark(dc, *request, layout.markBox, newLook);
    }
    DrawItemText(dc, *item, layout.text, state, textColour);
}

void IconMenu::DrawImageColumn(HDC dc, const IconMenuItem& item, const ItemLayout& layout,
                               UINT state, bool newLook) const {
    const COLORREF back = Sys(COLOR_MENU);
    const COLORREF light = Sys(COLOR_BTNHIGHLIGHT), shadow = Sys(COLOR_BTNSHADOW);
    const bool checked = (state & ODS_CHECKED) != 0;
    Fill(dc, layout.frameInside, back);
    if (state & ODS_GRAYED) {
        DrawEmbossedImage(dc, item, layout.image, newLook);
        Frame(dc, layout.frame, back, back);
        return;
    }
    if (state & ODS_SELECTED) {
        Fill(dc, layout.frame, back);
        if (newLook) Frame(dc, layout.frame, checked ? shadow : light, checked ? light : shadow);
    } else if (checked) {
        Fill(dc, layout.frame, newLook ? Sys(COLOR_3DLIGHT) : back);
        if (newLook) Frame(dc, layout.frame, shadow, light);
    } else {
        Fill(dc, layout.frame, back);
    }
    ImageList_Draw(item.images, item.imageIndex, dc, layout.image.x, layout.image.y,
                   ILD_TRANSPARENT);
}

void IconMenu::DrawEmbossedImage(HDC dc, const IconMenuItem& item, Point at, bool newLook) const {
    const int w = imageWidth, h = imageHeight;
    HDC colourDc = CreateCompatibleDC(dc);
    HBITMAP colour = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ oldColour = SelectObject(colourDc, colour);
    Fill(colourDc, {0, 0, w, h}, Sys(COLOR_MENU));
    HICON icon = ImageList_GetIcon(item.images, item.imageIndex, ILD_NORMAL);
    DrawIconEx(colourDc, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);

    // The image's shape: black where it has neither the face nor the highlight colour.
    HDC maskDc = CreateCompatibleDC(dc);
    HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    SetBkColor(colourDc, Sys(COLOR_BTNFACE));
    BitBlt(maskDc, 0, 0, w, h, colourDc, 0, 0, SRCCOPY);
    SetBkColor(colourDc, Sys(COLOR_BTNHIGHLIGHT));
    BitBlt(maskDc, 0, 0, w, h, colourDc, 0, 0, SRCPAINT);

    // The shape in the highlight colour one pixel down and right, then in the shadow
    // colour in place, each on a square of the face colour.
    const COLORREF face = Sys(newLook ? COLOR_3DFACE : COLOR_MENU);
    const struct {
        int colour, offset;
    } passes[] = {{COLOR_BTNHIGHLIGHT, 1}, {COLOR_BTNSHADOW, 0}};
    SetTextColor(colourDc, RGB(0, 0, 0));
    for (const auto& pass : passes) {
        Fill(colourDc, {0, 0, w, h}, face);
        SetBkColor(colourDc, RGB(255, 255, 255));
        HBRUSH brush = CreateSolidBrush(Sys(pass.colour));
        HGDIOBJ oldBrush = SelectObject(colourDc, brush);
        BitBlt(colourDc, 0, 0, w, h, maskDc, 0, 0, kPaintWhereBlack);
        SelectObject(colourDc, oldBrush);
        DeleteObject(brush);
        BitBlt(dc, at.x + pass.offset, at.y + pass.offset, w, h, colourDc, 0, 0, SRCCOPY);
    }
    SelectObject(maskDc, oldMask);
    DeleteObject(mask);
    DeleteDC(maskDc);
    SelectObject(colourDc, oldColour);
    DeleteObject(colour);
    DeleteDC(colourDc);
}

void IconMenu::DrawMark(HDC dc, const DRAWITEMSTRUCT& request, const Rect& box,
                        bool newLook) const {
    const bool plain = (request.itemState & ODS_SELECTED) || !newLook;
    Fill(dc, box, Sys(plain ? COLOR_MENU : COLOR_3DLIGHT));
    if (newLook) {
        RECT around = {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
        DrawEdge(dc, &around, BDR_SUNKENOUTER, BF_RECT);
    }
    // Radio-style items carry a bitmap for their checked state.
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    GetMenuItemInfoA(reinterpret_cast<HMENU>(request.hwndItem), request.itemID, FALSE, &info);
    const COLORREF mark = Sys(COLOR_MENUTEXT);
    if (info.hbmpChecked) {
        const Rect dot = iconmenu::RadioDot(box);
        HBRUSH brush = CreateSolidBrush(mark);
        HPEN pen = CreatePen(PS_SOLID, 1, mark);
        HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
        Ellipse(dc, dot.left, dot.top, dot.right, dot.bottom);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
        return;
    }
    for (Point pixel : iconmenu::CheckMarkPixels(box)) SetPixel(dc, pixel.x, pixel.y, mark);
}

void IconMenu::DrawItemText(HDC dc, const IconMenuItem& item, Rect box, UINT state,
                            COLORREF colour) const {
    const iconmenu::TabParts parts = iconmenu::SplitAtTabs(item.AnsiText());
    if (parts.hasTab) box.right -= imageWidth;
    SetBkMode(dc, TRANSPARENT);
    auto draw = [&](Rect where, COLORREF left, COLORREF right) {
        DrawPart(dc, parts.left, where, DT_LEFT, left);
        if (parts.hasTab) DrawPart(dc, parts.right, where, DT_RIGHT, right);
    };
    if (!(state & ODS_GRAYED)) {
        draw(box, colour, colour);
    } else if (state & ODS_SELECTED) {
        draw(box, Sys(COLOR_MENU), Sys(COLOR_MENU));
    } else {
        draw(Moved(box, 1, 1), Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNHIGHLIGHT));
        draw(box, Sys(COLOR_GRAYTEXT), Sys(COLOR_GRAYTEXT));
    }
}
