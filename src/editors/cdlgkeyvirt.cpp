#include "editors/cdlgkeyvirt.h"

#include "controls/cqvmkeynameedit.h"
#include "controls/dialoglayout.h"
#include "controls/showntext.h"
#include "platform/textutil.h"

#include <QLabel>
#include <QPushButton>

CDlgKeyVirt::CDlgKeyVirt(int key, KeyRecord& record, QWidget* parent)
    : ModalDialog(parent), m_nKey(key), m_record(record) {
    const DialogLayout layout(this);
    setWindowTitle(QStringLiteral("AddKey"));
    setFixedSize(layout.Units().Size(254, 150));
    SwallowKeys(true, true);

    layout.Group("Virtual Key", 0, 10, 8, 234, 66);
    m_staticNote = layout.Label("Virtual key is custom, \n"
                                "generally controlled by another looped DV.\n"
                                "Press \"Add\" to add this key to action list.",
                                0, 20, 24, 216, 44);
    m_staticNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    layout.Label("Key Name", 0, 20, 90, 48);
    m_editName = layout.Place(new CQvmKeyNameEdit(this), 1090, 70, 88, 80, 14);

    m_btnSet = layout.Button(" Set", 1092, 160, 88);
    m_btnOk = layout.Button("Add", 1, 132, 124);
    m_btnOk->setDefault(true);
    m_btnCancel = layout.Button("Cancel", 2, 192, 124);

    connect(m_btnOk, &QPushButton::clicked, this, &CDlgKeyVirt::OnBnClickedOk);
    connect(m_btnSet, &QPushButton::clicked, this, &CDlgKeyVirt::OnBnClickedSet);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgKeyVirt::OnInitDialog() {
    shown::SetEditText(m_editName, m_record.m_strName);
}

void CDlgKeyVirt::OnBnClickedOk() {
    m_strName = shown::EditText(m_editName);
    accept();
}

void CDlgKeyVirt::OnBnClickedSet() {
    m_record.m_strName = txt::Trim(shown::EditText(m_editName));
    reject();
}
