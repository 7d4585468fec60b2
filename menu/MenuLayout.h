#pragma once
// The geometry and text rules of the owner-drawn menu items, free of the window system:
// item sizes, the rectangles of an item's image column, highlight, mark and text, the
// check-mark pixels, the accelerator padding and the mnemonic search.
#include <functional>
#include <string>
#include <vector>

namespace iconmenu {

struct Point {
    int x, y;
};
struct Rect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
struct Size {
    int width, height;
};

// The size the system is given for an item: a separator is half a menu bar high; other
// items leave room for the image column on the left and the accelerator's margin.
Size SeparatorSize(int menuBarHeight);
Size ItemSize(int textWidth, int menuBarHeight, int imageWidth, int imageHeight);

// Where the parts of an item with rectangle `item` go.
struct ItemLayout {
    Point image;      // the image's top-left corner
    Rect frame;       // the image frame, 4 pixels wider and higher than the image
    Rect frameInside; // the frame without its one-pixel border
    Rect markBox;     // the check-mark box of an item without an image
    Rect text;        // the text, right edge before the accelerator column moves in
    int highlightLeft; // where the highlight starts beside an image or a check mark
};
ItemLayout LayoutItem(const Rect& item, int imageWidth, int imageHeight);

// The line of a separator: the item's top edge moved down to half its height.
Rect SeparatorLine(const Rect& item);

// The 21 pixels of the check mark drawn in `markBox`.
std::vector<Point> CheckMarkPixels(const Rect& markBox);
// The 6 x 6 bounding box of the radio dot drawn in `markBox`.
Rect RadioDot(const Rect& markBox);

// An item text split for drawing: the part before the first tab and the part after the
// last one (the accelerator); without a tab the whole text is the left part.
struct TabParts {
    std::string left;
    std::string right;
    bool hasTab = false;
};
TabParts SplitAtTabs(const std::string& text);

// Pads the texts of one menu level so that the accelerators start in one column: W is
// the widest measure of a text's part before its first tab (the whole text without a
// tab) followed by a blank; every text with a tab gets blanks before its tab until that
// part measures at least W. Texts without a tab are returned unchanged.
std::vector<std::string> PadAcceleratorTexts(const std::vector<std::string>& texts,
                                             const std::function<int(const std::string&)>& measure);

// The position of the first text holding "&" followed by `character`, compared with
// ASCII letters in lower case; -1 when none does.
int FindMnemonic(const std::vector<std::u16string>& texts, char16_t character);

// The system class from the version information: 0 Win32s, 1 Windows 9x family (4 and
// later), 2 Windows NT before 4.0, 3 Windows NT 4.0 and later. The new look (frames,
// three-dimensional colours) belongs to classes 1 and 3.
int SystemClass(unsigned long platformId, unsigned long majorVersion);
bool IsNewLook(int systemClass);

} // namespace iconmenu
