// The help generator: reading the help sources, the Windows Help file read back the way
// a help viewer reads it, the contents file and the HTML Help project.
#include "tools/helpgen/HelpBook.h"
#include "tools/helpgen/HtmlHelpProject.h"
#include "tools/helpgen/ProgramTexts.h"
#include "tools/helpgen/SettingLists.h"
#include "tools/helpgen/WinHelpFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using namespace helpgen;

namespace {

// Sources are UTF-8 (u8 literals); expected texts are plain literals, CP932 in this
// test's build like everywhere in the program.
HelpBook Book(const std::string& project, const std::map<std::string, std::string>& topics) {
    return ReadHelpBook(
        project,
        [&](const std::string& id) -> std::optional<std::string> {
            auto found = topics.find(id);
            if (found == topics.end()) return std::nullopt;
            return found->second;
        },
        SettingLists());
}

const std::string kProject = u8"title テストのヘルプ\nfont ＭＳ Ｐゴシック\ncontents\n1 top\n2 child\n1 last\n";

std::map<std::string, std::string> Topics() {
    return {{"top", u8"# 最初\n@index 鍵; 共通\n本文と[[child]]です。\n## 見出し\n- 項目 **太字**\n"},
            {"child", u8"# 子の話題\n@index 共通\nフォント：{list:font}。ピッチ：{range:lf_pitch}。\n"},
            {"last", u8"# 最後\n[[top|戻る]]\n"}};
}

std::uint32_t U32(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8 |
           static_cast<unsigned char>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
unsigned U16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

// Reads a .hlp file as a viewer does: internal files through the directory B+ tree,
// B+ tree leaves in their chain, topic records through their TOPICPOS chain.
struct HlpReader {
    std::string file;
    std::map<std::string, std::string> files;

    explicit HlpReader(const std::string& bytes) : file(bytes) {
        for (const auto& [key, value] : Leaves(Internal(U32(file, 4))))
            files[key.substr(0, key.size() - 1)] = Internal(U32(value, 0));
    }
    std::string Internal(std::uint32_t at) const { return file.substr(at + 9, U32(file, at + 4)); }

    // Leaf entries in chain order; the key is split off by the tree's structure.
    std::vector<std::pair<std::string, std::string>> Leaves(const std::string& tree) const {
        EXPECT_EQ(U16(tree, 0), 0x293Bu);
        unsigned pageSize = U16(tree, 4);
        std::string structure = tree.substr(6, 16).c_str();
        unsigned page = U16(tree, 26);
        for (unsigned level = U16(tree, 32); level > 1; --level)
            page = U16(tree, 38 + page * pageSize + 4); // first child
        std::vector<std::pair<std::string, std::string>> entries;
        while (page != 0xFFFF) {
            std::size_t at = 38 + page * pageSize;
            unsigned count = U16(tree, at + 2);
            std::size_t p = at + 8;
            for (unsigned i = 0; i < count; ++i) {
                std::size_t keyEnd = structure[0] == 'L' ? p + 4 : tree.find('\0', p) + 1;
                std::size_t valueEnd = structure == "z4" || structure == "L4" ? keyEnd + 4
                                       : structure == "F24"                   ? keyEnd + 6
                                                                              : tree.find('\0', keyEnd) + 1;
                entries.push_back({tree.substr(p, keyEnd - p), tree.substr(keyEnd, valueEnd - keyEnd)});
                p = valueEnd;
            }
            page = U16(tree, at + 6);
        }
        return entries;
    }

    struct Record {
        unsigned type;
        std::uint32_t pos;
        std::string data1, data2;
    };
    // The |TOPIC records from TOPICPOS 12 on, block headers taken out.
    std::vector<Record> Records() const {
        const std::string& topic = files.at("|TOPIC");
        std::string data;
        for (std::size_t block = 0; block < topic.size(); block += 4096)
            data += topic.substr(block + 12, 4096 - 12);
        std::vector<Record> records;
        for (std::uint32_t pos = 12; pos != 0xFFFFFFFF;) {
            std::size_t at = ((pos - 12) >> 14) * 4084 + ((pos - 12) & 0x3FFF);
            std::uint32_t size = U32(data, at), length1 = U32(data, at + 16);
            records.push_back({static_cast<unsigned char>(data[at + 20]), pos,
                               data.substr(at + 21, length1 - 21), data.substr(at + length1, size - length1)});
            pos = U32(data, at + 12);
        }
        return records;
    }
};

} // namespace

TEST(HelpSources, ReadsTopicsInContentsOrderAsCp932) {
    HelpBook book = Book(kProject, Topics());
    EXPECT_EQ(book.title, "テストのヘルプ");
    ASSERT_EQ(book.topics.size(), 3u);
    EXPECT_EQ(book.topics[1].id, "child");
    EXPECT_EQ(book.topics[1].level, 2);
    EXPECT_EQ(book.topics[0].keywords, (std::vector<std::string>{"鍵", "共通"}));
    const Paragraph& body = book.topics[0].paragraphs[0];
    ASSERT_EQ(body.runs.size(), 3u);
    EXPECT_EQ(body.runs[1].kind, Run::Kind::Link);
    EXPECT_EQ(body.runs[1].text, "子の話題"); // a link without text shows the target's title
    EXPECT_EQ(book.topics[0].paragraphs[1].kind, Paragraph::Kind::Heading);
    EXPECT_EQ(book.topics[0].paragraphs[2].kind, Paragraph::Kind::Bullet);
    EXPECT_EQ(book.topics[0].paragraphs[2].runs[1].kind, Run::Kind::Bold);
    EXPECT_EQ(book.topics[2].paragraphs[0].runs[0].text, "戻る");
}

TEST(HelpSources, ListsComeFromTheProgramsTextTables) {
    HelpBook book = Book(kProject, Topics());
    EXPECT_EQ(book.topics[1].paragraphs[0].runs[0].text,
              "フォント：「標準」、「イタリック」、「クーリエ」、「ゴシック」、「OCR-B」。"
              "ピッチ：「-5」～「+5」。");
}

TEST(HelpSources, RefusesMissingTopicsBadLinksAndUnknownLists) {
    auto topics = Topics();
    topics.erase("child");
    EXPECT_THROW(Book(kProject, topics), SourceError);
    topics = Topics();
    topics["last"] = u8"# 最後\n[[nowhere]]\n";
    EXPECT_THROW(Book(kProject, topics), SourceError);
    topics = Topics();
    topics["last"] = u8"# 最後\n{list:colours}\n";
    EXPECT_THROW(Book(kProject, topics), SourceError);
    topics = Topics();
    topics["last"] = u8"本文だけ\n"; // no title
    EXPECT_THROW(Book(kProject, topics), SourceError);
    EXPECT_THROW(Book(u8"title t\nfont f\ncontents\n1 top\n3 child\n", Topics()), SourceError);
    EXPECT_NO_THROW(Book(kProject, Topics()));
}

TEST(WinHelp, ContextHashIsWindowsHelpsAndIgnoresCase) {
    EXPECT_EQ(ContextHash("a"), 17);
    EXPECT_EQ(ContextHash("ab"), 749);
    EXPECT_EQ(ContextHash("A1_"), 31489);
    EXPECT_EQ(ContextHash("Page_Param"), ContextHash("page_param"));
    EXPECT_NE(ContextHash("page_msw1"), ContextHash("page_msw2"));
}

TEST(WinHelp, FileSystemSystemAndFont) {
    std::string hlp = WinHelpFile(Book(kProject, Topics()), 0);
    EXPECT_EQ(U32(hlp, 0), 0x00035F3Fu);
    EXPECT_EQ(U32(hlp, 12), hlp.size());
    HlpReader reader(hlp);
    for (const char* name : {"|SYSTEM", "|TOPIC", "|CONTEXT", "|FONT", "|TTLBTREE", "|KWBTREE", "|KWDATA"})
        EXPECT_TRUE(reader.files.count(name)) << name;
    const std::string& system = reader.files["|SYSTEM"];
    EXPECT_EQ(U16(system, 0), 0x036Cu);
    EXPECT_EQ(U16(system, 4), 1u);
    std::map<unsigned, std::string> records;
    for (std::size_t at = 12; at + 4 <= system.size(); at += 4 + U16(system, at + 2))
        records[U16(system, at)] = system.substr(at + 4, U16(system, at + 2));
    EXPECT_EQ(records[1], std::string("テストのヘルプ") + '\0');
    EXPECT_EQ(static_cast<unsigned char>(records[11][0]), 128); // SHIFTJIS_CHARSET
    EXPECT_EQ(U16(records[9], 8), 0x0411u);
    ASSERT_EQ(records[6].size(), 90u); // the main window, captioned with the title
    EXPECT_EQ(records[6].substr(12).c_str(), std::string("main"));
    EXPECT_EQ(records[6].substr(21).c_str(), std::string("テストのヘルプ"));
    const std::string& font = reader.files["|FONT"];
    EXPECT_EQ(font.substr(U16(font, 4)).c_str(), std::string("ＭＳ Ｐゴシック"));
}

TEST(WinHelp, TopicsLinksAndContextsReadBack) {
    HelpBook book = Book(kProject, Topics());
    HlpReader reader(WinHelpFile(book, 0));
    std::vector<HlpReader::Record> records = reader.Records();
    std::vector<std::string> titles;
    for (const auto& record : records)
        if (record.type == 2 && !record.data2.empty()) titles.push_back(record.data2);
    EXPECT_EQ(titles, (std::vector<std::string>{"最初", "子の話題", "最後"}));
    EXPECT_EQ(records.back().type, 2u); // the closing header
    // The link to "child" jumps by its context hash.
    std::string jump = "\xE3";
    for (int i = 0; i < 4; ++i) jump += static_cast<char>((ContextHash("child") >> (8 * i)) & 0xFF);
    bool found = false;
    for (const auto& record : records) found = found || record.data1.find(jump) != std::string::npos;
    EXPECT_TRUE(found);
    // |CONTEXT: one entry per topic, sorted by signed hash; |TTLBTREE maps the same
    // offsets to the titles, and the contents topic is the first.
    auto contexts = reader.Leaves(reader.files["|CONTEXT"]);
    ASSERT_EQ(contexts.size(), 3u);
    for (std::size_t i = 1; i < contexts.size(); ++i)
        EXPECT_LT(static_cast<std::int32_t>(U32(contexts[i - 1].first, 0)),
                  static_cast<std::int32_t>(U32(contexts[i].first, 0)));
    std::map<std::uint32_t, std::string> titleOfOffset;
    for (const auto& [key, value] : reader.Leaves(reader.files["|TTLBTREE"]))
        titleOfOffset[U32(key, 0)] = value.c_str();
    for (const auto& [key, value] : contexts) {
        std::string id;
        for (const Topic& topic : book.topics)
            if (ContextHash(topic.id) == static_cast<std::int32_t>(U32(key, 0))) id = topic.title;
        EXPECT_EQ(titleOfOffset[U32(value, 0)], id);
    }
}

TEST(WinHelp, LongTopicsSpanBlocksAndManyKeywordsSpanPages) {
    std::map<std::string, std::string> topics = Topics();
    std::string text = u8"# 長い話題\n@index ";
    for (int i = 0; i < 300; ++i) text += u8"キーワード" + std::to_string(1000 + i) + ";";
    text += "\n";
    for (int i = 0; i < 200; ++i) text += u8"長い段落の文章です。" + std::to_string(i) + "\n";
    topics["last"] = text;
    HelpBook book = Book(kProject, topics);
    HlpReader reader(WinHelpFile(book, 0));
    EXPECT_GT(reader.files["|TOPIC"].size(), 3u * 4096);
    EXPECT_EQ(reader.files["|TOPIC"].size() % 4096, 0u);
    std::vector<HlpReader::Record> records = reader.Records();
    // Headers, one title paragraph per topic, every paragraph, the closing header.
    EXPECT_EQ(records.size(), 4u + 3u + 4u + 200u);
    EXPECT_NE(records[records.size() - 2].data2.find("長い段落の文章です。199"), std::string::npos);
    auto keywords = reader.Leaves(reader.files["|KWBTREE"]);
    ASSERT_EQ(keywords.size(), 302u); // the 300 and the two of the first topics
    EXPECT_GT(U16(reader.files["|KWBTREE"], 32), 1u); // more than one level
    for (std::size_t i = 1; i < keywords.size(); ++i) EXPECT_LT(keywords[i - 1].first, keywords[i].first);
    // |KWMAP: each leaf page with the number of its first keyword, by which the root
    // (2 levels) keys every leaf after the first.
    const std::string &tree = reader.files["|KWBTREE"], &map = reader.files["|KWMAP"];
    ASSERT_EQ(U16(tree, 32), 2u);
    std::size_t first = 0, root = 38 + U16(tree, 26) * 0x800 + 6;
    for (unsigned page = 0; page < U16(map, 0); first += U16(tree, 38 + page++ * 0x800 + 2)) {
        EXPECT_EQ(U32(map, 2 + 6 * page), first);
        EXPECT_EQ(U16(map, 6 + 6 * page), page);
        if (page == 0) continue;
        EXPECT_EQ(std::string(tree.substr(root).c_str()), keywords[first].first.c_str());
        root = tree.find('\0', root) + 3;
    }
}

TEST(WinHelp, ContentsFileMakesBooksOfTopicsWithChildren) {
    EXPECT_EQ(WinHelpContents(Book(kProject, Topics()), "t.hlp"),
              ":Base t.hlp\r\n:Title テストのヘルプ\r\n1 最初\r\n2 最初=top\r\n2 子の話題=child\r\n"
              "1 最後=last\r\n");
}

TEST(HtmlHelp, ProjectPagesContentsAndIndex) {
    auto files = HtmlHelpProject(Book(kProject, Topics()), "t");
    for (const char* name : {"top.htm", "child.htm", "last.htm", "t.hhc", "t.hhk", "t.hhp"})
        EXPECT_TRUE(files.count(name)) << name;
    EXPECT_NE(files["top.htm"].find("<a href=\"child.htm\">子の話題</a>"), std::string::npos);
    EXPECT_NE(files["top.htm"].find("<ul>\r\n<li>項目 <b>太字</b></li>\r\n</ul>"), std::string::npos);
    EXPECT_NE(files["t.hhp"].find("Language=0x411"), std::string::npos);
    EXPECT_NE(files["t.hhp"].find("Default topic=top.htm"), std::string::npos);
    const std::string& contents = files["t.hhc"];
    EXPECT_LT(contents.find("value=\"top.htm\""), contents.find("<ul>\r\n<li><object type=\"text/sitemap\">\r\n"
                                                                "<param name=\"Name\" value=\"子の話題\">"));
    const std::string& index = files["t.hhk"];
    std::size_t common = index.find("value=\"共通\"");
    ASSERT_NE(common, std::string::npos);
    EXPECT_NE(index.find("value=\"top.htm\"", common), std::string::npos);
    EXPECT_NE(index.find("value=\"child.htm\"", common), std::string::npos);
}

// The check that topics quote only texts the programs show.
namespace {

ProgramTexts TextsOf(const std::string& source) {
    ProgramTexts texts;
    for (const std::string& literal : StringLiterals(source)) texts.Add(literal);
    return texts;
}

// A menu, a dialog and a text header as the programs write them.
const std::string kProgramSource = u8R"src(// "コメントの中"
MENUITEM "設定ファイルの読み込み(&O)...\tCtrl+O", ID_FILE_LOAD
MENUITEM "パラメータ設定（&P）\tCtrl+P", ID_PAGE_PARAM
CONTROL "ＣＲ，ＬＦ，\nＥＳＣ ａ (&E)", IDC, "Button", 10, 20
inline constexpr char kQuestion[] =
    "設定が変更されています。\n"
    "コマンドを続行すると設定の変更は破棄されます。";
inline constexpr char kCaption[] = "%sの設定(&D)...";
inline constexpr char kRange[] = "%d から %d までの整数を入力してください。";
const char kCopyFailed[] = "次のファイルをインストールできませんでした。\n%s\n中止します。";
snprintf(text, size, "%d", value); char quote = '"';
)src";

} // namespace

