#include "editors/cpageview3toggle.h"

#include "model/cqvmeventstr.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int kButtonCount = 8;

} // namespace

CPageView3Toggle::CPageView3Toggle(QWidget* parent) : EventPage(parent) {
    AddLabel("Event Name:", 0, 12, 14, 54);
    m_editName = AddEdit(1090, 70, 12, 120);
    RefuseColons(m_editName);
    AddLabel("Button", 0, 12, 38, 54);
    m_comboButton = AddCombo(1130, 70, 36, 90);
    AddLabel("Toggle Start", 0, 12, 62, 54);
    m_comboStart = AddCombo(1131, 70, 60, 90);
    CreateAddEditButtons(1133, 1134);
    RequireSelection(m_comboButton, "Please select the button");
    RequireSelection(m_comboStart, "Please select the toggle start");
    OnInitDialog();
    DropKeys(true, true);
}

void CPageView3Toggle::OnInitDialog() {
    for (int b = 1; b <= kButtonCount; ++b)
        m_comboButton->addItem(QStringLiteral("Button %1").arg(b));
    m_comboButton->setCurrentIndex(0);
    m_comboStart->addItems({"1", "2", "3", "4"});
    m_comboStart->setCurrentIndex(0);
}

std::string CPageView3Toggle::BuildEventText() {
    return txt::Compose("LTOG : %s : %d : %d : 0", {EditText(m_editName, true), m_comboButton->currentIndex(),
                                                    m_comboStart->currentIndex()});
}

void CPageView3Toggle::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    SelectByIndex(m_comboButton, FieldNumber(event.GetToggleButton()));
    SelectByIndex(m_comboStart, FieldNumber(event.GetToggleStart()));
    SetEditText(m_editName, txt::Trim(event.GetToggleEventName()));
    update();
}
