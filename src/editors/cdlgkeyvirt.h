#pragma once
// The key action dialog of a virtual key: only its name. Add ends with
// kIdOk and leaves the name as typed in m_strName (the caller sets the
// virtual key action, kind 8); Set writes the trimmed name into the key's
// record and ends with kIdCancel. Return and Escape do nothing.

#include "controls/modaldialog.h"
#include "model/keyrecord.h"

#include <string>

class CQvmKeyNameEdit;
class QLabel;
class QPushButton;

class CDlgKeyVirt : public ModalDialog {
    Q_OBJECT
public:
    CDlgKeyVirt(int key, KeyRecord& record, QWidget* parent = nullptr);

    int m_nKey;
    CQvmKeyNameEdit* m_editName; // 1090, no length limit
    std::string m_strName;

    QLabel* m_staticNote;
    QPushButton* m_btnSet;    // 1092
    QPushButton* m_btnOk;     // 1, "Add"
    QPushButton* m_btnCancel; // 2

    void OnBnClickedOk();
    void OnBnClickedSet();

protected:
    void OnInitDialog() override;

private:
    KeyRecord& m_record;
};
