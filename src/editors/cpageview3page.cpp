#include "editors/cpageview3page.h"

#include "model/cqvmeventstr.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QLineEdit>

CPageView3Page::CPageView3Page(QWidget* parent) : EventPage(parent) {
    AddLabel("Event Name:", 0, 12, 14, 54);
    m_editName = AddEdit(1090, 70, 12, 120);
    RefuseColons(m_editName);
    AddLabel("Page", 0, 12, 38, 54);
    m_comboPage = AddCombo(1126, 70, 36, 90);
    AddLabel("Active No.", 0, 12, 62, 54);
    m_comboActive = AddCombo(1124, 70, 60, 90);
    CreateAddEditButtons(1025, 1026);
    RequireSelection(m_comboPage, "Please select the page");
    RequireSelection(m_comboActive, "Please select the active number");
    OnInitDialog();
    DropKeys(true, true);
}

void CPageView3Page::OnInitDialog() {
    m_comboPage->addItem(QStringLiteral("Page 1"));
    m_comboPage->setCurrentIndex(0);
    m_comboActive->addItems({"1", "2", "3", "4"});
    m_comboActive->setCurrentIndex(0);
}

std::string CPageView3Page::BuildEventText() {
    // No blank after the colons that follow the two indexes.
    return txt::Compose("ENPG : %s : %d :%01d :0", {EditText(m_editName, true), m_comboPage->currentIndex(),
                                                    m_comboActive->currentIndex()});
}

void CPageView3Page::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    SelectByIndex(m_comboPage, FieldNumber(event.GetPageClass()));
    SelectByIndex(m_comboActive, FieldNumber(event.GetPageStart()));
    SetEditText(m_editName, txt::Trim(event.GetPageEventName()));
    update();
}
