// The key panel of the main window: building it for a device model, clearing
// it, and the key clicks that add key actions.
#include "app/cravlodlg.h"

#include "editors/cdlgkeynormal.h"
#include "editors/cdlgkeysys.h"
#include "editors/cdlgkeyvirt.h"
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
        return; // commands past the last key have no key
    CBaseButton& key = m_keys[size_t(index)];
    switch (key.m_nKeyType) {
    case kKeyNormal: {
        CDlgKeyNormal dlg(index, key, m_nModel, this);
        if (dlg.DoModal() != ModalDialog::kIdOk) {
            key.repaint(); // Set may have renamed the key
            return;
        }
        const int slot = KeyRecord::GetKeyActionSlot(dlg.m_nKind, dlg.m_nParamA, dlg.m_nParamB);
        // The key settings are taken before the key action is tried.
        key.m_nGroup = dlg.m_nGroup;
        key.m_nLedLevel = dlg.m_nLedLevel;
        key.m_strName = dlg.m_strName;
        key.m_nRepeatDelay = dlg.m_nRepeatDelay;
        if (key.SetKeyAction(dlg.m_nKind, dlg.m_nParamA, dlg.m_nParamB) < 0) {
            key.repaint();
            prompt::MessageBox("Add error");
            return;
        }
        m_nSelKey = index;
        m_nSelSlot = slot;
        ShowAddedKeyAction(index, slot, "error no cursel");
        key.repaint();
        return;
    }
    case kKeySystem: {
        if ((m_nModel == 0 || m_nModel == 1) && (index == 32 || index == 33)) {
            prompt::Ask("IO selection", "I/O is unavailable in this model.");
            return;
        }
        CDlgKeySys dlg(index, m_nModel, this);
        if (dlg.DoModal() != ModalDialog::kIdOk)
            return;
        const int slot = KeyRecord::GetKeyActionSlot(dlg.m_nKind, dlg.m_nItem, dlg.m_nTotalMinutes);
        if (key.SetKeyAction(dlg.m_nKind, dlg.m_nItem, dlg.m_nTotalMinutes) < 0) {
            prompt::MessageBox("Add error");
            return;
        }
        m_nSelKey = index;
        m_nSelSlot = slot;
        ShowAddedKeyAction(index, slot, "error! no cursel");
        return;
    }
    case kKeyVirtual: {
        CDlgKeyVirt dlg(index, key, this);
        if (dlg.DoModal() != ModalDialog::kIdOk) {
            key.repaint(); // Set may have renamed the key
            return;
        }
        if (key.SetKeyAction(8, 0, 0) < 0) {
            prompt::MessageBox("Add error");
            return;
        }
        key.m_strName = dlg.m_strName;
        m_nSelKey = index;
        m_nSelSlot = kSlotVirtual;
        ShowAddedKeyAction(index, kSlotVirtual, "error no cursel");
        key.repaint();
        return;
    }
    default:
        return;
    }
}
