// The main window's command table and what it drives (dispatch, the toolbar, the menu
// images, enabling), the send command's state, the change questions and the exit.
#include "app/CDlg_Main.h"
#include "app/Messages.h"
#include "app/Texts.h"
#include "framework/Seam.h"
#include "resources/ArtIds.h"
#include "resources/Tbk42Ids.h"
#include "settings/FactoryBlock.h"

#include <commctrl.h>

namespace {

void InsertToolbarItem(HWND toolbar, int position, int image, int command, BYTE style) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    SendMessageA(toolbar, TB_INSERTBUTTONA, position, reinterpret_cast<LPARAM>(&button));
}

} // namespace

const CDlg_Main::Command CDlg_Main::kCommands[] = {
    {ID_FILE_LOAD, ID_TB_LOAD, false, IDB_MENU_LOAD, &CDlg_Main::LoadSettingsFile, nullptr},
    {ID_FILE_SAVE, ID_TB_SAVE, true, IDB_MENU_SAVE, &CDlg_Main::SaveSettingsFile, nullptr},
    {ID_RECEIVE, ID_TB_RECEIVE, false, IDB_MENU_RECEIVE, &CDlg_Main::ReadBackCommand,
     &CDlg_Main::readBackEnabled},
    {ID_SEND, ID_TB_SEND, true, IDB_MENU_SEND, &CDlg_Main::SendSettings, &CDlg_Main::sendEnabled},
    {ID_FACTORY, ID_TB_FACTORY, true, IDB_MENU_FACTORY, &CDlg_Main::ShowFactorySettings, nullptr},
    {ID_CHOOSE_PRINTER, ID_TB_PRINTER, false, IDB_MENU_PRINTER, &CDlg_Main::ChoosePrinter,
     &CDlg_Main::printerChoiceEnabled},
    {ID_DATA_CHECK, 0, false, 0, &CDlg_Main::UpdateSendCommand, nullptr},
    {ID_EXIT, 0, false, 0, &CDlg_Main::ConfirmExit, nullptr},
    {ID_HELP_CONTENTS, 0, false, 0, &CDlg_Main::ShowHelp, &CDlg_Main::helpFound},
    {ID_ABOUT, 0, false, 0, &CDlg_Main::ShowAbout, nullptr},
};

// Menu 142 drawn by the icon menu, with the images of its commands; the window then
// holds (and in the end destroys) the menu instead of the template's.
void CDlg_Main::InstallMenu() {
    if (!menu.LoadMenu(IDR_MAIN)) return;
    for (const Command& command : kCommands) {
        if (command.menuImage) menu.SetItemImage(nullptr, command.menuId, command.menuImage);
    }
    for (const PageEntry& page : kPages)
        menu.SetItemImage(nullptr, page.command, page.menuImage);
    HMENU templateMenu = GetMenu(Handle());
    SetMenu(Handle(), menu.Handle());
    if (templateMenu) DestroyMenu(templateMenu);
    menu.Detach();
}

void CDlg_Main::CreateToolbar() {
    toolbar = CreateWindowExA(
        0, TOOLBARCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE | CCS_TOP, 0, 0, 0, 0,
        Handle(), reinterpret_cast<HMENU>(IDC_TOOLBAR), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    int imageCount = 0;
    for (const Command& command : kCommands)
        imageCount += command.buttonId != 0;
    TBADDBITMAP images = {GetModuleHandleA(nullptr), IDB_TOOLBAR};
    SendMessageA(toolbar, TB_ADDBITMAP, imageCount, reinterpret_cast<LPARAM>(&images));
    int position = 0;
    InsertToolbarItem(toolbar, position++, 0, 0, TBSTYLE_SEP);
    int image = 0;
    for (const Command& command : kCommands) {
        if (!command.buttonId) continue;
        InsertToolbarItem(toolbar, position++, image++, command.buttonId, TBSTYLE_BUTTON);
        if (command.separatorAfter) InsertToolbarItem(toolbar, position++, 0, 0, TBSTYLE_SEP);
    }
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
}

// Enter and Escape reach OK and Cancel, which do nothing: the window ends only
// through the exit command or the close box (whose system command asks first).
void CDlg_Main::OnOK() {}
void CDlg_Main::OnCancel() {}

bool CDlg_Main::OnCommand(int id, int code, HWND control) {
    for (int index = 0; index < kPageCount; ++index) {
        if (kPages[index].command != id) continue;
        SelectPage(index);
        return true;
    }
    for (const Command& command : kCommands) {
        if (command.menuId == id || (command.buttonId && command.buttonId == id)) {
            (this->*command.run)();
            return true;
        }
    }
    return Dialog::OnCommand(id, code, control);
}

void CDlg_Main::UpdateSendCommand() {
    // A data check raised by a pack's own focus moves (a page shown, a refused control
    // focused) would pack again inside it and repeat its message: the pack under way
    // stands for it.
    if (packing) return;
    if (startupDone) PackBlock(workingBlock);
    EnableSendCommand(sendPending || workingBlock != printerSnapshot);
}

void CDlg_Main::EnableSendCommand(bool enabled) {
    sendEnabled = enabled;
    EnableCommands();
}

void CDlg_Main::EnableCommands() {
    for (const Command& command : kCommands) {
        if (!command.enabled) continue;
        bool enabled = this->*command.enabled;
        EnableMenuItem(GetMenu(Handle()), command.menuId,
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        if (toolbar && command.buttonId) {
            SendMessageA(toolbar, TB_ENABLEBUTTON, command.buttonId, MAKELONG(enabled, 0));
        }
    }
}

void CDlg_Main::ShowFactorySettings() {
    workingBlock = settings::FactoryBlock;
    UnpackBlock(workingBlock);
    SelectPage(kSelectPage);
    message::Tell(Handle(), message::kFactoryShown);
    UpdateSendCommand();
    pageSelect.UpdateFormatButton();
}

bool CDlg_Main::OfferToKeepChanges(const framework::Message& sendQuestion,
                                   const framework::Message& saveQuestion) {
    PackBlock(workingBlock);
    // Both differences are taken before anything is sent or saved.
    bool toSend = workingBlock != printerSnapshot;
    bool toSave = workingBlock != fileSnapshot;
    if (toSend && !Offer(sendQuestion, &CDlg_Main::SendSettings)) return false;
    saveRefused = false;
    if (toSave && !Offer(saveQuestion, &CDlg_Main::SaveSettingsFile)) return false;
    return !saveRefused;
}

bool CDlg_Main::Offer(const framework::Message& question, void (CDlg_Main::*keep)()) {
    int answer = message::Tell(Handle(), question);
    if (answer == IDCANCEL) return false;
    if (answer != IDYES) return true;
    // With a centring value out of range the command only shows the parameter page
    // and its correction; the caller then stops too.
    bool outOfRange = pageParam.AnyOutOfRange();
    (this->*keep)();
    return !outOfRange;
}

void CDlg_Main::ConfirmExit() {
    if (OfferToKeepChanges(message::kExitSend, message::kExitSave)) End(IDOK);
}
