#pragma once
// A dialog's controls in one table, each from its setting's row in the catalogue and with
// the member of the dialog's values it edits. The table drives the drop-down lists' items,
// the exchange in both directions, the up-down and slider ranges and which notifications
// raise the data-check command: for the setting pages and the format dialog alike.
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "pages/NumberEdits.h"
#include "settings/Catalogue.h"

#include <commctrl.h>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace pages {

enum class ControlKind { List, Radio, Check, Edit };

template <class Values> struct PageControl {
    const settings::Row* row; // its ids (a radio pair's second button, an edit's up-down
                              // control and slider) and its edit rule
    ControlKind kind;
    std::function<std::string&(Values&)> text; // List
    std::function<int&(Values&)> number;       // Radio: index (-1 none); Check: 0/1; Edit
    std::function<int&(Values&)> stop;         // Edit with a slider: the slider's stop
    std::size_t limit = 0;                     // List: the longest text taken, in CP932 bytes
    bool rangeOnStore = false; // Edit: taking the value refuses one outside the range
    int flag = -1;             // Edit: index of its out-of-range flag, -1 for none

    int Id() const { return row->id; }
};

// A dialog's table: its controls in the order they are taken.
template <class Values> using ControlTable = std::vector<PageControl<Values>>;

// The out-of-range flag of a number edit: its place among the page's edits that have one.
inline int FlagOf(const settings::Row& row) {
    int flag = 0;
    for (const settings::Row* other : settings::PageRows(row.page)) {
        if (other == &row) return settings::GetEditRuleInfo(row.rule).hasFlag ? flag : -1;
        flag +=
            other->kind == settings::Kind::Number && settings::GetEditRuleInfo(other->rule).hasFlag;
    }
    return -1;
}

inline ControlKind KindOf(const settings::Row& row) {
    switch (row.kind) {
    case settings::Kind::Radio:
        return ControlKind::Radio;
    case settings::Kind::Switch:
        return row.control == settings::SwitchControl::Radio ? ControlKind::Radio
                                                             : ControlKind::Check;
    case settings::Kind::Number:
    case settings::Kind::Record:
        return ControlKind::Edit;
    default:
        return ControlKind::List;
    }
}

// The control of `row`, editing the text or number that `text` or `number` finds in the
// values. An edit with an out-of-range flag is not range-checked when taken (the flag
// reports its value), nor is a margin (its order is checked instead).
template <class Values>
PageControl<Values> ControlOf(const settings::Row& row, std::function<std::string&(Values&)> text,
                              std::function<int&(Values&)> number, std::size_t limit = 0) {
    PageControl<Values> control{&row, KindOf(row), text, number, nullptr, limit};
    if (control.kind != ControlKind::Edit) return control;
    control.flag = row.kind == settings::Kind::Number ? FlagOf(row) : -1;
    control.rangeOnStore = control.flag < 0 && !settings::IsMargin(row);
    return control;
}

// A page's controls, from its members in their order.
template <class Values, std::size_t N>
ControlTable<Values> ControlsOf(int page,
                                const std::array<settings::MemberOf<Values>, N>& members) {
    ControlTable<Values> controls;
    for (const settings::MemberOf<Values>& member : members) {
        std::string Values::*text = member.text;
        int Values::*number = member.number;
        std::function<std::string&(Values&)> textOf;
        if (text) textOf = [text](Values& values) -> std::string& { return values.*text; };
        std::function<int&(Values&)> numberOf;
        if (number) numberOf = [number](Values& values) -> int& { return values.*number; };
        controls.push_back(
            ControlOf<Values>(settings::FindRow(page, member.key), textOf, numberOf, member.limit));
    }
    return controls;
}

template <class Values>
std::vector<framework::ListItems> ListsOf(const ControlTable<Values>& table) {
    std::vector<framework::ListItems> lists;
    for (const PageControl<Values>& control : table) {
        const settings::Row& row = *control.row;
        if (control.kind == ControlKind::List)
            lists.push_back({row.id, row.list.texts, static_cast<std::size_t>(row.list.count)});
    }
    return lists;
}

// Writes the values into the controls (reads the values only).
template <class Values>
void ToControls(HWND page, const ControlTable<Values>& table, Values& values) {
    for (const PageControl<Values>& control : table) {
        const settings::Row& row = *control.row;
        switch (control.kind) {
        case ControlKind::List:
            framework::SetListText(page, row.id, control.text(values));
            break;
        case ControlKind::Radio:
            framework::SetRadioIndex(page, row.id, row.secondId, control.number(values));
            break;
        case ControlKind::Check:
            framework::SetCheck(page, row.id, control.number(values));
            break;
        case ControlKind::Edit:
            framework::SetInt(page, row.id, control.number(values));
            if (control.stop)
                framework::SendTo(page, row.slider, TBM_SETPOS, TRUE, control.stop(values));
            break;
        }
    }
}

