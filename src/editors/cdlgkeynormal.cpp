#include "editors/cdlgkeynormal.h"

#include "controls/cqvmkeynameedit.h"
#include "controls/dialoglayout.h"
#include "controls/showntext.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int kTypePress = 0;
constexpr int kTypeRelease = 1;
constexpr int kTypePage = 2;
constexpr int kTypeToggle = 3;
// The handlers know a fifth type, Long, that the list does not offer.
constexpr int kTypeLong = 4;
constexpr int kMaxRepeatTenths = 99;
constexpr int kNameLength = 4;

// Selects entry `index`, or nothing when the list has no such entry.
void SelectOrNone(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

// The repeat interval as the value edit shows it: 15 tenths give "1.5S".
QString RepeatDelayText(int tenths) {
    return QString::fromStdString(txt::Format("%.1fS", tenths / 10.0));
}

} // namespace

CDlgKeyNormal::CDlgKeyNormal(int key, KeyRecord& record, int model, QWidget* parent)
    : ModalDialog(parent), m_nKey(key), m_record(record), m_nModel(model) {
    const DialogLayout layout(this);
    setWindowTitle(QStringLiteral("Add key action"));
    setFixedSize(layout.Units().Size(248, 193));
    SwallowKeys(true, true);

    layout.Label("Key Name", 0, 12, 10, 70);
    m_editName = layout.Place(new CQvmKeyNameEdit(this), 1090, 12, 21, 64, 14);
    layout.Label("LED Brightness", 0, 90, 10, 70);
    m_comboLed = layout.Combo(1167, 90, 21, 64);
    layout.Label("Key Group", 0, 172, 10, 64);
    m_comboGroup = layout.Combo(1168, 172, 21, 64);

    layout.Label("Key Action Type", 0, 12, 48, 72);
    m_comboType = layout.Combo(1026, 12, 59, 64);
    // The page and toggle groups share their places.
    QLabel* pageClass = layout.Label("Page Class", 1027, 90, 48, 64);
    m_comboPageClass = layout.Combo(1032, 90, 59, 64);
    QLabel* pageNum = layout.Label("Page Num", 1028, 172, 48, 64);
    m_comboPageNum = layout.Combo(1033, 172, 59, 64);
    QLabel* toggleClass = layout.Label("Toggle Class", 1029, 90, 48, 64);
    m_comboToggleClass = layout.Combo(1034, 90, 59, 64);
    QLabel* toggleNum = layout.Label("Toggle Num", 1030, 172, 48, 64);
    m_comboToggleNum = layout.Combo(1035, 172, 59, 64);

    QLabel* repeat = layout.Label("Repeat Interval:", 1031, 12, 88, 90);
    m_sliderRepeat = layout.Slider(1194, 12, 100, 168);
    m_editRepeat = layout.Edit(1195, 188, 100, 48);
    m_editRepeat->setReadOnly(true);
    m_comboRepeatCount = layout.Combo(1037, 188, 120, 48);

    m_groupStatus = layout.Group("Curren Status", 0, 12, 122, 224, 38);
    m_staticStatus = layout.Label("", 1036, 20, 138, 100);
    m_staticStatus2 = layout.Label("", 1213, 126, 138, 100);
    m_groupStatus->hide();
    m_staticStatus->hide();
    m_staticStatus2->hide();

    m_btnSet = layout.Button("Set", 1092, 12, 170);
    m_btnOk = layout.Button("Add", 1, 130, 170);
    m_btnOk->setDefault(true);
    m_btnCancel = layout.Button("Cancel", 2, 186, 170);

    m_pageGroup[0] = pageClass;
    m_pageGroup[1] = pageNum;
    m_pageGroup[2] = m_comboPageClass;
    m_pageGroup[3] = m_comboPageNum;
    m_toggleGroup[0] = toggleClass;
    m_toggleGroup[1] = toggleNum;
    m_toggleGroup[2] = m_comboToggleClass;
    m_toggleGroup[3] = m_comboToggleNum;
    m_repeatGroup[0] = repeat;
    m_repeatGroup[1] = m_sliderRepeat;
    m_repeatGroup[2] = m_editRepeat;

    // Only the user's choices count as changes.
    connect(m_comboType, &QComboBox::activated, this, &CDlgKeyNormal::OnCbnSelchangeComboKeyActionType);
    connect(m_comboToggleClass, &QComboBox::activated, this, &CDlgKeyNormal::OnCbnSelchangeComboToggleClass);
    connect(m_sliderRepeat, &QSlider::valueChanged, this, &CDlgKeyNormal::OnHScroll);
    connect(m_btnOk, &QPushButton::clicked, this, &CDlgKeyNormal::OnBnClickedOk);
    connect(m_btnSet, &QPushButton::clicked, this, &CDlgKeyNormal::OnBnClickedSet);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgKeyNormal::OnInitDialog() {
    m_comboType->addItems({"Press", "Release", "Page", "Toggle"});
    m_comboType->setCurrentIndex(kTypePress);
    m_comboPageClass->addItem(QStringLiteral("1"));
    m_comboPageClass->setCurrentIndex(0);
    m_comboPageNum->addItems({"1", "2", "3", "4"});
    m_comboPageNum->setCurrentIndex(0);
    m_comboRepeatCount->addItem(QStringLiteral("Never"));
    for (int s = 1; s <= 9; ++s)
        m_comboRepeatCount->addItem(QStringLiteral("%1S").arg(s));
    m_comboRepeatCount->setCurrentIndex(0);
    m_comboToggleClass->addItems({"2", "3", "4"});
    m_comboToggleClass->setCurrentIndex(0);
    FillToggleNumbers(2);

    ShowGroup(Group::Repeat);
    m_comboRepeatCount->hide();

    {
        const QSignalBlocker block(m_sliderRepeat);
        m_sliderRepeat->setRange(0, kMaxRepeatTenths);
        m_sliderRepeat->setPageStep(0);
        m_sliderRepeat->setValue(m_record.m_nRepeatDelay);
    }
    // The dialog starts at the key's repeat delay, so that an Add keeps it
    // unless the slider is moved. A project file may hold a value the slider
    // cannot show; it is shown and handed back as it is until then.
    m_nRepeatDelay = m_record.m_nRepeatDelay;
    m_editRepeat->setText(RepeatDelayText(m_nRepeatDelay));
    // The user types at most 4 characters; a longer stored name still shows
    // whole and is handed back unchanged.
    m_editName->SetLimitText(kNameLength);

    m_comboGroup->addItem(QStringLiteral("--"));
    const int groups = m_nModel == 0 ? 8 : (m_nModel == 1 || m_nModel == 2) ? 19 : 0;
    for (int g = 1; g <= groups; ++g)
        m_comboGroup->addItem(QStringLiteral("Group %1").arg(g));
    m_comboGroup->setCurrentIndex(0);
    m_comboLed->addItem(QStringLiteral("--"));
    for (int level = 1; level <= 9; ++level)
        m_comboLed->addItem(QStringLiteral("Level %1").arg(level));
    m_comboLed->setCurrentIndex(1);

    // A key without an LED level gets level 1, kept even after Cancel.
    if (m_record.m_nLedLevel == 0)
        m_record.m_nLedLevel = 1;
    SelectOrNone(m_comboLed, m_record.m_nLedLevel);
    SelectOrNone(m_comboGroup, m_record.m_nGroup);
    shown::SetEditText(m_editName, m_record.m_strName);

    ShowKeyActionControls();
}

void CDlgKeyNormal::ShowGroup(Group group) {
    for (QWidget* w : m_pageGroup)
        w->setVisible(group == Group::Page);
    for (QWidget* w : m_toggleGroup)
        w->setVisible(group == Group::Toggle);
    for (QWidget* w : m_repeatGroup)
        w->setVisible(group == Group::Repeat);
}

void CDlgKeyNormal::FillToggleNumbers(int states) {
    m_comboToggleNum->clear();
    for (int n = 1; n <= states; ++n)
        m_comboToggleNum->addItem(QString::number(n));
    m_comboToggleNum->setCurrentIndex(0);
}

void CDlgKeyNormal::ShowKeyActionControls() {
    const int kind = m_record.m_nKind;
    const int a = m_record.m_nParamA;
    const int b = m_record.m_nParamB;
    if (kind == 0 || kind == 1) {
        if (a == 0) {
            m_comboType->setCurrentIndex(kTypePress);
            ShowGroup(Group::Repeat);
        } else if (a == 1) {
            m_comboType->setCurrentIndex(kTypeRelease);
            ShowGroup(Group::None);
        } else {
            // Long: the list has no such entry.
            m_comboType->setCurrentIndex(-1);
            ShowGroup(Group::Repeat);
        }
    } else if (kind == 2) {
        m_comboType->setCurrentIndex(kTypePage);
        ShowGroup(Group::Page);
        SelectOrNone(m_comboPageClass, a);
        SelectOrNone(m_comboPageNum, b);
    } else if (kind == 3) {
        m_comboType->setCurrentIndex(kTypeToggle);
        ShowGroup(Group::Toggle);
        // a comes from the project file and may be any value: a negative one
        // selects no class.
        if (a != 0)
            SelectOrNone(m_comboToggleClass, a > 0 ? a - 1 : -1);
        const int classIndex = m_comboToggleClass->currentIndex();
        if (classIndex >= 0)
            FillToggleNumbers(classIndex + 2);
        SelectOrNone(m_comboToggleNum, b);
    }
    update();
}

void CDlgKeyNormal::OnCbnSelchangeComboKeyActionType() {
    switch (m_comboType->currentIndex()) {
    case kTypePress:
    case kTypeLong:
        ShowGroup(Group::Repeat);
        break;
    case kTypeRelease:
        ShowGroup(Group::None);
        break;
    case kTypePage:
        ShowGroup(Group::Page);
        break;
    case kTypeToggle:
        ShowGroup(Group::Toggle);
        break;
    default:
        break;
    }
}

void CDlgKeyNormal::OnCbnSelchangeComboToggleClass() {
    const QString states = m_comboToggleClass->currentText();
    if (states == QLatin1String("2") || states == QLatin1String("3") || states == QLatin1String("4"))
        FillToggleNumbers(states.toInt());
}

void CDlgKeyNormal::OnHScroll() {
    m_nRepeatDelay = m_sliderRepeat->value();
    m_editRepeat->setText(RepeatDelayText(m_nRepeatDelay));
}

void CDlgKeyNormal::OnBnClickedOk() {
    const auto setAction = [this](int kind, int a, int b) {
        m_nKind = kind;
        m_nParamA = a;
        m_nParamB = b;
    };
    switch (m_comboType->currentIndex()) {
    case kTypePress:
        setAction(1, 0, 0);
        break;
    case kTypeRelease:
        setAction(1, 1, 0);
        break;
    case kTypePage:
        setAction(2, m_comboPageClass->currentIndex(), m_comboPageNum->currentIndex());
        break;
    case kTypeToggle:
        // Class "2" gives a = 1: a toggle of a + 1 states.
        setAction(3, m_comboToggleClass->currentIndex() + 1, m_comboToggleNum->currentIndex());
        break;
    case kTypeLong:
        setAction(1, 2, 0);
        break;
    default:
        setAction(-1, 0, 0);
        break;
    }
    m_nLedLevel = m_comboLed->currentIndex();
    m_nGroup = m_comboGroup->currentIndex();
    m_strName = shown::EditText(m_editName);
    accept();
}

void CDlgKeyNormal::OnBnClickedSet() {
    m_record.m_nLedLevel = m_comboLed->currentIndex();
    m_record.m_nGroup = m_comboGroup->currentIndex();
    m_record.m_strName = txt::Trim(shown::EditText(m_editName));
    reject();
}
