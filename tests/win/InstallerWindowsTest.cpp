// TBSetup's progress window and uninstallation worker, in-process with the installer's
// own resources: percentages, refused closes, messages on the window's thread, and the
// record-driven removal against a real folder and a real uninstall key.
#include "installer/win32/CDlg_Progress.h"
#include "installer/win32/CDlg_Uninstall.h"
#include "tests/win/UiScript.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace {

// The fixed pauses would make every step take half a second.
const bool noPauses = SetEnvironmentVariableA("TBSETUP_NO_PAUSE", "1") != FALSE;

// Ids and texts of the templates, as the installer's dialogs define them.
constexpr int kBar = 1003, kPercent = 1004, kStatus = 1005;

std::string ItemText(HWND window, int id) {
    return wintest::WindowText(GetDlgItem(window, id));
}

// Records, with every message, the thread it was shown on and the owner's texts.
class ThreadRecordingUi : public wintest::RecordingUi {
public:
    int ShowMessage(HWND owner, const char* text, const char* caption, UINT type) override {
        threads.push_back(GetCurrentThreadId());
        owners.push_back(owner);
        ownerPercent.push_back(owner ? ItemText(owner, kPercent) : std::string());
        return RecordingUi::ShowMessage(owner, text, caption, type);
    }
    std::vector<DWORD> threads;
    std::vector<HWND> owners;
    std::vector<std::string> ownerPercent;
};

// A worker of ten steps that reads the window back after each one, asks one question,
// and waits for the test's go before it closes the window with 7.
class StepsWindow : public installer_win32::CDlg_Progress {
public:
    StepsWindow() : CDlg_Progress(installer::SetupRecord{}) {
        go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }
    ~StepsWindow() override { CloseHandle(go); }

    std::vector<std::string> percents, statuses;
    std::string startPercent, startStatus;
    int upper = 0;
    int answer = 0;
    HANDLE go;
    HWND window = nullptr;

protected:
    void Work() override {
        window = Handle();
        StartSteps(5 + 5, "インストールを開始します.....");
        startPercent = ItemText(window, kPercent);
        startStatus = ItemText(window, kStatus);
        upper = static_cast<int>(SendMessageA(GetDlgItem(window, kBar), PBM_GETRANGE, FALSE, 0));
        for (int i = 1; i <= 10; ++i) {
            Step("step " + std::to_string(i));
            percents.push_back(ItemText(window, kPercent));
            statuses.push_back(ItemText(window, kStatus));
        }
        answer = Ask("title", {"question", MB_YESNO});
        WaitForSingleObject(go, 10000);
        Finish(7);
    }
};

TEST(InstallerProgressWindow, TenStepsOfTenPercentAndCloseRefusedWhileTheWorkerRuns) {
    ThreadRecordingUi ui;
    ui.answers = {IDYES};
    StepsWindow steps;
    HWND seen = nullptr;
    bool stayed = false;
    std::string caption;
    INT_PTR result = wintest::RunInModalLoop([&] { return steps.Run(nullptr); },
        {[&] {
             seen = FindWindowA("#32770", "インストール中...");
             caption = seen ? wintest::WindowText(seen) : "";
             // Escape, the close box and a cancel command arrive as IDCANCEL or WM_CLOSE;
             // Enter, with no default button, as IDOK.
             SendMessageA(seen, WM_COMMAND, IDCANCEL, 0);
             SendMessageA(seen, WM_CLOSE, 0, 0);
             SendMessageA(seen, WM_SYSCOMMAND, SC_CLOSE, 0);
             SendMessageA(seen, WM_COMMAND, IDOK, 0);
             SetForegroundWindow(seen);
             SetFocus(seen);
             wintest::PressKey(VK_RETURN);
             wintest::PressKey(VK_ESCAPE);
         },
         [&] {
             stayed = IsWindow(seen) && IsWindowVisible(seen);
             SetEvent(steps.go);
         }});
    ASSERT_NE(nullptr, seen);
    EXPECT_EQ("インストール中...", caption);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(7, result);
    EXPECT_EQ("0％", steps.startPercent);
    EXPECT_EQ("インストールを開始します.....", steps.startStatus);
    EXPECT_EQ(10, steps.upper);
    std::vector<std::string> expected;
    for (int i = 1; i <= 10; ++i) expected.push_back(std::to_string(i * 10) + "％");
    EXPECT_EQ(expected, steps.percents);
    EXPECT_EQ("step 10", steps.statuses.back());
    // The worker's question was shown by the window's own thread, owned by the window.
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("question", ui.messages[0].text);
    EXPECT_EQ(GetCurrentThreadId(), ui.threads[0]);
    EXPECT_EQ(steps.window, ui.owners[0]);
    EXPECT_EQ(IDYES, steps.answer);
}

