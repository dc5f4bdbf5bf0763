#pragma once
// The key action dialog of a system key: key 32 I/O low 1-3, key 33 I/O
// high 1-3, key 34 timer 1-3 with hours and minutes (at most 999 minutes in
// all), key 35 Start. Add ends with kIdOk and leaves the key action in the
// public members: kind, a = m_nItem, b = m_nTotalMinutes. Return and Escape
// do nothing. The caller refuses keys 32 and 33 on models 0 and 1 before
// opening it.

#include "controls/modaldialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class CDlgKeySys : public ModalDialog {
    Q_OBJECT
public:
    // `key` is the key's index (32-35), `model` the device model.
    CDlgKeySys(int key, int model, QWidget* parent = nullptr);

    static constexpr int kMaxHours = 16;
    static constexpr int kMaxMinutes = 59;
    static constexpr int kMaxTotalMinutes = 999;

    int m_nKey;
    int m_nKind = 0;
    int m_nItem = 0;
    int m_nTotalMinutes = 0;
    int m_nHours = 0;
    int m_nMinutes = 0;

    QLabel* m_labelItem;      // 1144 "No."
    QComboBox* m_comboItem;   // 1139
    QLabel* m_labelHour;      // 1197
    QSlider* m_sliderHour;    // 1150
    QLineEdit* m_editHour;    // 1153
    QLabel* m_labelMinute;    // 1198
    QSlider* m_sliderMinute;  // 1151
    QLineEdit* m_editMinute;  // 1154
    QPushButton* m_btnOk;     // 1, "Add"
    QPushButton* m_btnCancel; // 2

    // The kind for the key: 4 IOL, 5 IOH, 6 Time, 7 Start, 8 below key 32;
    // 0 for a model other than 0, 1 and 2.
    int GetKeyActionKind() const;
    void HideTimeControls();
    void OnHScroll(QSlider* slider);
    void OnEnChangeEditHour();
    void OnEnChangeEditMinute();
    void OnBnClickedOk();

protected:
    void OnInitDialog() override;

private:
    void HideHourAndMinute();
    // An edit's text moves its slider; above `maximum` it is rewritten.
    void EditToSlider(QLineEdit* edit, QSlider* slider, int maximum);

    int m_nModel;
};
