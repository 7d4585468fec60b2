#include "settings/MswPageValues.h"

namespace settings {
namespace {

bool IsValidPage(int mswNumber) {
    return mswNumber >= 1 && mswNumber <= kMswCount;
}

int PageOf(int mswNumber) {
    return kMsw1Page + mswNumber - 1;
}

} // namespace

MswPageValues::MswPageValues(int mswNumber) {
    if (!IsValidPage(mswNumber)) return;
    for (const Row* row : RowsOf(PageOf(mswNumber), Kind::Switch))
        switches[row->bit] = row->control == SwitchControl::Radio ? -1 : 0;
}

bool LoadMswPage(int mswNumber, const SettingsBlock& block, MswPageValues& values) {
    if (!IsValidPage(mswNumber)) return false;
    SettingsBlock copy = block;
    values.switches.fill(0);
    for (const Row* row : PageRows(PageOf(mswNumber))) {
        if (row->kind == Kind::Switch) values.switches[row->bit] = LoadNumber(*row, block);
        if (row->kind == Kind::Country) values.country = *LoadText(*row, copy);
    }
    return true;
}

// Every switch of the field is written, the upper bits of its bytes as 0.
bool StoreMswPage(int mswNumber, const MswPageValues& values, SettingsBlock& block) {
    if (!IsValidPage(mswNumber)) return false;
    Field f = kMswFields[mswNumber - 1];
    block.At(f, 0) = block.At(f, 1) = 0;
    for (const Row* row : PageRows(PageOf(mswNumber))) {
        if (row->kind == Kind::Switch) StoreNumber(*row, values.switches[row->bit], block);
        if (row->kind == Kind::Country) StoreText(*row, values.country, block);
    }
    return true;
}

} // namespace settings
