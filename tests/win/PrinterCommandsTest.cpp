// The printer commands of the main window in the test prefix, whose one printer of the
// model sits on LPT1: and spools into a file; the parallel port is a simulated printer.
#include "framework/System.h"
#include "printer/ReplyDecoder.h"
#include "printer/win32/Spooler.h"
#include "settings/FactoryBlock.h"
#include "tests/win/MainWindowFixture.h"
#include "tests/win/PrefixFiles.h"
#include "tests/win/TestIds.h"

namespace {

using wintest::ShownMessage;

UINT Icon(const ShownMessage& message) {
    return message.type & MB_ICONMASK;
}

class PrinterCommandsTest : public wintest::MainWindowFixture {
protected:
    void SetUp() override {
        if (wintest::JobsFile().empty()) GTEST_SKIP() << "this prefix has no printer of the model";
    }
    bool Nt() const { return framework::RunningWindows().IsNt(); }
    void ChangeSomething() {
        SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting), BM_CLICK, 0, 0);
    }
    std::string StatusText(int part) {
        char text[256] = {};
        SendMessageA(window.StatusBar(), SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool ButtonEnabled(int id) const {
        return SendMessageA(window.Toolbar(), TB_ISBUTTONENABLED, id, 0) != 0;
    }
    // A ready printer whose reply holds the factory settings but for MSW1 = 0xA5
    // (country 5 "スウェーデン", switches 6 and 8 on).
    void ReadyPrinter() {
        port.refusedOpens = 0;
        port.reply = FactoryReply();
        port.reply[4] = 0xA5;
    }
    static std::vector<unsigned char> FactoryReply() {
        std::vector<unsigned char> reply(printer::kReplySize, 0);
        const unsigned char loadPositions = 9; // load positions travel plus 9
        auto set = [&](std::size_t at, std::initializer_list<int> values) {
            for (int value : values)
                reply[at++] = static_cast<unsigned char>(value);
        };
        set(5, {0x02, 0x00, 0x0C}); // msw2, msw3, msw4
        set(19, {15});
        set(22, {40, 36, 96, 66, 120 + loadPositions, 120 + loadPositions, 46 + loadPositions,
                 54 + loadPositions, 0, 2, 0, 46 + loadPositions, 2});
        for (std::size_t group = 69; group <= 102; group += 11) {
            set(group, {66, 0, 136, 120 + loadPositions, 120 + loadPositions, 46 + loadPositions,
                        54 + loadPositions, 0, 0, 46 + loadPositions});
        }
        return reply;
    }
};

} // namespace

TEST_F(PrinterCommandsTest, TheOnlyPrinterIsTakenSilentlyAtStartUp) {
    Run({[&] {
        EXPECT_EQ("Varo Corvane K42", window.PrinterName());
        EXPECT_EQ("LPT1:", window.PortName());
        EXPECT_EQ("プリンタ名： Varo Corvane K42", StatusText(0));
        EXPECT_EQ("接続先： LPT1:", StatusText(1));
        EXPECT_TRUE(MenuGreyed(ids::kChoosePrinterCommand)); // only one printer listed
        EXPECT_FALSE(ButtonEnabled(ids::kPrinterButton));
        EXPECT_EQ(Nt(), MenuGreyed(ids::kReceiveCommand));
        EXPECT_EQ(!Nt(), ButtonEnabled(ids::kReceiveButton));
    }});
    ASSERT_EQ(1u, startupMessages.size());
    EXPECT_EQ(
        Nt()
            ? "Windows XP/2000/NT 4.0でご利用になる場合、設定値をプリンタから取得することはできません。"
            : "現在プリンタが印刷中あるいは、エラーが発生しているため、設定値の取得はできません。",
        startupMessages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), Icon(startupMessages[0]));
    EXPECT_EQ("Tuneboard", startupMessages[0].caption);
}

