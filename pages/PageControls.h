#pragma once
// A page's controls in one table, each with the member of the page's values it edits.
// The table drives the drop-down lists' items, the exchange in both directions, the
// up-down ranges and which notifications raise the data-check command.
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "pages/NumberEdits.h"
#include "settings/Catalogue.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pages {

enum class ControlKind { List, Radio, Edit };

template <class Values> struct PageControl {
    ControlKind kind;
    int id;
    int secondId;              // Radio: the second button; Edit: its up-down control
    std::string Values::*text; // List
    int Values::*number;       // Radio: index (-1 none); Edit: value
    framework::ListItems items;
    std::size_t limit;       // List: the longest text taken, in CP932 bytes
    settings::EditRule rule; // Edit: its checks while typing, its up-down range
    bool rangeOnStore;       // Edit: taking the value refuses one outside the range
    int flag;                // Edit: index of its out-of-range flag, -1 for none
};

// A page's table: its controls in member order.
template <class Values> struct ControlTable {
    const PageControl<Values>* first;
    std::size_t count;
    const PageControl<Values>* begin() const { return first; }
    const PageControl<Values>* end() const { return first + count; }
};

template <class Values, std::size_t N>
ControlTable<Values> TableOf(const PageControl<Values> (&controls)[N]) {
    return {controls, N};
}

// A drop-down list holding one of `items`.
template <class Values, class Texts>
PageControl<Values> ListControl(int id, std::string Values::*member, const Texts& items,
                                std::size_t limit) {
    return {ControlKind::List,    id,    0, member, nullptr, framework::ListOf(id, items), limit,
            settings::EditRule{}, false, -1};
}

// Two radio buttons: index 0 for the first, 1 for the second.
template <class Values> PageControl<Values> RadioPair(int first, int second, int Values::*member) {
    return {ControlKind::Radio,   first, second, nullptr, member, {}, 0,
            settings::EditRule{}, false, -1};
}

// A number edit with its up-down control, checked by `rule` while the user types.
template <class Values>
PageControl<Values> NumberEdit(int id, int spin, int Values::*member, settings::EditRule rule,
                               bool rangeOnStore, int flag = -1) {
    return {ControlKind::Edit, id, spin, nullptr, member, {}, 0, rule, rangeOnStore, flag};
}

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

// The control of a member, from its setting's row in the catalogue. An edit with an
// out-of-range flag is not range-checked when taken: the flag reports its value.
template <class Values>
PageControl<Values> ControlOf(int page, const settings::MemberOf<Values>& member) {
    const settings::Row& row = settings::FindRow(page, member.key);
    if (row.kind == settings::Kind::Radio) return RadioPair(row.id, row.secondId, member.number);
    if (row.kind == settings::Kind::Number) {
        int flag = FlagOf(row);
        return NumberEdit(row.id, row.secondId, member.number, row.rule, flag < 0, flag);
    }
    framework::ListItems items{row.id, row.list.texts, static_cast<std::size_t>(row.list.count)};
    return {ControlKind::List,    row.id, 0, member.text, nullptr, items, member.limit,
            settings::EditRule{}, false,  -1};
}

// A page's controls, in the order of its members.
template <class Values, std::size_t N>
std::vector<PageControl<Values>>
ControlsOf(int page, const std::array<settings::MemberOf<Values>, N>& members) {
    std::vector<PageControl<Values>> controls;
    for (const settings::MemberOf<Values>& member : members)
        controls.push_back(ControlOf(page, member));
    return controls;
}

template <class Values>
ControlTable<Values> TableOf(const std::vector<PageControl<Values>>& controls) {
    return {controls.data(), controls.size()};
}

template <class Values> std::vector<framework::ListItems> ListsOf(ControlTable<Values> table) {
    std::vector<framework::ListItems> lists;
    for (const PageControl<Values>& control : table) {
        if (control.kind == ControlKind::List) lists.push_back(control.items);
    }
    return lists;
}

template <class Values>
void ToControls(HWND page, ControlTable<Values> table, const Values& values) {
    for (const PageControl<Values>& control : table) {
        switch (control.kind) {
        case ControlKind::List:
            framework::SetListText(page, control.id, values.*control.text);
            break;
        case ControlKind::Radio:
            framework::SetRadioIndex(page, control.id, control.secondId, values.*control.number);
            break;
        case ControlKind::Edit:
            framework::SetInt(page, control.id, values.*control.number);
            break;
        }
    }
}

// Takes one control's value; false when its check refused it (the member keeps its
// value).
template <class Values>
bool TakeControl(HWND page, const PageControl<Values>& control, Values& values) {
    switch (control.kind) {
    case ControlKind::List:
        return framework::GetListText(page, control.id, control.limit, values.*control.text);
    case ControlKind::Radio:
        values.*control.number = framework::GetRadioIndex(page, control.id, control.secondId);
        return true;
    case ControlKind::Edit:
        if (!control.rangeOnStore)
            return framework::GetInt(page, control.id, values.*control.number);
        {
            const settings::EditRuleInfo& rule = settings::GetEditRuleInfo(control.rule);
            return framework::GetInt(page, control.id, rule.min, rule.max, values.*control.number);
        }
    }
    return false;
}

// Takes the controls in table order; the first refusal stops the exchange.
template <class Values> bool FromControls(HWND page, ControlTable<Values> table, Values& values) {
    for (const PageControl<Values>& control : table) {
        if (!TakeControl(page, control, values)) return false;
    }
    return true;
}

// True for the lists and radio buttons of the table: every notification of theirs
// raises the data-check command (the edits raise it from their change handlers).
template <class Values> bool Notifies(ControlTable<Values> table, int id) {
    for (const PageControl<Values>& control : table) {
        if (control.kind == ControlKind::Edit) continue;
        if (control.id == id || (control.kind == ControlKind::Radio && control.secondId == id))
            return true;
    }
    return false;
}

// The edit of the table with id `id`; null when there is none.
template <class Values> const PageControl<Values>* EditOf(ControlTable<Values> table, int id) {
    for (const PageControl<Values>& control : table) {
        if (control.kind == ControlKind::Edit && control.id == id) return &control;
    }
    return nullptr;
}

template <class Values> void SetUpDownRanges(HWND page, ControlTable<Values> table) {
    for (const PageControl<Values>& control : table) {
        if (control.kind == ControlKind::Edit) SetSpinRange(page, control.secondId, control.rule);
    }
}

} // namespace pages
