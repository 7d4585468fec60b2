#pragma once
// TBSetup's message boxes: each text of texts:: with its buttons and icon. A text
// with a "%s" or "%d" is a pattern, shown filled in.
#include "framework/Seam.h"
#include "installer/win32/Texts.h"

namespace messages {

using framework::Message;

constexpr UINT kInform = MB_OK | MB_ICONINFORMATION;
constexpr UINT kFail = MB_OK | MB_ICONERROR;

constexpr Message kSetupInfoBroken{texts::kSetupInfoBroken, kFail};
constexpr Message kNoRights{texts::kNoRights, kFail};

// Folder dialog and the checks before copying.
constexpr Message kSpecifyFolder{texts::kSpecifyFolder, kInform};
constexpr Message kNoFreeSpace{texts::kNoFreeSpace, kInform};
constexpr Message kCreateFolder{texts::kCreateFolder, MB_YESNO | MB_ICONEXCLAMATION};
constexpr Message kStarting{texts::kStarting, kInform};
constexpr Message kFilesMissing{texts::kFilesMissing, kFail};
constexpr Message kNoInstallInfo{texts::kNoInstallInfo, kFail};
constexpr Message kCopyFailed{texts::kCopyFailed, kFail};
constexpr Message kInstalled{texts::kInstalled, kInform};
constexpr Message kShowHelp{texts::kShowHelp, MB_YESNO};

// Installation steps: the calls of a shortcut that can fail, and the uninstall entry.
constexpr UINT kLinkFailure = MB_OK | MB_ICONEXCLAMATION;
constexpr Message kSetPathFailed{texts::kSetPathFailed, kLinkFailure};
constexpr Message kSetDescriptionFailed{texts::kSetDescriptionFailed, kLinkFailure};
constexpr Message kSetWorkingDirectoryFailed{texts::kSetWorkingDirectoryFailed, kLinkFailure};
constexpr Message kSaveFailed{texts::kSaveFailed, kLinkFailure};
constexpr Message kRegistryWriteFailed{texts::kRegistryWriteFailed, kFail};

// Uninstallation.
constexpr Message kNoUninstallInfo{texts::kNoUninstallInfo, kFail};
constexpr Message kInstallPathUnreadable{texts::kInstallPathUnreadable, kFail};
constexpr Message kStarterError{texts::kStarterError, MB_OK};
constexpr Message kUninstallDeclined{texts::kUninstallDeclined, kInform};
constexpr Message kRegistryMissing{texts::kRegistryMissing, kFail};
constexpr Message kRegistryUnreadable{texts::kRegistryUnreadable, kFail};
constexpr Message kRegistryNotDeleted{texts::kRegistryNotDeleted, kFail};
constexpr Message kUninstalled{texts::kUninstalled, kInform};
constexpr Message kUninstalledFolderKept{texts::kUninstalledFolderKept, MB_OK | MB_ICONEXCLAMATION};

} // namespace messages
