#include "menu/MenuTemplate.h"

namespace iconmenu {
namespace {

class Reader {
public:
    Reader(const unsigned char* data, std::size_t size) : data(data), size(size) {}

    bool Word(std::uint16_t& value) {
        if (size - offset < 2) return false;
        value = static_cast<std::uint16_t>(data[offset] | data[offset + 1] << 8);
        offset += 2;
        return true;
    }
    bool Text(std::u16string& text) {
        text.clear();
        for (std::uint16_t unit; Word(unit);) {
            if (unit == 0) return true;
            text.push_back(static_cast<char16_t>(unit));
        }
        return false;
    }
    bool Skip(std::size_t bytes) {
        if (bytes > size - offset) return false;
        offset += bytes;
        return true;
    }

private:
    const unsigned char* data;
    std::size_t size;
    std::size_t offset = 0;
};

// Reads one level up to and including its item with the end flag.
bool ReadLevel(Reader& reader, std::vector<TemplateItem>& level) {
    for (;;) {
        TemplateItem item;
        std::uint16_t flags;
        if (!reader.Word(flags)) return false;
        item.flags = flags & ~kEndFlag;
        if (!item.IsPopup() && !reader.Word(item.id)) return false;
        if (!reader.Text(item.text)) return false;
        if (item.IsPopup() && !ReadLevel(reader, item.items)) return false;
        level.push_back(std::move(item));
        if (flags & kEndFlag) return true;
    }
}

} // namespace

bool ParseMenuTemplate(const unsigned char* data, std::size_t size,
                       std::vector<TemplateItem>& topLevel) {
    Reader reader(data, size);
    std::uint16_t version, headerSize;
    topLevel.clear();
    return reader.Word(version) && reader.Word(headerSize) && reader.Skip(headerSize) &&
           ReadLevel(reader, topLevel);
}

int ToolbarImageIndex(const unsigned char* data, std::size_t size, unsigned command) {
    Reader reader(data, size);
    std::uint16_t version, width, height, count;
    if (!reader.Word(version) || !reader.Word(width) || !reader.Word(height) ||
        !reader.Word(count))
        return -1;
    int image = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
        std::uint16_t id;
        if (!reader.Word(id)) return -1;
        if (id == 0) continue;
        if (id == command) return image;
        ++image;
    }
    return -1;
}

} // namespace iconmenu
