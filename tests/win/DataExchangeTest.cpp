// The exchange helpers' remembered control lookup and text reads, on the tests' own
// plain template: a remembered control must never outlive its window, and a text read
// in one message must still come back whole, double-byte characters included.
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "tests/win/FrameworkTestIds.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int kOtherId = 30099; // no control of the template has it

class PlainDialog : public framework::Dialog {
public:
    PlainDialog() : Dialog(IDD_TEST_PROBE) {}
};

class DataExchangeTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(nullptr, dialog.Create(nullptr)); }
    void TearDown() override { dialog.End(0); }

    HWND AddEdit(int id) {
        return CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 12,
                               dialog.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               nullptr, nullptr);
    }
    void SetText(const std::string& text) {
        SendMessageA(dialog.Item(IDC_TEST_EDIT), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::string Read() { return framework::GetText(dialog.Handle(), IDC_TEST_EDIT); }

    PlainDialog dialog;
};

TEST_F(DataExchangeTest, ARememberedControlIsDroppedWhenItsWindowIsReplaced) {
    HWND first = GetDlgItem(dialog.Handle(), IDC_TEST_EDIT);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, framework::Control(dialog.Handle(), IDC_TEST_EDIT));
    DestroyWindow(first);
    EXPECT_EQ(nullptr, framework::Control(dialog.Handle(), IDC_TEST_EDIT));
    HWND second = AddEdit(IDC_TEST_EDIT);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(second, framework::Control(dialog.Handle(), IDC_TEST_EDIT));
    // The replacement is the one read and written.
    SetWindowTextA(second, "replacement");
    EXPECT_EQ("replacement", Read());
}

TEST_F(DataExchangeTest, AMissingControlIsNotRememberedAsMissing) {
    EXPECT_EQ(nullptr, framework::Control(dialog.Handle(), kOtherId));
    HWND added = AddEdit(kOtherId);
    ASSERT_NE(nullptr, added);
    EXPECT_EQ(added, framework::Control(dialog.Handle(), kOtherId));
    // Another dialog's control of the same id is not this dialog's.
    PlainDialog other;
    ASSERT_NE(nullptr, other.Create(nullptr));
    EXPECT_EQ(GetDlgItem(other.Handle(), IDC_TEST_EDIT),
              framework::Control(other.Handle(), IDC_TEST_EDIT));
    EXPECT_NE(framework::Control(dialog.Handle(), IDC_TEST_EDIT),
              framework::Control(other.Handle(), IDC_TEST_EDIT));
    other.End(0);
}

TEST_F(DataExchangeTest, TextsAroundTheSingleReadBufferComeBackWhole) {
    for (std::size_t length : {1u, 61u, 62u, 63u, 64u, 65u, 200u}) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('0' + i % 10);
        ASSERT_NE(text, Read()) << length;
        SetText(text);
        EXPECT_EQ(text, Read()) << length;
    }
    // Double-byte characters across the end of the buffer.
    for (std::size_t ascii : {59u, 60u, 61u, 62u}) {
        std::string text = std::string(ascii, 'a') + "日本語";
        SetText(text);
        EXPECT_EQ(text, Read()) << ascii;
    }
    SetText("");
    EXPECT_EQ("", Read());
}

TEST_F(DataExchangeTest, IntegersWrittenAndReadThroughTheRememberedEdit) {
    int value = 0;
    ASSERT_NE("-12", Read());
    framework::SetInt(dialog.Handle(), IDC_TEST_EDIT, -12);
    EXPECT_EQ("-12", Read());
    EXPECT_TRUE(framework::GetInt(dialog.Handle(), IDC_TEST_EDIT, value));
    EXPECT_EQ(-12, value);
}

} // namespace