TEST_F(PrinterCommandsTest, SendWritesThePackedBlockAsOneJobAndGreysTheCommand) {
    std::string jobs = wintest::JobsFile();
    DeleteFileA(jobs.c_str());
    Run({[&] {
        ChangeSomething();
        EXPECT_FALSE(MenuGreyed(ids::kSendCommand));
        SendMessageA(window.Handle(), WM_COMMAND, ids::kSendCommand, 0);
        EXPECT_TRUE(MenuGreyed(ids::kSendCommand));
        EXPECT_FALSE(window.SendPending());
        EXPECT_TRUE(window.PrinterSnapshot() == window.WorkingBlock());
        EXPECT_FALSE(window.FileSnapshot() == window.WorkingBlock());
        // Ctrl+W while greyed does nothing.
        SetForegroundWindow(window.Handle());
        wintest::PressKey('W', true);
    }});
    std::vector<unsigned char> job = wintest::WaitForJob(jobs, 270);
    ASSERT_EQ(270u, job.size());
    settings::SettingsBlock expected = settings::FactoryBlock;
    expected.At(settings::field::msw2, 0) = 0x00;
    EXPECT_TRUE(std::equal(job.begin(), job.end(), expected.bytes.begin()));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("プリンタに設定値を送信しました。", ui.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), Icon(ui.messages[0]));
}

TEST_F(PrinterCommandsTest, ReadBackAtStartUpShowsThePrintersSettings) {
    if (Nt()) GTEST_SKIP() << "the NT family reads nothing back";
    ReadyPrinter();
    Run({[&] {
        EXPECT_EQ(0x05, window.WorkingBlock().At(settings::field::msw1, 0));
        EXPECT_EQ(0x0A, window.WorkingBlock().At(settings::field::msw1, 1));
        EXPECT_TRUE(window.PrinterSnapshot() == window.WorkingBlock());
        EXPECT_TRUE(window.FileSnapshot() == window.WorkingBlock());
        EXPECT_FALSE(window.SendPending());
        EXPECT_TRUE(MenuGreyed(ids::kSendCommand));
        EXPECT_EQ("スウェーデン", Text(ids::kMsw1Tab, ids::kMsw1Country));
        settings::SettingsBlock expected = settings::FactoryBlock;
        expected.At(settings::field::msw1, 0) = 0x05;
        expected.At(settings::field::msw1, 1) = 0x0A;
        EXPECT_TRUE(window.WorkingBlock() == expected);
    }});
    EXPECT_EQ(std::vector<unsigned char>(printer::kSettingsRequest, printer::kSettingsRequest + 5),
              port.written);
    ASSERT_EQ(1u, startupMessages.size());
    EXPECT_EQ("プリンタから設定値を取得しました。", startupMessages[0].text);
}

