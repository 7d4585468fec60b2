#include "menu/MenuLayout.h"

#include <algorithm>

namespace iconmenu {
namespace {

// Space around the image: a two-pixel margin on each side inside the frame.
constexpr int kFrameMargin = 4;

char16_t LowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

} // namespace

Size SeparatorSize(int menuBarHeight) {
    return {0, menuBarHeight / 2};
}

Size ItemSize(int textWidth, int menuBarHeight, int imageWidth, int imageHeight) {
    return {textWidth + 2 * imageWidth + 1, std::max(menuBarHeight, imageHeight + kFrameMargin)};
}

ItemLayout LayoutItem(const Rect& item, int imageWidth, int imageHeight) {
    const int L = item.left, T = item.top;
    const int gap = std::max(0, (item.Height() - imageHeight - kFrameMargin) / 2);
    const int imageTop = gap + 2;
    ItemLayout layout;
    layout.image = {L + 2, T + imageTop};
    layout.frame = {L, T + gap, L + imageWidth + kFrameMargin, T + gap + imageHeight + kFrameMargin};
    layout.frameInside = {L + 1, T + gap + 1, L + imageWidth + 3, T + gap + imageHeight + 3};
    layout.markBox = {L + 1, T + imageTop, L + imageWidth + 1, T + gap + imageHeight + 2};
    layout.text = {L + imageWidth + 9, T - 1, item.right, item.bottom - 1};
    layout.highlightLeft = L + imageWidth + 5;
    return layout;
}

Rect SeparatorLine(const Rect& item) {
    Rect line = item;
    line.top += item.Height() / 2;
    return line;
}

std::vector<Point> CheckMarkPixels(const Rect& markBox) {
    // First row of each column's three pixels: down, then up.
    static const int kFirstRow[7] = {2, 3, 4, 3, 2, 1, 0};
    const int x = markBox.left + 4, y = markBox.top + 4;
    std::vector<Point> pixels;
    for (int column = 0; column < 7; ++column) {
        for (int row = kFirstRow[column]; row < kFirstRow[column] + 3; ++row) {
            pixels.push_back({x + column, y + row});
        }
    }
    return pixels;
}

Rect RadioDot(const Rect& markBox) {
    const int x = markBox.left + 5, y = markBox.top + 4;
    return {x, y, x + 6, y + 6};
}

TabParts SplitAtTabs(const std::string& text) {
    TabParts parts;
    const std::size_t first = text.find('\t');
    parts.left = text.substr(0, first);
    if (first != std::string::npos) {
        parts.hasTab = true;
        parts.right = text.substr(text.rfind('\t') + 1);
    }
    return parts;
}

std::vector<std::string> PadAcceleratorTexts(const std::vector<std::string>& texts,
                                             const std::function<int(const std::string&)>& measure) {
    int widest = 0;
    for (const std::string& text : texts) {
        widest = std::max(widest, measure(text.substr(0, text.find('\t')) + " "));
    }
    std::vector<std::string> padded;
    for (const std::string& text : texts) {
        const std::size_t tab = text.find('\t');
        if (tab == std::string::npos) {
            padded.push_back(text);
            continue;
        }
        std::string left = text.substr(0, tab);
        // Blanks until the part is as wide as the widest; stop should a blank add nothing.
        for (int width = measure(left); width < widest;) {
            left += ' ';
            int wider = measure(left);
            if (wider <= width) break;
            width = wider;
        }
        padded.push_back(left + text.substr(tab));
    }
    return padded;
}

int FindMnemonic(const std::vector<std::u16string>& texts, char16_t character) {
    const std::u16string key = {u'&', LowerAscii(character)};
    for (std::size_t position = 0; position < texts.size(); ++position) {
        std::u16string lower = texts[position];
        std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
        if (lower.find(key) != std::u16string::npos) return static_cast<int>(position);
    }
    return -1;
}

int SystemClass(unsigned long platformId, unsigned long majorVersion) {
    const bool fourOrLater = majorVersion >= 4;
    switch (platformId) {
    case 0: // Win32s
        return 0;
    case 2: // Windows NT family
        return fourOrLater ? 3 : 2;
    default: // Windows 9x family
        return 1;
    }
}

bool IsNewLook(int systemClass) {
    return systemClass == 1 || systemClass == 3;
}

} // namespace iconmenu
