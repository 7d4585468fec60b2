// The k42 commands over a scripted system: files in memory, printers that take or refuse.
#include "cli/Commands.h"
#include "settings/FactoryBlock.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

namespace {

constexpr int kOk = 0;
constexpr int kDifferent = 1;
constexpr int kError = 2;

constexpr char kJobRefusedByPrinter[] = "印刷ジョブが受け付けられませんでした。";

std::vector<unsigned char> SettingsFile(const settings::SettingsBlock& block) {
    auto file = settings::EncodeSettingsFile(block);
    return std::vector<unsigned char>(file.begin(), file.end());
}

std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

class ScriptedSystem : public cli::System {
public:
    std::map<std::string, std::vector<unsigned char>> files;
    std::set<std::string> printers; // printers that take a job
    std::map<std::string, std::vector<unsigned char>> jobs;
    std::string out, err;
    int writes = 0;

    bool ReadFile(const std::string& name, std::size_t limit,
                  std::vector<unsigned char>& data) override {
        auto found = files.find(name);
        if (found == files.end()) return false;
        data.assign(found->second.begin(),
                    found->second.begin() + std::min(found->second.size(), limit + 1));
        return true;
    }
    bool WriteFile(const std::string& name, const std::vector<unsigned char>& data) override {
        ++writes;
        files[name] = data;
        return true;
    }
    void Out(const std::string& text) override { out += text; }
    void Err(const std::string& text) override { err += text; }
    bool Send(const std::string& printer, const unsigned char* data, std::size_t size,
              std::string& why) override {
        if (!printers.count(printer)) {
            why = kJobRefusedByPrinter;
            return false;
        }
        jobs[printer].assign(data, data + size);
        return true;
    }

    int Run(std::vector<std::string> args) { return cli::RunCommand(args, *this); }
};

// What a print queue received: the block alone, as `send` and TBK42 write it.
std::vector<unsigned char> SpooledJob(const settings::SettingsBlock& block) {
    return std::vector<unsigned char>(block.bytes.begin(), block.bytes.end());
}

settings::SettingsBlock Changed() {
    settings::SettingsBlock block = settings::FactoryBlock;
    block.bytes[16] = '3'; // font1 "ゴシック"
    return block;
}

} // namespace

TEST(K42Commands, DiffExitCodeTellsEqualDifferentAndError) {
    ScriptedSystem system;
    system.files["a.dat"] = SettingsFile(settings::FactoryBlock);
    system.files["b.dat"] = SettingsFile(Changed());
    EXPECT_EQ(kOk, system.Run({"diff", "a.dat", "factory"}));
    EXPECT_EQ("", system.out);
    EXPECT_EQ(kDifferent, system.Run({"diff", "factory", "b.dat"}));
    EXPECT_EQ("パラメータ設定 フォント選択 フォント１ [param.font1]: 標準 -> ゴシック\n",
              system.out);
    EXPECT_EQ(kError, system.Run({"diff", "a.dat", "missing.dat"}));
    EXPECT_EQ("missing.dat: ファイルを読み込めません。\n", system.err);
}

TEST(K42Commands, ForeignAndShortFilesAreRefused) {
    ScriptedSystem system;
    std::vector<unsigned char> shortFile = SettingsFile(settings::FactoryBlock);
    shortFile.pop_back();
    std::vector<unsigned char> foreign = SettingsFile(settings::FactoryBlock);
    foreign[0] = 'c';
    system.files["short.dat"] = shortFile;
    system.files["foreign.dat"] = foreign;
    system.printers = {"K42"};
    EXPECT_EQ(kError, system.Run({"show", "short.dat"}));
    EXPECT_EQ(kError, system.Run({"send", "foreign.dat", "K42"}));
    EXPECT_EQ("short.dat: このファイルは設定ファイルではありません。\n"
              "foreign.dat: このファイルは設定ファイルではありません。\n",
              system.err);
    EXPECT_EQ("", system.out);
    EXPECT_TRUE(system.jobs.empty());
}

TEST(K42Commands, ExportThenImportWritesTheSameFile) {
    ScriptedSystem system;
    std::vector<unsigned char> original = SettingsFile(Changed());
    original[20 + 26] = 0x7F; // a reserved byte from another machine
    system.files["in.dat"] = original;
    ASSERT_EQ(kOk, system.Run({"export", "in.dat"}));
    system.files["in.txt"] = Bytes(system.out);
    ASSERT_EQ(kOk, system.Run({"import", "in.txt", "out.dat"})) << system.err;
    EXPECT_EQ(original, system.files["out.dat"]);
}

TEST(K42Commands, BadTextWritesNothing) {
    ScriptedSystem system;
    system.files["bad.txt"] = Bytes("[param]\nfont1 = 9\n");
    system.files["keep.dat"] = SettingsFile(Changed());
    EXPECT_EQ(kError, system.Run({"import", "bad.txt", "keep.dat"}));
    EXPECT_EQ(0, system.writes);
    EXPECT_EQ(SettingsFile(Changed()), system.files["keep.dat"]);
    EXPECT_NE(std::string::npos, system.err.find("bad.txt: 2 行目: param.font1")) << system.err;
}

