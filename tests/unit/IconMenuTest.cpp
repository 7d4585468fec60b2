#include "menu/MenuLayout.h"
#include "menu/MenuTemplate.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <utility>

using namespace iconmenu;

namespace {

// Builds menu template bytes word by word.
struct TemplateBytes {
    std::vector<unsigned char> bytes;
    TemplateBytes& Word(unsigned value) {
        bytes.push_back(static_cast<unsigned char>(value & 0xFF));
        bytes.push_back(static_cast<unsigned char>(value >> 8));
        return *this;
    }
    TemplateBytes& Text(const std::u16string& text) {
        for (char16_t c : text) Word(c);
        return Word(0);
    }
    TemplateBytes& Item(unsigned flags, unsigned id, const std::u16string& text) {
        return Word(flags).Word(id).Text(text);
    }
    TemplateBytes& Popup(unsigned flags, const std::u16string& text) {
        return Word(flags | 0x10).Text(text);
    }
};

// A file menu, a separator and a nested popup, then a second top-level popup.
TemplateBytes SampleTemplate() {
    TemplateBytes t;
    t.Word(0).Word(0);
    t.Popup(0, u"ファイル(&F)");
    t.Item(0, 32781, u"設定ファイルの読み込み(&O)...\tCtrl+O");
    t.Item(0, 0, u"");
    t.Popup(0, u"Sub");
    t.Item(0x01 /* grayed */, 7, u"Inner");
    t.Item(0x80, 8, u"Last inner");
    t.Item(0x80, 32785, u"工場出荷設定を表示(&I)\tCtrl+I");
    t.Popup(0x80, u"ヘルプ(&H)");
    t.Item(0x80, 57, u"バージョン情報(&A)...");
    return t;
}

} // namespace

TEST(IconMenuTemplate, WalksNestedPopupsAndEndFlags) {
    TemplateBytes t = SampleTemplate();
    std::vector<TemplateItem> top;
    ASSERT_TRUE(ParseMenuTemplate(t.bytes.data(), t.bytes.size(), top));
    ASSERT_EQ(2u, top.size());
    EXPECT_TRUE(top[0].IsPopup());
    EXPECT_EQ(u"ファイル(&F)", top[0].text);
    ASSERT_EQ(4u, top[0].items.size());
    EXPECT_EQ(32781, top[0].items[0].id);
    EXPECT_EQ(u"設定ファイルの読み込み(&O)...\tCtrl+O", top[0].items[0].text);
    EXPECT_EQ(0, top[0].items[1].id);
    EXPECT_EQ(u"", top[0].items[1].text);
    const TemplateItem& sub = top[0].items[2];
    ASSERT_TRUE(sub.IsPopup());
    ASSERT_EQ(2u, sub.items.size());
    EXPECT_EQ(0x01, sub.items[0].flags);
    EXPECT_EQ(0, sub.items[1].flags); // the end flag is not passed on
    EXPECT_EQ(8, sub.items[1].id);
    EXPECT_EQ(32785, top[0].items[3].id);
    EXPECT_EQ(0x10, top[1].flags);
    ASSERT_EQ(1u, top[1].items.size());
    EXPECT_EQ(57, top[1].items[0].id);
}

TEST(IconMenuTemplate, HeaderOffsetIsSkipped) {
    TemplateBytes t;
    t.Word(0).Word(4).Word(0xAAAA).Word(0xBBBB).Item(0x80, 3, u"x");
    std::vector<TemplateItem> top;
    ASSERT_TRUE(ParseMenuTemplate(t.bytes.data(), t.bytes.size(), top));
    ASSERT_EQ(1u, top.size());
    EXPECT_EQ(3, top[0].id);
}

TEST(IconMenuTemplate, CutShortTemplatesFailAtEveryLength) {
    TemplateBytes t = SampleTemplate();
    std::vector<TemplateItem> top;
    for (std::size_t size = 0; size < t.bytes.size(); ++size) {
        EXPECT_FALSE(ParseMenuTemplate(t.bytes.data(), size, top)) << size;
    }
    TemplateBytes pastEnd;
    pastEnd.Word(0).Word(100).Item(0x80, 1, u"x");
    EXPECT_FALSE(ParseMenuTemplate(pastEnd.bytes.data(), pastEnd.bytes.size(), top));
}

TEST(IconMenuTemplate, ToolbarResourceGivesTheButtonsImageIndex) {
    TemplateBytes t;
    t.Word(1).Word(16).Word(15).Word(5).Word(100).Word(0).Word(101).Word(0).Word(102);
    EXPECT_EQ(0, ToolbarImageIndex(t.bytes.data(), t.bytes.size(), 100));
    EXPECT_EQ(1, ToolbarImageIndex(t.bytes.data(), t.bytes.size(), 101));
    EXPECT_EQ(2, ToolbarImageIndex(t.bytes.data(), t.bytes.size(), 102));
    EXPECT_EQ(-1, ToolbarImageIndex(t.bytes.data(), t.bytes.size(), 103));
    EXPECT_EQ(-1, ToolbarImageIndex(t.bytes.data(), t.bytes.size() - 2, 102)); // cut short
}

