#include "editors/cpageview3delay.h"

#include "editors/slidereditpair.h"
#include "model/cqvmeventstr.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

namespace {

constexpr int kMaxHours = 23;
constexpr int kMaxMinutes = 59;
constexpr int kMaxSeconds = 59;

} // namespace

CPageView3Delay::CPageView3Delay(QWidget* parent) : EventPage(parent) {
    AddLabel("Hour", 0, 12, 14, 40);
    m_sliderHour = AddSlider(1127, 56, 12, 130);
    m_editHour = AddEdit(1131, 194, 12, 40);
    AddLabel("Minute", 0, 12, 38, 40);
    m_sliderMinute = AddSlider(1128, 56, 36, 130);
    m_editMinute = AddEdit(1132, 194, 36, 40);
    AddLabel("Second", 0, 12, 62, 40);
    m_sliderSecond = AddSlider(1129, 56, 60, 130);
    m_editSecond = AddEdit(1092, 194, 60, 40);
    AddLabel("Half Second", 0, 12, 88, 50);
    m_comboHalf = AddCombo(1130, 70, 86, 60);
    CreateAddEditButtons(1135, 1136);
    RequireSelection(m_comboHalf, "Please select the half second");
    OnInitDialog();
    DropKeys(true, true);
}

void CPageView3Delay::OnInitDialog() {
    using Above = SliderEditPair::AboveMaximum;
    m_hour = new SliderEditPair(m_sliderHour, m_editHour, {0, kMaxHours, 0, 0, Above::RewriteText}, this);
    m_minute =
        new SliderEditPair(m_sliderMinute, m_editMinute, {0, kMaxMinutes, 0, 0, Above::RewriteText}, this);
    m_second =
        new SliderEditPair(m_sliderSecond, m_editSecond, {0, kMaxSeconds, 0, 0, Above::RewriteText}, this);
    m_comboHalf->addItems({"0", "0.5S"});
    m_comboHalf->setCurrentIndex(0);
}

std::string CPageView3Delay::BuildEventText() {
    // The sliders' positions, never the edits' texts.
    const int h = m_hour->Position();
    const int m = m_minute->Position();
    const int s = m_second->Position();
    const int x = m_comboHalf->currentIndex();
    return txt::Format("DELY : %d : %d : %d : %d : %02d%02d%02d%01d", h, m, s, x, h, m, s, x);
}

void CPageView3Delay::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    m_hour->Load(event.GetDelayHour());
    m_minute->Load(event.GetDelayMinute());
    m_second->Load(event.GetDelaySecond());
    SelectByIndex(m_comboHalf, FieldNumber(event.GetDelayHalf()));
    // The packed time is not read back.
    update();
}
