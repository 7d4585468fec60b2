// The main window's printer commands: choosing the printer, sending the settings and
// reading them back.
#include "app/CApp_Main.h"
#include "app/CDlg_Main.h"
#include "app/Messages.h"
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
        !OfferToKeepChanges(message::kChangePrinterSend, message::kChangePrinterSave)) {
        return;
    }
    CDlg_Printer dialog;
    dialog.printerName = printerName;
    dialog.portName = portName;
    dialog.startupDone = startupDone;
    INT_PTR result = dialog.Choose(Handle());
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
        message::Tell(Handle(), nt ? message::kNoReadBackNt : message::kNoReadBackHere);
    }
    readBackEnabled = canReadBack;
    if (!canReadBack) sendEnabled = true;
    EnableCommands();
    printerName = dialog.printerName;
    portName = dialog.portName;
    ShowPrinter();
    if (canReadBack && ReadBackSettings()) return;
    if (startupDone) {
        sendPending = true;
        ShowFactorySettings();
    }
}

void CDlg_Main::ShowPrinter() {
    // The bar is made after the start-up choice, which then calls this again; its parts
    // stay empty until a printer has been chosen.
    if (!statusBar || (printerName.empty() && portName.empty())) return;
    SetStatusPart(statusBar, 0, kStatusPrinter, printerName);
    SetStatusPart(statusBar, 1, kStatusConnection, portName);
}

void CDlg_Main::SendSettings() {
    if (StopForCentringRange()) return;
    if (portName.empty() || printerName.empty()) {
        message::Tell(Handle(), message::kNoneChosen);
        ChoosePrinter();
    }
    if (portName == kFilePort) {
        message::Tell(Handle(), message::kFilePortSend);
        return;
    }
    PackBlock(workingBlock);
    printer::SendResult result =
        printer::SendRawJob(printerName, workingBlock.bytes.data(), workingBlock.bytes.size(),
                            printer::CurrentFamily());
    if (result != printer::SendResult::Sent) {
        message::Tell(Handle(), message::kUnusable);
        ChoosePrinter();
        return;
    }
    message::Tell(Handle(), message::kSentToPrinter);
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
        message::Tell(Handle(), message::kBusy);
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
    switch (result.outcome) {
    case ReadBackOutcome::TimeoutsNotRead:
        message::Tell(Handle(), message::kNoTimeouts, errorTitle);
        return;
    case ReadBackOutcome::TimeoutsNotSet:
        message::Tell(Handle(), message::kTimeoutsRefused, errorTitle);
        return;
    case ReadBackOutcome::RequestNotWritten:
        message::Tell(Handle(), message::kNotWritten, applicationTitle.c_str());
        return;
    case ReadBackOutcome::ReadFailed:
        message::Tell(Handle(), message::kNotRead, applicationTitle.c_str());
        return;
    default:
        break;
    }
    message::Tell(Handle(), message::kReceived);
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
