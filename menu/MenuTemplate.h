#pragma once
// Reading a menu template resource (the classic format: a four-byte header, then for
// each item a flags word, an identifier word unless the item opens a popup, and a
// zero-terminated UTF-16 text; the end flag marks the last item of a level). Also the
// toolbar resource that may give a bitmap's image index for a command.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace iconmenu {

constexpr std::uint16_t kPopupFlag = 0x10;
constexpr std::uint16_t kEndFlag = 0x80;

struct TemplateItem {
    std::uint16_t flags = 0; // as in the template, without the end flag
    std::uint16_t id = 0;    // 0 for popups and separators
    std::u16string text;
    std::vector<TemplateItem> items; // a popup's own level

    bool IsPopup() const { return (flags & kPopupFlag) != 0; }
};

// The top level of the template in `data`; false when the template is cut short (a
// level without its end flag, a text without its terminator) or its header points
// past the end.
bool ParseMenuTemplate(const unsigned char* data, std::size_t size,
                       std::vector<TemplateItem>& topLevel);

// The image index of `command` in a toolbar resource (version, image width and height,
// item count, then one identifier per item, 0 for a separator): the number of buttons
// before it. -1 when the command is not on the toolbar or the resource is cut short.
int ToolbarImageIndex(const unsigned char* data, std::size_t size, unsigned command);

} // namespace iconmenu
