// The main window's command map, the send command's state, the change questions and
// the exit.
#include "app/CDlg_Main.h"
#include "app/Texts.h"
#include "framework/Seam.h"
#include "resources/Tbk42Ids.h"
#include "settings/FactoryBlock.h"

#include <commctrl.h>

const CDlg_Main::Command CDlg_Main::kCommands[] = {
    {ID_DATA_CHECK, &CDlg_Main::UpdateSendCommand},
    {ID_EXIT, &CDlg_Main::ConfirmExit},
    {ID_FACTORY, &CDlg_Main::ShowFactorySettings},
    {ID_TB_FACTORY, &CDlg_Main::ShowFactorySettings},
    {ID_FILE_LOAD, &CDlg_Main::LoadSettingsFile},
    {ID_TB_LOAD, &CDlg_Main::LoadSettingsFile},
    {ID_FILE_SAVE, &CDlg_Main::SaveSettingsFile},
    {ID_TB_SAVE, &CDlg_Main::SaveSettingsFile},
    {ID_SEND, &CDlg_Main::SendSettings},
    {ID_TB_SEND, &CDlg_Main::SendSettings},
    {ID_RECEIVE, &CDlg_Main::ReadBackCommand},
    {ID_TB_RECEIVE, &CDlg_Main::ReadBackCommand},
    {ID_CHOOSE_PRINTER, &CDlg_Main::ChoosePrinter},
    {ID_TB_PRINTER, &CDlg_Main::ChoosePrinter},
    {ID_HELP_CONTENTS, &CDlg_Main::ShowHelp},
    {ID_ABOUT, &CDlg_Main::ShowAbout},
};

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
        if (command.id == id) {
            (this->*command.run)();
            return true;
        }
    }
    return Dialog::OnCommand(id, code, control);
}

void CDlg_Main::UpdateSendCommand() {
    if (startupDone) PackBlock(workingBlock);
    EnableSendCommand(sendPending || workingBlock != printerSnapshot);
}

void CDlg_Main::EnableSendCommand(bool enabled) {
    EnableCommand(ID_SEND, ID_TB_SEND, enabled);
}

void CDlg_Main::EnableCommand(int menuId, int buttonId, bool enabled) {
    EnableMenuItem(GetMenu(Handle()), menuId, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    SendMessageA(toolbar, TB_ENABLEBUTTON, buttonId, MAKELONG(enabled ? TRUE : FALSE, 0));
}

void CDlg_Main::ShowFactorySettings() {
    workingBlock = settings::FactoryBlock;
    UnpackBlock(workingBlock);
    SelectPage(kSelectPage);
    framework::Ui().ShowMessage(Handle(), kFactoryShownMessage, kMessageTitle,
                                MB_OK | MB_ICONINFORMATION);
    UpdateSendCommand();
    pageSelect.UpdateFormatButton();
}

bool CDlg_Main::OfferToKeepChanges(const char* sendQuestion, const char* saveQuestion) {
    PackBlock(workingBlock);
    // Both differences are taken before anything is sent or saved.
    bool toSend = workingBlock != printerSnapshot;
    bool toSave = workingBlock != fileSnapshot;
    if (toSend && !Offer(sendQuestion, &CDlg_Main::SendSettings)) return false;
    saveRefused = false;
    if (toSave && !Offer(saveQuestion, &CDlg_Main::SaveSettingsFile)) return false;
    return !saveRefused;
}

bool CDlg_Main::Offer(const char* question, void (CDlg_Main::*keep)()) {
    int answer = framework::Ui().ShowMessage(Handle(), question, kMessageTitle,
                                             MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer == IDCANCEL) return false;
    if (answer != IDYES) return true;
    // With a centring value out of range the command only shows the parameter page
    // and its correction; the caller then stops too.
    bool outOfRange = pageParam.AnyOutOfRange();
    (this->*keep)();
    return !outOfRange;
}

void CDlg_Main::ConfirmExit() {
    if (OfferToKeepChanges(kExitSendQuestion, kExitSaveQuestion)) End(IDOK);
}
