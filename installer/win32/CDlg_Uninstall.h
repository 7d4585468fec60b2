#pragma once
// The uninstall window: the progress window running the uninstallation worker, which
// removes the Start-menu group, the uninstall key and what the install record lists.
#include "installer/win32/CDlg_Progress.h"

#include <vector>

namespace installer_win32 {

class CDlg_Uninstall : public CDlg_Progress {
public:
    explicit CDlg_Uninstall(const installer::SetupRecord& record) : CDlg_Progress(record) {}

protected:
    BOOL OnInitDialog() override;
    void Work() override;

private:
    void RemoveGroup();
    // Removes what the install record lists, one step per file, then the install
    // folder itself when it is empty.
    void RemoveRecorded(const std::string& installFolder, const std::vector<std::string>& entries);
    // Reads InstallPath of the open uninstall key.
    bool ReadInstallPath(HKEY key, std::string& folder);
    // Returns false (message shown) when the key is gone, unreadable or not deleted.
    bool RemoveKey(std::string& installFolder);
};

// The confirmation dialog (template 130): caption and both lines formatted with the
// title; Yes is 1, No, Escape and the close box 2.
class CDlg_Confirm : public framework::Dialog {
public:
    explicit CDlg_Confirm(const std::string& title);

protected:
    BOOL OnInitDialog() override;

private:
    std::string title;
};

// The runs of the uninstallation, started by the folder dialog's dispatch. Each shows
// its messages owned by `owner`.
void RunHandOff(HWND owner, const installer::SetupRecord& record);
void RunUninstall(HWND owner);

} // namespace installer_win32
