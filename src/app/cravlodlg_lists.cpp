// The Action List, the Event List and the event pages of the main window.
// Filled in by the lists code; until then the window has no lists.
#include "app/cravlodlg.h"

void CravloDlg::InitActionList() {}
void CravloDlg::InitEventPages() {}
void CravloDlg::InitEventList() {}
void CravloDlg::DeleteAllListRows() {}
void CravloDlg::ShowAddedKeyAction(int, int, const std::string&) {}
