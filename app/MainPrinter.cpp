// The main window's printer commands: choosing the printer, sending the settings and
// reading them back.
#include "app/CApp_Main.h"
#include "app/CDlg_Main.h"
#include "app/Texts.h"
#include "framework/Seam.h"
#include "framework/System.h"
#include "printer/ReplyDecoder.h"
#include "printer/win32/Spooler.h"
#include "printer/win32/Win32ParallelPort.h"
#include "resources/Tbk42Ids.h"

#include <commctrl.h>
#include <cstdio>

namespace {

void SetStatusPart(HWND statusBar, int part, const char* format, const std::string& value) {
    char text[MAX_PATH + 64];
    std::snprintf(text, sizeof text, format, value.c_str());
    SendMessageA(statusBar, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text));
}

} // namespace

void CDlg_Main::ChoosePrinter() {
    if (startupDone &&
        !OfferToKeepChanges(kChangePrinterSendQuestion, kChangePrinterSaveQuestion)) {
        return;
    }
    CDlg_Printer dialog;
    dialog.printerName = printerName;
    dialog.portName = portName;
    dialog.startupDone = startupDone;
    INT_PTR result = dialog.DoModal(Handle());
    if (result == IDOK) {
        ApplyPrinterChoice(dialog);
    } else if (result == IDCANCEL) {
        // With no printer ever chosen, or only a file port at start-up, the program ends.
        bool noneChosen = dialog.printerName.empty() && dialog.portName.empty();
        if (noneChosen || (dialog.portName == kFilePort && !startupDone)) End(IDOK);
    }
}

void CDlg_Main::ApplyPrinterChoice(const CDlg_Printer& dialog) {
    printerChoiceEnabled = dialog.printerCount > 1;
    EnableCommands();
    bool nt = framework::RunningWindows().IsNt();
    bool canReadBack = dialog.portName == kReadBackPort && !nt;
    if (!canReadBack && (!nt || !startupDone)) {
        framework::Ui().ShowMessage(Handle(), nt ? kNoReadBackOnNt : kNoReadBackOnThisPort,
                                    kMessageTitle, MB_OK | MB_ICONINFORMATION);
    }
    readBackEnabled = canReadBack;
    if (!canReadBack) sendEnabled = true;
    EnableCommands();
    SetStatusPart(statusBar, 0, kStatusPrinter, dialog.printerName);
    SetStatusPart(statusBar, 1, kStatusConnection, dialog.portName);
    printerName = dialog.printerName;
    portName = dialog.portName;
    if (canReadBack && ReadBackSettings()) return;
    if (startupDone) {
        sendPending = true;
        ShowFactorySettings();
    }
}

void CDlg_Main::SendSettings() {
    if (StopForCentringRange()) return;
    if (portName.empty() || printerName.empty()) {
        framework::Ui().ShowMessage(Handle(), kNoPrinterChosen, kMessageTitle,
                                    MB_OK | MB_ICONEXCLAMATION);
        ChoosePrinter();
    }
    if (portName == kFilePort) {
        framework::Ui().ShowMessage(Handle(), kSendToFilePort, kMessageTitle,
                                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    PackBlock(workingBlock);
    printer::SendResult result =
        printer::SendRawJob(printerName, workingBlock.bytes.data(), workingBlock.bytes.size(),
                            printer::CurrentFamily());
    if (result != printer::SendResult::Sent) {
        framework::Ui().ShowMessage(Handle(), kPrinterUnusable, kMessageTitle,
                                    MB_OK | MB_ICONEXCLAMATION);
        ChoosePrinter();
        return;
    }
    framework::Ui().ShowMessage(Handle(), kSent, kMessageTitle, MB_OK | MB_ICONINFORMATION);
    printerSnapshot = workingBlock;
    EnableSendCommand(false);
    sendPending = false;
}

bool CDlg_Main::ReadBackSettings() {
    if (!ConfirmDiscardChanges()) return false;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    printer::ReadBackResult result = printer::ReadBackFromPrinter();
    SetCursor(previous);
    if (result.outcome == printer::ReadBackOutcome::NotReady) {
        framework::Ui().ShowMessage(Handle(), kPrinterBusy, kMessageTitle,
                                    MB_OK | MB_ICONINFORMATION);
        return false;
    }
    ReportReadBack(result);
    return true;
}

void CDlg_Main::ReportReadBack(const printer::ReadBackResult& result) {
    using printer::ReadBackOutcome;
    char errorTitle[16];
    std::snprintf(errorTitle, sizeof errorTitle, "%lu", result.error);
    std::string applicationTitle = CApp_Main::ApplicationName();
    framework::Seam& ui = framework::Ui();
    switch (result.outcome) {
    case ReadBackOutcome::TimeoutsNotRead:
        ui.ShowMessage(Handle(), kTimeoutsNotRead, errorTitle, MB_OK);
        return;
    case ReadBackOutcome::TimeoutsNotSet:
        ui.ShowMessage(Handle(), kTimeoutsNotSet, errorTitle, MB_OK);
        return;
    case ReadBackOutcome::RequestNotWritten:
        ui.ShowMessage(Handle(), kRequestNotWritten, applicationTitle.c_str(), MB_OK | MB_ICONSTOP);
        return;
    case ReadBackOutcome::ReadFailed:
        ui.ShowMessage(Handle(), kReplyNotRead, applicationTitle.c_str(), MB_OK | MB_ICONSTOP);
        return;
    default:
        break;
    }
    ui.ShowMessage(Handle(), kReplyReceived, kMessageTitle, MB_OK | MB_ICONINFORMATION);
    // A reply of any other length changes nothing.
    if (!printer::DecodeReply(result.reply.data(), result.reply.size(), workingBlock)) return;
    UnpackBlock(workingBlock);
    printerSnapshot = fileSnapshot = workingBlock;
    EnableSendCommand(false);
    pageSelect.UpdateFormatButton();
    sendPending = false;
}

void CDlg_Main::ReadBackCommand() {
    ReadBackSettings();
}
