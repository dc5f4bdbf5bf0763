#include "editors/cdlgkeyvirt.h"

#include "controls/cqvmkeynameedit.h"
#include "controls/dialogunits.h"
#include "platform/codepage.h"
#include "platform/textutil.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

CDlgKeyVirt::CDlgKeyVirt(int key, KeyRecord& record, QWidget* parent)
    : ModalDialog(parent), m_nKey(key), m_record(record) {
    const DialogUnits du(this);
    setWindowTitle(QStringLiteral("AddKey"));
    setFixedSize(du.Size(254, 150));
    SwallowKeys(true, true);

    auto* group = new QGroupBox(QStringLiteral("Virtual Key"), this);
    group->setGeometry(du.Rect(10, 8, 234, 66));
    m_staticNote = new QLabel(QStringLiteral("Virtual key is custom, \n"
                                             "generally controlled by another looped DV.\n"
                                             "Press \"Add\" to add this key to action list."),
                              this);
    m_staticNote->setGeometry(du.Rect(20, 24, 216, 44));
    m_staticNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* label = new QLabel(QStringLiteral("Key Name"), this);
    label->setGeometry(du.Rect(20, 90, 48, 10));
    m_editName = new CQvmKeyNameEdit(this);
    m_editName->setObjectName(QStringLiteral("1090"));
    m_editName->setGeometry(du.Rect(70, 88, 80, 14));

    m_btnSet = new QPushButton(QStringLiteral(" Set"), this);
    m_btnSet->setObjectName(QStringLiteral("1092"));
    m_btnSet->setGeometry(du.Rect(160, 88, 50, 14));
    m_btnOk = new QPushButton(QStringLiteral("Add"), this);
    m_btnOk->setObjectName(QStringLiteral("1"));
    m_btnOk->setGeometry(du.Rect(132, 124, 50, 14));
    m_btnOk->setDefault(true);
    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("2"));
    m_btnCancel->setGeometry(du.Rect(192, 124, 50, 14));

    connect(m_btnOk, &QPushButton::clicked, this, &CDlgKeyVirt::OnBnClickedOk);
    connect(m_btnSet, &QPushButton::clicked, this, &CDlgKeyVirt::OnBnClickedSet);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgKeyVirt::OnInitDialog() {
    m_editName->setText(cp936::ToUnicode(m_record.m_strName));
}

void CDlgKeyVirt::OnBnClickedOk() {
    m_strName = cp936::FromUnicode(m_editName->text());
    accept();
}

void CDlgKeyVirt::OnBnClickedSet() {
    m_record.m_strName = txt::Trim(cp936::FromUnicode(m_editName->text()));
    reject();
}