TEST_F(PrinterCommandsTest, ReadBackFailuresShowTheirMessagesAndChangeNothing) {
    if (Nt()) GTEST_SKIP() << "the NT family reads nothing back";
    struct Case {
        void (*script)(wintest::SimulatedPort&);
        const char* text;
        std::string caption;
        UINT icon;
    };
    const std::string application = "win_tests";
    const Case cases[] = {
        {[](wintest::SimulatedPort& p) { p.failGetTimeoutsAt = 2, p.error = 87; },
         "Not Set Timeout", "87", 0},
        {[](wintest::SimulatedPort& p) { p.failSetTimeoutsAt = 3, p.error = 31; },
         "Not Set Timeout2", "31", 0},
        {[](wintest::SimulatedPort& p) { p.acceptedRequestBytes = 3; },
         "プリンタに送信できませんでした。", application, MB_ICONSTOP},
        {[](wintest::SimulatedPort& p) { p.readFails = true; },
         "プリンタから設定値を取得できませんでした。", application, MB_ICONSTOP},
        {[](wintest::SimulatedPort& p) { p.reply.resize(131); },
         "プリンタから設定値を取得しました。", "Tuneboard", MB_ICONINFORMATION},
        {[](wintest::SimulatedPort& p) { p.reply.resize(133); },
         "プリンタから設定値を取得しました。", "Tuneboard", MB_ICONINFORMATION},
        {[](wintest::SimulatedPort& p) { p.reply.clear(); }, "プリンタから設定値を取得しました。",
         "Tuneboard", MB_ICONINFORMATION},
        {[](wintest::SimulatedPort& p) { p.reply.resize(260, 0x31); },
         "プリンタから設定値を取得しました。", "Tuneboard", MB_ICONINFORMATION},
        // No "EXTSTS:" item: the status stays "11111111", not ready.
        {[](wintest::SimulatedPort& p) { p.deviceId = "MFG:VARO;MDL:K42;CMD:ESC/P;"; },
         "現在プリンタが印刷中あるいは、エラーが発生しているため、設定値の取得はできません。",
         "Tuneboard", MB_ICONINFORMATION},
        // Longer than the 256-byte buffer: its "EXTSTS:" item lies beyond it.
        {[](wintest::SimulatedPort& p) {
             p.deviceId = "MFG:VARO;MDL:" + std::string(300, 'K') + ";EXTSTS:00000000;";
         },
         "現在プリンタが印刷中あるいは、エラーが発生しているため、設定値の取得はできません。",
         "Tuneboard", MB_ICONINFORMATION},
    };
    for (const Case& c : cases) {
        port = wintest::SimulatedPort();
        port.refusedOpens = 1 << 20; // start-up reads nothing
        Run({[&] {
            port = wintest::SimulatedPort();
            ReadyPrinter();
            c.script(port);
            settings::SettingsBlock before = window.WorkingBlock();
            SendMessageA(window.Handle(), WM_COMMAND, ids::kReceiveCommand, 0);
            EXPECT_TRUE(window.WorkingBlock() == before) << c.text;
            EXPECT_TRUE(window.PrinterSnapshot() == settings::FactoryBlock);
            ASSERT_EQ(1u, ui.messages.size()) << c.text;
            EXPECT_EQ(c.text, ui.messages[0].text);
            EXPECT_EQ(c.caption, ui.messages[0].caption);
            EXPECT_EQ(c.icon, Icon(ui.messages[0]));
        }});
    }
}

// A status that is no number reads as 0 the way the printer's own tools read it (atoi):
// "EXTSTS:BUSY" counts as ready, and the reply decides what happens.
TEST_F(PrinterCommandsTest, NonNumericStatusCountsAsReady) {
    if (Nt()) GTEST_SKIP() << "the NT family reads nothing back";
    port = wintest::SimulatedPort();
    port.refusedOpens = 1 << 20; // start-up reads nothing
    Run({[&] {
        port = wintest::SimulatedPort();
        ReadyPrinter();
        port.deviceId = "MFG:VARO;MDL:K42;EXTSTS:BUSY;";
        ASSERT_NE(0x05, window.WorkingBlock().bytes[4]);
        SendMessageA(window.Handle(), WM_COMMAND, ids::kReceiveCommand, 0);
        EXPECT_EQ(0x05, window.WorkingBlock().bytes[4]); // MSW1 0xA5: low nibble
        EXPECT_EQ(0x0A, window.WorkingBlock().bytes[5]); // high nibble
        EXPECT_TRUE(window.PrinterSnapshot() == window.WorkingBlock());
    }});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("プリンタから設定値を取得しました。", ui.messages[0].text);
}

TEST_F(PrinterCommandsTest, ReceiveAfterAChangeAsksBeforeDiscarding) {
    if (Nt()) GTEST_SKIP() << "the NT family reads nothing back";
    Run({[&] {
        ReadyPrinter();
        ChangeSomething();
        int opensBefore = port.opens;
        ui.answers = {IDNO};
        SendMessageA(window.Handle(), WM_COMMAND, ids::kReceiveCommand, 0);
        EXPECT_EQ(opensBefore, port.opens);
        EXPECT_TRUE(Checked(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting));
    }});
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。",
              ui.messages[0].text);
}

TEST_F(PrinterCommandsTest, QuitWithoutChangesAsksNothing) {
    INT_PTR result =
        Run({[&] { SendMessageA(window.Handle(), WM_COMMAND, ids::kExitCommand, 0); }});
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrinterCommandsTest, QuitAfterASendAsksOnlyToSave) {
    INT_PTR result = Run({[&] {
        ChangeSomething();
        SendMessageA(window.Handle(), WM_COMMAND, ids::kSendCommand, 0);
        ui.messages.clear();
        ui.answers = {IDNO};
        SendMessageA(window.Handle(), WM_COMMAND, ids::kExitCommand, 0);
    }});
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("Tuneboard を終了する前に、設定ファイルへ保存しますか？", ui.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION), ui.messages[0].type);
}

