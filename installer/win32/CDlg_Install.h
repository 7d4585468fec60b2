#pragma once
// The install window: the progress window running the installation worker, which
// copies the source tree, the installer and its setup information into the install
// folder, writes the install record, the Start-menu group and the uninstall key.
#include "installer/InstallRecord.h"
#include "installer/win32/CDlg_Progress.h"

#include <vector>

namespace installer_win32 {

class CDlg_Install : public CDlg_Progress {
public:
    // Results of the run.
    static constexpr INT_PTR kFilesMissing = 0;
    static constexpr INT_PTR kRan = 1;
    // No Programs folder for the Start-menu group: stopped before anything was copied.
    static constexpr INT_PTR kNoStartMenu = 2;

    explicit CDlg_Install(const installer::SetupRecord& record) : CDlg_Progress(record) {}

    // The install job, filled in before the run.
    std::string sourceFolder;
    std::string installFolder;
    bool expand = true;

    // Read after the run: the first file that could not be installed (empty when every
    // copy succeeded) and whether the uninstall entry was written.
    std::string failedFile;
    bool keyWritten = false;

protected:
    void Work() override;

private:
    // Copies `source` into `target`, `relative` being the target's path inside the
    // install folder; one step per file.
    void CopyTree(const std::string& source, const std::string& target, const std::string& relative);
    void CopyOneFile(const std::string& name, const std::string& source, const std::string& target,
                     const std::string& relative);
    void CopyBeside(const char* step, const std::string& source, const char* name);
    void CreateGroup();
    bool WriteUninstallKey();
    void WriteRecord();
    void Created(const std::string& relative);
    void Failed(const std::string& target);

    std::vector<std::string> created;
    std::string group; // the Start-menu group folder
};

} // namespace installer_win32