TEST(IconMenuLayout, ItemSizes) {
    EXPECT_EQ(0, SeparatorSize(19).width);
    EXPECT_EQ(9, SeparatorSize(19).height); // half the menu bar, rounded down
    EXPECT_EQ(10, SeparatorSize(20).height);
    // 16 x 15 images: 33 pixels more than the text, at least 19 high.
    EXPECT_EQ(133, ItemSize(100, 18, 16, 15).width);
    EXPECT_EQ(19, ItemSize(100, 18, 16, 15).height);
    EXPECT_EQ(23, ItemSize(100, 23, 16, 15).height);
}

TEST(IconMenuLayout, ImageColumnOfANineteenPixelItem) {
    ItemLayout layout = LayoutItem({10, 40, 210, 59}, 16, 15);
    EXPECT_EQ(12, layout.image.x);
    EXPECT_EQ(42, layout.image.y);
    // Frame 20 x 19 from the item's corner; its inside 18 x 17.
    EXPECT_EQ(10, layout.frame.left);
    EXPECT_EQ(40, layout.frame.top);
    EXPECT_EQ(20, layout.frame.Width());
    EXPECT_EQ(19, layout.frame.Height());
    EXPECT_EQ(11, layout.frameInside.left);
    EXPECT_EQ(41, layout.frameInside.top);
    EXPECT_EQ(18, layout.frameInside.Width());
    EXPECT_EQ(17, layout.frameInside.Height());
    EXPECT_EQ(31, layout.highlightLeft); // 21 pixels in
    EXPECT_EQ(35, layout.text.left);     // 25 pixels in
    EXPECT_EQ(39, layout.text.top);
    EXPECT_EQ(210, layout.text.right);
    EXPECT_EQ(58, layout.text.bottom);
    EXPECT_EQ(11, layout.markBox.left);
    EXPECT_EQ(42, layout.markBox.top);
    EXPECT_EQ(27, layout.markBox.right);
    EXPECT_EQ(57, layout.markBox.bottom);
}

TEST(IconMenuLayout, TallItemsCentreTheImageAndShortOnesDoNotGoNegative) {
    ItemLayout tall = LayoutItem({0, 100, 50, 126}, 16, 15); // 26 high: gap 3
    EXPECT_EQ(105, tall.image.y);
    EXPECT_EQ(103, tall.frame.top);
    EXPECT_EQ(122, tall.frame.bottom);
    ItemLayout shortItem = LayoutItem({0, 0, 50, 12}, 16, 15);
    EXPECT_EQ(2, shortItem.image.y);
    EXPECT_EQ(0, shortItem.frame.top);
}

TEST(IconMenuLayout, SeparatorLineAtHalfHeight) {
    Rect line = SeparatorLine({5, 20, 100, 29});
    EXPECT_EQ(24, line.top);
    EXPECT_EQ(5, line.left);
    EXPECT_EQ(100, line.right);
}

TEST(IconMenuLayout, CheckMarkPixelsAndRadioDot) {
    const Rect box = {1, 2, 17, 17};
    std::set<std::pair<int, int>> expected;
    const int rows[7][2] = {{2, 4}, {3, 5}, {4, 6}, {3, 5}, {2, 4}, {1, 3}, {0, 2}};
    for (int column = 0; column < 7; ++column) {
        for (int row = rows[column][0]; row <= rows[column][1]; ++row) {
            expected.insert({5 + column, 6 + row});
        }
    }
    std::set<std::pair<int, int>> actual;
    for (Point p : CheckMarkPixels(box)) actual.insert({p.x, p.y});
    EXPECT_EQ(21u, CheckMarkPixels(box).size());
    EXPECT_EQ(expected, actual);
    Rect dot = RadioDot(box);
    EXPECT_EQ(6, dot.left);
    EXPECT_EQ(6, dot.top);
    EXPECT_EQ(6, dot.Width());
    EXPECT_EQ(6, dot.Height());
}

TEST(IconMenuText, SplitAtFirstAndLastTab) {
    TabParts parts = SplitAtTabs("機能選択(&K)\tCtrl+K");
    EXPECT_TRUE(parts.hasTab);
    EXPECT_EQ("機能選択(&K)", parts.left);
    EXPECT_EQ("Ctrl+K", parts.right);
    parts = SplitAtTabs("a\tb\tc");
    EXPECT_EQ("a", parts.left);
    EXPECT_EQ("c", parts.right);
    parts = SplitAtTabs("バージョン情報(&A)...");
    EXPECT_FALSE(parts.hasTab);
    EXPECT_EQ("バージョン情報(&A)...", parts.left);
    EXPECT_EQ("", parts.right);
}

