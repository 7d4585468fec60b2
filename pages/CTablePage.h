#pragma once
// A setting page whose controls are one table over its values struct (every page): the
// table fills the lists, moves the values both ways and tells which notifications raise
// the data-check command; the core's load and store rules move the values to and from
// the block.
#include "pages/CPage.h"
#include "pages/PageControls.h"

#include <functional>

template <class PageValues> class CTablePage : public CPage {
public:
    using LoadRule = std::function<void(settings::SettingsBlock&, PageValues&)>;
    using StoreRule = std::function<void(const PageValues&, settings::SettingsBlock&)>;

    // `table` outlives the page; `initial` are the members before the first load.
    CTablePage(UINT templateId, const pages::ControlTable<PageValues>& table, LoadRule load,
               StoreRule store, PageValues initial = PageValues())
        : CPage(templateId), table(table), values(initial), load(load), store(store),
          lists(pages::ListsOf(table)) {}

    void LoadFromBlock(settings::SettingsBlock& block) override {
        load(block, values);
        if (Handle()) ToControls();
    }
    bool StoreToBlock(settings::SettingsBlock& block) override {
        bool all = ValuesRefused();
        bool ok = !all;
        if (Handle()) ok = pages::FromEditedControls(Handle(), table, values, edited, all);
        store(values, block);
        return ok;
    }
    bool ValuesRefused() const override { return pages::Refuses(table, values); }
    const PageValues& Values() const { return values; }

protected:
    const framework::ListItems* InitialLists(std::size_t& count) const override {
        count = lists.size();
        return lists.data();
    }
    BOOL OnInitDialog() override {
        ToControls();
        pages::SetUpDownRanges(Handle(), table);
        return TRUE;
    }
    bool OnCommand(int id, int code, HWND control) override {
        if (control && pages::Notifies(table, id)) RaiseDataCheck(id);
        return CPage::OnCommand(id, code, control);
    }
    void MarkEdited(int controlId) override { pages::MarkEdited(table, controlId, edited); }
    void ToControls() {
        WriteControls([this] { pages::ToControls(Handle(), table, values); });
    }

    const pages::ControlTable<PageValues>& table;
    PageValues values;

private:
    LoadRule load;
    StoreRule store;
    std::vector<framework::ListItems> lists;
    // By table row: the control was edited since it was last taken.
    std::vector<bool> edited = std::vector<bool>(table.size());
};
