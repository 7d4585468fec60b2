#pragma once
// The folder dialog (template 102): reads the setup record, dispatches on the command
// line, asks for the install folder and runs the installation from its OK button.
#include "installer/SetupInfo.h"
#include "framework/Dialog.h"
#include "framework/ProgramWindow.h"

#include <string>

namespace installer_win32 {

class CDlg_Folder : public framework::Dialog {
public:
    CDlg_Folder();
    ~CDlg_Folder() override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    // Runs the switches of the command line; false when the dialog is to close.
    bool Dispatch();
    void Browse();
    // The installer's own folder joined with DISK_PATH.
    std::string SourceFolder() const;
    void EnableControls(bool enable);
    // The checks before copying; false (message shown) when the path is refused.
    bool CheckDrive(const std::string& path);
    bool CheckFreeSpace(const std::string& path);
    bool CheckFolder(const std::string& path);
    void RefusePath();
    void Install(const std::string& path);

    installer::SetupRecord record;
    std::string defaultPath;
    framework::ProgramIcon icon;
};

} // namespace installer_win32