TEST_F(PrinterCommandsTest, QuitAfterTheFactorySettingsAsksBothAndCancelKeepsRunning) {
    std::string file = std::string("Z:\\tmp\\tb_quit_both.dat");
    Run({[&] {
        ChangeSomething();
        SendMessageA(window.Handle(), WM_COMMAND, ids::kSendCommand, 0);
        ui.files = {file};
        SendMessageA(window.Handle(), WM_COMMAND, ids::kSaveCommand, 0);
        window.ShowFactorySettings();
        ui.messages.clear();
        ui.answers = {IDNO, IDCANCEL};
        SendMessageA(window.Handle(), WM_COMMAND, ids::kExitCommand, 0);
        EXPECT_TRUE(IsWindowVisible(window.Handle()));
        ASSERT_EQ(2u, ui.messages.size());
        EXPECT_EQ("Tuneboard を終了する前に、設定値をプリンタへ送信しますか？",
                  ui.messages[0].text);
        EXPECT_EQ("Tuneboard を終了する前に、設定ファイルへ保存しますか？", ui.messages[1].text);
        ui.messages.clear();
        ui.answers = {IDCANCEL};
        SendMessageA(window.Handle(), WM_COMMAND, ids::kExitCommand, 0);
        EXPECT_EQ(1u, ui.messages.size());
        EXPECT_TRUE(IsWindowVisible(window.Handle()));
    }});
    DeleteFileA(file.c_str());
}

TEST_F(PrinterCommandsTest, YesToSaveThenACancelledFileDialogStillEnds) {
    INT_PTR result = Run({[&] {
        ChangeSomething();
        ui.answers = {IDNO, IDYES};
        ui.files = {""}; // the file dialog is cancelled
        SendMessageA(window.Handle(), WM_COMMAND, ids::kExitCommand, 0);
    }});
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(2u, ui.messages.size());
}

// The user was told the file could not be written: quitting would lose the settings,
// so the window stays for a save elsewhere; the next quit asks again.
TEST_F(PrinterCommandsTest, YesToSaveThenAWriteTheDiskRefusesKeepsRunning) {
    bool stayed = false;
    INT_PTR result = Run({[&] {
                              ChangeSomething();
                              ui.answers = {IDNO, IDYES};
                              // opens, but every write fails for lack of space
                              ui.files = {"Z:\\dev\\full"};
                              SendMessageA(window.Handle(), WM_COMMAND, ids::kExitCommand, 0);
                          },
                          // Runs only while the window's modal loop still runs.
                          [&] {
                              stayed = IsWindowVisible(window.Handle()) != FALSE;
                              ui.answers = {IDNO, IDNO};
                              SendMessageA(window.Handle(), WM_COMMAND, ids::kExitCommand, 0);
                          }});
    EXPECT_TRUE(stayed);
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(5u, ui.messages.size());
    EXPECT_EQ("Tuneboard を終了する前に、設定ファイルへ保存しますか？", ui.messages[1].text);
    EXPECT_EQ("設定ファイルの書き込みに失敗しました。", ui.messages[2].text);
    EXPECT_EQ("Tuneboard を終了する前に、設定ファイルへ保存しますか？", ui.messages[4].text);
}

TEST_F(PrinterCommandsTest, YesToSendWithACentringValueOutOfRangeKeepsRunning) {
    std::string jobs = wintest::JobsFile();
    DeleteFileA(jobs.c_str());
    Run({[&] {
        window.SelectPage(ids::kParamTab);
        Type(ids::kParamTab, ids::kCentringCutSheet, "5");
        window.SelectPage(ids::kSelectTab);
        ui.answers = {IDYES};
        SendMessageA(window.Handle(), WM_COMMAND, ids::kExitCommand, 0);
        EXPECT_TRUE(IsWindowVisible(window.Handle()));
        EXPECT_EQ(ids::kParamTab, window.CurrentPage());
        EXPECT_EQ("10", Text(ids::kParamTab, ids::kCentringCutSheet));
    }});
    ASSERT_EQ(2u, ui.messages.size());
    EXPECT_EQ("Tuneboard を終了する前に、設定値をプリンタへ送信しますか？", ui.messages[0].text);
    EXPECT_EQ(
        "用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n適正値に変更します。",
        ui.messages[1].text);
    EXPECT_TRUE(wintest::FileBytes(jobs).empty());
}