// A fresh folder below the temporary folder, removed with the test.
class InstallerUninstallTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        parent = std::string(temp) + "tbsetup-win-test";
        folder = parent + "\\TBTEST";
        Clean(parent);
        CreateDirectoryA(parent.c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        record.title = "テスト製品";
        record.installFolderName = "TBWINTEST";
        record.uninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TBWINTEST";
    }
    void TearDown() override {
        Clean(parent);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, record.uninstallKey.c_str());
    }
    static void Clean(const std::string& path) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                std::string entry = path + "\\" + name;
                SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    Clean(entry);
                } else {
                    DeleteFileA(entry.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path.c_str());
    }
    void Write(const std::string& relative, const std::string& text) {
        std::ofstream(folder + "\\" + relative, std::ios::binary) << text;
    }
    bool Exists(const std::string& relative) {
        return GetFileAttributesA((folder + (relative.empty() ? "" : "\\" + relative)).c_str()) !=
               INVALID_FILE_ATTRIBUTES;
    }
    void RegisterKey() {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, record.uninstallKey.c_str(), 0,
                                                 nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegSetValueExA(key, "InstallPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
        RegCloseKey(key);
    }
    bool KeyExists() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, record.uninstallKey.c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }
    INT_PTR RunUninstall() {
        installer_win32::CDlg_Uninstall window(record);
        return window.Run(nullptr);
    }

    std::string parent, folder;
    installer::SetupRecord record;
};

TEST_F(InstallerUninstallTest, RemovesOnlyRecordedFilesAndKeepsTheUsersFile) {
    CreateDirectoryA((folder + "\\SUB").c_str(), nullptr);
    CreateDirectoryA((folder + "\\EMPTY").c_str(), nullptr);
    Write("TBK42.EXE", "program");
    Write("SUB\\TBK42.CHM", "help");
    Write("TBSETUP.LST",
          "[テスト製品]\r\nTBK42.EXE\r\nSUB\r\nSUB\\TBK42.CHM\r\nEMPTY\r\nTBSETUP.LST\r\n");
    Write("mine.dat", "the user's settings");
    SetFileAttributesA((folder + "\\TBK42.EXE").c_str(), FILE_ATTRIBUTE_READONLY);
    std::ofstream(parent + "\\beside.txt") << "beside";
    RegisterKey();
    ASSERT_TRUE(Exists("TBK42.EXE"));

    ThreadRecordingUi ui;
    EXPECT_EQ(1, RunUninstall());

    EXPECT_FALSE(Exists("TBK42.EXE")); // read-only, removed all the same
    EXPECT_FALSE(Exists("SUB"));
    EXPECT_FALSE(Exists("EMPTY"));
    EXPECT_FALSE(Exists("TBSETUP.LST"));
    EXPECT_TRUE(Exists("mine.dat"));
    EXPECT_TRUE(GetFileAttributesA((parent + "\\beside.txt").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(KeyExists());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ("アンインストールが完了しました。", ui.messages.back().text);
    EXPECT_EQ("テスト製品", ui.messages.back().caption);
    EXPECT_EQ(UINT(MB_ICONINFORMATION), ui.messages.back().type & MB_ICONMASK);
    // Three listed files, N + 2 steps: the last one showed 100 ％.
    EXPECT_EQ("100％", ui.ownerPercent.back());
    EXPECT_EQ(GetCurrentThreadId(), ui.threads.back());
}

TEST_F(InstallerUninstallTest, EmptyRecordedFolderGoesWithTheInstallFolder) {
    Write("TBSETUP.LST", "[テスト製品]\r\nTBSETUP.LST\r\n");
    RegisterKey();
    ThreadRecordingUi ui;
    EXPECT_EQ(1, RunUninstall());
    EXPECT_FALSE(Exists(""));
    EXPECT_EQ("100％", ui.ownerPercent.back());
}

// Without this product's own record nothing is known to be ours: every file stays, the
// key goes, and the last message names the folder that was kept.
TEST_F(InstallerUninstallTest, RecordMissingDamagedOrForeignKeepsEveryFileAndSaysWhere) {
    for (const char* record : {"", "[テスト製品]\r\nTBK42.EXE\r\n..\\beside.txt\r\n",
                               "[他の製品]\r\nTBK42.EXE\r\n"}) {
        SCOPED_TRACE(record);
        Write("TBK42.EXE", "program");
        if (*record) Write("TBSETUP.LST", record);
        std::ofstream(parent + "\\beside.txt") << "beside";
        RegisterKey();
        ThreadRecordingUi ui;
        EXPECT_EQ(1, RunUninstall());
        EXPECT_TRUE(Exists("TBK42.EXE"));
        EXPECT_EQ(*record != '\0', Exists("TBSETUP.LST"));
        EXPECT_TRUE(GetFileAttributesA((parent + "\\beside.txt").c_str()) != INVALID_FILE_ATTRIBUTES);
        EXPECT_FALSE(KeyExists());
        // No file step: the two fixed steps are the whole range.
        EXPECT_EQ("100％", ui.ownerPercent.back());
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ("アンインストールが完了しました。\nただし、インストールの記録が存在しないか、"
                  "壊れているため、\n次のフォルダは削除していません。\n" + folder,
                  ui.messages.back().text);
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), ui.messages.back().type & MB_ICONMASK);
        DeleteFileA((folder + "\\TBSETUP.LST").c_str());
    }
}

TEST_F(InstallerUninstallTest, MissingKeyStopsBeforeAnyStep) {
    Write("TBK42.EXE", "program");
    Write("TBSETUP.LST", "[テスト製品]\r\nTBK42.EXE\r\n");
    ThreadRecordingUi ui;
    EXPECT_EQ(1, RunUninstall());
    EXPECT_TRUE(Exists("TBK42.EXE"));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ("アンインストールに必要な情報を取得できませんでした。\nアンインストールを中止します。",
              ui.messages.back().text);
    EXPECT_EQ(UINT(MB_ICONERROR), ui.messages.back().type & MB_ICONMASK);
    EXPECT_EQ("0％", ui.ownerPercent.back());
}

} // namespace