// A text of the largest size import takes is read whole; one byte more is refused.
TEST(K42Commands, ImportTakesATextUpToItsLargestSize) {
    const struct {
        std::size_t size;
        int exit;
    } cases[] = {{cli::kMaxInputSize, kOk}, {cli::kMaxInputSize + 1, kError}};
    for (const auto& c : cases) {
        ScriptedSystem system;
        ASSERT_EQ(kOk, system.Run({"export", "factory"}));
        std::string text = system.out;
        text.resize(c.size, ';'); // a comment line after the last setting
        system.files["in.txt"] = Bytes(text);
        EXPECT_EQ(c.exit, system.Run({"import", "in.txt", "out.dat"})) << c.size << system.err;
        EXPECT_EQ(c.exit == kOk ? 1 : 0, system.writes) << c.size;
    }
}

TEST(K42Commands, SendReportsEveryPrinterAndFailsWhenOneRefuses) {
    ScriptedSystem system;
    system.files["s.dat"] = SettingsFile(Changed());
    system.printers = {"K42-A", "K42-B"};
    EXPECT_EQ(kOk, system.Run({"send", "s.dat", "K42-A", "K42-B"}));
    EXPECT_EQ("K42-A: プリンタに設定値を送信しました。\nK42-B: プリンタに設定値を送信しました。\n",
              system.out);
    ASSERT_EQ(270u, system.jobs["K42-A"].size());
    EXPECT_EQ(0x1C, system.jobs["K42-A"][0]);
    EXPECT_EQ('3', system.jobs["K42-B"][16]);
    EXPECT_EQ('.', system.jobs["K42-B"][262]);

    system.out.clear();
    EXPECT_EQ(kDifferent, system.Run({"send", "s.dat", "K42-A", "nowhere"}));
    EXPECT_EQ(
        "K42-A: プリンタに設定値を送信しました。\nnowhere: 印刷ジョブが受け付けられませんでした。\n",
        system.out);
    EXPECT_EQ(kError, system.Run({"send", "s.dat"}));
}

TEST(K42Commands, UsageGoesToStandardOutputOnlyWhenAskedFor) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        bool toOut; // the usage (or version) on standard output, nothing on standard error
    } cases[] = {
        {{"--help"}, kOk, true},     {{"--version"}, kOk, true}, {{}, kError, false},
        {{"show"}, kError, false},   {{"print", "a.dat"}, kError, false},
        {{"-help"}, kError, false},
    };
    for (const auto& c : cases) {
        ScriptedSystem system;
        EXPECT_EQ(c.exitCode, system.Run(c.args)) << testing::PrintToString(c.args);
        const std::string& printed = c.toOut ? system.out : system.err;
        EXPECT_EQ("", c.toOut ? system.err : system.out) << testing::PrintToString(c.args);
        if (c.args == std::vector<std::string>{"--version"})
            EXPECT_TRUE(std::regex_match(printed, std::regex("k42 [0-9]+\\.[0-9]+\\.[0-9]+\n")))
                << printed;
        else
            EXPECT_NE(std::string::npos, printed.find("  k42 send FILE.dat PRINTER...   "))
                << testing::PrintToString(c.args);
    }
}

TEST(K42Commands, SpooledJobIsReadWhereverASettingsFileIs) {
    ScriptedSystem system;
    system.files["job.prn"] = SpooledJob(Changed());
    system.files["office.dat"] = SettingsFile(Changed());
    system.printers = {"K42"};
    EXPECT_EQ(kOk, system.Run({"diff", "office.dat", "job.prn"}));
    EXPECT_EQ(kDifferent, system.Run({"diff", "factory", "job.prn"}));
    EXPECT_EQ("パラメータ設定 フォント選択 フォント１ [param.font1]: 標準 -> ゴシック\n",
              system.out);
    system.out.clear();
    EXPECT_EQ(kOk, system.Run({"show", "job.prn"}));
    EXPECT_NE(std::string::npos, system.out.find("  フォント選択 フォント１: ゴシック\n"));
    EXPECT_EQ(kOk, system.Run({"send", "job.prn", "K42"}));
    EXPECT_EQ(SpooledJob(Changed()), system.jobs["K42"]);
    EXPECT_EQ("", system.err);
    EXPECT_EQ(0, system.writes);
}

TEST(K42Commands, FilesThatAreNeitherSettingsFileNorJobAreRefused) {
    std::vector<unsigned char> job = SpooledJob(settings::FactoryBlock);
    const struct {
        const char* what;
        std::size_t offset; // byte changed, or the new size for a length case
        int value;          // -1: the file is cut or extended to `offset` bytes
    } cases[] = {
        {"one byte short", 269, -1},          {"one byte long", 271, -1},
        {"FS replaced", 0, 0x1D},             {"not the set-settings command", 2, '3'},
        {"no terminator", 262, ','},          {"padding not zero", 269, ' '},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> file = job;
        if (c.value < 0)
            file.resize(c.offset, 0x00);
        else
            file[c.offset] = static_cast<unsigned char>(c.value);
        ScriptedSystem system;
        system.files["x.prn"] = file;
        system.printers = {"K42"};
        EXPECT_EQ(kError, system.Run({"show", "x.prn"})) << c.what;
        EXPECT_EQ(kError, system.Run({"send", "x.prn", "K42"})) << c.what;
        EXPECT_EQ("x.prn: このファイルは設定ファイルではありません。\n"
                  "x.prn: このファイルは設定ファイルではありません。\n",
                  system.err)
            << c.what;
        EXPECT_EQ("", system.out) << c.what;
        EXPECT_TRUE(system.jobs.empty()) << c.what;
    }
}
