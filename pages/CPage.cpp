#include "pages/CPage.h"

#include "resources/Tbk42Ids.h"

void CPage::RaiseDataCheck(int controlId) {
    MarkEdited(controlId);
    SendMessageA(Handle(), WM_COMMAND, ID_DATA_CHECK, 0);
}
