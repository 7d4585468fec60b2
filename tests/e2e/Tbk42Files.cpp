// Settings-file scenarios through the real open and save dialogs. The files themselves
// are checked by the scenario script.
#include "tests/e2e/Tbk42Scenarios.h"

#include "app/Texts.h"
#include "settings/PageIds.h"
#include "resources/Tbk42Ids.h"

namespace tbk42 {

namespace {

bool Checked(HWND page, int id) {
    return SendMessageA(GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Which of the two "paper out" switches of the MSW2 page is on: the factory one
// ("always") or the changed one ("while printing").
void CheckPaperOut(e2e::Checks& checks, HWND page, bool changed, const char* what) {
    checks.That(Checked(page, IDC_MSW2_PAPER_OUT_PRINTING) == changed &&
                    Checked(page, IDC_MSW2_PAPER_OUT_ALWAYS) == !changed,
                what);
}

void SaveAs(App& app, const std::string& path) {
    app.Keys({VK_CONTROL, 'S'});
    app.ChooseFile(path);
}

void LoadFrom(App& app, const std::string& path) {
    app.Keys({VK_CONTROL, 'O'});
    app.ChooseFile(path);
}

} // namespace

void Save(e2e::Checks& checks, const Args& args) {
    App app(checks);
    if (!app.Start(args[0])) return;
    HWND page = app.ShowTab(kTabMsw2);
    app.ClickSwitch(page, IDC_MSW2_PAPER_OUT_PRINTING);
    SaveAs(app, args[1]);
    // Saved but never sent: quitting asks only to send.
    app.Command(ID_EXIT);
    app.Answer(kExitSendQuestion, IDNO);
    app.ExpectExit(0);
}

void Load(e2e::Checks& checks, const Args& args) {
    const std::string& saved = args[1];
    const std::string& afterRefused = args[2];
    App app(checks);
    if (!app.Start(args[0])) return;
    HWND page = app.ShowTab(kTabMsw2);
    for (size_t refused = 3; refused < args.size(); ++refused) {
        LoadFrom(app, args[refused]);
        app.Answer(kNotSettingsFile);
        CheckPaperOut(checks, page, false, "a refused file changes no switch");
    }
    SaveAs(app, afterRefused);

    LoadFrom(app, saved);
    CheckPaperOut(checks, page, true, "the saved file's switches loaded");
    // Loaded from the file, not sent: quitting asks only to send.
    app.Command(ID_EXIT);
    app.Answer(kExitSendQuestion, IDNO);
    app.ExpectExit(0);
}

} // namespace tbk42