TEST(IconMenuText, PaddingPutsAcceleratorsInOneColumn) {
    // Blanks 3 pixels wide, everything else 7 per byte.
    auto measure = [](const std::string& s) {
        int width = 0;
        for (char c : s) width += c == ' ' ? 3 : 7;
        return width;
    };
    std::vector<std::string> texts = {"ab\tCtrl+O", "abcdef\tCtrl+W", "abcdefgh", "x\tF1"};
    std::vector<std::string> padded = PadAcceleratorTexts(texts, measure);
    // Widest part plus a blank: "abcdefgh " = 59 (the item without a tab counts).
    ASSERT_EQ(4u, padded.size());
    EXPECT_EQ("ab" + std::string(15, ' ') + "\tCtrl+O", padded[0]); // 14 + 45 = 59
    EXPECT_EQ("abcdef" + std::string(6, ' ') + "\tCtrl+W", padded[1]); // 42 + 18 = 60
    EXPECT_EQ("abcdefgh", padded[2]);
    EXPECT_EQ("x" + std::string(18, ' ') + "\tF1", padded[3]); // 7 + 54 = 61
    for (std::size_t i : {0u, 1u, 3u}) {
        EXPECT_GE(measure(SplitAtTabs(padded[i]).left), 59) << i;
    }
}

TEST(IconMenuText, WidestTextWithATabGetsOneBlank) {
    auto measure = [](const std::string& s) { return static_cast<int>(s.size()) * 5; };
    std::vector<std::string> padded =
        PadAcceleratorTexts({"設定ファイルの読み込み(&O)...\tCtrl+O", "終了(&X)\tAlt+F4"}, measure);
    EXPECT_EQ("設定ファイルの読み込み(&O)... \tCtrl+O", padded[0]);
    EXPECT_EQ(SplitAtTabs(padded[0]).left.size(), SplitAtTabs(padded[1]).left.size());
    EXPECT_EQ("Alt+F4", SplitAtTabs(padded[1]).right);
}

TEST(IconMenuText, MnemonicInEitherCase) {
    std::vector<std::u16string> texts = {u"パラメータ設定（&P）\tCtrl+P", u"機能選択(&K)\tCtrl+K",
                                         u"K without a mnemonic", u"Second (&K)",
                                         u"Zoom (&z)", u"(&A)ll"};
    EXPECT_EQ(1, FindMnemonic(texts, u'k'));
    EXPECT_EQ(1, FindMnemonic(texts, u'K'));
    EXPECT_EQ(0, FindMnemonic(texts, u'p'));
    EXPECT_EQ(4, FindMnemonic(texts, u'Z'));
    EXPECT_EQ(5, FindMnemonic(texts, u'a'));
    EXPECT_EQ(-1, FindMnemonic(texts, u'q'));
    EXPECT_EQ(-1, FindMnemonic({}, u'k'));
}

TEST(IconMenuLook, SystemClassFromTheVersion) {
    EXPECT_EQ(0, SystemClass(0, 3));
    EXPECT_EQ(1, SystemClass(1, 4));
    EXPECT_EQ(2, SystemClass(2, 3));
    EXPECT_EQ(3, SystemClass(2, 4));
    EXPECT_EQ(3, SystemClass(2, 5));
    EXPECT_FALSE(IsNewLook(0));
    EXPECT_TRUE(IsNewLook(1));
    EXPECT_FALSE(IsNewLook(2));
    EXPECT_TRUE(IsNewLook(3));
}

// A long item beside short ones with long accelerators: blanks narrow against the other
// characters still bring every accelerator into the one column.
TEST(IconMenuText, PaddingReachesTheColumnBesideAVeryLongItem) {
    auto measure = [](const std::string& s) {
        int width = 0;
        for (char c : s) width += c == ' ' ? 1 : 12;
        return width;
    };
    std::vector<std::string> padded =
        PadAcceleratorTexts({std::string(40, 'W') + "\tF1", "x\tCtrl+X"}, measure);
    // 40 * 12 + 1 = 481: "x" (12) needs 469 blanks.
    EXPECT_EQ("x" + std::string(469, ' ') + "\tCtrl+X", padded[1]);
    // A measure that ignores blanks gets one and no more.
    auto blind = [](const std::string& s) {
        return static_cast<int>(s.size() - std::count(s.begin(), s.end(), ' ')) * 12;
    };
    EXPECT_EQ("x \tF2", PadAcceleratorTexts({"xxxx\tF1", "x\tF2"}, blind)[1]);
}
