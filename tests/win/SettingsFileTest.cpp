// Saving and loading settings files through the real file system of the prefix; the
// file dialogs are answered by the test.
#include "framework/System.h"
#include "settings/FactoryBlock.h"
#include "settings/SettingsFile.h"
#include "tests/win/MainWindowFixture.h"
#include "tests/win/TestIds.h"

#include <fstream>
#include <iterator>

namespace {

std::string TempPath(const char* name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

std::string ReadAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& file, const std::string& content) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

std::string Bytes(const settings::SettingsBlock& block) {
    return std::string(block.bytes.begin(), block.bytes.end());
}

class SettingsFileTest : public wintest::MainWindowFixture {
protected:
    void Save(const std::string& file) {
        ui.files.push_back(file);
        SendMessageA(window.Handle(), WM_COMMAND, ids::kSaveCommand, 0);
    }
    void Load(const std::string& file) {
        ui.files.push_back(file);
        SendMessageA(window.Handle(), WM_COMMAND, ids::kLoadCommand, 0);
    }
    void ChangeSomething() {
        SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting), BM_CLICK, 0, 0);
    }
};

} // namespace

TEST_F(SettingsFileTest, SaveWritesHeaderAndPackedBlockAndLoadReadsThemBack) {
    std::string file = TempPath("tb_save_new.dat");
    DeleteFileA(file.c_str());
    Run({[&] {
        ChangeSomething();
        Save(file);
        std::string saved = ReadAll(file);
        ASSERT_EQ(290u, saved.size());
        EXPECT_EQ(std::string("Corvane K42\n\0\0\0\0\0\0\0\0", 20), saved.substr(0, 20));
        EXPECT_EQ(Bytes(window.WorkingBlock()), saved.substr(20));
        EXPECT_TRUE(window.FileSnapshot() == window.WorkingBlock());

        window.ShowFactorySettings();
        SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2DotsCopy), BM_CLICK, 0,
                     0); // a change the printer does not hold
        ui.answers = {IDYES};
        Load(file);
        EXPECT_EQ(0x00, window.WorkingBlock().At(settings::field::msw2, 0));
        EXPECT_TRUE(Checked(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting));
        EXPECT_FALSE(Checked(ids::kMsw2Tab, ids::kMsw2DotsCopy));
        EXPECT_TRUE(window.FileSnapshot() == window.WorkingBlock());
    }});
    const wintest::ShownMessage& question = ui.messages.at(1);
    EXPECT_EQ("設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。",
              question.text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION), question.type);
    ASSERT_FALSE(ui.fileRequests.empty());
    const OPENFILENAMEA& request = ui.fileRequests[0];
    EXPECT_EQ("dat", ui.defaultExtensions[0]);
    EXPECT_EQ(std::string("TB設定ファイル (*.dat)\0*.dat\0\0", 30), ui.filters[0]);
    std::string exe = framework::ModulePath();
    EXPECT_EQ(exe.substr(0, exe.rfind('\\') + 1), ui.initialFolders[0]);
    EXPECT_TRUE(request.Flags & OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(request.Flags & OFN_HIDEREADONLY);
}

TEST_F(SettingsFileTest, SavingOverALongerFileKeepsItsTail) {
    std::string file = TempPath("tb_save_long.dat");
    WriteAll(file, std::string(300, 'x'));
    Run({[&] { Save(file); }});
    std::string saved = ReadAll(file);
    ASSERT_EQ(300u, saved.size());
    EXPECT_EQ(std::string(10, 'x'), saved.substr(290));
}

TEST_F(SettingsFileTest, ForeignShortAndUnterminatedFilesAreRefusedAndChangeNothing) {
    std::string good = Bytes(settings::FactoryBlock);
    std::string header("Corvane K42\n\0\0\0\0\0\0\0\0", 20);
    const std::string files[] = {
        std::string(20, 'A') + good,                     // foreign header
        std::string("Corvane K42\nXXXXXXXX", 20) + good, // header text without its 0x00
        header + good.substr(0, 100),                    // short file
        std::string(),                                   // empty file
    };
    Run({[&] {
        int index = 0;
        for (const std::string& content : files) {
            std::string file = TempPath(("tb_bad" + std::to_string(index++) + ".dat").c_str());
            WriteAll(file, content);
            settings::SettingsBlock before = window.WorkingBlock();
            window.PackBlock(before);
            settings::SettingsBlock fileBefore = window.FileSnapshot();
            Load(file);
            EXPECT_TRUE(window.WorkingBlock() == before) << index;
            EXPECT_TRUE(window.FileSnapshot() == fileBefore) << index;
        }
    }});
    ASSERT_EQ(4u, ui.messages.size());
    for (const wintest::ShownMessage& message : ui.messages) {
        EXPECT_EQ("このファイルは設定ファイルではありません。", message.text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), message.type & MB_ICONMASK);
    }
}

