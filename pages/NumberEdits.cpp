#include "pages/NumberEdits.h"

#include "framework/DataExchange.h"

#include <commctrl.h>

namespace pages {

void SetSpinRange(HWND dialog, int spin, settings::EditRule rule) {
    const settings::EditRuleInfo& info = settings::GetEditRuleInfo(rule);
    framework::SendTo(dialog, spin, UDM_SETRANGE, 0, MAKELPARAM(info.max, info.min));
}

settings::EditCheck RunEditCheck(HWND dialog, int id, settings::EditRule rule, bool* flag) {
    HWND control = framework::Control(dialog, id);
    settings::EditCheck check =
        settings::CheckEdit(rule, framework::GetText(dialog, id), GetFocus() == control);
    if (flag && check.clearsFlag) *flag = false;
    if (check.lengthCut) SetWindowTextA(control, check.lengthCut->c_str());
    if (flag && check.setsFlag) *flag = true;
    if (check.correction) SetWindowTextA(control, check.correction->c_str());
    return check;
}

} // namespace pages
