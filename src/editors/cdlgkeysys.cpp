#include "editors/cdlgkeysys.h"

#include "controls/dialoglayout.h"
#include "model/keyrecord.h"
#include "platform/codepage.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int kKeyIoLow = 32;
constexpr int kKeyIoHigh = 33;
constexpr int kKeyTime = 34;
constexpr int kKeyStart = 35;

} // namespace

CDlgKeySys::CDlgKeySys(int key, int model, QWidget* parent)
    : ModalDialog(parent), m_nKey(key), m_nModel(model) {
    const DialogLayout layout(this);
    setWindowTitle(QStringLiteral("Delay time"));
    setFixedSize(layout.Units().Size(241, 134));
    SwallowKeys(true, true);

    m_labelItem = layout.Label("No.", 1144, 14, 16, 34);
    m_comboItem = layout.Combo(1139, 52, 14, 80);
    m_labelHour = layout.Label("Hour", 1197, 14, 44, 34);
    m_sliderHour = layout.Slider(1150, 52, 42, 138);
    m_editHour = layout.Edit(1153, 196, 42, 32);
    m_labelMinute = layout.Label("Minute", 1198, 14, 70, 34);
    m_sliderMinute = layout.Slider(1151, 52, 68, 138);
    m_editMinute = layout.Edit(1154, 196, 68, 32);
    m_btnOk = layout.Button("Add", 1, 120, 108);
    m_btnOk->setDefault(true);
    m_btnCancel = layout.Button("Cancel", 2, 178, 108);

    connect(m_sliderHour, &QSlider::valueChanged, this, [this] { OnHScroll(m_sliderHour); });
    connect(m_sliderMinute, &QSlider::valueChanged, this, [this] { OnHScroll(m_sliderMinute); });
    connect(m_editHour, &QLineEdit::textChanged, this, &CDlgKeySys::OnEnChangeEditHour);
    connect(m_editMinute, &QLineEdit::textChanged, this, &CDlgKeySys::OnEnChangeEditMinute);
    connect(m_btnOk, &QPushButton::clicked, this, &CDlgKeySys::OnBnClickedOk);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CDlgKeySys::GetKeyActionKind() const {
    if (m_nModel < 0 || m_nModel > 2)
        return 0;
    switch (m_nKey) {
    case kKeyIoLow:
        return 4;
    case kKeyIoHigh:
        return 5;
    case kKeyTime:
        return 6;
    case kKeyStart:
        return 7;
    default:
        return m_nKey < kKeyIoLow ? 8 : 0;
    }
}

void CDlgKeySys::OnInitDialog() {
    if (m_nModel < 0 || m_nModel > 2)
        return;
    const char* itemWord = m_nKey == kKeyIoLow ? "IOL" : m_nKey == kKeyIoHigh ? "IOH" : "Time";
    if (m_nKey == kKeyIoLow || m_nKey == kKeyIoHigh || m_nKey == kKeyTime) {
        for (int item = 1; item <= 3; ++item)
            m_comboItem->addItem(QStringLiteral("%1 %2").arg(QLatin1String(itemWord)).arg(item));
        m_comboItem->setCurrentIndex(0);
        m_nKind = GetKeyActionKind();
    }
    if (m_nKey == kKeyTime) {
        const QSignalBlocker blockHour(m_sliderHour);
        const QSignalBlocker blockMinute(m_sliderMinute);
        m_sliderHour->setRange(0, kMaxHours);
        m_sliderMinute->setRange(0, kMaxMinutes);
        for (QSlider* slider : {m_sliderHour, m_sliderMinute}) {
            slider->setPageStep(1);
            slider->setValue(0);
        }
        m_editHour->setText(QStringLiteral("0"));
        m_editMinute->setText(QStringLiteral("0"));
    } else if (m_nKey == kKeyIoLow || m_nKey == kKeyIoHigh) {
        // The hours and minutes play no part in an I/O key action.
        HideHourAndMinute();
    } else if (m_nKey == kKeyStart) {
        HideTimeControls();
        setWindowTitle(QStringLiteral("Start"));
        m_nKind = 7;
    } else if (m_nKey < kKeyIoLow) {
        HideTimeControls();
        m_nKind = 8;
    }
}

void CDlgKeySys::HideHourAndMinute() {
    for (QWidget* w : std::initializer_list<QWidget*>{m_labelHour, m_labelMinute, m_sliderHour,
                                                      m_sliderMinute, m_editHour, m_editMinute})
        w->hide();
}

void CDlgKeySys::HideTimeControls() {
    m_labelItem->hide();
    m_comboItem->hide();
    HideHourAndMinute();
}

void CDlgKeySys::OnHScroll(QSlider* slider) {
    QLineEdit* edit = slider == m_sliderHour ? m_editHour : m_editMinute;
    edit->setText(QString::number(slider->value()));
}

void CDlgKeySys::EditToSlider(QLineEdit* edit, QSlider* slider, int maximum) {
    const QString text = edit->text();
    // The program moves the slider here; that is no slider move of the user's.
    const QSignalBlocker block(slider);
    if (text.isEmpty()) {
        slider->setValue(0);
        return;
    }
    const long n = txt::ToInt(cp936::FromUnicode(text));
    if (n >= 0)
        slider->setValue(n > maximum ? maximum : static_cast<int>(n));
    if (n > maximum)
        edit->setText(QString::number(maximum));
}

void CDlgKeySys::OnEnChangeEditHour() {
    EditToSlider(m_editHour, m_sliderHour, kMaxHours);
}

void CDlgKeySys::OnEnChangeEditMinute() {
    EditToSlider(m_editMinute, m_sliderMinute, kMaxMinutes);
}

void CDlgKeySys::OnBnClickedOk() {
    m_nKind = GetKeyActionKind();
    m_nItem = m_comboItem->currentIndex();
    m_nHours = m_sliderHour->value();
    m_nMinutes = m_sliderMinute->value();
    m_nTotalMinutes = m_nHours * 60 + m_nMinutes;
    if (m_nTotalMinutes > kMaxTotalMinutes) {
        prompt::MessageBox("The maximum time is 999 minutes", prompt::Buttons::Ok, "TimeSet",
                           prompt::Answer::Ok, prompt::Icon::Warning);
        return;
    }
    accept();
}
