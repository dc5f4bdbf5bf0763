// Project files of the main window (New, Open, Save, Save as, and the
// project named on the command line). Filled in by the project code; until
// then nothing is saved or loaded.
#include "app/cravlodlg.h"

void CravloDlg::OnFileNew() {}
void CravloDlg::OnFileOpen() {}
void CravloDlg::OnFileSave() {}
bool CravloDlg::OnFileSaveAs() {
    return false;
}
void CravloDlg::LoadProject(const QString&) {}
