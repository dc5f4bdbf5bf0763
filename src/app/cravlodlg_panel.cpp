// The key panel of the main window: building it for a device model, clearing
// it, and the key clicks that add key actions.
#include "app/cravlodlg.h"

#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QGroupBox>

QRect CravloDlg::PanelFrameRect() const {
    return m_framePanel->geometry();
}

void CravloDlg::BuildPanel() {
    switch (m_nModel) {
    case 0:
        BuildPanelModel0();
        break;
    case 1:
        BuildPanelModel1();
        break;
    case 2:
        BuildPanelModel2();
        break;
    default:
        break; // no panel
    }
}

void CravloDlg::BuildPanelModel0() {
    BuildPanelOfModel(0);
}
void CravloDlg::BuildPanelModel1() {
    BuildPanelOfModel(1);
}
void CravloDlg::BuildPanelModel2() {
    BuildPanelOfModel(2);
}

void CravloDlg::BuildPanelOfModel(int model) {
    const QRect frame = PanelFrameRect();
    const auto places = KeyPanelLayout(model, frame.width(), frame.height());
    if (!places)
        return;
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyPlace& p = (*places)[size_t(i)];
        CBaseButton& key = m_keys[size_t(i)];
        key.Create(txt::Format("%d", i + 1), QRect(frame.left() + p.x, frame.top() + p.y, p.width, p.height),
                   m_client, dlgid::kFirstKey + i);
        key.m_nKeyType = p.kind;
        key.m_nColorScheme = p.kind;
        if (i >= 32)
            key.m_strName = SystemKeyName(i);
        key.raise();
        key.update();
    }
}

void CravloDlg::ClearAllKeys() {
    for (CBaseButton& key : m_keys) {
        key.ClearAllKeyActions();
        key.hide();
        key.m_bHover = false;
        key.m_bTracking = false;
    }
    DeleteAllListRows();
}

void CravloDlg::OnKeyButton(int id) {
    const int index = id - dlgid::kFirstKey;
    if (index < 0 || index >= kKeyCount)
        return;
    CBaseButton& key = m_keys[size_t(index)];
    switch (key.m_nKeyType) {
    case kKeySystem:
        if ((m_nModel == 0 || m_nModel == 1) && (index == 32 || index == 33)) {
            prompt::Ask("IO selection", "I/O is unavailable in this model.");
            return;
        }
        break;
    default:
        break;
    }
}
