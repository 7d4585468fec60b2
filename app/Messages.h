#pragma once
// TBK42's message boxes: each text with its buttons and icon. Shown with
// framework::Show, under kMessageTitle unless the call names another caption.
#include "app/Texts.h"
#include "framework/Seam.h"

namespace message {

using framework::Message;

constexpr UINT kInform = MB_OK | MB_ICONINFORMATION;
constexpr UINT kWarn = MB_OK | MB_ICONEXCLAMATION;
constexpr UINT kFail = MB_OK | MB_ICONSTOP;
constexpr UINT kOffer = MB_YESNOCANCEL | MB_ICONEXCLAMATION;

constexpr Message kFactoryShown{kFactoryShownMessage, kInform};

// Settings files.
constexpr Message kDiscard{kDiscardQuestion, MB_YESNO | MB_ICONEXCLAMATION};
constexpr Message kNotSettings{kNotSettingsFile, kWarn};
constexpr Message kFolderDenied{kFolderAccessDenied, kWarn};
constexpr Message kWriteFailed{kFileWriteFailed, kFail};

// Questions before settings could be lost.
constexpr Message kExitSend{kExitSendQuestion, kOffer};
constexpr Message kExitSave{kExitSaveQuestion, kOffer};
constexpr Message kChangePrinterSend{kChangePrinterSendQuestion, kOffer};
constexpr Message kChangePrinterSave{kChangePrinterSaveQuestion, kOffer};

// Printer selection: the refusals that end the program warn, the others inform.
constexpr Message kNoPrinter{kNoUsablePrinter, kWarn};
constexpr Message kOnlyFiles{kOnlyFilePorts, kWarn};
constexpr Message kFileOnlyRow{kFilePortOnlyRow, kWarn};
constexpr Message kFileChooseOther{kFilePortChooseOther, kInform};
constexpr Message kNoneChosen{kNoPrinterChosen, kWarn};
constexpr Message kNoReadBackHere{kNoReadBackOnThisPort, kInform};
constexpr Message kNoReadBackNt{kNoReadBackOnNt, kInform};

// Sending and reading back; the failures of the port under other captions.
constexpr Message kFilePortSend{kSendToFilePort, kInform};
constexpr Message kSentToPrinter{kSent, kInform};
constexpr Message kUnusable{kPrinterUnusable, kWarn};
constexpr Message kBusy{kPrinterBusy, kInform};
constexpr Message kNoTimeouts{kTimeoutsNotRead, MB_OK};
constexpr Message kTimeoutsRefused{kTimeoutsNotSet, MB_OK};
constexpr Message kNotWritten{kRequestNotWritten, kFail};
constexpr Message kNotRead{kReplyNotRead, kFail};
constexpr Message kReceived{kReplyReceived, kInform};

constexpr Message kNoHelp{kHelpMissing, kWarn};

// Shows `shown` owned by `owner` under `caption`; returns the button chosen.
inline int Tell(HWND owner, const Message& shown, const char* caption = kMessageTitle) {
    return framework::Show(owner, caption, shown);
}

} // namespace message