TEST_F(SettingsFileTest, RefusedSaveShowsTheFamilysMessage) {
    std::string folder = TempPath(""); // a folder cannot be opened as a file
    Run({[&] {
        ChangeSomething();
        Save(folder.substr(0, folder.size() - 1));
        EXPECT_FALSE(window.FileSnapshot() == window.WorkingBlock());
    }});
    ASSERT_EQ(1u, ui.messages.size());
    if (framework::RunningWindows().IsNt()) {
        EXPECT_EQ(
            "指定されたフォルダへのアクセスは拒否されました。\n指定されたフォルダへ書き込むためには、管理者の権限が必要です。\n\n設定ファイルの保存先を変更してやり直してください。",
            ui.messages[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), ui.messages[0].type & MB_ICONMASK);
    } else {
        EXPECT_EQ("設定ファイルの書き込みに失敗しました。", ui.messages[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), ui.messages[0].type & MB_ICONMASK);
    }
}

TEST_F(SettingsFileTest, AWriteTheDiskRefusesIsReportedAndKeepsTheSnapshot) {
    Run({[&] {
        ChangeSomething();
        Save("Z:\\dev\\full"); // opens, but every write fails for lack of space
        EXPECT_FALSE(window.FileSnapshot() == window.WorkingBlock());
    }});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("設定ファイルの書き込みに失敗しました。", ui.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), ui.messages[0].type & MB_ICONMASK);
}

TEST_F(SettingsFileTest, SaveWithACentringValueOutOfRangeShowsTheParameterPageInstead) {
    std::string file = TempPath("tb_save_flag.dat");
    DeleteFileA(file.c_str());
    Run({[&] {
        window.SelectPage(ids::kParamTab);
        Type(ids::kParamTab, ids::kCentringCutSheet, "5");
        window.SelectPage(ids::kMsw3Tab);
        Save(file);
        EXPECT_EQ(ids::kParamTab, window.CurrentPage());
        EXPECT_EQ("10", Text(ids::kParamTab, ids::kCentringCutSheet));
        EXPECT_EQ(PageItem(ids::kParamTab, ids::kCentringCutSheet), GetFocus());
    }});
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(file.c_str()));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_TRUE(ui.fileRequests.empty());
}

// A read-only settings file loads like any other; saving over it is refused with the
// family's message and the file keeps every byte.
TEST_F(SettingsFileTest, ReadOnlyFileLoadsAndASaveOverItIsRefused) {
    std::string file = TempPath("tb_readonly.dat");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    settings::SettingsBlock stored = settings::FactoryBlock;
    stored.bytes[5] = 0x0F; // MSW1 switches 5-8 on
    auto encoded = settings::EncodeSettingsFile(stored);
    const std::string content(encoded.begin(), encoded.end());
    WriteAll(file, content);
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    Run({[&] {
        ASSERT_FALSE(window.WorkingBlock() == stored);
        Load(file);
        EXPECT_TRUE(window.WorkingBlock() == stored);
        EXPECT_TRUE(window.FileSnapshot() == stored);
        ChangeSomething();
        Save(file);
        EXPECT_FALSE(window.FileSnapshot() == window.WorkingBlock());
    }});
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(content, ReadAll(file));
    ASSERT_EQ(1u, ui.messages.size());
    const char* expected =
        framework::RunningWindows().IsNt()
            ? "指定されたフォルダへのアクセスは拒否されました。\n指定されたフォルダへ書き込むためには、管理者の権限が必要です。\n\n設定ファイルの保存先を変更してやり直してください。"
            : "設定ファイルの書き込みに失敗しました。";
    EXPECT_EQ(expected, ui.messages[0].text);
}
