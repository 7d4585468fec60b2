#pragma once
// The main window: menu, toolbar, six tabbed pages and a two-part status bar. It owns
// the three settings blocks and runs every command of the program.
#include "app/CDlg_Printer.h"
#include "framework/Dialog.h"
#include "framework/ProgramWindow.h"
#include "framework/Seam.h"
#include "menu/IconMenu.h"
#include "pages/CPage_MSW.h"
#include "pages/CPage_Param.h"
#include "pages/CPage_Select.h"
#include "printer/ReadBack.h"
#include "settings/SettingsBlock.h"

#include <string>

class CDlg_Main : public framework::Dialog {
public:
    // The pages by tab, which is also the order of packing and unpacking.
    enum PageIndex { kSelectPage, kParamPage, kMsw1Page, kMsw2Page, kMsw3Page, kMsw4Page };
    static constexpr int kPageCount = 6;

    CDlg_Main();
    ~CDlg_Main() override;

    // Makes tab `index` current and shows its page.
    void SelectPage(int index);
    // The window of page `index`, made now (hidden) when the page has never been shown.
    HWND PageWindow(int index);
    // Packs the pages (once start-up is done) and enables the send command when a send
    // is pending or the block differs from the printer's copy.
    void UpdateSendCommand();
    // Runs every page's store, or load, in the fixed page order. Packing reads only the
    // controls edited since the last pack.
    void PackBlock(settings::SettingsBlock& block);
    void UnpackBlock(settings::SettingsBlock& block);
    void ConfirmExit();
    // Shows the factory settings on the pages (no question), on the first tab.
    void ShowFactorySettings();
    void LoadSettingsFile();
    void SaveSettingsFile();

    int CurrentPage() const;
    CPage& Page(int tabIndex);
    const CPage& Page(int tabIndex) const { return const_cast<CDlg_Main*>(this)->Page(tabIndex); }
    bool StartupDone() const { return startupDone; }
    const std::string& PrinterName() const { return printerName; }
    const std::string& PortName() const { return portName; }
    bool SendPending() const { return sendPending; }
    const settings::SettingsBlock& WorkingBlock() const { return workingBlock; }
    const settings::SettingsBlock& FileSnapshot() const { return fileSnapshot; }
    const settings::SettingsBlock& PrinterSnapshot() const { return printerSnapshot; }
    HWND Toolbar() const { return toolbar; }
    HWND StatusBar() const { return statusBar; }
    HWND TabControl() const;
    CPage_Select& SelectPageObject() { return pageSelect; }
    CPage_Param& ParamPage() { return pageParam; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool PreTranslateMessage(MSG& message) override;

private:
    // A command of the menu and its toolbar button: dispatch, the toolbar, the menu
    // images and enabling all loop over kCommands, one row per command.
    struct Command {
        int menuId;
        // 0 when the toolbar has no button for it. The buttons come in the rows' order,
        // which is the order of their images in the toolbar strip.
        int buttonId;
        bool separatorAfter; // on the toolbar
        int menuImage;       // the bitmap beside the menu item; 0 for none
        void (CDlg_Main::*run)();
        bool CDlg_Main::*enabled; // the state that enables it; nullptr when always enabled
    };
    static const Command kCommands[];
    // Everything about one page: its tab (titled by settings::kPageTitles), the menu
    // command that shows it and that command's image, its object.
    struct PageEntry {
        int image; // in the tab image strip
        int command;
        int menuImage;
        CPage& (*object)(CDlg_Main&);
    };
    static const PageEntry kPages[kPageCount];

    void ApplyPrinterChoice(const CDlg_Printer& dialog);
    // Shows the current printer and its connection in the status bar.
    void ShowPrinter();
    void ReportReadBack(const printer::ReadBackResult& result);
    void ReadBackCommand();
    void ShowHelp();
    void ShowAbout();
    void InstallMenu();
    void LocateHelpFile();
    void CreateToolbar();
    void CreateStatusBar();
    // The six tabs; a page's window is made when the page is first shown.
    void CreateTabs();
    void ShowCurrentPage();
    void EnableSendCommand(bool enabled);
    // Enables or greys every command with a state in kCommands, menu item and button.
    void EnableCommands();
    bool AnswerToolTip(NMHDR* header);
    void AdjustSystemMenu();
    // Lists the printers of the model and applies the user's choice (silently the only
    // one at start-up); may end the window.
    void ChoosePrinter();
    void SendSettings();
    // Reads the printer's settings over the parallel port; false when the user kept
    // the changed settings or the printer was not ready.
    bool ReadBackSettings();
    // Asks to send, then to save, settings that would otherwise be lost; false when the
    // caller must stop (Cancel, a centring value out of range, or a save the disk
    // refused: the settings stay in the window, to be saved elsewhere).
    bool OfferToKeepChanges(const framework::Message& sendQuestion,
                            const framework::Message& saveQuestion);
    bool Offer(const framework::Message& question, void (CDlg_Main::*keep)());
    // Asks before settings the printer does not hold are replaced; true to go on.
    bool ConfirmDiscardChanges();
    // When a head-centring value is out of range: shows the parameter page with its
    // message and correction, and returns true (the command then stops).
    bool StopForCentringRange();

    IconMenu menu;
    framework::ProgramIcon programIcon;
    HWND toolbar = nullptr;
    HWND statusBar = nullptr;
    CPage_Select pageSelect;
    CPage_Param pageParam;
    CPage_MSW1 pageMsw1;
    CPage_MSW2 pageMsw2;
    CPage_MSW3 pageMsw3;
    CPage_MSW4 pageMsw4;
    // The states that enable commands.
    bool sendEnabled = true;
    bool readBackEnabled = true;
    bool printerChoiceEnabled = true;
    bool helpFound = true;
    bool useHtmlHelp = false;
    char helpPath[MAX_PATH] = {};
    bool sendPending = false;
    bool startupDone = false;
    bool packing = false; // while PackBlock runs
    // Set by a save whose file could not be written (the user has been told).
    bool saveRefused = false;
    std::string printerName;
    std::string portName;
    settings::SettingsBlock workingBlock;
    settings::SettingsBlock fileSnapshot;
    settings::SettingsBlock printerSnapshot;
};