namespace {

// A spooler on which no printer opens.
class RefusingSpooler : public printer::Spooler {
public:
    bool Open(const std::string&, bool) override { return false; }
    bool ReadStatus(std::uint32_t&) override { return false; }
    bool BeginDocument(const char*) override { return false; }
    void Reset() override {}
    std::size_t Write(const unsigned char*, std::size_t) override { return 0; }
    void EndDocument() override {}
    void Close() override {}
};

HWND PrinterDialog() {
    return FindWindowA("#32770", "プリンタの選択");
}

} // namespace

TEST_F(PrinterCommandsTest, GreyedCommandsIgnoreTheirKeys) {
    int opens = 0;
    Run({[&] {
             opens = port.opens;
             SetForegroundWindow(window.Handle());
             SetFocus(window.TabControl());
             wintest::PressKey('C', true); // one printer: nothing to choose
             if (Nt()) wintest::PressKey('R', true);
         },
         [&] {
             EXPECT_EQ(nullptr, PrinterDialog());
             EXPECT_EQ(opens, port.opens);
         }});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrinterCommandsTest, AFailingSendInAPrinterChangeNestsOneMoreChoice) {
    printer::SetSpoolerFactory([] { return std::make_unique<RefusingSpooler>(); });
    std::string printerBefore;
    Run({[&] {
             ChangeSomething();
             printerBefore = window.PrinterName();
             // Send: Yes (fails: message, then a nested choice asking anew: No, No).
             ui.answers = {IDYES, IDOK, IDNO, IDNO};
             PostMessageA(window.Handle(), WM_COMMAND, ids::kChoosePrinterCommand, 0);
         },
         [&] {
             ASSERT_NE(nullptr, PrinterDialog()); // the nested run's dialog
             ASSERT_EQ(4u, ui.messages.size());
             EXPECT_EQ(
                 "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？",
                 ui.messages[0].text);
             EXPECT_EQ(
                 "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。",
                 ui.messages[1].text);
             EXPECT_EQ(
                 "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？",
                 ui.messages[2].text);
             EXPECT_EQ(
                 "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？",
                 ui.messages[3].text);
             ui.answers = {IDNO}; // the outer run's save question
             PostMessageA(PrinterDialog(), WM_COMMAND, IDCANCEL, 0);
         },
         [&] {
             ASSERT_NE(nullptr, PrinterDialog()); // the outer run's own dialog
             ASSERT_EQ(5u, ui.messages.size());
             EXPECT_EQ(
                 "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？",
                 ui.messages[4].text);
             PostMessageA(PrinterDialog(), WM_COMMAND, IDCANCEL, 0);
         },
         [&] {
             EXPECT_EQ(nullptr, PrinterDialog());
             EXPECT_EQ(printerBefore, window.PrinterName()); // a cancel keeps the printer
             EXPECT_TRUE(IsWindowVisible(window.Handle()));
         }});
    printer::SetSpoolerFactory({});
}

TEST_F(PrinterCommandsTest, AFailedSendKeepsTheSnapshotAndOffersTheChoice) {
    printer::SetSpoolerFactory([] { return std::make_unique<RefusingSpooler>(); });
    Run({[&] {
             ChangeSomething();
             PostMessageA(window.Handle(), WM_COMMAND, ids::kSendCommand, 0);
         },
         [&] {
             ASSERT_NE(nullptr, PrinterDialog());
             EXPECT_TRUE(window.PrinterSnapshot() == settings::FactoryBlock);
             EXPECT_TRUE(window.SendPending());
             PostMessageA(PrinterDialog(), WM_COMMAND, IDCANCEL, 0);
         }});
    printer::SetSpoolerFactory({});
    ASSERT_LE(1u, ui.messages.size());
    EXPECT_EQ(
        "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。",
        ui.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), Icon(ui.messages[0]));
}