TEST(HelpQuotes, OnlyTextsTheProgramsShowAreQuotable) {
    ProgramTexts texts = TextsOf(kProgramSource);
    struct Case {
        const char* quote;
        bool shown;
    } cases[] = {
        {u8"設定ファイルの読み込み(O)...", true},   // a menu command as shown
        {u8"設定ファイルの読込み(O)...", false},    // misspelt
        {u8"設定ファイルの読み込み(&O)...", false}, // the "&" is not shown
        {u8"設定ファイルの読み込み(O)...Ctrl+O", false},
        {u8"パラメータ設定（P）", true},
        {u8"パラメータ設定(P)", false}, // other brackets than the menu's
        {u8"パラメータ設定", true},     // without its mnemonic
        {u8"ＣＲ，ＬＦ，ＥＳＣ ａ", true},  // two lines joined, without the mnemonic
        {u8"ＥＳＣ ａ (E)", true},
        {u8"設定が変更されています。コマンドを続行すると設定の変更は破棄されます。", true},
        {u8"設定が変更されています。", true}, // one whole line of a message
        {u8"設定が変更されて", false},        // part of a line
        {u8"書式２の設定(D)...", true},       // "%s" filled in
        {u8"の設定(D)...", false},            // a field stands for some text
        {u8"2 から 5 までの整数を入力してください。", true},
        {u8"二 から 5 までの整数を入力してください。", false}, // "%d" is a number
        {"7", false},                // a literal of nothing but fields is no text
        {u8"中止します。", true},
        {"x", false},                // nor is a line of one field
        {u8"コメントの中", false},   // comments hold no texts
        {",", false},                // nor do character literals
    };
    for (const Case& c : cases) EXPECT_EQ(texts.Shows(c.quote), c.shown) << c.quote;
}

TEST(HelpQuotes, TopicsReportQuotesNoProgramShows) {
    ProgramTexts texts = TextsOf(kProgramSource);
    EXPECT_EQ(UnknownQuotes(u8"「パラメータ設定（P）」を選び、［はい］で「読込み」。\n", texts),
              std::vector<std::string>{u8"読込み"});
    EXPECT_THROW(QuotedTexts(u8"「閉じていない\n」"), SourceError);
}
