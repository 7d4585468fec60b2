// Printer selection with a second printer of the model, added to the test prefix for
// the test's run: "K42 Second" on COM1: beside "Varo Corvane K42" on LPT1:.
#include "framework/System.h"
#include "settings/FactoryBlock.h"
#include "tests/win/MainWindowFixture.h"
#include "tests/win/PrefixFiles.h"
#include "tests/win/TestIds.h"

#include <winspool.h>

namespace {

const char kSecond[] = "K42 Second";
const char kModel[] = "Varo Corvane K42";

bool AddSecondPrinter() {
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(kSecond);
    info.pPortName = const_cast<char*>("COM1:");
    info.pDriverName = const_cast<char*>(kModel);
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer) ClosePrinter(printer);
    return printer != nullptr;
}

void DeleteSecondPrinter() {
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(kSecond), &printer, &access)) return;
    DeletePrinter(printer);
    ClosePrinter(printer);
}

HWND PrinterDialog() {
    return FindWindowA("#32770", "プリンタの選択");
}

std::string Cell(int row, int column) {
    char text[128] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendDlgItemMessageA(PrinterDialog(), ids::kPrinterList, LVM_GETITEMTEXTA, row,
                        reinterpret_cast<LPARAM>(&item));
    return text;
}

void SelectRow(int row) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(PrinterDialog(), ids::kPrinterList, LVM_SETITEMSTATE, row,
                        reinterpret_cast<LPARAM>(&state));
}

class TwoPrintersTest : public wintest::MainWindowFixture {
protected:
    void SetUp() override {
        if (wintest::JobsFile().empty()) GTEST_SKIP() << "this prefix has no printer of the model";
        ASSERT_TRUE(AddSecondPrinter()) << GetLastError();
    }
    void TearDown() override { DeleteSecondPrinter(); }
    bool Nt() const { return framework::RunningWindows().IsNt(); }
    // Accepts row `row` of the printer dialog that is up.
    std::function<void()> Choose(int row) {
        return [row] {
            ASSERT_NE(nullptr, PrinterDialog());
            SelectRow(row);
            PostMessageA(PrinterDialog(), WM_COMMAND, IDOK, 0);
        };
    }
};

} // namespace

TEST_F(TwoPrintersTest, StartUpListsBothSortedAndTakesTheChoice) {
    Run({[&] {
             ASSERT_NE(nullptr, PrinterDialog()); // shown while the window initialises
             EXPECT_EQ(kSecond, Cell(0, 0));
             EXPECT_EQ("COM1:", Cell(0, 1));
             EXPECT_EQ(kModel, Cell(1, 0));
             EXPECT_EQ("LPT1:", Cell(1, 1));
         },
         Choose(1),
         [&] {
             EXPECT_EQ(kModel, window.PrinterName());
             EXPECT_FALSE(MenuGreyed(ids::kChoosePrinterCommand)); // two printers listed
         }});
}

TEST_F(TwoPrintersTest, ChoosingAgainFallsBackToTheFactorySettings) {
    Run({Choose(1),
         [&] {
             SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting), BM_CLICK, 0, 0);
             ui.messages.clear();
             // Keep neither by sending nor by saving; 9x: discard them for the read-back.
             ui.answers = {IDNO, IDNO, IDYES};
             PostMessageA(window.Handle(), WM_COMMAND, ids::kChoosePrinterCommand, 0);
         },
         Choose(Nt() ? 0 : 1),
         [&] {
             ASSERT_EQ(nullptr, PrinterDialog());
             EXPECT_TRUE(window.WorkingBlock() == settings::FactoryBlock);
             EXPECT_TRUE(window.SendPending());
             EXPECT_FALSE(MenuGreyed(ids::kSendCommand));
             EXPECT_EQ(Nt(), MenuGreyed(ids::kReceiveCommand));
         }});
    std::vector<std::string> texts;
    for (const wintest::ShownMessage& message : ui.messages)
        texts.push_back(message.text);
    // 9x: the printer on LPT1: does not answer; NT: no read-back message after start-up.
    std::vector<std::string> expected = {
        "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？",
        "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？"};
    if (!Nt())
        expected.insert(
            expected.end(),
            {"設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。",
             "現在プリンタが印刷中あるいは、エラーが発生しているため、設定値の取得はできません。"});
    expected.push_back("工場出荷設定値を表示しました。");
    EXPECT_EQ(expected, texts);
}

TEST_F(TwoPrintersTest, APrinterOnAnotherPortCannotBeReadBack) {
    Run({Choose(1),
         [&] {
             ui.messages.clear();
             PostMessageA(window.Handle(), WM_COMMAND, ids::kChoosePrinterCommand, 0);
         },
         Choose(0),
         [&] {
             EXPECT_EQ("COM1:", window.PortName());
             EXPECT_TRUE(MenuGreyed(ids::kReceiveCommand));
             EXPECT_FALSE(MenuGreyed(ids::kSendCommand));
         }});
    ASSERT_FALSE(ui.messages.empty());
    if (Nt()) {
        EXPECT_EQ("工場出荷設定値を表示しました。", ui.messages[0].text);
    } else {
        EXPECT_EQ("設定値をプリンタから取得できません。", ui.messages[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), ui.messages[0].type & MB_ICONMASK);
    }
}

TEST_F(TwoPrintersTest, CancelAtStartUpEndsTheProgram) {
    INT_PTR result = Run({[&] { PostMessageA(PrinterDialog(), WM_COMMAND, IDCANCEL, 0); }});
    EXPECT_EQ(IDOK, result);
}

// The chosen printer is deleted from the system before a send: the send is refused as
// for an unusable printer, the printer selection is offered, and nothing counts as sent.
TEST_F(TwoPrintersTest, APrinterDeletedBeforeASendIsReportedAndNothingCountsAsSent) {
    Run({Choose(0),
         [&] {
             ASSERT_EQ(kSecond, window.PrinterName());
             DeleteSecondPrinter();
             SendMessageA(PageItem(ids::kMsw2Tab, ids::kMsw2PaperOutPrinting), BM_CLICK, 0, 0);
             ui.messages.clear();
             PostMessageA(window.Handle(), WM_COMMAND, ids::kSendCommand, 0);
         },
         [&] {
             ASSERT_NE(nullptr, PrinterDialog());
             EXPECT_TRUE(window.PrinterSnapshot() == settings::FactoryBlock);
             EXPECT_FALSE(window.WorkingBlock() == settings::FactoryBlock);
             EXPECT_TRUE(window.SendPending());
             PostMessageA(PrinterDialog(), WM_COMMAND, IDCANCEL, 0);
         },
         [&] { EXPECT_FALSE(MenuGreyed(ids::kSendCommand)); }});
    ASSERT_LE(1u, ui.messages.size());
    EXPECT_EQ(
        "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。",
        ui.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), ui.messages[0].type & MB_ICONMASK);
}
