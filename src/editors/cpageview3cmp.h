#pragma once
// The "Compare" event page: data that the device compares with what it
// receives on one of its RS232 ports, for equality or for inclusion, as
// text with an end character or as hex bytes (UCMP events). Empty data is
// accepted. The port check's title is "Compare selection port". Enter and
// Escape are dropped.

#include "editors/eventpage.h"
#include "editors/serialdatacontrols.h"

#include <memory>

class CRS232Edit;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CPageView3Cmp : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Cmp(QWidget* parent = nullptr);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    void OnBnClickedRadioAscii();
    void OnBnClickedRadioHex();
    void OnBnClickedClearData();

    // true: the radios into the four members (-1 for a group with no button
    // checked); false: the members into the radios.
    void UpdateData(bool saveAndValidate);

    QComboBox* m_comboPort;     // 1116, sorted: "Port 1" to "Port 3"
    CRS232Edit* m_editData;     // 1122
    QGroupBox* m_staticEndChar; // 1136 "End Char For ASCII Format"
    int m_nIncludeGroup = 1;    // 0 "Include" checked, 1 "Equal"
    int m_nEqualGroup = 0;      // 0 while "Equal" is checked, else -1
    int m_nFormat = 0;          // radio group 1117: 0 ASCII, 1 hex
    int m_nEndChar = 0;         // radio group 1119: 0 none, 1 CR, 2 CR LF
    QLineEdit* m_editEventName; // 1179

    QPushButton* m_btnClearData; // 1092
    // m_btnAdd 1025 "Add", m_btnEdit 1026 "Edit" (EventPage)
    QRadioButton* m_radioAscii;   // 1117 "Ascii"
    QRadioButton* m_radioHex;     // 1118 "Hex"
    QRadioButton* m_radioEndNone; // 1119 "None"
    QRadioButton* m_radioEndCr;   // 1120 "Enter": CR
    QRadioButton* m_radioEndCrLf; // 1121 "Carriage Return": CR LF
    QRadioButton* m_radioInclude; // 1186
    QRadioButton* m_radioEqual;   // 1188

protected:
    bool CheckPort(bool edit) override;

private:
    void OnInitDialog();

    std::unique_ptr<SerialDataControls> m_data;
    QButtonGroup* m_groupMode;
};
