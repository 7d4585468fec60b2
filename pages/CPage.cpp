#include "pages/CPage.h"

#include "resources/Tbk42Ids.h"

void CPage::RaiseDataCheck() {
    edited = true;
    SendMessageA(Handle(), WM_COMMAND, ID_DATA_CHECK, 0);
}
