// The icon menu's template walk and toolbar lookup on any bytes, read only within the
// given size: a template that parses writes back into bytes that parse to the same tree,
// and an image index is always one of the toolbar's buttons or -1.
#include "tests/fuzz/engine/Fuzz.h"

#include "menu/MenuTemplate.h"

#include <cstring>
#include <vector>

using namespace iconmenu;

namespace {

void PutWord(std::vector<unsigned char>& out, std::uint16_t word) {
    out.push_back(static_cast<unsigned char>(word & 0xFF));
    out.push_back(static_cast<unsigned char>(word >> 8));
}

void WriteLevel(const std::vector<TemplateItem>& level, std::vector<unsigned char>& out) {
    for (std::size_t i = 0; i < level.size(); ++i) {
        const TemplateItem& item = level[i];
        PutWord(out,
                static_cast<std::uint16_t>(item.flags | (i + 1 == level.size() ? kEndFlag : 0)));
        if (!item.IsPopup()) PutWord(out, item.id);
        for (char16_t unit : item.text)
            PutWord(out, unit);
        PutWord(out, 0);
        if (item.IsPopup()) WriteLevel(item.items, out);
    }
}

bool SameTree(const std::vector<TemplateItem>& a, const std::vector<TemplateItem>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].flags != b[i].flags || a[i].id != b[i].id || a[i].text != b[i].text ||
            !SameTree(a[i].items, b[i].items))
            return false;
    }
    return true;
}

void CheckLevel(const std::vector<TemplateItem>& level) {
    FUZZ_CHECK(!level.empty());
    for (const TemplateItem& item : level) {
        FUZZ_CHECK((item.flags & kEndFlag) == 0);
        FUZZ_CHECK(item.text.find(u'\0') == std::u16string::npos);
        if (item.IsPopup()) {
            FUZZ_CHECK(item.id == 0);
            CheckLevel(item.items);
        } else {
            FUZZ_CHECK(item.items.empty());
        }
    }
}

} // namespace

const std::size_t fuzz::kMaxInputSize = 2048;

void fuzz::FuzzOne(const std::uint8_t* data, std::size_t size) {
    std::vector<TemplateItem> tree;
    if (ParseMenuTemplate(data, size, tree)) {
        CheckLevel(tree);
        std::vector<unsigned char> written(4, 0);
        WriteLevel(tree, written);
        std::vector<TemplateItem> again;
        FUZZ_CHECK(ParseMenuTemplate(written.data(), written.size(), again));
        FUZZ_CHECK(SameTree(tree, again));
        // Cut short by one byte, the written template is refused.
        FUZZ_CHECK(!ParseMenuTemplate(written.data(), written.size() - 1, again));
    }
    unsigned command = size >= 2 ? data[0] | data[1] << 8 : 0;
    int image = ToolbarImageIndex(data, size, command);
    if (image >= 0) {
        FUZZ_CHECK(size >= 8);
        unsigned count = data[6] | data[7] << 8;
        FUZZ_CHECK(static_cast<unsigned>(image) < count);
        FUZZ_CHECK(size >= 8 + 2 * (static_cast<std::size_t>(image) + 1));
    }
}
