#include "editors/cpageview3casd.h"

#include "controls/fittingedit.h"
#include "model/cqvmeventstr.h"
#include "platform/textutil.h"

#include <QComboBox>

namespace {

constexpr int kMaxId = 99;
constexpr int kMaxKeyNo = 32;

// The entry whose text equals the field (letters without regard to case),
// else the first entry.
void SelectTextOrFirst(QComboBox* combo, const std::string& field) {
    if (!EventPage::SelectByText(combo, field))
        combo->setCurrentIndex(0);
}

} // namespace

CPageView3Casd::CPageView3Casd(QWidget* parent) : EventPage(parent) {
    AddLabel("Event Name:", 0, 12, 14, 54);
    m_editName = Place(new FittingEdit(this), 1090, 70, 12, 120, 14);
    RefuseColons(m_editName);
    AddLabel("ID", 0, 12, 38, 54);
    m_comboId = AddCombo(1169, 70, 36, 60);
    AddLabel("Key No.", 0, 12, 62, 54);
    m_comboKeyNo = AddCombo(1170, 70, 60, 60);
    CreateAddEditButtons(1025, 1026);
    OnInitDialog();
    DropKeys(true, true);
}

void CPageView3Casd::OnInitDialog() {
    for (int id = 1; id <= kMaxId; ++id)
        m_comboId->addItem(QString::number(id));
    m_comboId->setCurrentIndex(0);
    for (int key = 1; key <= kMaxKeyNo; ++key)
        m_comboKeyNo->addItem(QString::number(key));
    m_comboKeyNo->setCurrentIndex(0);
}

std::string CPageView3Casd::BuildEventText() {
    return txt::Compose("CASD : %s : %s : %s : -",
                        {EditText(m_editName, true), ComboText(m_comboId), ComboText(m_comboKeyNo)});
}

void CPageView3Casd::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    SelectTextOrFirst(m_comboId, event.GetLoopId());
    SelectTextOrFirst(m_comboKeyNo, event.GetLoopKeyNo());
    SetEditText(m_editName, txt::Trim(event.GetLoopEventName()));
    update();
}