template <class Values>
bool TakeEdit(HWND page, const PageControl<Values>& control, Values& values) {
    const settings::Row& row = *control.row;
    const settings::EditRuleInfo& rule = settings::GetEditRuleInfo(row.rule);
    bool ok = control.rangeOnStore
                  ? framework::GetInt(page, row.id, rule.min, rule.max, control.number(values))
                  : framework::GetInt(page, row.id, control.number(values));
    if (ok && control.stop)
        control.stop(values) = static_cast<int>(framework::SendTo(page, row.slider, TBM_GETPOS));
    return ok;
}

// Takes one control's value; false when its check refused it (the member keeps its
// value).
template <class Values>
bool TakeControl(HWND page, const PageControl<Values>& control, Values& values) {
    const settings::Row& row = *control.row;
    switch (control.kind) {
    case ControlKind::List:
        return framework::GetListText(page, row.id, control.limit, control.text(values));
    case ControlKind::Radio:
        control.number(values) = framework::GetRadioIndex(page, row.id, row.secondId);
        return true;
    case ControlKind::Check:
        control.number(values) = framework::GetCheck(page, row.id);
        return true;
    case ControlKind::Edit:
        return TakeEdit(page, control, values);
    }
    return false;
}

// Marks the row of control `id` (either button of a radio pair) in `edited`.
template <class Values>
void MarkEdited(const ControlTable<Values>& table, int id, std::vector<bool>& edited) {
    for (std::size_t row = 0; row < table.size(); ++row) {
        const PageControl<Values>& control = table[row];
        if (control.Id() == id ||
            (control.kind == ControlKind::Radio && control.row->secondId == id))
            edited[row] = true;
    }
}

// Takes the controls marked in `edited` (all of them when `all`) in table order and
// clears their marks; the first refusal stops the exchange and keeps its mark.
template <class Values>
bool FromEditedControls(HWND page, const ControlTable<Values>& table, Values& values,
                        std::vector<bool>& edited, bool all) {
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (!all && !edited[row]) continue;
        edited[row] = !TakeControl(page, table[row], values);
        if (edited[row]) return false;
    }
    return true;
}

// Takes the controls in table order; the first refusal stops the exchange.
template <class Values>
bool FromControls(HWND page, const ControlTable<Values>& table, Values& values) {
    std::vector<bool> marks(table.size());
    return FromEditedControls(page, table, values, marks, true);
}

// True when taking the controls would refuse one, the controls holding `values`: a list
// text longer than its limit or an edit outside the range it is checked against. (The
// accessors only read here; they take the values by reference for the other direction.)
template <class Values> bool Refuses(const ControlTable<Values>& table, const Values& values) {
    Values& read = const_cast<Values&>(values);
    for (const PageControl<Values>& control : table) {
        if (control.kind == ControlKind::List && control.text(read).size() > control.limit)
            return true;
        if (control.kind != ControlKind::Edit || !control.rangeOnStore) continue;
        const settings::EditRuleInfo& rule = settings::GetEditRuleInfo(control.row->rule);
        int value = control.number(read);
        if (value < rule.min || value > rule.max) return true;
    }
    return false;
}

// True for the lists, check boxes and radio buttons of the table: every notification of
// theirs raises the data-check command (the edits raise it from their change handlers).
template <class Values> bool Notifies(const ControlTable<Values>& table, int id) {
    for (const PageControl<Values>& control : table) {
        if (control.kind == ControlKind::Edit) continue;
        if (control.Id() == id ||
            (control.kind == ControlKind::Radio && control.row->secondId == id))
            return true;
    }
    return false;
}

// The edit of the table with id `id`; null when there is none.
template <class Values>
const PageControl<Values>* EditOf(const ControlTable<Values>& table, int id) {
    for (const PageControl<Values>& control : table) {
        if (control.kind == ControlKind::Edit && control.Id() == id) return &control;
    }
    return nullptr;
}

// The up-down ranges of the edits and the ten stops of their sliders.
template <class Values> void SetUpDownRanges(HWND page, const ControlTable<Values>& table) {
    for (const PageControl<Values>& control : table) {
        if (control.kind != ControlKind::Edit) continue;
        if (control.stop)
            framework::SendTo(page, control.row->slider, TBM_SETRANGE, TRUE,
                              MAKELPARAM(0, settings::kStopCount - 1));
        SetSpinRange(page, control.row->secondId, control.row->rule);
    }
}

} // namespace pages
