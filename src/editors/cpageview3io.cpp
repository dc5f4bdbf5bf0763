#include "editors/cpageview3io.h"

#include "controls/fittingedit.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QLabel>

CPageView3IO::CPageView3IO(QWidget* parent) : EventPage(parent) {
    AddLabel("Event Name:", 0, 12, 14, 54);
    m_editName = Place(new FittingEdit(this), 1090, 70, 12, 120, 14);
    RefuseColons(m_editName);
    AddLabel("Port", 0, 12, 38, 54);
    m_comboPort = AddCombo(1113, 70, 36, 60);
    AddLabel("IO", 0, 12, 62, 54);
    m_comboDirection = AddCombo(1114, 70, 60, 60);
    m_staticOutput = AddLabel("Output", 1134, 140, 62, 34);
    m_comboLevel = AddCombo(1115, 176, 60, 40);
    CreateAddEditButtons(1025, 1092);
    RequireSelection(m_comboPort, "Please select the port");
    RequireSelection(m_comboDirection, "Please select the IO direction");
    RequireSelection(m_comboLevel, "Please select the output level");
    // Only the user's choice counts as a change of direction.
    connect(m_comboDirection, &QComboBox::activated, this, &CPageView3IO::OnCbnSelchangeComboIo);
    OnInitDialog();
    DropKeys(true, true);
}

void CPageView3IO::OnInitDialog() {
    m_comboPort->addItems({"Port 1", "Port 2", "Port 3"});
    m_comboPort->setCurrentIndex(0);
    m_comboDirection->addItems({"In", "Out"});
    m_comboDirection->setCurrentIndex(0);
    m_comboLevel->addItems({"0", "1"});
    m_comboLevel->setCurrentIndex(0);
    m_comboLevel->hide();
    m_staticOutput->hide();
}

void CPageView3IO::OnCbnSelchangeComboIo() {
    const bool out = m_comboDirection->currentText() == QLatin1String("Out");
    m_staticOutput->setVisible(out);
    m_comboLevel->setVisible(out);
}

bool CPageView3IO::CheckPort(bool) {
    // Compared as an unsigned number: a negative model is no model 0 or 1.
    if (Host() && static_cast<unsigned>(Host()->DeviceModel()) <= 1u) {
        prompt::Ask("", "I/O is unavailable in this model.");
        return false;
    }
    return true;
}

std::string CPageView3IO::BuildEventText() {
    // The level is written whatever the direction: an input carries the
    // hidden level box's choice.
    const int level = m_comboLevel->currentIndex();
    return txt::Compose("GPIO : %s : %d : %d : %d : %d",
                        {EditText(m_editName, true), m_comboPort->currentIndex(),
                         m_comboDirection->currentIndex(), level, level});
}

void CPageView3IO::LoadEvent(std::string) {}
