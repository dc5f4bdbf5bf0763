#pragma once
// The key action dialog of a normal key: the key action type (Press,
// Release, Page, Toggle) with its page or toggle class and number, the
// repeat interval of Press, the LED level, key group and key name.
//
// It reads the key's record (and, on opening, raises an LED level of 0 to 1
// in it); Set writes LED level, group and trimmed name into the record and
// ends with kIdCancel. Add ends with kIdOk and leaves the result in the
// public members, which the caller applies. Return and Escape do nothing.

#include "controls/modaldialog.h"
#include "model/keyrecord.h"

#include <string>

class CQvmKeyNameEdit;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class CDlgKeyNormal : public ModalDialog {
    Q_OBJECT
public:
    // `key` is the key's index 0-35, `record` its record, `model` the
    // device model (it decides the number of key groups).
    CDlgKeyNormal(int key, KeyRecord& record, int model, QWidget* parent = nullptr);

    int m_nKey;
    // Results of Add: the key action (kind -1 when no type is chosen), the
    // LED level and group as list indexes, the repeat delay in tenths of a
    // second (the key's own unless the slider was moved) and the name as
    // typed.
    int m_nKind = 0;
    int m_nParamA = 0;
    int m_nParamB = 0;
    int m_nLedLevel = 0;
    int m_nGroup = 0;
    int m_nRepeatDelay = 0;
    std::string m_strName;

    QLabel* m_staticStatus;        // 1036
    QComboBox* m_comboLed;         // 1167
    QComboBox* m_comboGroup;       // 1168
    CQvmKeyNameEdit* m_editName;   // 1090
    QComboBox* m_comboType;        // 1026
    QComboBox* m_comboPageClass;   // 1032
    QComboBox* m_comboPageNum;     // 1033
    QComboBox* m_comboToggleClass; // 1034
    QComboBox* m_comboToggleNum;   // 1035
    QSlider* m_sliderRepeat;       // 1194
    QLineEdit* m_editRepeat;       // 1195
    QComboBox* m_comboRepeatCount; // 1037, never shown
    QPushButton* m_btnSet;         // 1092
    QPushButton* m_btnOk;          // 1, "Add"
    QPushButton* m_btnCancel;      // 2

    // Presets the type and its lists from the key's stored key action.
    void ShowKeyActionControls();
    void OnCbnSelchangeComboKeyActionType();
    void OnCbnSelchangeComboToggleClass();
    void OnHScroll();
    void OnBnClickedOk();
    void OnBnClickedSet();

protected:
    void OnInitDialog() override;

private:
    enum class Group { None, Page, Toggle, Repeat };
    void ShowGroup(Group group);
    // Refills the toggle number list with "1" to the class's number.
    void FillToggleNumbers(int states);

    KeyRecord& m_record;
    int m_nModel;
    QWidget* m_pageGroup[4];
    QWidget* m_toggleGroup[4];
    QWidget* m_repeatGroup[3];
    QGroupBox* m_groupStatus;
    QLabel* m_staticStatus2; // 1213
};
